// The compact text of printed tags: the short form of a run's last number, the join and
// the cut to the width of the tags columns.
#include "tfnavesky.h"

#include <gtest/gtest.h>

#include <QString>

#include <ostream>
#ifndef SMESI_PRINTTO_QSTRING
#define SMESI_PRINTTO_QSTRING
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
#endif

TEST(KratkyDocis, TabulkaBehu) {
    struct Pripad {
        const char* odcis;
        const char* docis;
        qint64 pocet;
        const char* zaznam;
        const char* proc;
    };
    const Pripad pripady[] = {
        {"1234500", "1234500", 1, "1234500", "a single tag is its number"},
        {"1234500", "1234599", 100, "1234500-4599", "last two digits differ: four digits"},
        {"1200001", "1200050", 50, "1200001-50", "leading zeros of the short form dropped"},
        {"1234500", "1235600", 1101, "1234500-35600",
         "fourth-last differs: grows to the first equal position"},
        {"1234567890", "1299999999", 0, "1234567890-299999999", "grows through several places"},
        {"100000000000", "299999999999", 9, "100000000000-99999999999",
         "never equal: at most eleven characters"},
        {"5", "12", 8, "5-12", "numbers shorter than the compared place: all of docis"},
        {"CZ1234500A", "CZ1234599A", 100, "CZ1234500A-599A",
         "letter in the short form: as it stands"},
        {"00001A", "00009A", 9, "00001A-009A", "letter keeps its leading zeros too"},
        {"X0000100", "X0000199", 100, "X0000100-199",
         "letters outside the short form do not matter"},
        {"1234500", "", 3, "1234500", "a run without a last number: its first"},
        {" 1234500 ", "1234599 ", 100, "1234500-4599", "blanks around the numbers ignored"},
    };
    for (const Pripad& p : pripady)
        EXPECT_EQ(ZaznamBehu({QString::fromLatin1(p.odcis), QString::fromLatin1(p.docis), p.pocet}),
                  QString::fromLatin1(p.zaznam))
            << p.proc;
}

TEST(SpojNavesky, VeZadanemPoradiBezMezer) {
    EXPECT_EQ(SpojNavesky({}), QString());
    EXPECT_EQ(SpojNavesky({{QStringLiteral("1234500"), QStringLiteral("1234500"), 1}}),
              QStringLiteral("1234500"));
    EXPECT_EQ(SpojNavesky({{QStringLiteral("1234601"), QStringLiteral("1234601"), 1},
                           {QStringLiteral("1234500"), QStringLiteral("1234599"), 100},
                           {QStringLiteral("1235000"), QStringLiteral("1236100"), 1101}}),
              QStringLiteral("1234601,1234500-4599,1235000-36100"));
}

TEST(OrizniNavesky, SedmdesatZnaku) {
    const QString presne(DelkaNavesek, u'9');
    EXPECT_EQ(OrizniNavesky(presne).text, presne);
    EXPECT_FALSE(OrizniNavesky(presne).zkraceno) << "70 characters fit";

    // Six runs of 16 characters (13 + "-99") and their commas: 101 characters.
    QVector<BehNavesek> behy;
    for (int i = 0; i < 6; ++i)
        behy.push_back({QStringLiteral("CZ00000%1000").arg(i) + QStringLiteral("00"),
                        QStringLiteral("CZ00000%1000").arg(i) + QStringLiteral("99"), 100});
    const QString cely = SpojNavesky(behy);
    ASSERT_GT(cely.size(), DelkaNavesek);
    const TextNavesek t = OrizniNavesky(cely);
    EXPECT_TRUE(t.zkraceno);
    EXPECT_EQ(t.text, cely.left(DelkaNavesek));
    EXPECT_EQ(t.text.size(), DelkaNavesek);
}

TEST(SqlNavesek, PrikazyModuluNavesky) {
    EXPECT_EQ(SqlProceduraNavesek(QStringLiteral("kavlin")),
              QStringLiteral("SHOW PROCEDURE STATUS where Name=\"nnavesky_seznam_partie\" and "
                             "Db=\"kavlin\""));
    EXPECT_EQ(SqlSeznamNavesek(QStringLiteral("26-0126-00500-01")),
              QStringLiteral("call nnavesky_seznam_partie(\"26-0126-00500-01\")"));
    // A double quote in the lot number cannot end the literal.
    EXPECT_EQ(SqlSeznamNavesek(QStringLiteral("a\")drop")),
              QStringLiteral("call nnavesky_seznam_partie(\"a\"\")drop\")"));
}
