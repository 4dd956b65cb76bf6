// The dBase layer under load: 10 000 component lines appended to a table of the structure
// that "smesi.dbf" gets from the server (each record posted on its own, as the editor does),
// then read back record by record, field by field; the same again with a memo text in
// every record. Prints the best and the median of several runs.
//
//   bench_dbf [--records N] [--runs N]
#include "dbf.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The fields of smesi as the work table carries them.
QVector<DefinicePole> StrukturaSmesi(bool sMemo) {
    auto c = [](const char* j, int d) {
        return DefinicePole{QLatin1String(j), TypDbf::Znak, d, 0};
    };
    auto n = [](const char* j) { return DefinicePole{QLatin1String(j), TypDbf::Cislo, 19, 4}; };
    auto i = [](const char* j) { return DefinicePole{QLatin1String(j), TypDbf::Cislo, 11, 0}; };
    auto d = [](const char* j) { return DefinicePole{QLatin1String(j), TypDbf::Datum, 8, 0}; };
    QVector<DefinicePole> s = {
        i("ID"),
        c("CISLODOKLA", 10),
        c("ROKD", 4),
        c("STREDISKO", 3),
        c("PARTIE", 9),
        c("PODNIK", 4),
        i("LOMENI"),
        c("PARTIECELA", 16),
        c("NOMENKLA", 12),
        c("NAZEVOSIVA", 28),
        n("MNOZSTVI"),
        c("MJ", 3),
        n("PR"),
        n("NC"),
        n("PC"),
        n("SNC"),
        n("SPC"),
        d("DATUM"),
        c("ULC", 20),
        c("SMES", 1),
        c("DRUH", 4),
        c("ODRUDA", 5),
        c("STUPEN", 3),
        c("NAZ_DRU", 40),
        c("NAZ_ODRU", 40),
        c("DATUMZAUCT", 30),
        c("ROK", 4),
        c("MESIC", 2),
        c("POPIS", 40),
        c("CINNOST", 22),
        c("JAZYK", 1),
        c("CIZIZ", 1),
        c("SLONAUKZUZ", 30),
        i("POTVRZENA"),
    };
    if (sMemo)
        s.push_back({QStringLiteral("POZNAMKAM"), TypDbf::Memo, 10, 0});
    return s;
}

struct Beh {
    double pridani = 0; // ms
    double cteni = 0;   // ms
    qint64 velikost = 0;
};

Beh Jednou(const QString& cesta, int zaznamu, bool sMemo) {
    Beh b;
    TabulkaDbf t;
    if (!t.vytvor(cesta, StrukturaSmesi(sMemo))) {
        std::fprintf(stderr, "%s\n", t.chyba().toUtf8().constData());
        std::exit(1);
    }
    const Desetinne mnozstvi = *Desetinne::zTextu(QStringLiteral("1234.5678"));
    const QDate datum(2026, 2, 14);
    QElapsedTimer cas;
    cas.start();
    for (int r = 0; r < zaznamu; ++r) {
        bool ok =
            t.pridej() &&
            t.nastavText(QStringLiteral("cislodokla"), QStringLiteral("2601000007")) &&
            t.nastavText(QStringLiteral("stredisko"), QStringLiteral("01")) &&
            t.nastavCele(QStringLiteral("lomeni"), r % 60) &&
            t.nastavText(QStringLiteral("partiecela"),
                         QStringLiteral("25-0011-%1-01").arg(r, 5, 10, QLatin1Char('0'))) &&
            t.nastavText(QStringLiteral("nazevosiva"), QStringLiteral("Jetel luční Ďáblík")) &&
            t.nastavCislo(QStringLiteral("mnozstvi"), mnozstvi) &&
            t.nastavCislo(QStringLiteral("nc"), mnozstvi) &&
            t.nastavDatum(QStringLiteral("datum"), datum) &&
            t.nastavText(QStringLiteral("smes"), QStringLiteral("0")) &&
            (!sMemo || t.nastavText(QStringLiteral("poznamkam"),
                                    QStringLiteral("Poznámka k řádku %1").arg(r))) &&
            t.uloz();
        if (!ok) {
            std::fprintf(stderr, "%s\n", t.chyba().toUtf8().constData());
            std::exit(1);
        }
    }
    b.pridani = double(cas.nsecsElapsed()) / 1e6;
    t.zavri();

    cas.restart();
    if (!t.otevri(cesta)) {
        std::fprintf(stderr, "%s\n", t.chyba().toUtf8().constData());
        std::exit(1);
    }
    Desetinne soucet;
    qint64 delky = 0;
    int precteno = 0;
    for (t.prvni(); !t.jeKonec(); t.dalsi()) {
        soucet += t.cislo(QStringLiteral("mnozstvi"));
        delky += t.text(QStringLiteral("partiecela")).size() + t.cele(QStringLiteral("lomeni"));
        delky += t.datum(QStringLiteral("datum")).day();
        if (sMemo)
            delky += t.text(QStringLiteral("poznamkam")).size();
        ++precteno;
    }
    b.cteni = double(cas.nsecsElapsed()) / 1e6;
    if (precteno != zaznamu || soucet != mnozstvi * Desetinne::zCeleho(zaznamu) || delky == 0) {
        std::fprintf(stderr, "read back %d records, sum %s\n", precteno,
                     soucet.text().toUtf8().constData());
        std::exit(1);
    }
    t.zavri();
    b.velikost = QFileInfo(cesta).size();
    return b;
}

void Vypis(const char* nazev, std::vector<Beh> behy, int zaznamu) {
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::vector<double> p, c;
    for (const Beh& b : behy) {
        p.push_back(b.pridani);
        c.push_back(b.cteni);
    }
    std::printf("%-28s %6d records  append %8.1f ms (median %8.1f)  read %7.1f ms (median %7.1f)"
                "  %lld bytes\n",
                nazev, zaznamu, *std::min_element(p.begin(), p.end()), median(p),
                *std::min_element(c.begin(), c.end()), median(c),
                static_cast<long long>(behy.front().velikost));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser volby;
    volby.addHelpOption();
    volby.addOption({QStringLiteral("records"), QStringLiteral("Records to append."),
                     QStringLiteral("N"), QStringLiteral("10000")});
    volby.addOption({QStringLiteral("runs"), QStringLiteral("Runs of each case."),
                     QStringLiteral("N"), QStringLiteral("5")});
    volby.process(app);
    const int zaznamu = std::max(1, volby.value(QStringLiteral("records")).toInt());
    const int behu = std::max(1, volby.value(QStringLiteral("runs")).toInt());
    QTemporaryDir adr;
    for (bool sMemo : {false, true}) {
        std::vector<Beh> behy;
        for (int i = 0; i < behu; ++i)
            behy.push_back(Jednou(adr.filePath(QStringLiteral("smesi.dbf")), zaznamu, sMemo));
        Vypis(sMemo ? "smesi.dbf with a memo field" : "smesi.dbf", behy, zaznamu);
    }
    return 0;
}
