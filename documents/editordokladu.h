#pragma once
// The document editor in the lower pane of the main window: the header page "Směs" with
// the component lines, the page "Obaly nově", "Zapsat", "Zpět" and "Potvrzená SM".
#include "desetinne.h"
#include "obalkarty.h"
#include "modelvysledku.h"

#include <QDateTime>
#include <QWidget>

class ModelTabulky;
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
    QCheckBox* iKalkulace() const { return m_iKalkulace; }
    QCheckBox* iNeuznane() const { return m_iNeuznane; }
    QLineEdit* pole(const QString& jmeno) const;
    ModelTabulky* modelRadku() const { return m_modelRadky; }
    ModelTabulky* modelObalu() const { return m_modelObaly; }
    ModelVysledku* modelKaret() const { return m_karty; }
    QTabWidget* stranky() const { return m_stranky; }
    QWidget* panelPalet() const { return m_panelPalet; }

signals:
    // The editor closed; the main window returns to the list with this document selected.
    void zavreno(const QString& pamatovanyDoklad);

private:
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
    QTableView* m_gridObaly;
    QWidget* m_panelPalet;
    QTableView* m_gridPalety;
    ModelTabulky* m_modelRadky;
    ModelTabulky* m_modelObaly;
    ModelTabulky* m_modelPalety;
    ModelVysledku* m_karty;
    QCheckBox* m_iKalkulace;
    QCheckBox* m_iNeuznane;
    QPushButton* m_zapsat;
    QPushButton* m_zpet;
    QCheckBox* m_potvrzena;
    bool m_plni = false;
};
