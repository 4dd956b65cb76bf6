#pragma once
// Test harness: a fresh company database per test, made from sql/suite.sql on the private
// server that the CTest fixture starts, and dropped again at the end.
#include "spojeni.h"

#include <QString>

int TestPort();
QString TestSqlDir();
QString TestToolsDir();
// A fresh, empty temporary directory (unique per call) under the build tree.
QString TestTmpDir();
// The mysql command-line client with the server's address, for loading files.
bool NactiSqlSoubor(const QString& databaze, const QString& soubor, QString* chyba = nullptr);

class TestDb {
public:
    // A database named after the running test, the process and a counter.
    explicit TestDb(bool sDaty = false);
    ~TestDb();
    TestDb(const TestDb&) = delete;
    TestDb& operator=(const TestDb&) = delete;

    const QString& jmeno() const { return m_jmeno; }
    ParametrySpojeni parametry() const;
    // An open connection to the test database in the program's session mode.
    Spojeni& spojeni() { return m_spojeni; }
    // One value of a query ("" when no row), for assertions.
    QString hodnota(const QString& sql);
    int pocet(const QString& tabulka, const QString& podminka = QString());

private:
    QString m_jmeno;
    Spojeni m_spojeni;
};

#include <ostream>
// Readable failure messages for Qt texts.
#ifndef SMESI_PRINTTO_QSTRING
#define SMESI_PRINTTO_QSTRING
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
#endif
