// The menu "Moduly" starts the stand-in sibling modules; the help opens its files through
// the stand-in xdg-open that the test puts first in PATH.
#include "dotaz.h"
#include "maleoperace.h"
#include "moduly.h"
#include "relace.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QThread>

namespace {

QByteArray Precti(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Waits for a stand-in's record (it writes its line in pieces).
QString CekejNaZaznam(const QString& cesta) {
    for (int i = 0; i < 200; ++i) {
        const QByteArray b = Precti(cesta);
        if (b.endsWith('\n'))
            return QString::fromUtf8(b);
        QThread::msleep(50);
    }
    return QString::fromUtf8(Precti(cesta));
}

class Moduly : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Only the stand-in xdg-open goes first in PATH, so the modules are found in the
        // working directory alone.
        static const QString bin = TestTmpDir();
        QFile::link(TestToolsDir() + QStringLiteral("/xdg-open"), bin + QStringLiteral("xdg-open"));
        qputenv("PATH", (bin + QLatin1Char(':')).toUtf8() + qgetenv("PATH"));
        qunsetenv("SMESI_ZAZNAM");
    }
    void SetUp() override {
        m_puvodni = QDir::currentPath();
        prac = TestTmpDir();
        QDir::setCurrent(prac);
        NastavOdpovidac([this](const ZaznamDotazu& z) {
            dotazy.append(z);
            return 1;
        });
    }
    void TearDown() override {
        NastavOdpovidac({});
        QDir::setCurrent(m_puvodni);
        for (const QString& s : napovedy)
            QFile::remove(AdresarProgramu() + s);
    }
    void Nainstaluj(const QString& program) const {
        ASSERT_TRUE(
            QFile::link(TestToolsDir() + QStringLiteral("/zaznam-volani.sh"), prac + program));
    }
    void Napoveda(const QString& soubor) {
        QFile f(AdresarProgramu() + soubor);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("help");
        napovedy << soubor;
    }

    QString prac;
    QList<ZaznamDotazu> dotazy;
    QStringList napovedy;

private:
    QString m_puvodni;
};

} // namespace

TEST_F(Moduly, KazdyModulSeSpustiSArgumentemModul) {
    ASSERT_EQ(::Moduly().size(), 10);
    for (const Modul& m : ::Moduly())
        Nainstaluj(m.program);
    for (const Modul& m : ::Moduly()) {
        EXPECT_TRUE(ModulExistuje(m.program));
        EXPECT_TRUE(SpustModul(m.program)) << m.program.toStdString();
    }
    for (const Modul& m : ::Moduly())
        EXPECT_EQ(CekejNaZaznam(prac + m.program + QStringLiteral(".log")),
                  m.program + QStringLiteral(" modul\n"));
}

TEST_F(Moduly, MenuPovoluJenExistujiciASpusteniUkonciProgram) {
    QMenu menu;
    int ukonceni = 0;
    NaplnMenuModuly(&menu, [&] { ++ukonceni; });
    QStringList popisky;
    for (QAction* a : menu.actions())
        popisky << a->text();
    EXPECT_EQ(popisky, (QStringList{
                           QStringLiteral("PP - Příjemka přírody"),
                           QStringLiteral("VU - Výkaz o úpravě osiva"),
                           QStringLiteral("VO - Výdejka odpadů"),
                           QStringLiteral("PV - Příjemka, výkup"),
                           QStringLiteral("DL - Dodací list"),
                           QStringLiteral("VN - Výdejka, návratka"),
                           QStringLiteral("SK - Skladová karta"),
                           QStringLiteral("VP - Vnitropodnik"),
                           QStringLiteral("KA - Kalkulace"),
                           QStringLiteral("KS - Krmné směsi"),
                       }));
    Nainstaluj(QStringLiteral("grem.exe"));
    Nainstaluj(QStringLiteral("hurn.exe"));
    PovolModuly(&menu);
    QStringList povolene;
    for (QAction* a : menu.actions())
        if (a->isEnabled())
            povolene << a->property("program").toString();
    EXPECT_EQ(povolene, (QStringList{QStringLiteral("grem.exe"), QStringLiteral("hurn.exe")}));

    menu.actions().at(8)->trigger(); // "KA - Kalkulace"
    EXPECT_EQ(CekejNaZaznam(prac + QStringLiteral("hurn.exe.log")),
              QStringLiteral("hurn.exe modul\n"));
    EXPECT_EQ(ukonceni, 1);
    EXPECT_FALSE(QFile::exists(prac + QStringLiteral("grem.exe.log")));

    // A module that cannot be started is not reported, and this program still ends.
    QAction* ardo = menu.actions().at(0);
    ardo->setEnabled(true);
    ardo->trigger();
    EXPECT_EQ(ukonceni, 2);
    EXPECT_TRUE(dotazy.isEmpty());
    EXPECT_FALSE(SpustModul(QStringLiteral("ardo.exe")));
}

TEST_F(Moduly, NapovedaOtevreSouborAsociovanouAplikaci) {
    Napoveda(QStringLiteral("asmesi.txt"));
    Napoveda(QStringLiteral("smesi_ukzuz.pdf"));
    const QString zaznam = prac + QStringLiteral("xdg-open.log");
    const auto url = [](const QString& s) { return AdresarProgramu() + s; };
    EXPECT_TRUE(CelkovyPopis());
    EXPECT_EQ(CekejNaZaznam(zaznam), QStringLiteral("xdg-open ") +
                                         url(QStringLiteral("asmesi.txt")) + QStringLiteral("\n"));
    QFile::remove(zaznam);
    EXPECT_TRUE(MpNaUkzuz());
    EXPECT_EQ(CekejNaZaznam(zaznam), QStringLiteral("xdg-open ") +
                                         url(QStringLiteral("smesi_ukzuz.pdf")) +
                                         QStringLiteral("\n"));
    QFile::remove(zaznam);

    // A missing help file: nothing happens and nothing is said.
    QFile::remove(AdresarProgramu() + QStringLiteral("asmesi.txt"));
    EXPECT_FALSE(CelkovyPopis());
    QThread::msleep(300);
    EXPECT_FALSE(QFile::exists(zaznam));
    EXPECT_TRUE(dotazy.isEmpty());
}

TEST_F(Moduly, MenuPomocAOProgramu) {
    Napoveda(QStringLiteral("asmesi.txt"));
    QMenu menu;
    NaplnMenuPomoc(&menu);
    const QList<QAction*> a = menu.actions();
    ASSERT_EQ(a.size(), 3);
    EXPECT_EQ(a[0]->text(), QStringLiteral("Popis programu"));
    EXPECT_EQ(a[1]->text(), QStringLiteral("Poslední změny"));
    EXPECT_EQ(a[2]->text(), QStringLiteral("O programu"));
    ASSERT_TRUE(a[1]->menu());
    const QList<QAction*> zmeny = a[1]->menu()->actions();
    ASSERT_EQ(zmeny.size(), 2);
    EXPECT_EQ(zmeny[0]->text(), QStringLiteral("Celkový popis"));
    EXPECT_EQ(zmeny[1]->text(), QStringLiteral("MP na ÚKZÚZ"));

    a[0]->trigger(); // "Popis programu" does nothing
    a[2]->trigger();
    ASSERT_EQ(dotazy.size(), 1);
    EXPECT_EQ(dotazy[0].text, QStringLiteral("Verze ") + VerzeProgramu());
    EXPECT_TRUE(dotazy[0].text.contains(
        QRegularExpression(QStringLiteral("^Verze \\d+\\.\\d+\\.\\d+\\.\\d+$"))));
    EXPECT_EQ(dotazy[0].tlacitka, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(dotazy[0].ikona, Ikona::Informace);

    zmeny[0]->trigger();
    EXPECT_TRUE(CekejNaZaznam(prac + QStringLiteral("xdg-open.log"))
                    .endsWith(QStringLiteral("/asmesi.txt\n")));
}
