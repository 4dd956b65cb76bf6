#pragma once
// Column layouts of the grids (".slo" files): our own text format, one line per column,
// "field=visual index,width,0", Windows-1250. Columns are matched by field name, so a
// column added on the server simply appears with its default width.
#include <QMap>
#include <QPair>
#include <QString>

class QTableView;
class ModelVysledku;

using RozlozeniSloupcu = QMap<QString, QPair<int, int>>; // field -> (visual index, width)

RozlozeniSloupcu NactiRozlozeni(const QString& soubor);
// Applies a layout to a grid whose model is (or sits on) the given result model.
void PouzijRozlozeni(QTableView* grid, const ModelVysledku* model, const RozlozeniSloupcu& r);
void UlozRozlozeni(const QTableView* grid, const ModelVysledku* model, const QString& soubor);
