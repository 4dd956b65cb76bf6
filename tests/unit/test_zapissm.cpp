// The posting script built from work tables without a server, compared line by line with
// the text the database receives: a new document with a component, a work line, packaging
// and a pallet; the stock card of the mixture in its variants; a correction's reversal and
// the kept lot's card with the propagation.
#include "dbf.h"
#include "dokladtest.h"
#include "hodiny.h"
#include "pracovnitabulky.h"
#include "relace.h"
#include "testdb.h"
#include "zapis.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
Desetinne D(const char* t) {
    return *Desetinne::zTextu(QString::fromLatin1(t));
}

QStringList Radky(const char* text) {
    QStringList r = QString::fromUtf8(text).split(QLatin1Char('\n'));
    if (!r.isEmpty() && r.first().isEmpty())
        r.removeFirst();
    if (!r.isEmpty() && r.last().isEmpty())
        r.removeLast();
    return r;
}

// A statement piece may hold several lines; the script reaches the server as these lines.
QStringList PoRadcich(const QStringList& skript) {
    return skript.join(QLatin1Char('\n')).split(QLatin1Char('\n'));
}

// Line by line, so a difference names its line instead of one long text.
void OcekavejRadky(const QStringList& skutecne, const QStringList& ocekavane) {
    for (qsizetype i = 0; i < std::max(skutecne.size(), ocekavane.size()); ++i) {
        const QString s = i < skutecne.size() ? skutecne[i] : QStringLiteral("<none>");
        const QString o = i < ocekavane.size() ? ocekavane[i] : QStringLiteral("<none>");
        EXPECT_EQ(s.toStdString(), o.toStdString()) << "line " << i;
        if (s != o)
            return; // the rest is shifted; one difference is enough
    }
}

// The lines from the first one equal to `od` up to and including the next one equal to
// `po` (the whole rest when po is empty).
QStringList Usek(const QStringList& s, const QString& od, const QString& po = {}) {
    const qsizetype a = s.indexOf(od);
    if (a < 0)
        return {};
    const qsizetype b = po.isEmpty() ? s.size() - 1 : s.indexOf(po, a);
    return b < 0 ? QStringList() : s.mid(a, b - a + 1);
}

RadekDokladu Hlavicka() {
    RadekDokladu h;
    h.stredisko = QStringLiteral("20");
    h.partie = QStringLiteral("260080001");
    h.partiecela = QStringLiteral("26-0126-00800-01");
    h.nomenkla = QStringLiteral("1441");
    h.nazevosiva = QStringLiteral("Směs O'Neil");
    h.mnozstvi = D("150.5");
    h.pr = D("100");
    h.nc = D("12.5");
    h.pc = D("14");
    h.datum = QDate(2026, 3, 14);
    h.smes = QStringLiteral("1");
    h.druh = QStringLiteral("JLV");
    h.odruda = QStringLiteral("BEC");
    h.stupen = QStringLiteral("C1");
    h.naz_dru = QStringLiteral("jílek vytrvalý");
    h.naz_odru = QStringLiteral("Bečva \\ nová");
    h.popis = QStringLiteral("Pro pícní");
    h.cinnost = QStringLiteral("pícní využití");
    return h;
}

RadekDokladu Slozka() {
    RadekDokladu r;
    // Cost centre, date and language still those of the line editor: posting copies the
    // header's into every line first.
    r.stredisko = QStringLiteral("10");
    r.datum = QDate(2026, 1, 2);
    r.jazyk.clear();
    r.partie = QStringLiteral("260010101");
    r.lomeni = 2;
    r.partiecela = QStringLiteral("26-0126-00101-01");
    r.nomenkla = QStringLiteral("1441");
    r.nazevosiva = QStringLiteral("Jílek 'Bečva'");
    r.mnozstvi = D("150.5");
    r.pr = D("100");
    r.nc = D("12.5");
    r.pc = D("14");
    r.ulc = QStringLiteral("C1");
    r.druh = QStringLiteral("JLV");
    r.odruda = QStringLiteral("BEC");
    r.stupen = QStringLiteral("C1");
    r.naz_dru = QStringLiteral("jílek vytrvalý");
    r.naz_odru = QStringLiteral("Bečva");
    return r;
}

// A work line: no lot, quantity 0.
RadekDokladu Prace() {
    RadekDokladu r;
    r.podnik.clear();
    r.nomenkla = QStringLiteral("P01");
    r.nazevosiva = QStringLiteral("Míchání");
    r.mj = QStringLiteral("h");
    r.nc = D("350");
    return r;
}

ObalDokladu Obal() {
    ObalDokladu o;
    o.stredisko = QStringLiteral("20");
    o.nomenkla = QStringLiteral("600001");
    o.nazevosiva = QStringLiteral("Pytel 25 kg");
    o.mnozstvi = D("150");
    o.poceto = D("6");
    o.vahao1 = D("25");
    o.vahao1kg = D("25");
    o.druh = QStringLiteral("JLV");
    o.odruda = QStringLiteral("BEC");
    o.stupen = QStringLiteral("C1");
    o.naz_dru = QStringLiteral("jílek vytrvalý");
    o.naz_odru = QStringLiteral("Bečva");
    o.navesky = QStringLiteral("CZ 1-6");
    return o;
}

PaletaDokladu Paleta() {
    PaletaDokladu p;
    p.cislo = 77;
    p.partiecela = QStringLiteral("26-0126-00101-01");
    p.lomeni = 2;
    p.stredisko = QStringLiteral("20");
    p.misto = QStringLiteral("Sklad A");
    p.pocet = 4;
    p.vahao1 = D("25");
    p.celkem = D("100");
    p.zbytek = D("50.5");
    p.zustatek = D("150.5");
    p.datumbal = QDate(2025, 9, 1);
    return p;
}

class ZapisSMTest : public ::testing::Test {
protected:
    void SetUp() override {
        Hodiny::nastav([] { return QDateTime(QDate(2026, 3, 14), QTime(10, 15)); });
        ASSERT_EQ(VytvorBezServeru(t), QString());
        v.CisloPC = QStringLiteral("05");
        v.stredisko = QStringLiteral("20");
        v.podnik = QStringLiteral("0126");
        v.SM_JAKNC = 1;
        v.potvrzena = true;
        v.PaletyStrediska = true;
        v.OdeslanoUKZUZ = QDateTime(QDate(1911, 11, 11), QTime(0, 0));
        v.UcetniRok = QStringLiteral("1");
        v.CislovaniD = 0;
        v.ted = Hodiny::ted();
        v.obalKarty.mnomenkla1 = QStringLiteral("600001");
        v.obalKarty.mo1 = QStringLiteral("Pytel 25 kg");
        v.obalKarty.vahaobalu = D("0.15");
        v.obalKarty.ek1 = QStringLiteral("F00123");
        v.obalKarty.vahao1 = D("25");
        v.obalKarty.poceto1 = 6;
        v.obalKarty.navesky = QStringLiteral("CZ 1-6");
        v.obalKarty.datumrozho = QDate(2026, 3, 1);
    }
    void TearDown() override { Hodiny::nastav({}); }

    void NovyDoklad() {
        ASSERT_EQ(Pridej(t.hlavicka(), Hlavicka()), QString());
        ASSERT_EQ(Pridej(t.radky(), Slozka()), QString());
        ASSERT_EQ(Pridej(t.radky(), Prace()), QString());
        ASSERT_EQ(Pridej(t.obaly(), Obal()), QString());
        ASSERT_EQ(Pridej(t.palety(), Paleta()), QString());
    }

    PracovniTabulky t{TestTmpDir()};
    VstupZapisu v;
};

const char* const NovyZacatek = R"(
BEGIN;
SET @RokDo = '2026';
INSERT INTO `cisdokl` (`STREDISKO`, `ROK`, `TYPD`, `CISLO0`, `CISLOPC`)
 VALUES ('20', 2026, "SM", 2026200001,'05');
SET @CiDo = @pomCis;
insert into smesi 
(cislodokla,rokd,stredisko,partie,podnik,lomeni,partiecela,
nomenkla,nazevosiva,mnozstvi,mj,pc,nc,pr,ulc,smes,datum,
druh,odruda,stupen,naz_dru,naz_odru,jazyk)
 values(
@CiDo,
@RokDo,
'20',
'260010101',
'0126',
'2',
'26-0126-00101-01',
'1441',
'Jílek ''Bečva''',
0150.5,
'kg',
014,
012.5,
0100,
'C1',
00,
'2026-03-14',
'JLV',
'BEC',
'C1',
'jílek vytrvalý',
'Bečva',
'C')
;
update skarta
 set zustatek = zustatek - 0150.5, smesi = smesi + 0150.5
 ,ppohyb='2026-03-14'
 where partiecela = '26-0126-00101-01'
 and lomeni = 2
 and stredisko = '20'
;
insert into smesi 
(cislodokla,rokd,stredisko,partie,podnik,lomeni,partiecela,
nomenkla,nazevosiva,mnozstvi,mj,pc,nc,pr,ulc,smes,datum,
druh,odruda,stupen,naz_dru,naz_odru,jazyk)
 values(
@CiDo,
@RokDo,
'20',
'',
'',
'0',
'',
'P01',
'Míchání',
00,
'h',
00,
0350,
00,
'',
00,
'2026-03-14',
'',
'',
'',
'',
'',
'C')
;
update skarta
 set zustatek = zustatek - 00, smesi = smesi + 00
 ,ppohyb='2026-03-14'
 where partiecela = ''
 and lomeni = 0
 and stredisko = '20'
;
insert into smesiobal 
(cislodokla,stredisko,nomenkla,nazevosiva,mnozstvi,mj,poceto,
vahao1,druh,odruda,stupen,naz_dru,naz_odru,navesky,vahao1kg,cislopv9)
 values(
@CiDo,
'20',
'600001',
'Pytel 25 kg',
0150,
'kg',
06,
025,
'JLV',
'BEC',
'C1',
'jílek vytrvalý',
'Bečva',
'CZ 1-6',
025,
'')
;
)";

const char* const NovyPaletyAKonec = R"(
insert into smesipa 
(cislodokla,cislo,partiecela,lomeni,stredisko,misto,
pocet,vahao1,mj,celkem,zbytek,zustatek,datumbal,ppohyb)
 values(
@CiDo,
'77',
'26-0126-00101-01',
'2',
'20',
'Sklad A',
'4',
025,
'kg',
0100,
050.5,
0150.5,
'2025-09-01',
'2026-03-14')
;
update sklpalety 
 set pocet=pocet - 4
 ,celkem=celkem - 100
 ,zbytek=zbytek - 50.5
 ,zustatek=zustatek - 150.5
 ,ppohyb='2026-03-14'
 where cislo=77
 and stredisko='20'
;
select @pocetpal:=TRUNCATE(abs(zbytek)/vahao1,0)+1 from sklpalety
 where cislo=77 and zbytek<0
 and stredisko='20'
;
update sklpalety SET pocet=pocet-IF(@pocetpal is NULL,0,@pocetpal), celkem=pocet*vahao1, zbytek=zbytek+IF(@pocetpal is NULL,0,@pocetpal*vahao1)
 where cislo=77 and zbytek<0
 and stredisko='20'
;
insert into smesi 
(cislodokla,rokd,stredisko,partie,podnik,lomeni,partiecela,
nomenkla,nazevosiva,mnozstvi,mj,pc,nc,pr,ulc,smes,datum,
druh,odruda,stupen,naz_dru,naz_odru,popis,cinnost,jazyk)
 values(
@CiDo,
@RokDo,
'20',
'260080001',
'0126',
'0',
'26-0126-00800-01',
'1441',
'Směs O''Neil',
0150.5,
'kg',
014,
012.5,
0100,
'',
01,
'2026-03-14',
'JLV',
'BEC',
'C1',
'jílek vytrvalý',
'Bečva \\ nová',
'Pro pícní',
'pícní využití',
'C')
;
UPDATE smesi SET potvrzena=1
where cislodokla=@CiDo
;
insert into skarta 
(PARTIE,STREDISKO,PODNIK,LOMENI,PARTIECELA,
NOMENKLA,NAZEVOSIVA,MJ,DRUH,ODRUDA,STUPEN,
NAZ_DRU,NAZ_ODRU,NC,PC,ZUSTATEK,POPIS,VLAST_VYRO,
MNOMENKLA1,MO1,VAHAOBALU,EK1,VAHAO1,POCETO1,NAVESKY,
ULC,DATUMROZHO,VZDATUM,PPOHYB,ZALOZENA,VAHACELKO1)
 values (
'260080001',
'20',
'0126',
'0',
'26-0126-00800-01',
'1441',
'Směs O''Neil',
'kg',
'JLV',
'BEC',
'C1',
'jílek vytrvalý',
'Bečva \\ nová',
012.5,
014,
0150.5,
'Pro pícní',
'A',
'600001',
'Pytel 25 kg',
00.15,
'F00123',
025,
06,
'CZ 1-6',
'',
'2026-03-01',
'1900-01-01',
'2026-03-14',
'2026-03-14',
025)
;
COMMIT;
)";
} // namespace

TEST_F(ZapisSMTest, NovyDokladRadekPoRadku) {
    NovyDoklad();
    const QStringList s = PoRadcich(SkriptNovehoDokladu(v, t));
    QStringList ocekavane = Radky(NovyZacatek);
    ocekavane << SestavHistorieD(
        QStringLiteral("05"), QStringLiteral("20"), QStringLiteral("Směsi"), QStringLiteral("SM"),
        QStringLiteral("@CiDo"), QStringLiteral("0505260314101500"), QString());
    ocekavane << Radky(NovyPaletyAKonec);
    OcekavejRadky(s, ocekavane);
    // The audit row's own text: identification = workstation twice and the moment.
    EXPECT_TRUE(
        s.filter(QStringLiteral("insert into historied"))
            .value(0)
            .endsWith(QStringLiteral(
                "doklad = \"SM\", cislodokla=@CiDo,misto=\"\",identifik=\"0505260314101500\";")));

    // The lines now carry the header's cost centre, date and language.
    TabulkaDbf& r = t.radky();
    for (bool ok = r.prvni(); ok && !r.jeKonec(); ok = r.dalsi()) {
        EXPECT_EQ(r.text(QStringLiteral("STREDISKO")), QStringLiteral("20"));
        EXPECT_EQ(r.datum(QStringLiteral("DATUM")), QDate(2026, 3, 14));
        EXPECT_EQ(r.text(QStringLiteral("JAZYK")), QStringLiteral("C"));
    }
    EXPECT_EQ(r.pocet(), 2);
}

// What the state of the editor and the settings change in the script, each case against
// the lines it concerns.
TEST_F(ZapisSMTest, StavAPrepinaceVeSkriptu) {
    NovyDoklad();
    struct Pripad {
        const char* nazev;
        std::function<void(VstupZapisu&)> nastav;
        std::function<void(const QStringList&)> over;
    } pripady[] = {
        {"unconfirmed price: nc 0 on header and card, no confirmation mark",
         [](VstupZapisu& x) { x.potvrzena = false; },
         [](const QStringList& s) {
             const QStringList hlavicka =
                 Usek(s, QStringLiteral("'26-0126-00800-01',"), QStringLiteral("01,"));
             ASSERT_FALSE(hlavicka.isEmpty());
             EXPECT_EQ(hlavicka.mid(5, 3),
                       (QStringList{QStringLiteral("014,"), QStringLiteral("00,"),
                                    QStringLiteral("0100,")}));
             EXPECT_FALSE(s.contains(QStringLiteral("UPDATE smesi SET potvrzena=1")));
             const QStringList karta = Usek(s, QStringLiteral("insert into skarta "));
             EXPECT_EQ(karta.value(20), QStringLiteral("00,"));
             EXPECT_EQ(karta.value(21), QStringLiteral("014,"));
         }},
        {"SM_JAKNC 0: the price stays without the tick",
         [](VstupZapisu& x) {
             x.SM_JAKNC = 0;
             x.potvrzena = false;
         },
         [](const QStringList& s) {
             EXPECT_TRUE(s.contains(QStringLiteral("UPDATE smesi SET potvrzena=1")));
             EXPECT_EQ(Usek(s, QStringLiteral("insert into skarta ")).value(20),
                       QStringLiteral("012.5,"));
         }},
        {"no pallets at the cost centre: no pallet statements",
         [](VstupZapisu& x) { x.PaletyStrediska = false; },
         [](const QStringList& s) {
             EXPECT_TRUE(s.filter(QStringLiteral("smesipa")).isEmpty());
             EXPECT_TRUE(s.filter(QStringLiteral("sklpalety")).isEmpty());
         }},
        {"sent to the authority: the send time carried over",
         [](VstupZapisu& x) { x.OdeslanoUKZUZ = QDateTime(QDate(2026, 3, 2), QTime(9, 5, 7)); },
         [](const QStringList& s) {
             EXPECT_EQ(
                 Usek(s, QStringLiteral("UPDATE smesi SET slonaukzuz='2026-03-02 09:05:07'"),
                      QStringLiteral(";")),
                 (QStringList{QStringLiteral("UPDATE smesi SET slonaukzuz='2026-03-02 09:05:07'"),
                              QStringLiteral("where cislodokla=@CiDo"), QStringLiteral(";")}));
         }},
        {"not sent (year 2000 or before): no send time",
         [](VstupZapisu& x) { x.OdeslanoUKZUZ = QDateTime(QDate(2000, 12, 31), QTime(23, 0)); },
         [](const QStringList& s) {
             EXPECT_TRUE(s.filter(QStringLiteral("slonaukzuz")).isEmpty());
         }},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        // Each case from the same work tables: the header's price back as typed.
        TabulkaDbf& h = t.hlavicka();
        ASSERT_TRUE(h.prvni() && h.uprav() && h.nastavCislo(QStringLiteral("NC"), D("12.5")) &&
                    h.uloz());
        VstupZapisu x = v;
        p.nastav(x);
        p.over(PoRadcich(SkriptNovehoDokladu(x, t)));
    }
}

// The new card's ULČ, dates and own-production mark, and packaging never filled in.
TEST_F(ZapisSMTest, NovaKartaVeVariantach) {
    ASSERT_EQ(Pridej(t.hlavicka(), Hlavicka()), QString());
    struct Pripad {
        const char* nazev;
        bool mp;
        bool vyrobky;
        bool prazdneObaly;
        const char* radky; // VLAST_VYRO to VAHACELKO1
    } pripady[] = {
        {"generated ULČ, both dates the document's", true, true, false, R"(
'A',
'600001',
'Pytel 25 kg',
00.15,
'F00123',
025,
06,
'CZ 1-6',
concat("mp",@CiDo,"-",'0126'),
'2026-03-14',
'2026-03-14',
'2026-03-14',
'2026-03-14',
025)
;)"},
        {"SM_vyrobky N, packaging never filled", false, false, true, R"(
' ',
'',
'',
00,
'',
00,
00,
'',
'',
'1900-01-01',
'1900-01-01',
'2026-03-14',
'2026-03-14',
00)
;)"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        VstupZapisu x = v;
        x.mpDoUlc = p.mp;
        x.SM_vyrobky = p.vyrobky;
        if (p.prazdneObaly)
            x.obalKarty = ObalKarty();
        const QStringList karta = PoRadcich(ZapisNovSkl(x, t));
        ASSERT_EQ(karta.value(0), QStringLiteral("insert into skarta "));
        OcekavejRadky(karta.mid(24), Radky(p.radky));
    }
}

// A correction of a kept lot at a cost centre with pallets: the reversal from the posted
// copies, then (after the document statements) the kept card and the propagation.
TEST_F(ZapisSMTest, OpravaPonechanePartie) {
    NovyDoklad();
    RadekDokladu h = Hlavicka();
    h.cislodokla = QStringLiteral("2026200007");
    h.rokd = QStringLiteral("2026");
    // The editor's header: the number and year of the posted document.
    TabulkaDbf& th = t.hlavicka();
    ASSERT_TRUE(th.prvni() && th.uprav() &&
                th.nastavText(QStringLiteral("CISLODOKLA"), h.cislodokla) &&
                th.nastavText(QStringLiteral("ROKD"), h.rokd) && th.uloz());
    RadekDokladu stary = Slozka();
    stary.stredisko = QStringLiteral("20");
    stary.mnozstvi = D("100");
    h.mnozstvi = D("1000");
    ASSERT_EQ(Pridej(t.puvodniRadky(), h), QString());
    ASSERT_EQ(Pridej(t.puvodniRadky(), stary), QString());
    PaletaDokladu p = Paleta();
    p.pocet = 2;
    p.celkem = D("50");
    p.zbytek = D("10");
    p.zustatek = D("60");
    ASSERT_EQ(Pridej(t.puvodniPalety(), p), QString());
    v.StavZapisu = 1;
    const QStringList s = PoRadcich(Oprava(v, t));

    OcekavejRadky(Usek(s, QStringLiteral("BEGIN;"), QStringLiteral("insert into smesi ")), Radky(R"(
BEGIN;
SET @CiDo = '2026200007'
;
SET @RokDo = '2026';
delete from smesi where cislodokla = @CiDo
;
delete from smesiobal where cislodokla = @CiDo
;
delete from smesipa where cislodokla = @CiDo
;
update sklpalety 
 set pocet=pocet + 2
 ,celkem=celkem + 50
 ,zbytek=zbytek + 10
 ,zustatek=zustatek + 60
 where cislo=77
 and stredisko='20'
;
select @pocetpal:=TRUNCATE(abs(zbytek)/vahao1,0) from sklpalety
 where cislo=77
 and stredisko='20'
;
update sklpalety SET pocet=pocet+IF(@pocetpal is NULL,0,@pocetpal), celkem=pocet*vahao1, zbytek=zbytek-IF(@pocetpal is NULL,0,@pocetpal*vahao1)
 where cislo=77
 and stredisko='20'
;
update skarta
 set zustatek = zustatek - 1000
 where partiecela = '26-0126-00800-01'
 and lomeni = '0'
 and stredisko = '20'
;
update skarta
 set zustatek = zustatek + 0100, smesi = smesi - 0100
 where partiecela = '26-0126-00101-01'
 and lomeni = '2'
 and stredisko = '20'
;
insert into smesi )"));

    // The kept card: the balance raised by the new quantity, its data rewritten at every
    // cost centre, then the seven tables of the suite's documents.
    QStringList ocekavane = Radky(R"(
UPDATE skarta SET 
ZUSTATEK=ZUSTATEK+150.5,
VLAST_VYRO='A'
 where partiecela = '26-0126-00800-01'
 and lomeni = '0'
 and stredisko = '20'
;
UPDATE skarta SET 
NC=12.5,
PC=14,
NOMENKLA='1441',
NAZEVOSIVA='Směs O''Neil',
MJ='kg',
DRUH='JLV',
ODRUDA='BEC',
STUPEN='C1',
NAZ_DRU='jílek vytrvalý',
NAZ_ODRU='Bečva \\ nová',
ULC='',
DATUMROZHO='2026-03-01',
POCETO1='6',
VAHAO1=025,
MNOMENKLA1='600001',
MO1='Pytel 25 kg',
EK1='F00123',
VAHAOBALU=00.15,
PPOHYB=NOW(),ZALOZENA=NOW(),
POPIS='Pro pícní',
NAVESKY='CZ 1-6',
PREPNATUNY=1,
vahacelko1=025
 where partiecela = '26-0126-00800-01'
 and lomeni = '0'
;)");
    for (const char* tabulka : {"pvrad", "dlrad", "vnrad", "vp", "pv9", "smesi", "krsmesi"})
        ocekavane << QStringLiteral("UPDATE %1 SET ").arg(QLatin1String(tabulka)) << Radky(R"(
nomenkla = '1441',
nazevosiva = 'Směs O''Neil',
mj = 'kg',
druh = 'JLV',
odruda = 'BEC',
stupen = 'C1',
naz_dru = 'jílek vytrvalý',
naz_odru = 'Bečva \\ nová',
nc = 12.5
 where partiecela = '26-0126-00800-01'
 and lomeni = '0'
;)");
    ocekavane << QStringLiteral("COMMIT;");
    OcekavejRadky(Usek(s, QStringLiteral("UPDATE skarta SET ")), ocekavane);
    // A kept lot gets no new card.
    EXPECT_TRUE(s.filter(QStringLiteral("insert into skarta")).isEmpty());
}

// A correction that changes the lot deletes the old card and creates the new one.
TEST_F(ZapisSMTest, OpravaZmenenePartie) {
    NovyDoklad();
    RadekDokladu stara = Hlavicka();
    stara.partiecela = QStringLiteral("26-0126-00799-01");
    ASSERT_EQ(Pridej(t.puvodniRadky(), stara), QString());
    v.PaletyStrediska = false;
    const QStringList s = PoRadcich(Oprava(v, t));
    EXPECT_EQ(Usek(s, QStringLiteral("delete from skarta"), QStringLiteral(";")), Radky(R"(
delete from skarta
 where partiecela = '26-0126-00799-01'
 and lomeni = '0'
 and stredisko = '20'
;)"));
    EXPECT_EQ(s.filter(QStringLiteral("insert into skarta")).size(), 1);
    EXPECT_TRUE(s.filter(QStringLiteral("UPDATE pvrad")).isEmpty());
    EXPECT_EQ(s.last(), QStringLiteral("COMMIT;"));
}

// The numbering lines of a year before 2016: the module finds the next serial itself.
TEST(CislovaniSkript, RokPred2016) {
    OcekavejRadky(
        PoRadcich(Novy(QStringLiteral("2015"), QStringLiteral("101"), 1, QStringLiteral("07"))),
        Radky(R"(
BEGIN;
SET @RokDo = '2015';
INSERT INTO `cisdokl` (`STREDISKO`, `ROK`, `TYPD`, `CISLO0`, `CISLOPC`)
 VALUES ('101', 2015, "SM", 1561010001,'07');
SET @CiDo = @pomCis;
SET @PoDo = "";
select @PoDo := LPAD(max(right(cislodokla,4))+1,4,"0") from smesi
 where stredisko = '101' AND rokd = @RokDo
 FOR UPDATE;
SET @CiDo = CONCAT("156101",IF(@PoDo is NULL,"0001",@PoDo));)"));
    // From 2016 on the database's trigger numbers alone.
    EXPECT_EQ(Novy(QStringLiteral("2016"), QStringLiteral("01"), 0, QStringLiteral("07")).size(),
              5);
}
