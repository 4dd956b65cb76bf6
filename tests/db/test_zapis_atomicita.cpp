// A posting whose connection is lost after any of its statements: the server rolls the
// transaction back, so the database is exactly as before; the program writes "sme.err",
// tells the user and ends; the next start posts the same document normally.
#include "dbf.h"
#include "dokladtest.h"
#include "dotaz.h"
#include "hodiny.h"
#include "hodnoty.h"
#include "pracovnitabulky.h"
#include "provedskript.h"
#include "relace.h"
#include "rezaciproxy.h"
#include "testdb.h"
#include "zapis.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace {
Desetinne D(const char* t) {
    return *Desetinne::zTextu(QString::fromLatin1(t));
}

// Every table a posting or a correction writes.
QString Soucty(TestDb& db) {
    Vysledek v;
    if (!db.spojeni().proved(
            QStringLiteral("CHECKSUM TABLE smesi, smesiobal, smesipa, skarta, sklpalety, cisdokl, "
                           "cisdoklrada, historied, pvrad, dlrad, vnrad, vp, pv9, krsmesi"),
            &v)) {
        ADD_FAILURE() << db.spojeni().chyba().toStdString();
        return {};
    }
    QStringList s;
    for (int r = 0; r < v.pocetRadku(); ++r)
        s << v.text(r, 0).section(QLatin1Char('.'), 1) + QLatin1Char('=') + v.text(r, 1);
    return s.join(QLatin1Char(' '));
}

// The server has ended the session of the lost connection (and with it the transaction).
bool SpojeniSkoncilo(TestDb& db, const QString& id) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 15000) {
        if (db.pocet(QStringLiteral("information_schema.processlist"),
                     QStringLiteral("id = ") + id) == 0)
            return true;
        QThread::msleep(20);
    }
    return false;
}

class Atomicita : public ::testing::Test {
protected:
    void SetUp() override {
        adresar = TestTmpDir();
        Hodiny::nastav([] { return QDateTime(QDate(2026, 3, 14), QTime(10, 15)); });
        NastavOdpovidac([this](const ZaznamDotazu& z) {
            zpravy << z.text;
            return 1;
        });
        for (const QString& sql : {
                 QStringLiteral("insert into skarta (partiecela, lomeni, stredisko, zustatek) "
                                "values ('26-0126-00101-01', 0, '20', 500), "
                                "('26-0126-00102-01', 0, '20', 500)"),
                 QStringLiteral("insert into sklpalety (cislo, partiecela, lomeni, stredisko, "
                                "pocet, vahao1, mj, celkem, zbytek, zustatek) values "
                                "(77, '26-0126-00101-01', 0, '20', 4, 25, 'kg', 100, 5, 105)"),
                 QStringLiteral("insert into dlrad (cislodokla, partiecela, lomeni, odruda) "
                                "values ('2610000009', '26-0126-00800-01', 0, 'BEC')"),
             })
            ASSERT_TRUE(db.spojeni().proved(sql)) << db.spojeni().chyba().toStdString();
        ASSERT_TRUE(t.udelejDBF(db.spojeni())) << t.chyba().toStdString();
        ASSERT_TRUE(t.novyDoklad(true, QStringLiteral("20")));
        t.hlavicka().zrus();
        RadekDokladu h;
        h.stredisko = QStringLiteral("20");
        h.partie = QStringLiteral("260080001");
        h.partiecela = QStringLiteral("26-0126-00800-01");
        h.nazevosiva = QStringLiteral("Směs");
        h.mnozstvi = D("140");
        h.nc = D("10");
        h.datum = QDate(2026, 3, 14);
        h.smes = QStringLiteral("1");
        ASSERT_EQ(Pridej(t.hlavicka(), h), QString());
        for (const auto& [lot, mnozstvi] :
             {std::pair{"26-0126-00101-01", "100"}, std::pair{"26-0126-00102-01", "40"}}) {
            RadekDokladu r;
            r.partiecela = QString::fromLatin1(lot);
            r.mnozstvi = D(mnozstvi);
            ASSERT_EQ(Pridej(t.radky(), r), QString());
        }
        ObalDokladu o;
        o.nomenkla = QStringLiteral("600001");
        o.mnozstvi = D("125");
        ASSERT_EQ(Pridej(t.obaly(), o), QString());
        PaletaDokladu p;
        p.cislo = 77;
        p.partiecela = QStringLiteral("26-0126-00101-01");
        p.stredisko = QStringLiteral("20");
        p.vahao1 = D("25");
        p.zbytek = D("40");
        p.zustatek = D("40");
        ASSERT_EQ(Pridej(t.palety(), p), QString());
        v.CisloPC = QStringLiteral("05");
        v.stredisko = QStringLiteral("20");
        v.PaletyStrediska = true;
        v.UcetniRok = QStringLiteral("1");
        v.ted = Hodiny::ted();
        ASSERT_TRUE(proxy.spust(nullptr));
    }
    void TearDown() override {
        NastavOdpovidac({});
        Hodiny::nastav({});
    }

    // The program's session, reached through the proxy.
    bool Pripoj(Relace& r) {
        ParametrySpojeni p = db.parametry();
        p.port = proxy.port();
        p.komprese = false; // the proxy reads the packets
        r.souborChyb = adresar + QStringLiteral("sme.err");
        return r.spojeni().pripoj(p) && r.spojeni().proved(QStringLiteral("SET names cp1250;"));
    }

    // For every k below the script's length: cut after k statements; nothing stays. With
    // `odpovediProjdou` the client gets the answers to those k statements before the link
    // ends, as if the server had been sent a shorter script.
    void KazdyRez(const QStringList& skript, bool odpovediProjdou = false) {
        SkriptovyProcesor sp;
        sp.pridej(skript);
        const int n = static_cast<int>(sp.prikazy().size());
        ASSERT_GT(n, 10);
        ASSERT_EQ(sp.prikazy().last(), QStringLiteral("COMMIT"));
        const QString pred = Soucty(db);
        QFile::remove(adresar + QStringLiteral("sme.err"));
        for (int k = 1; k < n; ++k) {
            SCOPED_TRACE(k);
            Relace r;
            ASSERT_TRUE(Pripoj(r)) << r.spojeni().chyba().toStdString();
            Vysledek id;
            ASSERT_TRUE(r.spojeni().proved(QStringLiteral("select connection_id()"), &id));
            proxy.nastavRez(k, odpovediProjdou);
            r.skript().pridej(skript);
            zpravy.clear();
            bool konec = false;
            EXPECT_FALSE(ProvedSkriptSHlasenim(r, [&konec] { konec = true; }));
            EXPECT_EQ(proxy.odeslanoPrikazu(), k);
            EXPECT_TRUE(konec);
            EXPECT_EQ(zpravy,
                      QStringList{QStringLiteral("Nastala chyba SQL. Program bude ukončen.")});
            EXPECT_FALSE(r.spojeni().jePripojeno());
            ASSERT_TRUE(SpojeniSkoncilo(db, id.text(0, 0)));
            ASSERT_EQ(Soucty(db), pred);
        }
        // One block per lost posting in "sme.err", each with the whole script.
        QFile f(adresar + QStringLiteral("sme.err"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(f.readAll());
        EXPECT_EQ(text.count(QString(57, QLatin1Char('-'))), n - 1);
        EXPECT_EQ(text.count(QStringLiteral("\r\nCOMMIT;\r\n")), n - 1);
    }

    // The next start: a session of its own posts the script through the same proxy.
    void DalsiStart(const QStringList& skript) {
        Relace r;
        ASSERT_TRUE(Pripoj(r));
        r.skript().pridej(skript);
        const VysledekSkriptu vs = r.ProvedSkript();
        ASSERT_TRUE(vs.ok) << vs.chyba.toStdString();
    }

    QString adresar;
    TestDb db;
    PracovniTabulky t{TestTmpDir()};
    VstupZapisu v;
    RezaciProxy proxy{TestPort()};
    QStringList zpravy;
};
} // namespace

TEST_F(Atomicita, NovyDokladPoKazdemPrikazu) {
    const QStringList skript = SkriptNovehoDokladu(v, t);
    KazdyRez(skript);
    DalsiStart(skript);
    // The rolled-back numbers were never used: the posting gets the first one.
    EXPECT_EQ(db.hodnota(QStringLiteral("select group_concat(distinct cislodokla) from smesi")),
              QStringLiteral("2026200001"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select group_concat(round(zustatek) order by partiecela) "
                                        "from skarta")),
              QStringLiteral("400,460,140"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat(pocet, '/', round(zbytek)) from sklpalety")),
              QStringLiteral("2/15"));
}

// The answers of the statements that got through arrive: the executor must still see that
// the rest never ran, and must not call the posting done.
TEST_F(Atomicita, ServerOdpovedelJenNaCastSkriptu) {
    const QStringList skript = SkriptNovehoDokladu(v, t);
    KazdyRez(skript, true);
    EXPECT_EQ(db.pocet(QStringLiteral("smesi")), 0);
    DalsiStart(skript);
    EXPECT_EQ(db.pocet(QStringLiteral("smesi"), QStringLiteral("cislodokla = '2026200001'")), 3);
}

TEST_F(Atomicita, OpravaPoKazdemPrikazu) {
    DalsiStart(SkriptNovehoDokladu(v, t));
    ASSERT_TRUE(t.otevriDoklad(db.spojeni(), QStringLiteral("2026200001"), true));
    TabulkaDbf& h = t.hlavicka();
    ASSERT_TRUE(h.prvni() && h.uprav() &&
                h.nastavText(QStringLiteral("ODRUDA"), QStringLiteral("TAB")) && h.uloz());
    v.StavZapisu = 1;
    const QStringList skript = Oprava(v, t);
    KazdyRez(skript);
    DalsiStart(skript);
    EXPECT_EQ(db.hodnota(QStringLiteral("select odruda from dlrad")), QStringLiteral("TAB"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select group_concat(round(zustatek) order by partiecela) "
                                        "from skarta")),
              QStringLiteral("400,460,140"));
    EXPECT_EQ(db.hodnota(QStringLiteral("select concat(pocet, '/', round(zbytek)) from sklpalety")),
              QStringLiteral("2/15"));
}

// Lost after the server ran the COMMIT: the posting is complete, the program still takes the
// failure path (it cannot know), and the document's lot then has its card, so posting it a
// second time is refused by the existence test instead of doubling it.
TEST_F(Atomicita, RezPoCommitu) {
    const QStringList skript = SkriptNovehoDokladu(v, t);
    SkriptovyProcesor sp;
    sp.pridej(skript);
    Relace r;
    ASSERT_TRUE(Pripoj(r));
    proxy.nastavRez(static_cast<int>(sp.prikazy().size()));
    r.skript().pridej(skript);
    EXPECT_FALSE(ProvedSkriptSHlasenim(r, [] {}));
    EXPECT_TRUE(QFile::exists(adresar + QStringLiteral("sme.err")));
    EXPECT_EQ(db.pocet(QStringLiteral("smesi"), QStringLiteral("cislodokla = '2026200001'")), 3);
    Vysledek kde;
    ASSERT_TRUE(
        db.spojeni().proved(SqlExistencePartie(QStringLiteral("26-0126-00800-01"), 0), &kde));
    EXPECT_EQ(kde.pocetRadku(), 1);
}
