#include "vyberkaret.h"

#include "dotaz.h"
#include "hledat.h"
#include "hodnoty.h"
#include "kurzor.h"
#include "mrizka.h"
#include "otevreni.h"
#include "rozlozeni.h"
#include "stavprogramu.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QStringList sloupce = {
    QStringLiteral("PARTIECELA"), QStringLiteral("stredisko"), QStringLiteral("lomeni"),
    QStringLiteral("PARTIE"),     QStringLiteral("PODNIK"),    QStringLiteral("NOMENKLA"),
    QStringLiteral("NAZEVOSIVA"), QStringLiteral("ZUSTATEK"),  QStringLiteral("MJ"),
    QStringLiteral("NC"),         QStringLiteral("ULC"),       QStringLiteral("DRUH"),
    QStringLiteral("ODRUDA"),     QStringLiteral("NAZ_DRU"),   QStringLiteral("NAZ_ODRU"),
    QStringLiteral("STUPEN")};
const QStringList titulky = {QStringLiteral("PARTIECELA"), QStringLiteral("stř"),
                             QStringLiteral("lo")};

} // namespace

VyberKaret::VyberKaret(StavProgramu& stav, QWidget* rodic) : QWidget(rodic), m_stav(stav) {
    setObjectName(QStringLiteral("VyberKaret"));
    setFixedWidth(800);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 0, 0, 0);
    auto* titulek = new QLabel(QStringLiteral("Skladové karty"), this);
    titulek->setStyleSheet(QStringLiteral(
        "QLabel { background: #2f5d8a; color: white; font-weight: bold; padding: 3px 6px; }"));
    l->addWidget(titulek);

    m_karty = new ModelVysledku(this);
    m_karty->nastavBarvuRadku([](const Vysledek& v, int r) {
        if (v.cislo(r, QStringLiteral("rezervace")) > Desetinne())
            return QColor(0, 255, 128);
        if (v.text(r, QStringLiteral("ulc")).contains(QLatin1String("/N/")))
            return QColor(243, 156, 156);
        return QColor();
    });
    m_filtr = new QSortFilterProxyModel(this);
    m_filtr->setSourceModel(m_karty);
    m_grid = NovaMrizka(this, QStringLiteral("suiDBGrid8"));
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setModel(m_filtr);
    l->addWidget(m_grid, 1);
    m_detaily = new QLabel(this);
    m_detaily->setObjectName(QStringLiteral("LabelDetailyKarty"));
    m_detaily->setWordWrap(true);
    m_detaily->setTextFormat(Qt::RichText);
    l->addWidget(m_detaily);

    m_panelPalet = new QGroupBox(QStringLiteral("     Palety, kontejnery "), this);
    m_panelPalet->setObjectName(QStringLiteral("PanelPaletyKontejnery"));
    auto* lp = new QVBoxLayout(m_panelPalet);
    m_palety = new ModelVysledku(this);
    m_gridPalet = NovaMrizka(m_panelPalet, QStringLiteral("suiDBGrid9"));
    m_gridPalet->setSelectionMode(QAbstractItemView::MultiSelection);
    m_gridPalet->setModel(m_palety);
    lp->addWidget(m_gridPalet);
    m_panelPalet->setFixedHeight(155);
    m_panelPalet->hide();
    l->addWidget(m_panelPalet);

    auto* tl = new QHBoxLayout;
    m_iNeuznane = new QCheckBox(QStringLiteral(" i neuznané"), this);
    m_iNeuznane->setObjectName(QStringLiteral("suiCheckBoxNeU"));
    m_iKalkulace = new QCheckBox(QStringLiteral(" i kalkulace"), this);
    m_iKalkulace->setObjectName(QStringLiteral("suiCheckBox6070"));
    m_prevzit = new QPushButton(QStringLiteral("Převzít"), this);
    m_prevzit->setObjectName(QStringLiteral("suiButton19"));
    m_zpet = new QPushButton(QStringLiteral("Zpět"), this);
    m_zpet->setObjectName(QStringLiteral("suiButton20"));
    tl->addWidget(m_iNeuznane);
    tl->addWidget(m_iKalkulace);
    tl->addStretch(1);
    tl->addWidget(m_prevzit);
    tl->addWidget(m_zpet);
    l->addLayout(tl);

    for (QCheckBox* c : {m_iKalkulace, m_iNeuznane})
        connect(c, &QCheckBox::toggled, this, [this, c](bool ano) {
            // A ticked box widens the list; its caption turns red to say so.
            c->setStyleSheet(ano ? QStringLiteral("QCheckBox { color: red; }") : QString());
            NactiSkl();
        });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_nacita)
            kartaZmenena();
    });
    connect(m_grid, &QTableView::doubleClicked, this, &VyberKaret::prevzit);
    connect(m_prevzit, &QPushButton::clicked, this, &VyberKaret::prevzit);
    connect(m_zpet, &QPushButton::clicked, this, &VyberKaret::zpet);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) {
        m_filtr->sort(c, Qt::AscendingOrder);
        m_nacita = true;
        HledejVPohledu(m_grid, c);
        m_nacita = false;
        kartaZmenena();
    });
}

void VyberKaret::NactiSkl() {
    Vysledek v;
    Spojeni& s = m_stav.relace.spojeni();
    KurzorCekani kurzor;
    m_filtr->setFilterFixedString(QString());
    if (!s.proved(SqlNactiSkl(m_stav.stredisko, m_iKalkulace->isChecked(), m_iNeuznane->isChecked())
                      .join(QLatin1Char('\n')),
                  &v)) {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return;
    }
    m_nacita = true;
    const bool prvni = m_karty->columnCount() == 0;
    m_karty->nastav(std::move(v), sloupce, titulky);
    if (prvni) {
        m_grid->resizeColumnsToContents();
        PouzijRozlozeni(m_grid, m_karty, m_rozlozeni);
    }
    m_nacita = false;
    if (m_filtr->rowCount() > 0)
        vyberRadek(0);
    else
        kartaZmenena();
}

void VyberKaret::filtrujPartii(const QString& partie) {
    m_filtr->setFilterKeyColumn(m_karty->sloupec(QStringLiteral("PARTIE")));
    m_filtr->setFilterRegularExpression(
        partie.isEmpty()
            ? QString()
            : QStringLiteral("^") + QRegularExpression::escape(partie) + QStringLiteral("$"));
    if (m_filtr->rowCount() > 0)
        vyberRadek(0);
    else
        kartaZmenena();
}

void VyberKaret::nactiRozlozeni(const QString& soubor) {
    m_rozlozeni = NactiRozlozeni(soubor);
}

void VyberKaret::ulozRozlozeni(const QString& soubor) const {
    // A picker that never loaded its cards leaves the stored layout as it is.
    if (m_karty->columnCount() > 0)
        UlozRozlozeni(m_grid, m_karty, soubor);
}

int VyberKaret::pocetZobrazenych() const {
    return m_filtr->rowCount();
}

void VyberKaret::vyberRadek(int r) {
    m_grid->setCurrentIndex(m_filtr->index(r, 0));
}

bool VyberKaret::maKartu() const {
    return m_grid->currentIndex().isValid();
}

QString VyberKaret::karta(const QString& pole) const {
    const QModelIndex i = m_grid->currentIndex();
    if (!i.isValid())
        return {};
    return m_karty->text(m_filtr->mapToSource(i).row(), pole);
}

int VyberKaret::vybranychPalet() const {
    return static_cast<int>(m_gridPalet->selectionModel()->selectedRows().size());
}

void VyberKaret::kartaZmenena() {
    m_pocetPalet = 0;
    auto t = [this](const char* p) { return karta(QString::fromLatin1(p)).toHtmlEscaped(); };
    m_detaily->setText(
        maKartu() ? QStringLiteral(
                        "<b>Obal:</b> %1 &nbsp; <b>Mořidlo:</b> %2 %3 %4 &nbsp; <b>Váha 1 o:</b> "
                        "%5<br><b>Zahr.partie:</b> %6 &nbsp; <b>Popis:</b> %7<br><b>Uloženo:</b> "
                        "%8 &nbsp; <b>Poznámka:</b> %9")
                        .arg(t("mo1"), t("mo2"), t("mo3"), t("mo4"), t("vahao1"), t("zahrpartie"),
                             t("popis"), t("ulozeno"), t("poznamka"))
                  : QString());
    m_palety->vyprazdni();
    if (!m_stav.PaletyStrediska || !maKartu()) {
        m_panelPalet->hide();
        return;
    }
    Vysledek v;
    Spojeni& s = m_stav.relace.spojeni();
    const QString sql =
        QStringList{
            QStringLiteral("select sklpalety.* from sklpalety"),
            QStringLiteral(" where stredisko = ") + SqlText(karta(QStringLiteral("stredisko"))),
            QStringLiteral(" AND partiecela = ") + SqlText(karta(QStringLiteral("partiecela"))),
            QStringLiteral(" AND lomeni = ") +
                QString::number(karta(QStringLiteral("lomeni")).toLongLong()),
            QStringLiteral(" AND zustatek <> 0")}
            .join(QLatin1Char('\n'));
    if (!s.proved(sql, &v)) {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return;
    }
    m_pocetPalet = v.pocetRadku();
    m_palety->nastav(
        std::move(v),
        {QStringLiteral("cislo"), QStringLiteral("misto"), QStringLiteral("pocet"),
         QStringLiteral("vahao1"), QStringLiteral("mj"), QStringLiteral("celkem"),
         QStringLiteral("zbytek"), QStringLiteral("zustatek"), QStringLiteral("datumbal"),
         QStringLiteral("ppohyb"), QStringLiteral("navesky"), QStringLiteral("poznamka")},
        {QStringLiteral("číslo"), QStringLiteral("Místo"), QStringLiteral("Počet o"),
         QStringLiteral("Váha 1o"), QStringLiteral("MJ"), QStringLiteral("Celkem"),
         QStringLiteral("Zbytek"), QStringLiteral("Zůstatek"), QStringLiteral("Datum balení"),
         QStringLiteral("Posl.pohyb"), QStringLiteral("Návěsky"), QStringLiteral("Poznámka")});
    m_panelPalet->setTitle(QStringLiteral("     Palety, kontejnery ") +
                           QString::number(m_pocetPalet));
    m_panelPalet->show();
}
