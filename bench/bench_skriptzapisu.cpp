// The database part of "Zapsat" for a mixture of 30 components, 10 pallet withdrawals and
// 3 packaging lines, its script built from the work tables by the posting functions, over a
// link with 25 ms each way: the lot's existence test, the numbering settings, the script
// through the session's executor and the read of the number; then the same statements one
// by one, as a posting without the executor would send them.
//
//   bench_skriptzapisu [--runs N] [--port P] [--delay MS]
#include "benchserver.h"
#include "dbf.h"
#include "dokladtest.h"
#include "hodnoty.h"
#include "latencniproxy.h"
#include "pracovnitabulky.h"
#include "relace.h"
#include "zapis.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#ifndef SMESI_ZDROJE
#define SMESI_ZDROJE "."
#endif

namespace {
constexpr int Slozek = 30;
constexpr int Palet = 10;
constexpr int Obalu = 3;

[[noreturn]] void Konec(const QString& zprava) {
    throw std::runtime_error(zprava.toStdString());
}

QString Lot(int n) {
    return QStringLiteral("26-0126-%1-01").arg(n, 5, 10, QLatin1Char('0'));
}

void Over(const QString& chyba) {
    if (!chyba.isEmpty())
        Konec(chyba);
}

// A new document in the work tables; its mixed lot is new for every run.
void Doklad(PracovniTabulky& t, int beh) {
    if (!t.novyDoklad(true, QStringLiteral("20")))
        Konec(t.chyba());
    t.hlavicka().zrus();
    RadekDokladu h;
    h.stredisko = QStringLiteral("20");
    h.partie =
        QStringLiteral("26%1").arg(90000 + beh, 5, 10, QLatin1Char('0')) + QStringLiteral("01");
    h.partiecela = Lot(90000 + beh);
    h.nazevosiva = QStringLiteral("Travní směs 'Louka'");
    h.mnozstvi = Desetinne::zCeleho(100 * Slozek);
    h.nc = Desetinne::zCeleho(10);
    h.datum = QDate(2026, 3, 14);
    h.smes = QStringLiteral("1");
    Over(Pridej(t.hlavicka(), h));
    for (int i = 0; i < Slozek; ++i) {
        RadekDokladu r;
        r.partie =
            QStringLiteral("26%1").arg(100 + i, 5, 10, QLatin1Char('0')) + QStringLiteral("01");
        r.partiecela = Lot(100 + i);
        r.nazevosiva = QStringLiteral("Jílek vytrvalý");
        r.mnozstvi = Desetinne::zCeleho(100);
        r.nc = Desetinne::zCeleho(10);
        Over(Pridej(t.radky(), r));
    }
    for (int i = 0; i < Palet; ++i) {
        PaletaDokladu p;
        p.cislo = i + 1;
        p.partiecela = Lot(100 + i);
        p.stredisko = QStringLiteral("20");
        p.pocet = 1;
        p.vahao1 = Desetinne::zCeleho(25);
        p.celkem = Desetinne::zCeleho(25);
        p.zbytek = Desetinne::zCeleho(5);
        p.zustatek = Desetinne::zCeleho(30);
        Over(Pridej(t.palety(), p));
    }
    for (int i = 0; i < Obalu; ++i) {
        ObalDokladu o;
        o.stredisko = QStringLiteral("20");
        o.nomenkla = QStringLiteral("60000%1").arg(i);
        o.poceto = Desetinne::zCeleho(40);
        o.mnozstvi = Desetinne::zCeleho(1000);
        Over(Pridej(t.obaly(), o));
    }
}

struct Mereni {
    LatencniProxy::Pocty proxy;
    double ms = 0;
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
} // namespace

static int Beh(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser volby;
    volby.addHelpOption();
    const QCommandLineOption behy(QStringLiteral("runs"), QStringLiteral("Postings of each way."),
                                  QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption portVolba(QStringLiteral("port"),
                                       QStringLiteral("Port of the private server."),
                                       QStringLiteral("P"), QStringLiteral("33347"));
    const QCommandLineOption zpozdeni(QStringLiteral("delay"),
                                      QStringLiteral("Delay of each direction in ms."),
                                      QStringLiteral("MS"), QStringLiteral("25"));
    volby.addOptions({behy, portVolba, zpozdeni});
    volby.process(app);
    const int pocetBehu = std::max(1, volby.value(behy).toInt());
    const int port = volby.value(portVolba).toInt();
    const int ms = volby.value(zpozdeni).toInt();

    QTemporaryDir tmp;
    if (!tmp.isValid())
        Konec(QStringLiteral("no temporary directory"));
    PrivatniServer server(tmp.path() + QStringLiteral("/server"), port);
    std::printf("starting the private server on 127.0.0.1:%d ...\n", port);
    std::fflush(stdout);
    if (!server.spust())
        Konec(QStringLiteral("the server did not start; see %1/server/").arg(tmp.path()));
    ParametrySpojeni primo;
    primo.host = QStringLiteral("127.0.0.1");
    primo.port = port;
    primo.databaze.clear();
    {
        Spojeni root;
        if (!root.pripoj(primo) || !root.proved(QStringLiteral("create database bench")))
            Konec(root.chyba());
    }
    QString chyba;
    if (!NactiSql(port, QStringLiteral("bench"), QStringLiteral(SMESI_ZDROJE "/sql/suite.sql"),
                  &chyba))
        Konec(QStringLiteral("suite.sql: ") + chyba);
    primo.databaze = QStringLiteral("bench");
    Spojeni kontrola;
    if (!kontrola.pripoj(primo) || !kontrola.proved(QStringLiteral("SET names cp1250;")) ||
        !kontrola.proved(QStringLiteral("insert into kavlin (UcetniRok, CislovaniD) values "
                                        "('1', 0)")))
        Konec(kontrola.chyba());
    for (int i = 0; i < Slozek; ++i)
        if (!kontrola.proved(QStringLiteral("insert into skarta (partiecela, lomeni, stredisko, "
                                            "zustatek) values (") +
                             SqlText(Lot(100 + i)) + QStringLiteral(", 0, '20', 100000)")))
            Konec(kontrola.chyba());
    for (int i = 0; i < Palet; ++i)
        if (!kontrola.proved(QStringLiteral("insert into sklpalety (cislo, partiecela, stredisko, "
                                            "pocet, vahao1, celkem, zbytek, zustatek) values "
                                            "(%1, ")
                                 .arg(i + 1) +
                             SqlText(Lot(100 + i)) +
                             QStringLiteral(", '20', 4000, 25, 100000, 0, 100000)")))
            Konec(kontrola.chyba());
    PracovniTabulky t(tmp.path());
    if (!t.udelejDBF(kontrola))
        Konec(t.chyba());

    LatencniProxy proxy("127.0.0.1", port, std::chrono::milliseconds(ms));
    std::string chybaProxy;
    if (!proxy.spust(0, &chybaProxy))
        Konec(QString::fromStdString(chybaProxy));
    Relace relace;
    relace.souborChyb = tmp.path() + QStringLiteral("/sme.err");
    Spojeni& s = relace.spojeni();
    ParametrySpojeni pres = primo;
    pres.port = proxy.port();
    if (!s.pripoj(pres) || !s.proved(QStringLiteral("set @@session.sql_mode=\"\"")) ||
        !s.proved(QStringLiteral("SET names cp1250;")))
        Konec(s.chyba());

    VstupZapisu v;
    v.CisloPC = QStringLiteral("05");
    v.stredisko = QStringLiteral("20");
    v.PaletyStrediska = true;
    v.ted = QDateTime::currentDateTime();
    const auto zmer = [&](auto&& f) {
        const auto p0 = proxy.pocty();
        QElapsedTimer c;
        c.start();
        f();
        return Mereni{proxy.pocty() - p0, static_cast<double>(c.nsecsElapsed()) / 1e6};
    };
    const auto dotaz = [&](const QString& sql, Vysledek* vys) {
        if (!s.proved(sql, vys))
            Konec(s.chyba());
    };
    std::vector<double> msSkriptu, msNaivne;
    Mereni posledniSkript, posledniNaivne;
    qint64 prikazu = 0;
    for (int b = 0; b < 2 * pocetBehu; ++b) {
        const bool naivne = b >= pocetBehu;
        Doklad(t, b);
        dotaz(QStringLiteral("select 1"), nullptr); // as after the user's last click
        const Mereni m = zmer([&] {
            // What the handler sends from the confirmation to the number read: the existence
            // test with the settings in one batch, then the script ending in the number's read.
            // One by one, each of those statements travels alone.
            const QStringList pred{SqlExistencePartie(Lot(90000 + b), 0),
                                   QStringLiteral("select UcetniRok,CislovaniD from kavlin")};
            QList<Vysledek> odpovedi;
            if (naivne) {
                for (const QString& p : pred) {
                    odpovedi.append(Vysledek());
                    dotaz(p, &odpovedi.last());
                }
            } else {
                int chybny = -1;
                if (!s.provedVice(pred, &chybny, nullptr, &odpovedi) || odpovedi.size() != 2)
                    Konec(s.chyba());
            }
            if (!odpovedi.first().prazdny())
                Konec(QStringLiteral("the lot exists"));
            const Vysledek& kavlin = odpovedi.last();
            v.UcetniRok = kavlin.text(0, QStringLiteral("UcetniRok"));
            v.CislovaniD = static_cast<int>(kavlin.cele(0, QStringLiteral("CislovaniD")));
            relace.skript().vymaz();
            relace.skript().pridej(SkriptNovehoDokladu(v, t));
            relace.skript().pridej(QStringLiteral("select @CiDo as cisdok;"));
            prikazu = relace.skript().prikazy().size();
            QString cislo;
            if (naivne) {
                Vysledek posledni;
                for (const QString& p : relace.skript().prikazy())
                    dotaz(p, &posledni);
                cislo = posledni.text(0, 0);
            } else {
                const VysledekSkriptu vs = relace.ProvedSkript();
                if (!vs.ok)
                    Konec(vs.chyba);
                cislo = vs.vysledek.text(0, 0);
            }
            if (cislo.size() != 10)
                Konec(QStringLiteral("no document number: ") + cislo);
        });
        (naivne ? msNaivne : msSkriptu).push_back(m.ms);
        (naivne ? posledniNaivne : posledniSkript) = m;
    }
    Vysledek k;
    if (!kontrola.proved(QStringLiteral("select count(distinct cislodokla), sum(smes = '1') from "
                                        "smesi"),
                         &k))
        Konec(kontrola.chyba());
    std::printf("\nscript of %lld statements (%d components, %d pallet withdrawals, %d packaging "
                "lines), %d ms added each way\n",
                static_cast<long long>(prikazu), Slozek, Palet, Obalu, ms);
    std::printf("  executor:   %lld round trips, median %.1f ms of %d postings\n",
                static_cast<long long>(posledniSkript.proxy.obratu), Median(msSkriptu), pocetBehu);
    std::printf("  one by one: %lld round trips, median %.1f ms of %d postings\n",
                static_cast<long long>(posledniNaivne.proxy.obratu), Median(msNaivne), pocetBehu);
    std::printf("  (existence test, settings, script, number; the list's refresh not included)\n");
    std::printf("documents posted: %s, headers %s\n", qPrintable(k.text(0, 0)),
                qPrintable(k.text(0, 1)));
    return k.text(0, 0) == QString::number(2 * pocetBehu) ? 0 : 1;
}

int main(int argc, char** argv) {
    try {
        return Beh(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_skriptzapisu: %s\n", e.what());
        return 1;
    }
}
