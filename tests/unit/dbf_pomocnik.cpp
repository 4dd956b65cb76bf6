// A second program for the exclusive-use tests: opens the table named on the command line
// and then obeys commands on standard input, one per line, answering one line each:
//   pridej <text>  append a record with PARTIECELA = text
//   pocet          the number of records
//   konec          close and end
// When the table cannot be opened it prints "CHYBA " and the message, and ends with 1.
#include "dbf.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

namespace {
void odpovez(const QString& radek) {
    std::fputs(radek.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    TabulkaDbf t;
    if (!t.otevri(QString::fromLocal8Bit(argv[1]))) {
        odpovez(QStringLiteral("CHYBA ") + t.chyba());
        return 1;
    }
    odpovez(QStringLiteral("OTEVRENO"));
    std::string prikaz;
    while (std::getline(std::cin, prikaz)) {
        QString p = QString::fromStdString(prikaz);
        if (p.startsWith(QLatin1String("pridej "))) {
            bool ok =
                t.pridej() && t.nastavText(QStringLiteral("PARTIECELA"), p.mid(7)) && t.uloz();
            odpovez(ok ? QStringLiteral("OK") : QStringLiteral("CHYBA ") + t.chyba());
        } else if (p == QLatin1String("pocet")) {
            odpovez(QString::number(t.pocet()));
        } else if (p == QLatin1String("konec")) {
            break;
        }
    }
    return t.zavri() ? 0 : 1;
}
