#include "dbf.h"
#include "dotaz.h"
#include "editordokladu.h"
#include "ini.h"
#include "modeltabulky.h"
#include "pracovnitabulky.h"
#include "radky.h"
#include "sadaokna.h"
#include "seznamdokladu.h"
#include "testdb.h"
#include "tform1.h"
#include "vyberceniku.h"
#include "vyberkaret.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {
Desetinne D(const char* t) {
    return *Desetinne::zTextu(QString::fromLatin1(t));
}

void data(TestDb& db, bool vyrobky) {
    Spojeni& s = db.spojeni();
    for (const QString& sql :
         {QStringLiteral("insert into strtopc (stred, nazevstr, palety) values ('10', 'Sklad', 0)"),
          QStringLiteral("insert into kavlin (UcetniRok, CislovaniD, SM_JAKNC, SM_vyrobky, "
                         "zakl_mj, kontejnery_DO, "
                         "uzavreneuo) values ('1', 0, 1, '%1', 'kg', 50, '202609')")
              .arg(vyrobky ? QStringLiteral("A") : QStringLiteral("N")),
          QStringLiteral("insert into skarta (partiecela, lomeni, stredisko, partie, podnik, "
                         "nomenkla, nazevosiva, "
                         "zustatek, mj, nc, pc, ulc) values "
                         "('26-0126-00101-01', 0, '10', '260010101', '0126', '1441', 'Jílek', 80, "
                         "'kg', 10.005, 12, 'C1'),"
                         "('26-0126-00102-01', 0, '10', '260010201', '0126', '1443', 'Jetel', 500, "
                         "'kg', 12, 15, 'C2')"),
          QStringLiteral(
              "insert into cenik (nomenkla, nazevosiva, mj, nc, pc, prace, pro_labor) values "
              "('700000000001', 'Míchání osiv', 'kg', 0.8, 1.2, 'MIC', 'A'),"
              "('700000000009', 'Doprava', 'kg', 0, 0.5, 'DOP', 'A')"),
          // A posted mixture that took 30 kg of the first lot.
          QStringLiteral("insert into smesi (cislodokla, rokd, stredisko, partie, podnik, lomeni, "
                         "partiecela, nazevosiva, "
                         "mnozstvi, mj, pr, nc, datum, smes) values "
                         "('2610000001', '2026', '10', '260050001', '0126', 0, '26-0126-00500-01', "
                         "'Směs', 30, 'kg', 100, "
                         "10.01, '2026-10-04', 1),"
                         "('2610000001', '2026', '10', '260010101', '0126', 0, '26-0126-00101-01', "
                         "'Jílek', 30, 'kg', 100, "
                         "10.005, '2026-10-04', 0)")})
        ASSERT_TRUE(s.proved(sql)) << s.chyba().toStdString();
}

class Radky : public SadaOkna {
protected:
    void spust(TestDb& db) {
        okno = spustNaStredisku(db);
        ASSERT_TRUE(okno->fazeZobrazeniHotova());
        e = okno->editor();
    }
    void novy() {
        okno->akce(QStringLiteral("Novdoklad1"))->trigger();
        ASSERT_TRUE(okno->editorOtevren());
    }
    void opravit(const QString& cislo) {
        ASSERT_TRUE(okno->seznam()->vyber(cislo));
        okno->akce(QStringLiteral("Opravit1"))->trigger();
        ASSERT_TRUE(okno->editorOtevren());
    }
    // A lot line as the user enters it: the lot number, the card from the picker, the quantity.
    void radekLotu(const QString& partie, const QString& mnozstvi, const QString& pr = QString()) {
        e->tlacitko(QStringLiteral("suiButton21"))->click();
        QLineEdit* p = e->radekPole(QStringLiteral("PARTIE"));
        p->setText(partie);
        ASSERT_TRUE(e->kontrolaPole(p));
        ASSERT_TRUE(e->vyberKaret()->isVisibleTo(e));
        ASSERT_EQ(e->vyberKaret()->pocetZobrazenych(), 1);
        e->vyberKaret()->tlacitkoPrevzit()->click();
        EXPECT_FALSE(e->vyberKaret()->isVisibleTo(e));
        e->radekPole(QStringLiteral("MNOZSTVI"))->setText(mnozstvi);
        if (!pr.isEmpty())
            e->radekPole(QStringLiteral("PR"))->setText(pr);
        e->tlacitko(QStringLiteral("suiButton13"))->click();
    }
    TabulkaDbf& hlavicka() { return okno->pracovniTabulky()->hlavicka(); }
    std::unique_ptr<TForm1> okno;
    EditorDokladu* e = nullptr;
};
} // namespace

TEST(RadkySmesi, CenaSmesiAPartie) {
    const QVector<RadekSmesi> r = {{QStringLiteral("260010101"), D("100"), D("50"), D("10.005")},
                                   {QStringLiteral("260010201"), D("100"), D("50"), D("12")}};
    EXPECT_EQ(HodnotaRadku(r[0]).text(2), QStringLiteral("1000.50"));
    EXPECT_EQ(HodnotaRadku(r[1]).text(2), QStringLiteral("1200.00"));
    EXPECT_EQ(CenaSmesi(r, true, D("200")).text(2), QStringLiteral("11.00"));
    EXPECT_TRUE(CenaSmesi(r, true, D("0")).jeNula());
    QVector<RadekSmesi> bezCeny = r;
    bezCeny[1].nc = D("0");
    EXPECT_TRUE(CenaSmesi(bezCeny, true, D("200")).jeNula());
    // A work counts in the price of own products only, and never in the totals.
    QVector<RadekSmesi> sPraci = r;
    sPraci.push_back({QStringLiteral("MIC"), D("200"), D("0"), D("0.8")});
    EXPECT_EQ(CenaSmesi(sPraci, true, D("200")).text(2), QStringLiteral("11.80"));
    EXPECT_EQ(CenaSmesi(sPraci, false, D("200")).text(2), QStringLiteral("11.00"));
    EXPECT_EQ(SoucetRadku(sPraci).mnozstvi.text(), QStringLiteral("200"));
    EXPECT_EQ(SoucetRadku(sPraci).pr.text(), QStringLiteral("100"));
    EXPECT_EQ(PartieCela(QStringLiteral("AABBBBBCC"), QStringLiteral("PPPP")),
              QStringLiteral("AA-PPPP-BBBBB-CC"));
}

TEST_F(Radky, ZustatekKartyNovyAOprava) {
    TestDb db;
    data(db, true);
    spust(db);
    novy();
    radekLotu(QStringLiteral("260010101"), QStringLiteral("100"));
    EXPECT_EQ(zpravy, QStringList{QStringLiteral("Nelze vydat! Na kartě je menší zůstatek.")});
    EXPECT_TRUE(e->editorRadku()->isVisibleTo(e)); // still open for the quantity
    e->tlacitko(QStringLiteral("suiButton14"))->click();
    EXPECT_EQ(e->modelRadku()->rowCount(), 0); // the new line is gone
    e->tlacitkoZpet()->click();

    // The correction of a document that took 30 kg of the lot may take 80 + 30.
    zpravy.clear();
    opravit(QStringLiteral("2610000001"));
    e->gridRadku()->setCurrentIndex(e->modelRadku()->index(0, 0));
    e->tlacitko(QStringLiteral("suiButton22"))->click();
    e->radekPole(QStringLiteral("MNOZSTVI"))->setText(QStringLiteral("110"));
    e->tlacitko(QStringLiteral("suiButton13"))->click();
    EXPECT_TRUE(zpravy.isEmpty()) << zpravy.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(hlavicka().cislo(QStringLiteral("MNOZSTVI")).text(), QStringLiteral("110"));
    EXPECT_EQ(hlavicka().cislo(QStringLiteral("NC")).text(2),
              QStringLiteral("10.01")); // 1100.55 / 110
}

TEST_F(Radky, ProcentaACena) {
    TestDb db;
    data(db, true);
    spust(db);
    novy();
    e->zadavatProcenta()->click();
    e->planovanyCelkem()->setText(QStringLiteral("200"));
    // 40 % of the planned 200 kg is 80 kg.
    e->tlacitko(QStringLiteral("suiButton21"))->click();
    QLineEdit* p = e->radekPole(QStringLiteral("PARTIE"));
    p->setText(QStringLiteral("260010101"));
    ASSERT_TRUE(e->kontrolaPole(p));
    e->vyberKaret()->tlacitkoPrevzit()->click();
    e->radekPole(QStringLiteral("PR"))->setText(QStringLiteral("40"));
    e->kontrolaPole(e->radekPole(QStringLiteral("PR")));
    EXPECT_EQ(e->radekPole(QStringLiteral("MNOZSTVI"))->text(), QStringLiteral("80"));
    e->tlacitko(QStringLiteral("suiButton13"))->click();
    radekLotu(QStringLiteral("260010201"), QStringLiteral("122"), QStringLiteral("61"));
    EXPECT_EQ(zpravy, QStringList{QStringLiteral("Překročen součet procent!")});
    EXPECT_TRUE(e->editorRadku()->isVisibleTo(e));
    e->radekPole(QStringLiteral("PR"))->setText(QStringLiteral("60"));
    e->radekPole(QStringLiteral("MNOZSTVI"))->setText(QStringLiteral("120"));
    e->tlacitko(QStringLiteral("suiButton13"))->click();
    EXPECT_EQ(zpravy.size(), 1);
    EXPECT_FALSE(e->editorRadku()->isVisibleTo(e));
    EXPECT_EQ(hlavicka().cislo(QStringLiteral("PR")).text(), QStringLiteral("100"));
    EXPECT_EQ(hlavicka().cislo(QStringLiteral("MNOZSTVI")).text(), QStringLiteral("200"));
    // 80 × 10.005 = 800.40, 120 × 12 = 1440.00; 2240.40 / 200 = 11.202
    EXPECT_EQ(hlavicka().cislo(QStringLiteral("NC")).text(2), QStringLiteral("11.20"));

    // A work line: by its code, in the price but not in the totals.
    e->zadavatProcenta()->click(); // quantities typed again
    e->tlacitko(QStringLiteral("suiButton21"))->click();
    p->setText(QStringLiteral("MIC"));
    ASSERT_TRUE(e->kontrolaPole(p));
    EXPECT_EQ(e->radekPole(QStringLiteral("MNOZSTVI"))->text(), QStringLiteral("200"));
    e->tlacitko(QStringLiteral("suiButton13"))->click();
    EXPECT_EQ(hlavicka().cislo(QStringLiteral("MNOZSTVI")).text(), QStringLiteral("200"));
    EXPECT_EQ(hlavicka().cislo(QStringLiteral("NC")).text(2),
              QStringLiteral("12.00")); // + 200 × 0.8
    // A work without a price is refused for own products.
    e->tlacitko(QStringLiteral("suiButton21"))->click();
    p->setText(QStringLiteral("DOP"));
    EXPECT_FALSE(e->kontrolaPole(p));
    EXPECT_EQ(zpravy.last(), QStringLiteral("Tato práce má nulovou NC!"));
    e->tlacitko(QStringLiteral("suiButton14"))->click();

    // Deleting a line recomputes the totals.
    e->gridRadku()->setCurrentIndex(e->modelRadku()->index(0, 0));
    e->tlacitko(QStringLiteral("suiButton23"))->click();
    EXPECT_EQ(zpravy.last(), QStringLiteral("Opravdu zrušit řádek ?"));
    EXPECT_EQ(e->modelRadku()->rowCount(), 2);
    EXPECT_EQ(hlavicka().cislo(QStringLiteral("MNOZSTVI")).text(), QStringLiteral("120"));
}

TEST_F(Radky, PravidlaHlavicky) {
    TestDb db;
    data(db, true);
    spust(db);
    novy();
    struct Pripad {
        const char* pole;
        const char* text;
        const char* zprava; // nullptr: accepted
    } pripady[] = {
        {"PARTIE", "26001", "Špatně zadaná partie."},         {"PARTIE", "AABBBBBCC", nullptr},
        {"PODNIK", "PP", "Špatně zadaný žadatel."},           {"PODNIK", "PPPP", nullptr},
        {"LOMENI", "60", "Nelze zadat lomení větší než 60."}, {"LOMENI", "59", nullptr}};
    for (const auto& c : pripady) {
        zpravy.clear();
        QLineEdit* p = e->pole(QString::fromLatin1(c.pole));
        p->setText(QString::fromLatin1(c.text));
        EXPECT_EQ(e->kontrolaPole(p), c.zprava == nullptr) << c.pole << " " << c.text;
        EXPECT_EQ(zpravy, c.zprava ? QStringList{QString::fromUtf8(c.zprava)} : QStringList())
            << c.text;
    }
    EXPECT_EQ(e->pole(QStringLiteral("PARTIECELA"))->text(), QStringLiteral("AA-PPPP-BBBBB-CC"));
    EXPECT_EQ(hlavicka().text(QStringLiteral("PARTIECELA")), QStringLiteral("AA-PPPP-BBBBB-CC"));
    EXPECT_EQ(hlavicka().cele(QStringLiteral("LOMENI")), 59);
    // A "55" lot keeps its short number and has no enterprise or sub-lot.
    QLineEdit* partie = e->pole(QStringLiteral("PARTIE"));
    partie->setText(QStringLiteral("551234567"));
    EXPECT_TRUE(e->kontrolaPole(partie));
    EXPECT_EQ(e->pole(QStringLiteral("PARTIECELA"))->text(), QStringLiteral("551234567"));
    EXPECT_FALSE(e->pole(QStringLiteral("PODNIK"))->isEnabled());
    // A date in the closed period is refused, the value kept.
    zpravy.clear();
    e->datum()->setDate(QDate(2026, 9, 30));
    EXPECT_FALSE(e->kontrolaPole(e->datum()));
    EXPECT_EQ(zpravy, QStringList{QStringLiteral("Datum je v již uzavřeném ÚO!")});
    e->datum()->setDate(QDate(2026, 10, 1));
    EXPECT_TRUE(e->kontrolaPole(e->datum()));
    // A character that Windows-1250 cannot hold is refused where it is typed.
    zpravy.clear();
    QLineEdit* popis = e->pole(QStringLiteral("POPIS"));
    popis->clear();
    popis->setFocus();
    for (const QString& znak : {QStringLiteral("s"), QStringLiteral("m"), QStringLiteral("ě"),
                                QStringLiteral("s"), QStringLiteral(" "), QStringLiteral("✓")}) {
        QKeyEvent k(QEvent::KeyPress, 0, Qt::NoModifier, znak);
        QApplication::sendEvent(popis, &k);
    }
    EXPECT_EQ(popis->text(), QStringLiteral("směs "));
    ASSERT_EQ(zpravy.size(), 1);
    EXPECT_TRUE(zpravy[0].contains(QStringLiteral("✓"))) << zpravy[0].toStdString();
    // "<" beside the variety takes a price-list row into the header.
    e->tlacitko(QStringLiteral("suiButton25"))->click();
    ASSERT_TRUE(e->vyberCeniku()->isVisibleTo(e));
    ASSERT_GT(e->vyberCeniku()->pocetZobrazenych(), 0);
    e->vyberCeniku()->vyberRadek(0);
    const QString nomenkla = e->vyberCeniku()->radek().nomenkla;
    e->vyberCeniku()->tlacitkoPrevzit()->click();
    EXPECT_FALSE(e->vyberCeniku()->isVisibleTo(e));
    EXPECT_EQ(hlavicka().text(QStringLiteral("NOMENKLA")), nomenkla);
    EXPECT_EQ(e->pole(QStringLiteral("NOMENKLA"))->text(), nomenkla);
}
