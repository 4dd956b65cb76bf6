// A bounded random-mutation test of the dBase reader: sound tables with every field type,
// deleted records and memo texts are damaged at random (bytes, header numbers, lengths,
// memo pointers, the memo file) and each result goes through ProverVstupDbf. Runs for
// SMESI_FUZZ_SEKUND seconds (3 by default) from seed SMESI_FUZZ_SEMINKO (fixed by default,
// so a failure repeats); a failing input is kept in the test's directory.
#include "dbf.h"
#include "dbf_mutace.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>

namespace {

struct Vzor {
    QByteArray dbf;
    QByteArray dbt; // null: no memo file
};

QByteArray Obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Tables written by the layer itself, one with memo and deleted records, one without memo,
// and the hand-built fixture.
QVector<Vzor> Vzory() {
    QVector<Vzor> v;
    QString adr = TestTmpDir();
    {
        TabulkaDbf t;
        const QVector<DefinicePole> s = {
            {QStringLiteral("PARTIECELA"), TypDbf::Znak, 16, 0},
            {QStringLiteral("MNOZSTVI"), TypDbf::Cislo, 19, 4},
            {QStringLiteral("LOMENI"), TypDbf::Cislo, 11, 0},
            {QStringLiteral("DATUM"), TypDbf::Datum, 8, 0},
            {QStringLiteral("POZNAMKA"), TypDbf::Memo, 10, 0},
            {QStringLiteral("POTVRZENA"), TypDbf::Logicke, 1, 0},
        };
        EXPECT_TRUE(t.vytvor(adr + QStringLiteral("a.dbf"), s));
        for (int i = 0; i < 6; ++i) {
            t.pridej();
            t.nastavText(QStringLiteral("partiecela"), QStringLiteral("21-0011-0260%1-03").arg(i));
            t.nastavText(QStringLiteral("mnozstvi"), QStringLiteral("%1,25").arg(i * 1000));
            t.nastavCele(QStringLiteral("lomeni"), i);
            t.nastavDatum(QStringLiteral("datum"), QDate(2026, 1, 1 + i));
            t.nastavText(QStringLiteral("poznamka"), QStringLiteral("Řádek %1 ").repeated(i * 20));
            t.nastavText(QStringLiteral("potvrzena"), i % 2 ? QStringLiteral("T") : QString());
            EXPECT_TRUE(t.uloz());
        }
        t.prvni();
        t.dalsi();
        t.smaz();
        t.zavri();
        v.push_back({Obsah(adr + QStringLiteral("a.dbf")), Obsah(adr + QStringLiteral("a.dbt"))});
    }
    {
        TabulkaDbf t;
        EXPECT_TRUE(t.vytvor(adr + QStringLiteral("b.dbf"),
                             {{QStringLiteral("VAHA"), TypDbf::Znak, 60, 0},
                              {QStringLiteral("CENA"), TypDbf::Cislo, 10, 2}}));
        for (int i = 0; i < 3; ++i) {
            t.pridej();
            t.nastavText(QStringLiteral("vaha"), QStringLiteral("40 x 25 kg = 1000 kg"));
            t.nastavText(QStringLiteral("cena"), QStringLiteral("12,5"));
            t.uloz();
        }
        t.zavri();
        v.push_back({Obsah(adr + QStringLiteral("b.dbf")), QByteArray()});
    }
    v.push_back({Obsah(QStringLiteral(SMESI_DBF_FIXTURES "/platna.dbf")),
                 Obsah(QStringLiteral(SMESI_DBF_FIXTURES "/platna.dbt"))});
    return v;
}

class Mutator {
public:
    explicit Mutator(quint32 seminko) : m_g(seminko) {}

    void zmen(Vzor& v) {
        int kolik = 1 + int(m_g.bounded(4));
        for (int i = 0; i < kolik; ++i)
            jednaZmena(v);
    }

private:
    int nahoda(int n) { return n <= 0 ? 0 : int(m_g.bounded(n)); }
    char bajt() { return char(m_g.bounded(256)); }
    // Numbers that sit on the edges the reader must check.
    quint32 zajimave() {
        static const quint32 h[] = {0,      1,      2,       31,         32,        33,
                                    64,     65,     255,     256,        511,       512,
                                    0x7FFF, 0xFFFF, 0x10000, 0x7FFFFFFF, 0xFFFFFFFF};
        return m_g.bounded(3) == 0 ? m_g.generate() : h[nahoda(int(std::size(h)))];
    }
    int delkaHlavicky(const QByteArray& b) {
        return b.size() >= 10 ? qFromLittleEndian<quint16>(b.constData() + 8) : 0;
    }

    void jednaZmena(Vzor& v) {
        QByteArray& d = v.dbf;
        switch (nahoda(10)) {
        case 0: // any byte
            if (!d.isEmpty())
                d[nahoda(int(d.size()))] = bajt();
            break;
        case 1: // a byte of the header and the field descriptors
            if (!d.isEmpty())
                d[nahoda(std::min<int>(int(d.size()), delkaHlavicky(d) + 1))] = bajt();
            break;
        case 2: // the record count, the header length or the record length
            if (d.size() >= 12) {
                int co = nahoda(3);
                if (co == 0)
                    qToLittleEndian<quint32>(zajimave(), d.data() + 4);
                else
                    qToLittleEndian<quint16>(quint16(zajimave()), d.data() + (co == 1 ? 8 : 10));
            }
            break;
        case 3: // a field's width or decimals
            if (d.size() >= 64) {
                int pole = nahoda((delkaHlavicky(d) - 33) / 32 + 1);
                int kde = 32 + 32 * pole + 16 + nahoda(2);
                if (kde < d.size())
                    d[kde] = char(zajimave());
            }
            break;
        case 4: // cut short
            d.truncate(nahoda(int(d.size()) + 1));
            break;
        case 5: // junk behind the end
            for (int i = nahoda(600); i > 0; --i)
                d.append(bajt());
            break;
        case 6: { // digits or blanks into a record, where memo pointers and numbers live
            int od = delkaHlavicky(d) + nahoda(int(d.size()) - delkaHlavicky(d));
            for (int i = 0; i < 10 && od + i >= 0 && od + i < d.size(); ++i)
                d[od + i] = " 0123456789"[nahoda(11)];
            break;
        }
        case 7: // the deleted flag, or the end marker
            if (!d.isEmpty())
                d[nahoda(int(d.size()))] = "* \x1A"[nahoda(3)];
            break;
        case 8: // the memo file damaged or cut short
            if (!v.dbt.isNull()) {
                if (nahoda(2) == 0 && !v.dbt.isEmpty())
                    v.dbt[nahoda(int(v.dbt.size()))] = nahoda(2) ? '\x1A' : bajt();
                else
                    v.dbt.truncate(nahoda(int(v.dbt.size()) + 1));
            }
            break;
        case 9: // the memo file gone, or its first block rewritten
            if (nahoda(3) == 0)
                v.dbt = QByteArray();
            else if (v.dbt.size() >= 4)
                qToLittleEndian<quint32>(zajimave(), v.dbt.data());
            break;
        }
    }

    QRandomGenerator m_g;
};

} // namespace

TEST(DbfMutace, PoskozeneTabulkyNespadnouANezustanouNecitelne) {
    const QVector<Vzor> vzory = Vzory();
    for (const Vzor& v : vzory) {
        // The unchanged tables pass the check themselves.
        ASSERT_EQ(ProverVstupDbf(v.dbf, v.dbt, TestTmpDir()), QString());
    }
    const quint32 seminko = qEnvironmentVariableIsSet("SMESI_FUZZ_SEMINKO")
                                ? quint32(qEnvironmentVariableIntValue("SMESI_FUZZ_SEMINKO"))
                                : 20260214u;
    const int sekund = qEnvironmentVariableIsSet("SMESI_FUZZ_SEKUND")
                           ? qEnvironmentVariableIntValue("SMESI_FUZZ_SEKUND")
                           : 3;
    Mutator m(seminko);
    const QString adr = TestTmpDir();
    QElapsedTimer cas;
    cas.start();
    int pokusu = 0, otevreno = 0;
    while (cas.elapsed() < sekund * 1000LL || pokusu < 200) {
        Vzor v = vzory[pokusu % vzory.size()];
        m.zmen(v);
        bool prijato = false;
        QString porucha = ProverVstupDbf(v.dbf, v.dbt, adr, &prijato);
        ++pokusu;
        if (!porucha.isEmpty()) {
            QFile f(adr + QStringLiteral("selhani.dbf"));
            f.open(QIODevice::WriteOnly);
            f.write(v.dbf);
            QFile g(adr + QStringLiteral("selhani.dbt"));
            if (!v.dbt.isNull() && g.open(QIODevice::WriteOnly))
                g.write(v.dbt);
            FAIL() << "seed " << seminko << ", input " << pokusu << ": " << porucha.toStdString()
                   << " (kept in " << adr.toStdString() << "selhani.dbf)";
        }
        // Counting the inputs that were accepted shows the mutations do not only break the
        // header: the record and memo paths are reached as well.
        otevreno += prijato;
    }
    RecordProperty("inputs", pokusu);
    RecordProperty("accepted", otevreno);
    EXPECT_GT(otevreno, pokusu / 20) << otevreno << " of " << pokusu << " accepted";
    EXPECT_LT(otevreno, pokusu) << "every damaged input was accepted";
}
