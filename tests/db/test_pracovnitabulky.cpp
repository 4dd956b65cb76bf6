// The main window's work tables against the suite's tables on the test server: created from
// the server's structures at start, a new document, a correction, the pallet filter, and the
// label data kept apart from the document.
#include "hodiny.h"
#include "nezavislyctenar.h"
#include "pracovnitabulky.h"
#include "testdb.h"
#include "vysledek.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace {

class PevneHodiny {
public:
    explicit PevneHodiny(QDate d) {
        Hodiny::nastav([d] { return QDateTime(d, QTime(8, 15)); });
    }
    ~PevneHodiny() { Hodiny::nastav({}); }
};

void Proved(TestDb& db, const QString& sql) {
    ASSERT_TRUE(db.spojeni().proved(sql)) << db.spojeni().chyba().toStdString() << "\n"
                                          << sql.toStdString();
}

// A posted document: header, two components (stored so that id order is not lot order),
// one packaging line and three pallets whose cislo order differs from insertion order.
void VlozDoklad(TestDb& db) {
    Proved(db, QStringLiteral(
                   "insert into smesi (cislodokla, rokd, stredisko, partie, podnik, lomeni, "
                   "partiecela, nazevosiva, mnozstvi, mj, nc, datum, smes, jazyk, popis, "
                   "datumzauct) values "
                   "('2601000007', '2026', '01', '260014503', '0011', 0, '26-0011-00145-03', "
                   "'Směs jetelotravní', 1234.5678, 'kg', 12.3456, '2026-02-14', '1', 'C', "
                   "'Ďábelsky dobrá směs', '1900-01-01 00:00:00'),"
                   "('2601000007', '2026', '01', '250011101', '0011', 2, '25-0011-00111-01', "
                   "'Jetel luční', 1000, 'kg', 10, '2026-02-14', '0', 'C', '', "
                   "'1900-01-01 00:00:00'),"
                   "('2601000007', '2026', '01', '250011202', '0011', 0, '25-0011-00112-02', "
                   "'Jílek vytrvalý', 234.5678, 'kg', 20.5, '2026-02-14', '0', 'C', '', "
                   "'2002-11-11 12:30:00'),"
                   "('2601000008', '2026', '01', '260014603', '0011', 0, '26-0011-00146-03', "
                   "'Jiný doklad', 1, 'kg', 0, '2026-02-15', '1', 'C', '', "
                   "'1900-01-01 00:00:00')"));
    Proved(db, QStringLiteral("insert into smesiobal (cislodokla, stredisko, nomenkla, nazevosiva, "
                              "mnozstvi, mj, poceto, vahao1, vahao1kg, navesky) values "
                              "('2601000007', '01', '600001', 'Pytel PE 25 kg', 1225, 'kg', 49, "
                              "25, 25, 'CZ 0011 000101-000149')"));
    Proved(db, QStringLiteral("insert into smesipa (cislodokla, cislo, partiecela, lomeni, "
                              "stredisko, misto, pocet, vahao1, mj, celkem, zbytek, zustatek, "
                              "datumbal) values "
                              "('2601000007', 31, '25-0011-00111-01', 2, '01', 'Sklad B', 20, "
                              "25, 'kg', 500, 0, 500, '2025-09-01'),"
                              "('2601000007', 12, '25-0011-00111-01', 2, '01', 'Sklad A', 20, "
                              "25, 'kg', 500, 0, 500, '2025-09-01'),"
                              "('2601000007', 20, '25-0011-00112-02', 0, '01', 'Sklad A', 9, "
                              "25, 'kg', 225, 9.5678, 234.5678, '2025-08-15')"));
}

QStringList Hodnoty(TabulkaDbf& t, const char* pole) {
    QStringList l;
    for (t.prvni(); !t.jeKonec(); t.dalsi())
        l << t.text(QLatin1String(pole));
    return l;
}

// The field list of a server table as the work table must carry it: every column, in order.
QStringList SloupceServeru(TestDb& db, const QString& tabulka) {
    Vysledek v;
    EXPECT_TRUE(db.spojeni().proved(
        QStringLiteral("select * from ") + tabulka + QStringLiteral(" limit 0,1"), &v));
    QStringList l;
    for (const PolePopis& p : v.pole())
        l << p.jmeno.toLower();
    return l;
}

QStringList PoleNezavisle(const QString& cesta) {
    CteniDbfread c = PrectiNezavisle(cesta);
    EXPECT_TRUE(c.ok) << cesta.toStdString() << ": " << c.chyba.toStdString();
    QStringList l;
    for (const QJsonValue& p : c.pole)
        l << p.toArray()[0].toString();
    return l;
}

} // namespace

TEST(PracovniTabulky, StartVytvoriTabulkySeStrukturouServeru) {
    TestDb db;
    QString adr = TestTmpDir();
    PracovniTabulky pt(adr);
    ASSERT_TRUE(pt.udelejDBF(db.spojeni())) << pt.chyba().toStdString();
    struct Soubor {
        QLatin1String jmeno;
        const char* tabulka;
    };
    const Soubor soubory[] = {
        {SouborHlavicky, "smesi"},  {SouborRadku, "smesi"},   {SouborPuvodnichRadku, "smesi"},
        {SouborObalu, "smesiobal"}, {SouborPalet, "smesipa"}, {SouborPuvodnichPalet, "smesipa"},
    };
    for (const Soubor& s : soubory) {
        SCOPED_TRACE(std::string(s.jmeno.data()));
        ASSERT_TRUE(QFileInfo::exists(adr + s.jmeno));
        EXPECT_EQ(PoleNezavisle(adr + s.jmeno), SloupceServeru(db, QLatin1String(s.tabulka)));
    }
    // Types as the server gives them.
    CteniDbfread c = PrectiNezavisle(adr + SouborRadku);
    ASSERT_TRUE(c.ok) << c.chyba.toStdString();
    QHash<QString, QJsonArray> pole;
    for (const QJsonValue& p : c.pole)
        pole.insert(p.toArray()[0].toString(), p.toArray());
    auto typ = [&](const char* jmeno) {
        QJsonArray a = pole.value(QLatin1String(jmeno));
        return QStringLiteral("%1%2.%3").arg(a[1].toString()).arg(a[2].toInt()).arg(a[3].toInt());
    };
    EXPECT_EQ(typ("partiecela"), QStringLiteral("C16.0"));
    EXPECT_EQ(typ("nazevosiva"), QStringLiteral("C28.0"));
    EXPECT_EQ(typ("smes"), QStringLiteral("C1.0"));
    EXPECT_EQ(typ("mnozstvi"), QStringLiteral("N19.4"));
    EXPECT_EQ(typ("lomeni"), QStringLiteral("N11.0"));
    EXPECT_EQ(typ("datum"), QStringLiteral("D8.0"));
    EXPECT_EQ(typ("datumzauct"), QStringLiteral("C30.0"));
    EXPECT_EQ(typ("slonaukzuz"), QStringLiteral("C30.0"));

    // The tables stay held: a second copy of the program in the same directory is refused,
    // naming the file, and the first copy's tables are not re-created under it.
    ASSERT_TRUE(pt.novyDoklad(false, QStringLiteral("01")));
    ASSERT_TRUE(pt.hlavicka().uloz());
    PracovniTabulky druha(adr);
    EXPECT_FALSE(druha.udelejDBF(db.spojeni()));
    EXPECT_TRUE(druha.chyba().contains(adr)) << druha.chyba().toStdString();
    EXPECT_TRUE(druha.chyba().contains(QStringLiteral("jiný program")))
        << druha.chyba().toStdString();
    EXPECT_EQ(pt.hlavicka().pocet(), 1);
    EXPECT_EQ(PrectiNezavisle(adr + SouborHlavicky).zaznamy.size(), 1);
}

TEST(PracovniTabulky, SloupecPridanyNaServeruJeVTabulceAProjdeOpravou) {
    TestDb db;
    QString adr = TestTmpDir();
    PracovniTabulky pt(adr);
    ASSERT_TRUE(pt.udelejDBF(db.spojeni()));
    EXPECT_FALSE(PoleNezavisle(adr + SouborRadku).contains(QStringLiteral("vlhkost")));
    Proved(db,
           QStringLiteral("alter table smesi add column vlhkost varchar(6) not null default ''"));
    VlozDoklad(db);
    Proved(db,
           QStringLiteral("update smesi set vlhkost = '12,5 %' where cislodokla = '2601000007'"));
    // The next start.
    ASSERT_TRUE(pt.udelejDBF(db.spojeni())) << pt.chyba().toStdString();
    for (QLatin1String s : {SouborHlavicky, SouborRadku, SouborPuvodnichRadku})
        EXPECT_TRUE(PoleNezavisle(adr + s).contains(QStringLiteral("vlhkost"))) << s.data();
    ASSERT_TRUE(pt.otevriDoklad(db.spojeni(), QStringLiteral("2601000007"), false))
        << pt.chyba().toStdString();
    EXPECT_EQ(pt.hlavicka().text(QStringLiteral("vlhkost")), QStringLiteral("12,5 %"));
    EXPECT_EQ(Hodnoty(pt.radky(), "vlhkost"), QStringList(2, QStringLiteral("12,5 %")));
}

TEST(PracovniTabulky, NovyDokladVyprazdniTabulkyAZalozHlavicku) {
    PevneHodiny hodiny(QDate(2026, 3, 2));
    TestDb db;
    QString adr = TestTmpDir();
    PracovniTabulky pt(adr);
    ASSERT_TRUE(pt.udelejDBF(db.spojeni()));
    VlozDoklad(db);
    ASSERT_TRUE(pt.otevriDoklad(db.spojeni(), QStringLiteral("2601000007"), true));
    ASSERT_TRUE(pt.filtrujPalety(true, true, QStringLiteral("25-0011-00112-02")));

    // Without pallets the pallet tables keep what they hold.
    ASSERT_TRUE(pt.novyDoklad(false, QStringLiteral("02")));
    EXPECT_EQ(pt.palety().pocet(), 1) << "its filter is left as it was";
    EXPECT_EQ(pt.puvodniPalety().pocet(), 3);
    ASSERT_TRUE(pt.novyDoklad(true, QStringLiteral("02")));
    EXPECT_FALSE(pt.palety().jeFiltr());
    for (TabulkaDbf* t :
         {&pt.palety(), &pt.puvodniPalety(), &pt.radky(), &pt.puvodniRadky(), &pt.obaly()})
        EXPECT_EQ(t->pocetVeSouboru(), 0) << t->soubor().toStdString();

    // The header is there before the user types anything, in insert state.
    TabulkaDbf& h = pt.hlavicka();
    EXPECT_EQ(h.stav(), TabulkaDbf::Stav::Vkladani);
    EXPECT_EQ(h.pocetVeSouboru(), 0);
    EXPECT_EQ(h.text(QStringLiteral("lomeni")), QStringLiteral("0"));
    EXPECT_EQ(h.text(QStringLiteral("smes")), QStringLiteral("1"));
    EXPECT_EQ(h.datum(QStringLiteral("datum")), QDate(2026, 3, 2));
    EXPECT_EQ(h.text(QStringLiteral("jazyk")), QStringLiteral("C"));
    EXPECT_EQ(h.text(QStringLiteral("stredisko")), QStringLiteral("02"));
    EXPECT_TRUE(h.jePrazdne(QStringLiteral("partiecela")));
    ASSERT_TRUE(h.uloz());
    CteniDbfread c = PrectiNezavisle(adr + SouborHlavicky);
    ASSERT_TRUE(c.ok) << c.chyba.toStdString();
    ASSERT_EQ(c.zaznamy.size(), 1);
    EXPECT_EQ(c.zaznamy[0].value(QStringLiteral("datum")).toString(), QStringLiteral("2026-03-02"));
    EXPECT_EQ(c.zaznamy[0].value(QStringLiteral("stredisko")).toString(), QStringLiteral("02"));
    EXPECT_EQ(c.zaznamy[0].value(QStringLiteral("lomeni")).toString(), QStringLiteral("0"));

    // Leaving the editor closes the tables; the files keep the records, and a new document
    // opens them again.
    ASSERT_TRUE(pt.zavriVse());
    EXPECT_FALSE(pt.hlavicka().jeOtevrena());
    ASSERT_TRUE(pt.novyDoklad(true, QStringLiteral("01")));
    EXPECT_EQ(pt.hlavicka().text(QStringLiteral("stredisko")), QStringLiteral("01"));
}

TEST(PracovniTabulky, OpravaNactePolozkyDokladuPoleZaPolem) {
    TestDb db;
    QString adr = TestTmpDir();
    PracovniTabulky pt(adr);
    ASSERT_TRUE(pt.udelejDBF(db.spojeni()));
    VlozDoklad(db);
    ASSERT_TRUE(pt.otevriDoklad(db.spojeni(), QStringLiteral("2601000007"), true))
        << pt.chyba().toStdString();

    // All rows in the order the server returns them, the header split off.
    Vysledek v;
    ASSERT_TRUE(db.spojeni().proved(
        QStringLiteral("select * from smesi where cislodokla = '2601000007'"), &v));
    QStringList poradi;
    for (int r = 0; r < v.pocetRadku(); ++r)
        poradi << v.text(r, QStringLiteral("partiecela"));
    EXPECT_EQ(Hodnoty(pt.puvodniRadky(), "partiecela"), poradi);
    EXPECT_EQ(Hodnoty(pt.radky(), "partiecela"), (QStringList{QStringLiteral("25-0011-00111-01"),
                                                              QStringLiteral("25-0011-00112-02")}));
    TabulkaDbf& h = pt.hlavicka();
    ASSERT_EQ(h.pocet(), 1);
    h.prvni();
    EXPECT_EQ(h.text(QStringLiteral("nazevosiva")), QStringLiteral("Směs jetelotravní"));
    EXPECT_EQ(h.text(QStringLiteral("popis")), QStringLiteral("Ďábelsky dobrá směs"));
    EXPECT_EQ(h.cislo(QStringLiteral("mnozstvi")), Desetinne::zDesetitisicin(12345678));
    EXPECT_EQ(h.cislo(QStringLiteral("nc")), Desetinne::zDesetitisicin(123456));
    EXPECT_EQ(h.datum(QStringLiteral("datum")), QDate(2026, 2, 14));
    EXPECT_TRUE(h.jePrazdne(QStringLiteral("slonaukzuz"))) << "NULL on the server";
    pt.radky().prvni();
    pt.radky().dalsi();
    EXPECT_EQ(pt.radky().text(QStringLiteral("datumzauct")), QStringLiteral("2002-11-11 12:30:00"));
    EXPECT_EQ(pt.radky().cele(QStringLiteral("lomeni")), 0);

    EXPECT_EQ(Hodnoty(pt.obaly(), "navesky"), QStringList{QStringLiteral("CZ 0011 000101-000149")});
    EXPECT_EQ(Hodnoty(pt.puvodniPalety(), "cislo"),
              (QStringList{QStringLiteral("12"), QStringLiteral("20"), QStringLiteral("31")}));
    EXPECT_EQ(Hodnoty(pt.palety(), "cislo"), Hodnoty(pt.puvodniPalety(), "cislo"));
    pt.palety().prvni();
    pt.palety().dalsi();
    EXPECT_EQ(pt.palety().cislo(QStringLiteral("zustatek")), Desetinne::zDesetitisicin(2345678));
    EXPECT_EQ(pt.palety().datum(QStringLiteral("datumbal")), QDate(2025, 8, 15));

    // The independent reader sees the same rows.
    CteniDbfread c = PrectiNezavisle(adr + SouborPalet);
    ASSERT_TRUE(c.ok) << c.chyba.toStdString();
    ASSERT_EQ(c.zaznamy.size(), 3);
    EXPECT_EQ(c.zaznamy[1].value(QStringLiteral("zbytek")).toString(), QStringLiteral("9.5678"));
    EXPECT_EQ(c.zaznamy[2].value(QStringLiteral("misto")).toString(), QStringLiteral("Sklad B"));

    // Another document without packaging and, in a cost centre without pallets, the pallet
    // tables as they were.
    ASSERT_TRUE(pt.otevriDoklad(db.spojeni(), QStringLiteral("2601000008"), false));
    EXPECT_EQ(pt.obaly().pocetVeSouboru(), 0);
    EXPECT_EQ(pt.radky().pocetVeSouboru(), 0);
    EXPECT_EQ(pt.puvodniRadky().pocet(), 1);
    EXPECT_EQ(pt.palety().pocet(), 3);
    EXPECT_EQ(pt.puvodniPalety().pocet(), 3);
}

TEST(PracovniTabulky, FiltrPaletPodleRadkuJenKdyzLzeZapsatAStrediskoMaPalety) {
    TestDb db;
    PracovniTabulky pt(TestTmpDir());
    ASSERT_TRUE(pt.udelejDBF(db.spojeni()));
    VlozDoklad(db);
    ASSERT_TRUE(pt.otevriDoklad(db.spojeni(), QStringLiteral("2601000007"), true));
    struct Pripad {
        bool lzeZapsat;
        bool palety;
        const char* partie;
        QStringList cisla;
    };
    const Pripad pripady[] = {
        {true, true, "25-0011-00111-01", {QStringLiteral("12"), QStringLiteral("31")}},
        {true, true, "25-0011-00112-02", {QStringLiteral("20")}},
        {true, true, "26-0011-00145-03", {}},
        {false,
         true,
         "25-0011-00112-02",
         {QStringLiteral("12"), QStringLiteral("20"), QStringLiteral("31")}},
        {true,
         false,
         "25-0011-00112-02",
         {QStringLiteral("12"), QStringLiteral("20"), QStringLiteral("31")}},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(std::string(p.partie) + (p.lzeZapsat ? " writable" : "") +
                     (p.palety ? " pallets" : ""));
        ASSERT_TRUE(pt.filtrujPalety(p.lzeZapsat, p.palety, QLatin1String(p.partie)))
            << pt.chyba().toStdString();
        EXPECT_EQ(Hodnoty(pt.palety(), "cislo"), p.cisla);
    }
}

TEST(PracovniTabulky, DataStitkuMajiVlastniSouborADokladZustane) {
    TestDb db;
    QString adr = TestTmpDir();
    PracovniTabulky pt(adr);
    ASSERT_TRUE(pt.udelejDBF(db.spojeni()));
    VlozDoklad(db);
    ASSERT_TRUE(pt.otevriDoklad(db.spojeni(), QStringLiteral("2601000007"), false));
    Proved(db, QStringLiteral("insert into skarta (partiecela, lomeni, stredisko, poceto1, vahao1, "
                              "sidlo, poznamkam) values ('26-0011-00145-03', 0, '01', 40, 25, "
                              "'Horní Dolní', 'Poznámka ke kartě')"));
    // The pallet-label dialog: a copy of the stock card, structure of skarta with its memo.
    TabulkaDbf stitek;
    QString chyba;
    ASSERT_TRUE(VytvorZeServeru(db.spojeni(), QStringLiteral("skarta"),
                                pt.cesta(SouborStitkuPalety), stitek, &chyba))
        << chyba.toStdString();
    Vysledek karta;
    ASSERT_TRUE(db.spojeni().proved(
        QStringLiteral("select * from skarta where partiecela = '26-0011-00145-03'"), &karta));
    ASSERT_TRUE(PridejRadky(stitek, karta, &chyba)) << chyba.toStdString();
    EXPECT_EQ(stitek.text(QStringLiteral("poznamkam")), QStringLiteral("Poznámka ke kartě"));
    EXPECT_EQ(stitek.text(QStringLiteral("sidlo")), QStringLiteral("Horní Dolní"));
    EXPECT_EQ(PoleNezavisle(pt.cesta(SouborStitkuPalety)),
              SloupceServeru(db, QStringLiteral("skarta")));
    // The sample labels' join gets a file of its own too.
    TabulkaDbf vzorky;
    Vysledek spojene;
    ASSERT_TRUE(db.spojeni().proved(
        QStringLiteral("select smesi.*,skarta.navesky,skarta.poceto1,skarta.mo1 from smesi "
                       "LEFT JOIN skarta ON skarta.partiecela = smesi.partiecela "
                       "where smesi.cislodokla = '2601000007' and smesi.smes = '1'"),
        &spojene));
    ASSERT_TRUE(vzorky.vytvor(pt.cesta(SouborStitkuVzorku), spojene))
        << vzorky.chyba().toStdString();
    ASSERT_TRUE(PridejRadky(vzorky, spojene, &chyba)) << chyba.toStdString();
    EXPECT_EQ(vzorky.cele(QStringLiteral("poceto1")), 40);

    // The document being edited is untouched.
    EXPECT_EQ(Hodnoty(pt.radky(), "partiecela"), (QStringList{QStringLiteral("25-0011-00111-01"),
                                                              QStringLiteral("25-0011-00112-02")}));
    EXPECT_NE(pt.cesta(SouborStitkuPalety), pt.cesta(SouborRadku));
    EXPECT_NE(pt.cesta(SouborStitkuVzorku), pt.cesta(SouborRadku));
}
