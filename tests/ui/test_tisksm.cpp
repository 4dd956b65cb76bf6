// The printed mixture document through its PDF: title, rows with their values, the
// total, the page header from page 2, pallet lines, the name mode, pictures.
#include "tiskpomocnik.h"

#include <QImage>

namespace {
// A document at Litovel with n component rows, each taking from one pallet, long enough
// for several pages.
void DlouhyDoklad(TestDb& db, int n) {
    Spojeni& s = db.spojeni();
    ASSERT_TRUE(s.proved(QStringLiteral(
        "insert into smesi (cislodokla, stredisko, podnik, partiecela, nazevosiva, mnozstvi, mj, "
        "pr, nc, datum, smes, naz_dru, naz_odru, stupen) values ('2026200009', '20', '0126', "
        "'26-0126-00299-01', 'Dlouhá směs', 3000, 'kg', 100, 10, '2026-12-01', '1', "
        "'travní směs', 'Dlouhá', 'C')")));
    for (int i = 1; i <= n; ++i) {
        const QString partie =
            QStringLiteral("26-0126-%1-01").arg(300 + i, 5, 10, QLatin1Char('0'));
        ASSERT_TRUE(s.proved(
            QStringLiteral("insert into smesi (cislodokla, stredisko, podnik, partiecela, "
                           "nazevosiva, mnozstvi, mj, pr, nc, datum, smes, naz_dru, naz_odru, "
                           "stupen) values ('2026200009', '20', '0126', '%1', 'Složka %2', 100, "
                           "'kg', 3.3333, 10, '2026-12-01', '0', 'jílek', 'Složka%2', 'C1')")
                .arg(partie)
                .arg(i)));
        ASSERT_TRUE(s.proved(QStringLiteral("insert into smesipa (cislodokla, cislo, partiecela, "
                                            "lomeni, stredisko, misto, pocet, vahao1, mj) values "
                                            "('2026200009', %1, '%2', 0, '20', 'R-%1', 4, 25, "
                                            "'kg')")
                                 .arg(200 + i)
                                 .arg(partie)));
    }
}
} // namespace

TEST_F(TiskTest, HlavickaRadkyAHodnoty) {
    // The mixture's price a little above its components: the total is the difference.
    sql(QStringLiteral("update smesi set nc = 56 where cislodokla = '2026100001' and smes = '1'"));
    const QString soubor = pdfDokladu(QStringLiteral("2026100001"));
    ASSERT_EQ(pdf::PocetStran(soubor), 1);
    const QString text = pdf::Text(soubor);
    const QString j = Jednoduse(text);
    for (const char* kus : {"Míchací protokol", "2026100001", "Stř. ČSO", "10", "Sklad Hlinsko",
                            "Datum", "12.03.2026", "Partie", "Nomenklatura", "Název", "Množství",
                            "Nákupní cena", "Vytištěno: 11.12.2026 10:00:00"})
        EXPECT_TRUE(j.contains(QString::fromUtf8(kus))) << kus;

    struct {
        const char* partie;
        const char* radek1; // smes, lot, sub-lot, nomenclature … price
        const char* hodnota;
    } radky[] = {
        {"26-0126-00201-01", "1 26-0126-00201-01 /0 299109001100 travní směs 1000 kg 100 56,00",
         "56 000,00"},
        {"26-0126-00101-01", "0 26-0126-00101-01 /0 1441093518C1 jílek vytrvalý 500 kg 50 48,50",
         "24 250,00"},
        {"26-0126-00102-01", "0 26-0126-00102-01 /0 1443093760C2 kostřava luční 300 kg 30 58,40",
         "17 520,00"},
        {"26-0126-00104-01", "0 26-0126-00104-01 /1 1445093811C1 bojínek luční 200 kg 20 64,90",
         "12 980,00"},
        // No enterprise code: three spaces instead of " /" and the sub-lot.
        {"MIC", "0 MIC 700000000001 1000 kg 0 0,80", "800,00"},
    };
    const QStringList radkyTextu = text.split(QLatin1Char('\n'));
    for (const auto& r : radky) {
        const QStringList l = RadkySTextem(text, QString::fromUtf8(r.radek1));
        ASSERT_EQ(l.size(), 1) << r.partie << "\n" << qPrintable(text);
        // The value stands on the row's second line, at the right edge.
        qsizetype i = 0;
        while (i < radkyTextu.size() && Jednoduse(radkyTextu[i]) != l[0])
            ++i;
        ASSERT_LT(i + 1, radkyTextu.size());
        EXPECT_TRUE(Jednoduse(radkyTextu[i + 1]).endsWith(QString::fromUtf8(r.hodnota)))
            << r.partie << ": " << qPrintable(radkyTextu[i + 1]);
    }
    // 56 000 − 24 250 − 17 520 − 12 980 − 800
    EXPECT_EQ(RadkySTextem(text, QStringLiteral("Celkem Kč")),
              QStringList{QStringLiteral("Celkem Kč 450,00")});
    // Name lines: variety and grade under the species.
    EXPECT_EQ(RadkySTextem(text, QStringLiteral("Lesan C1")).size(), 1);
    EXPECT_FALSE(j.contains(QStringLiteral("Jílek vytrvalý Lesan C1")));
}

TEST_F(TiskTest, RezimJmenOsiva) {
    zapis(prog + QStringLiteral("smesi.ini"), "[TForm3]\r\nsuiCheckBox1_Checked=True\r\n");
    TfTsmesi f(*stav, data(QStringLiteral("2026100001")));
    OrbeluExport(f.sestava(), prog + QStringLiteral("a.pdf"));
    EXPECT_TRUE(f.JmenoOsiva());
    const QString j = Jednoduse(pdf::Text(prog + QStringLiteral("a.pdf")));
    EXPECT_TRUE(j.contains(QStringLiteral("Jílek vytrvalý Lesan C1")));
    EXPECT_TRUE(j.contains(QStringLiteral("Travní směs Parková")));
    // No second name line: every "Lesan C1" is the seed's name.
    for (const QString& l :
         RadkySTextem(pdf::Text(prog + QStringLiteral("a.pdf")), QStringLiteral("Lesan C1")))
        EXPECT_TRUE(l.contains(QStringLiteral("Jílek vytrvalý Lesan C1"))) << qPrintable(l);
    // Every run reads the setting again.
    zapis(prog + QStringLiteral("smesi.ini"), "[TForm3]\r\nsuiCheckBox1_Checked=False\r\n");
    OrbeluExport(f.sestava(), prog + QStringLiteral("b.pdf"));
    EXPECT_FALSE(f.JmenoOsiva());
    EXPECT_FALSE(Jednoduse(pdf::Text(prog + QStringLiteral("b.pdf")))
                     .contains(QStringLiteral("Jílek vytrvalý Lesan C1")));
}

TEST_F(TiskTest, ProtokolAzOdDruheStrany) {
    DlouhyDoklad(*db, 30);
    stav->PaletyStrediska = true;
    const QString soubor = pdfDokladu(QStringLiteral("2026200009"));
    const int stran = pdf::PocetStran(soubor);
    ASSERT_GE(stran, 2);
    for (int s = 1; s <= stran; ++s) {
        const QString t = pdf::Text(soubor, s);
        const QStringList hlavicka = RadkySTextem(t, QStringLiteral("Protokol 2026200009"));
        EXPECT_EQ(hlavicka.size(), s == 1 ? 0 : 1) << "page " << s;
        EXPECT_EQ(t.contains(QStringLiteral("Míchací protokol")), s == 1) << "page " << s;
        EXPECT_EQ(t.contains(QStringLiteral("Celkem Kč")), s == stran) << "page " << s;
        EXPECT_TRUE(t.contains(QStringLiteral("strana %1").arg(s))) << "page " << s;
    }
    const QString vse = Jednoduse(pdf::Text(soubor));
    for (int i = 1; i <= 30; ++i)
        EXPECT_TRUE(vse.contains(QStringLiteral("R-%1 (4 x 25 kg) č. %1").arg(200 + i))) << i;
    // 30 000 − 30 × 1 000
    EXPECT_TRUE(vse.contains(QStringLiteral("Celkem Kč 0,00")));
}

TEST_F(TiskTest, RadkyPalet) {
    stav->PaletyStrediska = true;
    // A fourth pallet for the lot that came from two containers.
    for (int c : {13, 14})
        sql(QStringLiteral("insert into smesipa (cislodokla, cislo, partiecela, lomeni, stredisko, "
                           "misto, pocet, vahao1, mj, zbytek) values ('2026200001', %1, "
                           "'26-0126-00112-01', 0, '20', 'Hala B/%2', 1, 500, 'kg', %3)")
                .arg(c)
                .arg(c - 10)
                .arg(c == 14 ? QStringLiteral("2.5") : QStringLiteral("0")));
    const QString text = pdf::Text(pdfDokladu(QStringLiteral("2026200001")));
    // Up to kontejnery_DO (50) a pallet is a container: no count and weight.
    EXPECT_EQ(RadkySTextem(text, QStringLiteral("A-01 (40 x 25 kg) č. 101")),
              QStringList{QStringLiteral("A-01 (40 x 25 kg) č. 101")});
    EXPECT_EQ(RadkySTextem(text, QStringLiteral("Hala B/1")),
              QStringList{
                  QStringLiteral("Palety: Hala B/1 () č. 11 Hala B/2 () č. 12 Hala B/3 () č. 13")});
    EXPECT_EQ(RadkySTextem(text, QStringLiteral("Hala B/4")),
              QStringList{QStringLiteral("Hala B/4 ( + 2,5kg) č. 14")});

    // With the rest of 2026200002 and every pallet counted as a pallet.
    stav->kontejnery_DO = 0;
    const QString druhy = Jednoduse(pdf::Text(pdfDokladu(QStringLiteral("2026200002"))));
    EXPECT_TRUE(druhy.contains(QStringLiteral("A-02 (40 x 25 kg) č. 102 A-03 (10 x 25 kg + 12,5kg) "
                                              "č. 103")))
        << qPrintable(druhy);
    EXPECT_TRUE(druhy.contains(QStringLiteral("A-07 (9 x 25 kg + 12,5kg) č. 121")));
    const QString prvni = Jednoduse(pdf::Text(pdfDokladu(QStringLiteral("2026200001"))));
    EXPECT_TRUE(prvni.contains(QStringLiteral("Hala B/1 (1 x 500 kg) č. 11")));
}

TEST_F(TiskTest, BezPaletKratkeRadky) {
    auto rozestup = [&](bool palety) {
        stav->PaletyStrediska = palety;
        const QString soubor = pdfDokladu(QStringLiteral("2026200001"));
        const auto slova = pdf::Slova(soubor);
        const pdf::Slovo* a = pdf::Najdi(slova, QStringLiteral("26-0126-00111-01"));
        const pdf::Slovo* b = pdf::Najdi(slova, QStringLiteral("26-0126-00112-01"));
        EXPECT_TRUE(a && b);
        EXPECT_EQ(Jednoduse(pdf::Text(soubor)).contains(QStringLiteral("č. 101")), palety);
        return a && b ? b->y - a->y : 0.0;
    };
    // 61 and 85 layout units, in points.
    EXPECT_NEAR(rozestup(false), 61 * 0.75, 0.5);
    EXPECT_NEAR(rozestup(true), 85 * 0.75, 0.5);
}

TEST_F(TiskTest, DokladBezRadku) {
    const QString soubor = pdfDokladu(QStringLiteral("9999999999"));
    EXPECT_EQ(pdf::PocetStran(soubor), 1);
    const QString text = pdf::Text(soubor);
    EXPECT_TRUE(text.contains(QStringLiteral("Míchací protokol")));
    EXPECT_EQ(RadkySTextem(text, QStringLiteral("Celkem Kč")),
              QStringList{QStringLiteral("Celkem Kč 0,00")});
    EXPECT_FALSE(text.contains(QStringLiteral("kg")));
}

TEST_F(TiskTest, LogoJenKdyzJe) {
    // The footer's mark is always there; the logo only when the file is.
    const QString bez = pdfDokladu(QStringLiteral("2026100001"), QStringLiteral("bez.pdf"));
    EXPECT_EQ(pdf::PocetObrazku(bez), 1);
    QImage logo(120, 48, QImage::Format_RGB32);
    logo.fill(QColor(20, 90, 40));
    ASSERT_TRUE(logo.save(prog + QStringLiteral("logo.bmp"), "BMP"));
    const QString s = pdfDokladu(QStringLiteral("2026100001"), QStringLiteral("s.pdf"));
    EXPECT_EQ(pdf::PocetObrazku(s), 2);
    // A file that is no picture prints as none.
    zapis(prog + QStringLiteral("logo.bmp"), "není obrázek");
    EXPECT_EQ(pdf::PocetObrazku(pdfDokladu(QStringLiteral("2026100001"), QStringLiteral("x.pdf"))),
              1);
}

TEST_F(TiskTest, ChybaDatabazeBehemBehu) {
    stav->PaletyStrediska = true;
    TfTsmesi f(*stav, data(QStringLiteral("2026200001")));
    sql(QStringLiteral("drop table smesipa"));
    try {
        OrbeluExport(f.sestava(), prog + QStringLiteral("x.pdf"));
        ADD_FAILURE() << "no error";
    } catch (const ChybaVystupu& e) {
        EXPECT_TRUE(e.zprava().contains(QStringLiteral("smesipa"))) << qPrintable(e.zprava());
    }
    EXPECT_FALSE(QFile::exists(prog + QStringLiteral("x.pdf")));
}
