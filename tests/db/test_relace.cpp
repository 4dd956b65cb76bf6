#include "hodiny.h"
#include "hodnoty.h"
#include "kodovani.h"
#include "relace.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

namespace {
QString precti(const QString& cesta) {
    QFile f(cesta);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

void zapisIni(const QString& cesta, const QString& text) {
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toLatin1());
}

struct Prostredi {
    QString adr = TestTmpDir();
    IniSoubor smesi{adr + QStringLiteral("smesi.ini")};
    IniSoubor kavlin{adr + QStringLiteral("Kavlin05.ini")};
};
} // namespace

TEST(Relace, OtevreniPosleRelacniPrikazyAAuditStartu) {
    TestDb db;
    Prostredi pr;
    zapisIni(
        pr.kavlin.cesta(),
        QStringLiteral("[LogON]\r\nIP=127.0.0.1\r\nSQLport=%1\r\nDatabase=%2\r\nCisloPC=07\r\n")
            .arg(TestPort())
            .arg(db.jmeno()));
    Relace r;
    r.uzivatelPocitace = QStringLiteral("jan\"o'neil");
    r.jmenoPocitace = QStringLiteral("SKLAD\\PC1");
    QString chyba;
    ASSERT_TRUE(
        r.UrciParametry(pr.smesi, pr.kavlin, QStringLiteral("00"), AdresarovyServer(), &chyba))
        << chyba.toStdString();
    EXPECT_EQ(r.nastaveni().cisloPC, QStringLiteral("07"));
    EXPECT_EQ(r.nastaveni().parametry.uzivatel, QStringLiteral("root")); // host guess "localhost"
    QStringList udalosti;
    r.spojeni().nastavMonitor([&](const UdalostSql& u) { udalosti << u.text; });
    ASSERT_TRUE(r.OtevriSpojeni(r.nastaveni().sqlPort, r.nastaveni().altPort, QStringLiteral("07"),
                                QString(), QStringLiteral("Směsi")));
    ASSERT_GE(udalosti.size(), 4);
    EXPECT_EQ(udalosti[1], QStringLiteral("set @@session.sql_mode=\"\""));
    EXPECT_EQ(udalosti[2], QStringLiteral("SET names cp1250;"));
    EXPECT_TRUE(udalosti[3].startsWith(
        QStringLiteral("insert into historiem \nset modul = \"Směsi\", pc = \"07\", "
                       "stredisko = \"\",\ndatumcas = \"")))
        << udalosti[3].toStdString();
    Vysledek v;
    ASSERT_TRUE(r.spojeni().proved(
        QStringLiteral("select modul, pc, stredisko, computeruser, computername, mverze, "
                       "@@session.sql_mode from historiem"),
        &v));
    ASSERT_EQ(v.pocetRadku(), 1);
    EXPECT_EQ(v.text(0, 0), QStringLiteral("Směsi"));
    EXPECT_EQ(v.text(0, 1), QStringLiteral("07"));
    EXPECT_EQ(v.text(0, 2), QString());
    EXPECT_EQ(v.text(0, 3), QStringLiteral("jan\"o'neil")); // escaped, stored exactly
    EXPECT_EQ(v.text(0, 4), QStringLiteral("SKLAD\\PC1"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$"))
                    .match(v.text(0, 5))
                    .hasMatch());
    EXPECT_EQ(v.text(0, 6), QString());
}

TEST(Relace, AlternativniPortBezRelacnichPrikazu) {
    TestDb db;
    Prostredi pr;
    zapisIni(
        pr.kavlin.cesta(),
        QStringLiteral("[LogON]\r\nIP=127.0.0.1\r\nSQLport=%1\r\nOPENport=%2\r\nDatabase=%3\r\n")
            .arg(TestPort())
            .arg(TestPort() + 1)
            .arg(db.jmeno()));
    Relace r;
    ASSERT_TRUE(
        r.UrciParametry(pr.smesi, pr.kavlin, QStringLiteral("00"), AdresarovyServer(), nullptr));
    QStringList udalosti;
    r.spojeni().nastavMonitor([&](const UdalostSql& u) { udalosti << u.text; });
    EXPECT_FALSE(r.OtevriSpojeni(r.nastaveni().sqlPort, r.nastaveni().altPort, QStringLiteral("00"),
                                 QString(), QStringLiteral("Směsi")));
    ASSERT_TRUE(r.spojeni().jePripojeno());
    EXPECT_EQ(r.spojeni().port(), TestPort() + 1);
    EXPECT_EQ(r.nastaveni().parametry.port, TestPort()); // the property goes back to the SQL port
    EXPECT_EQ(udalosti.size(), 1);                       // the connect, nothing else
    EXPECT_EQ(db.pocet(QStringLiteral("historiem")), 0);

    // An alternate port nobody listens on is ignored: the SQL port opens the session.
    zapisIni(
        pr.kavlin.cesta(),
        QStringLiteral("[LogON]\r\nIP=127.0.0.1\r\nSQLport=%1\r\nOPENport=1\r\nDatabase=%2\r\n")
            .arg(TestPort())
            .arg(db.jmeno()));
    Relace r2;
    ASSERT_TRUE(
        r2.UrciParametry(pr.smesi, pr.kavlin, QStringLiteral("00"), AdresarovyServer(), nullptr));
    EXPECT_TRUE(r2.OtevriSpojeni(r2.nastaveni().sqlPort, r2.nastaveni().altPort,
                                 QStringLiteral("00"), QString(), QStringLiteral("Směsi")));
    EXPECT_EQ(db.pocet(QStringLiteral("historiem")), 1);
}

TEST(Relace, IcoBereHodnotyZAdresare) {
    TestDb db;
    ASSERT_TRUE(
        db.spojeni().proved(QStringLiteral("create table firmy (ICO varchar(10), host varchar(60), "
                                           "user varchar(30), pass varchar(30), "
                                           "`database` varchar(60), port varchar(6))")));
    ASSERT_TRUE(db.spojeni().proved(
        QStringLiteral("insert into firmy values ('25123456', '127.0.0.1', 'root', '', ") +
        SqlText(db.jmeno()) + QStringLiteral(", '%1')").arg(TestPort())));
    AdresarovyServer adresar{QStringLiteral("127.0.0.1"), TestPort(), QStringLiteral("root"),
                             QString(), db.jmeno()};
    Prostredi pr;
    zapisIni(pr.smesi.cesta(), QStringLiteral("[TFmozno]\r\nEditIP_Text=10.1.1.1\r\n"));
    zapisIni(pr.kavlin.cesta(),
             QStringLiteral("[LogON]\r\nIP=10.9.9.9\r\nUser=nekdo\r\nPassword=tajne\r\n"
                            "Database=jina\r\nSQLport=1\r\nOPENport=\r\nCisloPC=12\r\n"
                            "ICO=25123456\r\n"));
    Relace r;
    r.log().nastavSoubor(pr.adr + QStringLiteral("sm.log"));
    r.log().zapni(true);
    QString chyba;
    ASSERT_TRUE(r.UrciParametry(pr.smesi, pr.kavlin, QStringLiteral("00"), adresar, &chyba))
        << chyba.toStdString();
    const NastaveniSpojeni& n = r.nastaveni();
    EXPECT_EQ(n.parametry.host, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(n.parametry.uzivatel, QStringLiteral("root"));
    EXPECT_EQ(n.parametry.heslo, QString());
    EXPECT_EQ(n.parametry.databaze, db.jmeno());
    EXPECT_EQ(n.parametry.port, TestPort());
    EXPECT_EQ(n.sqlPort, QString::number(TestPort()));
    EXPECT_EQ(n.cisloPC, QStringLiteral("12"));
    EXPECT_EQ(n.altPort, QString());
    // The lookup is not in the SQL log; the session that follows is.
    ASSERT_TRUE(
        r.OtevriSpojeni(n.sqlPort, n.altPort, n.cisloPC, QString(), QStringLiteral("Směsi")));
    const QString log = precti(r.log().soubor());
    EXPECT_TRUE(log.contains(QStringLiteral("insert into historiem"))) << log.toStdString();
    EXPECT_FALSE(log.contains(QStringLiteral("firmy")));

    // A company number without a row: the empty port fails its conversion.
    zapisIni(pr.kavlin.cesta(), QStringLiteral("[LogON]\r\nICO=99999999\r\n"));
    Relace r2;
    EXPECT_FALSE(r2.UrciParametry(pr.smesi, pr.kavlin, QStringLiteral("00"), adresar, &chyba));
    EXPECT_EQ(chyba, QStringLiteral("'' není platné celé číslo."));
    EXPECT_EQ(r2.nastaveni().parametry.host, QString());
}

TEST(Relace, SqlLogVeSvemTvaru) {
    TestDb db;
    Prostredi pr;
    Relace r;
    r.log().nastavSoubor(pr.adr + QStringLiteral("sm202612.log"));
    ASSERT_TRUE(r.spojeni().pripoj(db.parametry()));
    r.spojeni().proved(QStringLiteral("select 'neni v logu'"));
    r.log().zapni(true);
    EXPECT_TRUE(r.spojeni().proved(QStringLiteral("select 'řádek'")));
    EXPECT_FALSE(r.spojeni().proved(QStringLiteral("select * from neexistuje")));
    QFile f(r.log().soubor());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList radky = ZCp1250(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(radky.size(), 2);
    EXPECT_TRUE(
        QRegularExpression(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d cat: Execute, proto: "
                           "mysql, msg: select 'řádek'$"))
            .match(radky[0])
            .hasMatch())
        << radky[0].toStdString();
    EXPECT_TRUE(
        QRegularExpression(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d cat: Execute, proto: "
                           "mysql, msg: select \\* from neexistuje, errcode: 1146, error: "
                           "Table '.*neexistuje' doesn't exist$"))
            .match(radky[1])
            .hasMatch())
        << radky[1].toStdString();
    EXPECT_EQ(SqlLog::jmenoSouboru(QDate(2026, 3, 15)), QStringLiteral("../sqllog/sm202603.log"));
}

TEST(Relace, HistorieDokladuAIp) {
    Hodiny::nastav([] { return QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7)); });
    QString h = SestavHistorieD(QStringLiteral("07"), QStringLiteral("20"), QStringLiteral("Směsi"),
                                QStringLiteral("SM"), QStringLiteral("@CiDo"),
                                QStringLiteral("0707261211090507"), QString(),
                                QStringLiteral("o\"brien"), QStringLiteral("PC"));
    Hodiny::nastav({});
    EXPECT_TRUE(h.startsWith(
        QStringLiteral("insert into historied set modul = \"Směsi\", pc = \"07\", stredisko = "
                       "\"20\",datumcas = \"2026-12-11 09:05:07\",ipadr = \"")))
        << h.toStdString();
    EXPECT_TRUE(h.contains(
        QStringLiteral("computeruser = \"o\"\"brien\", computername = \"PC\",mdatumcas = \"")));
    EXPECT_TRUE(h.endsWith(QStringLiteral(
        "\",doklad = \"SM\", cislodokla=@CiDo,misto=\"\",identifik=\"0707261211090507\";")))
        << h.toStdString();
    QString dl =
        SestavHistorieD(QStringLiteral("07"), QStringLiteral("20"), QStringLiteral("Směsi"),
                        QStringLiteral("DL"), QStringLiteral("1"), QStringLiteral("x"), QString(),
                        QStringLiteral("u"), QStringLiteral("p"));
    EXPECT_TRUE(dl.contains(QStringLiteral("computeruser = \"\", computername = \"\",")));

    EXPECT_EQ(AdresaIP(QStringLiteral("neexistuje.invalid")), QStringLiteral("255.255.255.255"));
    EXPECT_EQ(AdresaIP(QStringLiteral("localhost")), QStringLiteral("127.0.0.1"));
}

TEST(Relace, HistorieDSeProvedeVeSkriptu) {
    TestDb db;
    Relace r;
    ASSERT_TRUE(r.spojeni().pripoj(db.parametry()));
    r.skript().pridej(QStringLiteral("BEGIN;"));
    r.skript().pridej(QStringLiteral("SET @CiDo = '2620000003';"));
    r.skript().pridej(SestavHistorieD(QStringLiteral("07"), QStringLiteral("20"),
                                      QStringLiteral("Směsi"), QStringLiteral("SM"),
                                      QStringLiteral("@CiDo"), QStringLiteral("id;1"), QString(),
                                      QStringLiteral("a'b\\"), QStringLiteral("c;d")));
    r.skript().pridej(QStringLiteral("COMMIT;"));
    VysledekSkriptu v = r.ProvedSkript();
    ASSERT_TRUE(v.ok) << v.chyba.toStdString();
    EXPECT_EQ(db.hodnota(QStringLiteral(
                  "select concat(cislodokla, '|', computeruser, '|', computername, '|', identifik) "
                  "from historied")),
              QStringLiteral("2620000003|a'b\\|c;d|id;1"));
}
