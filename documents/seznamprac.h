#pragma once
// The works list "Seznam prací": priced services of the price list entered as lines by
// their 3-character code.
#include "vysledek.h"

#include <QDialog>

class ModelVysledku;
class QSortFilterProxyModel;
class QTableView;
class Spojeni;

QString SqlSeznamPraci();
// The row of the work with this code (column partie), -1 when there is none.
int NajdiPraci(const Vysledek& prace, const QString& kod);

class SeznamPrac : public QDialog {
    Q_OBJECT
public:
    // prace: the works list query's result; placed at the right edge of hlavniOkno.
    SeznamPrac(const Vysledek& prace, QWidget* hlavniOkno);
    // The chosen row of the result after "OK", -1 otherwise.
    int vybranyRadek() const { return m_vybrany; }
    QTableView* grid() const { return m_grid; }

private:
    ModelVysledku* m_model;
    QSortFilterProxyModel* m_proxy;
    QTableView* m_grid;
    int m_vybrany = -1;
};
