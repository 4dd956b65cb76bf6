#pragma once
// The document editor in the lower pane of the main window: the header page "Směs" with
// the component lines, the page "Obaly nově", "Zapsat", "Zpět" and "Potvrzená SM".
#include "desetinne.h"
#include "modelvysledku.h"
#include "obalkarty.h"

#include <QDateTime>
#include <QWidget>

class ModelTabulky;
class QGroupBox;
class StrankaObalu;
class VyberCeniku;
class VyberKaret;
class PracovniTabulky;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
struct StavProgramu;

class EditorDokladu : public QWidget {
    Q_OBJECT
public:
    EditorDokladu(StavProgramu& stav, QWidget* rodic = nullptr);
    ~EditorDokladu() override;
    void nastavPracovniTabulky(PracovniTabulky* t) { m_tabulky = t; }
    // Whether "Potvrzená SM" may be changed at all (smesi.ini, read at start).
    void nastavPotvrzovani(bool povoleno);

    // "Nový doklad": empty work tables with a fresh header record, then OtevriDoklad.
    bool NovyDoklad();
    // Opening the list's document for correction; the list row's slonaukzuz and nc are
    // passed in. False when the document could not be opened (the editor stays closed).
    bool OtevriOpravu(const QString& cislodokla, const QDateTime& slonaukzuz, const QString& nc);
    // "Zpět": leaves the editor; answers the document number to select in the list.
    QString Zpet();
    void NactiSkl();

    // Editor state.
    QString RezimEditoru;
    int StavZapisu = 0;
    QString PuvodniPartie;
    int PuvodniLomeni = 0;
    QDateTime OdeslanoUKZUZ;
    ObalKarty obalKarty;

    QPushButton* tlacitkoZapsat() const { return m_zapsat; }
    QPushButton* tlacitkoZpet() const { return m_zpet; }
    QCheckBox* potvrzena() const { return m_potvrzena; }
    QCheckBox* iKalkulace() const;
    QCheckBox* iNeuznane() const;
    QLineEdit* pole(const QString& jmeno) const;
    ModelTabulky* modelRadku() const { return m_modelRadky; }
    StrankaObalu* strankaObalu() const { return m_obaly; }
    VyberCeniku* vyberCeniku() const { return m_vyberCeniku; }
    ModelVysledku* modelKaret() const;
    VyberKaret* vyberKaret() const { return m_vyberKaret; }
    QGroupBox* editorRadku() const { return m_radekEditor; }
    QLineEdit* radekPole(const QString& jmeno) const { return m_radekPole.value(jmeno); }
    QPushButton* tlacitko(const QString& objectName) const;
    QCheckBox* zadavatProcenta() const { return m_procenta; }
    QLineEdit* planovanyCelkem() const { return m_celkem; }
    QDateEdit* datum() const { return m_datum; }
    QTableView* gridRadku() const { return m_gridRadky; }
    // The header rules run when a field is left; tests call them as the focus change does.
    bool kontrolaPole(QWidget* opousteny);
    QTabWidget* stranky() const { return m_stranky; }
    QWidget* panelPalet() const { return m_panelPalet; }

signals:
    // The editor closed; the main window returns to the list with this document selected.
    void zavreno(const QString& pamatovanyDoklad);
    // A posting went through under this number; the editor is closed already.
    void zapsano(const QString& cisloDokladu);

private:
    // Component lines.
    void vytvorEditorRadku(QWidget* rodic);
    void suiButton21Click();                    // "Přidat"
    void suiButton22Click();                    // "Opravit"
    void suiButton23Click();                    // "Zrušit"
    void suiButton13Click();                    // line "Zapsat"
    void suiButton14Click();                    // line "Zpět"
    void suiButton12Click();                    // "<" stock-card picker
    void suiButton24Click();                    // "Pr" works list
    void suiButton19Click();                    // picker "Převzít"
    void suiButton20Click(bool presunoutFokus); // picker "Zpět"
    bool EditPARTIEExit();
    void EditPRExit();
    void otevriRadek();
    void zobrazRadek();
    void zavriVyberKaret();
    void prevezmiKartu(bool zustatekJakoMnozstvi);
    bool vyplnPraci(int radekPrace);
    void prepoctiHlavicku();
    void spoctiKC();
    Desetinne puvodneVzato(const QString& partiecela, qint64 lomeni);
    void nactiPrace();
    // Header rules.
    bool DBEdit11Exit();
    bool DBEdit7Exit();
    bool DBEdit1Exit();
    bool DBDateEdit1Exit();
    void suiButton2Click(); // "z ceníku"
    void suiCheckBoxProcentaClick();
    void fokusZmenen(QWidget* stary, QWidget* novy);

    void suiButton15Click(); // "Zapsat" of the document
    bool OtevriDoklad();
    void zobrazHlavicku();
    void ulozPole(const QString& jmeno, const QString& text);
    bool nactiObalKarty(const QString& partiecela, qint64 lomeni);
    void vymazObalKarty();

    StavProgramu& m_stav;
    PracovniTabulky* m_tabulky = nullptr;
    bool m_potvrzovat = false;
    QTabWidget* m_stranky;
    QMap<QString, QLineEdit*> m_pole;
    QDateEdit* m_datum;
    QComboBox* m_cinnost;
    QComboBox* m_jazyk;
    QLabel* m_labelUlc;
    QLabel* m_labelDatumUlc;
    QTableView* m_gridRadky;
    QWidget* m_panelPalet;
    QTableView* m_gridPalety;
    ModelTabulky* m_modelRadky;
    StrankaObalu* m_obaly;
    VyberCeniku* m_vyberCeniku;
    ModelTabulky* m_modelPalety;
    VyberKaret* m_vyberKaret;
    QGroupBox* m_radekEditor;
    QMap<QString, QLineEdit*> m_radekPole;
    QMap<QString, QPushButton*> m_tlacitka;
    QCheckBox* m_procenta;
    QLineEdit* m_celkem;
    QLabel* m_celkemMj;
    Vysledek m_prace;
    bool m_novyRadek = false;
    bool m_kontroluje = false;
    QPushButton* m_zapsat;
    QPushButton* m_zpet;
    QCheckBox* m_potvrzena;
    bool m_plni = false;
};
