// The component lines of the editor and the rules of its header fields.
#include "cp1250pole.h"
#include "dbf.h"
#include "dotaz.h"
#include "editordokladu.h"
#include "hodnoty.h"
#include "modeltabulky.h"
#include "pracovnitabulky.h"
#include "radky.h"
#include "seznamprac.h"
#include "stavprogramu.h"
#include "vyberkaret.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace {
// Fields of a lot line taken from a stock card.
const QStringList poleKarty = {
    QStringLiteral("PARTIE"),     QStringLiteral("PODNIK"),   QStringLiteral("LOMENI"),
    QStringLiteral("PARTIECELA"), QStringLiteral("NOMENKLA"), QStringLiteral("NAZEVOSIVA"),
    QStringLiteral("DRUH"),       QStringLiteral("ODRUDA"),   QStringLiteral("NAZ_DRU"),
    QStringLiteral("NAZ_ODRU"),   QStringLiteral("STUPEN"),   QStringLiteral("ULC"),
    QStringLiteral("MJ"),         QStringLiteral("NC"),       QStringLiteral("PC")};
const QStringList polePrace = {QStringLiteral("NOMENKLA"), QStringLiteral("NAZEVOSIVA"),
                               QStringLiteral("MJ"),       QStringLiteral("NC"),
                               QStringLiteral("PC"),       QStringLiteral("DRUH"),
                               QStringLiteral("ODRUDA"),   QStringLiteral("NAZ_DRU"),
                               QStringLiteral("NAZ_ODRU"), QStringLiteral("STUPEN")};

void nastavPole(TabulkaDbf& t, const QString& jmeno, const QString& hodnota) {
    const int i = t.indexPole(jmeno);
    if (i < 0)
        return;
    switch (t.pole()[i].typ) {
    case TypDbf::Cislo:
        t.nastavCislo(jmeno, Desetinne::zTextuNeboNula(hodnota));
        break;
    case TypDbf::Datum:
        t.nastavDatum(jmeno, QDate::fromString(hodnota.left(10), QStringLiteral("yyyy-MM-dd")));
        break;
    default:
        t.nastavText(jmeno, hodnota, true);
    }
}

QString cisloProZobrazeni(Desetinne d) {
    return d.text().replace(QLatin1Char('.'), QLatin1Char(','));
}
} // namespace

void EditorDokladu::vytvorEditorRadku(QWidget* rodic) {
    m_radekEditor = new QGroupBox(QStringLiteral("Řádek dokladu"), rodic);
    m_radekEditor->setObjectName(QStringLiteral("suiGroupBoxRadek"));
    auto* g = new QGridLayout(m_radekEditor);
    auto pole = [&](const QString& jmeno, bool jenCteni) {
        auto* e = new QLineEdit(m_radekEditor);
        e->setObjectName(QStringLiteral("Edit") + jmeno);
        e->setReadOnly(jenCteni);
        if (jenCteni)
            e->setFocusPolicy(Qt::NoFocus);
        m_radekPole.insert(jmeno, e);
        HlidejCp1250(e);
        return e;
    };
    auto tlacitko = [&](const QString& jmeno, const QString& titulek) {
        auto* b = new QPushButton(titulek, m_radekEditor);
        b->setObjectName(jmeno);
        m_tlacitka.insert(jmeno, b);
        return b;
    };
    int r = 0;
    g->addWidget(new QLabel(QStringLiteral("Partie"), m_radekEditor), r, 0);
    QLineEdit* partie = pole(QStringLiteral("PARTIE"), false);
    partie->setMaxLength(9);
    partie->setMinimumWidth(partie->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) +
                            16);
    g->addWidget(partie, r, 1);
    g->addWidget(tlacitko(QStringLiteral("suiButton12"), QStringLiteral("<")), r, 2);
    g->addWidget(tlacitko(QStringLiteral("suiButton24"), QStringLiteral("Pr")), r, 3);
    g->addWidget(pole(QStringLiteral("PARTIECELA"), true), r, 4);
    g->addWidget(new QLabel(QStringLiteral("lo"), m_radekEditor), r, 5);
    g->addWidget(pole(QStringLiteral("LOMENI"), true), r++, 6);
    g->addWidget(new QLabel(QStringLiteral("Nomenklatura"), m_radekEditor), r, 0);
    g->addWidget(pole(QStringLiteral("NOMENKLA"), true), r, 1);
    g->addWidget(pole(QStringLiteral("NAZEVOSIVA"), true), r, 2, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("stupeň"), m_radekEditor), r, 5);
    g->addWidget(pole(QStringLiteral("STUPEN"), true), r++, 6);
    g->addWidget(new QLabel(QStringLiteral("Druh"), m_radekEditor), r, 0);
    g->addWidget(pole(QStringLiteral("NAZ_DRU"), true), r, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Odrůda"), m_radekEditor), r, 3);
    g->addWidget(pole(QStringLiteral("NAZ_ODRU"), true), r++, 4, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Množství"), m_radekEditor), r, 0);
    g->addWidget(pole(QStringLiteral("MNOZSTVI"), false), r, 1);
    g->addWidget(pole(QStringLiteral("MJ"), true), r, 2);
    g->addWidget(new QLabel(QStringLiteral("%"), m_radekEditor), r, 3);
    g->addWidget(pole(QStringLiteral("PR"), false), r, 4);
    g->addWidget(new QLabel(QStringLiteral("NC"), m_radekEditor), r, 5);
    g->addWidget(pole(QStringLiteral("NC"), true), r, 6);
    g->addWidget(new QLabel(QStringLiteral("PC"), m_radekEditor), r, 7);
    g->addWidget(pole(QStringLiteral("PC"), true), r++, 8);
    auto* tl = new QHBoxLayout;
    tl->addStretch(1);
    tl->addWidget(tlacitko(QStringLiteral("suiButton13"), QStringLiteral("Zapsat")));
    tl->addWidget(tlacitko(QStringLiteral("suiButton14"), QStringLiteral("Zpět")));
    g->addLayout(tl, r, 0, 1, 9);
    for (const char* j : {"PARTIECELA", "NOMENKLA"})
        m_radekPole.value(QString::fromLatin1(j))
            ->setMinimumWidth(
                partie->fontMetrics().horizontalAdvance(QStringLiteral("00-0000-00000-00")) + 12);
    m_radekEditor->hide();
    m_radekPole[QStringLiteral("PR")]->setEnabled(false);
    connect(m_tlacitka[QStringLiteral("suiButton12")], &QPushButton::clicked, this,
            &EditorDokladu::suiButton12Click);
    connect(m_tlacitka[QStringLiteral("suiButton24")], &QPushButton::clicked, this,
            &EditorDokladu::suiButton24Click);
    connect(m_tlacitka[QStringLiteral("suiButton13")], &QPushButton::clicked, this,
            &EditorDokladu::suiButton13Click);
    connect(m_tlacitka[QStringLiteral("suiButton14")], &QPushButton::clicked, this,
            &EditorDokladu::suiButton14Click);
}

void EditorDokladu::nactiPrace() {
    Vysledek v;
    if (m_stav.relace.spojeni().proved(SqlSeznamPraci(), &v))
        m_prace = std::move(v);
}

// ---------------------------------------------------------------- lines

void EditorDokladu::suiButton21Click() {
    TabulkaDbf& t = m_tabulky->radky();
    TabulkaDbf& h = m_tabulky->hlavicka();
    if (!t.pridej())
        return;
    t.nastavText(QStringLiteral("CISLODOKLA"), h.text(QStringLiteral("CISLODOKLA")));
    t.nastavText(QStringLiteral("STREDISKO"), m_stav.stredisko);
    t.nastavDatum(QStringLiteral("DATUM"), h.datum(QStringLiteral("DATUM")));
    t.nastavText(QStringLiteral("SMES"), QStringLiteral("0"));
    m_novyRadek = true;
    otevriRadek();
}

void EditorDokladu::suiButton22Click() {
    if (m_radekEditor->isVisible())
        return;
    TabulkaDbf& t = m_tabulky->radky();
    if (!NajedNaRadek(t, m_gridRadky->currentIndex().row()) || !t.uprav())
        return;
    m_novyRadek = false;
    otevriRadek();
}

void EditorDokladu::otevriRadek() {
    m_panelPalet->hide();
    m_radekEditor->show();
    m_gridRadky->setEnabled(false);
    for (const char* b : {"suiButton21", "suiButton22", "suiButton23"})
        m_tlacitka[QString::fromLatin1(b)]->setEnabled(false);
    m_zapsat->setEnabled(false);
    m_radekPole[QStringLiteral("PR")]->setEnabled(m_procenta->isChecked());
    zobrazRadek();
    if (m_procenta->isChecked())
        m_radekPole[QStringLiteral("PR")]->setFocus();
    else
        m_radekPole[QStringLiteral("PARTIE")]->setFocus();
}

void EditorDokladu::zobrazRadek() {
    TabulkaDbf& t = m_tabulky->radky();
    m_plni = true;
    for (auto it = m_radekPole.cbegin(); it != m_radekPole.cend(); ++it) {
        const int i = t.indexPole(it.key());
        if (i < 0)
            continue;
        it.value()->setText(t.pole()[i].typ == TypDbf::Cislo ? cisloProZobrazeni(t.cislo(it.key()))
                                                             : t.text(it.key()));
    }
    m_plni = false;
}

bool EditorDokladu::vyplnPraci(int r) {
    TabulkaDbf& t = m_tabulky->radky();
    if (m_stav.SM_vyrobky && m_prace.cislo(r, QStringLiteral("NC")).jeNula()) {
        dotaz(QStringLiteral("Tato práce má nulovou NC!"), {QStringLiteral("Zpět")}, Ikona::Stop);
        m_radekPole[QStringLiteral("PARTIE")]->setFocus();
        return false;
    }
    const QString kod = m_prace.text(r, QStringLiteral("PARTIE"));
    t.nastavText(QStringLiteral("PARTIE"), kod, true);
    t.nastavText(QStringLiteral("PARTIECELA"), kod, true);
    t.nastavText(QStringLiteral("PODNIK"), QString());
    t.nastavCele(QStringLiteral("LOMENI"), 0);
    for (const QString& p : polePrace)
        nastavPole(t, p, m_prace.text(r, p));
    t.nastavCislo(QStringLiteral("MNOZSTVI"),
                  m_tabulky->hlavicka().cislo(QStringLiteral("MNOZSTVI")));
    t.nastavCislo(QStringLiteral("PR"), Desetinne());
    zobrazRadek();
    m_radekPole[QStringLiteral("MNOZSTVI")]->setFocus();
    return true;
}

bool EditorDokladu::EditPARTIEExit() {
    const QString text = m_radekPole[QStringLiteral("PARTIE")]->text().trimmed();
    if (text.isEmpty())
        return true;
    if (text.size() == 3) {
        const int r = NajdiPraci(m_prace, text);
        if (r < 0) {
            suiButton24Click();
            return true;
        }
        return vyplnPraci(r);
    }
    if (text.startsWith(QLatin1String("55"))) {
        m_vyberKaret->filtrujPartii(text);
        if (m_vyberKaret->pocetZobrazenych() > 0) {
            prevezmiKartu(true);
            m_vyberKaret->filtrujPartii(QString());
            return true;
        }
        m_vyberKaret->filtrujPartii(QString());
        suiButton12Click();
        return true;
    }
    m_vyberKaret->filtrujPartii(text);
    m_vyberKaret->show();
    m_vyberKaret->grid()->setFocus();
    return true;
}

void EditorDokladu::EditPRExit() {
    QLineEdit* e = m_radekPole[QStringLiteral("PR")];
    if (e->text().trimmed().isEmpty())
        e->setText(QStringLiteral("0"));
    const Desetinne pr = Desetinne::zTextuNeboNula(e->text());
    const Desetinne celkem = Desetinne::zTextuNeboNula(m_celkem->text());
    const Desetinne m = (celkem * pr).deleno(Desetinne::zCeleho(100)).value_or(Desetinne());
    m_radekPole[QStringLiteral("MNOZSTVI")]->setText(cisloProZobrazeni(m));
}

void EditorDokladu::suiButton24Click() {
    SeznamPrac d(m_prace, window());
    if (d.exec() == QDialog::Accepted && d.vybranyRadek() >= 0) {
        m_radekPole[QStringLiteral("PARTIE")]->setText(
            m_prace.text(d.vybranyRadek(), QStringLiteral("PARTIE")));
        vyplnPraci(d.vybranyRadek());
        return;
    }
    m_radekPole[QStringLiteral("PARTIE")]->setFocus();
}

void EditorDokladu::suiButton12Click() {
    if (m_vyberKaret->iNeuznane()->isChecked())
        m_vyberKaret->iNeuznane()->setChecked(false); // reloads the cards
    m_vyberKaret->filtrujPartii(QString());
    m_vyberKaret->show();
    m_vyberKaret->grid()->setFocus();
}

void EditorDokladu::zavriVyberKaret() {
    m_vyberKaret->hide();
    m_vyberKaret->filtrujPartii(QString());
}

void EditorDokladu::suiButton20Click(bool presunoutFokus) {
    zavriVyberKaret();
    if (presunoutFokus)
        m_radekPole[QStringLiteral("PARTIE")]->setFocus();
}

void EditorDokladu::prevezmiKartu(bool zustatekJakoMnozstvi) {
    TabulkaDbf& t = m_tabulky->radky();
    for (const QString& p : poleKarty)
        nastavPole(t, p, m_vyberKaret->karta(p));
    if (zustatekJakoMnozstvi &&
        Desetinne::zTextuNeboNula(m_radekPole[QStringLiteral("MNOZSTVI")]->text()).jeNula())
        t.nastavCislo(QStringLiteral("MNOZSTVI"),
                      Desetinne::zTextuNeboNula(m_vyberKaret->karta(QStringLiteral("ZUSTATEK"))));
    else
        t.nastavCislo(QStringLiteral("MNOZSTVI"),
                      Desetinne::zTextuNeboNula(m_radekPole[QStringLiteral("MNOZSTVI")]->text()));
    zobrazRadek();
    zavriVyberKaret();
    m_radekPole[m_procenta->isChecked() ? QStringLiteral("PR") : QStringLiteral("MNOZSTVI")]
        ->setFocus();
}

void EditorDokladu::suiButton19Click() {
    if (!m_vyberKaret->maKartu() || !m_radekEditor->isVisible())
        return;
    if (m_vyberKaret->vybranychPalet() > 0) {
        // Withdrawals from chosen pallets are booked by the pallet picker, which this
        // build does not have yet; nothing is taken over.
        dotaz(QStringLiteral("Výběr z palet zatím není k dispozici.\rZrušte výběr palet, nebo "
                             "převezměte kartu bez palet."),
              {QStringLiteral("OK")}, Ikona::Informace);
        return;
    }
    if (m_vyberKaret->pocetPalet() >= 1 &&
        dotaz(QStringLiteral("Není vybrána žádná paleta!\rPokračovat bez výběru?"),
              {QStringLiteral("Pokračovat"), QStringLiteral("Zpět")}, Ikona::Stop) != 1)
        return;
    prevezmiKartu(true);
}

Desetinne EditorDokladu::puvodneVzato(const QString& partiecela, qint64 lomeni) {
    TabulkaDbf& p = m_tabulky->puvodniRadky();
    Desetinne vzato;
    if (!p.jeOtevrena())
        return vzato;
    for (bool ok = p.prvni(); ok && !p.jeKonec(); ok = p.dalsi())
        if (p.text(QStringLiteral("SMES")) != QLatin1String("1") &&
            p.text(QStringLiteral("PARTIECELA")) == partiecela &&
            p.cele(QStringLiteral("LOMENI")) == lomeni)
            vzato += p.cislo(QStringLiteral("MNOZSTVI"));
    return vzato;
}

void EditorDokladu::suiButton13Click() {
    TabulkaDbf& t = m_tabulky->radky();
    // The typed values go into the line first.
    const auto mnozstvi = Desetinne::zTextu(m_radekPole[QStringLiteral("MNOZSTVI")]->text());
    const auto pr = Desetinne::zTextu(m_radekPole[QStringLiteral("PR")]->text().isEmpty()
                                          ? QStringLiteral("0")
                                          : m_radekPole[QStringLiteral("PR")]->text());
    if (!mnozstvi || !pr) {
        dotaz(QStringLiteral("Množství a procento musí být čísla."), {QStringLiteral("OK")},
              Ikona::Stop);
        m_radekPole[mnozstvi ? QStringLiteral("PR") : QStringLiteral("MNOZSTVI")]->setFocus();
        return;
    }
    t.nastavCislo(QStringLiteral("MNOZSTVI"), *mnozstvi);
    t.nastavCislo(QStringLiteral("PR"), *pr);
    const QString partie = t.text(QStringLiteral("PARTIE"));
    if (partie.size() == 3)
        t.nastavCislo(QStringLiteral("PR"), Desetinne());
    if (partie.size() == 9) {
        const QString partiecela = t.text(QStringLiteral("PARTIECELA"));
        const qint64 lomeni = t.cele(QStringLiteral("LOMENI"));
        Vysledek karta;
        Spojeni& s = m_stav.relace.spojeni();
        if (!s.proved(SqlKartaRadku(partiecela, lomeni, m_stav.stredisko).join(QLatin1Char('\n')),
                      &karta)) {
            dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
            return;
        }
        const Desetinne volne = UvolnitelneMnozstvi(karta.cislo(0, QStringLiteral("zustatek")),
                                                    puvodneVzato(partiecela, lomeni));
        if (*mnozstvi > volne) {
            dotaz(QStringLiteral("Nelze vydat! Na kartě je menší zůstatek."),
                  {QStringLiteral("OK")}, Ikona::Stop);
            // The line's changes are cancelled (a new line disappears); the editor stays
            // open with what was typed so the quantity can be mended.
            t.zrus();
            if (m_novyRadek)
                suiButton21Click();
            else if (NajedNaRadek(t, m_gridRadky->currentIndex().row()))
                t.uprav();
            m_radekPole[QStringLiteral("MNOZSTVI")]->setFocus();
            return;
        }
    }
    if (!t.uloz()) {
        dotaz(t.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return;
    }
    m_novyRadek = false;
    const int kde = m_modelRadky->rowCount();
    prepoctiHlavicku();
    m_modelRadky->obnov();
    if (m_tabulky->hlavicka().cislo(QStringLiteral("PR")) > Desetinne::zCeleho(100)) {
        dotaz(QStringLiteral("Překročen součet procent!"), {QStringLiteral("OK")}, Ikona::Stop);
        // Still open on the saved line, for correction.
        const int r =
            m_gridRadky->currentIndex().isValid() ? m_gridRadky->currentIndex().row() : kde;
        m_gridRadky->setCurrentIndex(m_modelRadky->index(qMin(r, m_modelRadky->rowCount() - 1), 0));
        if (NajedNaRadek(t, m_gridRadky->currentIndex().row()))
            t.uprav();
        return;
    }
    spoctiKC();
    suiButton14Click();
}

void EditorDokladu::suiButton14Click() {
    if (m_tabulky && m_tabulky->radky().jeOtevrena())
        m_tabulky->radky().zrus();
    m_novyRadek = false;
    zavriVyberKaret();
    m_radekEditor->hide();
    m_panelPalet->setVisible(m_stav.PaletyStrediska);
    m_gridRadky->setEnabled(true);
    for (const char* b : {"suiButton21", "suiButton22", "suiButton23"})
        m_tlacitka[QString::fromLatin1(b)]->setEnabled(true);
    m_zapsat->setEnabled(StavZapisu < 9);
    if (m_tabulky) {
        m_modelRadky->obnov();
        zobrazHlavicku();
    }
}

void EditorDokladu::suiButton23Click() {
    TabulkaDbf& t = m_tabulky->radky();
    if (!NajedNaRadek(t, m_gridRadky->currentIndex().row()))
        return;
    if (dotaz(QStringLiteral("Opravdu zrušit řádek ?"),
              {QStringLiteral("Zrušit"), QStringLiteral("Zpět")}, Ikona::Zadna) == 1) {
        if (m_stav.PaletyStrediska) {
            TabulkaDbf& p = m_tabulky->palety();
            const QString partiecela = t.text(QStringLiteral("PARTIECELA"));
            const qint64 lomeni = t.cele(QStringLiteral("LOMENI"));
            p.zrusFiltr();
            for (bool ok = p.prvni(); ok && !p.jeKonec();) {
                if (p.text(QStringLiteral("PARTIECELA")) == partiecela &&
                    p.cele(QStringLiteral("LOMENI")) == lomeni) {
                    p.smaz();
                    ok = p.prvni();
                } else {
                    ok = p.dalsi();
                }
            }
        }
        t.smaz();
    }
    // The totals and the price follow the lines that are left.
    prepoctiHlavicku();
    spoctiKC();
    m_modelRadky->obnov();
    m_modelPalety->obnov();
    zobrazHlavicku();
}

void EditorDokladu::prepoctiHlavicku() {
    const SoucetSmesi s = SoucetRadku(NactiRadky(m_tabulky->radky()));
    TabulkaDbf& h = m_tabulky->hlavicka();
    if (h.stav() == TabulkaDbf::Stav::Prochazeni)
        h.uprav();
    h.nastavCislo(QStringLiteral("MNOZSTVI"), s.mnozstvi);
    h.nastavCislo(QStringLiteral("PR"), s.pr);
}

void EditorDokladu::spoctiKC() {
    TabulkaDbf& h = m_tabulky->hlavicka();
    const Desetinne nc = CenaSmesi(NactiRadky(m_tabulky->radky()), m_stav.SM_vyrobky,
                                   h.cislo(QStringLiteral("MNOZSTVI")));
    if (h.stav() == TabulkaDbf::Stav::Prochazeni)
        h.uprav();
    h.nastavCislo(QStringLiteral("NC"), nc);
    zobrazHlavicku();
}

// ---------------------------------------------------------------- header rules

bool EditorDokladu::DBEdit11Exit() {
    QLineEdit* e = m_pole[QStringLiteral("PARTIE")];
    if (e->isReadOnly())
        return true;
    const QString partie = e->text();
    if (partie.size() != 9) {
        dotaz(QStringLiteral("Špatně zadaná partie."), {QStringLiteral("OK")}, Ikona::Stop);
        return false;
    }
    ulozPole(QStringLiteral("PARTIE"), partie);
    QLineEdit* podnik = m_pole[QStringLiteral("PODNIK")];
    QLineEdit* lomeni = m_pole[QStringLiteral("LOMENI")];
    if (!partie.startsWith(QLatin1String("55"))) {
        podnik->setText(m_stav.podnik);
        ulozPole(QStringLiteral("PODNIK"), m_stav.podnik);
        for (QLineEdit* x : {podnik, lomeni}) {
            x->setReadOnly(false);
            x->setEnabled(true);
        }
        const QString cela = PartieCela(partie, m_stav.podnik);
        m_pole[QStringLiteral("PARTIECELA")]->setText(cela);
        ulozPole(QStringLiteral("PARTIECELA"), cela);
        QTimer::singleShot(0, podnik, [podnik] { podnik->setFocus(); });
    } else {
        m_pole[QStringLiteral("PARTIECELA")]->setText(partie);
        ulozPole(QStringLiteral("PARTIECELA"), partie);
        podnik->setText(QStringLiteral("    "));
        ulozPole(QStringLiteral("PODNIK"), QStringLiteral("    "));
        lomeni->clear();
        ulozPole(QStringLiteral("LOMENI"), QStringLiteral("0"));
        for (QLineEdit* x : {podnik, lomeni}) {
            x->setReadOnly(true);
            x->setEnabled(false);
        }
    }
    return true;
}

bool EditorDokladu::DBEdit7Exit() {
    QLineEdit* e = m_pole[QStringLiteral("PODNIK")];
    if (e->isReadOnly())
        return true;
    if (e->text().size() != 4) {
        dotaz(QStringLiteral("Špatně zadaný žadatel."), {QStringLiteral("OK")}, Ikona::Stop);
        return false;
    }
    ulozPole(QStringLiteral("PODNIK"), e->text());
    const QString cela = PartieCela(m_pole[QStringLiteral("PARTIE")]->text(), e->text());
    m_pole[QStringLiteral("PARTIECELA")]->setText(cela);
    ulozPole(QStringLiteral("PARTIECELA"), cela);
    return true;
}

bool EditorDokladu::DBEdit1Exit() {
    QLineEdit* e = m_pole[QStringLiteral("LOMENI")];
    if (e->isReadOnly())
        return true;
    bool ok = false;
    const int lomeni = e->text().trimmed().isEmpty() ? 0 : e->text().trimmed().toInt(&ok);
    if (!e->text().trimmed().isEmpty() && !ok) {
        dotaz(QStringLiteral("Lomení musí být celé číslo."), {QStringLiteral("OK")}, Ikona::Stop);
        return false;
    }
    if (lomeni >= 60) {
        dotaz(QStringLiteral("Nelze zadat lomení větší než 60."), {QStringLiteral("OK")},
              Ikona::Stop);
        return false;
    }
    ulozPole(QStringLiteral("LOMENI"), QString::number(lomeni));
    return true;
}

bool EditorDokladu::DBDateEdit1Exit() {
    QDate d = m_datum->date();
    if (d.toString(QStringLiteral("yyyyMMdd")) < QLatin1String("19991111"))
        d = QDate(1900, 1, 1);
    if (m_tabulky && m_tabulky->hlavicka().jeOtevrena())
        m_tabulky->hlavicka().nastavDatum(QStringLiteral("DATUM"), d);
    Vysledek v;
    if (m_stav.relace.spojeni().proved(QStringLiteral("select uzavreneuo from kavlin"), &v)) {
        const QString uzavreno = v.text(0, QStringLiteral("uzavreneuo"));
        if (!uzavreno.isEmpty() && uzavreno >= d.toString(QStringLiteral("yyyyMM"))) {
            dotaz(QStringLiteral("Datum je v již uzavřeném ÚO!"), {QStringLiteral("Zpět")},
                  Ikona::Stop);
            m_stranky->setCurrentIndex(0);
            return false;
        }
    }
    return true;
}

void EditorDokladu::suiButton2Click() {
    Vysledek v;
    Spojeni& s = m_stav.relace.spojeni();
    if (!s.proved(QStringLiteral("select pc from cenik where nomenkla=") +
                      SqlText(m_tabulky->hlavicka().text(QStringLiteral("NOMENKLA"))),
                  &v)) {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return;
    }
    TabulkaDbf& h = m_tabulky->hlavicka();
    if (h.stav() == TabulkaDbf::Stav::Prochazeni)
        h.uprav();
    h.nastavCislo(QStringLiteral("PC"), v.cislo(0, QStringLiteral("pc")));
    zobrazHlavicku();
}

void EditorDokladu::suiCheckBoxProcentaClick() {
    const bool ano = m_procenta->isChecked();
    m_radekPole[QStringLiteral("PR")]->setEnabled(ano && m_radekEditor->isVisible());
    m_celkem->setEnabled(ano);
    m_celkemMj->setText(ano ? m_tabulky->hlavicka().text(QStringLiteral("MJ")) : QString());
    if (ano)
        m_celkem->setFocus();
}

bool EditorDokladu::kontrolaPole(QWidget* w) {
    if (!m_tabulky || RezimEditoru.isEmpty())
        return true;
    if (w == m_pole.value(QStringLiteral("PARTIE")))
        return DBEdit11Exit();
    if (w == m_pole.value(QStringLiteral("PODNIK")))
        return DBEdit7Exit();
    if (w == m_pole.value(QStringLiteral("LOMENI")))
        return DBEdit1Exit();
    if (w == m_datum || (w && w->parentWidget() == m_datum))
        return DBDateEdit1Exit();
    if (w == m_radekPole.value(QStringLiteral("PARTIE")))
        return EditPARTIEExit();
    if (w == m_radekPole.value(QStringLiteral("PR"))) {
        EditPRExit();
        return true;
    }
    return true;
}

void EditorDokladu::fokusZmenen(QWidget* stary, QWidget* novy) {
    if (m_kontroluje || !stary || !isAncestorOf(stary))
        return;
    // The checks give way to "Zpět" of the document, and the line's own field to the
    // buttons that open its pickers or leave the line.
    if (novy == m_zpet)
        return;
    if (stary == m_radekPole.value(QStringLiteral("PARTIE")) &&
        (novy == m_tlacitka.value(QStringLiteral("suiButton12")) ||
         novy == m_tlacitka.value(QStringLiteral("suiButton24")) ||
         novy == m_tlacitka.value(QStringLiteral("suiButton14"))))
        return;
    m_kontroluje = true;
    const bool ok = kontrolaPole(stary);
    m_kontroluje = false;
    if (!ok)
        QTimer::singleShot(0, stary, [stary] { stary->setFocus(); });
}
