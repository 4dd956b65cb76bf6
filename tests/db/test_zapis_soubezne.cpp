// Eight workstations, each a process of its own with the program's session, post 25
// mixtures each at the same time over the same component cards: half of them dated in one
// year and taking the cards first to last, half in the next year and last to first, so the
// two numbering series run side by side and their card updates cross. Every posting must
// get a number of its own, every balance must be exact, and a deadlock must be run again
// instead of ending a workstation.
#include "hodnoty.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QProcess>
#include <QSet>

#include <memory>
#include <vector>

#ifndef SMESI_ZAPIS_KLIENT
#define SMESI_ZAPIS_KLIENT ""
#endif

namespace {
constexpr int Stanic = 8;
constexpr int Zapisu = 25;
constexpr int Karet = 12;
constexpr int Zustatek = 100000;

// As the workstation computes it.
int Mnozstvi(int stanice, int n, int j) {
    return 1 + (stanice + n + j) % 5;
}
int RokStanice(int stanice) {
    return stanice % 2 ? 2026 : 2025;
}
} // namespace

TEST(ZapisSoubezne, OsmStanicNadSpolecnymiKartami) {
    TestDb db;
    QStringList karty;
    for (int j = 0; j < Karet; ++j)
        karty << QStringLiteral("('26-0126-%1-01', 0, '20', %2)")
                     .arg(100 + j, 5, 10, QLatin1Char('0'))
                     .arg(Zustatek);
    ASSERT_TRUE(db.spojeni().proved(QStringLiteral("insert into skarta (partiecela, lomeni, "
                                                   "stredisko, zustatek) values ") +
                                    karty.join(QLatin1Char(','))));

    const QString adresar = TestTmpDir();
    std::vector<std::unique_ptr<QProcess>> stanice;
    for (int i = 1; i <= Stanic; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setProgram(QStringLiteral(SMESI_ZAPIS_KLIENT));
        p->setArguments({QString::number(TestPort()), db.jmeno(), QString::number(i),
                         QString::number(Zapisu), QString::number(RokStanice(i)),
                         QString::number(Karet),
                         RokStanice(i) == 2025 ? QStringLiteral("up") : QStringLiteral("down"),
                         adresar + QString::number(i)});
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        stanice.push_back(std::move(p));
    }
    for (auto& p : stanice)
        p->start();
    QStringList cisla, chyby;
    int opakovani = 0;
    for (size_t i = 0; i < stanice.size(); ++i) {
        QProcess& p = *stanice[i];
        ASSERT_TRUE(p.waitForFinished(240000)) << "workstation " << i + 1 << " did not finish";
        const QStringList radky = QString::fromLocal8Bit(p.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& r : radky) {
            const QStringList c = r.split(QLatin1Char(' '));
            if (c.value(0) == QLatin1String("CISLO")) {
                cisla << c.value(1);
                opakovani += c.value(2).toInt();
            } else {
                chyby << QStringLiteral("workstation %1: %2").arg(i + 1).arg(r);
            }
        }
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << "workstation " << i + 1;
        EXPECT_EQ(p.exitCode(), 0) << "workstation " << i + 1;
    }
    EXPECT_EQ(chyby.join(QLatin1Char('\n')).toStdString(), std::string());

    // 200 numbers, none twice: the two series each 0001 to 0100 with no gap.
    ASSERT_EQ(cisla.size(), Stanic * Zapisu);
    EXPECT_EQ(QSet<QString>(cisla.begin(), cisla.end()).size(), Stanic * Zapisu);
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat(min(cislodokla), '-', max(cislodokla), '/', "
                                        "count(*)) from smesi where smes = '1' and rokd = '2025'")),
              QStringLiteral("2025200001-2025200100/100"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat(min(cislodokla), '-', max(cislodokla), '/', "
                                        "count(*)) from smesi where smes = '1' and rokd = '2026'")),
              QStringLiteral("2026200001-2026200100/100"));
    EXPECT_EQ(db.pocet(QStringLiteral("historied")), Stanic * Zapisu);
    // Every document complete: its header, one row per card, its mixed lot's card.
    EXPECT_EQ(db.pocet(QStringLiteral("smesi"), QStringLiteral("smes = '0'")),
              Stanic * Zapisu * Karet);
    EXPECT_EQ(db.pocet(QStringLiteral("skarta")), Karet + Stanic * Zapisu);

    // Each card: its start less what the posted documents took, and exactly what the
    // workstations meant to take.
    QMap<QString, int> vzato;
    for (int i = 1; i <= Stanic; ++i)
        for (int n = 0; n < Zapisu; ++n)
            for (int j = 0; j < Karet; ++j)
                vzato[QStringLiteral("26-0126-%1-01").arg(100 + j, 5, 10, QLatin1Char('0'))] +=
                    Mnozstvi(i, n, j);
    for (auto it = vzato.cbegin(); it != vzato.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        EXPECT_EQ(db.hodnota(QStringLiteral("select concat(round(k.zustatek), '/', "
                                            "round(k.smesi), '/', round(sum(s.mnozstvi))) from "
                                            "skarta k join smesi s on s.partiecela = k.partiecela "
                                            "where k.partiecela = ") +
                             SqlText(it.key()) + QStringLiteral(" group by k.id")),
                  QStringLiteral("%1/%2/%2").arg(Zustatek - it.value()).arg(it.value()));
    }
    // The crossing updates did deadlock, and every such posting was run again.
    std::printf("postings run again after a deadlock or lock-wait time-out: %d\n", opakovani);
    EXPECT_GT(opakovani, 0);
}
