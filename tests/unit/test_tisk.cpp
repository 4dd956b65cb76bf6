// Plain operations of the printed documents and of mail: number texts, the mixture
// document's rows and pallet lines, the two address checks.
#include "formaty.h"
#include "posta.h"
#include "tform6.h"
#include "tsmesi.h"

#include <gtest/gtest.h>

namespace {
Desetinne D(const char* t) {
    return *Desetinne::zTextu(QString::fromLatin1(t));
}
const QString Nbsp = QString(QChar(0x00A0));
} // namespace

TEST(Formaty, Maska) {
    struct {
        const char* hodnota;
        const char* maska;
        QString text;
    } pripady[] = {
        {"55.55", "## ### ###.00", QStringLiteral("55,55")},
        {"1234.5", "## ### ###.00", QStringLiteral("1 234,50")},
        {"1234567.891", "## ### ###.00", QStringLiteral("1 234 567,89")},
        {"0.8", "## ### ###.00", QStringLiteral("0,80")},
        {"0", "## ### ###.00", QStringLiteral("0,00")},
        // Halves away from zero, also below zero.
        {"2.005", "## ### ###.00", QStringLiteral("2,01")},
        {"-1234.565", "## ### ###.00", QStringLiteral("-1 234,57")},
        {"-0.004", "## ### ###.00", QStringLiteral("0,00")},
        // More digits than places are all kept; the literal stays between digits.
        {"123456789012", "## ### ###.00", QStringLiteral("123456 789 012,00")},
        {"5", "000", QStringLiteral("005")},
        {"2.5", "#.##", QStringLiteral("2,5")},
        {"7", "#.##", QStringLiteral("7")},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(TextMaskou(D(p.hodnota), QString::fromLatin1(p.maska)), p.text)
            << p.hodnota << " " << p.maska;
}

TEST(Formaty, OddelovaceAProstyText) {
    EXPECT_EQ(TextSOddelovaci(D("55550"), 2),
              QStringLiteral("55") + Nbsp + QStringLiteral("550,00"));
    EXPECT_EQ(TextSOddelovaci(D("-1234567.5"), 2), QStringLiteral("-1") + Nbsp +
                                                       QStringLiteral("234") + Nbsp +
                                                       QStringLiteral("567,50"));
    EXPECT_EQ(TextSOddelovaci(D("999.995"), 2),
              QStringLiteral("1") + Nbsp + QStringLiteral("000,00"));
    EXPECT_EQ(TextSOddelovaci(D("0"), 2), QStringLiteral("0,00"));
    EXPECT_EQ(TextProsty(D("1262.5")), QStringLiteral("1262,5"));
    EXPECT_EQ(TextProsty(D("25.0000")), QStringLiteral("25"));
    EXPECT_EQ(TextProsty(D("84.1667")), QStringLiteral("84,1667"));
}

TEST(TiskSM, HodnotaRadku) {
    EXPECT_EQ(HodnotaRadku(D("55.55"), D("1000")), D("55550"));
    EXPECT_EQ(HodnotaRadku(D("51.2"), D("1262.5")), D("64640"));
    EXPECT_EQ(HodnotaRadku(D("98.5"), D("237.5")), D("23393.75"));
    // 0.0001 × 49.5 = 0.00495: exactly below the half, though 0.0050 after four places.
    EXPECT_EQ(HodnotaRadku(D("0.0001"), D("49.5")), D("0"));
    EXPECT_EQ(HodnotaRadku(D("0.0001"), D("50")), D("0.01"));
    EXPECT_EQ(HodnotaRadku(D("-0.0001"), D("50")), D("-0.01"));
}

TEST(TiskSM, LomeniANazvy) {
    EXPECT_EQ(TextLomeni(QStringLiteral("0126"), QStringLiteral("1")), QStringLiteral(" /1"));
    EXPECT_EQ(TextLomeni(QString(), QStringLiteral("0")), QStringLiteral("   "));
    const RadkyNazvu j =
        NazevRadku(true, QStringLiteral("Jílek vytrvalý Lesan C1"),
                   QStringLiteral("jílek vytrvalý"), QStringLiteral("Lesan"), QStringLiteral("C1"));
    EXPECT_EQ(j.prvni, QStringLiteral("Jílek vytrvalý Lesan C1"));
    EXPECT_TRUE(j.druhy.isEmpty());
    const RadkyNazvu n =
        NazevRadku(false, QStringLiteral("Jílek vytrvalý Lesan C1"),
                   QStringLiteral("jílek vytrvalý"), QStringLiteral("Lesan"), QStringLiteral("C1"));
    EXPECT_EQ(n.prvni, QStringLiteral("jílek vytrvalý"));
    EXPECT_EQ(n.druhy, QStringLiteral("Lesan  C1"));
}

TEST(TiskSM, PolozkyPalet) {
    struct {
        const char* misto;
        qint64 cislo, pocet;
        const char* vaha;
        const char* zbytek;
        QString text;
    } pripady[] = {
        {"A-03", 103, 10, "25", "12.5", QStringLiteral("A-03  (10 x 25 kg + 12,5kg) č. 103")},
        {"A-01", 101, 40, "25", "0", QStringLiteral("A-01  (40 x 25 kg) č. 101")},
        // Up to kontejnery_DO (50): a container, no count and no package weight.
        {"Hala B/1", 11, 1, "500", "0", QStringLiteral("Hala B/1  () č. 11")},
        {"Hala B/2", 50, 1, "500", "7.25", QStringLiteral("Hala B/2  ( + 7,25kg) č. 50")},
        {"A-07", 51, 9, "0.5", "0", QStringLiteral("A-07  (9 x 0,5 kg) č. 51")},
    };
    for (const auto& p : pripady) {
        const QString t = PolozkaPalety(QString::fromUtf8(p.misto), p.cislo, p.pocet, D(p.vaha),
                                        QStringLiteral("kg"), D(p.zbytek), 50);
        EXPECT_EQ(t, p.text.leftJustified(45)) << p.misto;
        EXPECT_EQ(t.size(), 45);
    }
    // A longer entry is not shortened.
    const QString dlouha = PolozkaPalety(QStringLiteral("Dlouhé místo skladu"), 999999, 1234,
                                         D("1234.5"), QStringLiteral("kg"), D("1234.5"), 0);
    EXPECT_EQ(dlouha,
              QStringLiteral("Dlouhé místo skladu  (1234 x 1234,5 kg + 1234,5kg) č. 999999"));
}

TEST(TiskSM, RadkyPalet) {
    const QStringList p{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                        QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"),
                        QStringLiteral("g")};
    EXPECT_TRUE(RadkyPalet({}).isEmpty());
    EXPECT_EQ(RadkyPalet(p.mid(0, 1)), QStringList{QStringLiteral("a")});
    EXPECT_EQ(RadkyPalet(p.mid(0, 3)), QStringList{QStringLiteral("Palety: abc")});
    EXPECT_EQ(RadkyPalet(p.mid(0, 4)),
              (QStringList{QStringLiteral("Palety: abc"), QStringLiteral("d")}));
    EXPECT_EQ(RadkyPalet(p), (QStringList{QStringLiteral("Palety: abc"),
                                          QStringLiteral("Palety: def"), QStringLiteral("g")}));
}

TEST(TiskSM, Dotazy) {
    EXPECT_EQ(DotazTiskuSM(QStringLiteral("20'26")),
              (QStringList{QStringLiteral("select smesi.*,"), QStringLiteral(" strtopc.NAZEVSTR"),
                           QStringLiteral(" from smesi"), QStringLiteral(" LEFT JOIN strtopc"),
                           QStringLiteral(" ON (smesi.stredisko=strtopc.stred)"),
                           QStringLiteral(" where smesi.cislodokla = '20''26'"),
                           QStringLiteral(" order by smesi.smes DESC,smesi.id")}));
    EXPECT_EQ(DotazPaletRadku(QStringLiteral("2026200001"), QStringLiteral("26-0126-00111-01"), 0),
              (QStringList{QStringLiteral("select * from smesipa"),
                           QStringLiteral(" where cislodokla = '2026200001'"),
                           QStringLiteral(" AND partiecela = '26-0126-00111-01'"),
                           QStringLiteral(" AND lomeni = 0")}));
}

TEST(Posta, JeEmail) {
    struct {
        const char* text;
        bool ok;
    } pripady[] = {
        {"a@b.cz", true},
        {"a@b", false},     // no full stop in the domain
        {"a.@b.cz", false}, // a full stop right before the at sign
        {"a@b-.cz", false}, // a label ending in a hyphen
        {"a@b.c-", false},
        {"a@1b.cz", false}, // a label starting with a digit
        {"a@b.2cz", false},
        {"a..b@c.cz", false},      // two full stops in a row in the local part
        {"\"a\\\"b\"@c.cz", true}, // a quoted local part with an escaped quote
        {"\"a b\".c@d.cz", true},
        {"\"a\r\"@d.cz", false},
        {"", false},
        {"jan.novak@osiva-bela.cz", true},
        {"a@b--c.d9", true},
        {".a@b.cz", false},
        {"a b@c.cz", false},
        {"a@b.cz.", false},
        {"a@b..cz", false},
        {"a@b.cz;c@d.cz", false},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(JeEmail(QString::fromLatin1(p.text)), p.ok) << p.text;
    // Letters of the code page above 127 are atom characters; those it lacks fail.
    EXPECT_TRUE(JeEmail(QStringLiteral("přemysl@osiva.cz")));
    EXPECT_FALSE(JeEmail(QStringLiteral("a@b.cz") + QChar(0x4E2D)));
}

TEST(Nahled, PouzitelnaAdresa) {
    struct {
        const char* text;
        bool ok;
    } pripady[] = {
        {"a@b.cz", true},    {"ab.cz", false}, // no "@"
        {".a@b.cz", false},                    // "." first
        {"a@bcz", false},                      // no "." at all
        {"a@b.cz@", true},                     // of two "@" the second is the last character
        {"a@b.cz@x", false}, {"a@b@c.cz", false}, {"a.b@", false}, // ends right after "@"
        {"@b.cz", true},     {"", false},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(PouzitelnaAdresa(QString::fromLatin1(p.text)), p.ok) << p.text;
}
