// The search dialog on a small model: the real combo, field, list and buttons.
#include "dotaz.h"
#include "enterdalsi.h"
#include "hledat.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

// Types text as keystrokes; QTest::keyClicks knows Latin-1 only, and "ž" is not.
void Napis(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent stisk(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &stisk);
        QKeyEvent pusteni(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &pusteni);
    }
}

class Hledani : public ::testing::Test {
protected:
    void SetUp() override {
        model.setHorizontalHeaderLabels(
            {QStringLiteral("Číslo dokladu"), QStringLiteral("Partie"), QStringLiteral("Odrůda")});
        const struct {
            int cislo;
            const char* partie;
            const char* odruda;
        } radky[] = {
            {2026000001, "AB-0126-12345-01", "Kamil"},   {2026000002, "CD-0126-00001-02", "Žitná"},
            {2026000003, "ab-0126-77777-03", "Bohatýr"}, {2026000004, "XY-0126-00002-01", "ŽITO"},
            {2026000005, "Cab-0126", "kamila"},
        };
        for (const auto& r : radky) {
            auto* c = new QStandardItem;
            c->setData(r.cislo, Qt::DisplayRole);
            model.appendRow({c, new QStandardItem(QString::fromUtf8(r.partie)),
                             new QStandardItem(QString::fromUtf8(r.odruda))});
        }
        NastavOdpovidac([this](const ZaznamDotazu& z) {
            dotazy.append(z);
            return 1;
        });
    }
    void TearDown() override { NastavOdpovidac({}); }

    static QStringList Seznam(TFhledat& d) {
        auto* m = qobject_cast<QStringListModel*>(
            d.findChild<QListView*>(QStringLiteral("ListVyber"))->model());
        return m->stringList();
    }
    static QString Zvoleny(TFhledat& d) {
        return d.findChild<QListView*>(QStringLiteral("ListVyber"))
            ->currentIndex()
            .data()
            .toString();
    }
    static QLineEdit* Pole(TFhledat& d) {
        return d.findChild<QLineEdit*>(QStringLiteral("EditCoHledat"));
    }
    static void Klikni(TFhledat& d, const char* jmeno) {
        QTest::mouseClick(d.findChild<QPushButton*>(QString::fromLatin1(jmeno)), Qt::LeftButton);
    }

    QStandardItemModel model;
    QList<ZaznamDotazu> dotazy;
};

} // namespace

TEST_F(Hledani, NabidkaSloupcuASeznamVPoradiDat) {
    TFhledat d(&model, 1, {}, 3);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Hledat"));
    EXPECT_EQ(d.width(), 500);
    auto* prohledavat = d.findChild<QComboBox*>(QStringLiteral("ComboProhledavat"));
    ASSERT_EQ(prohledavat->count(), 3);
    EXPECT_EQ(prohledavat->itemText(0), QStringLiteral("Číslo dokladu"));
    EXPECT_EQ(prohledavat->currentText(), QStringLiteral("Partie"));
    EXPECT_EQ(Seznam(d),
              (QStringList{QStringLiteral("AB-0126-12345-01"), QStringLiteral("CD-0126-00001-02"),
                           QStringLiteral("ab-0126-77777-03"), QStringLiteral("XY-0126-00002-01"),
                           QStringLiteral("Cab-0126")}));
    // The list opens on the row the data stands on; "převzít" at once keeps it there.
    EXPECT_EQ(Zvoleny(d), QStringLiteral("XY-0126-00002-01"));
    Klikni(d, "ButtonPrevzit");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.vybranyRadek(), 3);
}

TEST_F(Hledani, PsaniZuzujeSeznamBezOhleduNaVelikostPismen) {
    TFhledat d(&model, 1);
    d.show();
    QTest::keyClicks(Pole(d), QStringLiteral("ab"));
    EXPECT_EQ(Seznam(d),
              (QStringList{QStringLiteral("AB-0126-12345-01"), QStringLiteral("ab-0126-77777-03"),
                           QStringLiteral("Cab-0126")}));
    EXPECT_EQ(Zvoleny(d), QStringLiteral("AB-0126-12345-01"));
    QTest::keyClicks(Pole(d), QStringLiteral("-0126-7"));
    EXPECT_EQ(Seznam(d), QStringList{QStringLiteral("ab-0126-77777-03")});
    QTest::keyClick(Pole(d), Qt::Key_Backspace);
    QTest::keyClick(Pole(d), Qt::Key_Backspace);
    EXPECT_EQ(Seznam(d).size(), 3) << "taking characters back widens the list again";
    QTest::keyClicks(Pole(d), QStringLiteral("-7"));
    Klikni(d, "ButtonPrevzit");
    EXPECT_TRUE(d.isHidden());
    EXPECT_EQ(d.vybranyRadek(), 2);
    EXPECT_TRUE(dotazy.isEmpty());
}

TEST_F(Hledani, CeskaPismenaAJinySloupec) {
    TFhledat d(&model, 1);
    d.show();
    auto* prohledavat = d.findChild<QComboBox*>(QStringLiteral("ComboProhledavat"));
    prohledavat->setCurrentIndex(2);
    EXPECT_EQ(Seznam(d).size(), 5);
    Napis(Pole(d), QStringLiteral("žit"));
    EXPECT_EQ(Seznam(d), (QStringList{QStringLiteral("Žitná"), QStringLiteral("ŽITO")}));
    Pole(d)->clear();
    QTest::keyClicks(Pole(d), QStringLiteral("KAMIL"));
    EXPECT_EQ(Seznam(d), (QStringList{QStringLiteral("Kamil"), QStringLiteral("kamila")}));
    // The value equal to the typed text is chosen, even when it is not the first.
    QTest::keyClick(Pole(d), Qt::Key_A);
    EXPECT_EQ(Seznam(d), QStringList{QStringLiteral("kamila")});
    QTest::keyClick(Pole(d), Qt::Key_Backspace);
    EXPECT_EQ(Zvoleny(d), QStringLiteral("Kamil"));
    Klikni(d, "ButtonPrevzit");
    EXPECT_EQ(d.vybranyRadek(), 0);
    EXPECT_EQ(d.sloupec(), 2);
}

TEST_F(Hledani, SipkaADvojityKlikVoliZeSeznamu) {
    {
        TFhledat d(&model, 1);
        d.show();
        QTest::keyClicks(Pole(d), QStringLiteral("ab"));
        // Down in the field walks the list without leaving the field.
        QTest::keyClick(Pole(d), Qt::Key_Down);
        EXPECT_EQ(Zvoleny(d), QStringLiteral("ab-0126-77777-03"));
        EXPECT_EQ(Pole(d)->text(), QStringLiteral("ab"));
        Klikni(d, "ButtonPrevzit");
        EXPECT_EQ(d.vybranyRadek(), 2);
    }
    {
        TFhledat d(&model, 1);
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        auto* seznam = d.findChild<QListView*>(QStringLiteral("ListVyber"));
        const QRect r = seznam->visualRect(seznam->model()->index(4, 0));
        QTest::mouseClick(seznam->viewport(), Qt::LeftButton, {}, r.center());
        EXPECT_TRUE(d.isVisible()) << "a single click only chooses";
        QTest::mouseDClick(seznam->viewport(), Qt::LeftButton, {}, r.center());
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.vybranyRadek(), 4);
    }
}

TEST_F(Hledani, NenalezenoZustaneOtevreno) {
    TFhledat d(&model, 1);
    d.show();
    QTest::keyClicks(Pole(d), QStringLiteral("0126-9"));
    EXPECT_TRUE(Seznam(d).isEmpty());
    Klikni(d, "ButtonPrevzit");
    ASSERT_EQ(dotazy.size(), 1);
    EXPECT_EQ(dotazy[0].text, QStringLiteral("Record not found"));
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.vybranyRadek());
    // The user corrects the text and takes the row.
    QTest::keyClick(Pole(d), Qt::Key_Backspace);
    QTest::keyClicks(Pole(d), QStringLiteral("0"));
    Klikni(d, "ButtonPrevzit");
    EXPECT_EQ(d.vybranyRadek(), 1);
}

TEST_F(Hledani, StornoNeodpovidaZadnyRadek) {
    TFhledat d(&model, 1, {}, 0);
    d.show();
    QTest::keyClicks(Pole(d), QStringLiteral("xy"));
    Klikni(d, "ButtonStorno");
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(d.vybranyRadek());
}

TEST_F(Hledani, BezZobrazeniVyberuJenShodnaHodnota) {
    TFhledat d(&model, 1);
    d.show();
    auto* zobrazit = d.findChild<QCheckBox*>(QStringLiteral("CheckZobrazitVyber"));
    EXPECT_TRUE(zobrazit->isChecked());
    QTest::mouseClick(zobrazit, Qt::LeftButton);
    EXPECT_FALSE(d.findChild<QListView*>(QStringLiteral("ListVyber"))->isVisible());
    QTest::keyClicks(Pole(d), QStringLiteral("ab"));
    Klikni(d, "ButtonPrevzit");
    ASSERT_EQ(dotazy.size(), 1) << "a part of a value is not enough without the list";
    EXPECT_EQ(dotazy[0].text, QStringLiteral("Record not found"));
    Pole(d)->clear();
    QTest::keyClicks(Pole(d), QStringLiteral("xy-0126-00002-01"));
    Klikni(d, "ButtonPrevzit");
    EXPECT_EQ(d.vybranyRadek(), 3);
}

TEST_F(Hledani, EnterNaPoliANaSeznamuPrevezme) {
    EnterDalsiPole::zapni();
    TFhledat d(&model, 1);
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    Pole(d)->setFocus();
    QTest::keyClicks(Pole(d), QStringLiteral("cab"));
    // Enter moves to the next field, as everywhere in the program: the value list.
    QTest::keyClick(Pole(d), Qt::Key_Return);
    auto* seznam = d.findChild<QListView*>(QStringLiteral("ListVyber"));
    EXPECT_EQ(QApplication::focusWidget(), seznam);
    QTest::keyClick(seznam, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.vybranyRadek(), 4);
}

TEST_F(Hledani, VPohleduPresuneNaRadekAStornoNechaMisto) {
    QTableView pohled;
    pohled.setModel(&model);
    pohled.setColumnHidden(0, true);
    pohled.show();
    pohled.setCurrentIndex(model.index(1, 1));
    PriznakHledani priznak;

    struct Krok {
        const char* text;
        const char* tlacitko;
        bool presunuto;
        QModelIndex cil;
    };
    const Krok kroky[] = {
        {"xy", "ButtonPrevzit", true, model.index(3, 1)},
        {"ab", "ButtonStorno", false, model.index(3, 1)},
    };
    for (const Krok& k : kroky) {
        bool beziBehem = false;
        QStringList nabidka;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<TFhledat*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            beziBehem = priznak.bezi();
            auto* c = d->findChild<QComboBox*>(QStringLiteral("ComboProhledavat"));
            for (int i = 0; i < c->count(); ++i)
                nabidka << c->itemText(i);
            QTest::keyClicks(Pole(*d), QString::fromLatin1(k.text));
            Klikni(*d, k.tlacitko);
        });
        EXPECT_EQ(HledejVPohledu(&pohled, 1, &priznak), k.presunuto) << k.text;
        EXPECT_TRUE(beziBehem) << "the pane refresh must see the search running";
        EXPECT_FALSE(priznak.bezi());
        // The hidden column is not offered.
        EXPECT_EQ(nabidka, (QStringList{QStringLiteral("Partie"), QStringLiteral("Odrůda")}));
        EXPECT_EQ(pohled.currentIndex(), k.cil) << k.text;
    }
}

TEST_F(Hledani, BinarniSloupecSeNenabizi) {
    QStandardItemModel m(2, 3);
    m.setHorizontalHeaderLabels(
        {QStringLiteral("Číslo"), QStringLiteral("PDF"), QStringLiteral("Popis")});
    for (int r = 0; r < 2; ++r) {
        m.setData(m.index(r, 0), r + 1);
        m.setData(m.index(r, 1), QByteArray("%PDF-1.4"));
        m.setData(m.index(r, 2), QStringLiteral("doklad"));
    }
    QTableView pohled;
    pohled.setModel(&m);
    // Visual order counts: the description moved in front.
    pohled.horizontalHeader()->moveSection(2, 0);
    EXPECT_EQ(TFhledat::SloupceProHledani(&pohled), (QList<int>{2, 0}));
}
