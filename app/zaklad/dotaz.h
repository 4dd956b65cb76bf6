#pragma once
// The one message dialog through which the program speaks to the user, and the input
// dialog of the start-up password. Tests install an answerer that records every text.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

enum class Ikona { Stop, Varovani, Informace, Otazka, Zadna };

struct ZaznamDotazu {
    QString text;
    QStringList tlacitka;
    Ikona ikona = Ikona::Informace;
};

// Modal, caption "Kavlin05"; answers the pressed button, 1 for the first. Closing the
// dialog without a button answers the last button (the cancel-like one).
int dotaz(const QString& text, const QStringList& tlacitka, Ikona ikona, QWidget* rodic = nullptr);
inline int dotaz(const QString& text, Ikona ikona = Ikona::Informace) {
    return dotaz(text, {QStringLiteral("OK")}, ikona);
}

// The input dialog: caption, prompt, masked input; nullopt when the user cancels.
std::optional<QString> heslo(const QString& titulek, const QString& vyzva, bool skryte = true,
                             QWidget* rodic = nullptr);

// Test seams: with an answerer installed no window opens.
using OdpovidacDotazu = std::function<int(const ZaznamDotazu&)>;
using OdpovidacHesla = std::function<std::optional<QString>(const QString& vyzva)>;
void NastavOdpovidac(OdpovidacDotazu o);
void NastavOdpovidacHesla(OdpovidacHesla o);
