#include "vyberceniku.h"
#include "mrizka.h"

#include "dotaz.h"
#include "hledat.h"
#include "kurzor.h"
#include "modelvysledku.h"
#include "stavprogramu.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

QStringList SqlCeniku() {
    return {QStringLiteral("select NOMENKLA, NAZEVOSIVA, MJ, DRUH, ODRUDA, STUPEN, DAN,"),
            QStringLiteral(" NAZ_DRU, NAZ_ODRU, VAHAO"), QStringLiteral(" from cenik"),
            QStringLiteral("where PRO_LABOR <> 'N'"), QStringLiteral("  order by NAZEVOSIVA")};
}

// Packaging items only in modes 1 and 3; numbers sort by value, not by their text.
class FiltrCeniku : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void nastavJenObaly(bool ano) {
        m_jenObaly = ano;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int r, const QModelIndex&) const override {
        return !m_jenObaly ||
               zdroj()->text(r, QStringLiteral("nomenkla")).startsWith(QLatin1Char('6'));
    }
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override {
        const Vysledek& v = zdroj()->vysledek();
        const int i = v.index(zdroj()->pole(a.column()));
        if (i >= 0 && (v.pole()[i].typ == TypPole::Cislo || v.pole()[i].typ == TypPole::Cele))
            return v.cislo(a.row(), v.pole()[i].jmeno) < v.cislo(b.row(), v.pole()[i].jmeno);
        return QString::localeAwareCompare(a.data().toString(), b.data().toString()) < 0;
    }

private:
    const ModelVysledku* zdroj() const { return static_cast<const ModelVysledku*>(sourceModel()); }
    bool m_jenObaly = false;
};

VyberCeniku::VyberCeniku(StavProgramu& stav, QWidget* rodic) : QWidget(rodic), m_stav(stav) {
    setObjectName(QStringLiteral("VyberCeniku"));
    setFixedWidth(385);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 0, 0, 0);
    auto* titulek = new QLabel(QStringLiteral("Druh, odrůda, stupeň"), this);
    titulek->setStyleSheet(QStringLiteral(
        "QLabel { background: #2f5d8a; color: white; font-weight: bold; padding: 3px 6px; }"));
    l->addWidget(titulek);

    m_model = new ModelVysledku(this);
    m_filtr = new FiltrCeniku(this);
    m_filtr->setSourceModel(m_model);
    m_grid = NovaMrizka(this, QStringLiteral("suiDBGrid2"));
    m_grid->setModel(m_filtr);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    l->addWidget(m_grid, 1);

    auto* tl = new QHBoxLayout;
    m_prevzit = new QPushButton(QStringLiteral("Převzít"), this);
    m_prevzit->setObjectName(QStringLiteral("suiButton17"));
    m_zpet = new QPushButton(QStringLiteral("Zpět"), this);
    m_zpet->setObjectName(QStringLiteral("suiButton18"));
    tl->addStretch(1);
    tl->addWidget(m_prevzit);
    tl->addWidget(m_zpet);
    l->addLayout(tl);

    connect(m_prevzit, &QPushButton::clicked, this, &VyberCeniku::suiButton17Click);
    connect(m_grid, &QTableView::doubleClicked, this, &VyberCeniku::suiButton17Click);
    connect(m_zpet, &QPushButton::clicked, this, &VyberCeniku::suiButton18Click);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &VyberCeniku::suiDBGrid2TitleClick);
}

void VyberCeniku::obnov() {
    Spojeni& s = m_stav.relace.spojeni();
    Vysledek v;
    bool ok = false;
    {
        KurzorCekani kurzor;
        ok = s.proved(SqlCeniku().join(QLatin1Char('\n')), &v);
    }
    if (!ok) {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return;
    }
    const bool prvni = m_model->columnCount() == 0;
    m_model->nastav(std::move(v),
                    {QStringLiteral("NOMENKLA"), QStringLiteral("NAZEVOSIVA"), QStringLiteral("MJ"),
                     QStringLiteral("DAN"), QStringLiteral("VAHAO")},
                    {QStringLiteral("Nomenklatura"), QStringLiteral("Název osiva"),
                     QStringLiteral("MJ"), QStringLiteral("dph"), QStringLiteral("Váha obalu")});
    m_nacteno = true;
    m_casNacteni = m_stav.CasCeniku;
    if (prvni)
        m_grid->resizeColumnsToContents();
}

void VyberCeniku::otevri(int rezim) {
    m_rezim = rezim;
    if (!m_nacteno || m_casNacteni != m_stav.CasCeniku)
        obnov();
    m_filtr->nastavJenObaly(rezim == 1 || rezim == 3);
    setFixedWidth(rezim == 0 ? 385 : 430);
    show();
    if (m_filtr->rowCount() > 0)
        vyberRadek(0);
    m_grid->setFocus();
}

int VyberCeniku::pocetZobrazenych() const {
    return m_filtr->rowCount();
}

void VyberCeniku::vyberRadek(int r) {
    m_grid->setCurrentIndex(m_filtr->index(r, 0));
}

bool VyberCeniku::maRadek() const {
    return m_grid->currentIndex().isValid();
}

RadekCeniku VyberCeniku::radek() const {
    RadekCeniku c;
    const QModelIndex i = m_grid->currentIndex();
    if (!i.isValid())
        return c;
    const int r = m_filtr->mapToSource(i).row();
    const Vysledek& v = m_model->vysledek();
    auto t = [&](const char* p) { return v.text(r, QString::fromLatin1(p)); };
    c.nomenkla = t("nomenkla");
    c.nazevosiva = t("nazevosiva");
    c.mj = t("mj");
    c.druh = t("druh");
    c.odruda = t("odruda");
    c.stupen = t("stupen");
    c.dan = v.cislo(r, QStringLiteral("dan"));
    c.naz_dru = t("naz_dru");
    c.naz_odru = t("naz_odru");
    c.vahao = v.cislo(r, QStringLiteral("vahao"));
    return c;
}

void VyberCeniku::suiButton17Click() {
    if (!maRadek())
        return;
    const RadekCeniku c = radek();
    hide();
    emit prevzit(c);
}

void VyberCeniku::suiButton18Click() {
    hide();
    emit zpet();
}

void VyberCeniku::suiDBGrid2TitleClick(int sloupec) {
    m_filtr->sort(sloupec, Qt::AscendingOrder);
    HledejVPohledu(m_grid, sloupec);
}
