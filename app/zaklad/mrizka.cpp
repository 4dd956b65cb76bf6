#include "mrizka.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>

namespace {
class DelegatVyberu : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& volby,
               const QModelIndex& index) const override {
        QStyleOptionViewItem o(volby);
        initStyleOption(&o, index);
        if (o.state & QStyle::State_Selected) {
            // The row's own colour (red, pink, green) gives way to the selection colours.
            auto* view = qobject_cast<const QAbstractItemView*>(o.widget);
            const bool aktualni = view && view->currentIndex() == index;
            o.state &= ~QStyle::State_Selected;
            o.backgroundBrush = aktualni ? QColor(0, 150, 0) : QColor(255, 255, 0);
            o.palette.setColor(QPalette::Text, aktualni ? Qt::white : Qt::black);
        }
        const QWidget* w = o.widget;
        QStyle* styl = w ? w->style() : QApplication::style();
        styl->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
    }
};
} // namespace

QTableView* NovaMrizka(QWidget* rodic, const QString& jmeno) {
    auto* g = new QTableView(rodic);
    g->setObjectName(jmeno);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setWordWrap(false);
    g->setItemDelegate(new DelegatVyberu(g));
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setVisible(false);
    g->horizontalHeader()->setSectionsMovable(true);
    g->horizontalHeader()->setHighlightSections(false);
    g->horizontalHeader()->setResizeContentsPrecision(100);
    g->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return g;
}
