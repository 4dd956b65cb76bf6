// libFuzzer target for the dBase reader (built with clang and SMESI_FUZZ_DBF=ON). An input
// is a .dbf; bytes after a line "\nDBT\n" are its memo file, otherwise the memo file of the
// sound fixture is used, so that the memo paths are reached from the first input on.
#include "dbf_mutace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString adresar = [] {
        QString d = QDir::tempPath() +
                    QStringLiteral("/fuzz_dbf_%1/").arg(QCoreApplication::applicationPid());
        QDir().mkpath(d);
        return d;
    }();
    static const QByteArray vychoziMemo = [] {
        QFile f(QStringLiteral(SMESI_DBF_FIXTURES "/platna.dbt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QByteArray vstup(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QByteArray dbf = vstup, dbt = vychoziMemo;
    qsizetype oddel = vstup.indexOf("\nDBT\n");
    if (oddel >= 0) {
        dbf = vstup.left(oddel);
        dbt = vstup.mid(oddel + 5);
    }
    QString porucha = ProverVstupDbf(dbf, dbt, adresar);
    if (!porucha.isEmpty()) {
        std::fprintf(stderr, "%s\n", porucha.toUtf8().constData());
        std::abort();
    }
    return 0;
}
