// "Zapsat" of a new mixture through the real main window over a link with 25 ms each way:
// 30 components, 10 pallet withdrawals, 3 packaging lines. Counts the round trips and the
// wall time from the confirmation to the list showing the new document, for each of a
// few postings (each a new lot) and their median.
#include "benchserver.h"
#include "dbf.h"
#include "dotaz.h"
#include "editordokladu.h"
#include "latencniproxy.h"
#include "pracovnitabulky.h"
#include "seznamdokladu.h"
#include "spojeni.h"
#include "tform1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int port = 33396;
    QTemporaryDir tmp;
    PrivatniServer server(tmp.path() + QStringLiteral("/db"), port);
    if (!server.spust())
        return 1;
    Spojeni s;
    ParametrySpojeni p;
    p.host = QStringLiteral("127.0.0.1");
    p.port = port;
    p.databaze.clear();
    QString chyba;
    if (!s.pripoj(p) || !s.proved(QStringLiteral("create database kavlin")) ||
        !NactiSql(port, QStringLiteral("kavlin"), QStringLiteral(SMESI_ZDROJE "/sql/suite.sql"),
                  &chyba))
        return 1;
    s.proved(QStringLiteral("use kavlin"));
    s.proved(
        QStringLiteral("insert into strtopc (stred, nazevstr, palety) values ('20', 'Závod', 1)"));
    s.proved(QStringLiteral(
        "insert into kavlin (UcetniRok, CislovaniD, SM_JAKNC, SM_vyrobky, zakl_mj, kontejnery_DO) "
        "values ('1', 0, 0, 'A', 'kg', 0)"));
    for (int i = 0; i < 30; ++i)
        s.proved(QStringLiteral("insert into skarta (partiecela, lomeni, stredisko, partie, "
                                "zustatek, mj, nc, ulc) values "
                                "('26-0126-%1-01', 0, '20', '26%1', 5000, 'kg', 10, 'C1')")
                     .arg(100 + i, 5, 10, QLatin1Char('0')));
    for (int i = 0; i < 10; ++i)
        s.proved(QStringLiteral("insert into sklpalety (cislo, partiecela, lomeni, stredisko, "
                                "pocet, vahao1, mj, celkem, "
                                "zbytek, zustatek) values (%1, '26-0126-%2-01', 0, '20', 40, 25, "
                                "'kg', 1000, 0, 1000)")
                     .arg(i + 1)
                     .arg(100 + i, 5, 10, QLatin1Char('0')));

    LatencniProxy proxy("127.0.0.1", port, std::chrono::milliseconds(25));
    std::string pchyba;
    if (!proxy.spust(0, &pchyba))
        return 1;
    const QString koren = tmp.path() + QStringLiteral("/sada/");
    QDir().mkpath(koren + QStringLiteral("smesi"));
    {
        QFile k(koren + QStringLiteral("Kavlin05.ini"));
        k.open(QIODevice::WriteOnly);
        k.write(QStringLiteral(
                    "[LogON]\r\nIP=127.0.0.1\r\nSQLport=%1\r\nDatabase=kavlin\r\nCisloPC=05\r\n")
                    .arg(proxy.port())
                    .toLatin1());
        QFile m(koren + QStringLiteral("smesi/smesi.ini"));
        m.open(QIODevice::WriteOnly);
        m.write(
            "[TFmozno]\r\nsuiCheckBoxTestVerze_Checked=False\r\n[TForm1]\r\nLabel1_Caption=20\r\n");
    }
    QDir::setCurrent(koren + QStringLiteral("smesi"));
    qputenv("SMESI_PDF_DIR", (koren + QStringLiteral("pdf")).toUtf8());
    NastavOdpovidac([](const ZaznamDotazu& z) {
        if (z.text != QStringLiteral("Zapsat provedené změny?"))
            std::fprintf(stderr, "dotaz: %s\n", qPrintable(z.text));
        return 1;
    });
    VolbyStartu v;
    v.adresarProgramu = koren + QStringLiteral("smesi/");
    v.prvniArgument = QStringLiteral("modul");
    v.casovacUvodu = false;
    v.bezTiskuPoZapisu = true;
    TForm1 okno(v);
    okno.show();
    if (!QTest::qWaitFor([&] { return okno.fazeZobrazeniHotova(); }, 60000))
        return 1;
    const int behu = argc > 2 && QByteArray(argv[1]) == "--runs" ? std::atoi(argv[2]) : 5;
    std::printf("Zapsat (30 components, 10 pallets, 3 packaging lines), 25 ms each way:\n");
    std::vector<qint64> casy;
    for (int beh = 0; beh < behu; ++beh) {
        okno.akce(QStringLiteral("Novdoklad1"))->trigger();
        PracovniTabulky* t = okno.pracovniTabulky();
        TabulkaDbf& h = t->hlavicka();
        h.nastavText(QStringLiteral("PARTIE"),
                     QStringLiteral("26%1").arg(900 + beh, 5, 10, QLatin1Char('0')) +
                         QStringLiteral("01"));
        h.nastavText(QStringLiteral("PODNIK"), QStringLiteral("0126"));
        h.nastavText(QStringLiteral("PARTIECELA"),
                     QStringLiteral("26-0126-%1-01").arg(900 + beh, 5, 10, QLatin1Char('0')));
        h.nastavText(QStringLiteral("NAZEVOSIVA"), QStringLiteral("Travní směs 'Louka'"));
        h.nastavCislo(QStringLiteral("MNOZSTVI"), Desetinne::zCeleho(3000));
        h.nastavCislo(QStringLiteral("NC"), Desetinne::zCeleho(10));
        h.uloz();
        for (int i = 0; i < 30; ++i) {
            TabulkaDbf& r = t->radky();
            r.pridej();
            r.nastavText(QStringLiteral("PARTIE"),
                         QStringLiteral("26%1").arg(100 + i, 5, 10, QLatin1Char('0')) +
                             QStringLiteral("01"));
            r.nastavText(QStringLiteral("PARTIECELA"),
                         QStringLiteral("26-0126-%1-01").arg(100 + i, 5, 10, QLatin1Char('0')));
            r.nastavText(QStringLiteral("NAZEVOSIVA"), QStringLiteral("Jílek vytrvalý"));
            r.nastavCislo(QStringLiteral("MNOZSTVI"), Desetinne::zCeleho(100));
            r.nastavCislo(QStringLiteral("NC"), Desetinne::zCeleho(10));
            r.uloz();
        }
        for (int i = 0; i < 10; ++i) {
            TabulkaDbf& pal = t->palety();
            pal.pridej();
            pal.nastavCele(QStringLiteral("CISLO"), i + 1);
            pal.nastavText(QStringLiteral("PARTIECELA"),
                           QStringLiteral("26-0126-%1-01").arg(100 + i, 5, 10, QLatin1Char('0')));
            pal.nastavText(QStringLiteral("STREDISKO"), QStringLiteral("20"));
            pal.nastavCele(QStringLiteral("POCET"), 4);
            pal.nastavCislo(QStringLiteral("VAHAO1"), Desetinne::zCeleho(25));
            pal.nastavCislo(QStringLiteral("CELKEM"), Desetinne::zCeleho(100));
            pal.nastavCislo(QStringLiteral("ZUSTATEK"), Desetinne::zCeleho(100));
            pal.uloz();
        }
        for (int i = 0; i < 3; ++i) {
            TabulkaDbf& o = t->obaly();
            o.pridej();
            o.nastavText(QStringLiteral("NOMENKLA"), QStringLiteral("60000000002%1").arg(i));
            o.nastavCislo(QStringLiteral("POCETO"), Desetinne::zCeleho(40));
            o.nastavCislo(QStringLiteral("MNOZSTVI"), Desetinne::zCeleho(1000));
            o.uloz();
        }
        Spojeni& sp = okno.relace().spojeni();
        const LatencniProxy::Pocty pred = proxy.pocty();
        const qint64 prikazyPred = sp.pocetPrikazu();
        QElapsedTimer u;
        u.start();
        okno.editor()->tlacitkoZapsat()->click();
        const qint64 ms = u.elapsed();
        const LatencniProxy::Pocty po = proxy.pocty() - pred;
        casy.push_back(ms);
        std::printf(
            "  run %d: round trips %lld (commands %lld), %lld ms, %lld bytes to the server; "
            "list on %s\n",
            beh + 1, static_cast<long long>(po.obratu),
            static_cast<long long>(sp.pocetPrikazu() - prikazyPred), static_cast<long long>(ms),
            static_cast<long long>(po.bajtuKServeru), qPrintable(okno.seznam()->vybranyDoklad()));
    }
    std::sort(casy.begin(), casy.end());
    Vysledek kontrola;
    s.proved(QStringLiteral("select count(distinct cislodokla), count(*) from smesi"), &kontrola);
    std::printf("  median %lld ms of %d; documents %s, rows %s\n",
                static_cast<long long>(casy.empty() ? 0 : casy[casy.size() / 2]), behu,
                qPrintable(kontrola.text(0, 0)), qPrintable(kontrola.text(0, 1)));
    okno.close();
    proxy.zastav();
    return 0;
}
