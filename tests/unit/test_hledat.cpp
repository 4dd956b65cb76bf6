#include "hledat.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const QStringList hodnoty = {
    QStringLiteral("AB-0126-12345-01"),
    QStringLiteral("Žito ozimé"),
    QStringLiteral("ab-0127-00001-02"),
    QStringLiteral("Cab"),
    QStringLiteral("žitná směs"),
    QStringLiteral(""),
    QStringLiteral("AB"),
    QStringLiteral("Babka"),
};
} // namespace

TEST(ZuzenyVyber, ObsahujeBezOhleduNaVelikostPismen) {
    struct Pripad {
        const char* text;
        std::vector<int> radky; // not a QList: Qt 6.4 compares an empty one with memcmp(nullptr)
    };
    const Pripad pripady[] = {
        {"", {0, 1, 2, 3, 4, 5, 6, 7}}, // nothing typed: every row in the data's order
        {"ab", {0, 2, 3, 6, 7}},        // anywhere in the value, either case
        {"AB-01", {0, 2}},
        {"ŽIT", {1, 4}}, // Czech capitals fold like the rest
        {"směs", {4}},
        {"0127-00001", {2}},
        {"xyz", {}},
    };
    for (const Pripad& p : pripady) {
        const QList<int> r = ZuzenyVyber(hodnoty, QString::fromUtf8(p.text));
        EXPECT_EQ(std::vector<int>(r.cbegin(), r.cend()), p.radky) << p.text;
    }
}

TEST(PrvniShodny, CelaHodnotaBezOhleduNaVelikostPismen) {
    struct Pripad {
        const char* text;
        int radek;
    };
    const Pripad pripady[] = {
        {"ab", 6}, // equal only, not the first that contains "ab"
        {"AB-0127-00001-02", 2},
        {"ŽITNÁ SMĚS", 4},
        {"Žito", -1}, // a prefix is not equal
        {"", 5},      // the empty value is a value like any other
        {"nic", -1},
    };
    for (const Pripad& p : pripady)
        EXPECT_EQ(PrvniShodny(hodnoty, QString::fromUtf8(p.text)), p.radek) << p.text;
}

TEST(VychoziVolba, ShodnaPredZacinajiciPredPrvni) {
    struct Pripad {
        const char* text;
        int volba; // position in the narrowed list
    };
    const Pripad pripady[] = {
        {"ab", 3},   // [AB-0126…, ab-0127…, Cab, AB]: "AB" equals
        {"ab-", 0},  // no equal one: the first that starts with it
        {"b-01", 0}, // none starts with it: the first of the list
        {"b", 4}, // "Babka" starts with it, the four before only contain it  {"", 5}, // the empty
                  // value equals the empty text
        {"xyz", -1}, // empty list
    };
    for (const Pripad& p : pripady) {
        const QString t = QString::fromUtf8(p.text);
        EXPECT_EQ(VychoziVolba(hodnoty, ZuzenyVyber(hodnoty, t), t), p.volba) << p.text;
    }
}

TEST(PriznakHledani, DrziSeDokudZijeNejakyDrzitel) {
    PriznakHledani p;
    EXPECT_FALSE(p.bezi());
    {
        DrzHledani a(p);
        EXPECT_TRUE(p.bezi());
        {
            // The stock-card grid's search may run inside an editor that holds it already.
            DrzHledani b(p);
            EXPECT_TRUE(p.bezi());
        }
        EXPECT_TRUE(p.bezi());
    }
    EXPECT_FALSE(p.bezi());
}
