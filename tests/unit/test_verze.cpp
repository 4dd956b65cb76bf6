#include "ini.h"
#include "testdb.h"
#include "verze.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>

TEST(RazitkoZeSouboruVerze, RadekDvaPoleTriPrvnichDevatenactZnaku) {
    struct Pripad {
        const char* nazev;
        const char* obsah;
        const char* razitko;
    };
    const Pripad pripady[] = {
        {"crlf", "Kavlin05\r\nsetupkv.exe\t5.26\t2026-12-01 08:05:09\t1234\r\n",
         "2026-12-01 08:05:09"},
        {"lf", "x\nsetupkv.exe\t5.26\t2026-12-01 08:05:09\n", "2026-12-01 08:05:09"},
        {"cr", "x\rsetupkv.exe\t5.26\t2026-12-01 08:05:09\r", "2026-12-01 08:05:09"},
        {"delsi pole", "x\na\tb\t2026-12-01 08:05:09.123 CET\n", "2026-12-01 08:05:09"},
        {"kratsi pole", "x\na\tb\t2026-12-01\n", "2026-12-01"},
        {"bez konce radku", "x\na\tb\t2026-12-01 08:05:09", "2026-12-01 08:05:09"},
        {"jen tri pole", "x\na\tb\t\n", ""},
        {"dve pole", "x\nsetupkv.exe\t2026-12-01 08:05:09\n", ""},
        {"jeden radek", "a\tb\t2026-12-01 08:05:09", ""},
        {"prazdny", "", ""},
        {"mezery misto tabulatoru", "x\na b 2026-12-01 08:05:09\n", ""},
    };
    for (const Pripad& p : pripady)
        EXPECT_EQ(RazitkoZeSouboruVerze(QString::fromUtf8(p.obsah)), QString::fromUtf8(p.razitko))
            << p.nazev;
}

TEST(JeNovejsiVerze, CislicePorovnaneJakoText) {
    struct Pripad {
        const char* vzdalene;
        const char* mistni;
        bool novejsi;
    };
    const Pripad pripady[] = {
        {"2026-12-01 08:05:09", "2026-12-01 08:05:09", false}, // equal
        {"2026-12-01 08:05:10", "2026-12-01 08:05:09", true},
        {"2026-12-01 08:05:09", "2026-12-01 08:05:10", false},
        {"2027-01-01 00:00:00", "2026-12-31 23:59:59", true},
        {"2026-12-01 08:05:09", "", true},  // no local program: anything published is newer
        {"", "2026-12-01 08:05:09", false}, // no stamp published
        {"", "", false},
        {"garbage-stamp-xx", "2026-12-01 08:05:09", false}, // letters sort above digits
        {"2026-12-01", "", false},                          // eight digits are no release stamp
        {"2026-12-01 08:05:0x", "", false},
        {"2026/12/01 08.05.09", "", false}, // other separators stay in and spoil it
    };
    for (const Pripad& p : pripady)
        EXPECT_EQ(JeNovejsiVerze(QString::fromUtf8(p.vzdalene), QString::fromUtf8(p.mistni)),
                  p.novejsi)
            << p.vzdalene << " / " << p.mistni;
    EXPECT_EQ(RazitkoBezOddelovacu(QStringLiteral("2026-12-01 08:05:09")),
              QStringLiteral("20261201080509"));
}

TEST(MistniRazitko, CasPosledniZmenySNulouPredHodinou) {
    const QString soubor = TestTmpDir() + QStringLiteral("grem.exe");
    QFile f(soubor);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.flush(); // a later flush would move the time again
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2026, 3, 7), QTime(9, 4, 5)),
                              QFileDevice::FileModificationTime));
    f.close();
    EXPECT_EQ(MistniRazitko(soubor), QStringLiteral("2026-03-07 09:04:05"));
    EXPECT_EQ(MistniRazitko(soubor + QStringLiteral(".neni")), QString());
    EXPECT_EQ(MistniRazitko(QString()), QString());
}

TEST(ServerAktualizaci, KliceLogOnNadVestavenymi) {
    const QString cesta = TestTmpDir() + QStringLiteral("Kavlin05.ini");
    IniSoubor ini(cesta);
    const ServerAktualizaci vest = ServerAktualizaci::vestaveny();
    ServerAktualizaci s = ServerAktualizaci::zIni(ini);
    EXPECT_EQ(s.host, vest.host);
    EXPECT_EQ(s.heslo, vest.heslo);
    EXPECT_EQ(s.uzivatel, QStringLiteral("vortek"));
    EXPECT_EQ(s.port, 21);
    EXPECT_TRUE(s.pasivne);

    const QString logon = QStringLiteral("LogON");
    ini.zapis(logon, QStringLiteral("_FTP"), QStringLiteral("ftp.example.invalid"));
    ini.zapis(logon, QStringLiteral("_FTPuser"), QStringLiteral("jiny"));
    ini.zapis(logon, QStringLiteral("_FTPpassword"), QStringLiteral("tajne"));
    ini.zapis(logon, QStringLiteral("_FTPport"), QStringLiteral("2121"));
    s = ServerAktualizaci::zIni(ini);
    EXPECT_EQ(s.host, QStringLiteral("ftp.example.invalid"));
    EXPECT_EQ(s.uzivatel, QStringLiteral("jiny"));
    EXPECT_EQ(s.heslo, QStringLiteral("tajne"));
    EXPECT_EQ(s.port, 2121);

    // Only the exact "False" switches passive transfer off.
    struct Pripad {
        const char* hodnota;
        bool pasivne;
    };
    for (const Pripad& p : {Pripad{"False", false}, Pripad{"false", true}, Pripad{"FALSE", true},
                            Pripad{"0", true}, Pripad{"True", true}, Pripad{"", true}}) {
        ini.zapis(logon, QStringLiteral("_FTPpassive"), QString::fromUtf8(p.hodnota));
        EXPECT_EQ(ServerAktualizaci::zIni(ini).pasivne, p.pasivne) << p.hodnota;
    }
    ini.zapis(logon, QStringLiteral("_FTPport"), QStringLiteral("dvacet"));
    EXPECT_EQ(ServerAktualizaci::zIni(ini).port, 0);
}
