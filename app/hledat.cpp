#include "hledat.h"

#include "dotaz.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

QList<int> ZuzenyVyber(const QStringList& hodnoty, const QString& text) {
    QList<int> r;
    r.reserve(hodnoty.size());
    for (qsizetype i = 0; i < hodnoty.size(); ++i)
        if (text.isEmpty() || hodnoty.at(i).contains(text, Qt::CaseInsensitive))
            r.append(static_cast<int>(i));
    return r;
}

int PrvniShodny(const QStringList& hodnoty, const QString& text) {
    for (qsizetype i = 0; i < hodnoty.size(); ++i)
        if (hodnoty.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

int VychoziVolba(const QStringList& hodnoty, const QList<int>& vyber, const QString& text) {
    if (vyber.isEmpty())
        return -1;
    int zacina = -1;
    for (qsizetype i = 0; i < vyber.size(); ++i) {
        const QString& h = hodnoty.at(vyber.at(i));
        if (h.compare(text, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
        if (zacina < 0 && h.startsWith(text, Qt::CaseInsensitive))
            zacina = static_cast<int>(i);
    }
    return zacina >= 0 ? zacina : 0;
}

namespace {

bool JeBinarni(const QAbstractItemModel* m, int sloupec) {
    if (m->rowCount() == 0)
        return false;
    const QModelIndex i = m->index(0, sloupec);
    return i.data(Qt::EditRole).typeId() == QMetaType::QByteArray ||
           i.data(Qt::DisplayRole).typeId() == QMetaType::QByteArray;
}

// Up and Down in "Co hledat" walk the value list, so the user need not leave the field.
class SipkyDoSeznamu : public QObject {
public:
    SipkyDoSeznamu(QListView* seznam, QObject* rodic) : QObject(rodic), m_seznam(seznam) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && m_seznam->isVisible()) {
            const int k = static_cast<QKeyEvent*>(e)->key();
            if (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_PageUp ||
                k == Qt::Key_PageDown) {
                QApplication::sendEvent(m_seznam, e);
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }

private:
    QListView* m_seznam;
};

} // namespace

TFhledat::TFhledat(const QAbstractItemModel* data, int sloupec, const QList<int>& sloupce,
                   int aktualniRadek, QWidget* rodic)
    : QDialog(rodic), m_data(data), m_sloupce(sloupce), m_puvodniRadek(aktualniRadek) {
    setObjectName(QStringLiteral("TFhledat"));
    setWindowTitle(QStringLiteral("Hledat"));
    setModal(true);
    resize(500, 400);
    setMinimumWidth(500);
    if (m_sloupce.isEmpty())
        for (int c = 0; c < m_data->columnCount(); ++c)
            m_sloupce.append(c);

    m_prohledavat = new QComboBox(this);
    m_prohledavat->setObjectName(QStringLiteral("ComboProhledavat"));
    for (int c : m_sloupce)
        m_prohledavat->addItem(m_data->headerData(c, Qt::Horizontal).toString(), c);
    m_coHledat = new QLineEdit(this);
    m_coHledat->setObjectName(QStringLiteral("EditCoHledat"));
    m_zobrazitVyber = new QCheckBox(QStringLiteral("zobrazit výběr"), this);
    m_zobrazitVyber->setObjectName(QStringLiteral("CheckZobrazitVyber"));
    m_zobrazitVyber->setChecked(true);
    m_seznamModel = new QStringListModel(this);
    m_seznam = new QListView(this);
    m_seznam->setObjectName(QStringLiteral("ListVyber"));
    m_seznam->setModel(m_seznamModel);
    m_seznam->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_seznam->setUniformItemSizes(true);
    auto* prevzitTl = new QPushButton(QStringLiteral("převzít"), this);
    prevzitTl->setObjectName(QStringLiteral("ButtonPrevzit"));
    prevzitTl->setDefault(true);
    auto* stornoTl = new QPushButton(QStringLiteral("storno"), this);
    stornoTl->setObjectName(QStringLiteral("ButtonStorno"));

    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("Prohledávat"), m_prohledavat);
    formular->addRow(QStringLiteral("Co hledat"), m_coHledat);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addWidget(m_zobrazitVyber);
    tlacitka->addStretch();
    tlacitka->addWidget(prevzitTl);
    tlacitka->addWidget(stornoTl);
    auto* hlavni = new QVBoxLayout(this);
    hlavni->addLayout(formular);
    hlavni->addWidget(m_seznam, 1);
    hlavni->addLayout(tlacitka);
    // Enter moves to the next field throughout the program: from "Co hledat" it lands on
    // the value list, whose Enter takes the chosen value.
    setTabOrder(m_prohledavat, m_coHledat);
    setTabOrder(m_coHledat, m_seznam);
    setTabOrder(m_seznam, prevzitTl);
    setTabOrder(prevzitTl, stornoTl);
    setTabOrder(stornoTl, m_zobrazitVyber);
    m_coHledat->installEventFilter(new SipkyDoSeznamu(m_seznam, this));

    connect(m_prohledavat, &QComboBox::currentIndexChanged, this, &TFhledat::nactiSloupec);
    connect(m_coHledat, &QLineEdit::textEdited, this, &TFhledat::zuzit);
    connect(m_zobrazitVyber, &QCheckBox::toggled, m_seznam, &QWidget::setVisible);
    connect(m_seznam, &QAbstractItemView::doubleClicked, this, &TFhledat::prevzitZeSeznamu);
    connect(prevzitTl, &QPushButton::clicked, this, &TFhledat::prevzit);
    connect(stornoTl, &QPushButton::clicked, this, &QDialog::reject);

    const int i = static_cast<int>(m_sloupce.indexOf(sloupec));
    m_prohledavat->setCurrentIndex(i < 0 ? 0 : i);
    nactiSloupec(); // also when the index did not change
    m_coHledat->setFocus();
}

int TFhledat::sloupec() const {
    return m_prohledavat->currentData().toInt();
}

QList<int> TFhledat::SloupceProHledani(const QAbstractItemView* pohled) {
    QList<int> r;
    const QAbstractItemModel* m = pohled->model();
    if (!m)
        return r;
    const auto* tabulka = qobject_cast<const QTableView*>(pohled);
    const QHeaderView* zahlavi = tabulka ? tabulka->horizontalHeader() : nullptr;
    for (int v = 0; v < m->columnCount(); ++v) {
        const int c = zahlavi ? zahlavi->logicalIndex(v) : v;
        if (zahlavi && zahlavi->isSectionHidden(c))
            continue;
        if (!JeBinarni(m, c))
            r.append(c);
    }
    return r;
}

void TFhledat::nactiSloupec() {
    const int c = sloupec();
    m_hodnoty.clear();
    m_hodnoty.reserve(m_data->rowCount());
    for (int r = 0; r < m_data->rowCount(); ++r)
        m_hodnoty.append(m_data->index(r, c).data(Qt::DisplayRole).toString());
    zuzit();
    // Before anything is typed the list stands on the row the data stands on.
    if (m_coHledat->text().isEmpty() && m_puvodniRadek >= 0)
        if (const qsizetype i = m_vyber.indexOf(m_puvodniRadek); i >= 0)
            m_seznam->setCurrentIndex(m_seznamModel->index(static_cast<int>(i)));
}

void TFhledat::zuzit() {
    const QString text = m_coHledat->text();
    m_vyber = ZuzenyVyber(m_hodnoty, text);
    QStringList zobrazene;
    zobrazene.reserve(m_vyber.size());
    for (int r : m_vyber)
        zobrazene.append(m_hodnoty.at(r));
    m_seznamModel->setStringList(zobrazene);
    const int volba = VychoziVolba(m_hodnoty, m_vyber, text);
    if (volba >= 0) {
        const QModelIndex i = m_seznamModel->index(volba);
        m_seznam->setCurrentIndex(i);
        m_seznam->scrollTo(i);
    }
}

void TFhledat::prevzitZeSeznamu() {
    if (m_zobrazitVyber->isChecked())
        prevzit();
}

void TFhledat::prevzit() {
    int radek = -1;
    if (m_zobrazitVyber->isChecked()) {
        const int i = m_seznam->currentIndex().row();
        if (i >= 0 && i < m_vyber.size())
            radek = m_vyber.at(i);
    } else {
        radek = PrvniShodny(m_hodnoty, m_coHledat->text());
    }
    if (radek < 0) {
        QApplication::beep();
        dotaz(QStringLiteral("Record not found"), {QStringLiteral("OK")}, Ikona::Varovani, this);
        return;
    }
    m_vysledek = radek;
    accept();
}

bool HledejVPohledu(QAbstractItemView* pohled, int sloupec, PriznakHledani* priznak) {
    if (!pohled || !pohled->model())
        return false;
    std::optional<DrzHledani> drz;
    if (priznak)
        drz.emplace(*priznak);
    const QModelIndex puvodni = pohled->currentIndex();
    TFhledat d(pohled->model(), sloupec, TFhledat::SloupceProHledani(pohled), puvodni.row(),
               pohled->window());
    if (d.exec() != QDialog::Accepted || !d.vybranyRadek())
        return false;
    const QModelIndex cil = pohled->model()->index(*d.vybranyRadek(), d.sloupec());
    pohled->setCurrentIndex(cil);
    pohled->scrollTo(cil);
    return true;
}
