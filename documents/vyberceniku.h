#pragma once
// The price-list picker "Druh, odrůda, stupeň": a side panel over the price list from which
// the mixture's variety (mode 0) or a packaging item (modes 1 and 3) is taken.
#include "desetinne.h"

#include <QDateTime>
#include <QStringList>
#include <QWidget>

class FiltrCeniku;
class ModelVysledku;
class QPushButton;
class QTableView;
struct StavProgramu;

// The values of one price-list row that the callers copy.
struct RadekCeniku {
    QString nomenkla;
    QString nazevosiva;
    QString mj;
    QString druh;
    QString odruda;
    QString stupen;
    Desetinne dan;
    QString naz_dru;
    QString naz_odru;
    Desetinne vahao;
};

// The price-list statement, line by line.
QStringList SqlCeniku();

class VyberCeniku : public QWidget {
    Q_OBJECT
public:
    VyberCeniku(StavProgramu& stav, QWidget* rodic = nullptr);

    // Shows the panel in a mode: 0 every row (385 wide), 1 and 3 only packaging items,
    // whose nomenkla begins with "6" (430 wide). The list is read again first when the
    // price list changed since it was read (StavProgramu::CasCeniku). The focus goes to
    // the list, on its first row.
    void otevri(int rezim);
    // Reads the price list again.
    void obnov();
    int rezim() const { return m_rezim; }

    int pocetZobrazenych() const;
    void vyberRadek(int r);
    bool maRadek() const;
    // The current row (empty values without one).
    RadekCeniku radek() const;

    QTableView* grid() const { return m_grid; }
    QPushButton* tlacitkoPrevzit() const { return m_prevzit; }
    QPushButton* tlacitkoZpet() const { return m_zpet; }

signals:
    // "Převzít" or a double-click on a row; the panel has closed.
    void prevzit(const RadekCeniku& radek);
    // "Zpět"; the panel has closed.
    void zpet();

private:
    void suiButton17Click();
    void suiButton18Click();
    void suiDBGrid2TitleClick(int sloupec);

    StavProgramu& m_stav;
    ModelVysledku* m_model;
    FiltrCeniku* m_filtr;
    QTableView* m_grid;
    QPushButton* m_prevzit;
    QPushButton* m_zpet;
    int m_rezim = 0;
    bool m_nacteno = false;
    QDateTime m_casNacteni;
};
