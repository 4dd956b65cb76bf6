#pragma once
// The suite's sibling modules that the menu "Moduly" starts, and the menu "Pomoc".
#include <QList>
#include <QString>
#include <functional>

class QMenu;
class QWidget;

struct Modul {
    QString program; // "ardo.exe", in the working directory
    QString popisek; // the menu caption "PP - Příjemka přírody"
};

// The ten modules in menu order.
const QList<Modul>& Moduly();

// Whether the module's program file exists in the working directory.
bool ModulExistuje(const QString& program);
// Starts "<program> modul" without waiting; answers whether it started. The caller ends
// this program either way.
bool SpustModul(const QString& program);

// Fills the menu "Moduly": one item per module (the program name is the action's property
// "program").
// A chosen item starts its module and then calls ukonci, which closes the main window.
void NaplnMenuModuly(QMenu* menu, const std::function<void()>& ukonci);
// Enables each item of a menu filled above only when its program exists.
void PovolModuly(QMenu* menu);

// Help files of the program directory, opened with the application associated with
// them; a missing file is silently ignored. Answers whether a file was handed over.
bool OtevriNapovedu(const QString& soubor);
bool CelkovyPopis(); // "asmesi.txt"
bool MpNaUkzuz();    // "smesi_ukzuz.pdf"
void OProgramu();    // "Verze " + VerzeProgramu()

// Fills the menu "Pomoc": "Popis programu", "Poslední změny" ("Celkový popis",
// "MP na ÚKZÚZ"), "O programu".
void NaplnMenuPomoc(QMenu* menu);
