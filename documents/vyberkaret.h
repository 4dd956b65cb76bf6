#pragma once
// The stock-card picker "Skladové karty": the cards of the cost centre offered for a
// component, their details and, where the cost centre keeps pallets, the pallets of the
// current card.
#include "modelvysledku.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
struct StavProgramu;

class VyberKaret : public QWidget {
    Q_OBJECT
public:
    VyberKaret(StavProgramu& stav, QWidget* rodic = nullptr);

    // (Re)loads the cards; the list's filter goes with the old list.
    void NactiSkl();
    // Only the cards of one lot ("partie = …"); an empty text shows all.
    void filtrujPartii(const QString& partie);
    int pocetZobrazenych() const;
    // The current card's field (empty without a card).
    QString karta(const QString& pole) const;
    bool maKartu() const;
    int pocetPalet() const { return m_pocetPalet; }
    int vybranychPalet() const;
    // Selects the shown card by row (for the keyboard and the tests).
    void vyberRadek(int r);

    QCheckBox* iKalkulace() const { return m_iKalkulace; }
    QCheckBox* iNeuznane() const { return m_iNeuznane; }
    ModelVysledku* model() const { return m_karty; }
    QTableView* grid() const { return m_grid; }
    QTableView* gridPalet() const { return m_gridPalet; }
    QPushButton* tlacitkoPrevzit() const { return m_prevzit; }
    QPushButton* tlacitkoZpet() const { return m_zpet; }
    QGroupBox* panelPalet() const { return m_panelPalet; }
    // The card grid's column layout ("smesiskl.slo").
    void nactiRozlozeni(const QString& soubor);
    void ulozRozlozeni(const QString& soubor) const;

signals:
    void prevzit();
    void zpet();

private:
    void kartaZmenena();
    void barvaRadku();

    StavProgramu& m_stav;
    ModelVysledku* m_karty;
    QSortFilterProxyModel* m_filtr;
    QTableView* m_grid;
    QLabel* m_detaily;
    QCheckBox* m_iKalkulace;
    QCheckBox* m_iNeuznane;
    QPushButton* m_prevzit;
    QPushButton* m_zpet;
    QGroupBox* m_panelPalet;
    QTableView* m_gridPalet;
    ModelVysledku* m_palety;
    int m_pocetPalet = 0;
    bool m_nacita = false;
    QMap<QString, QPair<int, int>> m_rozlozeni;
};
