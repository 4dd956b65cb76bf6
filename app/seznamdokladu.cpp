#include "seznamdokladu.h"

#include "dotaz.h"
#include "kodovani.h"
#include "kurzor.h"
#include "mrizka.h"
#include "rozlozeni.h"
#include "seznamsql.h"
#include "stavprogramu.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QStringList sloupceRadku = {
    QStringLiteral("PARTIECELA"), QStringLiteral("LOMENI"),   QStringLiteral("NOMENKLA"),
    QStringLiteral("NAZEVOSIVA"), QStringLiteral("MNOZSTVI"), QStringLiteral("MJ"),
    QStringLiteral("PR"),         QStringLiteral("ULC"),      QStringLiteral("NC"),
    QStringLiteral("PC"),         QStringLiteral("POPIS"),    QStringLiteral("DRUH"),
    QStringLiteral("ODRUDA"),     QStringLiteral("STUPEN"),   QStringLiteral("NAZ_DRU"),
    QStringLiteral("NAZ_ODRU")};
const QStringList titulkyRadku = {{}, {}, {}, {}, {}, {}, QStringLiteral("Procento")};
const QStringList sloupcePalet = {
    QStringLiteral("PARTIECELA"), QStringLiteral("LOMENI"),   QStringLiteral("CISLO"),
    QStringLiteral("MISTO"),      QStringLiteral("POCET"),    QStringLiteral("VAHAO1"),
    QStringLiteral("MJ"),         QStringLiteral("CELKEM"),   QStringLiteral("ZBYTEK"),
    QStringLiteral("ZUSTATEK"),   QStringLiteral("DATUMBAL"), QStringLiteral("NAVESKY"),
    QStringLiteral("PUVPOCET"),   QStringLiteral("POZNAMKA")};
const QStringList titulkyPalet = {
    QStringLiteral("Partie"),   QStringLiteral("Lomení"),       QStringLiteral("Číslo"),
    QStringLiteral("Místo"),    QStringLiteral("Počet o"),      QStringLiteral("Váha 1o"),
    QStringLiteral("MJ"),       QStringLiteral("Celkem"),       QStringLiteral("Zbytek"),
    QStringLiteral("Součet"),   QStringLiteral("Datum balení"), QStringLiteral("Návěsky"),
    QStringLiteral("PUVPOCET"), QStringLiteral("POZNAMKA")};
} // namespace

QColor BarvaDokladu(const QString& nc, int SM_JAKNC) {
    if (!Desetinne::zTextuNeboNula(nc).jeNula())
        return QColor(Qt::white);
    return SM_JAKNC == 1 ? QColor(255, 0, 0) : QColor(248, 190, 190);
}

SeznamDokladu::SeznamDokladu(StavProgramu& stav, QWidget* rodic) : QWidget(rodic), m_stav(stav) {
    setObjectName(QStringLiteral("SeznamDokladu"));
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    m_titulek = new QLabel(QStringLiteral("Seznam dokladů Směsi"), this);
    m_titulek->setObjectName(QStringLiteral("LabelSeznam"));
    m_titulek->setStyleSheet(QStringLiteral(
        "QLabel { background: #2f5d8a; color: white; font-weight: bold; padding: 3px 6px; }"));
    l->addWidget(m_titulek);
    m_seznam = NovaMrizka(this, QStringLiteral("DBGrid1"));
    l->addWidget(m_seznam, 1);

    m_panelRadku = new QWidget(this);
    m_panelRadku->setObjectName(QStringLiteral("PanelRadku"));
    auto* lr = new QVBoxLayout(m_panelRadku);
    lr->setContentsMargins(0, 2, 0, 0);
    lr->setSpacing(0);
    m_radky = NovaMrizka(m_panelRadku, QStringLiteral("DBGrid2"));
    lr->addWidget(m_radky, 1);
    m_panelPalet = new QWidget(m_panelRadku);
    auto* lp = new QVBoxLayout(m_panelPalet);
    lp->setContentsMargins(0, 2, 0, 0);
    lp->setSpacing(0);
    auto* tp = new QLabel(QStringLiteral("Palety k partii"), m_panelPalet);
    tp->setStyleSheet(
        QStringLiteral("QLabel { background: #5b7f3a; color: white; padding: 2px 6px; }"));
    lp->addWidget(tp);
    m_palety = NovaMrizka(m_panelPalet, QStringLiteral("DBGrid3"));
    lp->addWidget(m_palety, 1);
    lr->addWidget(m_panelPalet);
    l->addWidget(m_panelRadku);

    m_modelSeznam = new ModelVysledku(this);
    m_modelRadky = new ModelVysledku(this);
    m_modelPalety = new ModelVysledku(this);
    m_seznam->setModel(m_modelSeznam);
    m_radky->setModel(m_modelRadky);
    m_palety->setModel(m_modelPalety);
    m_modelSeznam->nastavBarvuRadku([this](const Vysledek& v, int r) {
        return BarvaDokladu(v.text(r, QStringLiteral("nc")), m_stav.SM_JAKNC);
    });

    connect(m_seznam->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& a, const QModelIndex& b) {
                if (a.row() != b.row())
                    ObnovPanely();
            });
    connect(m_radky->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& a, const QModelIndex& b) {
                if (a.row() != b.row())
                    radekRadkuZmenen();
            });
    connect(m_seznam, &QTableView::doubleClicked, this, [this] { emit otevritDoklad(); });

    m_menuSeznam = new QMenu(this);
    m_menuRadky = new QMenu(this);
    m_seznam->setContextMenuPolicy(Qt::CustomContextMenu);
    m_radky->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_seznam, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        QModelIndex i = m_seznam->indexAt(p);
        if (i.isValid())
            m_seznam->setCurrentIndex(i);
        m_menuSeznam->popup(m_seznam->viewport()->mapToGlobal(p));
    });
    connect(m_radky, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        QModelIndex i = m_radky->indexAt(p);
        if (i.isValid())
            m_radky->setCurrentIndex(i);
        m_menuRadky->popup(m_radky->viewport()->mapToGlobal(p));
    });
    nastavVysky();
}

QString SeznamDokladu::titulek() const {
    return m_titulek->text();
}

bool SeznamDokladu::UdelejSQL(const QString& vybrat) {
    Spojeni& s = m_stav.relace.spojeni();
    m_stav.ZapisSled(551);
    KurzorCekani kurzor;
    m_modelRadky->vyprazdni();
    m_modelPalety->vyprazdni();
    // The cost centre's pallet flag, the list and (when the document to select is known)
    // its rows go in one round trip.
    QStringList dotazy{SqlPaletyStrediska(m_stav.stredisko).join(QLatin1Char('\n')),
                       ::UdelejSQL(m_stav.stredisko, m_stav.FiltrSQL, m_rok, m_stav.Trideni)
                           .join(QLatin1Char('\n'))};
    const bool sRadky = !vybrat.isEmpty() && m_zobrazovatRadky && !hledaniBezi;
    if (sRadky)
        dotazy << SqlRadkyDokladu(vybrat).join(QLatin1Char('\n'));
    QList<Vysledek> odpovedi;
    int chybny = -1;
    const bool vse = s.provedVice(dotazy, &chybny, nullptr, &odpovedi);
    const QString chyba = s.chyba();
    m_stav.PaletyStrediska =
        !odpovedi.isEmpty() && odpovedi[0].cele(0, QStringLiteral("PALETY")) > 0;
    m_stav.ZapisSled(552);
    // The rows of the document are a bonus: the list stands without them.
    const bool ok = odpovedi.size() >= 2;
    if (!ok) {
        m_modelSeznam->vyprazdni();
        dotaz(chyba, {QStringLiteral("OK")}, Ikona::Stop);
    } else {
        const bool prvni = m_modelSeznam->columnCount() == 0;
        m_modelSeznam->nastav(std::move(odpovedi[1]));
        if (prvni && m_rozlozeni.isEmpty()) {
            // Default widths from the first screenful of rows, not from the whole list.
            m_seznam->resizeColumnsToContents();
        }
        if (!m_rozlozeni.isEmpty()) {
            // The layout read from the file applies once the columns exist.
            PouzijRozlozeni(m_seznam, m_modelSeznam, m_rozlozeni);
            m_rozlozeni.clear();
        }
    }
    m_stav.ZapisSled(553);
    nastavVysky();
    m_stav.ZapisSled(554);
    m_titulek->setText(m_stav.FiltrSQL.isEmpty()
                           ? QStringLiteral("Seznam dokladů Směsi")
                           : QStringLiteral("Seznam dokladů Směsi - filtr: ") + m_stav.FiltrPopis);
    // The list was reset, so selecting any row refreshes the panes, which take the rows
    // fetched above when they are the selected document's.
    if (sRadky && vse && odpovedi.size() == 3) {
        m_pripraveneRadkyDokladu = vybrat;
        m_pripraveneRadky = std::move(odpovedi[2]);
    }
    if (!ok || m_modelSeznam->rowCount() == 0)
        ObnovPanely();
    else if (!vyber(vybrat))
        m_seznam->setCurrentIndex(m_modelSeznam->index(0, 0));
    m_pripraveneRadkyDokladu.clear();
    m_pripraveneRadky = Vysledek();
    m_stav.ZapisSled(555);
    emit prestaveno();
    return ok;
}

void SeznamDokladu::nastavVysky() {
    int radky = 0, palety = 0;
    if (m_zobrazovatRadky) {
        radky = m_stav.PaletyStrediska ? 395 : 243;
        palety = m_stav.PaletyStrediska ? 150 : 0;
    }
    m_panelRadku->setFixedHeight(radky);
    m_panelRadku->setVisible(radky > 0);
    m_panelPalet->setFixedHeight(palety);
    m_panelPalet->setVisible(palety > 0);
}

int SeznamDokladu::vyskaRadku() const {
    return m_panelRadku->isVisible() ? m_panelRadku->height() : 0;
}
int SeznamDokladu::vyskaPalet() const {
    return m_panelPalet->isVisible() ? m_panelPalet->height() : 0;
}

void SeznamDokladu::sbalPanely() {
    m_panelRadku->setFixedHeight(0);
    m_panelRadku->setVisible(false);
}

void SeznamDokladu::nastavZobrazovatRadky(bool ano) {
    m_zobrazovatRadky = ano;
    ObnovPanely();
}

void SeznamDokladu::ObnovPanely() {
    m_stav.ZapisSled(511);
    m_modelRadky->vyprazdni();
    m_modelPalety->vyprazdni();
    if (hledaniBezi)
        return;
    m_stav.ZapisSled(512);
    nastavVysky();
    m_stav.ZapisSled(513);
    const QString doklad = vybranyDoklad();
    if (m_zobrazovatRadky && !doklad.isEmpty()) {
        Vysledek v;
        Spojeni& s = m_stav.relace.spojeni();
        const bool pripraveno = doklad == m_pripraveneRadkyDokladu;
        if (pripraveno)
            v = std::move(m_pripraveneRadky);
        m_pripraveneRadkyDokladu.clear();
        if (pripraveno || s.proved(SqlRadkyDokladu(doklad).join(QLatin1Char('\n')), &v)) {
            m_modelRadky->nastav(std::move(v), sloupceRadku, titulkyRadku);
            m_radky->resizeColumnsToContents();
            if (m_modelRadky->rowCount() > 0)
                m_radky->setCurrentIndex(m_modelRadky->index(0, 0));
        } else {
            dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        }
    }
    m_stav.ZapisSled(514);
}

void SeznamDokladu::radekRadkuZmenen() {
    m_modelPalety->vyprazdni();
    obnovPalety();
}

void SeznamDokladu::obnovPalety() {
    if (hledaniBezi || !m_stav.PaletyStrediska || !m_zobrazovatRadky)
        return;
    const int r = m_radky->currentIndex().row();
    if (r < 0)
        return;
    Vysledek v;
    Spojeni& s = m_stav.relace.spojeni();
    const QStringList sql =
        SqlPaletyRadku(vybranyDoklad(), m_modelRadky->text(r, QStringLiteral("partiecela")),
                       m_modelRadky->vysledek().cele(r, QStringLiteral("lomeni")));
    if (s.proved(sql.join(QLatin1Char('\n')), &v)) {
        m_modelPalety->nastav(std::move(v), sloupcePalet, titulkyPalet);
        m_palety->resizeColumnsToContents();
    } else
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
}

int SeznamDokladu::vybranyRadek() const {
    return m_seznam->currentIndex().row();
}

QString SeznamDokladu::vybranyDoklad() const {
    int r = vybranyRadek();
    return r < 0 ? QString() : m_modelSeznam->text(r, QStringLiteral("cislodokla"));
}

bool SeznamDokladu::vyber(const QString& cislodokla) {
    const Vysledek& v = m_modelSeznam->vysledek();
    const int idx = v.index(QStringLiteral("cislodokla"));
    for (int r = 0; r < v.pocetRadku(); ++r) {
        if (v.text(r, idx) == cislodokla) {
            int sloupec = qMax(0, m_seznam->currentIndex().column());
            m_seznam->setCurrentIndex(m_modelSeznam->index(r, sloupec));
            m_seznam->scrollTo(m_seznam->currentIndex(), QAbstractItemView::PositionAtCenter);
            return true;
        }
    }
    return false;
}

QString SeznamDokladu::vybranePole() const {
    QModelIndex i = m_seznam->currentIndex();
    return i.isValid() ? m_modelSeznam->pole(i.column()) : QStringLiteral("cislodokla");
}

void SeznamDokladu::setrid(bool sestupne) {
    m_stav.Trideni = TrideniPodle(vybranePole(), sestupne);
    UdelejSQL();
}

void SeznamDokladu::nactiRozlozeni(const QString& soubor) {
    m_rozlozeni = NactiRozlozeni(soubor);
}

void SeznamDokladu::ulozRozlozeni(const QString& soubor) const {
    UlozRozlozeni(m_seznam, m_modelSeznam, soubor);
}
