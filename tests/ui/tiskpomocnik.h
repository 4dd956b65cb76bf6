#pragma once
// The fixture of the report tests: the demo company's database, a program directory as
// the working directory, the session and the program-wide state, a fixed clock, every
// message recorded and answered with the first button.
#include "dotaz.h"
#include "hodiny.h"
#include "pdfnastroje.h"
#include "relace.h"
#include "stavprogramu.h"
#include "testdb.h"
#include "tsmesi.h"
#include "vystup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

class TiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        puvodni = QDir::currentPath();
        db = std::make_unique<TestDb>(true);
        prog = TestTmpDir();
        QDir().mkpath(prog + QStringLiteral("data"));
        QDir::setCurrent(prog);
        ASSERT_TRUE(relace.spojeni().pripoj(db->parametry()))
            << qPrintable(relace.spojeni().chyba());
        relace.spojeni().proved(QStringLiteral("set @@session.sql_mode=\"\""));
        relace.spojeni().proved(QStringLiteral("SET names cp1250;"));
        stav = std::make_unique<StavProgramu>(relace);
        stav->adresarProgramu = prog;
        stav->kontejnery_DO = 50;
        Hodiny::nastav([] { return QDateTime(QDate(2026, 12, 11), QTime(10, 0, 0)); });
        NastavOdpovidac([this](const ZaznamDotazu& z) {
            zpravy << z;
            return 1;
        });
    }
    void TearDown() override {
        NastavOdpovidac({});
        Hodiny::nastav({});
        QDir::setCurrent(puvodni);
    }

    Vysledek data(const QString& cislo) {
        Vysledek v;
        EXPECT_TRUE(relace.spojeni().proved(DotazTiskuSM(cislo).join(QLatin1Char('\n')), &v));
        return v;
    }
    // The printed document of that number exported to a PDF file.
    QString pdfDokladu(const QString& cislo, const QString& jmeno = QStringLiteral("dok.pdf")) {
        TfTsmesi f(*stav, data(cislo));
        const QString cesta = prog + jmeno;
        OrbeluExport(f.sestava(), cesta);
        return cesta;
    }
    void sql(const QString& prikaz) {
        ASSERT_TRUE(db->spojeni().proved(prikaz)) << qPrintable(db->spojeni().chyba());
    }
    static void zapis(const QString& cesta, const QByteArray& obsah) {
        QFile f(cesta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(obsah);
    }
    static QByteArray cti(const QString& cesta) {
        QFile f(cesta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList texty() const {
        QStringList t;
        for (const ZaznamDotazu& z : zpravy)
            t << z.text;
        return t;
    }

    QString puvodni, prog;
    std::unique_ptr<TestDb> db;
    Relace relace;
    std::unique_ptr<StavProgramu> stav;
    QList<ZaznamDotazu> zpravy;
};

// Text with every run of blanks (also the non-breaking ones) made one blank, so that a
// layout's spacing does not matter.
inline QString Jednoduse(const QString& t) {
    QString s = t;
    s.replace(QChar(0x00A0), QLatin1Char(' '));
    return s.simplified();
}

// The lines of the text that hold all of the given pieces.
inline QStringList RadkySTextem(const QString& text, const QString& kus) {
    QStringList r;
    for (const QString& l : text.split(QLatin1Char('\n')))
        if (Jednoduse(l).contains(kus))
            r << Jednoduse(l);
    return r;
}
