#include "rozlozeni.h"

#include "kodovani.h"
#include "modelvysledku.h"

#include <QFile>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTableView>

RozlozeniSloupcu NactiRozlozeni(const QString& soubor) {
    RozlozeniSloupcu r;
    QFile f(soubor);
    if (!f.open(QIODevice::ReadOnly))
        return r;
    const QStringList radky =
        ZCp1250(f.readAll())
            .split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (const QString& s : radky) {
        const QString pole = s.section(QLatin1Char('='), 0, 0).trimmed();
        const QStringList h = s.section(QLatin1Char('='), 1).split(QLatin1Char(','));
        if (pole.isEmpty() || h.size() < 2)
            continue;
        bool ok1 = false, ok2 = false;
        const int vi = h[0].toInt(&ok1), w = h[1].toInt(&ok2);
        if (ok1 && ok2 && w >= 0 && w < 5000)
            r.insert(pole, {vi, w});
    }
    return r;
}

void PouzijRozlozeni(QTableView* grid, const ModelVysledku* model, const RozlozeniSloupcu& r) {
    QHeaderView* h = grid->horizontalHeader();
    for (auto it = r.cbegin(); it != r.cend(); ++it) {
        const int c = model->sloupec(it.key());
        if (c >= 0 && it.value().second > 0)
            h->resizeSection(c, it.value().second);
    }
    for (auto it = r.cbegin(); it != r.cend(); ++it) {
        const int c = model->sloupec(it.key());
        if (c >= 0 && it.value().first >= 0 && it.value().first < h->count())
            h->moveSection(h->visualIndex(c), it.value().first);
    }
}

void UlozRozlozeni(const QTableView* grid, const ModelVysledku* model, const QString& soubor) {
    if (model->columnCount() == 0)
        return;
    const QHeaderView* h = grid->horizontalHeader();
    QString text;
    for (int c = 0; c < model->columnCount(); ++c)
        text += model->pole(c) + QLatin1Char('=') + QString::number(h->visualIndex(c)) +
                QLatin1Char(',') + QString::number(h->sectionSize(c)) + QLatin1String(",0\r\n");
    QSaveFile f(soubor);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(DoCp1250Ztratove(text));
        f.commit();
    }
}
