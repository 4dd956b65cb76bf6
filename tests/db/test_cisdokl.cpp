// The numbering trigger on cisdokl under several workstations posting at once: each
// posting must get a number of its own, in its own series, and a posting that rolls back
// must not leave a hole.
#include "hodnoty.h"
#include "skript.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <atomic>
#include <chrono>
#include <latch>
#include <thread>
#include <vector>

namespace {
struct Rada {
    QString stredisko;
    int rok;
    qint64 cislo0;
};

// The numbering lines of a posting as the module writes them, reduced to what the
// trigger sees, plus the read of the number.
QStringList Cislovani(const Rada& r, const QString& cisloPC, bool potvrdit = true) {
    SkriptovyProcesor s;
    s.pridej(QStringLiteral("BEGIN;"));
    s.pridej(QStringLiteral("INSERT INTO `cisdokl` (`STREDISKO`, `ROK`, `TYPD`, `CISLO0`, "
                            "`CISLOPC`)"));
    s.pridej(QStringLiteral(" VALUES (") + SqlText(r.stredisko) + QStringLiteral(", ") +
             QString::number(r.rok) + QStringLiteral(", \"SM\", ") + QString::number(r.cislo0) +
             QStringLiteral(",") + SqlText(cisloPC) + QStringLiteral(");"));
    s.pridej(QStringLiteral("SET @CiDo = @pomCis;"));
    s.pridej(QStringLiteral("select @CiDo;"));
    if (potvrdit)
        s.pridej(QStringLiteral("COMMIT;"));
    return s.prikazy();
}

bool Pripoj(Spojeni& s, const ParametrySpojeni& p) {
    return s.pripoj(p) && s.proved(QStringLiteral("set @@session.sql_mode=\"\"")) &&
           s.proved(QStringLiteral("SET names cp1250;"));
}

struct VysledekVlakna {
    QStringList cisla; // in the order this workstation got them
    QStringList chyby;
};

// One connection per thread, each thread posting its series `pocet` times; all threads
// start together so that their inserts overlap.
std::vector<VysledekVlakna> PostujSoucasne(const ParametrySpojeni& p,
                                           const std::vector<Rada>& radyVlaken, int pocet) {
    std::vector<VysledekVlakna> vysledky(radyVlaken.size());
    std::latch start(static_cast<std::ptrdiff_t>(radyVlaken.size()));
    std::vector<std::thread> vlakna;
    for (size_t i = 0; i < radyVlaken.size(); ++i) {
        vlakna.emplace_back([&, i] {
            VysledekVlakna& v = vysledky[i];
            Spojeni s;
            const bool pripojeno = Pripoj(s, p);
            start.arrive_and_wait();
            if (!pripojeno) {
                v.chyby << s.chyba();
                return;
            }
            const QStringList prikazy = Cislovani(radyVlaken[i], QStringLiteral("0%1").arg(i + 1));
            for (int n = 0; n < pocet; ++n) {
                int chybny = -1;
                Vysledek cislo;
                if (!s.provedVice(prikazy, &chybny, &cislo)) {
                    v.chyby << QStringLiteral("prikaz %1: %2").arg(chybny).arg(s.chyba());
                    s.proved(QStringLiteral("ROLLBACK"));
                    continue;
                }
                v.cisla << cislo.text(0, 0);
            }
        });
    }
    for (auto& t : vlakna)
        t.join();
    return vysledky;
}

// The numbers of one series must be exactly cislo0, cislo0 + 1, … with none twice.
void OcekavejSouvislouRadu(QStringList cisla, qint64 cislo0, int pocet) {
    static const QRegularExpression deset(QStringLiteral("^[0-9]{10}$"));
    ASSERT_EQ(cisla.size(), pocet);
    for (const QString& c : cisla)
        EXPECT_TRUE(deset.match(c).hasMatch()) << c.toStdString();
    EXPECT_EQ(QSet<QString>(cisla.begin(), cisla.end()).size(), pocet) << "a number issued twice";
    cisla.sort();
    for (int i = 0; i < pocet; ++i)
        EXPECT_EQ(cisla[i], QString::number(cislo0 + i)) << "position " << i;
}

std::string Chyby(const std::vector<VysledekVlakna>& v) {
    QStringList vse;
    for (const auto& x : v)
        vse << x.chyby;
    return vse.join(QLatin1Char('\n')).toStdString();
}
} // namespace

TEST(Cisdokl, CtyriStaniceSoucasneDostanouRuznaCisla) {
    TestDb db;
    const Rada rada{QStringLiteral("20"), 2026, 2620000001};
    const auto vysledky = PostujSoucasne(db.parametry(), {rada, rada, rada, rada}, 25);
    ASSERT_EQ(Chyby(vysledky), std::string());

    QStringList vse;
    for (const auto& v : vysledky) {
        // One workstation posts one after another, so its own numbers only grow.
        for (qsizetype i = 1; i < v.cisla.size(); ++i)
            EXPECT_LT(v.cisla[i - 1], v.cisla[i]);
        vse << v.cisla;
    }
    OcekavejSouvislouRadu(vse, rada.cislo0, 100);
    // What each posting read from @CiDo is what its row of cisdokl holds.
    EXPECT_EQ(db.pocet(QStringLiteral("cisdokl")), 100);
    EXPECT_EQ(db.hodnota(QStringLiteral("select count(distinct CISLO) from cisdokl where "
                                        "CISLO between '2620000001' and '2620000100'")),
              QStringLiteral("100"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select min(CISLO) from cisdokl")),
              QStringLiteral("2620000001"));
}

TEST(Cisdokl, RadyStredisekARokuSeCislujiKazdaOdSvehoCISLO0) {
    TestDb db;
    const Rada a{QStringLiteral("20"), 2026, 2620000001};
    const Rada b{QStringLiteral("21"), 2026, 2621000001};
    const Rada c{QStringLiteral("20"), 2027, 2720000001};
    // Two workstations on the first series, one on each of the others, all at once:
    // postings of different series must neither share numbers nor hold each other up
    // into a deadlock.
    const auto vysledky = PostujSoucasne(db.parametry(), {a, a, b, c}, 12);
    ASSERT_EQ(Chyby(vysledky), std::string());
    OcekavejSouvislouRadu(vysledky[0].cisla + vysledky[1].cisla, a.cislo0, 24);
    OcekavejSouvislouRadu(vysledky[2].cisla, b.cislo0, 12);
    OcekavejSouvislouRadu(vysledky[3].cisla, c.cislo0, 12);
}

TEST(Cisdokl, CisloZrusenehoZapisuDostaneDalsiZapis) {
    TestDb db;
    const Rada rada{QStringLiteral("20"), 2026, 2620000001};
    Spojeni& a = db.spojeni();
    Vysledek v;
    int chybny = -1;
    ASSERT_TRUE(a.provedVice(Cislovani(rada, QStringLiteral("01")), &chybny, &v))
        << a.chyba().toStdString();
    ASSERT_EQ(v.text(0, 0), QStringLiteral("2620000001"));

    // Workstation A takes the next number and keeps its transaction open ...
    ASSERT_TRUE(a.provedVice(Cislovani(rada, QStringLiteral("01"), false), &chybny, &v))
        << a.chyba().toStdString();
    ASSERT_EQ(v.text(0, 0), QStringLiteral("2620000002"));

    // ... so workstation B, posting the same series meanwhile, waits for it.
    std::atomic<bool> hotovo = false;
    QString cisloB, chybaB;
    std::thread b([&] {
        Spojeni s;
        Vysledek vb;
        int ch = -1;
        if (!Pripoj(s, db.parametry()))
            chybaB = s.chyba();
        else if (!s.provedVice(Cislovani(rada, QStringLiteral("02")), &ch, &vb))
            chybaB = s.chyba();
        else
            cisloB = vb.text(0, 0);
        hotovo = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    const bool cekalo = !hotovo;

    // A's posting fails and rolls back: its number goes to B, no hole is left.
    ASSERT_TRUE(a.proved(QStringLiteral("ROLLBACK;")));
    b.join();
    EXPECT_TRUE(cekalo) << "B did not wait for A's open posting";
    ASSERT_EQ(chybaB, QString());
    EXPECT_EQ(cisloB, QStringLiteral("2620000002"));

    ASSERT_TRUE(a.provedVice(Cislovani(rada, QStringLiteral("01")), &chybny, &v));
    EXPECT_EQ(v.text(0, 0), QStringLiteral("2620000003"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select group_concat(CISLO order by CISLO) from cisdokl")),
              QStringLiteral("2620000001,2620000002,2620000003"));
}

TEST(Cisdokl, PokracujeZaCislyKtereNevydal) {
    // Mixtures the module numbered itself (years before 2016) and rows of cisdokl from
    // before the counter share the series; the counter continues after the highest.
    TestDb db;
    ASSERT_TRUE(db.spojeni().proved(
        QStringLiteral("insert into smesi (cislodokla, stredisko, smes) values "
                       "('2620000007', '20', '1'), ('2620000003', '20', '0')")));
    ASSERT_TRUE(db.spojeni().proved(
        QStringLiteral("insert into cisdokl (STREDISKO, ROK, TYPD, CISLO0, CISLO) values "
                       "('21', '2026', 'SM', '2621000001', '2621000041')")));
    // The trigger numbers that row too; put back the number it had before the counter.
    ASSERT_TRUE(db.spojeni().proved(
        QStringLiteral("update cisdokl set CISLO = '2621000041' where STREDISKO = '21'")));
    ASSERT_TRUE(db.spojeni().proved(QStringLiteral("delete from cisdoklrada")));

    struct Pripad {
        Rada rada;
        const char* ocekavane;
    } const pripady[] = {
        {{QStringLiteral("20"), 2026, 2620000001}, "2620000008"},
        {{QStringLiteral("21"), 2026, 2621000001}, "2621000042"},
        {{QStringLiteral("20"), 2026, 2620000001}, "2620000009"},
        // A CISLO0 above everything issued so far is taken as it is.
        {{QStringLiteral("22"), 2026, 2622000500}, "2622000500"},
    };
    for (const Pripad& p : pripady) {
        Vysledek v;
        int chybny = -1;
        ASSERT_TRUE(db.spojeni().provedVice(Cislovani(p.rada, QStringLiteral("01")), &chybny, &v))
            << db.spojeni().chyba().toStdString();
        EXPECT_EQ(v.text(0, 0), QString::fromLatin1(p.ocekavane)) << p.rada.stredisko.toStdString();
    }
}
