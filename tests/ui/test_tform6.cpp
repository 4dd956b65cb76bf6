// The preview dialog on real widgets: pages, copies, printing, folder, mail, and the
// filing of the PDF in doklady when it closes; TiskSM from the menu's point of view.
#include "ini.h"
#include "posta.h"
#include "tform6.h"
#include "tiskpomocnik.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {
// A simple report of n pages, one big row a page, for the dialog's own mechanics.
struct Stranky {
    explicit Stranky(int n) {
        Pasmo d;
        d.vyska = 900;
        d.pridej(Text(QStringLiteral("t"), {0, 0, 300, 20}, P(12)));
        d.predTiskem = [this](Pasmo& b) {
            b.prvek(QStringLiteral("t")).text = QStringLiteral("Strana%1").arg(s.zaznam() + 1);
            return true;
        };
        s.detail = d;
        s.pocetZaznamu = [n] { return n; };
    }
    Sestava s;
};

// The stand-in's record: arguments ended by NUL, calls by a line feed after the last NUL
// (a body has line feeds of its own).
QList<QStringList> ZaznamyVolani(const QString& soubor) {
    QFile f(soubor);
    QList<QStringList> v;
    if (!f.open(QIODevice::ReadOnly))
        return v;
    QStringList volani;
    for (QByteArray kus : f.readAll().split('\0')) {
        while (kus.startsWith('\n')) {
            v << volani;
            volani.clear();
            kus.remove(0, 1);
        }
        if (!kus.isEmpty())
            volani << QString::fromUtf8(kus);
    }
    return v;
}

// The PDF without its creation time, which is the only part that changes between runs
// of the same report at the same (fixed) clock.
QByteArray BezCasu(QByteArray pdf) {
    static const QRegularExpression re(QStringLiteral("/CreationDate \\(D:[^)]*\\)"));
    return QString::fromLatin1(pdf).remove(re).toLatin1();
}

class Nahled : public TiskTest {
protected:
    void SetUp() override {
        TiskTest::SetUp();
        if (HasFatalFailure())
            return;
        zaznam = prog + QStringLiteral("volani.log");
        qputenv("SMESI_ZAZNAM", zaznam.toUtf8());
        qunsetenv("SMESI_XDG_EMAIL_KOD");
        puvodniPath = qgetenv("PATH");
        qputenv("PATH", TestToolsDir().toUtf8() + ':' + puvodniPath);
    }
    void TearDown() override {
        qputenv("PATH", puvodniPath);
        qunsetenv("SMESI_ZAZNAM");
        NastavSeznamTiskaren({});
        NastavPripravuTiskarny({});
        NastavVolbuSlozky({});
        TiskTest::TearDown();
    }
    std::unique_ptr<TForm6> otevri(Sestava& s, int tag = 17,
                                   const QString& cislo = QStringLiteral("2026100001")) {
        auto d = std::make_unique<TForm6>(*stav, tag, cislo, s);
        d->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(d.get()));
        QTest::qWait(20);
        return d;
    }
    template <class T> T* prvek(QWidget* d, const char* jmeno) {
        T* w = d->findChild<T*>(QString::fromLatin1(jmeno));
        EXPECT_NE(w, nullptr) << jmeno;
        return w;
    }
    void klik(QWidget* d, const char* jmeno) {
        QTest::mouseClick(prvek<QPushButton>(d, jmeno), Qt::LeftButton);
    }
    QString ulozeno(int typ, const QString& cislo, QByteArray* obsah = nullptr) {
        Vysledek v;
        EXPECT_TRUE(db->spojeni().proved(
            QStringLiteral(
                "select popis, obsah from doklady where typ = %1 and cislodokladu = '%2'")
                .arg(typ)
                .arg(cislo),
            &v));
        if (v.pocetRadku() != 1)
            return QStringLiteral("rows: %1").arg(v.pocetRadku());
        if (obsah)
            *obsah = v.bajty(0, 1);
        return v.text(0, 0);
    }
    bool tabulkaExistuje(const QString& jmeno) {
        return db->pocet(QStringLiteral("information_schema.tables"),
                         QStringLiteral("table_schema = '%1' and table_name = '%2'")
                             .arg(db->jmeno(), jmeno)) > 0;
    }
    QString zaznam;
    QByteArray puvodniPath;
};
} // namespace

TEST_F(Nahled, StrankyAKopie) {
    Stranky r(3);
    auto d = otevri(r.s);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Kavlin05 tisk - náhled výstupu"));
    auto* strana = prvek<QLabel>(d.get(), "LabelStrana");
    auto* pocet = prvek<QLabel>(d.get(), "LabelPocetStran");
    ASSERT_EQ(d->pocetStran(), 3);
    EXPECT_EQ(pocet->text(), QStringLiteral("3"));
    EXPECT_TRUE(pocet->font().bold());
    struct {
        const char* tlacitko;
        int strana;
    } kroky[] = {{"suiButtonPredchozi", 1}, {"suiButtonPosledni", 3}, {"suiButtonDalsi", 3},
                 {"suiButtonPredchozi", 2}, {"suiButtonDalsi", 3},    {"suiButtonPrvni", 1},
                 {"suiButtonDalsi", 2}};
    for (const auto& k : kroky) {
        klik(d.get(), k.tlacitko);
        EXPECT_EQ(strana->text(), QString::number(k.strana)) << k.tlacitko;
        EXPECT_EQ(d->nahled()->currentPage(), k.strana) << k.tlacitko;
        EXPECT_EQ(pocet->text(), QStringLiteral("3"));
    }

    auto* kopie = prvek<QSpinBox>(d.get(), "suiSpinEdit1");
    EXPECT_EQ(kopie->value(), 1);
    QTest::keyClick(kopie, Qt::Key_Down);
    EXPECT_EQ(kopie->value(), 1);
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(kopie, Qt::Key_Up);
    EXPECT_EQ(kopie->value(), 9);
    kopie->selectAll();
    QTest::keyClicks(kopie, QStringLiteral("0"));
    kopie->interpretText();
    EXPECT_GE(kopie->value(), 1);

    auto* zoom = prvek<QSlider>(d.get(), "suiTrackBar1");
    EXPECT_EQ(zoom->value(), 50);
    EXPECT_EQ(d->nahled()->zoom(), 90);
    zoom->setValue(120);
    EXPECT_EQ(d->nahled()->zoom(), 120);
    d->close();
}

TEST_F(Nahled, UlozeneVlastnosti) {
    NastavSeznamTiskaren([] {
        return QStringList{QStringLiteral("Sklad"), QStringLiteral("Kancelář")};
    });
    NastavVolbuSlozky(
        [this](const QString&, const QString&) { return prog + QStringLiteral("ven"); });
    QDir().mkpath(prog + QStringLiteral("ven"));
    Stranky r(1);
    {
        auto d = otevri(r.s);
        auto* t = prvek<QComboBox>(d.get(), "suiComboBox1");
        EXPECT_EQ(t->currentIndex(), -1);
        EXPECT_TRUE(t->currentText().isEmpty());
        t->setCurrentIndex(1);
        prvek<QSlider>(d.get(), "suiTrackBar1")->setValue(150);
        prvek<QSpinBox>(d.get(), "suiSpinEdit1")->setValue(3);
        klik(d.get(), "suiButtonSlozka");
        d->nahled()->nastavZoom(75);
        klik(d.get(), "suiButtonZpet");
    }
    IniSoubor ini(prog + QStringLiteral("smesi.ini"));
    const QString S = QStringLiteral("TForm6");
    EXPECT_EQ(ini.cti(S, QStringLiteral("suiComboBox1_ItemIndex")), QStringLiteral("1"));
    EXPECT_EQ(ini.cti(S, QStringLiteral("suiComboBox1_Text")), QStringLiteral("Kancelář"));
    EXPECT_EQ(ini.cti(S, QStringLiteral("suiTrackBar1_Position")), QStringLiteral("150"));
    EXPECT_EQ(ini.cti(S, QStringLiteral("QRPreview1_Zoom")), QStringLiteral("75"));
    EXPECT_EQ(ini.cti(S, QStringLiteral("suiSpinEdit1_Value")), QStringLiteral("3"));
    EXPECT_EQ(ini.cti(S, QStringLiteral("LMDBrowseDlg1_SelectedFolder")),
              prog + QStringLiteral("ven"));
    auto d = otevri(r.s);
    EXPECT_EQ(prvek<QComboBox>(d.get(), "suiComboBox1")->currentText(), QStringLiteral("Kancelář"));
    EXPECT_EQ(prvek<QSlider>(d.get(), "suiTrackBar1")->value(), 150);
    EXPECT_EQ(d->nahled()->zoom(), 75);
    EXPECT_EQ(prvek<QSpinBox>(d.get(), "suiSpinEdit1")->value(), 3);
    d->close();
}

TEST_F(Nahled, TiskBezTiskarnyAJakoPdf) {
    sql(QStringLiteral("update smesi set nc = 56 where cislodokla = '2026100001' and smes = '1'"));
    NastavSeznamTiskaren([] { return QStringList{QStringLiteral("Kancelář")}; });
    const QString vytisk = prog + QStringLiteral("vytisk.pdf");
    NastavPripravuTiskarny([&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(vytisk);
    });
    TfTsmesi f(*stav, data(QStringLiteral("2026100001")));
    auto d = otevri(f.sestava());
    klik(d.get(), "suiButtonTisk");
    ASSERT_EQ(texty(), QStringList{QStringLiteral("Není vybrána tiskárna.")});
    EXPECT_EQ(zpravy[0].ikona, Ikona::Varovani);
    EXPECT_EQ(zpravy[0].tlacitka, QStringList{QStringLiteral("OK")});
    EXPECT_FALSE(QFile::exists(vytisk));

    prvek<QComboBox>(d.get(), "suiComboBox1")->setCurrentIndex(0);
    prvek<QSpinBox>(d.get(), "suiSpinEdit1")->setValue(2);
    klik(d.get(), "suiButtonTisk");
    klik(d.get(), "suiButtonTisk"); // the second print runs the report again
    ASSERT_TRUE(QFile::exists(vytisk));
    // Two copies, each a full run with the same total.
    EXPECT_EQ(pdf::PocetStran(vytisk), 2);
    for (int s = 1; s <= 2; ++s)
        EXPECT_EQ(RadkySTextem(pdf::Text(vytisk, s), QStringLiteral("Celkem Kč")),
                  QStringList{QStringLiteral("Celkem Kč 450,00")});
    klik(d.get(), "suiButtonZpet");
    QByteArray ulozene;
    EXPECT_EQ(ulozeno(17, QStringLiteral("2026100001"), &ulozene),
              QStringLiteral("míchací protokol"));
    zapis(prog + QStringLiteral("ulozene.pdf"), ulozene);
    EXPECT_EQ(
        RadkySTextem(pdf::Text(prog + QStringLiteral("ulozene.pdf")), QStringLiteral("Celkem Kč")),
        QStringList{QStringLiteral("Celkem Kč 450,00")});
    EXPECT_EQ(texty().size(), 1);
}

TEST_F(Nahled, DoSlozky) {
    const QString slozka = prog + QStringLiteral("archiv");
    QDir().mkpath(slozka);
    QStringList zacatky;
    QString odpoved;
    NastavVolbuSlozky([&](const QString& titulek, const QString& zacatek) {
        EXPECT_EQ(titulek, QStringLiteral("Kavlin05 - složka pro doklad"));
        zacatky << zacatek;
        return odpoved;
    });
    TfTsmesi f(*stav, data(QStringLiteral("2026100001")));
    auto d = otevri(f.sestava());
    klik(d.get(), "suiButtonSlozka"); // cancelled
    EXPECT_TRUE(zpravy.isEmpty());
    odpoved = slozka;
    QDir::setCurrent(slozka);
    klik(d.get(), "suiButtonSlozka");
    const QString soubor = slozka + QStringLiteral("/2026100001SM.pdf");
    ASSERT_TRUE(QFile::exists(soubor));
    EXPECT_TRUE(pdf::Text(soubor).contains(QStringLiteral("Míchací protokol")));
    EXPECT_EQ(texty(), QStringList{QStringLiteral("Protokol uložen do 2026100001sm.pdf!")});
    EXPECT_EQ(zpravy[0].ikona, Ikona::Informace);
    EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), prog);
    // The next choice starts where the last one ended; a folder that is gone is reported.
    odpoved = prog + QStringLiteral("neni");
    klik(d.get(), "suiButtonSlozka");
    EXPECT_EQ(zacatky, (QStringList{QString(), QString(), slozka}));
    ASSERT_EQ(zpravy.size(), 2);
    EXPECT_EQ(zpravy[1].ikona, Ikona::Stop);
    EXPECT_FALSE(zpravy[1].text.startsWith(QStringLiteral("Protokol uložen")));
    d->close();
}

TEST_F(Nahled, EmailPostovnimKlientem) {
    zapis(prog + QStringLiteral("smesi.ini"),
          "[TFmozno]\r\nEditEmail_Text=prodej@osiva-bela.cz\r\n");
    TfTsmesi f(*stav, data(QStringLiteral("2026100001")));
    auto d = otevri(f.sestava());
    auto* email = prvek<QLineEdit>(d.get(), "suiEditEmail");
    auto* tlacitko = prvek<QPushButton>(d.get(), "suiButtonEmail");
    EXPECT_FALSE(tlacitko->isEnabled());
    // Typed letter by letter: the button follows the text after every change.
    struct {
        const char* text;
        bool povoleno;
    } kroky[] = {{"odberatel", false},
                 {"odberatel@", false},
                 {"odberatel@zahrada", false},
                 {"odberatel@zahrada.cz", true},
                 {".odberatel@zahrada.cz", false},
                 {"odberatel@zahrada.cz@x", false}};
    for (const auto& k : kroky) {
        email->clear();
        QTest::keyClicks(email, QString::fromLatin1(k.text));
        EXPECT_EQ(tlacitko->isEnabled(), k.povoleno) << k.text;
    }
    email->clear();
    QTest::keyClicks(email, QStringLiteral("odberatel@zahrada.cz"));
    ASSERT_TRUE(tlacitko->isEnabled());
    QTest::mouseClick(tlacitko, Qt::LeftButton);
    EXPECT_TRUE(zpravy.isEmpty()) << qPrintable(texty().join(QLatin1Char('|')));
    const QString priloha = prog + QStringLiteral("pdf/2026100001SM.pdf");
    EXPECT_TRUE(QFile::exists(priloha));
    const auto volani = ZaznamyVolani(zaznam);
    ASSERT_EQ(volani.size(), 1);
    EXPECT_EQ(
        volani[0],
        (QStringList{QStringLiteral("--utf8"), QStringLiteral("--subject"),
                     QStringLiteral("Smes 2026100001"), QStringLiteral("--body"),
                     QStringLiteral("V priloze zasiláme smes cislo: 2026100001\r\n\r\n"
                                    "Generovano systemem Kavlin05 - 11.12.2026 10:00:00"),
                     QStringLiteral("--attach"), priloha,
                     QStringLiteral("mailto:odberatel@zahrada.cz?from=prodej@osiva-bela.cz")}));
    EXPECT_TRUE(d->isMaximized());

    // The mail program gives up: the message, and the attachment stays.
    qputenv("SMESI_XDG_EMAIL_KOD", "5");
    QTest::mouseClick(tlacitko, Qt::LeftButton);
    EXPECT_EQ(texty(), QStringList{QStringLiteral("Chyba při odesílání e-mailu!")});
    EXPECT_TRUE(QFile::exists(priloha));
    d->close();
}

TEST_F(Nahled, PosliMailArgumenty) {
    const QString priloha = prog + QStringLiteral("a b.pdf");
    EXPECT_EQ(PosliMail(QStringLiteral("Předmět"), QStringLiteral("text"), priloha, {}, {}, {}, {},
                        {}, {}),
              0);
    EXPECT_EQ(PosliMail(QStringLiteral("P"), {}, {}, QStringLiteral("kopie@x.cz"), {},
                        QStringLiteral("komu@x.cz"), QStringLiteral("Jan Novák"), {}, {}),
              0);
    qputenv("SMESI_XDG_EMAIL_KOD", "1");
    EXPECT_EQ(PosliMail({}, {}, {}, {}, {}, {}, {}, QStringLiteral("od@x.cz"), {}), 1);
    const auto v = ZaznamyVolani(zaznam);
    ASSERT_EQ(v.size(), 3);
    // Without a recipient the compose window gets no address at all.
    EXPECT_EQ(v[0], (QStringList{QStringLiteral("--utf8"), QStringLiteral("--subject"),
                                 QStringLiteral("Předmět"), QStringLiteral("--body"),
                                 QStringLiteral("text"), QStringLiteral("--attach"), priloha}));
    EXPECT_EQ(v[1],
              (QStringList{QStringLiteral("--utf8"), QStringLiteral("--cc"),
                           QStringLiteral("kopie@x.cz"), QStringLiteral("--subject"),
                           QStringLiteral("P"), QStringLiteral("\"Jan Novák\" <komu@x.cz>")}));
    EXPECT_EQ(v[2],
              (QStringList{QStringLiteral("--utf8"), QStringLiteral("mailto:?from=od@x.cz")}));
    // No hand-over program at all.
    qputenv("PATH", prog.toUtf8());
    EXPECT_EQ(PosliMail(QStringLiteral("P"), {}, {}, {}, {}, {}, {}, {}, {}), -1);
}

TEST_F(Nahled, ZavreniUkladaPdf) {
    stav->sled.zacni(prog);
    const QString log = prog + QStringLiteral("sql.log");
    relace.log().nastavSoubor(log);
    relace.log().zapni(true);
    sql(QStringLiteral("update smesi set nc = 56 where cislodokla = '2026100001' and smes = '1'"));
    TfTsmesi f(*stav, data(QStringLiteral("2026100001")));
    {
        auto d = otevri(f.sestava());
        // The scratch file of an earlier run goes when the dialog is shown.
        EXPECT_FALSE(QFile::exists(prog + QStringLiteral("data/dok.pdf")));
        OrbeluExport(f.sestava(), prog + QStringLiteral("nahled.pdf"));
        klik(d.get(), "suiButtonZpet");
        EXPECT_FALSE(d->isVisible());
    }
    QByteArray obsah;
    EXPECT_EQ(ulozeno(17, QStringLiteral("2026100001"), &obsah),
              QStringLiteral("míchací protokol"));
    zapis(prog + QStringLiteral("ulozene.pdf"), obsah);
    EXPECT_EQ(pdf::Kontrola(prog + QStringLiteral("ulozene.pdf")), 0);
    // At a fixed clock the stored PDF is the exported one, byte for byte but its time.
    EXPECT_EQ(BezCasu(obsah), BezCasu(cti(prog + QStringLiteral("nahled.pdf"))));
    EXPECT_FALSE(QFile::exists(prog + QStringLiteral("data/dok.pdf")));
    EXPECT_FALSE(tabulkaExistuje(QStringLiteral("tmp00pdf17")));
    EXPECT_EQ(db->hodnota(QStringLiteral("select objednavka from doklady where typ = 17")),
              QString());

    QStringList kody;
    for (const QString& r : stav->sled.radky())
        kody << r.section(QLatin1Char(' '), 0, 0);
    EXPECT_EQ(kody.mid(1),
              (QStringList{QStringLiteral("691"), QStringLiteral("692"), QStringLiteral("693"),
                           QStringLiteral("694"), QStringLiteral("695"), QStringLiteral("696"),
                           QStringLiteral("697")}));

    // The log has every statement of the closing but the PDF's bytes, and is on again.
    const QByteArray l = cti(log);
    EXPECT_TRUE(relace.log().jeZapnuto());
    EXPECT_TRUE(l.contains("CREATE TABLE tmp00pdf17")) << l.constData();
    EXPECT_TRUE(l.contains("insert into doklady"));
    EXPECT_TRUE(l.contains("DROP TABLE IF EXISTS tmp00pdf17"));
    EXPECT_FALSE(l.contains("%PDF"));
    EXPECT_FALSE(l.contains("values (17"));

    // A second preview replaces the row with its later PDF.
    sql(QStringLiteral("update smesi set nc = 57 where cislodokla = '2026100001' and smes = '1'"));
    TfTsmesi g(*stav, data(QStringLiteral("2026100001")));
    otevri(g.sestava())->close();
    EXPECT_EQ(db->pocet(QStringLiteral("doklady"), QStringLiteral("typ = 17")), 1);
    EXPECT_EQ(ulozeno(17, QStringLiteral("2026100001"), &obsah),
              QStringLiteral("míchací protokol"));
    zapis(prog + QStringLiteral("druhe.pdf"), obsah);
    EXPECT_EQ(
        RadkySTextem(pdf::Text(prog + QStringLiteral("druhe.pdf")), QStringLiteral("Celkem Kč")),
        QStringList{QStringLiteral("Celkem Kč 1 450,00")});
}

TEST_F(Nahled, PracovisteDU) {
    stav->CisloPC = QStringLiteral("DU");
    const int predtim = db->pocet(QStringLiteral("doklady"));
    Stranky r(1);
    otevri(r.s)->close();
    EXPECT_EQ(db->pocet(QStringLiteral("doklady")), predtim);
    EXPECT_FALSE(tabulkaExistuje(QStringLiteral("tmpDUpdf17")));
    EXPECT_FALSE(QFile::exists(prog + QStringLiteral("data/dok.pdf")));
}

TEST_F(Nahled, MichaciProtokolMezioULC) {
    Stranky r(1);
    struct {
        bool nastaveni, odeslano;
        int radku19;
    } pripady[] = {{false, true, 0}, {true, false, 0}, {true, true, 1}};
    for (const auto& p : pripady) {
        sql(QStringLiteral("delete from doklady"));
        zapis(prog + QStringLiteral("smesi.ini"),
              p.nastaveni ? "[TFmozno]\r\nsuiCheckBoxMPdoULC_Checked=True\r\n" : "");
        auto d = otevri(r.s, 20);
        d->OdeslanoUKZUZ = p.odeslano;
        d->close();
        EXPECT_EQ(ulozeno(20, QStringLiteral("2026100001")),
                  QStringLiteral("míchací protokol UKZUZ"));
        EXPECT_EQ(db->pocet(QStringLiteral("doklady"), QStringLiteral("typ = 19")), p.radku19);
        if (p.radku19) {
            QByteArray a, b;
            EXPECT_EQ(ulozeno(19, QStringLiteral("mp2026100001-0126"), &a),
                      QStringLiteral("ULC míchací proto"));
            ulozeno(20, QStringLiteral("2026100001"), &b);
            EXPECT_EQ(a, b);
        }
        EXPECT_FALSE(tabulkaExistuje(QStringLiteral("tmp00pdf20")));
    }
}

TEST_F(Nahled, ChybaPriZavreni) {
    // The scratch PDF cannot be written (data/ is a file), or the table is gone.
    for (int pripad = 0; pripad < 2; ++pripad) {
        zpravy.clear();
        Stranky r(1);
        auto d = otevri(r.s);
        QString cast;
        if (pripad == 0) {
            QDir(prog + QStringLiteral("data")).removeRecursively();
            zapis(prog + QStringLiteral("data"), "soubor místo složky");
            cast = QStringLiteral("dok.pdf");
        } else {
            QFile::remove(prog + QStringLiteral("data"));
            QDir().mkpath(prog + QStringLiteral("data"));
            sql(QStringLiteral("drop table doklady"));
            cast = QStringLiteral("doklady");
        }
        klik(d.get(), "suiButtonZpet");
        // The error's own message; the dialog closes all the same and leaves nothing behind.
        ASSERT_EQ(zpravy.size(), 1) << pripad;
        EXPECT_TRUE(zpravy[0].text.contains(cast)) << qPrintable(zpravy[0].text);
        EXPECT_EQ(zpravy[0].ikona, Ikona::Stop);
        EXPECT_FALSE(d->isVisible());
        EXPECT_TRUE(prvek<QPushButton>(d.get(), "suiButtonZpet")->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->objectName() == QLatin1String("OknoPracuji") && w->isVisible());
        EXPECT_FALSE(tabulkaExistuje(QStringLiteral("tmp00pdf17")));
        EXPECT_FALSE(QFile::exists(prog + QStringLiteral("data/dok.pdf")));
    }
}

TEST_F(Nahled, TiskSMZNabidky) {
    stav->sled.zacni(prog);
    int stran = 0;
    bool maximalizovano = false;
    QString titulek;
    // The preview is modal: act on it once it is up, then close it with "zpět".
    std::function<void()> obsluha = [&] {
        auto* d = qobject_cast<TForm6*>(QApplication::activeModalWidget());
        if (!d || d->pocetStran() == 0) {
            QTimer::singleShot(20, obsluha);
            return;
        }
        stran = d->pocetStran();
        maximalizovano = d->isMaximized();
        titulek = d->windowTitle();
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("suiButtonZpet")),
                          Qt::LeftButton);
    };
    QTimer::singleShot(0, obsluha);
    TiskSM(*stav, QStringLiteral("2026100001"), nullptr);
    EXPECT_EQ(stran, 1);
    EXPECT_TRUE(maximalizovano);
    EXPECT_EQ(titulek, QStringLiteral("Kavlin05 tisk - náhled výstupu"));
    EXPECT_EQ(ulozeno(17, QStringLiteral("2026100001")), QStringLiteral("míchací protokol"));
    QStringList kody;
    for (const QString& r : stav->sled.radky())
        kody << r.section(QLatin1Char(' '), 0, 0);
    EXPECT_EQ(kody.mid(1).join(QLatin1Char(' ')),
              QStringLiteral("501 502 691 692 693 694 695 696 697 503 504 505"));
}
