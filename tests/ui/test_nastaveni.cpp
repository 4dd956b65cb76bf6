// The settings dialog, the cost-centre choice and list editor, the busy window.
#include "dotaz.h"
#include "ini.h"
#include "kodovani.h"
#include "maleoperace.h"
#include "pracuji.h"
#include "testdb.h"
#include "tfmozno.h"
#include "tfstrediska.h"
#include "tfstredisko.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {
const QString Sekce = QStringLiteral("TFmozno");

QByteArray precti(const QString& cesta) {
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void zapisBajty(const QString& cesta, const QByteArray& b) {
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

QByteArray cp1250(const QString& t) {
    QByteArray b;
    EXPECT_TRUE(DoCp1250(t, b));
    return b;
}

// Each test works in its own working directory ("stredi.sez" lives there) and records the
// messages instead of showing them.
class Nastaveni : public ::testing::Test {
protected:
    void SetUp() override {
        m_puvodni = QDir::currentPath();
        m_adr = TestTmpDir();
        ASSERT_TRUE(QDir::setCurrent(m_adr));
        NastavOdpovidac([this](const ZaznamDotazu& z) {
            zpravy << z.text;
            return 1;
        });
    }
    void TearDown() override {
        NastavOdpovidac({});
        NastavZaznamPracuji({});
        QDir::setCurrent(m_puvodni);
    }
    QString ini() const { return m_adr + QStringLiteral("smesi.ini"); }
    QString adr() const { return m_adr; }

    // Runs f on the modal dialog that the code under test opens, as soon as it is up.
    void naModalnim(std::function<void(QWidget*)> f) {
        QTimer::singleShot(0, qApp, [this, f] {
            QWidget* w = QApplication::activeModalWidget();
            videlModalni = w != nullptr;
            if (w)
                f(w);
        });
    }

    QStringList zpravy;
    bool videlModalni = false;

private:
    QString m_puvodni;
    QString m_adr;
};

// Types text as the keyboard would, key by key with the key's code (a completer reacts to
// it); Qt Test's own keyClicks knows ASCII only.
void napis(QWidget* w, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype delka = text.at(i).isHighSurrogate() ? 2 : 1;
        const QString znak = text.mid(i, delka);
        i += delka - 1;
        const int klavesa =
            delka == 1 ? text.at(i).toUpper().unicode() : static_cast<int>(Qt::Key_unknown);
        QKeyEvent stisk(QEvent::KeyPress, klavesa, Qt::NoModifier, znak);
        QKeyEvent uvolneni(QEvent::KeyRelease, klavesa, Qt::NoModifier, znak);
        QApplication::sendEvent(w, &stisk);
        QApplication::sendEvent(w, &uvolneni);
    }
}

template <typename T> T* najdi(QWidget* w, const char* jmeno) {
    T* c = w->findChild<T*>(QLatin1String(jmeno));
    EXPECT_NE(c, nullptr) << jmeno;
    return c;
}

enum class Zavreni { OK, Krizek, Esc };

void zavri(QDialog* d, Zavreni jak) {
    switch (jak) {
    case Zavreni::OK:
        QTest::mouseClick(najdi<QPushButton>(d, "ButtonOK"), Qt::LeftButton);
        break;
    case Zavreni::Krizek:
        d->close(); // what the window's close button does
        break;
    case Zavreni::Esc:
        QTest::keyClick(d, Qt::Key_Escape);
        break;
    }
}

struct Pole {
    int panel;
    const char* jmeno;
    const char* klic;
    const char* napsano;
    const char* ulozeno; // what the length limit lets through
};

// Every text key of the section, typed one character past its limit where it has one.
const Pole TextovaPole[] = {
    {0, "suiEdit1", "suiEdit1_Text", "Jana Nováková", "Jana Nováková"},
    {1, "Editpodnik", "Editpodnik_Text", "012345", "0123"},
    {1, "EditICO", "EditICO_Text", "12345678901", "1234567890"},
    {1, "Editnazev", "Editnazev_Text", "Osiva Žďár nad Sázavou a.s. XYZ",
     "Osiva Žďár nad Sázavou a.s. XY"},
    {1, "Editsidlo", "Editsidlo_Text", "Žďár nad Sázavou, okres Žďár n.S.",
     "Žďár nad Sázavou, okres Žďár n"},
    {1, "Editulice", "Editulice_Text", "Novoměstská 1234/56, areál skladu",
     "Novoměstská 1234/56, areál skl"},
    {1, "EditPSC", "EditPSC_Text", "591 011", "591 01"},
    {1, "Editposta", "Editposta_Text", "Žďár nad Sázavou 1 - pošta", "Žďár nad Sázavou 1 - poš"},
    {1, "EditTelefon", "EditTelefon_Text", "+420 566 123 456, 566 123", "+420 566 123 456, 566 12"},
    {1, "EditFax", "EditFax_Text", "+420 566 123 457, 566 12899", "+420 566 123 457, 566 12"},
    {1, "EditEmail", "EditEmail_Text", "expedice.semena@osiva-zdar.cz.sk",
     "expedice.semena@osiva-zdar.cz."},
    {1, "Editkdevysta", "Editkdevysta_Text", "Žďár nad Sázavou-sklad 123",
     "Žďár nad Sázavou-sklad 12"},
    {2, "EditUkzJmeno", "EditUkzJmeno_Text", "osiva.zdar", "osiva.zdar"},
    {2, "EditUkzHeslo", "EditUkzHeslo_Text", "Tajné'heslo\\1", "Tajné'heslo\\1"},
    {2, "EditUkzID", "EditUkzID_Text", "SZR-000123", "SZR-000123"},
};

struct Prepinac {
    const char* jmeno;
    const char* klic;
    bool vychozi;
};

const Prepinac Prepinace[] = {
    {"suiCheckBoxTestVerze", "suiCheckBoxTestVerze_Checked", true},
    {"suiCheckBoxTnaKG", "suiCheckBoxTnaKG_Checked", false},
    {"suiCheckBoxPotvrzovat", "suiCheckBoxPotvrzovat_Checked", false},
    {"suiCheckBoxMPdoULC", "suiCheckBoxMPdoULC_Checked", false},
};

void otevriPanel(TFmozno& d, int i) {
    auto* h = d.panel(i)->findChild<QToolButton*>();
    ASSERT_NE(h, nullptr);
    if (d.otevrenyPanel() != i)
        QTest::mouseClick(h, Qt::LeftButton);
    ASSERT_EQ(d.otevrenyPanel(), i);
}
} // namespace

TEST_F(Nastaveni, KazdyKlicSeZapiseAtSeZavreJakkoli) {
    for (Zavreni jak : {Zavreni::OK, Zavreni::Krizek, Zavreni::Esc}) {
        SCOPED_TRACE(static_cast<int>(jak));
        QFile::remove(ini());
        {
            TFmozno d(IniSoubor(ini()), QStringLiteral("07"));
            d.show();
            for (const Pole& p : TextovaPole) {
                otevriPanel(d, p.panel);
                QLineEdit* e = najdi<QLineEdit>(&d, p.jmeno);
                napis(e, QString::fromUtf8(p.napsano));
            }
            otevriPanel(d, 0);
            for (const Prepinac& p : Prepinace)
                najdi<QCheckBox>(&d, p.jmeno)->click();
            zavri(&d, jak);
            EXPECT_FALSE(d.isVisible());
        }
        IniSoubor s(ini());
        for (const Pole& p : TextovaPole)
            EXPECT_EQ(s.cti(Sekce, QLatin1String(p.klic), QStringLiteral("(chybí)")),
                      QString::fromUtf8(p.ulozeno))
                << p.klic;
        for (const Prepinac& p : Prepinace)
            EXPECT_EQ(s.cti(Sekce, QLatin1String(p.klic)),
                      p.vychozi ? QStringLiteral("False") : QStringLiteral("True"))
                << p.klic;
        EXPECT_EQ(s.klice(Sekce).size(), std::size(TextovaPole) + std::size(Prepinace));
        // The file is Windows-1250, as the other modules of the suite read it.
        EXPECT_TRUE(precti(ini()).contains(cp1250(QStringLiteral("Editnazev_Text=Osiva Žďár"))));
    }
    EXPECT_TRUE(zpravy.isEmpty()) << zpravy.join(QLatin1Char('|')).toStdString();
}

TEST_F(Nastaveni, BezIniVychoziHodnotyASeZapisi) {
    {
        TFmozno d(IniSoubor(ini()), QStringLiteral("00"));
        d.show();
        for (const Pole& p : TextovaPole)
            EXPECT_TRUE(najdi<QLineEdit>(&d, p.jmeno)->text().isEmpty()) << p.jmeno;
        for (const Prepinac& p : Prepinace)
            EXPECT_EQ(najdi<QCheckBox>(&d, p.jmeno)->isChecked(), p.vychozi) << p.jmeno;
        d.close();
    }
    IniSoubor s(ini());
    for (const Prepinac& p : Prepinace)
        EXPECT_EQ(s.cti(Sekce, QLatin1String(p.klic)),
                  p.vychozi ? QStringLiteral("True") : QStringLiteral("False"));
    EXPECT_TRUE(s.obsahuje(Sekce, QStringLiteral("EditICO_Text")));
    EXPECT_EQ(s.cti(Sekce, QStringLiteral("EditICO_Text"), QStringLiteral("x")), QString());
}

TEST_F(Nastaveni, HodnotySeObnoviPriZobrazeni) {
    TFmozno d(IniSoubor(ini()), QStringLiteral("07"));
    // Written after the dialog was made: the values come when it is shown.
    zapisBajty(ini(), cp1250(QStringLiteral("[tfmozno]\r\nEDITICO_TEXT=26123456\r\n"
                                            "Editnazev_Text=Osiva Žďár\r\n"
                                            "suiCheckBoxTestVerze_Checked=False\r\n"
                                            "suiCheckBoxMPdoULC_Checked=True\r\n")));
    d.show();
    EXPECT_EQ(najdi<QLineEdit>(&d, "EditICO")->text(), QStringLiteral("26123456"));
    EXPECT_EQ(najdi<QLineEdit>(&d, "Editnazev")->text(), QStringLiteral("Osiva Žďár"));
    EXPECT_FALSE(najdi<QCheckBox>(&d, "suiCheckBoxTestVerze")->isChecked());
    EXPECT_TRUE(najdi<QCheckBox>(&d, "suiCheckBoxMPdoULC")->isChecked());
    EXPECT_FALSE(najdi<QCheckBox>(&d, "suiCheckBoxTnaKG")->isChecked());
}

TEST_F(Nastaveni, CisloPocitaceJenZobrazene) {
    zapisBajty(ini(), "[TFmozno]\r\nEditcisloPC_Text=05\r\nEditIP_Text=server\r\n"
                      "suiComboBoxOddDiluPartie_Text=-\r\n");
    {
        TFmozno d(IniSoubor(ini()), QStringLiteral("12"));
        d.show();
        QLabel* l = najdi<QLabel>(&d, "LabelCisloPC");
        EXPECT_EQ(l->text(), QStringLiteral("12"));
        EXPECT_FALSE(l->textInteractionFlags() & Qt::TextEditable);
        // No field of the dialog holds the number.
        for (QLineEdit* e : d.findChildren<QLineEdit*>())
            EXPECT_NE(e->text(), QStringLiteral("12")) << e->objectName().toStdString();
        d.close();
    }
    IniSoubor s(ini());
    EXPECT_EQ(s.cti(Sekce, QStringLiteral("EditcisloPC_Text")), QStringLiteral("05"));
    EXPECT_EQ(s.cti(Sekce, QStringLiteral("EditIP_Text")), QStringLiteral("server"));
    EXPECT_EQ(s.cti(Sekce, QStringLiteral("suiComboBoxOddDiluPartie_Text")), QStringLiteral("-"));
}

TEST_F(Nastaveni, ZnakMimoCp1250SeOdmitneSHlasenim) {
    TFmozno d(IniSoubor(ini()), QStringLiteral("07"));
    d.show();
    otevriPanel(d, 1);
    QLineEdit* e = najdi<QLineEdit>(&d, "Editnazev");
    napis(e, QStringLiteral("Žďár Ω"));
    EXPECT_EQ(e->text(), QStringLiteral("Žďár "));
    ASSERT_EQ(zpravy.size(), 1);
    EXPECT_TRUE(zpravy[0].contains(QStringLiteral("Ω"))) << zpravy[0].toStdString();
    EXPECT_TRUE(zpravy[0].contains(QStringLiteral("Windows-1250")));
    // Pasted text is refused whole; the length limit alone gives no message.
    e->clear();
    e->insert(QStringLiteral("Osiva → Žďár"));
    EXPECT_TRUE(e->text().isEmpty());
    EXPECT_EQ(zpravy.size(), 2);
    QLineEdit* psc = najdi<QLineEdit>(&d, "EditPSC");
    napis(psc, QStringLiteral("5910123"));
    EXPECT_EQ(psc->text(), QStringLiteral("591012"));
    EXPECT_EQ(zpravy.size(), 2);
    d.close();
    EXPECT_EQ(IniSoubor(ini()).cti(Sekce, QStringLiteral("Editnazev_Text"), QStringLiteral("x")),
              QString());
}

TEST_F(Nastaveni, PanelySeSkladaji) {
    TFmozno d(IniSoubor(ini()), QStringLiteral("07"));
    d.show();
    auto zkontroluj = [&](int otevreny) {
        SCOPED_TRACE(otevreny);
        QCoreApplication::processEvents();
        const int vyska = otevreny < 0 ? 155 : d.plnaVyskaPanelu(otevreny) + 135;
        EXPECT_EQ(d.height(), vyska);
        EXPECT_EQ(d.otevrenyPanel(), otevreny);
        for (int i = 0; i < TFmozno::PocetPanelu; ++i) {
            bool maBytOtevreny = i == otevreny;
            for (QLineEdit* e : d.panel(i)->findChildren<QLineEdit*>()) {
                EXPECT_EQ(e->isVisible(), maBytOtevreny) << e->objectName().toStdString();
                // Nothing of the open panel is cut off by the height the rule gives.
                if (maBytOtevreny) {
                    EXPECT_TRUE(d.rect().contains(e->mapTo(&d, e->rect().bottomRight())))
                        << e->objectName().toStdString();
                }
            }
        }
        if (otevreny >= 0) {
            EXPECT_EQ(d.panel(otevreny)->height(), d.plnaVyskaPanelu(otevreny));
        }
        QPushButton* ok = najdi<QPushButton>(&d, "ButtonOK");
        EXPECT_TRUE(d.rect().contains(ok->mapTo(&d, ok->rect().bottomRight())));
    };
    zkontroluj(-1);
    for (int i : {1, 0, 2, 1}) {
        otevriPanel(d, i);
        zkontroluj(i);
    }
    // The panels differ in height, so the dialog's height follows the one that is open.
    EXPECT_GT(d.plnaVyskaPanelu(1), d.plnaVyskaPanelu(2));
    // Clicking the open panel's header folds it again.
    QTest::mouseClick(d.panel(1)->findChild<QToolButton*>(), Qt::LeftButton);
    zkontroluj(-1);
    // Shown again, it starts folded whatever was open before.
    otevriPanel(d, 2);
    d.close();
    d.show();
    zkontroluj(-1);
}

TEST_F(Nastaveni, VolbaStrediskaBereNapsanyKodAtSeZavreJakkoli) {
    zapisBajty(SouborStredisek(), "101\r\n102\r\n 205 \r\n\r\n");
    for (Zavreni jak : {Zavreni::OK, Zavreni::Krizek, Zavreni::Esc}) {
        SCOPED_TRACE(static_cast<int>(jak));
        QStringList polozky;
        QString nabidnuty, titulek;
        naModalnim([&](QWidget* w) {
            auto* d = qobject_cast<QDialog*>(w);
            titulek = d->windowTitle();
            auto* c = najdi<QComboBox>(d, "ComboBoxStredisko");
            for (int i = 0; i < c->count(); ++i)
                polozky << c->itemText(i);
            nabidnuty = c->currentText();
            // A code that is not in the list, though listed codes begin with it.
            d->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(d));
            c->lineEdit()->setFocus();
            ASSERT_TRUE(c->lineEdit()->hasFocus());
            c->lineEdit()->selectAll();
            napis(c->lineEdit(), QStringLiteral("10"));
            zavri(d, jak);
        });
        std::optional<QString> s = VyberStredisko(nullptr, QStringLiteral("102"));
        ASSERT_TRUE(videlModalni);
        EXPECT_EQ(titulek, QStringLiteral("Vyber číslo střediska"));
        EXPECT_EQ(polozky, (QStringList{QStringLiteral("101"), QStringLiteral("102"),
                                        QStringLiteral("205")}));
        EXPECT_EQ(nabidnuty, QStringLiteral("102"));
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(*s, QStringLiteral("10"));
    }
    EXPECT_TRUE(zpravy.isEmpty());
}

TEST_F(Nastaveni, KodStrediskaNejvyseTriZnaky) {
    zapisBajty(SouborStredisek(), "101\r\n");
    naModalnim([&](QWidget* w) {
        auto* c = najdi<QComboBox>(w, "ComboBoxStredisko");
        c->lineEdit()->selectAll();
        napis(c->lineEdit(), QStringLiteral("7777"));
        qobject_cast<QDialog*>(w)->close();
    });
    EXPECT_EQ(VyberStredisko(nullptr, QStringLiteral("101")), QStringLiteral("777"));
    EXPECT_TRUE(zpravy.isEmpty());
}

TEST_F(Nastaveni, VolbaStrediskaZeSeznamu) {
    zapisBajty(SouborStredisek(), cp1250(QStringLiteral("101\r\nČ02\r\n205\r\n")));
    naModalnim([&](QWidget* w) {
        auto* c = najdi<QComboBox>(w, "ComboBoxStredisko");
        c->setFocus();
        // Down in a closed combo box moves to the next entry, as picking it would.
        QTest::keyClick(c, Qt::Key_Down);
        QTest::mouseClick(najdi<QPushButton>(w, "ButtonOK"), Qt::LeftButton);
    });
    std::optional<QString> s = VyberStredisko(nullptr, QStringLiteral("101"));
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(*s, QStringLiteral("Č02"));
}

TEST_F(Nastaveni, ChybiSeznamStredisek) {
    naModalnim([](QWidget* w) { w->close(); });
    EXPECT_FALSE(VyberStredisko(nullptr, QStringLiteral("101")).has_value());
    EXPECT_FALSE(UpravStrediska(nullptr));
    QCoreApplication::processEvents();
    EXPECT_FALSE(videlModalni);
    ASSERT_EQ(zpravy.size(), 2);
    for (const QString& z : zpravy)
        EXPECT_TRUE(z.contains(QDir::toNativeSeparators(adr() + QStringLiteral("stredi.sez"))))
            << z.toStdString();
    EXPECT_FALSE(QFile::exists(SouborStredisek()));
}

TEST_F(Nastaveni, SeznamStrediskSeZapiseAtSeZavreJakkoli) {
    for (Zavreni jak : {Zavreni::OK, Zavreni::Krizek, Zavreni::Esc}) {
        SCOPED_TRACE(static_cast<int>(jak));
        zapisBajty(SouborStredisek(), cp1250(QStringLiteral("101\r\nČ02\r\n")));
        QString nacteny, titulek;
        naModalnim([&](QWidget* w) {
            auto* d = qobject_cast<QDialog*>(w);
            titulek = d->windowTitle();
            auto* t = najdi<QPlainTextEdit>(d, "MemoStrediska");
            nacteny = t->toPlainText();
            t->moveCursor(QTextCursor::End);
            napis(t, QStringLiteral("305"));
            QTest::keyClick(t, Qt::Key_Return);
            napis(t, QStringLiteral("4Ω06"));
            // The refused character is taken out right after the edit.
            QCoreApplication::processEvents();
            zavri(d, jak);
        });
        ASSERT_TRUE(UpravStrediska(nullptr));
        ASSERT_TRUE(videlModalni);
        EXPECT_EQ(titulek, QStringLiteral("Střediska"));
        EXPECT_EQ(nacteny, QStringLiteral("101\nČ02\n"));
        EXPECT_EQ(precti(SouborStredisek()),
                  cp1250(QStringLiteral("101\r\nČ02\r\n305\r\n406\r\n")));
    }
    ASSERT_EQ(zpravy.size(), 3);
    EXPECT_TRUE(zpravy[0].contains(QStringLiteral("Ω")));
}

TEST_F(Nastaveni, OknoPracujeBeziAZavreSe) {
    QStringList texty;
    NastavZaznamPracuji([&](const QString& t) { texty << t; });
    QWidget hlavni;
    hlavni.setGeometry(200, 150, 900, 600);
    hlavni.show();
    QPointer<OknoPracuji> okno;
    {
        Pracuji p(&hlavni, QStringLiteral("Kavlin05 - kontrola nové verze"));
        okno = p.okno();
        ASSERT_TRUE(okno);
        EXPECT_TRUE(okno->isVisible());
        EXPECT_TRUE(okno->isWindow());
        EXPECT_TRUE(okno->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_LE((okno->geometry().center() - hlavni.frameGeometry().center()).manhattanLength(),
                  2);
        const int f1 = okno->faze();
        const QImage a = okno->grab().toImage();
        Cekej(300);
        EXPECT_GT(okno->faze(), f1);
        const QImage b = okno->grab().toImage();
        EXPECT_NE(a, b) << "the gradient did not move";
    }
    EXPECT_TRUE(okno.isNull());
    EXPECT_EQ(texty, QStringList{QStringLiteral("Kavlin05 - kontrola nové verze")});
}
