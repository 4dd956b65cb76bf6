// The start of the program and its end: the creation phase, the show phase, the list
// start and the closing steps of the main window.
#include "dotaz.h"
#include "editordokladu.h"
#include "filtr.h"
#include "hodiny.h"
#include "ini.h"
#include "maleoperace.h"
#include "moduly.h"
#include "pracuji.h"
#include "seznamdokladu.h"
#include "tform1.h"
#include "ulozeni.h"
#include "uvod.h"
#include "verze.h"
#include "vyberkaret.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QTimer>

void TForm1::fazeVytvoreni() {
    // 1–3: directories, the SQL log off, the connection closed.
    VytvorAdresar(m_adr + QStringLiteral("err"));
    VytvorAdresar(m_adr + QStringLiteral("../sqllog"));
    m_stav.AdresarPDF = AdresarPdfVychozi();
    VytvorAdresar(m_stav.AdresarPDF);
    m_relace.log().zapni(false);
    m_relace.log().nastavSoubor(SqlLog::jmenoSouboru(Hodiny::dnes()));
    m_relace.spojeni().odpoj();

    // 4: the splash.
    m_uvod = new Uvod(VerzeProgramu());
    m_uvod->show();
    m_stav.CasStartu = Hodiny::ted().time();
    QCoreApplication::processEvents();

    // 5: the year box, newest first.
    m_rok->clear();
    m_rok->addItem(QStringLiteral("Vše"));
    const int rok = Hodiny::dnes().year();
    for (int i = 0; i < 4; ++i)
        m_rok->addItem(QString::number(rok - i));

    // 6: the run trace.
    m_stav.sled.zacni(m_adr);

    // 7: smesi.ini.
    IniSoubor smesi(m_adr + QStringLiteral("smesi.ini"));
    const QString tf = QStringLiteral("TFmozno");
    m_stav.CisloPC = smesi.cti(tf, QStringLiteral("EditcisloPC_Text"), QStringLiteral("00"));
    m_stav.podnik = smesi.cti(tf, QStringLiteral("Editpodnik_Text"), QStringLiteral("0126"));
    m_stav.TestVerze = smesi.cti(tf, QStringLiteral("suiCheckBoxTestVerze_Checked"),
                                 QStringLiteral("True")) == QLatin1String("True");
    m_potvrzovat = smesi.cti(tf, QStringLiteral("suiCheckBoxPotvrzovat_Checked"),
                             QStringLiteral("False")) != QLatin1String("False");

    // 8: ../Kavlin05.ini and the directory server.
    IniSoubor kavlin(QStringLiteral("../Kavlin05.ini"));
    QString chyba;
    if (!m_relace.UrciParametry(smesi, kavlin, m_stav.CisloPC, m_volby.adresar, &chyba)) {
        // The rest of the creation phase is skipped; the show phase still runs.
        m_chybaVytvoreni = true;
        m_stav.CisloPC = m_relace.nastaveni().cisloPC;
        dotaz(chyba, {QStringLiteral("OK")}, Ikona::Stop);
        return;
    }
    m_stav.CisloPC = m_relace.nastaveni().cisloPC;

    // 9: the SQL log on and the session.
    m_relace.log().zapni(true);
    const NastaveniSpojeni& n = m_relace.nastaveni();
    m_relace.OtevriSpojeni(n.sqlPort, n.altPort, m_stav.CisloPC, QString(),
                           QStringLiteral("Směsi"));

    // 10: column layouts.
    m_seznam->nactiRozlozeni(QStringLiteral("smesihla.slo"));
    m_editor->vyberKaret()->nactiRozlozeni(QStringLiteral("smesiskl.slo"));

    // 11: the work-table directory.
    VytvorAdresar(m_adr + QStringLiteral("data"));
}

void TForm1::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (m_fazeZobrazeniSpustena)
        return;
    m_fazeZobrazeniSpustena = true;
    m_ulozene->obnov();
    // The phase runs once the window is on the screen, so its questions appear over it.
    QTimer::singleShot(0, this, &TForm1::fazeZobrazeni);
}

bool TForm1::overHeslo() {
    IniSoubor kavlin(QStringLiteral("../Kavlin05.ini"));
    const QString ulozene = kavlin.cti(QStringLiteral("Kavlin"), QStringLiteral("Password"));
    if (ulozene.isEmpty())
        return true;
    std::optional<QString> zadane =
        heslo(QStringLiteral("Kavlin05"), QStringLiteral("zadej heslo"), true, this);
    if (!zadane)
        return false;
    return *zadane == ulozene ||
           (!m_volby.servisniHeslo.isEmpty() && *zadane == m_volby.servisniHeslo);
}

void TForm1::nactiNastaveniSady() {
    Vysledek v;
    Spojeni& s = m_relace.spojeni();
    if (!s.proved(QStringLiteral("select SM_JAKNC,SM_vyrobky,zakl_mj,kontejnery_DO from kavlin"),
                  &v)) {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return;
    }
    m_stav.SM_JAKNC = static_cast<int>(v.cele(0, QStringLiteral("SM_JAKNC")));
    m_stav.zakl_mj = v.text(0, QStringLiteral("zakl_mj"));
    m_stav.kontejnery_DO = static_cast<int>(v.cele(0, QStringLiteral("kontejnery_DO")));
    m_stav.SM_vyrobky = v.text(0, QStringLiteral("SM_vyrobky")) != QLatin1String("N");
}

void TForm1::fazeZobrazeni() {
    // 1: the sibling modules present in the working directory.
    PovolModuly(m_menuModuly);
    // 2 and 4: the rows pane of the editor and the editor pane collapsed.
    m_rozdelovac->setSizes({qMax(1, m_rozdelovac->height()), 0});

    // 3: the start-up password, on a user's start only.
    if (m_volby.prvniArgument.isEmpty() && !overHeslo()) {
        zavriUvod();
        UkonciProgram();
        return;
    }
    const bool spojeno = m_relace.spojeni().jePripojeno();
    if (!spojeno && !m_chybaVytvoreni) {
        // The database could not be reached: say so once, keep the window usable.
        QString chyba = m_relace.spojeni().chyba();
        dotaz(chyba.isEmpty() ? QStringLiteral("Nelze se připojit k databázi.") : chyba,
              {QStringLiteral("OK")}, Ikona::Stop);
    }
    // 5: the daily version checks, reported on the splash while it is up.
    {
        std::unique_ptr<Pracuji> busy;
        auto pracuji = [&](const QString& t) {
            busy.reset();
            if (!t.isEmpty())
                busy = std::make_unique<Pracuji>(this, t);
        };
        auto naUvod = [this](const QString& t) {
            if (m_uvod)
                m_uvod->zprava(t);
        };
        if (DenniKontrolaVerzi(IniSoubor(QStringLiteral("../Kavlin05.ini")), m_stav.TestVerze,
                               naUvod, pracuji, {m_adr, {}}) == PoKontrole::UkoncitProgram) {
            zavriUvod();
            UkonciProgram();
            return;
        }
    }
    if (spojeno) {
        // 6: the suite settings.
        nactiNastaveniSady();
        // 7: the work tables made anew from the server's structures; they stay locked
        // for this copy of the program.
        m_pracovni = std::make_unique<PracovniTabulky>(m_adr + QStringLiteral("data"));
        if (m_pracovni->udelejDBF(m_relace.spojeni())) {
            m_editor->nastavPracovniTabulky(m_pracovni.get());
        } else {
            // Another copy of the program holds the work tables: this one can list but
            // not edit documents.
            dotaz(m_pracovni->chyba(), {QStringLiteral("OK")}, Ikona::Stop);
            m_pracovni.reset();
        }
        // 8: without a confirmation step the check box is never shown.
        m_editor->nastavPotvrzovani(m_potvrzovat);
        m_editor->potvrzena()->setVisible(m_stav.SM_JAKNC != 0);
        // 9: the list.
        startSeznamu();
    }
    // 10: the splash.
    if (!m_volby.prvniArgument.isEmpty() || !m_volby.casovacUvodu) {
        zavriUvod();
    } else {
        QTimer::singleShot(1000, this, [this] {
            QElapsedTimer t;
            const int uplynulo = m_stav.CasStartu.msecsTo(Hodiny::ted().time());
            while (uplynulo + t.elapsed() < 5000 && t.elapsed() < 5000) {
                Cekej(100);
                if (!t.isValid())
                    t.start();
            }
            zavriUvod();
        });
    }
    m_fazeZobrazeniHotova = true;
}

void TForm1::zavriUvod() {
    if (m_uvod)
        m_uvod->close();
}

void TForm1::startSeznamu() {
    // 1: the price list's freshness.
    Vysledek v;
    if (m_relace.spojeni().proved(QStringLiteral("SHOW TABLE STATUS LIKE \"cenik\""), &v)) {
        QDateTime cas = v.datumCas(0, QStringLiteral("Update_time"));
        if (!cas.isValid() || !m_stav.CasCeniku.isValid() || cas > m_stav.CasCeniku)
            m_stav.CasCeniku = cas;
    }
    // 2: the stored filter.
    const StavFiltru f = HistorieFiltru().nacti();
    m_stav.FiltrSQL = f.sql;
    m_stav.FiltrPopis = f.popis;
    // 3: the initial order.
    m_stav.Trideni = QStringLiteral("order by cislodokla  DESC");
    // 4: the stored cost centre, or the choice first.
    m_stav.stredisko = m_label1->text();
    if (!m_stav.stredisko.isEmpty())
        NavratDoSeznamu();
    else
        volbaStrediska();
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (m_ukonceno) {
        e->accept();
        return;
    }
    m_ukonceno = true;
    m_konci = true;
    zavriUvod();
    // 1: this workstation's PDFs.
    SmazSoubory(m_stav.AdresarPDF + QStringLiteral("sm") + m_stav.CisloPC +
                QStringLiteral("*.pdf"));
    // 2: the last checkpoint.
    m_stav.sled.ukonci();
    // 3: the stored values.
    m_ulozene->uloz();
    // 4: the column layouts.
    m_seznam->ulozRozlozeni(QStringLiteral("smesihla.slo"));
    m_editor->vyberKaret()->ulozRozlozeni(QStringLiteral("smesiskl.slo"));
    // 5: forgotten layouts give the default columns at the next start.
    if (m_stav.SmazatSloupce)
        for (const char* s : {"smesihla.slo", "smesiskl.slo", "nnaves.slo"})
            QFile::remove(QString::fromLatin1(s));
    // The work tables are released with the window, not only with the process.
    if (m_pracovni)
        m_pracovni->zavriVse();
    m_relace.spojeni().odpoj();
    e->accept();
    QMainWindow::closeEvent(e);
}
