// The page "Obaly nově" driven by keystrokes and clicks on work tables of a new document,
// its price-list picker and the printed tags register.
#include "dbf.h"
#include "dotaz.h"
#include "enterdalsi.h"
#include "hledat.h"
#include "ini.h"
#include "modelvysledku.h"
#include "obalkarty.h"
#include "pracovnitabulky.h"
#include "stavprogramu.h"
#include "strankaobalu.h"
#include "testdb.h"
#include "tfnavesky.h"
#include "vyberceniku.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {
const QString Partie = QStringLiteral("26-0126-00500-01");

class Obaly : public ::testing::Test {
protected:
    void SetUp() override {
        puvodni = QDir::currentPath();
        adresar = TestTmpDir();
        // "a1.txt" and "nnaves.slo" belong to the working directory.
        QDir::setCurrent(adresar);
        db = std::make_unique<TestDb>();
        ASSERT_TRUE(relace.spojeni().pripoj(db->parametry()))
            << relace.spojeni().chyba().toStdString();
        relace.spojeni().proved(QStringLiteral("set @@session.sql_mode=\"\""));
        relace.spojeni().proved(QStringLiteral("SET names cp1250;"));
        stav.adresarProgramu = adresar;
        stav.stredisko = QStringLiteral("10");
        for (const char* sql :
             {"insert into cenik (nomenkla, nazevosiva, mj, druh, odruda, stupen, naz_dru, "
              "naz_odru, dan, vahao, pro_labor) values "
              "('600000000025', 'Pytel 25 kg', 'ks', '', '', '', '', '', 21, 0.15, 'A'),"
              "('600000000500', 'Big bag 500 kg', 'ks', 'OB', '', 'X', 'Obal', 'Vak', 21, 2.5, "
              "'A'),"
              "('600000000999', 'Vyřazený obal', 'ks', '', '', '', '', '', 21, 0, 'N'),"
              "('100000000001', 'Jílek vytrvalý', 'kg', 'JV', 'BAR', 'C1', 'Jílek', 'Barclay', "
              "15, 0, 'A')"})
            ASSERT_TRUE(relace.spojeni().proved(QString::fromUtf8(sql)))
                << relace.spojeni().chyba().toStdString();
        QDir().mkpath(adresar + QStringLiteral("data"));
        tabulky = std::make_unique<PracovniTabulky>(adresar + QStringLiteral("data"));
        ASSERT_TRUE(tabulky->udelejDBF(relace.spojeni())) << tabulky->chyba().toStdString();
        ASSERT_TRUE(tabulky->novyDoklad(false, stav.stredisko)) << tabulky->chyba().toStdString();
        NastavOdpovidac([this](const ZaznamDotazu& z) {
            zpravy << z;
            return odpovedi.isEmpty() ? 1 : odpovedi.takeFirst();
        });
        EnterDalsiPole::zapni();
    }
    void TearDown() override {
        stranka.reset();
        if (tabulky)
            tabulky->zavriVse();
        NastavOdpovidac({});
        QDir::setCurrent(puvodni);
    }

    // The header of the new document: the mixture's quantity and unit.
    void hlavicka(const char* mnozstvi, const char* mj) {
        TabulkaDbf& h = tabulky->hlavicka();
        ASSERT_TRUE(h.nastavCislo(QStringLiteral("MNOZSTVI"),
                                  *Desetinne::zTextu(QString::fromLatin1(mnozstvi))));
        ASSERT_TRUE(h.nastavText(QStringLiteral("MJ"), QString::fromLatin1(mj)));
        ASSERT_TRUE(h.nastavText(QStringLiteral("PARTIECELA"), Partie));
        ASSERT_TRUE(h.nastavText(QStringLiteral("CISLODOKLA"), QStringLiteral("2610000007")));
        ASSERT_TRUE(h.uloz()) << h.chyba().toStdString();
    }
    void otevri() {
        stranka = std::make_unique<StrankaObalu>(stav);
        stranka->resize(1100, 600);
        stranka->otevri(tabulky.get(), &obalKarty);
        stranka->show();
        QApplication::setActiveWindow(stranka.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(stranka.get()));
    }
    QLineEdit* pole(const char* jmeno) { return stranka->pole(QString::fromLatin1(jmeno)); }
    void klikni(const char* tlacitko) {
        QPushButton* b = stranka->tlacitko(QString::fromLatin1(tlacitko));
        ASSERT_TRUE(b) << tlacitko;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Types into a field as a user does and leaves it with Enter.
    void napis(const char* jmeno, const QString& text) {
        QLineEdit* e = pole(jmeno);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    // One packaging line typed in full: weight, count, "Zapsat".
    void radek(const QString& vaha, const QString& pocet) {
        napis("VAHAO1KG", vaha);
        napis("POCETO", pocet);
        klikni("suiButton31");
    }
    QStringList texty() const {
        QStringList t;
        for (const ZaznamDotazu& z : zpravy)
            t << z.text;
        return t;
    }
    QString vObalech(const char* pole) {
        TabulkaDbf& t = tabulky->obaly();
        t.prvni();
        return t.jeKonec() ? QString() : t.text(QString::fromLatin1(pole));
    }

    QString puvodni, adresar;
    std::unique_ptr<TestDb> db;
    Relace relace;
    StavProgramu stav{relace};
    std::unique_ptr<PracovniTabulky> tabulky;
    ObalKarty obalKarty;
    std::unique_ptr<StrankaObalu> stranka;
    QList<ZaznamDotazu> zpravy;
    QList<int> odpovedi;
};
} // namespace

TEST(PravidlaObalu, VahaVeZakladniJednotceABarvaSouctu) {
    const auto d = [](const char* t) { return *Desetinne::zTextu(QString::fromLatin1(t)); };
    VypocetObalu v = SpoctiObal(d("25"), d("40"), QStringLiteral("t"));
    EXPECT_EQ(v.vahao1, d("0.025"));
    EXPECT_EQ(v.mnozstvi, d("1"));
    // 250 g bags in tonnes: the one-bag weight rounds at four places, the line does not.
    v = SpoctiObal(d("0.25"), d("40"), QStringLiteral("t"));
    EXPECT_EQ(v.vahao1, d("0.0003"));
    EXPECT_EQ(v.mnozstvi, d("0.01"));
    v = SpoctiObal(d("500"), d("2"), QStringLiteral("kg"));
    EXPECT_EQ(v.vahao1, d("500"));
    EXPECT_EQ(v.mnozstvi, d("1000"));

    EXPECT_EQ(BarvaSouctuObalu(d("1500"), d("1000")), QColor(255, 0, 0));
    EXPECT_EQ(BarvaSouctuObalu(d("1000"), d("1000")), QColor(0, 128, 0));
    EXPECT_EQ(BarvaSouctuObalu(d("500"), d("1000")), QColor(0, 0, 0));

    EXPECT_EQ(PocetObaluKarty(d("1000"), d("25")), 40);
    EXPECT_EQ(PocetObaluKarty(d("1010"), d("25")), 40) << "40.4 packages";
    EXPECT_EQ(PocetObaluKarty(d("1012.5"), d("25")), 41) << "40.5 rounds up";
    EXPECT_EQ(PocetObaluKarty(d("1000"), Desetinne()), std::nullopt);
}

TEST_F(Obaly, TunyCtyricetPytluPoDvacetiPetiKilech) {
    stav.zakl_mj = QStringLiteral("t");
    hlavicka("1", "t");
    otevri();
    QSignalSpy upravuje(stranka.get(), &StrankaObalu::upravujeRadek);
    klikni("suiButton30");
    ASSERT_TRUE(stranka->editorRadku()->isVisible());
    EXPECT_FALSE(stranka->grid()->isEnabled());
    EXPECT_FALSE(stranka->tlacitko(QStringLiteral("suiButton30"))->isEnabled());
    napis("VAHAO1KG", QStringLiteral("25"));
    EXPECT_EQ(QApplication::focusWidget(), pole("POCETO")) << "Enter moves to the count";
    napis("POCETO", QStringLiteral("40"));
    EXPECT_EQ(pole("MNOZSTVI")->text(), QStringLiteral("1")) << "recomputed on leaving the count";
    EXPECT_EQ(QApplication::focusWidget(), pole("MNOZSTVI"));
    klikni("suiButton31");

    EXPECT_FALSE(stranka->editorRadku()->isVisible());
    ASSERT_EQ(tabulky->obaly().pocet(), 1);
    TabulkaDbf& t = tabulky->obaly();
    t.prvni();
    EXPECT_EQ(t.cislo(QStringLiteral("VAHAO1")), *Desetinne::zTextu(QStringLiteral("0.025")));
    EXPECT_EQ(t.cislo(QStringLiteral("VAHAO1KG")), Desetinne::zCeleho(25));
    EXPECT_EQ(t.cislo(QStringLiteral("POCETO")), Desetinne::zCeleho(40));
    EXPECT_EQ(t.cislo(QStringLiteral("MNOZSTVI")), Desetinne::zCeleho(1));
    EXPECT_EQ(t.text(QStringLiteral("CISLODOKLA")), QStringLiteral("2610000007"));
    EXPECT_EQ(t.text(QStringLiteral("STREDISKO")), QStringLiteral("10"));
    EXPECT_EQ(stranka->model()->rowCount(), 1);
    EXPECT_EQ(stranka->model()->item(0, 2)->text(), QStringLiteral("0,025"));
    EXPECT_EQ(stranka->poleSoucet()->text(), QStringLiteral("1"));
    EXPECT_EQ(stranka->barvaSouctu(), QColor(0, 128, 0));
    ASSERT_EQ(upravuje.size(), 2);
    EXPECT_TRUE(upravuje[0][0].toBool());
    EXPECT_FALSE(upravuje[1][0].toBool());
    EXPECT_TRUE(zpravy.isEmpty()) << texty().join(QLatin1Char('|')).toStdString();
}

TEST_F(Obaly, SoucetCervenyZelenyCernyAZrusenimNula) {
    hlavicka("1000", "kg");
    otevri();
    klikni("suiButton30");
    radek(QStringLiteral("500"), QStringLiteral("2"));
    EXPECT_EQ(stranka->poleSoucet()->text(), QStringLiteral("1000"));
    EXPECT_EQ(stranka->barvaSouctu(), QColor(0, 128, 0));
    EXPECT_EQ(stranka->poleSoucet()->palette().color(QPalette::Text), QColor(0, 128, 0));

    struct Krok {
        const char* pocet;
        const char* soucet;
        QColor barva;
    };
    for (const Krok& k :
         {Krok{"3", "1500", QColor(255, 0, 0)}, Krok{"1", "500", QColor(0, 0, 0)}}) {
        stranka->grid()->setCurrentIndex(stranka->model()->index(0, 0));
        klikni("suiButton27");
        EXPECT_EQ(pole("VAHAO1KG")->text(), QStringLiteral("500")) << "the line's own values";
        radek(QStringLiteral("500"), QString::fromLatin1(k.pocet));
        EXPECT_EQ(tabulky->obaly().pocet(), 1) << "corrected, not added";
        EXPECT_EQ(stranka->poleSoucet()->text(), QString::fromLatin1(k.soucet));
        EXPECT_EQ(stranka->barvaSouctu(), k.barva) << k.pocet;
    }

    // "Zpět" of the deletion question keeps the line.
    odpovedi = {2};
    klikni("suiButton29");
    EXPECT_EQ(tabulky->obaly().pocet(), 1);
    odpovedi = {1};
    klikni("suiButton29");
    ASSERT_EQ(zpravy.size(), 2);
    EXPECT_EQ(zpravy[1].text, QStringLiteral("Opravdu zrušit řádek ?"));
    EXPECT_EQ(zpravy[1].tlacitka, (QStringList{QStringLiteral("Zrušit"), QStringLiteral("Zpět")}));
    EXPECT_EQ(tabulky->obaly().pocet(), 0);
    EXPECT_EQ(stranka->model()->rowCount(), 0);
    EXPECT_EQ(stranka->poleSoucet()->text(), QStringLiteral("0"));
    EXPECT_EQ(stranka->barvaSouctu(), QColor(0, 0, 0));
}

TEST_F(Obaly, PrevzitZCenikuJenObalyAJednotkaSmesi) {
    hlavicka("1000", "kg");
    otevri();
    klikni("suiButton30");
    klikni("suiButton33");
    VyberCeniku* v = stranka->vyberCeniku();
    ASSERT_TRUE(v->isVisible());
    EXPECT_EQ(v->rezim(), 3);
    EXPECT_EQ(v->width(), 430);
    // Packaging items only, in name order; the row not for the laboratory is never listed.
    ASSERT_EQ(v->pocetZobrazenych(), 2);
    EXPECT_EQ(v->radek().nomenkla, QStringLiteral("600000000500"));
    EXPECT_EQ(QApplication::focusWidget(), v->grid());
    // The panel has just been laid out into the page.
    QCoreApplication::processEvents();
    ASSERT_TRUE(v->grid()->visualRect(v->grid()->model()->index(0, 1)).isValid());
    // A double-click as the window system delivers it: press and release, then the second press.
    const QPoint bod = v->grid()->visualRect(v->grid()->model()->index(0, 1)).center();
    QTest::mouseClick(v->grid()->viewport(), Qt::LeftButton, {}, bod);
    QTest::mouseDClick(v->grid()->viewport(), Qt::LeftButton, {}, bod);

    EXPECT_FALSE(v->isVisible());
    EXPECT_EQ(pole("NOMENKLA")->text(), QStringLiteral("600000000500"));
    EXPECT_EQ(pole("NAZEVOSIVA")->text(), QStringLiteral("Big bag 500 kg"));
    EXPECT_EQ(QApplication::focusWidget(), pole("VAHAO1KG"));
    radek(QStringLiteral("500"), QStringLiteral("2"));
    EXPECT_EQ(vObalech("NOMENKLA"), QStringLiteral("600000000500"));
    EXPECT_EQ(vObalech("MJ"), QStringLiteral("kg")) << "the mixture's unit, not the item's ks";
    EXPECT_EQ(vObalech("DRUH"), QStringLiteral("OB"));
    EXPECT_EQ(vObalech("STUPEN"), QStringLiteral("X"));
    EXPECT_EQ(vObalech("NAZ_DRU"), QStringLiteral("Obal"));
    EXPECT_EQ(vObalech("NAZ_ODRU"), QStringLiteral("Vak"));
    EXPECT_EQ(stranka->model()->item(0, 1)->text(), QStringLiteral("Big bag 500 kg"));
}

TEST_F(Obaly, VyberCenikuVsechnyRadkyTridiHledaANactePoZmene) {
    VyberCeniku v(stav);
    v.resize(385, 400);
    v.otevri(0);
    EXPECT_EQ(v.width(), 385);
    ASSERT_EQ(v.pocetZobrazenych(), 3);
    EXPECT_EQ(v.grid()->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("dph"));
    EXPECT_EQ(v.grid()->model()->headerData(4, Qt::Horizontal).toString(),
              QStringLiteral("Váha obalu"));

    // The price list changes; it is read again only once its change time moves on.
    ASSERT_TRUE(relace.spojeni().proved(
        QStringLiteral("insert into cenik (nomenkla, nazevosiva, vahao) values "
                       "('600000001000', 'Kontejner', 10)")));
    v.otevri(0);
    EXPECT_EQ(v.pocetZobrazenych(), 3);
    stav.CasCeniku = QDateTime::currentDateTime();
    v.otevri(1);
    EXPECT_EQ(v.pocetZobrazenych(), 3) << "three packaging items in mode 1";
    EXPECT_EQ(v.width(), 430);

    // A title click sorts by the column (numbers by value) and searches in it.
    QStringList videno;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<TFhledat*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        for (int r = 0; r < v.pocetZobrazenych(); ++r)
            videno << v.grid()->model()->index(r, 4).data().toString();
        QTest::keyClicks(d->findChild<QLineEdit*>(QStringLiteral("EditCoHledat")),
                         QStringLiteral("10"));
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("ButtonPrevzit")),
                          Qt::LeftButton);
    });
    QHeaderView* h = v.grid()->horizontalHeader();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(4) + 5, h->height() / 2));
    EXPECT_EQ(videno,
              (QStringList{QStringLiteral("0,15"), QStringLiteral("2,5"), QStringLiteral("10")}));
    EXPECT_EQ(v.radek().nomenkla, QStringLiteral("600000001000"));
    QSignalSpy prevzato(&v, &VyberCeniku::prevzit);
    QTest::mouseClick(v.tlacitkoPrevzit(), Qt::LeftButton);
    ASSERT_EQ(prevzato.size(), 1);
    EXPECT_EQ(prevzato[0][0].value<RadekCeniku>().nazevosiva, QStringLiteral("Kontejner"));
    EXPECT_FALSE(v.isVisible());
}

TEST_F(Obaly, NavesyKartyCislaAZpetBezKontroly) {
    hlavicka("1000", "kg");
    obalKarty.navesky = QStringLiteral("1-40");
    otevri();
    klikni("suiButton30");
    EXPECT_EQ(pole("NAVESKY")->text(), QStringLiteral("1-40")) << "the card's tags text";

    // A weight that is not a number is refused and the field keeps the focus.
    napis("VAHAO1KG", QStringLiteral("2x5"));
    QTest::qWait(20);
    ASSERT_EQ(texty(), QStringList{QStringLiteral("Váha v 1 obalu musí být číslo.")});
    EXPECT_EQ(QApplication::focusWidget(), pole("VAHAO1KG"));
    napis("VAHAO1KG", QStringLiteral("25"));
    napis("POCETO", QStringLiteral("abc"));
    QTest::qWait(20);
    EXPECT_EQ(texty().value(1), QStringLiteral("Počet obalů musí být číslo."));
    EXPECT_EQ(QApplication::focusWidget(), pole("POCETO"));
    napis("POCETO", QStringLiteral("40"));
    napis("MNOZSTVI", QStringLiteral("tisic"));
    QTest::qWait(20);
    EXPECT_EQ(texty().value(2), QStringLiteral("Celkem musí být číslo."));
    EXPECT_EQ(QApplication::focusWidget(), pole("MNOZSTVI"));
    // Clicking "Zapsat" with it still wrong writes nothing.
    klikni("suiButton31");
    EXPECT_EQ(tabulky->obaly().pocet(), 0);
    QTest::qWait(20);
    napis("MNOZSTVI", QStringLiteral("1000"));
    EXPECT_EQ(QApplication::focusWidget(), pole("NAVESKY"));

    // A character Windows-1250 cannot hold never reaches the tags.
    zpravy.clear();
    pole("NAVESKY")->setFocus();
    pole("NAVESKY")->end(false);
    QTest::keyClicks(pole("NAVESKY"), QStringLiteral(",41"));
    QTest::sendKeyEvent(QTest::Click, pole("NAVESKY"), Qt::Key_unknown, QStringLiteral("中"),
                        Qt::NoModifier);
    EXPECT_EQ(pole("NAVESKY")->text(), QStringLiteral("1-40,41"));
    ASSERT_EQ(zpravy.size(), 1);

    // "Zpět" needs no valid numbers and drops the new line.
    zpravy.clear();
    napis("VAHAO1KG", QStringLiteral("x"));
    QTest::qWait(20);
    zpravy.clear();
    pole("VAHAO1KG")->setFocus();
    klikni("suiButton32");
    EXPECT_TRUE(zpravy.isEmpty()) << texty().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(stranka->editorRadku()->isVisible());
    EXPECT_EQ(tabulky->obaly().pocet(), 0);

    // Without tags on the card a new line has none.
    obalKarty.navesky.clear();
    klikni("suiButton30");
    EXPECT_EQ(pole("NAVESKY")->text(), QString());
}

TEST_F(Obaly, OpusteniSouctuPrepocitaPocetObaluKarty) {
    hlavicka("1000", "kg");
    obalKarty.poceto1 = 7;
    otevri();
    auto opust = [&] {
        stranka->poleSoucet()->setFocus();
        QTest::keyClick(stranka->poleSoucet(), Qt::Key_Tab);
    };
    opust();
    EXPECT_EQ(obalKarty.poceto1, 7) << "not recomputed while the card's weight is 0";
    obalKarty.vahao1 = Desetinne::zCeleho(25);
    opust();
    EXPECT_EQ(obalKarty.poceto1, 40);
}

// ---------------------------------------------------------------- printed tags

namespace {
void pridejBehy(Spojeni& s) {
    ASSERT_TRUE(s.proved(
        QStringLiteral("insert into nnavesky (partiecela, odcis, docis, pocet, druh1, odruda, "
                       "generace1, hmotnost1, hmotnost2, datumtisku) values "
                       "('%1', '1234500', '1234599', 100, 'Jílek', 'Barclay', 'C1', 25, 'kg', "
                       "'2026-05-01'),"
                       "('%1', '1234601', '1234601', 1, 'Jílek', 'Barclay', 'C1', 25, 'kg', "
                       "'2026-05-02'),"
                       "('%1', '1235000', '1236100', 1101, 'Jílek', 'Barclay', 'C1', 25, 'kg', "
                       "'2026-05-03'),"
                       "('99-0126-00001-01', '5550000', '5550009', 10, 'Jetel', '', '', 0, '', "
                       "'2026-05-01')")
            .arg(Partie)))
        << s.chyba().toStdString();
}

void oznac(TFnavesky& d, std::initializer_list<int> radky) {
    for (int r : radky)
        QTest::mouseClick(d.grid()->viewport(), Qt::LeftButton, {},
                          d.grid()->visualRect(d.model()->index(r, 0)).center());
}
} // namespace

TEST_F(Obaly, TlacitkoNBezModuluNaveskyHlasi) {
    ASSERT_TRUE(relace.spojeni().proved(QStringLiteral("drop procedure nnavesky_seznam_partie")));
    hlavicka("1000", "kg");
    otevri();
    klikni("suiButton30");
    klikni("suiButton3");
    ASSERT_EQ(zpravy.size(), 1);
    EXPECT_EQ(zpravy[0].text, QStringLiteral("Není nainstalován modul Návěsky."));
    EXPECT_EQ(zpravy[0].tlacitka, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(zpravy[0].ikona, Ikona::Stop);
    EXPECT_FALSE(QFile::exists(adresar + QStringLiteral("a1.txt"))) << "no window, no call";
}

TEST_F(Obaly, TlacitkoNPrevezmeOznaceneBehy) {
    pridejBehy(relace.spojeni());
    hlavicka("1000", "kg");
    otevri();
    klikni("suiButton30");
    QString titulek;
    int radku = -1;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<TFnavesky*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        titulek = d->windowTitle();
        radku = d->model()->rowCount();
        // Marked last row first: the text follows the list's order.
        oznac(*d, {2, 0});
        QTest::mouseClick(d->tlacitkoPrevzit(), Qt::LeftButton);
    });
    klikni("suiButton3");
    EXPECT_EQ(titulek, QStringLiteral("Seznam vytištěných návěsek pro partii  ") + Partie);
    EXPECT_EQ(radku, 3) << "only the runs of the mixture's lot";
    EXPECT_EQ(pole("NAVESKY")->text(), QStringLiteral("1234500-4599,1235000-36100"));
    radek(QStringLiteral("25"), QStringLiteral("40"));
    EXPECT_EQ(vObalech("NAVESKY"), QStringLiteral("1234500-4599,1235000-36100"));
    EXPECT_TRUE(zpravy.isEmpty()) << texty().join(QLatin1Char('|')).toStdString();
}

TEST_F(Obaly, RegistrNavesekSloupceNicOznacenoAZkraceni) {
    pridejBehy(relace.spojeni());
    for (int i = 0; i < 5; ++i) {
        const QString od = QStringLiteral("CZ0000") + QString::number(i) + QStringLiteral("0000");
        ASSERT_TRUE(relace.spojeni().proved(
            QStringLiteral("insert into nnavesky (partiecela, odcis, docis, pocet, datumtisku) "
                           "values ('%1', '%2', '%3', 100, '2026-06-01')")
                .arg(Partie, od + QStringLiteral("00"), od + QStringLiteral("99"))));
    }
    TFnavesky d(stav, Partie);
    d.show();
    ASSERT_EQ(d.model()->rowCount(), 8);
    const QStringList pole = {
        QStringLiteral("odcis"),     QStringLiteral("docis"),     QStringLiteral("pocet"),
        QStringLiteral("druh1"),     QStringLiteral("odruda"),    QStringLiteral("generace1"),
        QStringLiteral("hmotnost1"), QStringLiteral("hmotnost2"), QStringLiteral("vzorkovani"),
        QStringLiteral("moridlo1"),  QStringLiteral("moridlo2")};
    const int sirky[] = {95, 95, 35, 150, 100, 30, 55, 40, 60, 250, 250};
    ASSERT_EQ(d.model()->columnCount(), pole.size());
    for (int c = 0; c < pole.size(); ++c) {
        EXPECT_EQ(d.model()->pole(c), pole[c]);
        EXPECT_EQ(d.grid()->horizontalHeader()->sectionSize(c), sirky[c]) << pole[c].toStdString();
    }
    auto zarovnani = [&](int c) {
        return d.model()->index(0, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    };
    EXPECT_TRUE(zarovnani(6).testFlag(Qt::AlignRight)) << "the weight";
    EXPECT_FALSE(zarovnani(2).testFlag(Qt::AlignRight)) << "the count reads from the left";
    QFile a1(adresar + QStringLiteral("a1.txt"));
    ASSERT_TRUE(a1.open(QIODevice::ReadOnly));
    EXPECT_EQ(a1.readAll().trimmed(), "call nnavesky_seznam_partie(\"" + Partie.toLatin1() + "\")");

    // Nothing marked: the message, and the window stays.
    QTest::mouseClick(d.tlacitkoPrevzit(), Qt::LeftButton);
    ASSERT_EQ(zpravy.size(), 1);
    EXPECT_EQ(zpravy[0].text, QStringLiteral("Nebyl vybrán žádný řádek."));
    EXPECT_EQ(zpravy[0].tlacitka, QStringList{QStringLiteral("Zpět")});
    EXPECT_EQ(zpravy[0].ikona, Ikona::Stop);
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.VybraneNavesky.isEmpty());

    // Every run marked: 119 characters, cut to 70.
    d.grid()->horizontalHeader()->resizeSection(0, 140);
    oznac(d, {0, 1, 2, 3, 4, 5, 6, 7});
    QTest::mouseClick(d.tlacitkoPrevzit(), Qt::LeftButton);
    ASSERT_EQ(zpravy.size(), 2);
    EXPECT_EQ(zpravy[1].text, QStringLiteral("POZOR. Text je příliš dlouhý, byl zkrácen."));
    EXPECT_EQ(zpravy[1].ikona, Ikona::Informace);
    EXPECT_EQ(d.VybraneNavesky,
              QStringLiteral("1234500-4599,1234601,1235000-36100,CZ00000000000-99,CZ00001000000-99,"
                             "CZ00002000000-99")
                  .left(70));
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);

    // The column layout and the window's place come back with the next window.
    ASSERT_TRUE(QFile::exists(adresar + QStringLiteral("nnaves.slo")));
    EXPECT_TRUE(IniSoubor(adresar + QStringLiteral("smesi.ini"))
                    .obsahuje(QStringLiteral("TFnavesky"), QStringLiteral("TFnavesky_Left")));
    TFnavesky znovu(stav, Partie);
    znovu.show();
    EXPECT_EQ(znovu.grid()->horizontalHeader()->sectionSize(0), 140);
    QTest::mouseClick(znovu.tlacitkoZpet(), Qt::LeftButton);
    EXPECT_EQ(znovu.result(), QDialog::Rejected);
    EXPECT_TRUE(znovu.VybraneNavesky.isEmpty());
}
