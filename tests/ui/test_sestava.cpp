// The band engine through the PDFs it writes, read back with poppler.
#include "pdfnastroje.h"
#include "sestava.h"
#include "testdb.h"
#include "vystup.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QSet>

namespace {
// A report of n records: page header "Hlavicka" + page, title "Titulek", detail "Radek<i>",
// summary with the records counted in this run, footer "Paticka" + page.
struct Pokus {
    explicit Pokus(int n) : zaznamu(n) {
        Pasmo h;
        h.vyska = 20;
        h.pridej(Text(QStringLiteral("t"), {0, 0, 300, 16}, P(10)));
        h.predTiskem = [this](Pasmo& b) {
            if (jenOdDruhe && s.strana() == 1)
                return false;
            b.prvek(QStringLiteral("t")).text = QStringLiteral("Hlavicka%1").arg(s.strana());
            return true;
        };
        s.hlavicka = h;
        Pasmo t;
        t.vyska = 60;
        t.pridej(Text(QStringLiteral("t"), {0, 10, 300, 30}, P(18, true), Qt::AlignLeft,
                      QStringLiteral("Titulek")));
        s.titul = t;
        Pasmo d;
        d.vyska = 40;
        d.pridej(Text(QStringLiteral("t"), {0, 4, 200, 16}, P(10)));
        d.predTiskem = [this](Pasmo& b) {
            const int i = s.zaznam();
            if (skryte.contains(i))
                return false;
            b.vyska = vysky.value(i, 40);
            b.prvek(QStringLiteral("t")).text = QStringLiteral("Radek%1").arg(i);
            ++vBehu;
            return true;
        };
        s.detail = d;
        Pasmo su;
        su.vyska = 30;
        su.pridej(Text(QStringLiteral("t"), {0, 4, 300, 16}, P(10)));
        su.predTiskem = [this](Pasmo& b) {
            b.prvek(QStringLiteral("t")).text = QStringLiteral("Souhrn%1").arg(vBehu);
            return true;
        };
        s.souhrn = su;
        Pasmo pa;
        pa.vyska = 20;
        pa.pridej(Text(QStringLiteral("t"), {0, 2, 300, 14}, P(7)));
        pa.predTiskem = [this](Pasmo& b) {
            b.prvek(QStringLiteral("t")).text = QStringLiteral("Paticka%1").arg(s.strana());
            return true;
        };
        s.paticka = pa;
        s.priZacatku = [this] {
            vBehu = 0;
            ++behu;
        };
        s.pocetZaznamu = [this] { return zaznamu; };
    }
    QString pdf() {
        const QString cesta = TestTmpDir() + QStringLiteral("pokus.pdf");
        OrbeluExport(s, cesta);
        return cesta;
    }
    Sestava s;
    int zaznamu;
    bool jenOdDruhe = true;
    QSet<int> skryte;
    QHash<int, double> vysky;
    int vBehu = 0;
    int behu = 0;
};

QSet<int> StranySlova(const QVector<pdf::Slovo>& slova, const QString& text) {
    QSet<int> s;
    for (const auto& w : slova)
        if (w.text == text)
            s.insert(w.strana);
    return s;
}
} // namespace

TEST(Sestava, PasmaNaStranach) {
    // 40 rows of 40 units do not fit the 1047 units of an A4 page inside 10 mm margins.
    Pokus p(40);
    const QString soubor = p.pdf();
    const int stran = pdf::PocetStran(soubor);
    ASSERT_EQ(stran, 2);
    const auto slova = pdf::Slova(soubor);
    EXPECT_EQ(StranySlova(slova, QStringLiteral("Titulek")), QSet<int>{1});
    EXPECT_TRUE(StranySlova(slova, QStringLiteral("Hlavicka1")).isEmpty());
    EXPECT_EQ(StranySlova(slova, QStringLiteral("Hlavicka2")), QSet<int>{2});
    EXPECT_EQ(StranySlova(slova, QStringLiteral("Paticka1")), QSet<int>{1});
    EXPECT_EQ(StranySlova(slova, QStringLiteral("Paticka2")), QSet<int>{2});
    EXPECT_EQ(StranySlova(slova, QStringLiteral("Souhrn40")), QSet<int>{2});
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(StranySlova(slova, QStringLiteral("Radek%1").arg(i)).size(), 1) << i;
    // Without the hook's rule the header is on page 1 too, above the title.
    p.jenOdDruhe = false;
    const auto slova2 = pdf::Slova(p.pdf());
    const pdf::Slovo* h = pdf::Najdi(slova2, QStringLiteral("Hlavicka1"));
    const pdf::Slovo* t = pdf::Najdi(slova2, QStringLiteral("Titulek"));
    ASSERT_TRUE(h && t);
    EXPECT_LT(h->y, t->y);
    // The footer sits at the bottom margin: 297 mm − 10 mm − its 20 units, in points.
    const pdf::Slovo* f = pdf::Najdi(slova2, QStringLiteral("Paticka1"));
    ASSERT_TRUE(f);
    EXPECT_NEAR(f->y, (MmNaJednotky(287) - 20 + 2) * 0.75, 4);
}

TEST(Sestava, SkryteRadkyAVyskaZHaku) {
    Pokus p(6);
    p.skryte = {1, 4};
    p.vysky = {{2, 200}};
    const auto slova = pdf::Slova(p.pdf());
    EXPECT_EQ(pdf::Najdi(slova, QStringLiteral("Radek1")), nullptr);
    EXPECT_EQ(pdf::Najdi(slova, QStringLiteral("Radek4")), nullptr);
    const pdf::Slovo* r0 = pdf::Najdi(slova, QStringLiteral("Radek0"));
    const pdf::Slovo* r2 = pdf::Najdi(slova, QStringLiteral("Radek2"));
    const pdf::Slovo* r3 = pdf::Najdi(slova, QStringLiteral("Radek3"));
    ASSERT_TRUE(r0 && r2 && r3);
    // A hidden row takes no room; the taller row pushes the next one down by its height.
    EXPECT_NEAR(r2->y - r0->y, 40 * 0.75, 1);
    EXPECT_NEAR(r3->y - r2->y, 200 * 0.75, 1);
    EXPECT_NE(pdf::Najdi(slova, QStringLiteral("Souhrn4")), nullptr);
}

TEST(Sestava, KazdyBehZnovuZDatAKopie) {
    Pokus p(3);
    const QString a = p.pdf();
    const QString b = p.pdf();
    EXPECT_EQ(p.behu, 2);
    EXPECT_NE(pdf::Najdi(pdf::Slova(a), QStringLiteral("Souhrn3")), nullptr);
    EXPECT_NE(pdf::Najdi(pdf::Slova(b), QStringLiteral("Souhrn3")), nullptr);
    // Two copies in one output: each starts its page numbers and its totals afresh.
    const QString kopie = TestTmpDir() + QStringLiteral("kopie.pdf");
    {
        QPdfWriter w(kopie);
        EXPECT_EQ(p.s.tiskni(w, 2), 1);
    }
    EXPECT_EQ(pdf::PocetStran(kopie), 2);
    const auto slova = pdf::Slova(kopie);
    EXPECT_EQ(StranySlova(slova, QStringLiteral("Titulek")), (QSet<int>{1, 2}));
    EXPECT_EQ(StranySlova(slova, QStringLiteral("Souhrn3")), (QSet<int>{1, 2}));
    EXPECT_EQ(StranySlova(slova, QStringLiteral("Paticka1")), (QSet<int>{1, 2}));
}

TEST(Sestava, MemoSeZalamovanimABezNej) {
    Sestava s;
    Pasmo d;
    d.vyska = 30;
    d.pridej(Text(QStringLiteral("z"), {0, 0, 100, 14}, P(9)));
    d.pridej(Memo(QStringLiteral("m"), {0, 16, 150, 12}, P(8, false, true), false, true));
    int zaznam = 0;
    d.predTiskem = [&](Pasmo& b) {
        zaznam = s.zaznam();
        b.prvek(QStringLiteral("z")).text = QStringLiteral("Zacatek%1").arg(zaznam);
        Prvek& m = b.prvek(QStringLiteral("m"));
        // Row 0: three lines of their own; row 1: one long line wrapped at 150 units;
        // row 2: the same line without wrapping; row 3: an empty memo.
        m.zalamovat = zaznam == 1;
        m.text = zaznam == 0   ? QStringLiteral("prvni\ndruha\ntreti")
                 : zaznam == 3 ? QString()
                               : QStringLiteral("alfa beta gama delta epsilon zeta eta theta "
                                                "iota kappa lambda");
        return true;
    };
    s.detail = d;
    s.pocetZaznamu = [] { return 4; };
    const QString soubor = TestTmpDir() + QStringLiteral("memo.pdf");
    OrbeluExport(s, soubor);
    const auto slova = pdf::Slova(soubor);
    auto y = [&](const QString& t) {
        const pdf::Slovo* w = pdf::Najdi(slova, t);
        return w ? w->y : -1.0;
    };
    // The memo's own lines, one under the other, and the band stretched to hold them.
    EXPECT_GT(y(QStringLiteral("druha")), y(QStringLiteral("prvni")) + 5);
    EXPECT_GT(y(QStringLiteral("treti")), y(QStringLiteral("druha")) + 5);
    EXPECT_GT(y(QStringLiteral("Zacatek1")), y(QStringLiteral("treti")));
    // Wrapped: "lambda" lands lines below "alfa" of the same row.
    QVector<double> alfa, lambda;
    for (const auto& w : slova) {
        if (w.text == QLatin1String("alfa"))
            alfa << w.y;
        if (w.text == QLatin1String("lambda"))
            lambda << w.y;
    }
    ASSERT_EQ(alfa.size(), 2);
    EXPECT_GT(lambda.value(0, 0), alfa[0] + 10);
    // Not wrapped: the line stays one line (the end is cut at the memo's edge), so the
    // empty memo's row follows at the band's own height.
    EXPECT_NEAR(y(QStringLiteral("Zacatek3")) - y(QStringLiteral("Zacatek2")), 30 * 0.75, 1.5);
}

TEST(Sestava, DvaSloupceShoraDolu) {
    // Labels of the sample sheet: 387 × 559 units, two columns, a column holds two.
    Sestava s;
    s.okrajeMm = QMarginsF(0, 0, 5, 0);
    s.sloupcu = 2;
    Pasmo d;
    d.vyska = 559;
    d.pridej(Text(QStringLiteral("t"), {10, 10, 200, 16}, P(10)));
    d.predTiskem = [&](Pasmo& b) {
        b.prvek(QStringLiteral("t")).text = QStringLiteral("Stitek%1").arg(s.zaznam() + 1);
        return true;
    };
    s.detail = d;
    s.pocetZaznamu = [] { return 6; };
    EXPECT_NEAR(s.sirkaSloupce(), (MmNaJednotky(205)) / 2, 0.01);
    const QString soubor = TestTmpDir() + QStringLiteral("stitky.pdf");
    OrbeluExport(s, soubor);
    ASSERT_EQ(pdf::PocetStran(soubor), 2);
    const auto slova = pdf::Slova(soubor);
    struct Ocekavane {
        int strana;
        bool vpravo;
        bool dole;
    };
    const Ocekavane o[] = {{1, false, false}, {1, false, true},  {1, true, false},
                           {1, true, true},   {2, false, false}, {2, false, true}};
    for (int i = 0; i < 6; ++i) {
        const pdf::Slovo* w = pdf::Najdi(slova, QStringLiteral("Stitek%1").arg(i + 1));
        ASSERT_TRUE(w) << i;
        EXPECT_EQ(w->strana, o[i].strana) << i;
        EXPECT_EQ(w->x > 250, o[i].vpravo) << i;
        EXPECT_EQ(w->y > 400, o[i].dole) << i;
    }
}

TEST(Sestava, NaSirkuObrazkyAPisma) {
    Sestava s;
    s.orientace = QPageLayout::Landscape;
    Pasmo t;
    t.vyska = 120;
    t.pridej(Text(QStringLiteral("a"), {0, 0, 300, 16},
                  P(10, false, false, QStringLiteral("Arial")), Qt::AlignLeft,
                  QStringLiteral("Arial")));
    t.pridej(Text(QStringLiteral("b"), {0, 20, 300, 16}, P(10), Qt::AlignLeft,
                  QStringLiteral("Tahoma")));
    t.pridej(Ramecek(QStringLiteral("r"), {400, 0, 200, 80}, QColor(Qt::gray)));
    Prvek o = Obrazek(QStringLiteral("o"), {0, 40, 100, 60});
    t.pridej(o);
    s.titul = t;
    const QString bez = TestTmpDir() + QStringLiteral("bez.pdf");
    OrbeluExport(s, bez);
    EXPECT_EQ(pdf::VelikostStrany(bez), QStringLiteral("842 x 595"));
    EXPECT_EQ(pdf::PocetObrazku(bez), 0);
    const QString pisma = pdf::Pisma(bez);
    // Arial stands in by its metric twin, Tahoma by DejaVu.
    EXPECT_TRUE(pisma.contains(QLatin1String("LiberationSans"))) << qPrintable(pisma);
    EXPECT_TRUE(pisma.contains(QLatin1String("DejaVuSans"))) << qPrintable(pisma);

    QImage obr(40, 30, QImage::Format_RGB32);
    obr.fill(Qt::darkGreen);
    s.titul->prvek(QStringLiteral("o")).obrazek = obr;
    const QString s_ = TestTmpDir() + QStringLiteral("s.pdf");
    OrbeluExport(s, s_);
    EXPECT_EQ(pdf::PocetObrazku(s_), 1);
}

TEST(Sestava, ExportDoNeexistujiciSlozkyHlasiChybu) {
    Pokus p(1);
    const QString cesta = TestTmpDir() + QStringLiteral("neni/tu.pdf");
    EXPECT_THROW(OrbeluExport(p.s, cesta), ChybaVystupu);
    EXPECT_FALSE(QFile::exists(cesta));
    // A hook that cannot get its data ends the run and leaves no file behind.
    p.s.detail->predTiskem = [&](Pasmo&) {
        p.s.nastavChybu(QStringLiteral("spojení ztraceno"));
        return false;
    };
    const QString cesta2 = TestTmpDir() + QStringLiteral("x.pdf");
    try {
        OrbeluExport(p.s, cesta2);
        ADD_FAILURE() << "no error";
    } catch (const ChybaVystupu& e) {
        EXPECT_EQ(e.zprava(), QStringLiteral("spojení ztraceno"));
    }
    EXPECT_FALSE(QFile::exists(cesta2));
}
