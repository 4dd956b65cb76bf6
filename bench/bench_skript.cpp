// What a posting costs over a slow link: a 100-statement script of the shape "Zapsat"
// writes, run through the session's script executor and, for comparison, statement by
// statement, against a private MariaDB reached through a proxy that adds 25 ms each way.
//
//   bench_skript [--runs N] [--naive N] [--port P] [--delay MS]
//
// The server is started in a temporary directory on port P (default 33346, its second
// listener on P + 1) and stopped at the end.
#include "hodnoty.h"
#include "kodovani.h"
#include "latencniproxy.h"
#include "relace.h"

#include "benchserver.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#ifndef SMESI_ZDROJE
#define SMESI_ZDROJE "."
#endif

namespace {
constexpr int PocetSlozek = 40;
constexpr int PocetObalu = 13;
const QString Stredisko = QStringLiteral("20");
const QString CisloPC = QStringLiteral("07");

// Thrown rather than exit() so that the server and the temporary directory are cleaned up.
[[noreturn]] void Konec(const QString& zprava) {
    throw std::runtime_error(zprava.toStdString());
}

QString Partie(int i) {
    return QStringLiteral("26-0126-%1-01").arg(100 + i, 5, 10, QLatin1Char('0'));
}
// Names with every character the value forms must escape: quote, backslash, semicolon.
QString Nazev(int i) {
    static const QString nazvy[] = {
        QStringLiteral("Jílek vytrvalý 'Bečva'"), QStringLiteral("Kostřava červená; 5\\"),
        QStringLiteral("Jetel luční \"Tábor\""), QStringLiteral("Lipnice luční 100%"),
        QStringLiteral("Řepka ozimá – O'Neil")};
    return nazvy[i % 5];
}
Desetinne Mnozstvi(int i) {
    return Desetinne::zDesetitisicin(125000 + 2500 * i); // 12.5, 12.75, … kg
}

// One posting of a new mixture in the order the module writes it.
QStringList SkriptZapisu(const QDate& datum) {
    QStringList s;
    const auto hodnoty = [&s](const QStringList& v) {
        for (qsizetype i = 0; i < v.size(); ++i)
            s << v[i] + (i + 1 < v.size() ? QStringLiteral(",") : QStringLiteral(")"));
        s << QStringLiteral(";");
    };
    s << QStringLiteral("BEGIN;") << QStringLiteral("SET @RokDo = '2026';")
      << QStringLiteral("INSERT INTO `cisdokl` (`STREDISKO`, `ROK`, `TYPD`, `CISLO0`, `CISLOPC`)")
      << QStringLiteral(" VALUES (") + SqlText(Stredisko) + QStringLiteral(", 2026, \"SM\", ") +
             QStringLiteral("2620000001,") + SqlText(CisloPC) + QStringLiteral(");")
      << QStringLiteral("SET @CiDo = @pomCis;");
    const auto radekSmesi = [&](int i, bool hlavicka) {
        const Desetinne m = hlavicka ? Desetinne::zCeleho(999) : Mnozstvi(i);
        s << QStringLiteral("insert into smesi ")
          << QStringLiteral("(cislodokla,rokd,stredisko,partie,podnik,lomeni,partiecela,")
          << QStringLiteral("nomenkla,nazevosiva,mnozstvi,mj,pc,nc,pr,ulc,smes,datum,")
          << QStringLiteral("druh,odruda,stupen,naz_dru,naz_odru,jazyk)")
          << QStringLiteral(" values(") << QStringLiteral("@CiDo,") << QStringLiteral("@RokDo,");
        hodnoty({SqlText(Stredisko),
                 SqlText(QStringLiteral("260010%1").arg(i % 100, 2, 10, QLatin1Char('0'))),
                 SqlText(QStringLiteral("0126")),
                 SqlText(QStringLiteral("1")),
                 SqlText(hlavicka ? QStringLiteral("26-0126-99999-99") : Partie(i)),
                 SqlText(QStringLiteral("1100%1").arg(i % 10)),
                 SqlText(Nazev(i)),
                 SqlCislo0(m),
                 SqlText(QStringLiteral("kg")),
                 SqlCislo0(QStringLiteral("84,5")),
                 SqlCislo0(QStringLiteral("61,25")),
                 SqlCislo0(QStringLiteral("2,5")),
                 SqlText(QStringLiteral("mp2620000001-0126")),
                 hlavicka ? QStringLiteral("01") : QStringLiteral("00"),
                 SqlDatum(datum),
                 SqlText(QStringLiteral("JLV")),
                 SqlText(QStringLiteral("BEC")),
                 SqlText(QStringLiteral("C1")),
                 SqlText(QStringLiteral("jílek vytrvalý")),
                 SqlText(QStringLiteral("Bečva \\ 'nová'")),
                 SqlText(QStringLiteral("C"))});
    };
    for (int i = 0; i < PocetSlozek; ++i) {
        radekSmesi(i, false);
        const QString m = SqlCislo0(Mnozstvi(i));
        s << QStringLiteral("update skarta") << QStringLiteral(" set zustatek = zustatek - ") + m
          << QStringLiteral(", smesi = smesi + ") + m
          << QStringLiteral(" ,ppohyb=") + SqlDatum(datum)
          << QStringLiteral(" where partiecela = ") + SqlText(Partie(i))
          << QStringLiteral(" and lomeni = 1") << QStringLiteral(" and stredisko = ") + Stredisko
          << QStringLiteral(";");
    }
    for (int i = 0; i < PocetObalu; ++i) {
        s << QStringLiteral("insert into smesiobal ")
          << QStringLiteral("(cislodokla,stredisko,nomenkla,nazevosiva,mnozstvi,mj,poceto,")
          << QStringLiteral("vahao1,druh,odruda,stupen,naz_dru,naz_odru,navesky,vahao1kg,cislopv9)")
          << QStringLiteral(" values(") << QStringLiteral("@CiDo,");
        hodnoty({SqlText(Stredisko), SqlText(QStringLiteral("6000%1").arg(i)),
                 SqlText(QStringLiteral("Pytel PP 25 kg \"Ř\"; č.%1").arg(i)),
                 SqlCislo0(QStringLiteral("25")), SqlText(QStringLiteral("ks")),
                 SqlCislo0(QStringLiteral("1")), SqlCislo0(QStringLiteral("25")),
                 SqlText(QStringLiteral("JLV")), SqlText(QStringLiteral("BEC")),
                 SqlText(QStringLiteral("C1")), SqlText(QStringLiteral("jílek vytrvalý")),
                 SqlText(QStringLiteral("Bečva")), SqlText(QStringLiteral("N-12\\A; O'B")),
                 SqlCislo0(QStringLiteral("25")), SqlText(QString())});
    }
    s << SestavHistorieD(CisloPC, Stredisko, QStringLiteral("Směsi"), QStringLiteral("SM"),
                         QStringLiteral("@CiDo"), CisloPC + QStringLiteral("260314101500"),
                         QString(), QStringLiteral("jan.o'neil"), QStringLiteral("SKLAD\\PC1"));
    radekSmesi(0, true);
    s << QStringLiteral("COMMIT;");
    return s;
}

struct Mereni {
    QString nazev;
    LatencniProxy::Pocty proxy;
    qint64 prikazu = 0;
    double ms = 0;
};

class Merak {
public:
    Merak(LatencniProxy& proxy, Spojeni& spojeni) : m_proxy(proxy), m_spojeni(spojeni) {}
    template <class F> Mereni zmer(const QString& nazev, F&& f) {
        const auto p0 = m_proxy.pocty();
        const qint64 c0 = m_spojeni.pocetPrikazu();
        QElapsedTimer t;
        t.start();
        f();
        Mereni m;
        m.ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
        m.nazev = nazev;
        m.proxy = m_proxy.pocty() - p0;
        m.prikazu = m_spojeni.pocetPrikazu() - c0;
        return m;
    }

private:
    LatencniProxy& m_proxy;
    Spojeni& m_spojeni;
};

void Tiskni(const Mereni& m) {
    std::printf("%-34s %11lld %9lld %9.1f %15lld %15lld\n", m.nazev.toUtf8().constData(),
                static_cast<long long>(m.proxy.obratu), static_cast<long long>(m.prikazu), m.ms,
                static_cast<long long>(m.proxy.bajtuKServeru),
                static_cast<long long>(m.proxy.bajtuKKlientovi));
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
} // namespace

static int Beh(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser volby;
    volby.addHelpOption();
    const QCommandLineOption behy(QStringLiteral("runs"),
                                  QStringLiteral("Runs through the executor."), QStringLiteral("N"),
                                  QStringLiteral("5"));
    const QCommandLineOption naivne(QStringLiteral("naive"),
                                    QStringLiteral("Runs statement by statement."),
                                    QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption portVolba(QStringLiteral("port"),
                                       QStringLiteral("Port of the private server."),
                                       QStringLiteral("P"), QStringLiteral("33346"));
    const QCommandLineOption zpozdeni(QStringLiteral("delay"),
                                      QStringLiteral("Delay of each direction in ms."),
                                      QStringLiteral("MS"), QStringLiteral("25"));
    volby.addOptions({behy, naivne, portVolba, zpozdeni});
    volby.process(app);
    const int pocetBehu = std::max(1, volby.value(behy).toInt());
    const int pocetNaivnich = std::max(0, volby.value(naivne).toInt());
    const int port = volby.value(portVolba).toInt();
    const int ms = volby.value(zpozdeni).toInt();

    QTemporaryDir tmp;
    if (!tmp.isValid())
        Konec(QStringLiteral("no temporary directory"));
    PrivatniServer server(tmp.path() + QStringLiteral("/server"), port);
    QDir().mkpath(tmp.path() + QStringLiteral("/server"));
    std::printf("starting the private server on 127.0.0.1:%d ...\n", port);
    std::fflush(stdout);
    if (!server.spust())
        Konec(QStringLiteral("the server did not start; see %1/server/").arg(tmp.path()));

    const QString databaze = QStringLiteral("bench");
    ParametrySpojeni primo;
    primo.host = QStringLiteral("127.0.0.1");
    primo.port = port;
    primo.databaze.clear();
    QString chyba;
    {
        Spojeni root;
        if (!root.pripoj(primo) || !root.proved(QStringLiteral("create database bench")))
            Konec(root.chyba());
    }
    if (!NactiSql(port, databaze, QStringLiteral(SMESI_ZDROJE "/sql/suite.sql"), &chyba))
        Konec(QStringLiteral("suite.sql: ") + chyba);
    primo.databaze = databaze;
    Spojeni kontrola;
    if (!kontrola.pripoj(primo) || !kontrola.proved(QStringLiteral("SET names cp1250;")))
        Konec(kontrola.chyba());
    for (int i = 0; i < PocetSlozek; ++i)
        if (!kontrola.proved(QStringLiteral("insert into skarta (partiecela, lomeni, stredisko, "
                                            "nazevosiva, zustatek) values (") +
                             SqlText(Partie(i)) + QStringLiteral(", 1, ") + SqlText(Stredisko) +
                             QStringLiteral(", ") + SqlText(Nazev(i)) + QStringLiteral(", 10000)")))
            Konec(kontrola.chyba());

    LatencniProxy proxy("127.0.0.1", port, std::chrono::milliseconds(ms));
    std::string chybaProxy;
    if (!proxy.spust(0, &chybaProxy))
        Konec(QString::fromStdString(chybaProxy));

    // The session as the program has it: compression, cp1250, the SQL log of every
    // statement (written to the temporary directory).
    Relace relace;
    relace.souborChyb = tmp.path() + QStringLiteral("/sme.err");
    relace.log().nastavSoubor(tmp.path() + QStringLiteral("/sm.log"));
    relace.log().zapni(true);
    Spojeni& s = relace.spojeni();
    ParametrySpojeni pres = primo;
    pres.port = proxy.port();
    Merak merak(proxy, s);
    const Mereni pripojeni = merak.zmer(QStringLiteral("connect + session statements"), [&] {
        if (!s.pripoj(pres) || !s.proved(QStringLiteral("set @@session.sql_mode=\"\"")) ||
            !s.proved(QStringLiteral("SET names cp1250;")))
            Konec(s.chyba());
    });

    const QStringList skript = SkriptZapisu(QDate(2026, 3, 14));
    relace.skript().vymaz();
    relace.skript().pridej(skript);
    const QStringList prikazy = relace.skript().prikazy();
    if (prikazy.size() != 100)
        Konec(QStringLiteral("the script has %1 statements, not 100").arg(prikazy.size()));
    QByteArray sql;
    DoCp1250(relace.skript().text(), sql);

    const auto spustSkript = [&] {
        const VysledekSkriptu v = relace.ProvedSkript();
        if (!v.ok)
            Konec(QStringLiteral("script failed at statement %1: %2")
                      .arg(v.chybnyPrikaz)
                      .arg(v.chyba));
    };
    const auto vyber1 = [&] {
        if (!s.proved(QStringLiteral("select 1")))
            Konec(s.chyba());
    };

    std::vector<Mereni> vysledky{pripojeni};
    std::vector<double> msSkriptu, msPrvniho, msDalsiho, msNaivne;
    for (int b = 1; b <= pocetBehu; ++b) {
        // An ordinary statement before, as in the program.
        vyber1();
        vysledky.push_back(merak.zmer(QStringLiteral("executor, run %1").arg(b), spustSkript));
        msSkriptu.push_back(vysledky.back().ms);
        vysledky.push_back(merak.zmer(QStringLiteral("  first select 1 after it"), vyber1));
        msPrvniho.push_back(vysledky.back().ms);
        vysledky.push_back(merak.zmer(QStringLiteral("  next select 1"), vyber1));
        msDalsiho.push_back(vysledky.back().ms);
    }
    // Two scripts back to back.
    spustSkript();
    vysledky.push_back(merak.zmer(QStringLiteral("executor, right after a script"), spustSkript));
    const int skriptu = pocetBehu + 2;
    for (int b = 1; b <= pocetNaivnich; ++b) {
        vyber1();
        vysledky.push_back(merak.zmer(QStringLiteral("one by one, run %1").arg(b), [&] {
            for (const QString& p : prikazy)
                if (!s.proved(p))
                    Konec(QStringLiteral("%1: %2").arg(p, s.chyba()));
        }));
        msNaivne.push_back(vysledky.back().ms);
    }

    // Every run must have written what it claims, escaped texts intact.
    const int zapisu = skriptu + pocetNaivnich;
    Desetinne vydano;
    int sNazvem01 = 1; // the header row carries the first name
    for (int i = 0; i < PocetSlozek; ++i) {
        vydano += Mnozstvi(i);
        sNazvem01 += Nazev(i) == Nazev(0) || Nazev(i) == Nazev(1);
    }
    const struct {
        QString sql;
        QString ocekavane;
    } kontroly[] = {
        {QStringLiteral("select count(distinct CISLO) from cisdokl"), QString::number(zapisu)},
        {QStringLiteral("select count(*) from smesi"), QString::number(zapisu * (PocetSlozek + 1))},
        {QStringLiteral("select count(*) from smesiobal where navesky = ") +
             SqlText(QStringLiteral("N-12\\A; O'B")),
         QString::number(zapisu * PocetObalu)},
        {QStringLiteral("select count(*) from historied where computername = ") +
             SqlText(QStringLiteral("SKLAD\\PC1")) +
             QStringLiteral(" and cislodokla in (select cislodokla from smesi)"),
         QString::number(zapisu)},
        {QStringLiteral("select count(*) from smesi where nazevosiva in (") + SqlText(Nazev(0)) +
             QStringLiteral(", ") + SqlText(Nazev(1)) + QStringLiteral(")"),
         QString::number(zapisu * sNazvem01)},
        {QStringLiteral("select sum(smesi) = ") + SqlCislo(Desetinne::zCeleho(zapisu) * vydano) +
             QStringLiteral(" and sum(zustatek) = sum(10000 - smesi) from skarta"),
         QStringLiteral("1")},
    };
    QStringList nesedi;
    for (const auto& k : kontroly) {
        Vysledek v;
        if (!kontrola.proved(k.sql, &v))
            Konec(kontrola.chyba());
        if (v.text(0, 0) != k.ocekavane)
            nesedi
                << QStringLiteral("%1 gave %2, expected %3").arg(k.sql, v.text(0, 0), k.ocekavane);
    }

    std::printf("\nscript: %lld statements, %lld bytes of SQL; %d ms added each way; "
                "compression on\n\n",
                static_cast<long long>(prikazy.size()), static_cast<long long>(sql.size()), ms);
    std::printf("%-34s %11s %9s %9s %15s %15s\n", "", "round trips", "commands", "ms",
                "bytes to server", "bytes to client");
    for (const Mereni& m : vysledky)
        Tiskni(m);
    std::printf("\nmedian ms: executor %.1f, first select 1 after it %.1f, next select 1 %.1f",
                Median(msSkriptu), Median(msPrvniho), Median(msDalsiho));
    if (!msNaivne.empty())
        std::printf(", one by one %.1f (%.0f times the executor)", Median(msNaivne),
                    Median(msNaivne) / Median(msSkriptu));
    std::printf("\ncheck of the written rows: %s\n",
                nesedi.isEmpty() ? "every posting complete, escaped texts intact"
                                 : qPrintable(nesedi.join(QStringLiteral("; "))));
    return nesedi.isEmpty() ? 0 : 1;
}

int main(int argc, char** argv) {
    try {
        return Beh(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_skript: %s\n", e.what());
        return 1;
    }
}
