#include "strankaobalu.h"
#include "mrizka.h"

#include "cp1250pole.h"
#include "dbf.h"
#include "dotaz.h"
#include "obalkarty.h"
#include "pracovnitabulky.h"
#include "stavprogramu.h"
#include "tfnavesky.h"
#include "vyberceniku.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
struct SloupecObalu {
    const char* pole;
    const char* titulek;
};
const SloupecObalu sloupce[] = {
    {"NOMENKLA", "Nomenklatura"}, {"NAZEVOSIVA", "  Obal"}, {"VAHAO1", "Váha v 1o."}, {"MJ", "MJ"},
    {"POCETO", "Počet o."},       {"MNOZSTVI", "Celkem"},   {"NAVESKY", "Návěsky"}};

// The line's fields that the price-list row fills.
const char* const poleZCeniku[] = {"DRUH", "ODRUDA", "STUPEN", "NAZ_DRU", "NAZ_ODRU"};

QString cislo(Desetinne d) {
    return d.text().replace(QLatin1Char('.'), QLatin1Char(','));
}

// An empty number field counts as 0; anything else must be a number.
std::optional<Desetinne> cisloPole(const QLineEdit* e) {
    if (e->text().trimmed().isEmpty())
        return Desetinne();
    return Desetinne::zTextu(e->text());
}

bool najedNa(TabulkaDbf& t, int k) {
    if (k < 0 || !t.prvni() || t.jeKonec())
        return false;
    for (int i = 0; i < k; ++i)
        if (!t.dalsi() || t.jeKonec())
            return false;
    return true;
}
} // namespace

VypocetObalu SpoctiObal(Desetinne vahao1kg, Desetinne poceto, const QString& zakl_mj) {
    const Desetinne kg = poceto * vahao1kg;
    if (zakl_mj != QLatin1String("t"))
        return {vahao1kg, kg};
    const Desetinne tisic = Desetinne::zCeleho(1000);
    return {vahao1kg.deleno(tisic).value_or(Desetinne()), kg.deleno(tisic).value_or(Desetinne())};
}

QColor BarvaSouctuObalu(Desetinne soucet, Desetinne mnozstviSmesi) {
    if (soucet > mnozstviSmesi)
        return QColor(255, 0, 0);
    if (soucet == mnozstviSmesi)
        return QColor(0, 128, 0);
    return QColor(0, 0, 0);
}

std::optional<qint64> PocetObaluKarty(Desetinne mnozstviSmesi, Desetinne vahao1Karty) {
    const auto podil = mnozstviSmesi.deleno(vahao1Karty);
    if (!podil)
        return std::nullopt;
    return Zaokrouhli(*podil, 0).desetitisiciny() / Desetinne::Jednotka;
}

QLineEdit* StrankaObalu::novePole(QWidget* rodic, const QString& jmeno, bool jenCteni) {
    auto* e = new QLineEdit(rodic);
    e->setObjectName(QStringLiteral("EditObalu") + jmeno);
    e->setReadOnly(jenCteni);
    if (jenCteni) {
        e->setFocusPolicy(Qt::NoFocus);
        e->setStyleSheet(QStringLiteral("QLineEdit { background: #f0f0f0; }"));
    }
    m_pole.insert(jmeno, e);
    return e;
}

StrankaObalu::StrankaObalu(StavProgramu& stav, QWidget* rodic) : QWidget(rodic), m_stav(stav) {
    setObjectName(QStringLiteral("StrankaObalu"));
    auto* hlavni = new QHBoxLayout(this);
    auto* vlevo = new QVBoxLayout;
    hlavni->addLayout(vlevo, 1);

    auto* souhrn = new QHBoxLayout;
    souhrn->addWidget(new QLabel(QStringLiteral("Směs"), this));
    m_smes = new QLineEdit(this);
    m_smes->setObjectName(QStringLiteral("DBEditSmesMNOZSTVI"));
    m_smes->setReadOnly(true);
    m_smes->setFocusPolicy(Qt::NoFocus);
    m_smes->setStyleSheet(QStringLiteral("QLineEdit { background: #f0f0f0; }"));
    m_smes->setAlignment(Qt::AlignRight);
    souhrn->addWidget(m_smes);
    m_smesMj = new QLabel(this);
    souhrn->addWidget(m_smesMj);
    souhrn->addSpacing(20);
    souhrn->addWidget(new QLabel(QStringLiteral("Obaly"), this));
    // Read-only but reachable: leaving it recomputes the card's number of packages.
    m_soucet = new QLineEdit(this);
    m_soucet->setObjectName(QStringLiteral("EditVAHAO"));
    m_soucet->setReadOnly(true);
    m_soucet->setAlignment(Qt::AlignRight);
    souhrn->addWidget(m_soucet);
    m_soucetMj = new QLabel(this);
    souhrn->addWidget(m_soucetMj);
    souhrn->addStretch(1);
    vlevo->addLayout(souhrn);

    m_model = new QStandardItemModel(0, static_cast<int>(std::size(sloupce)), this);
    for (int c = 0; c < static_cast<int>(std::size(sloupce)); ++c)
        m_model->setHorizontalHeaderItem(c,
                                         new QStandardItem(QString::fromUtf8(sloupce[c].titulek)));
    m_grid = NovaMrizka(this, QStringLiteral("suiDBGridObaly"));
    m_grid->setModel(m_model);
    vlevo->addWidget(m_grid, 1);

    auto tlacitko = [this](QWidget* rodic, const char* jmeno, const QString& titulek) {
        auto* b = new QPushButton(titulek, rodic);
        b->setObjectName(QString::fromLatin1(jmeno));
        m_tlacitka.insert(b->objectName(), b);
        return b;
    };
    auto* tl = new QHBoxLayout;
    tl->addWidget(tlacitko(this, "suiButton30", QStringLiteral("Přidat")));
    tl->addWidget(tlacitko(this, "suiButton27", QStringLiteral("Opravit")));
    tl->addWidget(tlacitko(this, "suiButton29", QStringLiteral("Zrušit")));
    tl->addStretch(1);
    vlevo->addLayout(tl);

    m_editor = new QGroupBox(QStringLiteral("Řádek obaly"), this);
    m_editor->setObjectName(QStringLiteral("suiGroupBoxObaly"));
    auto* g = new QGridLayout(m_editor);
    int r = 0;
    g->addWidget(new QLabel(QStringLiteral("Nomenklatura"), m_editor), r, 0);
    g->addWidget(novePole(m_editor, QStringLiteral("NOMENKLA"), true), r, 1);
    g->addWidget(novePole(m_editor, QStringLiteral("NAZEVOSIVA"), true), r, 2, 1, 2);
    g->addWidget(tlacitko(m_editor, "suiButton33", QStringLiteral("<")), r++, 4);
    g->addWidget(new QLabel(QStringLiteral("Váha v 1 obalu"), m_editor), r, 0);
    g->addWidget(novePole(m_editor, QStringLiteral("VAHAO1KG"), false), r, 1);
    g->addWidget(new QLabel(QStringLiteral("kg"), m_editor), r++, 2);
    g->addWidget(new QLabel(QStringLiteral("Počet obalů"), m_editor), r, 0);
    g->addWidget(novePole(m_editor, QStringLiteral("POCETO"), false), r, 1);
    g->addWidget(new QLabel(QStringLiteral("ks"), m_editor), r++, 2);
    g->addWidget(new QLabel(QStringLiteral("Celkem"), m_editor), r, 0);
    g->addWidget(novePole(m_editor, QStringLiteral("MNOZSTVI"), false), r, 1);
    m_celkemMj = new QLabel(m_editor);
    g->addWidget(m_celkemMj, r++, 2);
    g->addWidget(new QLabel(QStringLiteral("Návěsky"), m_editor), r, 0);
    QLineEdit* navesky = novePole(m_editor, QStringLiteral("NAVESKY"), false);
    navesky->setMaxLength(DelkaNavesek);
    navesky->setMinimumWidth(navesky->fontMetrics().horizontalAdvance(QString(50, u'0')));
    HlidejCp1250(navesky);
    g->addWidget(navesky, r, 1, 1, 3);
    QPushButton* n = tlacitko(m_editor, "suiButton3", QStringLiteral("N"));
    n->setToolTip(QStringLiteral("Nabídne seznam Návěsky"));
    g->addWidget(n, r++, 4);
    auto* tle = new QHBoxLayout;
    tle->addStretch(1);
    tle->addWidget(tlacitko(m_editor, "suiButton31", QStringLiteral("Zapsat")));
    tle->addWidget(tlacitko(m_editor, "suiButton32", QStringLiteral("Zpět")));
    g->addLayout(tle, r, 0, 1, 5);
    g->setColumnStretch(3, 1);
    m_pole[QStringLiteral("NOMENKLA")]->setMinimumWidth(
        navesky->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")) + 12);
    for (const char* j : {"VAHAO1KG", "POCETO", "MNOZSTVI"})
        m_pole[QString::fromLatin1(j)]->setAlignment(Qt::AlignRight);
    m_editor->hide();
    vlevo->addWidget(m_editor);

    m_vyberCeniku = new VyberCeniku(m_stav, this);
    m_vyberCeniku->hide();
    hlavni->addWidget(m_vyberCeniku);

    auto spoj = [this](const char* jmeno, void (StrankaObalu::*f)()) {
        connect(m_tlacitka[QString::fromLatin1(jmeno)], &QPushButton::clicked, this, f);
    };
    spoj("suiButton30", &StrankaObalu::suiButton30Click);
    spoj("suiButton27", &StrankaObalu::suiButton27Click);
    spoj("suiButton29", &StrankaObalu::suiButton29Click);
    spoj("suiButton31", &StrankaObalu::suiButton31Click);
    spoj("suiButton32", &StrankaObalu::suiButton32Click);
    spoj("suiButton33", &StrankaObalu::suiButton33Click);
    spoj("suiButton3", &StrankaObalu::suiButton3Click);
    connect(m_grid, &QTableView::doubleClicked, this, &StrankaObalu::suiButton27Click);
    connect(m_vyberCeniku, &VyberCeniku::prevzit, this, &StrankaObalu::prevzitZCeniku);
    connect(m_vyberCeniku, &VyberCeniku::zpet, this,
            [this] { m_tlacitka[QStringLiteral("suiButton33")]->setFocus(); });
    connect(qApp, &QApplication::focusChanged, this, &StrankaObalu::fokusZmenen);
}

StrankaObalu::~StrankaObalu() {
    // Deleting the focused field moves the focus; the page is half gone by then.
    disconnect(qApp, nullptr, this, nullptr);
}

// ---------------------------------------------------------------- document

void StrankaObalu::otevri(PracovniTabulky* tabulky, ObalKarty* obalKarty) {
    m_tabulky = tabulky;
    m_obalKarty = obalKarty;
    m_editor->hide();
    m_vyberCeniku->hide();
    m_grid->setEnabled(true);
    for (const char* b : {"suiButton30", "suiButton27", "suiButton29"})
        m_tlacitka[QString::fromLatin1(b)]->setEnabled(true);
    m_radek = 0;
    obnov();
    m_grid->resizeColumnsToContents();
}

void StrankaObalu::zavri() {
    if (upravuje())
        zavriRadek();
    m_vyberCeniku->hide();
    m_tabulky = nullptr;
    m_obalKarty = nullptr;
    m_model->setRowCount(0);
    m_smes->clear();
    m_soucet->clear();
}

void StrankaObalu::obnov() {
    if (!m_tabulky)
        return;
    zobrazSmes();
    if (upravuje())
        return;
    obnovGrid();
    prepoctiSoucet();
}

void StrankaObalu::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    obnov();
}

bool StrankaObalu::upravuje() const {
    return !m_editor->isHidden();
}

void StrankaObalu::zobrazSmes() {
    TabulkaDbf& h = m_tabulky->hlavicka();
    if (!h.jeOtevrena() || !h.maZaznam())
        return;
    m_smes->setText(cislo(h.cislo(QStringLiteral("MNOZSTVI"))));
    const QString mj = h.text(QStringLiteral("MJ"));
    for (QLabel* l : {m_smesMj, m_soucetMj, m_celkemMj})
        l->setText(mj);
}

void StrankaObalu::obnovGrid() {
    m_model->setRowCount(0);
    TabulkaDbf& t = m_tabulky->obaly();
    if (!t.jeOtevrena())
        return;
    for (bool ok = t.prvni(); ok && !t.jeKonec(); ok = t.dalsi()) {
        QList<QStandardItem*> radek;
        for (const SloupecObalu& s : sloupce) {
            const QString jmeno = QString::fromLatin1(s.pole);
            const int i = t.indexPole(jmeno);
            auto* polozka = new QStandardItem;
            if (i >= 0 && t.pole()[i].typ == TypDbf::Cislo) {
                polozka->setText(cislo(t.cislo(jmeno)));
                polozka->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else if (i >= 0) {
                polozka->setText(t.text(jmeno));
            }
            radek << polozka;
        }
        m_model->appendRow(radek);
    }
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(qBound(0, m_radek, m_model->rowCount() - 1), 0));
}

void StrankaObalu::prepoctiSoucet() {
    TabulkaDbf& t = m_tabulky->obaly();
    Desetinne soucet;
    if (t.jeOtevrena())
        for (bool ok = t.prvni(); ok && !t.jeKonec(); ok = t.dalsi())
            soucet += t.cislo(QStringLiteral("MNOZSTVI"));
    TabulkaDbf& h = m_tabulky->hlavicka();
    const Desetinne smes =
        h.jeOtevrena() && h.maZaznam() ? h.cislo(QStringLiteral("MNOZSTVI")) : Desetinne();
    m_soucet->setText(cislo(soucet));
    m_barvaSouctu = BarvaSouctuObalu(soucet, smes);
    QPalette p = m_soucet->palette();
    p.setColor(QPalette::Text, m_barvaSouctu);
    m_soucet->setPalette(p);
}

// ---------------------------------------------------------------- lines

void StrankaObalu::suiButton30Click() {
    if (!m_tabulky || upravuje())
        return;
    TabulkaDbf& t = m_tabulky->obaly();
    TabulkaDbf& h = m_tabulky->hlavicka();
    if (!t.pridej()) {
        dotaz(t.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return;
    }
    t.nastavText(QStringLiteral("CISLODOKLA"), h.text(QStringLiteral("CISLODOKLA")));
    t.nastavText(QStringLiteral("STREDISKO"), h.text(QStringLiteral("STREDISKO")));
    if (m_obalKarty && !m_obalKarty->navesky.isEmpty())
        t.nastavText(QStringLiteral("NAVESKY"), m_obalKarty->navesky, true);
    m_radek = m_model->rowCount();
    otevriRadek(true);
}

void StrankaObalu::suiButton27Click() {
    if (!m_tabulky || upravuje())
        return;
    TabulkaDbf& t = m_tabulky->obaly();
    const int r = m_grid->currentIndex().row();
    if (!najedNa(t, r) || !t.uprav())
        return;
    m_radek = r;
    otevriRadek(false);
}

void StrankaObalu::otevriRadek(bool novy) {
    m_editor->show();
    m_grid->setEnabled(false);
    for (const char* b : {"suiButton30", "suiButton27", "suiButton29"})
        m_tlacitka[QString::fromLatin1(b)]->setEnabled(false);
    emit upravujeRadek(true);
    zobrazRadek();
    // A new line starts with its packaging item.
    if (novy)
        m_tlacitka[QStringLiteral("suiButton33")]->setFocus();
    else
        m_pole[QStringLiteral("VAHAO1KG")]->setFocus();
}

void StrankaObalu::zobrazRadek() {
    TabulkaDbf& t = m_tabulky->obaly();
    for (auto it = m_pole.cbegin(); it != m_pole.cend(); ++it) {
        const int i = t.indexPole(it.key());
        if (i < 0)
            continue;
        // A field never written (a new line) shows empty rather than 0 to type over.
        if (t.pole()[i].typ == TypDbf::Cislo)
            it.value()->setText(t.jePrazdne(it.key()) ? QString() : cislo(t.cislo(it.key())));
        else
            it.value()->setText(t.text(it.key()));
        it.value()->setCursorPosition(0);
    }
}

void StrankaObalu::suiButton31Click() {
    // A refused field is getting its focus back; its message has been shown.
    if (!m_tabulky || !upravuje() || m_navrat)
        return;
    struct Cislo {
        const char* pole;
        const char* zprava;
        std::optional<Desetinne> hodnota;
    };
    Cislo cisla[] = {{"VAHAO1KG", "Váha v 1 obalu musí být číslo.", {}},
                     {"POCETO", "Počet obalů musí být číslo.", {}},
                     {"MNOZSTVI", "Celkem musí být číslo.", {}}};
    for (Cislo& c : cisla) {
        QLineEdit* e = m_pole[QString::fromLatin1(c.pole)];
        c.hodnota = cisloPole(e);
        if (!c.hodnota) {
            dotaz(QString::fromUtf8(c.zprava), {QStringLiteral("OK")}, Ikona::Stop);
            e->setFocus();
            return;
        }
    }
    const VypocetObalu v = SpoctiObal(*cisla[0].hodnota, *cisla[1].hodnota, m_stav.zakl_mj);
    TabulkaDbf& t = m_tabulky->obaly();
    const bool ok =
        t.nastavCislo(QStringLiteral("VAHAO1KG"), *cisla[0].hodnota) &&
        t.nastavCislo(QStringLiteral("VAHAO1"), v.vahao1) &&
        t.nastavCislo(QStringLiteral("POCETO"), *cisla[1].hodnota) &&
        t.nastavCislo(QStringLiteral("MNOZSTVI"), *cisla[2].hodnota) &&
        t.nastavText(QStringLiteral("NAVESKY"), m_pole[QStringLiteral("NAVESKY")]->text());
    if (!ok || !t.uloz()) {
        dotaz(t.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return;
    }
    zavriRadek();
}

void StrankaObalu::suiButton32Click() {
    zavriRadek();
}

void StrankaObalu::zavriRadek() {
    const bool bylOtevren = upravuje();
    if (m_tabulky && m_tabulky->obaly().jeOtevrena())
        m_tabulky->obaly().zrus();
    m_vyberCeniku->hide();
    m_editor->hide();
    m_grid->setEnabled(true);
    for (const char* b : {"suiButton30", "suiButton27", "suiButton29"})
        m_tlacitka[QString::fromLatin1(b)]->setEnabled(true);
    if (bylOtevren)
        emit upravujeRadek(false);
    if (!m_tabulky)
        return;
    obnovGrid();
    prepoctiSoucet();
    m_grid->setFocus();
}

void StrankaObalu::suiButton29Click() {
    if (!m_tabulky || upravuje())
        return;
    TabulkaDbf& t = m_tabulky->obaly();
    const int r = m_grid->currentIndex().row();
    if (najedNa(t, r) &&
        dotaz(QStringLiteral("Opravdu zrušit řádek ?"),
              {QStringLiteral("Zrušit"), QStringLiteral("Zpět")}, Ikona::Zadna) == 1) {
        if (!t.smaz())
            dotaz(t.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
    }
    m_radek = r;
    zavriRadek();
}

// ---------------------------------------------------------------- price list and tags

void StrankaObalu::suiButton33Click() {
    if (!upravuje())
        return;
    m_vyberCeniku->otevri(3);
}

void StrankaObalu::prevzitZCeniku(const RadekCeniku& c) {
    if (!m_tabulky || !upravuje())
        return;
    TabulkaDbf& t = m_tabulky->obaly();
    // Names longer than the work table's fields are cut, as the price list's own columns
    // are no wider than the line's.
    t.nastavText(QStringLiteral("NOMENKLA"), c.nomenkla, true);
    t.nastavText(QStringLiteral("NAZEVOSIVA"), c.nazevosiva, true);
    t.nastavText(QStringLiteral("MJ"), m_tabulky->hlavicka().text(QStringLiteral("MJ")), true);
    const QString hodnoty[] = {c.druh, c.odruda, c.stupen, c.naz_dru, c.naz_odru};
    for (int i = 0; i < 5; ++i)
        t.nastavText(QString::fromLatin1(poleZCeniku[i]), hodnoty[i], true);
    m_pole[QStringLiteral("NOMENKLA")]->setText(t.text(QStringLiteral("NOMENKLA")));
    m_pole[QStringLiteral("NAZEVOSIVA")]->setText(t.text(QStringLiteral("NAZEVOSIVA")));
    m_pole[QStringLiteral("VAHAO1KG")]->setFocus();
}

void StrankaObalu::suiButton3Click() {
    if (!m_tabulky || !upravuje())
        return;
    const QString text =
        NabidniNavesky(m_stav, m_tabulky->hlavicka().text(QStringLiteral("PARTIECELA")), window());
    if (!text.isEmpty())
        m_pole[QStringLiteral("NAVESKY")]->setText(text);
    m_pole[QStringLiteral("NAVESKY")]->setFocus();
}

// ---------------------------------------------------------------- leaving fields

bool StrankaObalu::suiDBEdit20Exit(QLineEdit* opousteny) {
    QLineEdit* vaha = m_pole[QStringLiteral("VAHAO1KG")];
    QLineEdit* pocet = m_pole[QStringLiteral("POCETO")];
    const auto v = cisloPole(vaha);
    const auto p = cisloPole(pocet);
    if (opousteny == vaha && !v) {
        dotaz(QStringLiteral("Váha v 1 obalu musí být číslo."), {QStringLiteral("OK")},
              Ikona::Stop);
        return false;
    }
    if (opousteny == pocet && !p) {
        dotaz(QStringLiteral("Počet obalů musí být číslo."), {QStringLiteral("OK")}, Ikona::Stop);
        return false;
    }
    // The other field was checked when it was left.
    const VypocetObalu o =
        SpoctiObal(v.value_or(Desetinne()), p.value_or(Desetinne()), m_stav.zakl_mj);
    m_pole[QStringLiteral("MNOZSTVI")]->setText(cislo(o.mnozstvi));
    return true;
}

void StrankaObalu::EditVAHAOExit() {
    if (!m_tabulky || !m_obalKarty)
        return;
    TabulkaDbf& h = m_tabulky->hlavicka();
    if (!h.jeOtevrena() || !h.maZaznam())
        return;
    if (const auto p = PocetObaluKarty(h.cislo(QStringLiteral("MNOZSTVI")), m_obalKarty->vahao1))
        m_obalKarty->poceto1 = *p;
}

bool StrankaObalu::kontrolaPole(QWidget* w) {
    if (!m_tabulky)
        return true;
    if (w == m_soucet) {
        EditVAHAOExit();
        return true;
    }
    if (!upravuje())
        return true;
    if (w == m_pole[QStringLiteral("VAHAO1KG")] || w == m_pole[QStringLiteral("POCETO")])
        return suiDBEdit20Exit(static_cast<QLineEdit*>(w));
    if (w == m_pole[QStringLiteral("MNOZSTVI")] && !cisloPole(m_pole[QStringLiteral("MNOZSTVI")])) {
        dotaz(QStringLiteral("Celkem musí být číslo."), {QStringLiteral("OK")}, Ikona::Stop);
        return false;
    }
    return true;
}

void StrankaObalu::fokusZmenen(QWidget* stary, QWidget* novy) {
    if (m_kontroluje || !stary || !isAncestorOf(stary))
        return;
    if (novy && novy == m_navrat)
        return;
    // Leaving the line or the document needs no valid numbers.
    if (novy && (novy == m_zpetDokladu || novy == m_tlacitka[QStringLiteral("suiButton32")]))
        return;
    m_kontroluje = true;
    const bool ok = kontrolaPole(stary);
    m_kontroluje = false;
    if (ok)
        return;
    m_navrat = stary;
    QTimer::singleShot(0, stary, [this, stary] {
        stary->setFocus();
        m_navrat = nullptr;
    });
}
