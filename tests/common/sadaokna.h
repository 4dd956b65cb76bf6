#pragma once
// A suite directory for tests of the main window: ../Kavlin05.ini next to the program
// directory, which is the working directory; every message is recorded and answered
// with the first button.
#include "dotaz.h"
#include "ini.h"
#include "testdb.h"
#include "tform1.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>

class SadaOkna : public ::testing::Test {
protected:
    void SetUp() override {
        puvodni = QDir::currentPath();
        koren = TestTmpDir();
        prog = koren + QStringLiteral("smesi/");
        QDir().mkpath(prog);
        QDir::setCurrent(prog);
        qputenv("SMESI_PDF_DIR", (koren + QStringLiteral("pdf/")).toUtf8());
        NastavOdpovidac([this](const ZaznamDotazu& z) {
            zpravy << z.text;
            return 1;
        });
    }
    void TearDown() override {
        NastavOdpovidac({});
        NastavOdpovidacHesla({});
        QDir::setCurrent(puvodni);
    }
    static void zapisSoubor(const QString& cesta, const QString& text) {
        QFile f(cesta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    }
    // The suite's file pointing at the test database, workstation 05.
    void kavlinIni(const TestDb& db, const QString& navic = {}) {
        zapisSoubor(koren + QStringLiteral("Kavlin05.ini"),
                    QStringLiteral(
                        "[LogON]\r\nIP=127.0.0.1\r\nSQLport=%1\r\nDatabase=%2\r\nCisloPC=05\r\n%3")
                        .arg(TestPort())
                        .arg(db.jmeno(), navic));
    }
    IniSoubor smesiIni() const { return IniSoubor(prog + QStringLiteral("smesi.ini")); }
    // The main window started (by a sibling module unless an argument is given) and its
    // show phase waited for. Today's version check counts as done unless a test asks for it.
    std::unique_ptr<TForm1> spust(const QString& argument = QStringLiteral("modul"),
                                  bool bezTisku = true) {
        if (!denniKontrola)
            smesiIni().zapis(QStringLiteral("Dnes"), QStringLiteral("Datum"),
                             QDate::currentDate().toString(Qt::ISODate));
        VolbyStartu v;
        v.adresarProgramu = prog;
        v.prvniArgument = argument;
        v.servisniHeslo = QStringLiteral("482915");
        v.casovacUvodu = false;
        v.bezTiskuPoZapisu = bezTisku;
        auto okno = std::make_unique<TForm1>(v);
        okno->show();
        (void)QTest::qWaitFor([&] { return okno->fazeZobrazeniHotova() || okno->konci(); }, 10000);
        return okno;
    }
    // The same, on the test database at the given cost centre.
    std::unique_ptr<TForm1> spustNaStredisku(const TestDb& db,
                                             const QString& stredisko = QStringLiteral("10")) {
        kavlinIni(db);
        smesiIni().zapis(QStringLiteral("TForm1"), QStringLiteral("Label1_Caption"), stredisko);
        return spust();
    }
    QString puvodni, koren, prog;
    QStringList zpravy;
    bool denniKontrola = false;
};
