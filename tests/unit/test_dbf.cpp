// The dBase layer: values of every field type, records, memo, filter, copying a server row,
// damaged files, exclusive use, and the files read back by an independent reader.
#include "dbf.h"
#include "hodiny.h"
#include "kodovani.h"
#include "nezavislyctenar.h"
#include "pracovnitabulky.h"
#include "testdb.h"
#include "vysledek.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtEndian>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

QString Fixtures() {
    return QStringLiteral(SMESI_DBF_FIXTURES);
}

QVector<DefinicePole> Struktura() {
    return {
        {QStringLiteral("PARTIECELA"), TypDbf::Znak, 16, 0},
        {QStringLiteral("NAZEVOSIVA"), TypDbf::Znak, 28, 0},
        {QStringLiteral("MNOZSTVI"), TypDbf::Cislo, 19, 4},
        {QStringLiteral("LOMENI"), TypDbf::Cislo, 11, 0},
        {QStringLiteral("DATUM"), TypDbf::Datum, 8, 0},
        {QStringLiteral("DATUMZAUCT"), TypDbf::Znak, 30, 0},
        {QStringLiteral("POZNAMKA"), TypDbf::Memo, 10, 0},
        {QStringLiteral("POTVRZENA"), TypDbf::Logicke, 1, 0},
    };
}

QByteArray Obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the header promises, checked from the bytes alone: the records it counts fit
// exactly between the header and the end marker, which is the last byte.
void OveritSoubor(const QString& cesta) {
    QByteArray b = Obsah(cesta);
    ASSERT_GE(b.size(), 33) << cesta.toStdString();
    quint32 pocet = qFromLittleEndian<quint32>(b.constData() + 4);
    quint16 hlavicka = qFromLittleEndian<quint16>(b.constData() + 8);
    quint16 zaznam = qFromLittleEndian<quint16>(b.constData() + 10);
    EXPECT_EQ(b.size(), hlavicka + qint64(pocet) * zaznam + 1) << cesta.toStdString();
    EXPECT_EQ(b.back(), '\x1A') << cesta.toStdString();
    EXPECT_EQ(b[hlavicka - 1], '\x0D') << cesta.toStdString();
}

bool Pridej(TabulkaDbf& t, const QString& partie, const QString& nazev, const QString& mnozstvi) {
    return t.pridej() && t.nastavText(QStringLiteral("partiecela"), partie) &&
           t.nastavText(QStringLiteral("nazevosiva"), nazev) &&
           t.nastavText(QStringLiteral("mnozstvi"), mnozstvi) && t.uloz();
}

QStringList Partie(TabulkaDbf& t) {
    QStringList l;
    for (t.prvni(); !t.jeKonec(); t.dalsi())
        l << t.text(QStringLiteral("partiecela"));
    return l;
}

QStringList PartieNezavisle(const QString& cesta) {
    CteniDbfread c = PrectiNezavisle(cesta);
    EXPECT_TRUE(c.ok) << c.chyba.toStdString();
    QStringList l;
    for (const QJsonObject& z : c.zaznamy)
        l << z.value(QStringLiteral("partiecela")).toString();
    return l;
}

class PevneHodiny {
public:
    explicit PevneHodiny(QDate d) {
        Hodiny::nastav([d] { return QDateTime(d, QTime(10, 0)); });
    }
    ~PevneHodiny() { Hodiny::nastav({}); }
};

} // namespace

// ---------------------------------------------------------------- structure from the server

TEST(DbfStruktura, TypySloupcuSeMapujiNaPoleDbase) {
    struct Pripad {
        PolePopis sloupec;
        TypDbf typ;
        int delka;
        int desetin;
    };
    const Pripad pripady[] = {
        {{QStringLiteral("partiecela"), TypPole::Text, 16, 0}, TypDbf::Znak, 16, 0},
        {{QStringLiteral("poznamka"), TypPole::Text, 254, 0}, TypDbf::Znak, 254, 0},
        {{QStringLiteral("dlouhy"), TypPole::Text, 255, 0}, TypDbf::Memo, 10, 0},
        {{QStringLiteral("prazdny"), TypPole::Text, 0, 0}, TypDbf::Znak, 1, 0},
        {{QStringLiteral("mnozstvi"), TypPole::Cislo, 17, 4}, TypDbf::Cislo, 19, 4},
        {{QStringLiteral("nc"), TypPole::Cislo, 22, 31}, TypDbf::Cislo, 19, 4},
        {{QStringLiteral("lomeni"), TypPole::Cele, 11, 0}, TypDbf::Cislo, 11, 0},
        {{QStringLiteral("potvrzena"), TypPole::Cele, 4, 0}, TypDbf::Cislo, 11, 0},
        {{QStringLiteral("velke"), TypPole::Cele, 20, 0}, TypDbf::Cislo, 19, 0},
        {{QStringLiteral("datum"), TypPole::Datum, 10, 0}, TypDbf::Datum, 8, 0},
        {{QStringLiteral("datumzauct"), TypPole::DatumCas, 19, 0}, TypDbf::Znak, 30, 0},
        {{QStringLiteral("cas"), TypPole::Cas, 10, 0}, TypDbf::Znak, 30, 0},
        {{QStringLiteral("poznamkam"), TypPole::Memo, 65535, 0}, TypDbf::Memo, 10, 0},
    };
    Vysledek v;
    for (const Pripad& p : pripady)
        v.pridejPole(p.sloupec);
    // Left out: a binary column, and a second column of a name already taken (a join).
    v.pridejPole({QStringLiteral("obsah"), TypPole::Binarni, 65535, 0});
    v.pridejPole({QStringLiteral("LOMENI"), TypPole::Text, 5, 0});

    QVector<DefinicePole> pole;
    QString chyba;
    ASSERT_TRUE(DefiniceZVysledku(v, pole, &chyba)) << chyba.toStdString();
    ASSERT_EQ(pole.size(), std::size(pripady));
    for (qsizetype i = 0; i < pole.size(); ++i) {
        SCOPED_TRACE(pripady[i].sloupec.jmeno.toStdString());
        EXPECT_EQ(pole[i].jmeno, pripady[i].sloupec.jmeno.toUpper());
        EXPECT_EQ(pole[i].typ, pripady[i].typ);
        EXPECT_EQ(pole[i].delka, pripady[i].delka);
        EXPECT_EQ(pole[i].desetin, pripady[i].desetin);
    }
    // The structure creates a file that the independent reader takes as it is.
    QString cesta = TestTmpDir() + QStringLiteral("mapa.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, v)) << t.chyba().toStdString();
    t.zavri();
    CteniDbfread c = PrectiNezavisle(cesta);
    ASSERT_TRUE(c.ok) << c.chyba.toStdString();
    ASSERT_EQ(c.pole.size(), pole.size());
    EXPECT_EQ(c.pole[0].toArray()[0].toString(), QStringLiteral("partiecela"));
    EXPECT_EQ(c.pole[4].toArray()[1].toString(), QStringLiteral("N"));
    EXPECT_EQ(c.pole[4].toArray()[3].toInt(), 4);
}

TEST(DbfStruktura, NevhodneJmenoSloupceJeChybaANicNevytvori) {
    for (const QString& jmeno :
         {QStringLiteral("jedenactznk"), QStringLiteral("množství"), QStringLiteral("s mezerou")}) {
        SCOPED_TRACE(jmeno.toStdString());
        Vysledek v;
        v.pridejPole({QStringLiteral("partiecela"), TypPole::Text, 16, 0});
        v.pridejPole({jmeno, TypPole::Text, 5, 0});
        QString cesta = TestTmpDir() + QStringLiteral("smesi.dbf");
        TabulkaDbf t;
        EXPECT_FALSE(t.vytvor(cesta, v));
        EXPECT_TRUE(t.chyba().contains(jmeno)) << t.chyba().toStdString();
        EXPECT_TRUE(t.chyba().contains(cesta)) << t.chyba().toStdString();
        EXPECT_FALSE(QFileInfo::exists(cesta));
    }
}

TEST(DbfStruktura, ChybnaDefiniceNechaStavajiciSouborBeze) {
    QString cesta = TestTmpDir() + QStringLiteral("smesi.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    ASSERT_TRUE(Pridej(t, QStringLiteral("21-0011-02602-03"), QStringLiteral("Jetel"),
                       QStringLiteral("1")));
    t.zavri();
    QByteArray pred = Obsah(cesta);
    const QVector<QVector<DefinicePole>> chybne = {
        {},
        {{QStringLiteral("A"), TypDbf::Znak, 0, 0}},
        {{QStringLiteral("A"), TypDbf::Znak, 255, 0}},
        {{QStringLiteral("A"), TypDbf::Cislo, 20, 4}},
        {{QStringLiteral("A"), TypDbf::Cislo, 5, 4}},
        {{QStringLiteral("A"), TypDbf::Znak, 3, 0}, {QStringLiteral("a"), TypDbf::Znak, 3, 0}},
    };
    for (const auto& d : chybne) {
        EXPECT_FALSE(t.vytvor(cesta, d));
        EXPECT_TRUE(t.chyba().contains(cesta)) << t.chyba().toStdString();
    }
    EXPECT_EQ(Obsah(cesta), pred);
}

// ---------------------------------------------------------------- values

TEST(DbfHodnoty, KazdyTypProjdeZapisemIOtevrenim) {
    struct Pripad {
        const char* pole;
        QString zapsano;   // written with nastavText
        QString text;      // read back with text()
        QString nezavisle; // what dbfread gives (null for a blank field)
    };
    const QString dlouha = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy. ").repeated(30);
    const Pripad pripady[] = {
        {"partiecela", QStringLiteral("21-0011-02602-03"), QStringLiteral("21-0011-02602-03"),
         QStringLiteral("21-0011-02602-03")},
        {"nazevosiva", QStringLiteral("  Jetel luční Ďáblův"),
         QStringLiteral("  Jetel luční Ďáblův"), QStringLiteral("  Jetel luční Ďáblův")},
        {"mnozstvi", QStringLiteral("1234,5"), QStringLiteral("1234,5"),
         QStringLiteral("1234.5000")},
        {"mnozstvi", QStringLiteral("-0.0001"), QStringLiteral("-0,0001"),
         QStringLiteral("-0.0001")},
        {"mnozstvi", QStringLiteral("9999999999999.9999"), QStringLiteral("9999999999999,9999"),
         QStringLiteral("9999999999999.9999")},
        {"mnozstvi", QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0.0000")},
        {"mnozstvi", QString(), QString(), QString()},
        {"lomeni", QStringLiteral("60"), QStringLiteral("60"), QStringLiteral("60")},
        {"lomeni", QStringLiteral("-9999999999"), QStringLiteral("-9999999999"),
         QStringLiteral("-9999999999")},
        {"datum", QStringLiteral("14.02.2026"), QStringLiteral("14.02.2026"),
         QStringLiteral("2026-02-14")},
        {"datum", QStringLiteral("1900-01-01"), QStringLiteral("01.01.1900"),
         QStringLiteral("1900-01-01")},
        {"datum", QString(), QString(), QString()},
        {"datumzauct", QStringLiteral("2002-11-11 12:30:00"), QStringLiteral("2002-11-11 12:30:00"),
         QStringLiteral("2002-11-11 12:30:00")},
        {"poznamka", QStringLiteral("Směs pro pícní využití"),
         QStringLiteral("Směs pro pícní využití"), QStringLiteral("Směs pro pícní využití")},
        {"poznamka", dlouha, dlouha, dlouha},
        {"poznamka", QString(), QString(), QString()},
        {"potvrzena", QStringLiteral("A"), QStringLiteral("T"), QStringLiteral("T")},
        {"potvrzena", QStringLiteral("0"), QStringLiteral("F"), QStringLiteral("F")},
    };
    QString cesta = TestTmpDir() + QStringLiteral("hodnoty.dbf");
    {
        TabulkaDbf t;
        ASSERT_TRUE(t.vytvor(cesta, Struktura())) << t.chyba().toStdString();
        for (const Pripad& p : pripady) {
            ASSERT_TRUE(t.pridej());
            ASSERT_TRUE(t.nastavText(QLatin1String(p.pole), p.zapsano))
                << p.pole << ": " << t.chyba().toStdString();
            ASSERT_TRUE(t.uloz()) << t.chyba().toStdString();
        }
    }
    TabulkaDbf t;
    ASSERT_TRUE(t.otevri(cesta)) << t.chyba().toStdString();
    ASSERT_EQ(t.pocet(), static_cast<int>(std::size(pripady)));
    CteniDbfread c = PrectiNezavisle(cesta);
    ASSERT_TRUE(c.ok) << c.chyba.toStdString();
    ASSERT_EQ(c.zaznamy.size(), static_cast<qsizetype>(std::size(pripady)));
    int i = 0;
    for (t.prvni(); !t.jeKonec(); t.dalsi(), ++i) {
        const Pripad& p = pripady[i];
        SCOPED_TRACE(std::string(p.pole) + " = " + p.zapsano.toStdString());
        EXPECT_EQ(t.text(QLatin1String(p.pole)), p.text);
        EXPECT_EQ(t.jePrazdne(QLatin1String(p.pole)), p.zapsano.isEmpty());
        QJsonValue n = c.zaznamy[i].value(QLatin1String(p.pole));
        if (p.nezavisle.isNull())
            EXPECT_TRUE(n.isNull());
        else
            EXPECT_EQ(n.toString(), p.nezavisle);
    }
}

TEST(DbfHodnoty, CislaCelaADataPresneTamIZpet) {
    QString cesta = TestTmpDir() + QStringLiteral("cisla.dbf");
    QVector<DefinicePole> s = Struktura();
    s.push_back({QStringLiteral("CENA2"), TypDbf::Cislo, 10, 2});
    s.push_back({QStringLiteral("VELKE"), TypDbf::Cislo, 19, 0});
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, s));
    ASSERT_TRUE(t.pridej());
    ASSERT_TRUE(
        t.nastavCislo(QStringLiteral("mnozstvi"), *Desetinne::zTextu(QStringLiteral("0.1"))));
    ASSERT_TRUE(t.nastavCele(QStringLiteral("lomeni"), 61));
    // Fewer decimals than the value: rounded half away from zero, as dBase stores it.
    ASSERT_TRUE(
        t.nastavCislo(QStringLiteral("cena2"), *Desetinne::zTextu(QStringLiteral("-2.345"))));
    // A 19-digit integer is written from its digits, beyond the range of an exact decimal.
    ASSERT_TRUE(t.nastavCele(QStringLiteral("velke"), 1234567890123456789LL));
    ASSERT_TRUE(t.nastavDatum(QStringLiteral("datum"), QDate(2026, 2, 28)));
    // Character fields take numbers and dates in their text form.
    ASSERT_TRUE(
        t.nastavCislo(QStringLiteral("partiecela"), *Desetinne::zTextu(QStringLiteral("12.5"))));
    ASSERT_TRUE(t.nastavDatum(QStringLiteral("nazevosiva"), QDate(2026, 3, 1)));
    ASSERT_TRUE(t.uloz());
    t.zavri();
    ASSERT_TRUE(t.otevri(cesta));
    EXPECT_EQ(t.cislo(QStringLiteral("mnozstvi")), Desetinne::zDesetitisicin(1000));
    EXPECT_EQ(t.cele(QStringLiteral("lomeni")), 61);
    EXPECT_EQ(t.cislo(QStringLiteral("cena2")), Desetinne::zDesetitisicin(-23500));
    EXPECT_EQ(t.cele(QStringLiteral("velke")), 1234567890123456789LL);
    EXPECT_EQ(t.datum(QStringLiteral("datum")), QDate(2026, 2, 28));
    EXPECT_EQ(t.text(QStringLiteral("partiecela")), QStringLiteral("12,5"));
    EXPECT_EQ(t.datum(QStringLiteral("nazevosiva")), QDate(2026, 3, 1));
    EXPECT_EQ(t.cislo(QStringLiteral("partiecela")), Desetinne::zDesetitisicin(125000));
    // Blank fields read as nothing.
    EXPECT_EQ(t.cislo(QStringLiteral("pr")), Desetinne());
    EXPECT_FALSE(t.datum(QStringLiteral("datumzauct")).isValid());
    EXPECT_FALSE(t.chyba().isEmpty()) << "pr is not a field of the table";
}

TEST(DbfHodnoty, CoSeNevejdeNeboNejdeZakodovatJeOdmitnuto) {
    QString cesta = TestTmpDir() + QStringLiteral("meze.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    ASSERT_TRUE(Pridej(t, QStringLiteral("PUVODNI"), QStringLiteral("Jetel"), QStringLiteral("5")));
    ASSERT_TRUE(t.uprav());
    struct Pripad {
        const char* pole;
        QString hodnota;
        const char* vChybe;
    };
    const Pripad pripady[] = {
        {"partiecela", QStringLiteral("21-0011-02602-03X"), "šířka 16"},
        {"nazevosiva", QStringLiteral("Луг"), "Windows-1250"},
        {"poznamka", QStringLiteral("日本"), "Windows-1250"},
        {"mnozstvi", QStringLiteral("100000000000000"), "nevejde"},
        {"mnozstvi", QStringLiteral("-10000000000000"), "nevejde"},
        {"mnozstvi", QStringLiteral("12kg"), "není číslo"},
        {"lomeni", QStringLiteral("123456789012"), "nevejde"},
        {"datum", QStringLiteral("31.02.2026"), "není datum"},
        {"potvrzena", QStringLiteral("snad"), "není logická"},
        {"neexistuje", QStringLiteral("x"), "nemá pole"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.pole);
        EXPECT_FALSE(t.nastavText(QLatin1String(p.pole), p.hodnota));
        EXPECT_TRUE(t.chyba().contains(QString::fromUtf8(p.vChybe))) << t.chyba().toStdString();
        EXPECT_TRUE(t.chyba().contains(cesta)) << t.chyba().toStdString();
    }
    ASSERT_TRUE(t.uloz());
    EXPECT_EQ(t.text(QStringLiteral("partiecela")), QStringLiteral("PUVODNI"));
    EXPECT_EQ(t.text(QStringLiteral("mnozstvi")), QStringLiteral("5"));
    // Cut where the caller asks for it.
    ASSERT_TRUE(t.uprav());
    EXPECT_TRUE(
        t.nastavText(QStringLiteral("partiecela"), QStringLiteral("21-0011-02602-03X"), true));
    ASSERT_TRUE(t.uloz());
    EXPECT_EQ(t.text(QStringLiteral("partiecela")), QStringLiteral("21-0011-02602-03"));
    // Outside an edit nothing is written.
    EXPECT_FALSE(t.nastavText(QStringLiteral("partiecela"), QStringLiteral("X")));
    EXPECT_TRUE(t.chyba().contains(QStringLiteral("režimu úprav")));
    t.zavri();
    OveritSoubor(cesta);
    EXPECT_EQ(PartieNezavisle(cesta), QStringList{QStringLiteral("21-0011-02602-03")});
}

// ---------------------------------------------------------------- records

TEST(DbfZaznamy, PridaniUpravaSmazaniZhutneniVyprazdneniDrziSouborVcelku) {
    PevneHodiny hodiny(QDate(2026, 2, 14));
    QString cesta = TestTmpDir() + QStringLiteral("smesi.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    OveritSoubor(cesta);
    EXPECT_EQ(PartieNezavisle(cesta), QStringList());
    // The header carries the date of the last change.
    QByteArray b = Obsah(cesta);
    EXPECT_EQ(int(b[1]), 126);
    EXPECT_EQ(int(b[2]), 2);
    EXPECT_EQ(int(b[3]), 14);
    EXPECT_EQ(quint8(b[0]), 0x83) << "a table with a memo field";

    struct Krok {
        const char* co;
        std::function<bool()> proved;
        QStringList ocekavane;
        int veSouboru;
    };
    const QString a = QStringLiteral("A"), bb = QStringLiteral("B"), c = QStringLiteral("C"),
                  d = QStringLiteral("D");
    const std::vector<Krok> kroky = {
        {"append A",
         [&] { return Pridej(t, a, QStringLiteral("Jetel"), QStringLiteral("1")); },
         {a},
         1},
        {"append B C D",
         [&] {
             return Pridej(t, bb, QStringLiteral("Jílek"), QStringLiteral("2")) &&
                    Pridej(t, c, QStringLiteral("Kostřava"), QStringLiteral("3")) &&
                    Pridej(t, d, QStringLiteral("Lipnice"), QStringLiteral("4"));
         },
         {a, bb, c, d},
         4},
        {"edit B",
         [&] {
             t.prvni();
             t.dalsi();
             return t.uprav() && t.nastavText(QStringLiteral("partiecela"), QStringLiteral("B2")) &&
                    t.nastavText(QStringLiteral("poznamka"), QStringLiteral("Upraveno")) &&
                    t.uloz();
         },
         {a, QStringLiteral("B2"), c, d},
         4},
        {"delete C",
         [&] {
             t.prvni();
             t.dalsi();
             t.dalsi();
             return t.smaz() && t.text(QStringLiteral("partiecela")) == d;
         },
         {a, QStringLiteral("B2"), d},
         4},
        {"append E after a delete",
         [&] {
             return Pridej(t, QStringLiteral("E"), QStringLiteral("Vikev"), QStringLiteral("5"));
         },
         {a, QStringLiteral("B2"), d, QStringLiteral("E")},
         5},
        {"pack", [&] { return t.zhutni(); }, {a, QStringLiteral("B2"), d, QStringLiteral("E")}, 4},
        {"empty", [&] { return t.vyprazdni(); }, {}, 0},
        {"append after emptying",
         [&] {
             return Pridej(t, QStringLiteral("F"), QStringLiteral("Hrách"), QStringLiteral("6"));
         },
         {QStringLiteral("F")},
         1},
    };
    for (const Krok& k : kroky) {
        SCOPED_TRACE(k.co);
        ASSERT_TRUE(k.proved()) << t.chyba().toStdString();
        // Right after the operation, with the table still open and locked.
        OveritSoubor(cesta);
        EXPECT_EQ(Partie(t), k.ocekavane);
        EXPECT_EQ(t.pocet(), k.ocekavane.size());
        EXPECT_EQ(t.pocetVeSouboru(), k.veSouboru);
        EXPECT_EQ(PartieNezavisle(cesta), k.ocekavane);
    }
    t.zavri();
    ASSERT_TRUE(t.otevri(cesta));
    EXPECT_EQ(Partie(t), QStringList{QStringLiteral("F")});
    EXPECT_EQ(t.text(QStringLiteral("nazevosiva")), QStringLiteral("Hrách"));
}

TEST(DbfZaznamy, SmazanyZaznamCiziTabulkySePreskakuje) {
    QString adr = TestTmpDir();
    QFile::copy(Fixtures() + QStringLiteral("/platna.dbf"), adr + QStringLiteral("platna.dbf"));
    QFile::copy(Fixtures() + QStringLiteral("/platna.dbt"), adr + QStringLiteral("platna.dbt"));
    TabulkaDbf t;
    ASSERT_TRUE(t.otevri(adr + QStringLiteral("platna.dbf"))) << t.chyba().toStdString();
    EXPECT_EQ(t.pocet(), 2);
    EXPECT_EQ(t.pocetVeSouboru(), 3);
    EXPECT_EQ(t.text(QStringLiteral("nazevosiva")), QStringLiteral("Jetel luční Ďábelský"));
    EXPECT_EQ(t.cislo(QStringLiteral("mnozstvi")),
              Desetinne::zCeleho(1234) + Desetinne::zDesetitisicin(5000));
    EXPECT_EQ(t.datum(QStringLiteral("datum")), QDate(2026, 2, 14));
    EXPECT_EQ(t.text(QStringLiteral("poznamka")), QStringLiteral("Směs pro pícní využití"));
    ASSERT_TRUE(t.dalsi());
    EXPECT_EQ(t.text(QStringLiteral("partiecela")), QStringLiteral("21-0011-02602-05"));
    EXPECT_EQ(t.cele(QStringLiteral("lomeni")), 3);
    EXPECT_TRUE(
        t.text(QStringLiteral("poznamka")).startsWith(QStringLiteral("Dlouhá poznámka Dlouhá")));
    EXPECT_EQ(t.text(QStringLiteral("poznamka")).size(), 16 * 40);
    ASSERT_TRUE(t.dalsi());
    EXPECT_TRUE(t.jeKonec());
    // Packing the foreign file drops the deleted record and keeps the memo texts.
    ASSERT_TRUE(t.zhutni());
    t.zavri();
    OveritSoubor(adr + QStringLiteral("platna.dbf"));
    CteniDbfread c = PrectiNezavisle(adr + QStringLiteral("platna.dbf"));
    ASSERT_TRUE(c.ok) << c.chyba.toStdString();
    EXPECT_EQ(c.smazanych, 0);
    ASSERT_EQ(c.zaznamy.size(), 2);
    EXPECT_EQ(c.zaznamy[1].value(QStringLiteral("poznamka")).toString().size(), 16 * 40);
}

TEST(DbfZaznamy, KurzorPoSmazaniAZaKoncem) {
    QString cesta = TestTmpDir() + QStringLiteral("kurzor.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    EXPECT_TRUE(t.jeKonec());
    EXPECT_FALSE(t.maZaznam());
    EXPECT_FALSE(t.smaz());
    EXPECT_FALSE(t.uprav());
    for (const char* p : {"A", "B", "C"})
        ASSERT_TRUE(Pridej(t, QLatin1String(p), QString(), QStringLiteral("1")));
    // The last record deleted: the cursor goes back to the one before.
    ASSERT_TRUE(t.smaz());
    EXPECT_EQ(t.text(QStringLiteral("partiecela")), QStringLiteral("B"));
    EXPECT_FALSE(t.jeKonec());
    // Next past the end stays on the last record.
    ASSERT_TRUE(t.dalsi());
    EXPECT_TRUE(t.jeKonec());
    EXPECT_EQ(t.text(QStringLiteral("partiecela")), QStringLiteral("B"));
    // The first deleted: the cursor goes on to the next.
    ASSERT_TRUE(t.prvni());
    ASSERT_TRUE(t.smaz());
    EXPECT_EQ(t.text(QStringLiteral("partiecela")), QStringLiteral("B"));
    ASSERT_TRUE(t.smaz());
    EXPECT_TRUE(t.jeKonec());
    EXPECT_EQ(t.text(QStringLiteral("partiecela")), QString());
    EXPECT_EQ(t.pocet(), 0);
    // An insert in progress is only dropped by a delete.
    ASSERT_TRUE(t.pridej());
    ASSERT_TRUE(t.smaz());
    EXPECT_EQ(t.pocetVeSouboru(), 3);
}

TEST(DbfZaznamy, RozpracovanyZaznamSeUloziPohybemIZavrenimAZrusenimZahodi) {
    QString cesta = TestTmpDir() + QStringLiteral("stav.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    ASSERT_TRUE(t.pridej());
    ASSERT_TRUE(t.nastavText(QStringLiteral("partiecela"), QStringLiteral("ZAVRENIM")));
    ASSERT_TRUE(t.zavri());
    ASSERT_TRUE(t.otevri(cesta));
    ASSERT_TRUE(t.pridej());
    ASSERT_TRUE(t.nastavText(QStringLiteral("partiecela"), QStringLiteral("POHYBEM")));
    ASSERT_TRUE(t.prvni());
    ASSERT_TRUE(t.pridej());
    ASSERT_TRUE(t.nastavText(QStringLiteral("partiecela"), QStringLiteral("ZRUSENO")));
    t.zrus();
    ASSERT_TRUE(t.uprav());
    ASSERT_TRUE(t.nastavText(QStringLiteral("partiecela"), QStringLiteral("TAKY ZRUSENO")));
    t.zrus();
    EXPECT_EQ(t.text(QStringLiteral("partiecela")), QStringLiteral("ZAVRENIM"));
    EXPECT_EQ(Partie(t), (QStringList{QStringLiteral("ZAVRENIM"), QStringLiteral("POHYBEM")}));
}

TEST(DbfZaznamy, PridaniNeprepisujeDrivejsiZaznamy) {
    // A record changed on disk behind the layer's back survives the next append: an append
    // writes its own record and the header, not the whole file from memory.
    QString cesta = TestTmpDir() + QStringLiteral("pripis.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    ASSERT_TRUE(Pridej(t, QStringLiteral("PRVNI"), QString(), QStringLiteral("1")));
    {
        QFile f(cesta);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        quint16 hlavicka = qFromLittleEndian<quint16>(Obsah(cesta).constData() + 8);
        f.seek(hlavicka + 1);
        f.write("ZMENENO");
    }
    ASSERT_TRUE(Pridej(t, QStringLiteral("DRUHY"), QString(), QStringLiteral("2")));
    t.zavri();
    EXPECT_EQ(PartieNezavisle(cesta),
              (QStringList{QStringLiteral("ZMENENO"), QStringLiteral("DRUHY")}));
}

TEST(DbfZaznamy, ZapisPrerusenyPlnymDiskemNechaSouborJakByl) {
    // The file-size limit stands in for a full disk: the append stops in the middle of its
    // record.
    QString cesta = TestTmpDir() + QStringLiteral("plny.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    ASSERT_TRUE(Pridej(t, QStringLiteral("A"), QString(), QStringLiteral("1")));
    const QByteArray pred = Obsah(cesta);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit puvodni;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &puvodni), 0);
    rlimit mez = puvodni;
    mez.rlim_cur = static_cast<rlim_t>(pred.size() + 20);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &mez), 0);
    bool ok = Pridej(t, QStringLiteral("B"), QString(), QStringLiteral("2"));
    QString chyba = t.chyba();
    setrlimit(RLIMIT_FSIZE, &puvodni);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(chyba.contains(QStringLiteral("Zápis do souboru „%1“ selhal").arg(cesta)))
        << chyba.toStdString();
    EXPECT_EQ(Obsah(cesta), pred);
    EXPECT_EQ(PartieNezavisle(cesta), QStringList{QStringLiteral("A")});
    // The record stays in insert state; with room on the disk it goes in.
    ASSERT_TRUE(t.uloz()) << t.chyba().toStdString();
    OveritSoubor(cesta);
    EXPECT_EQ(PartieNezavisle(cesta), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

TEST(DbfMemo, PrepisovanaPoznamkaRosteAZhutneniJiZmensi) {
    QString adr = TestTmpDir();
    QString cesta = adr + QStringLiteral("memo.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    EXPECT_EQ(t.souborMemo(), adr + QStringLiteral("memo.dbt"));
    const QString text = QStringLiteral("Ř").repeated(700); // two blocks each
    ASSERT_TRUE(Pridej(t, QStringLiteral("A"), QString(), QStringLiteral("1")));
    ASSERT_TRUE(Pridej(t, QStringLiteral("B"), QString(), QStringLiteral("1")));
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(t.prvni());
        ASSERT_TRUE(t.uprav());
        ASSERT_TRUE(t.nastavText(QStringLiteral("poznamka"), text + QString::number(i)));
        ASSERT_TRUE(t.uloz());
    }
    ASSERT_TRUE(t.dalsi());
    ASSERT_TRUE(t.uprav());
    ASSERT_TRUE(t.nastavText(QStringLiteral("poznamka"), QStringLiteral("krátká")));
    ASSERT_TRUE(t.uloz());
    EXPECT_EQ(QFileInfo(t.souborMemo()).size(), 512 * (1 + 10 * 2 + 1));
    ASSERT_TRUE(t.zhutni());
    EXPECT_EQ(QFileInfo(t.souborMemo()).size(), 512 * (1 + 2 + 1));
    EXPECT_EQ(t.text(QStringLiteral("poznamka")), text + QStringLiteral("9"));
    ASSERT_TRUE(t.dalsi());
    EXPECT_EQ(t.text(QStringLiteral("poznamka")), QStringLiteral("krátká"));
    // A memo cleared by the user leaves the field blank.
    ASSERT_TRUE(t.uprav());
    ASSERT_TRUE(t.vymazPole(QStringLiteral("poznamka")));
    ASSERT_TRUE(t.uloz());
    EXPECT_TRUE(t.jePrazdne(QStringLiteral("poznamka")));
    t.zavri();
    CteniDbfread c = PrectiNezavisle(cesta);
    ASSERT_TRUE(c.ok) << c.chyba.toStdString();
    ASSERT_EQ(c.zaznamy.size(), 2);
    EXPECT_EQ(c.zaznamy[0].value(QStringLiteral("poznamka")).toString(),
              text + QStringLiteral("9"));
    EXPECT_TRUE(c.zaznamy[1].value(QStringLiteral("poznamka")).isNull());
}

TEST(DbfMemo, TabulkaBezMemoNemaSouborPoznamek) {
    QString adr = TestTmpDir();
    QString cesta = adr + QStringLiteral("tab.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    ASSERT_TRUE(QFileInfo::exists(adr + QStringLiteral("tab.dbt")));
    // Re-created with a structure without memo: the old memo file goes, the version says so.
    ASSERT_TRUE(t.vytvor(cesta, {{QStringLiteral("PARTIECELA"), TypDbf::Znak, 16, 0}}));
    EXPECT_FALSE(QFileInfo::exists(adr + QStringLiteral("tab.dbt")));
    EXPECT_EQ(Obsah(cesta)[0], '\x03');
}

// ---------------------------------------------------------------- filter

TEST(DbfFiltr, JednoPoleRovnaSeHodnote) {
    QString cesta = TestTmpDir() + QStringLiteral("smepal.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    const QString p1 = QStringLiteral("21-0011-02602-03"), p2 = QStringLiteral("21-0011-02602-04");
    for (const QString& p : {p1, p2, p1, QStringLiteral("21-0011-02602"), p1})
        ASSERT_TRUE(Pridej(t, p, QString(), QStringLiteral("1")));
    struct Pripad {
        QString vyraz;
        int pocet;
    };
    const Pripad pripady[] = {
        {QStringLiteral("partiecela = '21-0011-02602-03'"), 3},
        {QStringLiteral("PARTIECELA='21-0011-02602-04'"), 1},
        {QStringLiteral("  partiecela =  \"21-0011-02602-03\"  "), 3},
        {QStringLiteral("partiecela = '21-0011-02602-03   '"), 3}, // blanks of the field's width
        {QStringLiteral("partiecela = '21-0011-02602'"), 1},       // no prefix match
        {QStringLiteral("partiecela = '21-0011-02602-0'"), 0},
        {QStringLiteral("partiecela = ''"), 0},
        {QStringLiteral("nazevosiva = ''"), 5}, // a blank field equals the empty text
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.vyraz.toStdString());
        ASSERT_TRUE(t.nastavFiltr(p.vyraz)) << t.chyba().toStdString();
        EXPECT_TRUE(t.jeFiltr());
        EXPECT_EQ(t.pocet(), p.pocet);
        EXPECT_EQ(Partie(t).size(), p.pocet);
    }
    // Deleting under a filter moves to the next record that passes it.
    ASSERT_TRUE(t.nastavFiltr(QStringLiteral("partiecela"), p1));
    ASSERT_TRUE(t.smaz());
    EXPECT_EQ(t.text(QStringLiteral("partiecela")), p1);
    EXPECT_EQ(t.pocet(), 2);
    ASSERT_TRUE(t.zrusFiltr());
    EXPECT_FALSE(t.jeFiltr());
    EXPECT_EQ(t.pocet(), 4);
    EXPECT_EQ(Partie(t), (QStringList{p2, p1, QStringLiteral("21-0011-02602"), p1}));
}

TEST(DbfFiltr, JinyVyrazNezJednoPoleJeChyba) {
    QString cesta = TestTmpDir() + QStringLiteral("f.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    for (const QString& v : {QStringLiteral("partiecela = 'A' and lomeni = 1"),
                             QStringLiteral("partiecela <> 'A'"), QStringLiteral("partiecela = A"),
                             QStringLiteral("nezname = 'A'"), QStringLiteral("lomeni = '1'")}) {
        SCOPED_TRACE(v.toStdString());
        EXPECT_FALSE(t.nastavFiltr(v));
        EXPECT_FALSE(t.jeFiltr());
        EXPECT_TRUE(t.chyba().contains(cesta)) << t.chyba().toStdString();
    }
}

// ---------------------------------------------------------------- server rows

TEST(DbfKopie, RadekServeruPodleJmenPoleChybejiciNaObouStranach) {
    Vysledek v;
    v.pridejPole({QStringLiteral("PartieCela"), TypPole::Text, 16, 0});
    v.pridejPole({QStringLiteral("mnozstvi"), TypPole::Cislo, 17, 4});
    v.pridejPole({QStringLiteral("lomeni"), TypPole::Cele, 11, 0});
    v.pridejPole({QStringLiteral("datum"), TypPole::Datum, 10, 0});
    v.pridejPole({QStringLiteral("datumzauct"), TypPole::DatumCas, 19, 0});
    v.pridejPole({QStringLiteral("poznamka"), TypPole::Memo, 65535, 0});
    v.pridejPole({QStringLiteral("jen_server"), TypPole::Text, 5, 0});
    auto b = [](const char* s) { return Vysledek::Bunka(QByteArray(s)); };
    QByteArray cesky;
    ASSERT_TRUE(DoCp1250(QStringLiteral("Ďábelská směs"), cesky));
    v.pridejRadek({b("21-0011-02602-03"), b("1234.5678"), b("3"), b("2026-02-14"),
                   b("2002-11-11 12:30:00"), Vysledek::Bunka(cesky), b("X")});
    v.pridejRadek({Vysledek::Bunka(), b("1e-4"), Vysledek::Bunka(), b("0000-00-00"),
                   Vysledek::Bunka(), Vysledek::Bunka(), b("Y")});

    QString cesta = TestTmpDir() + QStringLiteral("kopie.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    for (int r = 0; r < 2; ++r) {
        ASSERT_TRUE(t.pridej());
        // The table's own field missing from the row keeps what was set before.
        ASSERT_TRUE(t.nastavText(QStringLiteral("nazevosiva"), QStringLiteral("jen tabulka")));
        ASSERT_TRUE(t.kopirujRadek(v, r)) << t.chyba().toStdString();
        ASSERT_TRUE(t.uloz());
    }
    ASSERT_TRUE(t.prvni());
    EXPECT_EQ(t.text(QStringLiteral("partiecela")), QStringLiteral("21-0011-02602-03"));
    EXPECT_EQ(t.cislo(QStringLiteral("mnozstvi")), Desetinne::zDesetitisicin(12345678));
    EXPECT_EQ(t.cele(QStringLiteral("lomeni")), 3);
    EXPECT_EQ(t.datum(QStringLiteral("datum")), QDate(2026, 2, 14));
    EXPECT_EQ(t.text(QStringLiteral("datumzauct")), QStringLiteral("2002-11-11 12:30:00"));
    EXPECT_EQ(t.text(QStringLiteral("poznamka")), QStringLiteral("Ďábelská směs"));
    EXPECT_EQ(t.text(QStringLiteral("nazevosiva")), QStringLiteral("jen tabulka"));
    ASSERT_TRUE(t.dalsi());
    EXPECT_TRUE(t.jePrazdne(QStringLiteral("partiecela")));
    EXPECT_EQ(t.cislo(QStringLiteral("mnozstvi")), Desetinne::zDesetitisicin(1));
    EXPECT_TRUE(t.jePrazdne(QStringLiteral("lomeni")));
    EXPECT_TRUE(t.jePrazdne(QStringLiteral("datum")));
    EXPECT_TRUE(t.jePrazdne(QStringLiteral("poznamka")));

    // Outside an edit the row is refused; a value wider than the field names it.
    EXPECT_FALSE(t.kopirujRadek(v, 0));
    Vysledek siroky;
    siroky.pridejPole({QStringLiteral("partiecela"), TypPole::Text, 20, 0});
    siroky.pridejRadek({b("21-0011-02602-03-XXXX")});
    ASSERT_TRUE(t.pridej());
    EXPECT_FALSE(t.kopirujRadek(siroky, 0));
    EXPECT_TRUE(t.chyba().contains(QStringLiteral("PARTIECELA"))) << t.chyba().toStdString();
}

// ---------------------------------------------------------------- damaged files

TEST(DbfPoskozene, PoskozenySouborJeOdmitnutANezmenen) {
    struct Pripad {
        const char* soubor;
        const char* memo;
        const char* vChybe;
    };
    const Pripad pripady[] = {
        {"zkracena_hlavicka.dbf", nullptr, "hlavička je neúplná"},
        {"zkracene_popisy.dbf", nullptr, "delší než soubor"},
        {"pocet_za_koncem.dbf", nullptr, "hlavička uvádí 10 záznamů, soubor jich obsahuje jen 3"},
        {"chybi_memo.dbf", nullptr, "Chybí soubor poznámek"},
        {"memo_za_koncem.dbf", "memo_za_koncem.dbt", "na blok 40 za koncem souboru poznámek"},
        {"spatna_delka_zaznamu.dbf", nullptr, "délka záznamu"},
        {"bez_konce_popisu.dbf", nullptr, "popis polí"},
        {"neznamy_typ.dbf", nullptr, "OBRAZEK má nepodporovaný typ"},
        {"cizi_verze.dbf", nullptr, "neznámá verze formátu (0x30)"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.soubor);
        QString adr = TestTmpDir();
        QString cesta = adr + QLatin1String(p.soubor);
        ASSERT_TRUE(QFile::copy(Fixtures() + QLatin1Char('/') + QLatin1String(p.soubor), cesta));
        if (p.memo) {
            ASSERT_TRUE(QFile::copy(Fixtures() + QLatin1Char('/') + QLatin1String(p.memo),
                                    adr + QLatin1String(p.memo)));
        }
        QByteArray pred = Obsah(cesta);
        TabulkaDbf t;
        EXPECT_FALSE(t.otevri(cesta));
        EXPECT_FALSE(t.jeOtevrena());
        EXPECT_TRUE(t.chyba().contains(QString::fromUtf8(p.vChybe))) << t.chyba().toStdString();
        EXPECT_TRUE(t.chyba().contains(adr)) << t.chyba().toStdString();
        EXPECT_EQ(Obsah(cesta), pred);
        // Nothing of the refused file lingers in the object.
        EXPECT_FALSE(t.pridej());
        EXPECT_EQ(t.pocet(), 0);
    }
    TabulkaDbf t;
    EXPECT_FALSE(t.otevri(TestTmpDir() + QStringLiteral("neni.dbf")));
    EXPECT_TRUE(t.chyba().contains(QStringLiteral("neexistuje")));
}

// ---------------------------------------------------------------- files and names

TEST(DbfSoubor, JmenoSeHledaBezOhleduNaVelikostPismen) {
    QString adr = TestTmpDir();
    {
        TabulkaDbf t;
        ASSERT_TRUE(t.vytvor(adr + QStringLiteral("STARY.DBF"), Struktura()));
        EXPECT_EQ(t.souborMemo(), adr + QStringLiteral("STARY.DBT"));
        ASSERT_TRUE(t.pridej() &&
                    t.nastavText(QStringLiteral("poznamka"), QStringLiteral("memo")) && t.uloz());
    }
    TabulkaDbf t;
    ASSERT_TRUE(t.otevri(adr + QStringLiteral("stary.dbf"))) << t.chyba().toStdString();
    EXPECT_EQ(t.soubor(), adr + QStringLiteral("STARY.DBF"));
    EXPECT_EQ(t.text(QStringLiteral("poznamka")), QStringLiteral("memo"));
}

TEST(DbfSoubor, KotrZInstalaceSeVyprazdniAPlniJakoText) {
    QString adr = TestTmpDir();
    ASSERT_TRUE(QFile::copy(TestToolsDir() + QStringLiteral("/KOTR.DBF"),
                            adr + QStringLiteral("KOTR.DBF")));
    QFile(adr + QStringLiteral("KOTR.DBF"))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    TabulkaDbf kotr;
    // Twice: the second export finds the first one's records and removes them.
    for (int beh = 0; beh < 2; ++beh) {
        QString chyba;
        ASSERT_TRUE(PripravKotr(adr, kotr, &chyba)) << chyba.toStdString();
        EXPECT_EQ(kotr.pocetVeSouboru(), 0);
        for (const char* vaha : {"1 x 500 kg", "40 x 25 kg = 1000 kg"}) {
            ASSERT_TRUE(kotr.pridej());
            for (const char* pole :
                 {"druh", "odruda", "stupen", "partie", "lomeni", "vaha", "datumbal", "cislo",
                  "misto", "NAZEV", "NAZEVA", "NAZEVL", "NAZEVN", "NAZEVF"})
                ASSERT_NE(kotr.indexPole(QLatin1String(pole)), -1) << pole;
            ASSERT_TRUE(kotr.nastavText(QStringLiteral("druh"), QStringLiteral("Jetel luční")));
            ASSERT_TRUE(
                kotr.nastavText(QStringLiteral("partie"), QStringLiteral("21-0011-02602-03")));
            ASSERT_TRUE(kotr.nastavText(QStringLiteral("vaha"), QLatin1String(vaha)));
            ASSERT_TRUE(kotr.nastavDatum(QStringLiteral("datumbal"), QDate(2026, 2, 14)));
            ASSERT_TRUE(kotr.nastavCele(QStringLiteral("cislo"), 1042));
            ASSERT_TRUE(kotr.uloz());
        }
        ASSERT_TRUE(kotr.zavri());
    }
    CteniDbfread c = PrectiNezavisle(adr + QStringLiteral("KOTR.DBF"));
    ASSERT_TRUE(c.ok) << c.chyba.toStdString();
    ASSERT_EQ(c.zaznamy.size(), 2);
    EXPECT_EQ(c.smazanych, 0);
    EXPECT_EQ(c.zaznamy[1].value(QStringLiteral("vaha")).toString(),
              QStringLiteral("40 x 25 kg = 1000 kg"));
    EXPECT_EQ(c.zaznamy[1].value(QStringLiteral("datumbal")).toString(),
              QStringLiteral("14.02.2026"));
    EXPECT_EQ(c.zaznamy[0].value(QStringLiteral("cislo")).toString(), QStringLiteral("1042"));
    EXPECT_EQ(c.zaznamy[0].value(QStringLiteral("druh")).toString(), QStringLiteral("Jetel luční"));
    // The module never creates the file: without the installation it is an error.
    QString chyba;
    EXPECT_FALSE(PripravKotr(TestTmpDir(), kotr, &chyba));
    EXPECT_TRUE(chyba.contains(QStringLiteral("KOTR.DBF"))) << chyba.toStdString();
}

// ---------------------------------------------------------------- exclusive use

TEST(DbfZamek, DruheOtevreniTehozSouboruSeOdmitne) {
    QString adr = TestTmpDir();
    QString cesta = adr + QStringLiteral("smesi.dbf");
    TabulkaDbf prvni;
    ASSERT_TRUE(prvni.vytvor(cesta, Struktura()));
    ASSERT_TRUE(Pridej(prvni, QStringLiteral("A"), QString(), QStringLiteral("1")));
    QByteArray pred = Obsah(cesta);
    TabulkaDbf druha;
    EXPECT_FALSE(druha.otevri(cesta));
    EXPECT_TRUE(druha.chyba().contains(cesta)) << druha.chyba().toStdString();
    EXPECT_TRUE(druha.chyba().contains(QStringLiteral("jiný program")));
    // Re-creating a held table must not empty it.
    EXPECT_FALSE(druha.vytvor(cesta, Struktura()));
    EXPECT_FALSE(druha.vytvor(cesta, {{QStringLiteral("JINE"), TypDbf::Znak, 3, 0}}));
    EXPECT_EQ(Obsah(cesta), pred);
    // A foreign descriptor of the file closing does not drop the lock.
    {
        QFile f(cesta);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    }
    EXPECT_FALSE(druha.otevri(cesta));
    // The memo file is held as well: even taken for a table of its own it is refused.
    TabulkaDbf memo;
    EXPECT_FALSE(memo.vytvor(adr + QStringLiteral("smesi.dbt"), Struktura()));
    ASSERT_TRUE(prvni.zavri());
    EXPECT_TRUE(druha.otevri(cesta)) << druha.chyba().toStdString();
    EXPECT_EQ(Partie(druha), QStringList{QStringLiteral("A")});
}

namespace {
// The second program of the exclusive-use tests (tests/unit/dbf_pomocnik.cpp).
class Pomocnik {
public:
    explicit Pomocnik(const QString& cesta) {
        m_p.start(QStringLiteral(SMESI_DBF_POMOCNIK), {cesta});
        m_p.waitForStarted(10000);
    }
    ~Pomocnik() {
        if (m_p.state() != QProcess::NotRunning) {
            m_p.closeWriteChannel();
            if (!m_p.waitForFinished(10000))
                m_p.kill();
        }
    }
    QString radek() {
        while (!m_p.canReadLine() && m_p.waitForReadyRead(10000)) {
        }
        return QString::fromUtf8(m_p.readLine()).trimmed();
    }
    QString prikaz(const QString& p) {
        m_p.write((p + QLatin1Char('\n')).toUtf8());
        m_p.waitForBytesWritten(5000);
        return radek();
    }
    int konec() {
        m_p.write("konec\n");
        m_p.closeWriteChannel();
        m_p.waitForFinished(10000);
        return m_p.exitCode();
    }
    bool bezi() { return m_p.state() != QProcess::NotRunning; }

private:
    QProcess m_p;
};
} // namespace

TEST(DbfZamek, DruhyProgramDostaneChybuAPrvniPracujeDal) {
    QString cesta = TestTmpDir() + QStringLiteral("smesi.dbf");
    TabulkaDbf t;
    ASSERT_TRUE(t.vytvor(cesta, Struktura()));
    ASSERT_TRUE(Pridej(t, QStringLiteral("A"), QString(), QStringLiteral("1")));
    {
        Pomocnik druhy(cesta);
        QString odpoved = druhy.radek();
        EXPECT_TRUE(odpoved.startsWith(QStringLiteral("CHYBA "))) << odpoved.toStdString();
        EXPECT_TRUE(odpoved.contains(cesta)) << odpoved.toStdString();
        EXPECT_TRUE(odpoved.contains(QStringLiteral("jiný program"))) << odpoved.toStdString();
        EXPECT_EQ(druhy.konec(), 1);
    }
    // The first copy goes on reading and writing its records.
    ASSERT_TRUE(Pridej(t, QStringLiteral("B"), QString(), QStringLiteral("2")));
    EXPECT_EQ(Partie(t), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    ASSERT_TRUE(t.zavri());
    OveritSoubor(cesta);
    EXPECT_EQ(PartieNezavisle(cesta), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

TEST(DbfZamek, SouborDrzenyJinymProgramemNelzeOtevritAniVytvoritZnovu) {
    QString cesta = TestTmpDir() + QStringLiteral("smesi.dbf");
    {
        TabulkaDbf t;
        ASSERT_TRUE(t.vytvor(cesta, Struktura()));
        ASSERT_TRUE(Pridej(t, QStringLiteral("A"), QString(), QStringLiteral("1")));
    }
    Pomocnik prvni(cesta);
    ASSERT_EQ(prvni.radek(), QStringLiteral("OTEVRENO"));
    TabulkaDbf t;
    EXPECT_FALSE(t.otevri(cesta));
    EXPECT_TRUE(t.chyba().contains(cesta)) << t.chyba().toStdString();
    EXPECT_FALSE(t.vytvor(cesta, Struktura()));
    EXPECT_TRUE(t.chyba().contains(QStringLiteral("jiný program"))) << t.chyba().toStdString();
    // The holder's table is intact and still its own to write.
    EXPECT_EQ(prvni.prikaz(QStringLiteral("pocet")), QStringLiteral("1"));
    EXPECT_EQ(prvni.prikaz(QStringLiteral("pridej Žito")), QStringLiteral("OK"));
    EXPECT_EQ(prvni.prikaz(QStringLiteral("pocet")), QStringLiteral("2"));
    EXPECT_EQ(prvni.konec(), 0);
    ASSERT_TRUE(t.otevri(cesta)) << t.chyba().toStdString();
    EXPECT_EQ(Partie(t), (QStringList{QStringLiteral("A"), QStringLiteral("Žito")}));
}
