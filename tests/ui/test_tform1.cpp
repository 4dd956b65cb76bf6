#include "dotaz.h"
#include "ini.h"
#include "modelvysledku.h"
#include "sadaokna.h"
#include "seznamdokladu.h"
#include "seznamsql.h"
#include "testdb.h"
#include "tform1.h"
#include "uvod.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTest>

namespace {
void zapis(const QString& cesta, const QString& text) {
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

class Sada : public SadaOkna {};
} // namespace

TEST(SeznamSql, PrikazSeznamu) {
    EXPECT_EQ(
        UdelejSQL(QStringLiteral("20"), QString(), QString(),
                  QStringLiteral("order by cislodokla  DESC")),
        (QStringList{QStringLiteral("select * from smesi"), QString(),
                     QStringLiteral(" where stredisko = '20'"), QStringLiteral(" and smes = 1"),
                     QStringLiteral("order by cislodokla  DESC")}));
    EXPECT_EQ(
        UdelejSQL(QStringLiteral("2'0"), QStringLiteral(" where nazevosiva like 'J%'"),
                  QStringLiteral("2026"), QStringLiteral("order by datum DESC")),
        (QStringList{QStringLiteral("select * from smesi"),
                     QStringLiteral(" where nazevosiva like 'J%'"),
                     QStringLiteral(" AND stredisko = '2''0'"), QStringLiteral(" and smes = 1"),
                     QStringLiteral(" AND rokd = '2026'"), QStringLiteral("order by datum DESC")}));
    EXPECT_EQ(TrideniPodle(QStringLiteral("datum"), true), QStringLiteral("order by datum DESC"));
    EXPECT_EQ(TrideniPodle(QStringLiteral("x; drop"), false),
              QStringLiteral("order by cislodokla  DESC"));
}

TEST(SeznamSql, BarvyDokladu) {
    struct Pripad {
        const char* nc;
        int jaknc;
        QColor barva;
    } pripady[] = {{"12.5", 1, Qt::white},
                   {"0", 1, QColor(255, 0, 0)},
                   {"0.0000", 2, QColor(248, 190, 190)},
                   {"0", 0, QColor(248, 190, 190)},
                   {"", 1, QColor(255, 0, 0)}};
    for (const auto& p : pripady)
        EXPECT_EQ(BarvaDokladu(QString::fromLatin1(p.nc), p.jaknc), p.barva)
            << p.nc << " " << p.jaknc;
}

TEST_F(Sada, StartModulemBezHeslaASeznamStrediska) {
    TestDb db(true);
    kavlinIni(db, QStringLiteral("[Kavlin]\r\nPassword=tajne\r\n"));
    zapis(prog + QStringLiteral("smesi.ini"),
          QStringLiteral("[TForm1]\r\nLabel1_Caption=10\r\nsuiComboBoxRok_ItemIndex=0\r\n"));
    bool heslo = false;
    NastavOdpovidacHesla([&](const QString&) {
        heslo = true;
        return std::optional<QString>();
    });
    auto okno = spust();
    ASSERT_TRUE(okno->fazeZobrazeniHotova()) << zpravy.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(heslo);
    EXPECT_TRUE(okno->uvod().isNull()); // closed at once on a module start
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Kavlin05 - směsi"));
    EXPECT_TRUE(zpravy.isEmpty()) << zpravy.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(okno->stav().stredisko, QStringLiteral("10"));
    EXPECT_EQ(okno->stav().SM_JAKNC, 1);

    ModelVysledku* m = okno->seznam()->modelSeznamu();
    ASSERT_EQ(m->rowCount(), 4); // all years
    EXPECT_EQ(m->text(0, QStringLiteral("cislodokla")), QStringLiteral("2026100003"));
    EXPECT_EQ(okno->seznam()->vybranyDoklad(), QStringLiteral("2026100003"));
    // The unconfirmed document is red with SM_JAKNC 1.
    int r = -1;
    for (int i = 0; i < m->rowCount(); ++i)
        if (m->text(i, QStringLiteral("cislodokla")) == QLatin1String("2026100002"))
            r = i;
    ASSERT_GE(r, 0);
    EXPECT_EQ(m->data(m->index(r, 0), Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(m->data(m->index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    // Cost centre 10 keeps no pallets.
    EXPECT_FALSE(okno->menuPalety()->isEnabled());
    EXPECT_EQ(okno->seznam()->vyskaRadku(), 243);
    EXPECT_EQ(okno->seznam()->vyskaPalet(), 0);
    EXPECT_GT(okno->seznam()->modelRadku()->rowCount(), 0);

    // One year: only its documents.
    okno->suiComboBoxRok()->setCurrentIndex(2); // the year before the current one
    EXPECT_EQ(okno->suiComboBoxRok()->currentText(),
              QString::number(QDate::currentDate().year() - 1));
    EXPECT_EQ(m->rowCount(), 1);
    okno->suiComboBoxRok()->setCurrentIndex(0);
    EXPECT_EQ(m->rowCount(), 4);

    // Sorting by the selected column, and the same document selected after the return.
    okno->seznam()->gridSeznam()->setCurrentIndex(
        m->index(2, m->sloupec(QStringLiteral("cislodokla"))));
    const QString vybrany = okno->seznam()->vybranyDoklad();
    okno->akce(QStringLiteral("Setditpodlesloupce1"))->trigger();
    EXPECT_EQ(okno->stav().Trideni, QStringLiteral("order by cislodokla"));
    EXPECT_EQ(m->text(0, QStringLiteral("cislodokla")), QStringLiteral("2025100001"));
    okno->NavratDoSeznamu(vybrany);
    EXPECT_EQ(okno->seznam()->vybranyDoklad(), vybrany);
}

TEST_F(Sada, PohybVSeznamuStojiNejvyseDvaDotazy) {
    TestDb db(true);
    kavlinIni(db);
    zapis(prog + QStringLiteral("smesi.ini"), QStringLiteral("[TForm1]\r\nLabel1_Caption=20\r\n"));
    auto okno = spust();
    ASSERT_TRUE(okno->fazeZobrazeniHotova());
    EXPECT_TRUE(okno->menuPalety()->isEnabled());
    EXPECT_EQ(okno->seznam()->vyskaRadku(), 395);
    EXPECT_EQ(okno->seznam()->vyskaPalet(), 150);
    ModelVysledku* m = okno->seznam()->modelSeznamu();
    ASSERT_EQ(m->rowCount(), 2);
    Spojeni& s = okno->relace().spojeni();
    qint64 pred = s.pocetPrikazu();
    okno->seznam()->gridSeznam()->setCurrentIndex(m->index(1, 0));
    EXPECT_EQ(s.pocetPrikazu() - pred, 2); // the rows, then the pallets of the first row
    EXPECT_GT(okno->seznam()->modelPalet()->rowCount(), 0);

    // Rows hidden: moving costs nothing.
    okno->akce(QStringLiteral("Zobrazovatdkydokladu1"))->trigger();
    EXPECT_EQ(okno->seznam()->vyskaRadku(), 0);
    pred = s.pocetPrikazu();
    okno->seznam()->gridSeznam()->setCurrentIndex(m->index(0, 0));
    EXPECT_EQ(s.pocetPrikazu() - pred, 0);
    okno->close();
    EXPECT_EQ(QString::fromLatin1([&] {
                  QFile f(prog + QStringLiteral("smesi.ini"));
                  f.open(QIODevice::ReadOnly);
                  return f.readAll();
              }())
                  .contains(QStringLiteral("Zobrazovatdkydokladu1_Checked=False")),
              true);
}

TEST_F(Sada, HesloPriStartuUzivatele) {
    TestDb db(true);
    kavlinIni(db, QStringLiteral("[Kavlin]\r\nPassword=Tajne1\r\n"));
    struct Pripad {
        std::optional<QString> zadane;
        bool pokracuje;
    } pripady[] = {{QStringLiteral("Tajne1"), true},
                   {QStringLiteral("tajne1"), false},
                   {QStringLiteral("482915"), true},
                   {std::nullopt, false}};
    for (const auto& p : pripady) {
        QString vyzva;
        NastavOdpovidacHesla([&](const QString& v) {
            vyzva = v;
            return p.zadane;
        });
        auto okno = spust(QString());
        EXPECT_EQ(vyzva, QStringLiteral("zadej heslo"));
        EXPECT_EQ(okno->fazeZobrazeniHotova(), p.pokracuje)
            << p.zadane.value_or(QStringLiteral("<zpět>")).toStdString();
        if (!p.pokracuje) {
            (void)QTest::qWaitFor([&] { return !okno->isVisible(); }, 3000);
            EXPECT_FALSE(okno->isVisible());
            EXPECT_EQ(okno->seznam()->modelSeznamu()->rowCount(), 0); // no further step ran
        }
    }
}

TEST_F(Sada, VychoziHodnotyBezSmesiIni) {
    TestDb db(true);
    zapis(koren + QStringLiteral("Kavlin05.ini"),
          QStringLiteral("[LogON]\r\nIP=127.0.0.1\r\nSQLport=%1\r\nDatabase=%2\r\n")
              .arg(TestPort())
              .arg(db.jmeno()));
    auto okno = spust(QString()); // no password set: no prompt on a user's start either
    ASSERT_TRUE(okno->fazeZobrazeniHotova());
    EXPECT_EQ(okno->stav().CisloPC, QStringLiteral("00"));
    EXPECT_EQ(okno->stav().podnik, QStringLiteral("0126"));
    EXPECT_TRUE(okno->stav().TestVerze);
    EXPECT_EQ(okno->Label1()->text(), QStringLiteral("999"));
    EXPECT_EQ(okno->stav().stredisko, QStringLiteral("999"));
    EXPECT_EQ(okno->seznam()->modelSeznamu()->rowCount(), 0);
    EXPECT_TRUE(okno->seznam()->modelSeznamu()->otevreno());
    EXPECT_EQ(db.pocet(QStringLiteral("historiem"), QStringLiteral("pc = '00' and stredisko = ''")),
              1);
    okno->close();
    IniSoubor ini(prog + QStringLiteral("smesi.ini"));
    EXPECT_EQ(ini.cti(QStringLiteral("TForm1"), QStringLiteral("Label1_Caption")),
              QStringLiteral("999"));
    EXPECT_EQ(ini.cti(QStringLiteral("TForm1"), QStringLiteral("suiComboBoxRok_ItemIndex")),
              QStringLiteral("0"));
    EXPECT_TRUE(ini.obsahuje(QStringLiteral("TForm1"), QStringLiteral("OvcSplitter1_Position")));
    EXPECT_TRUE(QFile::exists(prog + QStringLiteral("data/smesi20.dbf")));
}

TEST_F(Sada, KonecUklidiAZapomeneRozlozeni) {
    TestDb db(true);
    kavlinIni(db);
    zapis(prog + QStringLiteral("smesi.ini"), QStringLiteral("[TForm1]\r\nLabel1_Caption=10\r\n"));
    QDir().mkpath(koren + QStringLiteral("pdf"));
    for (const char* s : {"pdf/sm05_2026100001.pdf", "pdf/sm06_jiny.pdf"})
        zapis(koren + QString::fromLatin1(s), QStringLiteral("%PDF"));
    zapis(prog + QStringLiteral("smesiskl.slo"), QStringLiteral("x"));
    zapis(prog + QStringLiteral("nnaves.slo"), QStringLiteral("x"));
    auto okno = spust();
    ASSERT_TRUE(okno->fazeZobrazeniHotova());
    // The user moves and widens a column; the next start shows it so.
    {
        QHeaderView* h = okno->seznam()->gridSeznam()->horizontalHeader();
        const int c = okno->seznam()->modelSeznamu()->sloupec(QStringLiteral("nazevosiva"));
        h->resizeSection(c, 222);
        h->moveSection(h->visualIndex(c), 1);
    }
    okno->close();
    EXPECT_FALSE(QFile::exists(koren + QStringLiteral("pdf/sm05_2026100001.pdf")));
    EXPECT_TRUE(
        QFile::exists(koren + QStringLiteral("pdf/sm06_jiny.pdf"))); // another workstation's
    EXPECT_TRUE(QFile::exists(prog + QStringLiteral("smesihla.slo")));
    QStringList trasy = QDir(prog + QStringLiteral("err")).entryList(QDir::Files);
    ASSERT_EQ(trasy.size(), 1);
    QFile t(prog + QStringLiteral("err/") + trasy[0]);
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    QByteArray trasa = t.readAll();
    EXPECT_TRUE(trasa.startsWith("1 ")) << trasa.constData();
    EXPECT_TRUE(trasa.contains("\n555 ") && trasa.contains("\n701 ")) << trasa.constData();
    EXPECT_TRUE(trasa.trimmed().split('\n').last().startsWith("999 "));

    // "Smazat nastavení seznamu" ends the program and the next start has default columns.
    auto druhe = spust();
    ASSERT_TRUE(druhe->fazeZobrazeniHotova());
    {
        QHeaderView* h = druhe->seznam()->gridSeznam()->horizontalHeader();
        const int c = druhe->seznam()->modelSeznamu()->sloupec(QStringLiteral("nazevosiva"));
        EXPECT_EQ(h->sectionSize(c), 222);
        EXPECT_EQ(h->visualIndex(c), 1);
    }
    druhe->akce(QStringLiteral("Smazatnastavenseznamu1"))->trigger();
    (void)QTest::qWaitFor([&] { return !druhe->isVisible(); }, 3000);
    EXPECT_FALSE(druhe->isVisible());
    for (const char* s : {"smesihla.slo", "smesiskl.slo", "nnaves.slo"})
        EXPECT_FALSE(QFile::exists(prog + QString::fromLatin1(s))) << s;
}

TEST_F(Sada, DenniKontrolaVerzeJenPoPrvnimStartu) {
    TestDb db;
    zapis(koren + QStringLiteral("Kavlin05.ini"),
          QStringLiteral("[LogON]\r\nIP=127.0.0.1\r\nSQLport=%1\r\nDatabase=%2\r\n_FTP=127.0.0."
                         "1\r\n_FTPport=1\r\n")
              .arg(TestPort())
              .arg(db.jmeno()));
    denniKontrola = true;
    auto prvni = spust(); // the update server is unreachable
    ASSERT_TRUE(prvni->fazeZobrazeniHotova());
    EXPECT_EQ(zpravy, QStringList{QStringLiteral("Chyba připojení.")});
    prvni->close();
    zpravy.clear();
    auto druhy = spust();
    ASSERT_TRUE(druhy->fazeZobrazeniHotova());
    EXPECT_TRUE(zpravy.isEmpty()) << zpravy.join(QLatin1Char('|')).toStdString();
    druhy->close();
    // Switched off in the settings: no check on the first start of the next day either.
    zapis(prog + QStringLiteral("smesi.ini"),
          QStringLiteral("[TFmozno]\r\nsuiCheckBoxTestVerze_Checked=False\r\n"
                         "[Dnes]\r\nDatum=2001-01-01\r\n"));
    auto treti = spust();
    ASSERT_TRUE(treti->fazeZobrazeniHotova());
    EXPECT_TRUE(zpravy.isEmpty()) << zpravy.join(QLatin1Char('|')).toStdString();
}

TEST_F(Sada, NedostupnaDatabazeNespadne) {
    zapis(koren + QStringLiteral("Kavlin05.ini"),
          QStringLiteral("[LogON]\r\nIP=127.0.0.1\r\nSQLport=1\r\n"));
    auto okno = spust();
    ASSERT_TRUE(okno->fazeZobrazeniHotova());
    ASSERT_EQ(zpravy.size(), 1);
    EXPECT_TRUE(zpravy[0].contains(QStringLiteral("127.0.0.1"))) << zpravy[0].toStdString();
    EXPECT_EQ(okno->seznam()->modelSeznamu()->rowCount(), 0);
    zpravy.clear();
    zapis(koren + QStringLiteral("Kavlin05.ini"), QStringLiteral("[LogON]\r\nSQLport=abc\r\n"));
    auto druhe = spust();
    ASSERT_TRUE(druhe->fazeZobrazeniHotova());
    EXPECT_EQ(zpravy, QStringList{QStringLiteral("'abc' není platné celé číslo.")});
}
