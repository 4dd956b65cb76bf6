#include "editordokladu.h"

#include "cp1250pole.h"
#include "dotaz.h"
#include "hodnoty.h"
#include "ini.h"
#include "kdejeskl.h"
#include "kurzor.h"
#include "modeltabulky.h"
#include "mrizka.h"
#include "otevreni.h"
#include "pracovnitabulky.h"
#include "stavprogramu.h"
#include "strankaobalu.h"
#include "vyberceniku.h"
#include "vyberkaret.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QTableView* grid(QWidget* rodic, const QString& jmeno, QAbstractItemModel* m) {
    QTableView* g = NovaMrizka(rodic, jmeno);
    g->setModel(m);
    return g;
}

const QStringList jazyky = {QStringLiteral("Česky"), QStringLiteral("Anglicky"),
                            QStringLiteral("Francouzky"), QStringLiteral("Latinsky"),
                            QStringLiteral("Německy")};
const QString kodyJazyku = QStringLiteral("CAFLN");
} // namespace

EditorDokladu::EditorDokladu(StavProgramu& stav, QWidget* rodic) : QWidget(rodic), m_stav(stav) {
    setObjectName(QStringLiteral("EditorDokladu"));
    auto* hlavni = new QVBoxLayout(this);
    hlavni->setContentsMargins(0, 0, 0, 0);
    auto* horni = new QHBoxLayout;
    hlavni->addLayout(horni, 1);
    m_stranky = new QTabWidget(this);
    m_stranky->setObjectName(QStringLiteral("suiPageControl1"));
    horni->addWidget(m_stranky, 1);

    // The page "Směs": header fields on the left, the lines below.
    auto* smes = new QWidget(m_stranky);
    auto* ls = new QVBoxLayout(smes);
    auto* hlavicka = new QGroupBox(smes);
    auto* g = new QGridLayout(hlavicka);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(4);
    auto pole = [&](const QString& jmeno, int delka, bool jenCteni) {
        auto* e = new QLineEdit(hlavicka);
        e->setObjectName(QStringLiteral("DBEdit") + jmeno);
        if (delka > 0) {
            e->setMaxLength(delka);
            // Codes and numbers are shown whole, however narrow the page gets.
            if (delka <= 20)
                e->setMinimumWidth(
                    e->fontMetrics().horizontalAdvance(QString(delka, QLatin1Char('0'))) + 16);
        }
        e->setReadOnly(jenCteni);
        if (jenCteni)
            e->setStyleSheet(
                QStringLiteral("QLineEdit[readOnly=\"true\"] { background: #f0f0f0; }"));
        m_pole.insert(jmeno, e);
        HlidejCp1250(e);
        connect(e, &QLineEdit::editingFinished, this, [this, jmeno, e] {
            if (!e->isReadOnly())
                ulozPole(jmeno, e->text());
        });
        return e;
    };
    auto popisek = [&](const QString& t) { return new QLabel(t, hlavicka); };
    m_datum = new QDateEdit(hlavicka);
    m_datum->setObjectName(QStringLiteral("DBDateEditDATUM"));
    m_datum->setCalendarPopup(true);
    m_datum->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    connect(m_datum, &QDateEdit::editingFinished, this, [this] {
        if (!m_plni && m_tabulky && m_tabulky->hlavicka().jeOtevrena()) {
            m_tabulky->hlavicka().nastavDatum(QStringLiteral("DATUM"), m_datum->date());
        }
    });
    int r = 0;
    g->addWidget(popisek(QStringLiteral("Číslo dokladu")), r, 0);
    g->addWidget(pole(QStringLiteral("CISLODOKLA"), 10, true), r, 1);
    g->addWidget(popisek(QStringLiteral("Datum míchání")), r, 2);
    g->addWidget(m_datum, r++, 3);
    g->addWidget(popisek(QStringLiteral("Partie")), r, 0);
    g->addWidget(pole(QStringLiteral("PARTIE"), 9, false), r, 1);
    g->addWidget(popisek(QStringLiteral("podnik")), r, 2);
    g->addWidget(pole(QStringLiteral("PODNIK"), 4, false), r, 3);
    g->addWidget(popisek(QStringLiteral("lomeni")), r, 4);
    g->addWidget(pole(QStringLiteral("LOMENI"), 2, false), r, 5);
    g->addWidget(pole(QStringLiteral("PARTIECELA"), 16, true), r++, 6);
    g->addWidget(popisek(QStringLiteral("Druh")), r, 0);
    g->addWidget(pole(QStringLiteral("DRUH"), 4, true), r, 1);
    g->addWidget(pole(QStringLiteral("NAZ_DRU"), 40, true), r++, 2, 1, 3);
    g->addWidget(popisek(QStringLiteral("Odrůda")), r, 0);
    g->addWidget(pole(QStringLiteral("ODRUDA"), 5, true), r, 1);
    g->addWidget(pole(QStringLiteral("NAZ_ODRU"), 40, true), r, 2, 1, 3);
    auto* odruda = new QPushButton(QStringLiteral("<"), hlavicka);
    odruda->setObjectName(QStringLiteral("suiButton25"));
    m_tlacitka.insert(odruda->objectName(), odruda);
    g->addWidget(odruda, r++, 5);
    g->addWidget(popisek(QStringLiteral("Nomenklatura")), r, 0);
    g->addWidget(pole(QStringLiteral("NOMENKLA"), 12, true), r, 1);
    g->addWidget(pole(QStringLiteral("NAZEVOSIVA"), 28, true), r, 2, 1, 3);
    g->addWidget(pole(QStringLiteral("MJ"), 3, true), r, 5);
    g->addWidget(pole(QStringLiteral("STUPEN"), 3, true), r++, 6);
    g->addWidget(popisek(QStringLiteral("Popis")), r, 0);
    g->addWidget(pole(QStringLiteral("POPIS"), 40, false), r++, 1, 1, 4);
    g->addWidget(popisek(QStringLiteral("NC")), r, 0);
    g->addWidget(pole(QStringLiteral("NC"), 0, true), r, 1);
    g->addWidget(popisek(QStringLiteral("PC")), r, 2);
    g->addWidget(pole(QStringLiteral("PC"), 0, false), r, 3);
    auto* zCeniku = new QPushButton(QStringLiteral("z ceníku"), hlavicka);
    zCeniku->setObjectName(QStringLiteral("suiButton2"));
    m_tlacitka.insert(zCeniku->objectName(), zCeniku);
    connect(zCeniku, &QPushButton::clicked, this, &EditorDokladu::suiButton2Click);
    g->addWidget(zCeniku, r++, 4);
    m_procenta = new QCheckBox(QStringLiteral("zadávat procenta"), hlavicka);
    m_procenta->setObjectName(QStringLiteral("suiCheckBoxProcenta"));
    connect(m_procenta, &QCheckBox::clicked, this, &EditorDokladu::suiCheckBoxProcentaClick);
    g->addWidget(m_procenta, r, 0, 1, 2);
    g->addWidget(popisek(QStringLiteral("Celkem")), r, 2);
    m_celkem = new QLineEdit(hlavicka);
    m_celkem->setObjectName(QStringLiteral("RxCalcEditCelkem"));
    m_celkem->setEnabled(false);
    g->addWidget(m_celkem, r, 3);
    m_celkemMj = popisek(QString());
    g->addWidget(m_celkemMj, r++, 4);
    g->addWidget(popisek(QStringLiteral("Namícháno")), r, 0);
    g->addWidget(pole(QStringLiteral("MNOZSTVI"), 0, true), r, 1);
    g->addWidget(pole(QStringLiteral("PR"), 0, true), r++, 2);
    g->addWidget(popisek(QStringLiteral("Směs pro")), r, 0);
    m_cinnost = new QComboBox(hlavicka);
    m_cinnost->setObjectName(QStringLiteral("DBComboBoxCINNOST"));
    m_cinnost->addItems(
        {QString(), QStringLiteral("pícní využití"), QStringLiteral("jiné než pícní využití")});
    g->addWidget(m_cinnost, r, 1, 1, 2);
    g->addWidget(popisek(QStringLiteral("Jazyk protokolu")), r, 3);
    m_jazyk = new QComboBox(hlavicka);
    m_jazyk->setObjectName(QStringLiteral("DBComboBoxJAZYK"));
    m_jazyk->addItems(jazyky);
    g->addWidget(m_jazyk, r++, 4);
    m_labelUlc = popisek(QStringLiteral("ULČ"));
    g->addWidget(m_labelUlc, r, 0);
    g->addWidget(pole(QStringLiteral("ULC"), 20, false), r, 1);
    m_labelDatumUlc = popisek(QStringLiteral("Datum ULČ"));
    g->addWidget(m_labelDatumUlc, r, 2);
    g->addWidget(pole(QStringLiteral("DATUMROZHO"), 10, true), r, 3);
    g->addWidget(popisek(QStringLiteral("Odesláno na ÚKZÚZ")), r, 4);
    g->addWidget(pole(QStringLiteral("SLONAUKZUZ"), 0, true), r++, 5, 1, 2);
    g->setColumnStretch(7, 1);
    connect(m_cinnost, &QComboBox::activated, this,
            [this] { ulozPole(QStringLiteral("CINNOST"), m_cinnost->currentText()); });
    connect(m_jazyk, &QComboBox::activated, this,
            [this](int i) { ulozPole(QStringLiteral("JAZYK"), kodyJazyku.mid(i, 1)); });
    ls->addWidget(hlavicka);
    vytvorEditorRadku(smes);
    ls->addWidget(m_radekEditor);

    m_modelRadky = new ModelTabulky(
        {QStringLiteral("PARTIE"), QStringLiteral("LOMENI"), QStringLiteral("NOMENKLA"),
         QStringLiteral("NAZEVOSIVA"), QStringLiteral("MNOZSTVI"), QStringLiteral("MJ"),
         QStringLiteral("PR"), QStringLiteral("NC"), QStringLiteral("ULC"), QStringLiteral("PC"),
         QStringLiteral("SMES"), QStringLiteral("DRUH"), QStringLiteral("ODRUDA"),
         QStringLiteral("STUPEN"), QStringLiteral("NAZ_DRU"), QStringLiteral("NAZ_ODRU")},
        {QStringLiteral("Partie"), QStringLiteral("Lo"), QStringLiteral("nomenklatura"),
         QStringLiteral("název osiva"), QStringLiteral("Množství"), QStringLiteral("MJ"),
         QStringLiteral("%")},
        this);
    m_gridRadky = grid(smes, QStringLiteral("suiDBGridRadky"), m_modelRadky);
    auto* radky = new QHBoxLayout;
    radky->addWidget(m_gridRadky, 1);
    m_panelPalet = new QGroupBox(QStringLiteral("Palety"), smes);
    m_panelPalet->setObjectName(QStringLiteral("PanelPalety"));
    auto* lp = new QVBoxLayout(m_panelPalet);
    m_modelPalety = new ModelTabulky(
        {QStringLiteral("CISLO"), QStringLiteral("PARTIECELA"), QStringLiteral("POCET"),
         QStringLiteral("ZBYTEK"), QStringLiteral("ZUSTATEK")},
        {QStringLiteral("číslo"), QStringLiteral("Partie"), QStringLiteral("Počet o"),
         QStringLiteral("Zbytek"), QStringLiteral("Celkem")},
        this);
    m_gridPalety = grid(m_panelPalet, QStringLiteral("suiDBGridPalety"), m_modelPalety);
    lp->addWidget(m_gridPalety);
    m_panelPalet->setMinimumWidth(330);
    radky->addWidget(m_panelPalet);
    ls->addLayout(radky, 1);
    auto* tlRadky = new QHBoxLayout;
    for (const auto& [jmeno, titulek] :
         {std::pair{"suiButton21", "Přidat"}, std::pair{"suiButton22", "Opravit"},
          std::pair{"suiButton23", "Zrušit"}}) {
        auto* b = new QPushButton(QString::fromUtf8(titulek), smes);
        b->setObjectName(QString::fromLatin1(jmeno));
        m_tlacitka.insert(b->objectName(), b);
        tlRadky->addWidget(b);
    }
    tlRadky->addStretch(1);
    ls->addLayout(tlRadky);
    connect(m_tlacitka[QStringLiteral("suiButton21")], &QPushButton::clicked, this,
            &EditorDokladu::suiButton21Click);
    connect(m_tlacitka[QStringLiteral("suiButton22")], &QPushButton::clicked, this,
            &EditorDokladu::suiButton22Click);
    connect(m_tlacitka[QStringLiteral("suiButton23")], &QPushButton::clicked, this,
            &EditorDokladu::suiButton23Click);
    connect(m_gridRadky, &QTableView::doubleClicked, this, &EditorDokladu::suiButton22Click);
    m_stranky->addTab(smes, QStringLiteral("Směs"));

    m_obaly = new StrankaObalu(m_stav, m_stranky);
    connect(m_obaly, &StrankaObalu::upravujeRadek, this, [this](bool ano) {
        m_zapsat->setEnabled(!ano && StavZapisu < 9);
        m_zpet->setEnabled(!ano);
    });
    m_stranky->addTab(m_obaly, QStringLiteral("Obaly nově"));

    // The stock-card picker: a side panel at the right, open while a card is chosen.
    m_vyberKaret = new VyberKaret(m_stav, this);
    m_vyberKaret->hide();
    horni->addWidget(m_vyberKaret);
    // The price-list picker for the mixture's variety.
    m_vyberCeniku = new VyberCeniku(m_stav, this);
    m_vyberCeniku->hide();
    horni->addWidget(m_vyberCeniku);
    connect(odruda, &QPushButton::clicked, this, [this] {
        if (m_tabulky && !RezimEditoru.isEmpty())
            m_vyberCeniku->otevri(0);
    });
    connect(m_vyberCeniku, &VyberCeniku::prevzit, this, [this](const RadekCeniku& c) {
        const QList<QPair<QString, QString>> hodnoty = {
            {QStringLiteral("NOMENKLA"), c.nomenkla},
            {QStringLiteral("NAZEVOSIVA"), c.nazevosiva},
            {QStringLiteral("MJ"), c.mj},
            {QStringLiteral("DRUH"), c.druh},
            {QStringLiteral("ODRUDA"), c.odruda},
            {QStringLiteral("STUPEN"), c.stupen},
            {QStringLiteral("NAZ_DRU"), c.naz_dru},
            {QStringLiteral("NAZ_ODRU"), c.naz_odru}};
        for (const auto& [pole, hodnota] : hodnoty)
            ulozPole(pole, hodnota);
        zobrazHlavicku();
        m_pole.value(QStringLiteral("PC"))->setFocus();
    });
    connect(m_vyberKaret, &VyberKaret::prevzit, this, &EditorDokladu::suiButton19Click);
    connect(m_vyberKaret, &VyberKaret::zpet, this, [this] { suiButton20Click(true); });
    connect(qApp, &QApplication::focusChanged, this, &EditorDokladu::fokusZmenen);

    auto* tl = new QHBoxLayout;
    m_potvrzena = new QCheckBox(QStringLiteral("Potvrzená SM"), this);
    m_potvrzena->setObjectName(QStringLiteral("suiCheckBoxPotvrzena"));
    m_zapsat = new QPushButton(QStringLiteral("Zapsat"), this);
    m_zapsat->setObjectName(QStringLiteral("suiButton15"));
    m_zpet = new QPushButton(QStringLiteral("Zpět"), this);
    m_zpet->setObjectName(QStringLiteral("suiButton16"));
    m_obaly->nastavZpetDokladu(m_zpet);
    m_zapsat->setToolTip(QStringLiteral("Zápis dokladu do databáze"));
    tl->addStretch(1);
    tl->addWidget(m_potvrzena);
    tl->addSpacing(20);
    tl->addWidget(m_zapsat);
    tl->addWidget(m_zpet);
    hlavni->addLayout(tl);
    connect(m_zpet, &QPushButton::clicked, this, [this] { emit zavreno(Zpet()); });
    connect(m_zapsat, &QPushButton::clicked, this, &EditorDokladu::suiButton15Click);
}

EditorDokladu::~EditorDokladu() {
    // A focus change while the children are torn down must not reach a half-gone editor.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void EditorDokladu::nastavPotvrzovani(bool povoleno) {
    m_potvrzovat = povoleno;
    m_potvrzena->setEnabled(povoleno);
}

QLineEdit* EditorDokladu::pole(const QString& jmeno) const {
    return m_pole.value(jmeno);
}

void EditorDokladu::ulozPole(const QString& jmeno, const QString& text) {
    if (m_plni || !m_tabulky)
        return;
    TabulkaDbf& h = m_tabulky->hlavicka();
    if (!h.jeOtevrena() || h.indexPole(jmeno) < 0)
        return;
    if (h.stav() == TabulkaDbf::Stav::Prochazeni)
        h.uprav();
    const int i = h.indexPole(jmeno);
    if (h.pole()[i].typ == TypDbf::Cislo)
        h.nastavCislo(jmeno, Desetinne::zTextuNeboNula(text));
    else if (!h.nastavText(jmeno, text))
        dotaz(h.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
}

void EditorDokladu::zobrazHlavicku() {
    m_plni = true;
    TabulkaDbf& h = m_tabulky->hlavicka();
    for (auto it = m_pole.cbegin(); it != m_pole.cend(); ++it) {
        const QString& j = it.key();
        if (j == QLatin1String("DATUMROZHO")) {
            it.value()->setText(obalKarty.datumrozho == QDate(1900, 1, 1)
                                    ? QString()
                                    : obalKarty.datumrozho.toString(QStringLiteral("dd.MM.yyyy")));
            continue;
        }
        const int i = h.indexPole(j);
        if (i < 0) {
            it.value()->clear();
            continue;
        }
        QString t;
        if (h.pole()[i].typ == TypDbf::Cislo) {
            const Desetinne c = h.cislo(j);
            t = (j == QLatin1String("NC") || j == QLatin1String("PC"))
                    ? QLocale(QLocale::Czech).toString(c.naDouble(), 'f', 2)
                    : c.text().replace(QLatin1Char('.'), QLatin1Char(','));
        } else if (h.pole()[i].typ == TypDbf::Datum) {
            const QDate d = h.datum(j);
            t = d.isValid() && d != QDate(1900, 1, 1) ? d.toString(QStringLiteral("dd.MM.yyyy"))
                                                      : QString();
        } else {
            t = h.text(j);
        }
        if (j == QLatin1String("SLONAUKZUZ"))
            t = OdeslanoUKZUZ.isValid() && OdeslanoUKZUZ.date().year() > 2000
                    ? OdeslanoUKZUZ.toString(QStringLiteral("dd.MM.yyyy HH:mm"))
                    : QStringLiteral("neodesláno");
        it.value()->setText(t);
        it.value()->setCursorPosition(0);
    }
    m_datum->setDate(h.datum(QStringLiteral("DATUM")).isValid() ? h.datum(QStringLiteral("DATUM"))
                                                                : QDate::currentDate());
    m_cinnost->setCurrentText(h.text(QStringLiteral("CINNOST")));
    const int jazyk = static_cast<int>(kodyJazyku.indexOf(h.text(QStringLiteral("JAZYK"))));
    m_jazyk->setCurrentIndex(jazyk < 0 ? 0 : jazyk);
    m_plni = false;
}

void EditorDokladu::vymazObalKarty() {
    const QDate d = obalKarty.datumrozho;
    obalKarty = ObalKarty();
    // The ULČ date keeps its value, normalised: none or one before 11.11.1999 is empty.
    if (d.isValid() && d.toString(QStringLiteral("yyyyMMdd")) >= QLatin1String("19991111"))
        obalKarty.datumrozho = d;
}

bool EditorDokladu::NovyDoklad() {
    if (!m_tabulky)
        return false;
    OdeslanoUKZUZ = QDateTime(QDate(1911, 11, 11), QTime(0, 0));
    RezimEditoru = QStringLiteral("N");
    m_vyberKaret->model()->vyprazdni();
    if (!m_tabulky->novyDoklad(m_stav.PaletyStrediska, m_stav.stredisko)) {
        dotaz(m_tabulky->chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return false;
    }
    vymazObalKarty();
    return OtevriDoklad();
}

bool EditorDokladu::nactiObalKarty(const QString& partiecela, qint64 lomeni) {
    Vysledek v;
    Spojeni& s = m_stav.relace.spojeni();
    if (!s.proved(SqlObalKarty(partiecela, lomeni, m_stav.stredisko).join(QLatin1Char('\n')), &v)) {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return false;
    }
    obalKarty = ObalKarty();
    if (v.pocetRadku() > 0) {
        obalKarty.mnomenkla1 = v.text(0, QStringLiteral("mnomenkla1"));
        obalKarty.mo1 = v.text(0, QStringLiteral("mo1"));
        obalKarty.vahaobalu = v.cislo(0, QStringLiteral("vahaobalu"));
        obalKarty.ek1 = v.text(0, QStringLiteral("ek1"));
        obalKarty.vahao1 = v.cislo(0, QStringLiteral("vahao1"));
        obalKarty.poceto1 = v.cele(0, QStringLiteral("poceto1"));
        obalKarty.navesky = v.text(0, QStringLiteral("navesky"));
        const QDate d = v.datum(0, QStringLiteral("DATUMROZHO"));
        obalKarty.datumrozho = d.isValid() ? d : QDate(1900, 1, 1);
    }
    return true;
}

bool EditorDokladu::OtevriOpravu(const QString& cislodokla, const QDateTime& slonaukzuz,
                                 const QString& ncRadku) {
    if (!m_tabulky)
        return false;
    m_stav.ZapisSled(101);
    StavZapisu = 0;
    if (cislodokla.isEmpty())
        return false;
    Spojeni& s = m_stav.relace.spojeni();
    auto chybaSql = [&] {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return false;
    };
    Vysledek hlav;
    if (!s.proved(QStringLiteral("select * from smesi where smes = \"1\" AND cislodokla = ") +
                      SqlText(cislodokla),
                  &hlav))
        return chybaSql();
    if (hlav.pocetRadku() == 0) {
        // Corrected or deleted at another workstation since the list was built.
        dotaz(QStringLiteral("Doklad %1 již v databázi není (byl mezitím opraven nebo smazán na "
                             "jiném pracovišti).\r"
                             "Seznam dokladů bude obnoven.")
                  .arg(cislodokla),
              {QStringLiteral("OK")}, Ikona::Stop);
        return false;
    }
    m_zapsat->setEnabled(true);
    const Zauctovani z = StavZauctovani(hlav.text(0, QStringLiteral("datumzauct")));
    if (z != Zauctovani::Ne) {
        dotaz(ZpravaZauctovani(z), {QStringLiteral("OK")},
              z == Zauctovani::Zauctovan ? Ikona::Stop : Ikona::Informace);
        m_zapsat->setEnabled(false);
        StavZapisu = 9;
    }
    m_stav.ZapisSled(102);
    OdeslanoUKZUZ = slonaukzuz;
    const Desetinne ncDokladu = Desetinne::zTextuNeboNula(ncRadku);
    m_potvrzena->setChecked(!ncDokladu.jeNula());
    m_stav.ZapisSled(103);

    const QString partiecela = hlav.text(0, QStringLiteral("partiecela"));
    const qint64 lomeni = hlav.cele(0, QStringLiteral("lomeni"));
    if (!KdeJeSkl(m_stav, partiecela, lomeni))
        return false;
    Vysledek pohyby;
    if (!s.proved(QStringLiteral("select * from ") + TabulkaPohybu(m_stav.CisloPC), &pohyby))
        return chybaSql();
    QVector<PohybPartie> p;
    for (int i = 0; i < pohyby.pocetRadku(); ++i)
        p.push_back(
            {pohyby.text(i, QStringLiteral("doklad")), pohyby.text(i, QStringLiteral("cislodokla")),
             pohyby.text(i, QStringLiteral("datumzauct")), pohyby.cislo(i, QStringLiteral("nc"))});
    const KontrolaOpravy k = KontrolaPohybu(p, m_stav.SM_JAKNC, ncDokladu, StavZapisu);
    StavZapisu = k.StavZapisu;
    if (!k.zprava.isEmpty()) {
        dotaz(k.zprava, {QStringLiteral("Zpět")}, Ikona::Stop);
        m_zapsat->setEnabled(false);
    }
    m_stav.ZapisSled(104);
    if (!s.proved(QStringLiteral("drop table if exists ") + TabulkaPohybu(m_stav.CisloPC)))
        return chybaSql();
    m_stav.ZapisSled(105);

    RezimEditoru = QStringLiteral("O");
    m_vyberKaret->model()->vyprazdni();
    m_tabulky->zavriVse();
    m_stav.ZapisSled(106);
    auto selhani = [&] {
        dotaz(m_tabulky->chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        m_tabulky->zavriVse();
        return false;
    };
    if (!m_tabulky->nactiRadkyDokladu(s, cislodokla))
        return selhani();
    // The rows may have changed between the two reads; an editor without its header
    // would be half-filled.
    if (m_tabulky->hlavicka().pocet() == 0) {
        dotaz(QStringLiteral("Doklad %1 již v databázi není (byl mezitím opraven nebo smazán na "
                             "jiném pracovišti).")
                  .arg(cislodokla),
              {QStringLiteral("OK")}, Ikona::Stop);
        m_tabulky->zavriVse();
        return false;
    }
    m_tabulky->hlavicka().prvni();
    PuvodniPartie = m_tabulky->hlavicka().text(QStringLiteral("PARTIECELA"));
    PuvodniLomeni = static_cast<int>(m_tabulky->hlavicka().cele(QStringLiteral("LOMENI")));
    m_stav.ZapisSled(107);
    m_stav.ZapisSled(108);
    if (!m_tabulky->nactiObalyDokladu(s, cislodokla))
        return selhani();
    m_stav.ZapisSled(109);
    if (m_stav.PaletyStrediska && !m_tabulky->nactiPaletyDokladu(s, cislodokla))
        return selhani();
    m_stav.ZapisSled(110);
    if (!nactiObalKarty(partiecela, lomeni))
        return false;
    const bool ok = OtevriDoklad();
    m_stav.ZapisSled(121);
    return ok;
}

bool EditorDokladu::OtevriDoklad() {
    // The ULČ is generated at posting with this setting, so it is not typed.
    IniSoubor ini(m_stav.adresarProgramu + QStringLiteral("smesi.ini"));
    const bool mpDoUlc =
        ini.cti(QStringLiteral("TFmozno"), QStringLiteral("suiCheckBoxMPdoULC_Checked"),
                QStringLiteral("False")) == QLatin1String("True");
    for (QWidget* w : {static_cast<QWidget*>(m_pole.value(QStringLiteral("ULC"))),
                       static_cast<QWidget*>(m_pole.value(QStringLiteral("DATUMROZHO"))),
                       static_cast<QWidget*>(m_labelUlc), static_cast<QWidget*>(m_labelDatumUlc)})
        w->setVisible(!mpDoUlc);
    {
        QSignalBlocker b(m_vyberKaret->iNeuznane());
        m_vyberKaret->iNeuznane()->setChecked(false);
        m_vyberKaret->iNeuznane()->setStyleSheet(QString());
    }
    Vysledek v;
    if (m_stav.relace.spojeni().proved(QStringLiteral("SHOW TABLE STATUS LIKE \"cenik\""), &v)) {
        const QDateTime cas = v.datumCas(0, QStringLiteral("Update_time"));
        if (!cas.isValid() || !m_stav.CasCeniku.isValid() || cas > m_stav.CasCeniku)
            m_stav.CasCeniku = cas;
    }
    nactiPrace();
    NactiSkl();
    m_panelPalet->setVisible(m_stav.PaletyStrediska);
    m_radekEditor->hide();
    m_vyberKaret->hide();
    m_modelRadky->nastavTabulku(&m_tabulky->radky());
    m_modelPalety->nastavTabulku(&m_tabulky->palety());
    m_modelRadky->obnov();
    m_modelPalety->obnov();
    m_obaly->otevri(m_tabulky, &obalKarty);
    for (QTableView* g : {m_gridRadky, m_gridPalety})
        g->resizeColumnsToContents();
    m_stranky->setCurrentIndex(0);
    const bool zamceno = StavZapisu == 1;
    for (const char* j : {"PARTIE", "PODNIK", "LOMENI"})
        m_pole.value(QString::fromLatin1(j))->setReadOnly(zamceno);
    zobrazHlavicku();
    m_potvrzena->setEnabled(m_potvrzovat);
    m_datum->setFocus();
    return true;
}

void EditorDokladu::NactiSkl() {
    m_vyberKaret->NactiSkl();
}

QCheckBox* EditorDokladu::iKalkulace() const {
    return m_vyberKaret->iKalkulace();
}
QCheckBox* EditorDokladu::iNeuznane() const {
    return m_vyberKaret->iNeuznane();
}
ModelVysledku* EditorDokladu::modelKaret() const {
    return m_vyberKaret->model();
}
QPushButton* EditorDokladu::tlacitko(const QString& objectName) const {
    return m_tlacitka.value(objectName);
}

QString EditorDokladu::Zpet() {
    if (m_radekEditor->isVisible())
        suiButton14Click();
    zavriVyberKaret();
    QString pamatovany;
    if (m_tabulky && m_tabulky->hlavicka().jeOtevrena() && m_zapsat->isEnabled())
        pamatovany = m_tabulky->hlavicka().text(QStringLiteral("CISLODOKLA"));
    if (m_tabulky)
        m_tabulky->zavriVse();
    m_modelRadky->nastavTabulku(nullptr);
    m_modelPalety->nastavTabulku(nullptr);
    m_modelRadky->obnov();
    m_obaly->zavri();
    m_modelPalety->obnov();
    m_zapsat->setEnabled(true);
    StavZapisu = 0;
    for (const char* j : {"PARTIE", "PODNIK", "LOMENI"})
        m_pole.value(QString::fromLatin1(j))->setReadOnly(false);
    m_potvrzena->setChecked(false);
    RezimEditoru.clear();
    return pamatovany;
}
