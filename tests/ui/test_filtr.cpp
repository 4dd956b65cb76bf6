#include "dotaz.h"
#include "filtr.h"
#include "hledat.h"
#include "ini.h"
#include "sadaokna.h"
#include "seznamdokladu.h"
#include "testdb.h"
#include "tform1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {
QString obsah(const QString& cesta) {
    QFile f(cesta);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}
} // namespace

TEST(Filtr, PodminkyPodleTypu) {
    StavFiltru f;
    f = PridejPodminku(f, QStringLiteral("datum"), QStringLiteral("DATUM"), TypPole::Datum,
                       QStringLiteral("12.03.2026"), QStringLiteral("2026-03-12"),
                       QStringLiteral(" >= "));
    f = PridejPodminku(f, QStringLiteral("datum"), QStringLiteral("DATUM"), TypPole::Datum,
                       QStringLiteral("30.09.2026"), QStringLiteral("2026-09-30"),
                       QStringLiteral(" <= "));
    EXPECT_EQ(f.sql, QStringLiteral("where datum >= '2026-03-12' AND datum <= '2026-09-30'"));
    EXPECT_EQ(f.popis, QStringLiteral("DATUM >= 12.03.2026, DATUM <= 2026-09-30"));
    f = PridejPodminku(f, QStringLiteral("lomeni"), QStringLiteral("LOMENI"), TypPole::Cele,
                       QStringLiteral("1"), QStringLiteral("1"), QStringLiteral(" <> "));
    EXPECT_TRUE(f.sql.endsWith(QStringLiteral(" AND lomeni <> 1")));
    f = PridejPodminku(f, QStringLiteral("popis"), QStringLiteral("POPIS"), TypPole::Text,
                       QStringLiteral("O'Neil \\"), QStringLiteral("O'Neil \\"),
                       QStringLiteral(" = "));
    EXPECT_TRUE(f.sql.endsWith(QStringLiteral(" AND popis = 'O''Neil \\\\'")))
        << f.sql.toStdString();
    EXPECT_TRUE(f.popis.endsWith(QStringLiteral(", POPIS = O'Neil \\")));
    StavFiltru c =
        PridejPodminku({}, QStringLiteral("nc"), QStringLiteral("NC"), TypPole::Cislo,
                       QStringLiteral("58,4"), QStringLiteral("58.4000"), QStringLiteral(" > "));
    EXPECT_EQ(c.sql, QStringLiteral("where nc > '58.4000'"));
    EXPECT_EQ(c.popis, QStringLiteral("NC > 58,4"));
    EXPECT_EQ(OperatorVMenu(0), QStringLiteral(" =  "));
    EXPECT_EQ(OperatorVMenu(3), QStringLiteral(" >= "));
}

TEST(Filtr, HistorieAZpetPoJedne) {
    const QString zaklad = TestTmpDir() + QStringLiteral("smesihla");
    HistorieFiltru h(zaklad);
    EXPECT_EQ(h.nacti().sql, QString()); // missing files: no filter
    StavFiltru f;
    QList<StavFiltru> kroky;
    for (const char* p : {"stredisko", "rokd", "popis"}) {
        f = PridejPodminku(f, QString::fromLatin1(p), QString::fromLatin1(p).toUpper(),
                           TypPole::Text, QStringLiteral("á"), QStringLiteral("á"),
                           QStringLiteral(" = "));
        ASSERT_TRUE(h.pridej(f));
        kroky << f;
    }
    EXPECT_EQ(h.nacti().sql, kroky[2].sql);
    StavFiltru z = h.smazPosledni();
    EXPECT_EQ(z.sql, kroky[1].sql);
    EXPECT_EQ(z.popis, kroky[1].popis);
    EXPECT_EQ(h.nacti().popis, kroky[1].popis);
    h.smazPosledni();
    z = h.smazPosledni();
    EXPECT_EQ(z.sql, QString());
    EXPECT_EQ(z.popis, QStringLiteral("Žádný filtr"));
    EXPECT_EQ(obsah(zaklad + QStringLiteral(".Fi_")), QString());
    EXPECT_EQ(obsah(zaklad + QStringLiteral(".Te_")), QString());
}

class FiltrOkno : public SadaOkna {
protected:
    std::unique_ptr<TForm1> spust(const TestDb& db) { return spustNaStredisku(db); }
};

TEST_F(FiltrOkno, FiltrZBunkyPrezijeRestart) {
    TestDb db(true);
    auto okno = spust(db);
    ModelVysledku* m = okno->seznam()->modelSeznamu();
    ASSERT_EQ(m->rowCount(), 4);
    // The cell "rokd" of the document from 2025.
    int r = -1;
    for (int i = 0; i < m->rowCount(); ++i)
        if (m->text(i, QStringLiteral("rokd")) == QLatin1String("2025"))
            r = i;
    ASSERT_GE(r, 0);
    okno->seznam()->gridSeznam()->setCurrentIndex(m->index(r, m->sloupec(QStringLiteral("rokd"))));
    QMenu* menu = okno->seznam()->menuSeznamu();
    emit menu->aboutToShow();
    QAction* a = okno->akce(QStringLiteral("FILTR_2"));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->text(), QStringLiteral("ROKD <> 2025"));
    a->trigger();
    EXPECT_EQ(okno->stav().FiltrSQL, QStringLiteral("where rokd <> '2025'"));
    EXPECT_EQ(m->rowCount(), 3);
    EXPECT_EQ(okno->seznam()->titulek(),
              QStringLiteral("Seznam dokladů Směsi - filtr: ROKD <> 2025"));
    okno->akce(QStringLiteral("FILTRzobrazitfiltr1"))->trigger();
    EXPECT_EQ(zpravy, QStringList{QStringLiteral("ROKD <> 2025")});
    okno->close();

    auto druhe = spust(db);
    EXPECT_EQ(druhe->stav().FiltrSQL, QStringLiteral("where rokd <> '2025'"));
    EXPECT_EQ(druhe->seznam()->modelSeznamu()->rowCount(), 3);
    druhe->akce(QStringLiteral("FILTRsmazatcelfiltr1"))->trigger();
    EXPECT_EQ(druhe->seznam()->modelSeznamu()->rowCount(), 4);
    EXPECT_EQ(druhe->stav().FiltrPopis, QStringLiteral("Žádný filtr"));
}

TEST_F(FiltrOkno, ChybnyFiltrZavreSeznam) {
    TestDb db(true);
    QFile f(prog + QStringLiteral("smesihla.Fi_"));
    f.open(QIODevice::WriteOnly);
    f.write("where neni_sloupec = 1\r\n");
    f.close();
    auto okno = spust(db);
    ASSERT_EQ(zpravy.size(), 1);
    EXPECT_TRUE(zpravy[0].contains(QStringLiteral("neni_sloupec"))) << zpravy[0].toStdString();
    EXPECT_FALSE(okno->seznam()->modelSeznamu()->otevreno());
    okno->akce(QStringLiteral("FILTRsmazatposledn1"))->trigger();
    EXPECT_EQ(okno->seznam()->modelSeznamu()->rowCount(), 4);
}

TEST_F(FiltrOkno, HledaniVSeznamu) {
    TestDb db(true);
    auto okno = spust(db);
    ModelVysledku* m = okno->seznam()->modelSeznamu();
    QTableView* g = okno->seznam()->gridSeznam();
    g->setCurrentIndex(m->index(0, m->sloupec(QStringLiteral("cislodokla"))));
    auto hledej = [&](const QString& text, bool prevzit) {
        QTimer::singleShot(0, [&, text, prevzit] {
            auto* d = qobject_cast<TFhledat*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            QLineEdit* e = d->findChild<QLineEdit*>();
            ASSERT_TRUE(e);
            QTest::keyClicks(e, text);
            if (prevzit)
                d->prevzit();
            else
                d->reject();
        });
        okno->akce(QStringLiteral("Hledatdokladvseznamu1"))->trigger();
    };
    hledej(QStringLiteral("2025100001"), true);
    EXPECT_EQ(okno->seznam()->vybranyDoklad(), QStringLiteral("2025100001"));
    EXPECT_GT(okno->seznam()->modelRadku()->rowCount(), 0); // the panes refreshed once
    hledej(QStringLiteral("2026100002"), false);
    EXPECT_EQ(okno->seznam()->vybranyDoklad(), QStringLiteral("2025100001")); // "storno" stays
}
