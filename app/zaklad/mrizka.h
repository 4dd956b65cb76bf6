#pragma once
// The read-only grids of the program: whole rows selected, the suite's selection colours
// (the selected row yellow, its focused cell green), compact rows, movable columns.
#include <QString>

class QTableView;
class QWidget;

QTableView* NovaMrizka(QWidget* rodic, const QString& jmeno);
