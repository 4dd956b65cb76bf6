#include "seznamprac.h"

#include "hledat.h"
#include "modelvysledku.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

QString SqlSeznamPraci() {
    return QStringList{
        QStringLiteral(
            "select prace as PARTIE, NOMENKLA, NAZEVOSIVA, MJ, DAN, NC, PC, DRUH, ODRUDA, "
            "STUPEN, NAZ_DRU, NAZ_ODRU"),
        QStringLiteral(" from cenik"), QStringLiteral("  where prace != ''"),
        QStringLiteral(" order by partie")}
        .join(QLatin1Char('\n'));
}

int NajdiPraci(const Vysledek& prace, const QString& kod) {
    const int c = prace.index(QStringLiteral("PARTIE"));
    for (int r = 0; r < prace.pocetRadku(); ++r)
        if (prace.text(r, c).compare(kod, Qt::CaseInsensitive) == 0)
            return r;
    return -1;
}

SeznamPrac::SeznamPrac(const Vysledek& prace, QWidget* hlavniOkno) : QDialog(hlavniOkno) {
    setObjectName(QStringLiteral("SeznamPrac"));
    setWindowTitle(QStringLiteral("Seznam prací"));
    auto* l = new QVBoxLayout(this);
    m_model = new ModelVysledku(this);
    m_model->nastav(prace,
                    {QStringLiteral("PARTIE"), QStringLiteral("NAZEVOSIVA"), QStringLiteral("MJ"),
                     QStringLiteral("DAN"), QStringLiteral("PC")},
                    {QStringLiteral("Partie"), QStringLiteral("Popis"), QStringLiteral("MJ"),
                     QStringLiteral("dph"), QStringLiteral("PC")});
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("suiDBGridPrace"));
    m_grid->setModel(m_proxy);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setVisible(false);
    m_grid->resizeColumnsToContents();
    l->addWidget(m_grid);
    auto* b = new QDialogButtonBox(this);
    QPushButton* ok = b->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    b->addButton(QStringLiteral("Zpět"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    l->addWidget(b);
    auto prevzit = [this] {
        const QModelIndex i = m_grid->currentIndex();
        m_vybrany = i.isValid() ? m_proxy->mapToSource(i).row() : -1;
        accept();
    };
    connect(b, &QDialogButtonBox::accepted, this, prevzit);
    connect(b, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_grid, &QTableView::doubleClicked, this, prevzit);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) {
        m_proxy->sort(c, Qt::AscendingOrder);
        HledejVPohledu(m_grid, c);
    });
    if (m_proxy->rowCount() > 0)
        m_grid->setCurrentIndex(m_proxy->index(0, 0));
    // At the right edge of the main window, from 30 below its top.
    if (hlavniOkno) {
        const QRect g = hlavniOkno->geometry();
        const int sirka = 460;
        setGeometry(g.right() - sirka, g.top() + 30, sirka,
                    qMax(200, g.height() + g.top() - 50 - (g.top() + 30) + 30));
    }
}
