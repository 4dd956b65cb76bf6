#pragma once
// The list pane of the main window: the mixture documents of the cost centre, and under
// them the component rows of the selected document with the pallets of the selected row.
#include "modelvysledku.h"

#include <QWidget>

class QLabel;
class QMenu;
class QTableView;
struct StavProgramu;

class SeznamDokladu : public QWidget {
    Q_OBJECT
public:
    SeznamDokladu(StavProgramu& stav, QWidget* rodic = nullptr);

    // Rebuilds and reopens the list for the current state and selects the document
    // `vybrat` (the first row when it is not listed); false when the statement failed (the
    // message has been shown and the list stays closed).
    bool UdelejSQL(const QString& vybrat = QString());
    // Reloads the rows pane (and through it the pallets pane) for the selected document.
    void ObnovPanely();
    void nastavRok(const QString& rok) { m_rok = rok; } // "" for all years
    void nastavZobrazovatRadky(bool ano);
    // While a document is open the rows and pallets panes give their room to the editor.
    void sbalPanely();
    bool zobrazovatRadky() const { return m_zobrazovatRadky; }

    QString vybranyDoklad() const;
    int vybranyRadek() const;
    // Selects the row with exactly this document number; false when it is not listed.
    bool vyber(const QString& cislodokla);
    // The field under the selected cell, for sorting and searching.
    QString vybranePole() const;
    void setrid(bool sestupne);

    // The marker a running search sets: pane refreshes wait until it is cleared.
    bool hledaniBezi = false;

    QTableView* gridSeznam() const { return m_seznam; }
    QTableView* gridRadky() const { return m_radky; }
    QTableView* gridPalety() const { return m_palety; }
    ModelVysledku* modelSeznamu() const { return m_modelSeznam; }
    ModelVysledku* modelRadku() const { return m_modelRadky; }
    ModelVysledku* modelPalet() const { return m_modelPalety; }
    QMenu* menuSeznamu() const { return m_menuSeznam; }
    QMenu* menuRadku() const { return m_menuRadky; }
    QString titulek() const;
    int vyskaRadku() const;
    int vyskaPalet() const;

    // Column layouts of the list (".slo" files, our own text format).
    void nactiRozlozeni(const QString& soubor);
    void ulozRozlozeni(const QString& soubor) const;

signals:
    void otevritDoklad();
    // After every rebuild of the list (the pallet flag may have changed).
    void prestaveno();

private:
    void radekRadkuZmenen();
    void nastavVysky();
    void obnovPalety();

    StavProgramu& m_stav;
    QString m_rok;
    // Rows of a document fetched with the list itself, taken by the next pane refresh.
    QString m_pripraveneRadkyDokladu;
    Vysledek m_pripraveneRadky;
    bool m_zobrazovatRadky = true;
    QLabel* m_titulek;
    QTableView* m_seznam;
    QWidget* m_panelRadku;
    QTableView* m_radky;
    QWidget* m_panelPalet;
    QTableView* m_palety;
    ModelVysledku* m_modelSeznam;
    ModelVysledku* m_modelRadky;
    ModelVysledku* m_modelPalety;
    QMenu* m_menuSeznam;
    QMenu* m_menuRadky;
    QMap<QString, QPair<int, int>> m_rozlozeni; // loaded at start, applied at the first rebuild
};

// The row colour of a header by its price and the confirmation setting.
QColor BarvaDokladu(const QString& nc, int SM_JAKNC);
