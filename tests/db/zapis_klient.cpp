// One workstation of the concurrency test: posts a number of new mixtures, each taking a
// little from every shared card in the given order, through the program's session and
// script executor. Prints one line per posting, "CISLO <number> <repeated runs>", and on a
// failure that the executor gave up on "CHYBA <statement>: <message>" with exit code 2.
//
//   zapis_klient <port> <database> <workstation> <postings> <year> <cards> up|down <data dir>
#include "dbf.h"
#include "dokladtest.h"
#include "pracovnitabulky.h"
#include "relace.h"
#include "zapis.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

// The quantity a workstation takes from card j in its posting n; the test sums the same.
static int Mnozstvi(int stanice, int n, int j) {
    return 1 + (stanice + n + j) % 5;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 9) {
        std::fprintf(stderr, "usage: zapis_klient port database workstation postings year cards "
                             "up|down datadir\n");
        return 1;
    }
    const int stanice = a[3].toInt(), pocet = a[4].toInt(), rok = a[5].toInt(),
              karet = a[6].toInt();
    const bool nahoru = a[7] == QLatin1String("up");
    QDir().mkpath(a[8]);

    Relace r;
    r.souborChyb = QDir(a[8]).filePath(QStringLiteral("sme.err"));
    ParametrySpojeni p;
    p.host = QStringLiteral("127.0.0.1");
    p.port = a[1].toInt();
    p.databaze = a[2];
    Spojeni& s = r.spojeni();
    if (!s.pripoj(p) || !s.proved(QStringLiteral("set @@session.sql_mode=\"\"")) ||
        !s.proved(QStringLiteral("SET names cp1250;"))) {
        std::printf("CHYBA -1: %s\n", qPrintable(s.chyba()));
        return 2;
    }
    PracovniTabulky t(a[8]);
    if (!t.udelejDBF(s)) {
        std::printf("CHYBA -1: %s\n", qPrintable(t.chyba()));
        return 2;
    }
    VstupZapisu v;
    v.CisloPC = QStringLiteral("%1").arg(stanice, 2, 10, QLatin1Char('0'));
    v.stredisko = QStringLiteral("20");
    v.podnik = QStringLiteral("0126");
    v.UcetniRok = QStringLiteral("1");

    for (int n = 0; n < pocet; ++n) {
        if (!t.novyDoklad(false, v.stredisko)) {
            std::printf("CHYBA -1: %s\n", qPrintable(t.chyba()));
            return 2;
        }
        t.hlavicka().zrus();
        RadekDokladu h;
        h.stredisko = v.stredisko;
        // A lot of its own for every mixture: workstation and posting in the serial.
        const int serial = 50000 + stanice * 1000 + n;
        h.partie = QStringLiteral("26%1%2")
                       .arg(serial, 5, 10, QLatin1Char('0'))
                       .arg(1, 2, 10, QLatin1Char('0'));
        h.partiecela = QStringLiteral("26-0126-%1-01").arg(serial, 5, 10, QLatin1Char('0'));
        h.datum = QDate(rok, 3, 14);
        h.smes = QStringLiteral("1");
        QString chyba = Pridej(t.hlavicka(), h);
        int celkem = 0;
        for (int i = 0; i < karet && chyba.isEmpty(); ++i) {
            const int j = nahoru ? i : karet - 1 - i;
            RadekDokladu radek;
            radek.partiecela =
                QStringLiteral("26-0126-%1-01").arg(100 + j, 5, 10, QLatin1Char('0'));
            radek.mnozstvi = Desetinne::zCeleho(Mnozstvi(stanice, n, j));
            celkem += Mnozstvi(stanice, n, j);
            chyba = Pridej(t.radky(), radek);
        }
        TabulkaDbf& th = t.hlavicka();
        if (chyba.isEmpty() &&
            !(th.prvni() && th.uprav() &&
              th.nastavCislo(QStringLiteral("MNOZSTVI"), Desetinne::zCeleho(celkem)) && th.uloz()))
            chyba = th.chyba();
        if (!chyba.isEmpty()) {
            std::printf("CHYBA -1: %s\n", qPrintable(chyba));
            return 2;
        }
        v.ted = QDateTime::currentDateTime();
        r.skript().vymaz();
        r.skript().pridej(SkriptNovehoDokladu(v, t));
        const VysledekSkriptu vs = r.ProvedSkript();
        if (!vs.ok) {
            std::printf("CHYBA %d: %s\n", vs.chybnyPrikaz, qPrintable(vs.chyba));
            return 2;
        }
        Vysledek c;
        if (!s.proved(QStringLiteral("select @CiDo as cisdok"), &c)) {
            std::printf("CHYBA -1: %s\n", qPrintable(s.chyba()));
            return 2;
        }
        std::printf("CISLO %s %d\n", qPrintable(c.text(0, 0)), vs.opakovani);
        std::fflush(stdout);
    }
    t.zavriVse();
    return 0;
}
