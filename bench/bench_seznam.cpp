// The document list on a large cost centre: 100 000 mixture documents with 400 000
// component rows. Measures the time to the first painted screen of the list, the resident
// memory, and what moving the selection costs (queries and ms).
#include "benchserver.h"
#include "seznamdokladu.h"
#include "spojeni.h"
#include "tform1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {
long rssMB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& r : f.readAll().split('\n'))
        if (r.startsWith("VmRSS:"))
            return r.mid(6).trimmed().split(' ').value(0).toLong() / 1024;
    return -1;
}

bool proved(Spojeni& s, const QString& sql) {
    if (!s.proved(sql)) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(sql), qPrintable(s.chyba()));
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int dokladu = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int port = 33356;
    QTemporaryDir tmp;
    PrivatniServer server(tmp.path() + QStringLiteral("/db"), port);
    if (!server.spust()) {
        std::fprintf(stderr, "server did not start\n");
        return 1;
    }
    Spojeni s;
    ParametrySpojeni p;
    p.host = QStringLiteral("127.0.0.1");
    p.port = port;
    p.databaze.clear();
    if (!s.pripoj(p) || !proved(s, QStringLiteral("create database kavlin")))
        return 1;
    QString chyba;
    if (!NactiSql(port, QStringLiteral("kavlin"), QStringLiteral(SMESI_ZDROJE "/sql/suite.sql"),
                  &chyba)) {
        std::fprintf(stderr, "%s\n", qPrintable(chyba));
        return 1;
    }
    QElapsedTimer t;
    t.start();
    proved(s, QStringLiteral("use kavlin"));
    proved(s, QStringLiteral("SET names cp1250"));
    proved(s, QStringLiteral("set @@session.max_recursive_iterations = 10000000"));
    proved(
        s,
        QStringLiteral(
            "insert into strtopc (stred, nazevstr, palety) values ('20', 'Semenářský závod', 1)"));
    proved(s, QStringLiteral(
                  "insert into kavlin (UcetniRok, CislovaniD, SM_JAKNC, SM_vyrobky, zakl_mj, "
                  "kontejnery_DO) values ('1', 0, 1, 'A', 'kg', 50)"));
    proved(
        s,
        QStringLiteral(
            "insert into smesi (cislodokla, rokd, stredisko, partie, podnik, lomeni, partiecela, "
            "nomenkla, nazevosiva, mnozstvi, mj, nc, datum, smes, popis) "
            "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
            "select lpad(2620000000 + i, 10, '0'), '2026', '20', lpad(i, 9, '0'), '0126', 0, "
            "concat('26-0126-', lpad(i mod 100000, 5, '0'), '-01'), '100200300', "
            "'Travní směs pícní', 1000 + i mod 500, 'kg', if(i mod 7 = 0, 0, 31.5), "
            "'2026-01-01' + interval (i mod 340) day, 1, concat('Směs č. ', i) from n")
            .arg(dokladu));
    proved(
        s,
        QStringLiteral(
            "insert into smesi (cislodokla, rokd, stredisko, partie, podnik, lomeni, partiecela, "
            "nomenkla, nazevosiva, mnozstvi, mj, pr, nc, datum, smes) "
            "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
            "select lpad(2620000000 + (i div 4) + 1, 10, '0'), '2026', '20', "
            "lpad(i, 9, '0'), '0126', 0, concat('25-0126-', lpad(i mod 100000, 5, '0'), '-02'), "
            "'100200301', 'Jílek vytrvalý', 250, 'kg', 25, 28.4, '2026-01-01', 0 from n")
            .arg(dokladu * 4));
    std::printf("data: %d documents, %d component rows generated in %lld ms\n", dokladu,
                dokladu * 4, static_cast<long long>(t.elapsed()));

    const QString koren = tmp.path() + QStringLiteral("/sada/");
    QDir().mkpath(koren + QStringLiteral("smesi"));
    {
        QFile k(koren + QStringLiteral("Kavlin05.ini"));
        k.open(QIODevice::WriteOnly);
        k.write(QStringLiteral("[LogON]\r\nIP=127.0.0.1\r\nSQLport=%1\r\nDatabase=kavlin\r\n")
                    .arg(port)
                    .toLatin1());
        QFile m(koren + QStringLiteral("smesi/smesi.ini"));
        m.open(QIODevice::WriteOnly);
        m.write(
            "[TFmozno]\r\nsuiCheckBoxTestVerze_Checked=False\r\n[TForm1]\r\nLabel1_Caption=20\r\n");
    }
    QDir::setCurrent(koren + QStringLiteral("smesi"));
    qputenv("SMESI_PDF_DIR", (koren + QStringLiteral("pdf")).toUtf8());
    const long rssPred = rssMB();
    VolbyStartu v;
    v.adresarProgramu = koren + QStringLiteral("smesi/");
    v.prvniArgument = QStringLiteral("modul");
    v.casovacUvodu = false;
    TForm1 okno(v);
    okno.resize(1200, 800);
    okno.show();
    if (!QTest::qWaitFor([&] { return okno.fazeZobrazeniHotova(); }, 120000))
        return 1;

    // The list as the user meets it: rebuilt, then its first screen painted.
    QTableView* grid = okno.seznam()->gridSeznam();
    for (int beh = 0; beh < 3; ++beh) {
        QElapsedTimer u;
        u.start();
        okno.NavratDoSeznamu();
        grid->viewport()->repaint();
        std::printf("list rebuilt and first screen painted: %lld ms (%d rows)\n",
                    static_cast<long long>(u.elapsed()), okno.seznam()->modelSeznamu()->rowCount());
    }
    std::printf("resident memory: %ld MB (%ld MB before the main window)\n", rssMB(), rssPred);

    Spojeni& sp = okno.relace().spojeni();
    const qint64 pred = sp.pocetPrikazu();
    QElapsedTimer u;
    u.start();
    const int kroku = 50;
    for (int i = 1; i <= kroku; ++i) {
        grid->setCurrentIndex(okno.seznam()->modelSeznamu()->index(i * 997 % dokladu, 0));
        grid->viewport()->repaint();
    }
    std::printf(
        "moving the selection: %.2f queries and %.1f ms per move (rows and pallets panes)\n",
        double(sp.pocetPrikazu() - pred) / kroku, double(u.elapsed()) / kroku);
    okno.close();
    return 0;
}
