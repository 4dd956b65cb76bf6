#pragma once
// The editor's page "Obaly nově": the packaging lines of the mixture (smesiob.dbf), their
// line editor "Řádek obaly", the sum against the mixture's quantity, and the package count
// of the mixture's stock card.
#include "desetinne.h"

#include <QColor>
#include <QMap>
#include <QWidget>
#include <optional>

class PracovniTabulky;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class VyberCeniku;
struct ObalKarty;
struct RadekCeniku;
struct StavProgramu;

// The weight of one package in the base unit and the seed of the line, from the typed
// kilograms and count: kilograms divided by 1000 when the base unit is "t". The line's
// quantity is the exact product divided once, so grams per package are not lost to the
// four decimals of the one-package weight.
struct VypocetObalu {
    Desetinne vahao1;
    Desetinne mnozstvi;
};
VypocetObalu SpoctiObal(Desetinne vahao1kg, Desetinne poceto, const QString& zakl_mj);

// The colour of the "Obaly" sum: red above the mixture's quantity, green equal, black below.
QColor BarvaSouctuObalu(Desetinne soucet, Desetinne mnozstviSmesi);

// The card's number of packages: the mixture's quantity over the card's seed weight in one
// package, rounded to whole packages half away from zero; none while that weight is 0.
std::optional<qint64> PocetObaluKarty(Desetinne mnozstviSmesi, Desetinne vahao1Karty);

class StrankaObalu : public QWidget {
    Q_OBJECT
public:
    StrankaObalu(StavProgramu& stav, QWidget* rodic = nullptr);
    ~StrankaObalu() override;

    // A document was opened: the lines of its packaging table and its card's packaging data.
    void otevri(PracovniTabulky* tabulky, ObalKarty* obalKarty);
    // The document is left: an open line is dropped, the page lets go of the tables.
    void zavri();
    // Reads the mixture's quantity, the lines and their sum again (not while a line is
    // edited: the line's record is in edit state then).
    void obnov();
    // Whether the line editor is open, and closing it as its "Zpět" does.
    bool upravuje() const;
    void zavriRadek();
    // The checks of the line's fields give way when the focus moves to this button (the
    // document's "Zpět").
    void nastavZpetDokladu(QWidget* zpet) { m_zpetDokladu = zpet; }

    QTableView* grid() const { return m_grid; }
    QStandardItemModel* model() const { return m_model; }
    // Line editor fields by work-table field: NOMENKLA, NAZEVOSIVA, VAHAO1KG, POCETO,
    // MNOZSTVI, NAVESKY.
    QLineEdit* pole(const QString& jmeno) const { return m_pole.value(jmeno); }
    QPushButton* tlacitko(const QString& objectName) const { return m_tlacitka.value(objectName); }
    QGroupBox* editorRadku() const { return m_editor; }
    VyberCeniku* vyberCeniku() const { return m_vyberCeniku; }
    QLineEdit* poleSmes() const { return m_smes; }
    QLineEdit* poleSoucet() const { return m_soucet; }
    QColor barvaSouctu() const { return m_barvaSouctu; }

signals:
    // True while a line is edited: the document's "Zapsat" is disabled meanwhile; false when
    // the line editor closed (the editor enables "Zapsat" again when the document may be
    // written).
    void upravujeRadek(bool ano);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void suiButton30Click(); // "Přidat"
    void suiButton27Click(); // "Opravit"
    void suiButton29Click(); // "Zrušit"
    void suiButton31Click(); // line "Zapsat"
    void suiButton32Click(); // line "Zpět"
    void suiButton33Click(); // "<" price-list picker in mode 3
    void suiButton3Click();  // "N" printed tags
    void prevzitZCeniku(const RadekCeniku& c);
    bool suiDBEdit20Exit(QLineEdit* opousteny);
    void EditVAHAOExit();
    bool kontrolaPole(QWidget* opousteny);
    void fokusZmenen(QWidget* stary, QWidget* novy);
    void otevriRadek(bool novy);
    void zobrazRadek();
    void zobrazSmes();
    void obnovGrid();
    void prepoctiSoucet();
    QLineEdit* novePole(QWidget* rodic, const QString& jmeno, bool jenCteni);

    StavProgramu& m_stav;
    PracovniTabulky* m_tabulky = nullptr;
    ObalKarty* m_obalKarty = nullptr;
    QWidget* m_zpetDokladu = nullptr;
    QLineEdit* m_smes;
    QLabel* m_smesMj;
    QLineEdit* m_soucet;
    QLabel* m_soucetMj;
    QStandardItemModel* m_model;
    QTableView* m_grid;
    QGroupBox* m_editor;
    QLabel* m_celkemMj;
    QMap<QString, QLineEdit*> m_pole;
    QMap<QString, QPushButton*> m_tlacitka;
    VyberCeniku* m_vyberCeniku;
    QColor m_barvaSouctu;
    int m_radek = -1;            // the grid row of the line being edited
    QWidget* m_navrat = nullptr; // a refused field getting its focus back
    bool m_kontroluje = false;
};
