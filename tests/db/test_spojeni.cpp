#include "hodnoty.h"
#include "relace.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <chrono>
#include <thread>

namespace {
// A table of our own next to the suite's, so the text tests see exactly what was stored.
void zalozTabulku(Spojeni& s) {
    ASSERT_TRUE(s.proved(QStringLiteral(
        "create table zkouska (id int auto_increment primary key, t varchar(60), u varchar(60) "
        "character set cp1250, b longblob) default charset utf8mb4")))
        << s.chyba().toStdString();
}
} // namespace

TEST(Spojeni, CeskyTextTamAZpetObemaSmery) {
    TestDb db;
    Spojeni& s = db.spojeni();
    zalozTabulku(s);
    const QString texty[] = {QStringLiteral("Jetel luční – směs pícní"),
                             QStringLiteral("ÚKZÚZ Brno"),
                             QStringLiteral("26-0126-00123-01 Řepka ozimá ŽĎÁR")};
    for (const QString& t : texty)
        ASSERT_TRUE(s.proved(QStringLiteral("insert into zkouska (t, u) values (") + SqlText(t) +
                             QStringLiteral(", ") + SqlText(t) + QStringLiteral(")")));
    Vysledek v;
    ASSERT_TRUE(s.proved(QStringLiteral("select t, u, hex(t) from zkouska order by id"), &v));
    ASSERT_EQ(v.pocetRadku(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(v.text(i, 0), texty[i]); // utf8mb4 column: the server converted both ways
        EXPECT_EQ(v.text(i, 1), texty[i]); // cp1250 column
    }
    // Stored as real UTF-8 in the utf8mb4 column, not as cp1250 bytes.
    EXPECT_EQ(v.text(1, 2),
              QString::fromLatin1(QStringLiteral("ÚKZÚZ Brno").toUtf8().toHex().toUpper()));
    // The suite's own tables hold Czech text the same way.
    ASSERT_TRUE(
        s.proved(QStringLiteral("insert into smesi (cislodokla, partie, nazevosiva, popis) values "
                                "('2620000001', '260012301', 'Jílek vytrvalý', 'směs pro ÚKZÚZ')")))
        << s.chyba().toStdString();
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat(nazevosiva, '|', popis) from smesi")),
              QStringLiteral("Jílek vytrvalý|směs pro ÚKZÚZ"));
}

TEST(Spojeni, ZvlastniZnakyUlozenyPresne) {
    TestDb db;
    Spojeni& s = db.spojeni();
    zalozTabulku(s);
    const QString hodnoty[] = {QStringLiteral("O'Neil"),
                               QStringLiteral("konec\\"),
                               QStringLiteral("a\\' or 1=1 -- "),
                               QStringLiteral("x; drop table zkouska;"),
                               QStringLiteral("100 % \"čistá\""),
                               QStringLiteral("nul") + QChar(0) + QStringLiteral("bajt"),
                               QStringLiteral("řádek\r\ndruhý\x1a")};
    for (const QString& h : hodnoty)
        ASSERT_TRUE(s.proved(QStringLiteral("insert into zkouska (t) values (") + SqlText(h) +
                             QStringLiteral(")")))
            << s.chyba().toStdString();
    Vysledek v;
    ASSERT_TRUE(s.proved(QStringLiteral("select t from zkouska order by id"), &v));
    ASSERT_EQ(v.pocetRadku(), static_cast<int>(std::size(hodnoty)));
    for (int i = 0; i < v.pocetRadku(); ++i)
        EXPECT_EQ(v.text(i, 0), hodnoty[i]) << i;
}

TEST(Spojeni, ZnakMimoCp1250OdmitnutPredOdeslanim) {
    TestDb db;
    Spojeni& s = db.spojeni();
    zalozTabulku(s);
    qint64 pred = s.pocetPrikazu();
    EXPECT_FALSE(s.proved(QStringLiteral("insert into zkouska (t) values ('✓ hotovo')")));
    EXPECT_EQ(s.pocetPrikazu(), pred); // nothing reached the server
    EXPECT_TRUE(s.chyba().contains(QStringLiteral("✓")));
    EXPECT_EQ(db.pocet(QStringLiteral("zkouska")), 0);
}

TEST(Spojeni, BinarniParametr) {
    TestDb db;
    Spojeni& s = db.spojeni();
    zalozTabulku(s);
    QByteArray pdf("%PDF-1.4\n\0\x01\xff'\\;", 16);
    QStringList log;
    s.nastavMonitor([&](const UdalostSql& u) { log << u.text; });
    ASSERT_TRUE(
        s.provedSBinarnim(QStringLiteral("insert into zkouska (t, b) values ('pdf', ?)"), pdf))
        << s.chyba().toStdString();
    Vysledek v;
    ASSERT_TRUE(s.proved(QStringLiteral("select b from zkouska"), &v));
    EXPECT_EQ(v.bajty(0, 0), pdf);
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.first(), QStringLiteral("insert into zkouska (t, b) values ('pdf', ?)"));
}

class SkriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        puvodniAdresar = QDir::currentPath();
        QDir::setCurrent(TestTmpDir());
    }
    void TearDown() override { QDir::setCurrent(puvodniAdresar); }
    QString puvodniAdresar;
};

TEST_F(SkriptTest, ChybaPatehoPrikazuVraciVseAZapiseSmeErr) {
    TestDb db;
    Relace r;
    ASSERT_TRUE(r.spojeni().pripoj(db.parametry()));
    Spojeni& s = r.spojeni();
    ASSERT_TRUE(
        s.proved(QStringLiteral("insert into skarta (partiecela, lomeni, stredisko, zustatek) "
                                "values ('26-0126-00123-01', 0, '20', 100)")));
    auto skript = [&](const QString& spatny) {
        r.skript().vymaz();
        r.skript().pridej(QStringLiteral("BEGIN;"));
        r.skript().pridej(QStringLiteral("update skarta set zustatek = zustatek - 10"));
        r.skript().pridej(QStringLiteral(" where partiecela = '26-0126-00123-01';"));
        r.skript().pridej(
            QStringLiteral("insert into smesi (cislodokla, popis) values ('2620000001', 'a;b');"));
        r.skript().pridej(QStringLiteral("SET @CiDo = '2620000001';"));
        r.skript().pridej(spatny);
        r.skript().pridej(QStringLiteral("insert into smesi (cislodokla) values (@CiDo);"));
        r.skript().pridej(QStringLiteral("COMMIT;"));
    };
    skript(QStringLiteral("insert into neexistuje values (1);"));
    VysledekSkriptu v = r.ProvedSkript();
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.chybnyPrikaz, 4);
    EXPECT_FALSE(s.jePripojeno()); // the failure path disconnects

    EXPECT_EQ(db.hodnota(QStringLiteral("select zustatek from skarta")).toDouble(), 100.0);
    EXPECT_EQ(db.pocet(QStringLiteral("smesi")), 0);

    QFile f(QStringLiteral("sme.err"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString text = QString::fromLatin1(f.readAll());
    f.close();
    QStringList radky = text.split(QStringLiteral("\r\n"));
    ASSERT_GE(radky.size(), 14);
    EXPECT_EQ(radky[0], QString(57, QLatin1Char('-')));
    EXPECT_TRUE(radky[1].startsWith(QStringLiteral("Smesi ")));
    EXPECT_EQ(radky[2], QStringLiteral("radek 4"));
    EXPECT_TRUE(radky[3].startsWith(QStringLiteral("chyba ")) &&
                radky[3].contains(QStringLiteral("neexistuje")));
    EXPECT_EQ(radky[4], QStringLiteral("--"));
    EXPECT_EQ(radky.mid(5, 8), r.skript().radky());

    // A second failure in the same run appends a second block.
    ASSERT_TRUE(r.spojeni().pripoj(db.parametry()));
    skript(QStringLiteral("insert into smesi (neni_sloupec) values (1);"));
    EXPECT_FALSE(r.ProvedSkript().ok);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    text = QString::fromLatin1(f.readAll());
    EXPECT_EQ(text.count(QString(57, QLatin1Char('-'))), 2);
    EXPECT_EQ(text.count(QStringLiteral("radek 4")), 2);
}

TEST_F(SkriptTest, ZablokovaniSeOpakujeBezUkonceni) {
    TestDb db;
    ASSERT_TRUE(db.spojeni().proved(
        QStringLiteral("insert into skarta (partiecela, lomeni, stredisko, zustatek) "
                       "values ('26-0126-00123-01', 0, '20', 100)")));
    // Another workstation holds the card while our posting runs; it lets go after a while.
    Spojeni jiny;
    ASSERT_TRUE(jiny.pripoj(db.parametry()));
    ASSERT_TRUE(jiny.proved(QStringLiteral("BEGIN")));
    ASSERT_TRUE(jiny.proved(QStringLiteral("update skarta set zustatek = zustatek - 1")));
    std::thread uvolni([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        jiny.proved(QStringLiteral("COMMIT"));
    });
    Relace r;
    ASSERT_TRUE(r.spojeni().pripoj(db.parametry()));
    ASSERT_TRUE(r.spojeni().proved(QStringLiteral("set session innodb_lock_wait_timeout = 1")));
    r.skript().pridej({QStringLiteral("BEGIN;"),
                       QStringLiteral("insert into smesi (cislodokla) values ('2620000001');"),
                       QStringLiteral("update skarta set zustatek = zustatek - 10;"),
                       QStringLiteral("COMMIT;")});
    const VysledekSkriptu v = r.ProvedSkript();
    uvolni.join();
    ASSERT_TRUE(v.ok) << v.chyba.toStdString();
    EXPECT_GE(v.opakovani, 1);
    EXPECT_TRUE(r.spojeni().jePripojeno());
    EXPECT_FALSE(QFile::exists(QStringLiteral("sme.err")));
    EXPECT_EQ(db.hodnota(QStringLiteral("select round(zustatek) from skarta")),
              QStringLiteral("89"));
    EXPECT_EQ(db.pocet(QStringLiteral("smesi")),
              1); // the insert of the first, undone run is not doubled
}

TEST_F(SkriptTest, KomentarNaKonciPrikazuNespojiDalsi) {
    TestDb db;
    Relace r;
    ASSERT_TRUE(r.spojeni().pripoj(db.parametry()));
    r.skript().pridej(QStringLiteral("BEGIN;"));
    r.skript().pridej(QStringLiteral("insert into smesi (cislodokla) values ('1') -- first"));
    r.skript().pridej(QStringLiteral(";insert into smesi (cislodokla) values ('2') # second"));
    r.skript().pridej(QStringLiteral(";insert into neni values (3);"));
    r.skript().pridej(QStringLiteral("COMMIT;"));
    VysledekSkriptu v = r.ProvedSkript();
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.chybnyPrikaz, 3);
    ASSERT_TRUE(r.spojeni().pripoj(db.parametry()));
    r.skript().vymaz();
    r.skript().pridej(QStringLiteral("insert into smesi (cislodokla) values ('1') -- first"));
    r.skript().pridej(QStringLiteral(";insert into smesi (cislodokla) values ('2') # second"));
    ASSERT_TRUE(r.ProvedSkript().ok) << r.spojeni().chyba().toStdString();
    EXPECT_EQ(db.pocet(QStringLiteral("smesi")), 2);
}

TEST_F(SkriptTest, PromenneACallVJednomPrujezdu) {
    TestDb db;
    Relace r;
    ASSERT_TRUE(r.spojeni().pripoj(db.parametry()));
    Spojeni& s = r.spojeni();
    ASSERT_TRUE(s.proved(
        QStringLiteral("create procedure dva_vysledky() begin select 1 as a; select 2 as b; end")));
    QStringList udalosti;
    s.nastavMonitor(
        [&](const UdalostSql& u) { udalosti << u.kategorie + QLatin1Char(':') + u.text; });
    r.skript().pridej(QStringLiteral("BEGIN;"));
    r.skript().pridej(QStringLiteral("SET @CiDo = '2620000007';"));
    r.skript().pridej(QStringLiteral("call dva_vysledky();"));
    r.skript().pridej(
        QStringLiteral("insert into smesi (cislodokla, popis) values (@CiDo, 'po volání');"));
    r.skript().pridej(QStringLiteral("select @CiDo;"));
    r.skript().pridej(QStringLiteral("COMMIT;"));
    qint64 pred = s.pocetPrikazu();
    VysledekSkriptu v = r.ProvedSkript();
    ASSERT_TRUE(v.ok) << v.chyba.toStdString();
    EXPECT_EQ(s.pocetPrikazu() - pred, 1);
    EXPECT_EQ(v.vysledek.text(0, 0), QStringLiteral("2620000007")); // the last rows returned
    EXPECT_EQ(db.hodnota(QStringLiteral("select cislodokla from smesi where popis = 'po volání'")),
              QStringLiteral("2620000007"));
    EXPECT_EQ(udalosti,
              (QStringList{QStringLiteral("Transaction:BEGIN"),
                           QStringLiteral("Execute:SET @CiDo = '2620000007'"),
                           QStringLiteral("Execute:call dva_vysledky()"),
                           QStringLiteral("Execute:insert into smesi (cislodokla, popis) values "
                                          "(@CiDo, 'po volání')"),
                           QStringLiteral("Execute:select @CiDo"),
                           QStringLiteral("Transaction:COMMIT")}));
    // A text given as one statement never carries a second one: refused before it is sent.
    pred = s.pocetPrikazu();
    EXPECT_FALSE(s.proved(QStringLiteral("select 1; delete from smesi")));
    EXPECT_EQ(s.pocetPrikazu(), pred);
    EXPECT_EQ(db.pocet(QStringLiteral("smesi")), 1);
    EXPECT_TRUE(s.proved(QStringLiteral("select 'a;b' as t; ")));
    EXPECT_TRUE(s.proved(QStringLiteral("select 1")));
}

TEST(Spojeni, DavkaVraciOdpovedKazdehoPrikazuAHodnotyZustanouHodnotami) {
    TestDb db;
    Spojeni& s = db.spojeni();
    zalozTabulku(s);
    // A typed value that tries to end its literal and start a statement of its own.
    const QString zly = QStringLiteral("x'); delete from zkouska; -- \\'; drop table zkouska; #");
    ASSERT_TRUE(s.proved(QStringLiteral("insert into zkouska (t) values (") + SqlText(zly) +
                         QStringLiteral(")")))
        << s.chyba().toStdString();
    QList<Vysledek> odpovedi;
    int chybny = -1;
    const qint64 pred = s.pocetPrikazu();
    ASSERT_TRUE(s.provedVice({QStringLiteral("select t from zkouska where t = ") + SqlText(zly),
                              QStringLiteral("set @a = 1"),
                              QStringLiteral("select count(*) as n from zkouska")},
                             &chybny, nullptr, &odpovedi));
    EXPECT_EQ(s.pocetPrikazu() - pred, 1);
    ASSERT_EQ(odpovedi.size(), 3);
    EXPECT_EQ(odpovedi[0].text(0, 0), zly);
    EXPECT_EQ(odpovedi[1].pocetPoli(), 0);
    EXPECT_EQ(odpovedi[2].text(0, 0), QStringLiteral("1"));

    // A failing statement: the answers of those before it are there, nothing after it ran.
    ASSERT_FALSE(s.provedVice({QStringLiteral("select 7"), QStringLiteral("select * from neni"),
                               QStringLiteral("insert into zkouska (t) values ('po chybě')")},
                              &chybny, nullptr, &odpovedi));
    EXPECT_EQ(chybny, 1);
    ASSERT_EQ(odpovedi.size(), 1);
    EXPECT_EQ(odpovedi[0].text(0, 0), QStringLiteral("7"));
    EXPECT_EQ(db.pocet(QStringLiteral("zkouska")), 1);
    EXPECT_TRUE(s.proved(QStringLiteral("select 1")));
}
