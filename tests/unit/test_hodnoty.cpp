#include "desetinne.h"
#include "hodnoty.h"
#include "kodovani.h"

#include <gtest/gtest.h>

namespace {
Desetinne D(const char* t) {
    return *Desetinne::zTextu(QString::fromUtf8(t));
}
} // namespace

TEST(Zaokrouhli, PulkyOdNuly) {
    struct Pripad {
        const char* hodnota;
        int mist;
        const char* ocekavano;
    } pripady[] = {
        {"1000.5", 2, "1000.50"}, {"-2.5", 0, "-3"},       {"2.5", 0, "3"},
        {"2.4999", 0, "2"},       {"-2.4999", 0, "-2"},    {"0.005", 2, "0.01"},
        {"-0.005", 2, "-0.01"},   {"0.0049", 2, "0.00"},   {"123.4567", 4, "123.4567"},
        {"0", 2, "0.00"},         {"99.995", 2, "100.00"},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(Zaokrouhli(D(p.hodnota), p.mist).text(p.mist).toStdString(), p.ocekavano)
            << p.hodnota << " to " << p.mist;
}

TEST(Desetinne, SoucinJePresny) {
    // In binary floating point 10.005 * 100 is 1000.4999…, which would round down.
    EXPECT_EQ(Zaokrouhli(D("10.005") * D("100"), 2).text(2), QStringLiteral("1000.50"));
    EXPECT_EQ((D("0.1") + D("0.2")).text(), QStringLiteral("0.3"));
    EXPECT_EQ((D("1.5") * D("-1.5")).text(), QStringLiteral("-2.25"));
    EXPECT_EQ(D("1").deleno(D("3"))->text(), QStringLiteral("0.3333"));
    EXPECT_EQ(D("2").deleno(D("3"))->text(), QStringLiteral("0.6667"));
    EXPECT_FALSE(D("2").deleno(D("0")).has_value());
}

TEST(Desetinne, CteniTextu) {
    struct Pripad {
        const char* vstup;
        const char* ocekavano; // nullptr: not a number
    } pripady[] = {
        {"123,5", "123.5"},    {" 1 234,50 ", "1234.5"}, {"-0,0001", "-0.0001"},
        {"0.00005", "0.0001"}, {"-0.00005", "-0.0001"},  {"+7", "7"},
        {"", nullptr},         {"abc", nullptr},         {"1,2,3", nullptr},
        {"-", nullptr},        {"12e3", nullptr},
    };
    for (const auto& p : pripady) {
        auto v = Desetinne::zTextu(QString::fromUtf8(p.vstup));
        if (!p.ocekavano)
            EXPECT_FALSE(v.has_value()) << p.vstup;
        else
            EXPECT_EQ(v.value_or(Desetinne()).text().toStdString(), p.ocekavano) << p.vstup;
    }
}

TEST(HodnotySql, NulovyTvar) {
    struct Pripad {
        const char* vstup;
        const char* ocekavano;
    } pripady[] = {
        {"123,5", "0123.5"},
        {"0", "00"},
        {"-5", "0-5"},
        {"", "00"},
        {"1,25", "01.25"},
        {"x", "00"},
        {"1;drop table smesi", "00"},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(SqlCislo0(QString::fromUtf8(p.vstup)).toStdString(), p.ocekavano) << p.vstup;
    EXPECT_EQ(SqlCislo0(D("-5")), QStringLiteral("0-5"));
    EXPECT_EQ(SqlCislo0(D("0")), QStringLiteral("00"));
}

TEST(HodnotySql, TextovyLiteral) {
    EXPECT_EQ(SqlText(QStringLiteral("O'Neil")), QStringLiteral("'O''Neil'"));
    // A trailing backslash must not escape the closing quote.
    EXPECT_EQ(SqlText(QStringLiteral("C:\\")), QStringLiteral("'C:\\\\'"));
    EXPECT_EQ(SqlText(QStringLiteral("a\\' or 1=1 -- ")), QStringLiteral("'a\\\\'' or 1=1 -- '"));
    EXPECT_EQ(SqlText(QString(QChar(0)) + QStringLiteral("x")), QStringLiteral("'\\0x'"));
    EXPECT_EQ(SqlTextUvozovky(QStringLiteral("say \"hi\" it's")),
              QStringLiteral("\"say \"\"hi\"\" it's\""));
    EXPECT_EQ(SqlText(QStringLiteral("say \"hi\"")), QStringLiteral("'say \"hi\"'"));
    EXPECT_EQ(SqlDatum(QDate(2026, 3, 5)), QStringLiteral("'2026-03-05'"));
    EXPECT_EQ(SqlDatum(QDate()), QStringLiteral("'1900-01-01'"));
}

TEST(Kodovani, Cp1250TamAZpet) {
    const QString cesky = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy – ÚKZÚZ „směs“");
    QByteArray b;
    ASSERT_TRUE(DoCp1250(cesky, b));
    EXPECT_EQ(b.size(), cesky.size()); // one byte per character
    EXPECT_EQ(ZCp1250(b), cesky);
    QString chyba;
    EXPECT_FALSE(DoCp1250(QStringLiteral("směs ✓"), b, &chyba));
    EXPECT_TRUE(chyba.contains(QStringLiteral("✓"))) << chyba.toStdString();
    EXPECT_EQ(NezobrazitelnyZnak(QStringLiteral("ok € ñ ł 😀")), QStringLiteral("ñ"));
}
