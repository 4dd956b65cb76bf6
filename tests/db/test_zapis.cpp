// Posting and correcting mixtures against the suite's tables: the work tables are filled as
// the editor leaves them, the script runs through the session's executor, and every effect
// is read back from the database.
#include "dbf.h"
#include "dokladtest.h"
#include "hodiny.h"
#include "hodnoty.h"
#include "pracovnitabulky.h"
#include "relace.h"
#include "testdb.h"
#include "zapis.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {
Desetinne D(const char* t) {
    return *Desetinne::zTextu(QString::fromLatin1(t));
}

const QString Stredisko = QStringLiteral("20");

QString Lot(int n) {
    return QStringLiteral("26-0126-%1-01").arg(n, 5, 10, QLatin1Char('0'));
}

class ZapisDb : public ::testing::Test {
protected:
    void SetUp() override {
        puvodni = QDir::currentPath();
        QDir::setCurrent(TestTmpDir()); // sme.err of a failure lands here
        Hodiny::nastav([] { return QDateTime(QDate(2026, 3, 14), QTime(10, 15)); });
        for (const QString& sql : {
                 QStringLiteral("insert into skarta (partiecela, lomeni, stredisko, partie, "
                                "nazevosiva, zustatek, smesi, mj) values "
                                "('26-0126-00101-01', 0, '20', '260010101', 'Jílek', 500, 0, 'kg'),"
                                "('26-0126-00102-01', 0, '20', '260010201', 'Jetel', 500, 0, 'kg'),"
                                "('26-0126-00103-01', 0, '20', '260010301', 'Kostřava', 500, 0, "
                                "'kg'),"
                                // the same lot at another cost centre is another card
                                "('26-0126-00101-01', 0, '10', '260010101', 'Jílek', 77, 0, 'kg')"),
                 QStringLiteral("insert into sklpalety (cislo, partiecela, lomeni, stredisko, "
                                "pocet, vahao1, mj, celkem, zbytek, zustatek) values "
                                "(77, '26-0126-00101-01', 0, '20', 4, 25, 'kg', 100, 5, 105)"),
             })
            ASSERT_TRUE(db.spojeni().proved(sql)) << db.spojeni().chyba().toStdString();
        ASSERT_TRUE(t.udelejDBF(db.spojeni())) << t.chyba().toStdString();
        ASSERT_TRUE(r.spojeni().pripoj(db.parametry()));
        ASSERT_TRUE(r.spojeni().proved(QStringLiteral("SET names cp1250;")));
        v.CisloPC = QStringLiteral("05");
        v.stredisko = Stredisko;
        v.podnik = QStringLiteral("0126");
        v.PaletyStrediska = true;
        v.UcetniRok = QStringLiteral("1");
        v.ted = Hodiny::ted();
        v.OdeslanoUKZUZ = QDateTime(QDate(1911, 11, 11), QTime(0, 0));
    }
    void TearDown() override {
        Hodiny::nastav({});
        QDir::setCurrent(puvodni);
    }

    // A header as the editor has it for a new document.
    RadekDokladu Hlavicka(int lot, const char* mnozstvi) {
        RadekDokladu h;
        h.stredisko = Stredisko;
        h.partie =
            QStringLiteral("2600%1").arg(lot, 3, 10, QLatin1Char('0')) + QStringLiteral("01");
        h.partiecela = Lot(lot);
        h.nomenkla = QStringLiteral("1441");
        h.nazevosiva = QStringLiteral("Směs O'Neil");
        h.mnozstvi = D(mnozstvi);
        h.pr = D("100");
        h.nc = D("12.5");
        h.pc = D("14");
        h.datum = QDate(2026, 3, 14);
        h.smes = QStringLiteral("1");
        h.druh = QStringLiteral("JLV");
        h.odruda = QStringLiteral("BEC");
        h.naz_dru = QStringLiteral("jílek");
        h.naz_odru = QStringLiteral("Bečva \\ nová");
        h.popis = QStringLiteral("Popis; s 'uvozovkou'");
        return h;
    }
    RadekDokladu Slozka(int lot, const char* mnozstvi) {
        RadekDokladu r;
        r.partiecela = Lot(lot);
        r.partie =
            QStringLiteral("2600%1").arg(lot, 3, 10, QLatin1Char('0')) + QStringLiteral("01");
        r.nazevosiva = QStringLiteral("Složka");
        r.mnozstvi = D(mnozstvi);
        return r;
    }
    void NovyDoklad(const RadekDokladu& h, const QList<RadekDokladu>& radky) {
        ASSERT_TRUE(t.novyDoklad(v.PaletyStrediska, Stredisko)) << t.chyba().toStdString();
        t.hlavicka().zrus(); // the editor's blank header record replaced by ours
        ASSERT_EQ(Pridej(t.hlavicka(), h), QString());
        for (const RadekDokladu& x : radky)
            ASSERT_EQ(Pridej(t.radky(), x), QString());
    }
    void Proved(const QStringList& skript) {
        r.skript().vymaz();
        r.skript().pridej(skript);
        const VysledekSkriptu vs = r.ProvedSkript();
        ASSERT_TRUE(vs.ok) << vs.chyba.toStdString() << " at statement " << vs.chybnyPrikaz << ":\n"
                           << r.skript().prikazy().value(vs.chybnyPrikaz).toStdString();
    }
    QString Cislo() {
        Vysledek c;
        EXPECT_TRUE(r.spojeni().proved(QStringLiteral("select @CiDo"), &c));
        return c.text(0, 0);
    }
    // The document as the editor opens it for correction.
    void Otevri(const QString& cislo) {
        ASSERT_TRUE(t.otevriDoklad(db.spojeni(), cislo, v.PaletyStrediska))
            << t.chyba().toStdString();
    }
    bool NastavMnozstvi(TabulkaDbf& tab, const QString& partiecela, const char* mnozstvi) {
        for (bool ok = tab.prvni(); ok && !tab.jeKonec(); ok = tab.dalsi())
            if (tab.text(QStringLiteral("PARTIECELA")) == partiecela)
                return tab.uprav() && tab.nastavCislo(QStringLiteral("MNOZSTVI"), D(mnozstvi)) &&
                       tab.uloz();
        return false;
    }
    // Balance / smesi of every card of the cost centre, by lot.
    QString Karty() {
        return db.hodnota(QStringLiteral(
            "select group_concat(concat(partiecela, '=', round(zustatek, 1), '/', "
            "round(smesi, 1)) order by partiecela separator ' ') from skarta where stredisko = "
            "'20'"));
    }
    QString Paleta() {
        return db.hodnota(QStringLiteral(
            "select concat(pocet, '/', round(celkem, 1), '/', round(zbytek, 1), '/', "
            "round(zustatek, 1)) from sklpalety where cislo = 77"));
    }

    QString puvodni;
    TestDb db;
    PracovniTabulky t{TestTmpDir()};
    Relace r;
    VstupZapisu v;
};
} // namespace

TEST_F(ZapisDb, NovyDokladVsechnyUcinky) {
    const QString otherCard = db.hodnota(
        QStringLiteral("select concat_ws('|', zustatek, smesi, ppohyb) from skarta where "
                       "partiecela = '26-0126-00101-01' and stredisko = '10'"));
    RadekDokladu prace;
    prace.nomenkla = QStringLiteral("P01");
    prace.nazevosiva = QStringLiteral("Míchání");
    prace.mj = QStringLiteral("h");
    prace.mnozstvi = D("2");
    NovyDoklad(Hlavicka(800, "140"),
               {Slozka(101, "100"), Slozka(102, "40"), prace, Slozka(103, "0")});
    ObalDokladu o;
    o.stredisko = Stredisko;
    o.nomenkla = QStringLiteral("600001");
    o.nazevosiva = QStringLiteral("Pytel 25 kg");
    o.mnozstvi = D("125");
    o.poceto = D("5");
    o.vahao1 = D("25");
    o.vahao1kg = D("25");
    o.navesky = QStringLiteral("CZ 1-5");
    ASSERT_EQ(Pridej(t.obaly(), o), QString());
    PaletaDokladu p;
    p.cislo = 77;
    p.partiecela = Lot(101);
    p.stredisko = Stredisko;
    p.misto = QStringLiteral("A1");
    p.vahao1 = D("25");
    p.zbytek = D("40");
    p.zustatek = D("40");
    ASSERT_EQ(Pridej(t.palety(), p), QString());
    v.SM_vyrobky = true;
    v.obalKarty.mnomenkla1 = QStringLiteral("600001");
    v.obalKarty.mo1 = QStringLiteral("Pytel 25 kg");
    v.obalKarty.vahaobalu = D("0.15");
    v.obalKarty.ek1 = QStringLiteral("F00123");
    v.obalKarty.vahao1 = D("25");
    v.obalKarty.poceto1 = 5;
    v.obalKarty.navesky = QStringLiteral("CZ 1-5");
    v.obalKarty.datumrozho = QDate(2026, 3, 1);
    Proved(SkriptNovehoDokladu(v, t));
    const QString cislo = Cislo();
    EXPECT_EQ(cislo, QStringLiteral("2026200001"));

    // Components issued by relative updates; the line of quantity 0 posts "00" and changes
    // nothing; the work line finds no card; the same lot at cost centre 10 is untouched.
    EXPECT_EQ(Karty(), QStringLiteral("26-0126-00101-01=400.0/100.0 26-0126-00102-01=460.0/40.0 "
                                      "26-0126-00103-01=500.0/0.0 26-0126-00800-01=140.0/0.0"));
    EXPECT_EQ(db.hodnota(
                  QStringLiteral("select concat_ws('|', zustatek, smesi, ppohyb) from skarta where "
                                 "partiecela = '26-0126-00101-01' and stredisko = '10'")),
              otherCard);
    EXPECT_EQ(db.pocet(QStringLiteral("skarta")), 5);
    EXPECT_EQ(db.hodnota(QStringLiteral("select group_concat(concat(smes, ':', partiecela, ':', "
                                        "round(mnozstvi, 1), ':', stredisko, ':', datum, ':', "
                                        "rokd) order by id separator ' ') from smesi")),
              QStringLiteral("0:26-0126-00101-01:100.0:20:2026-03-14:2026 "
                             "0:26-0126-00102-01:40.0:20:2026-03-14:2026 "
                             "0::2.0:20:2026-03-14:2026 "
                             "0:26-0126-00103-01:0.0:20:2026-03-14:2026 "
                             "1:26-0126-00800-01:140.0:20:2026-03-14:2026"));
    EXPECT_EQ(db.pocet(QStringLiteral("smesi"),
                       QStringLiteral("cislodokla = '%1' and potvrzena = 1").arg(cislo)),
              5);
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat_ws('|', popis, naz_odru, nazevosiva) from "
                                        "smesi where smes = '1'")),
              QStringLiteral("Popis; s 'uvozovkou'|Bečva \\ nová|Směs O'Neil"));

    // The mixed lot's new card, every column the posting writes.
    EXPECT_EQ(
        db.hodnota(QStringLiteral(
            "select concat_ws('|', partie, stredisko, podnik, lomeni, nomenkla, nazevosiva, mj, "
            "druh, odruda, stupen, naz_dru, naz_odru, round(nc, 2), round(pc, 2), "
            "round(zustatek, 2), popis, concat('[', vlast_vyro, ']'), mnomenkla1, mo1, "
            "round(vahaobalu, 2), ek1, round(vahao1, 2), round(poceto1), navesky, "
            "concat('[', ulc, ']'), datumrozho, vzdatum, ppohyb, zalozena, round(vahacelko1, 2), "
            "round(prepnatuny)) from skarta where partiecela = '26-0126-00800-01'")),
        QStringLiteral("260080001|20|0126|0|1441|Směs O'Neil|kg|JLV|BEC||jílek|Bečva \\ nová|12.50|"
                       "14.00|140.00|Popis; s 'uvozovkou'|[A]|600001|Pytel 25 kg|0.15|F00123|"
                       "25.00|5|CZ 1-5|[]|2026-03-01|1900-01-01|2026-03-14|2026-03-14|25.00|0"));

    // Packaging, pallet, audit row and numbering row of the same number.
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat_ws('|', cislodokla, stredisko, nomenkla, "
                                        "round(mnozstvi), round(poceto), navesky) from smesiobal")),
              cislo + QStringLiteral("|20|600001|125|5|CZ 1-5"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat_ws('|', cislodokla, cislo, partiecela, "
                                        "round(zbytek), ppohyb) from smesipa")),
              cislo + QStringLiteral("|77|26-0126-00101-01|40|2026-03-14"));
    // 40 kg loose from 5 kg loose and packages of 25 kg: two packages opened, 15 kg left.
    EXPECT_EQ(Paleta(), QStringLiteral("2/50.0/15.0/65.0"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat_ws('|', modul, pc, stredisko, doklad, "
                                        "cislodokla, misto, identifik) from historied")),
              QStringLiteral("Směsi|05|20|SM|%1||0505260314101500").arg(cislo));
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat_ws('|', STREDISKO, ROK, TYPD, CISLOPC, "
                                        "CISLO) from cisdokl")),
              QStringLiteral("20|2026|SM|05|") + cislo);
}

TEST_F(ZapisDb, NovaKartaPodleNastaveni) {
    struct Pripad {
        const char* nazev;
        bool mp;
        bool vyrobky;
        const char* karta; // ulc | datumrozho | vzdatum | [vlast_vyro] | packaging columns
    } pripady[] = {
        {"generated ULČ: mp, number, hyphen, enterprise code; both dates the document's", true,
         true, "mp2026200001-0126|17|2026-03-14|2026-03-14|[A]||||0.0000|0.0000|0.0000|0.0000"},
        {"typed ULČ, own production N, packaging never filled", false, false,
         "C1-07|5|2026-03-01|1900-01-01|[ ]||||0.0000|0.0000|0.0000|0.0000"},
    };
    int lot = 810;
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        RadekDokladu h = Hlavicka(++lot, "10");
        h.ulc = QStringLiteral("C1-07");
        NovyDoklad(h, {Slozka(101, "10")});
        VstupZapisu x = v;
        x.mpDoUlc = p.mp;
        x.SM_vyrobky = p.vyrobky;
        x.obalKarty = ObalKarty();
        x.obalKarty.datumrozho = QDate(2026, 3, 1);
        x.PaletyStrediska = false;
        Proved(SkriptNovehoDokladu(x, t));
        EXPECT_EQ(
            db.hodnota(
                QStringLiteral(
                    "select concat_ws('|', ulc, length(ulc), datumrozho, vzdatum, concat('[', "
                    "vlast_vyro, ']'), mnomenkla1, mo1, ek1, vahaobalu, vahao1, poceto1, "
                    "vahacelko1) from skarta where partiecela = ") +
                SqlText(Lot(lot))),
            QString::fromUtf8(p.karta));
    }
}

// SM_JAKNC 1 without "Potvrzená SM": the header, the card and, through a correction that
// keeps the lot, the rows of later documents all get nc 0 and no confirmation mark.
TEST_F(ZapisDb, NepotvrzenaCenaVsudeNula) {
    v.SM_JAKNC = 1;
    v.potvrzena = true;
    v.PaletyStrediska = false;
    NovyDoklad(Hlavicka(820, "100"), {Slozka(101, "100")});
    Proved(SkriptNovehoDokladu(v, t));
    const QString cislo = Cislo();
    ASSERT_TRUE(db.spojeni().proved(
        QStringLiteral("insert into dlrad (cislodokla, partiecela, lomeni, nc, odruda) values "
                       "('2610000009', '26-0126-00820-01', 0, 12.5, 'BEC')")));
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat(round(nc, 2), '/', potvrzena) from smesi "
                                        "where smes = '1'")),
              QStringLiteral("12.50/1"));

    Otevri(cislo);
    v.potvrzena = false;
    v.StavZapisu = 1;
    Proved(Oprava(v, t));
    EXPECT_EQ(db.hodnota(QStringLiteral("select group_concat(concat(smes, ':', round(nc, 2), ':', "
                                        "potvrzena) order by smes) from smesi")),
              QStringLiteral("0:0.00:0,1:0.00:0"));
    EXPECT_EQ(db.hodnota(QStringLiteral(
                  "select round(nc, 2) from skarta where partiecela = '26-0126-00820-01'")),
              QStringLiteral("0.00"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select round(nc, 2) from dlrad")), QStringLiteral("0.00"));
}

// A correction that keeps the lot: a component raised, another removed, the mixed quantity
// raised while part of the lot has been delivered, the variety changed, the send time kept.
TEST_F(ZapisDb, OpravaPonechanePartie) {
    v.PaletyStrediska = false;
    v.potvrzena = true;
    NovyDoklad(Hlavicka(830, "1000"), {Slozka(101, "100"), Slozka(102, "300")});
    Proved(SkriptNovehoDokladu(v, t));
    const QString cislo = Cislo();
    for (const QString& sql :
         {QStringLiteral(
              "update smesi set slonaukzuz = '2026-03-15 08:09:10' where cislodokla = ") +
              SqlText(cislo),
          // 300 of the mixed lot went out on a delivery note since.
          QStringLiteral("update skarta set zustatek = zustatek - 300 where partiecela = "
                         "'26-0126-00830-01'"),
          QStringLiteral("insert into dlrad (cislodokla, partiecela, lomeni, hmotnostvn, druh, "
                         "odruda, naz_odru) values ('2610000009', '26-0126-00830-01', 0, 300, "
                         "'JLV', 'BEC', 'Bečva')")})
        ASSERT_TRUE(db.spojeni().proved(sql)) << db.spojeni().chyba().toStdString();
    ASSERT_EQ(Karty(), QStringLiteral("26-0126-00101-01=400.0/100.0 26-0126-00102-01=200.0/300.0 "
                                      "26-0126-00103-01=500.0/0.0 26-0126-00830-01=700.0/0.0"));

    Otevri(cislo);
    ASSERT_TRUE(NastavMnozstvi(t.radky(), Lot(101), "120"));
    TabulkaDbf& radky = t.radky();
    for (bool ok = radky.prvni(); ok && !radky.jeKonec(); ok = radky.dalsi())
        if (radky.text(QStringLiteral("PARTIECELA")) == Lot(102)) {
            ASSERT_TRUE(radky.smaz());
            break;
        }
    TabulkaDbf& h = t.hlavicka();
    ASSERT_TRUE(h.prvni() && h.uprav() && h.nastavCislo(QStringLiteral("MNOZSTVI"), D("1100")) &&
                h.nastavText(QStringLiteral("ODRUDA"), QStringLiteral("TAB")) &&
                h.nastavText(QStringLiteral("NAZ_ODRU"), QStringLiteral("Tábor")) && h.uloz());
    v.StavZapisu = 1;
    v.OdeslanoUKZUZ = QDateTime(QDate(2026, 3, 15), QTime(8, 9, 10));
    Proved(Oprava(v, t));
    EXPECT_EQ(Cislo(), cislo);

    // 100 -> 120: net -20 on the card, +20 in its smesi column; the removed line's 300 back;
    // the kept card 700 - 1000 + 1100.
    EXPECT_EQ(Karty(), QStringLiteral("26-0126-00101-01=380.0/120.0 26-0126-00102-01=500.0/0.0 "
                                      "26-0126-00103-01=500.0/0.0 26-0126-00830-01=800.0/0.0"));
    EXPECT_EQ(db.pocet(QStringLiteral("smesi"),
                       QStringLiteral("cislodokla = '%1' and rokd = '2026'").arg(cislo)),
              2);
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat_ws('|', odruda, naz_odru, slonaukzuz, "
                                        "potvrzena) from smesi where smes = '1'")),
              QStringLiteral("TAB|Tábor|2026-03-15 08:09:10|1"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat_ws('|', druh, odruda, naz_odru, "
                                        "round(nc, 2), round(hmotnostvn)) from dlrad")),
              QStringLiteral("JLV|TAB|Tábor|12.50|300"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat_ws('|', odruda, round(prepnatuny)) from "
                                        "skarta where partiecela = '26-0126-00830-01'")),
              QStringLiteral("TAB|1"));
    // One audit row per posting, one numbering row in all.
    EXPECT_EQ(
        db.pocet(QStringLiteral("historied"), QStringLiteral("cislodokla = ") + SqlText(cislo)), 2);
    EXPECT_EQ(db.pocet(QStringLiteral("cisdokl")), 1);
}

// A correction to another lot number: the old card goes, the new one comes; a lot that has a
// card at any cost centre is found by the existence test first.
TEST_F(ZapisDb, OpravaZmenenePartie) {
    v.PaletyStrediska = false;
    NovyDoklad(Hlavicka(840, "100"), {Slozka(101, "100")});
    Proved(SkriptNovehoDokladu(v, t));
    const QString cislo = Cislo();

    Vysledek kde;
    ASSERT_TRUE(db.spojeni().proved(SqlExistencePartie(Lot(101), 0), &kde));
    EXPECT_EQ(kde.pocetRadku(), 2); // cost centres 20 and 10
    ASSERT_TRUE(db.spojeni().proved(SqlExistencePartie(Lot(841), 0), &kde));
    EXPECT_EQ(kde.pocetRadku(), 0);

    Otevri(cislo);
    TabulkaDbf& h = t.hlavicka();
    ASSERT_TRUE(h.prvni() && h.uprav() && h.nastavText(QStringLiteral("PARTIECELA"), Lot(841)) &&
                h.nastavText(QStringLiteral("PARTIE"), QStringLiteral("260084101")) && h.uloz());
    v.StavZapisu = 0;
    Proved(Oprava(v, t));
    EXPECT_EQ(
        db.pocet(QStringLiteral("skarta"), QStringLiteral("partiecela = ") + SqlText(Lot(840))), 0);
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat_ws('|', round(zustatek), partie) from "
                                        "skarta where partiecela = ") +
                         SqlText(Lot(841))),
              QStringLiteral("100|260084101"));
    EXPECT_EQ(Karty(), QStringLiteral("26-0126-00101-01=400.0/100.0 26-0126-00102-01=500.0/0.0 "
                                      "26-0126-00103-01=500.0/0.0 26-0126-00841-01=100.0/0.0"));
}

// The pallet of a correction: 2 packages of 25 kg and 10 kg loose were taken, its remainder is
// now 20 kg; it gets them back (remainder 30) and one more package is counted (remainder 5).
TEST_F(ZapisDb, PaletaSeVratiPriOprave) {
    NovyDoklad(Hlavicka(850, "60"), {Slozka(101, "60")});
    PaletaDokladu p;
    p.cislo = 77;
    p.partiecela = Lot(101);
    p.stredisko = Stredisko;
    p.pocet = 2;
    p.vahao1 = D("25");
    p.celkem = D("50");
    p.zbytek = D("10");
    p.zustatek = D("60");
    ASSERT_EQ(Pridej(t.palety(), p), QString());
    // 4 packages + 5 kg loose: 2 packages and 10 kg taken, one package opened.
    Proved(SkriptNovehoDokladu(v, t));
    ASSERT_EQ(Paleta(), QStringLiteral("1/25.0/20.0/45.0"));
    const QString cislo = Cislo();

    Otevri(cislo);
    // The pallet's withdrawal cleared in the editor: nothing is taken again.
    ASSERT_TRUE(t.palety().prvni() && t.palety().smaz());
    v.StavZapisu = 1;
    Proved(Oprava(v, t));
    EXPECT_EQ(Paleta(), QStringLiteral("4/100.0/5.0/105.0"));
    EXPECT_EQ(db.pocet(QStringLiteral("smesipa")), 0);
}
