#include "hodiny.h"
#include "skript.h"
#include "sled.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

TEST(Skript, DeleniNaPrikazy) {
    SkriptovyProcesor s;
    s.pridej(QStringLiteral("BEGIN;"));
    s.pridej(QStringLiteral("insert into smesi set popis = 'a;b', nazevosiva = \"c;\\\"d;\";"));
    s.pridej(QStringLiteral("insert into smesi set popis = 'it''s; fine' ,"));
    s.pridej(QStringLiteral("  partie = 'x\\\\';"));
    s.pridej(QStringLiteral("SET @a = :neni_parametr;"));
    s.pridej(QStringLiteral("select `a;b` from t -- comment; still comment"));
    s.pridej(QStringLiteral(";COMMIT;"));
    const QStringList p = s.prikazy();
    ASSERT_EQ(p.size(), 6);
    EXPECT_EQ(p[0], QStringLiteral("BEGIN"));
    EXPECT_EQ(p[1],
              QStringLiteral("insert into smesi set popis = 'a;b', nazevosiva = \"c;\\\"d;\""));
    EXPECT_EQ(p[2],
              QStringLiteral("insert into smesi set popis = 'it''s; fine' ,\n  partie = 'x\\\\'"));
    EXPECT_EQ(p[3], QStringLiteral("SET @a = :neni_parametr"));
    EXPECT_EQ(p[4], QStringLiteral("select `a;b` from t -- comment; still comment"));
    EXPECT_EQ(p[5], QStringLiteral("COMMIT"));
}

TEST(Sled, UklidPatnactehoBrezna) {
    const QString adr = TestTmpDir();
    QDir().mkpath(adr + QStringLiteral("err"));
    const QStringList soubory = {
        QStringLiteral("sm2602031200.txt"), QStringLiteral("sm2602280101.txt"),
        QStringLiteral("sm2601140800.txt"), QStringLiteral("sm2603010900.txt"),
        QStringLiteral("sm2512010900.txt"), QStringLiteral("jine2602.txt")};
    for (const QString& s : soubory) {
        QFile f(adr + QStringLiteral("err/") + s);
        f.open(QIODevice::WriteOnly);
    }
    Hodiny::nastav([] { return QDateTime(QDate(2026, 3, 15), QTime(8, 30, 5)); });
    Sled sled;
    sled.zacni(adr);
    sled.ZapisSled(101);
    Hodiny::nastav({});
    QStringList zbyle = QDir(adr + QStringLiteral("err")).entryList(QDir::Files, QDir::Name);
    // February (40 days back is 3 February) and January (60 days back is 14 January) go.
    EXPECT_EQ(
        zbyle,
        (QStringList{QStringLiteral("jine2602.txt"), QStringLiteral("sm2512010900.txt"),
                     QStringLiteral("sm2603010900.txt"), QStringLiteral("sm260315083005.txt")}));
    QFile f(sled.soubor());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("1 15.03.2026 08:30:05\r\n101 15.03.2026 08:30:05\r\n"));
}
