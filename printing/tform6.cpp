#include "tform6.h"

#include "dotaz.h"
#include "hodiny.h"
#include "hodnoty.h"
#include "kurzor.h"
#include "posta.h"
#include "pracuji.h"
#include "sestava.h"
#include "vystup.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
std::function<QStringList()>& seznamTiskaren() {
    static std::function<QStringList()> f;
    return f;
}
std::function<void(QPrinter&)>& pripravaTiskarny() {
    static std::function<void(QPrinter&)> f;
    return f;
}
std::function<QString(const QString&, const QString&)>& volbaSlozky() {
    static std::function<QString(const QString&, const QString&)> f;
    return f;
}

void Hlaseni(const QString& text, Ikona ikona, QWidget* rodic) {
    dotaz(text, {QStringLiteral("OK")}, ikona, rodic);
}

// Runs one statement of the closing steps; a failure ends them with the server's message.
void Proved(Spojeni& s, const QString& sql) {
    if (!s.proved(sql))
        throw ChybaVystupu(s.chyba());
}
} // namespace

void NastavSeznamTiskaren(std::function<QStringList()> seznam) {
    seznamTiskaren() = std::move(seznam);
}
void NastavPripravuTiskarny(std::function<void(QPrinter&)> priprava) {
    pripravaTiskarny() = std::move(priprava);
}
void NastavVolbuSlozky(std::function<QString(const QString&, const QString&)> v) {
    volbaSlozky() = std::move(v);
}

NahledSestavy::NahledSestavy(QPrinter* tiskarna, QWidget* rodic)
    : QPrintPreviewWidget(tiskarna, rodic) {}

int NahledSestavy::zoom() const {
    return qRound(zoomFactor() * 100);
}

void NahledSestavy::nastavZoom(int procent) {
    setZoomMode(QPrintPreviewWidget::CustomZoom);
    setZoomFactor(qBound(10, procent, 1000) / 100.0);
}

bool PouzitelnaAdresa(const QString& text) {
    if (!text.contains(QLatin1Char('@')))
        return false;
    if (text.indexOf(QLatin1Char('.')) < 1) // also when there is no "." at all
        return false;
    // The pieces are cut from the left at each "@" until nothing is left: "a@" is one
    // piece, "a@b@" two, "a@b@c" three.
    int kusu = 0;
    QString zbytek = text;
    while (!zbytek.isEmpty()) {
        const qsizetype z = zbytek.indexOf(QLatin1Char('@'));
        zbytek = z < 0 ? QString() : zbytek.mid(z + 1);
        ++kusu;
    }
    return kusu == 2;
}

DruhVystupu DruhPodleTagu(int tag) {
    DruhVystupu d;
    d.tag = tag;
    switch (tag) {
    case 17:
        d.pripona = QStringLiteral("SM.pdf");
        d.popis = QStringLiteral("míchací protokol");
        d.predmet = QStringLiteral("Smes ");
        d.uvodMailu = QStringLiteral("V priloze zasiláme smes cislo: ");
        d.hlaseniUlozeni = QStringLiteral("sm.pdf!");
        break;
    case 20:
        d.pripona = QStringLiteral("MP.pdf");
        d.popis = QStringLiteral("míchací protokol UKZUZ");
        d.predmet = QStringLiteral("Michaci protokol ");
        d.uvodMailu = QStringLiteral("V priloze zasiláme michaci protokol cislo: ");
        d.hlaseniUlozeni = QStringLiteral("mp.pdf!");
        break;
    case 43:
        d.popis = QStringLiteral("míchací protokol rozpis");
        break;
    default:
        break;
    }
    return d;
}

TForm6::TForm6(StavProgramu& stav, int tag, const QString& cisloDokladu, Sestava& sestava,
               QWidget* rodic)
    : QDialog(rodic, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                         Qt::WindowCloseButtonHint),
      m_stav(stav), m_druh(DruhPodleTagu(tag)), m_cisloDokladu(cisloDokladu), m_sestava(&sestava),
      m_tiskarnaNahledu(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_ulozene(IniSoubor(stav.adresarProgramu + QStringLiteral("smesi.ini")),
                QStringLiteral("TForm6")) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Kavlin05 tisk - náhled výstupu"));
    m_tiskarnaNahledu->setFullPage(true);
    m_tiskarnaNahledu->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), sestava.orientace, QMarginsF(0, 0, 0, 0)));

    auto* hlavni = new QVBoxLayout(this);
    hlavni->setContentsMargins(6, 6, 6, 6);
    auto* panel = new QGridLayout;
    panel->setHorizontalSpacing(8);
    hlavni->addLayout(panel);

    auto tlacitko = [this](const QString& jmeno, const QString& text, const QString& tip = {}) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(jmeno);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };

    panel->addWidget(new QLabel(QStringLiteral("Výstup na tiskárnu"), this), 0, 0);
    m_tiskarny = new QComboBox(this);
    m_tiskarny->setObjectName(QStringLiteral("suiComboBox1"));
    m_tiskarny->setMinimumWidth(220);
    m_tiskarny->addItems(seznamTiskaren() ? seznamTiskaren()()
                                          : QPrinterInfo::availablePrinterNames());
    m_tiskarny->setCurrentIndex(-1);
    panel->addWidget(m_tiskarny, 1, 0);

    panel->addWidget(new QLabel(QStringLiteral("Zoom"), this), 0, 1);
    m_zoom = new QSlider(Qt::Horizontal, this);
    m_zoom->setObjectName(QStringLiteral("suiTrackBar1"));
    m_zoom->setRange(30, 300);
    m_zoom->setTickPosition(QSlider::TicksBelow);
    m_zoom->setTickInterval(30);
    m_zoom->setPageStep(30);
    m_zoom->setSingleStep(2);
    m_zoom->setValue(50);
    m_zoom->setMinimumWidth(160);
    panel->addWidget(m_zoom, 1, 1);

    panel->addWidget(new QLabel(QStringLiteral("E-mail"), this), 0, 2);
    m_email = new QLineEdit(this);
    m_email->setObjectName(QStringLiteral("suiEditEmail"));
    m_email->setMinimumWidth(200);
    panel->addWidget(m_email, 1, 2);

    auto* stranky = new QHBoxLayout;
    m_prvni =
        tlacitko(QStringLiteral("suiButtonPrvni"), QStringLiteral("<<"), QStringLiteral("první"));
    m_predchozi = tlacitko(QStringLiteral("suiButtonPredchozi"), QStringLiteral("<"),
                           QStringLiteral("předešlá"));
    m_dalsi =
        tlacitko(QStringLiteral("suiButtonDalsi"), QStringLiteral(">"), QStringLiteral("další"));
    m_posledni = tlacitko(QStringLiteral("suiButtonPosledni"), QStringLiteral(">>"),
                          QStringLiteral("poslední"));
    m_strana = new QLabel(QStringLiteral("1"), this);
    m_strana->setObjectName(QStringLiteral("LabelStrana"));
    m_pocet = new QLabel(QStringLiteral("1"), this);
    m_pocet->setObjectName(QStringLiteral("LabelPocetStran"));
    QFont tucne = m_pocet->font();
    tucne.setBold(true);
    m_pocet->setFont(tucne);
    for (QPushButton* b : {m_prvni, m_predchozi, m_dalsi, m_posledni}) {
        b->setFixedWidth(34);
        stranky->addWidget(b);
    }
    stranky->addSpacing(6);
    stranky->addWidget(m_strana);
    stranky->addWidget(new QLabel(QStringLiteral("/"), this));
    stranky->addWidget(m_pocet);
    panel->addLayout(stranky, 1, 3);

    panel->addWidget(new QLabel(QStringLiteral("Počet výtisků"), this), 0, 4);
    m_kopie = new QSpinBox(this);
    m_kopie->setObjectName(QStringLiteral("suiSpinEdit1"));
    m_kopie->setRange(1, 9);
    m_kopie->setValue(1);
    panel->addWidget(m_kopie, 1, 4);

    m_doSlozky = tlacitko(QStringLiteral("suiButtonSlozka"), QStringLiteral("do složky"));
    m_odeslat = tlacitko(QStringLiteral("suiButtonEmail"),
                         QStringLiteral("odeslat e-mail\npoštovním klientem"));
    m_tisk = tlacitko(QStringLiteral("suiButtonTisk"), QStringLiteral("tisk"));
    m_zpet = tlacitko(QStringLiteral("suiButtonZpet"), QStringLiteral("zpět"));
    panel->addWidget(m_doSlozky, 0, 5, 2, 1);
    panel->addWidget(m_odeslat, 0, 6, 2, 1);
    panel->addWidget(m_tisk, 0, 7, 2, 1);
    panel->addWidget(m_zpet, 0, 8, 2, 1);
    for (QPushButton* b : {m_doSlozky, m_odeslat, m_tisk, m_zpet})
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    panel->setColumnStretch(9, 1);
    // The breakdown is a working sheet: it is neither saved to a folder nor mailed.
    if (m_druh.pripona.isEmpty()) {
        m_doSlozky->setVisible(false);
        m_odeslat->setVisible(false);
    }

    m_nahled = new NahledSestavy(m_tiskarnaNahledu.get(), this);
    m_nahled->setObjectName(QStringLiteral("QRPreview1"));
    m_nahled->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_nahled->nastavZoom(90);
    hlavni->addWidget(m_nahled, 1);

    m_slozka = new QObject(this);
    m_slozka->setObjectName(QStringLiteral("LMDBrowseDlg1"));
    m_slozka->setProperty("SelectedFolder", QString());

    m_ulozene.pridej(m_tiskarny, "currentIndex", QStringLiteral("ItemIndex"));
    m_ulozene.pridej(m_tiskarny, "currentText", QStringLiteral("Text"));
    m_ulozene.pridej(m_zoom, "value", QStringLiteral("Position"));
    m_ulozene.pridej(m_nahled, "Zoom", QStringLiteral("Zoom"));
    m_ulozene.pridej(m_slozka, "SelectedFolder", QStringLiteral("SelectedFolder"));
    m_ulozene.pridej(m_kopie, "value", QStringLiteral("Value"));

    connect(m_nahled, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) {
        // Released from the report once the dialog has closed.
        if (!m_sestava)
            return;
        if (m_sestava->tiskni(*p) < 0)
            Hlaseni(m_sestava->chyba(), Ikona::Stop, this);
    });
    connect(m_nahled, &QPrintPreviewWidget::previewChanged, this, &TForm6::obnovIndikator);
    connect(m_zoom, &QSlider::valueChanged, this, &TForm6::suiTrackBar1Change);
    connect(m_prvni, &QPushButton::clicked, this, &TForm6::suiButtonPrvniClick);
    connect(m_predchozi, &QPushButton::clicked, this, &TForm6::suiButtonPredchoziClick);
    connect(m_dalsi, &QPushButton::clicked, this, &TForm6::suiButtonDalsiClick);
    connect(m_posledni, &QPushButton::clicked, this, &TForm6::suiButtonPosledniClick);
    connect(m_tisk, &QPushButton::clicked, this, &TForm6::suiButtonTiskClick);
    connect(m_doSlozky, &QPushButton::clicked, this, &TForm6::suiButtonSlozkaClick);
    connect(m_odeslat, &QPushButton::clicked, this, &TForm6::suiButtonEmailClick);
    connect(m_email, &QLineEdit::textChanged, this, &TForm6::suiEditEmailChange);
    connect(m_zpet, &QPushButton::clicked, this, &QDialog::reject);
    suiEditEmailChange();
}

TForm6::~TForm6() = default;

void TForm6::spust() {
    if (QWidget* vlastnik = parentWidget())
        move(vlastnik->window()->frameGeometry().center() - rect().center());
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

int TForm6::pocetStran() const {
    return m_nahled->pageCount();
}

int TForm6::aktualniStrana() const {
    return m_strana->text().toInt();
}

void TForm6::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    m_zavira = false;
    m_ulozene.obnov();
    QFile::remove(m_stav.adresarProgramu + QStringLiteral("data/dok.pdf"));
    m_email->clear();
    suiEditEmailChange();
    m_nahled->updatePreview();
    obnovIndikator();
}

void TForm6::suiTrackBar1Change(int pozice) {
    m_nahled->nastavZoom(pozice);
}

void TForm6::ukazStranu(int strana) {
    const int pocet = m_nahled->pageCount();
    // A page before the first or after the last is not asked for: the page stays put.
    if (strana < 1 || strana > pocet)
        return;
    m_nahled->setCurrentPage(strana);
    m_strana->setText(QString::number(strana));
    m_pocet->setText(QString::number(pocet));
}

void TForm6::obnovIndikator() {
    const int pocet = m_nahled->pageCount();
    m_pocet->setText(QString::number(pocet));
    const int strana = m_strana->text().toInt();
    if (strana > pocet || strana < 1)
        m_strana->setText(QString::number(qMax(1, qMin(strana, pocet))));
}

void TForm6::suiButtonPrvniClick() {
    ukazStranu(1);
}

void TForm6::suiButtonPredchoziClick() {
    ukazStranu(aktualniStrana() - 1);
}

void TForm6::suiButtonDalsiClick() {
    ukazStranu(aktualniStrana() + 1);
}

void TForm6::suiButtonPosledniClick() {
    ukazStranu(m_nahled->pageCount());
}

void TForm6::suiEditEmailChange() {
    m_odeslat->setEnabled(PouzitelnaAdresa(m_email->text()));
}

void TForm6::suiButtonTiskClick() {
    if (m_tiskarny->currentIndex() < 0) {
        Hlaseni(QStringLiteral("Není vybrána tiskárna."), Ikona::Varovani, this);
        return;
    }
    if (!m_sestava)
        return;
    QPrinter tiskarna(QPrinter::HighResolution);
    tiskarna.setPrinterName(m_tiskarny->currentText());
    tiskarna.setFullPage(true);
    tiskarna.setDocName(m_sestava->nazev);
    if (pripravaTiskarny())
        pripravaTiskarny()(tiskarna);
    // A printer that makes copies itself gets the count; for the others each copy is
    // a run of its own.
    const int kopii = m_kopie->value();
    tiskarna.setCopyCount(kopii);
    int behu = 1;
    if (!tiskarna.supportsMultipleCopies() || tiskarna.copyCount() != kopii) {
        tiskarna.setCopyCount(1);
        behu = kopii;
    }
    KurzorCekani kurzor;
    if (m_sestava->tiskni(tiskarna, behu) < 0)
        Hlaseni(m_sestava->chyba(), Ikona::Stop, this);
}

void TForm6::suiButtonSlozkaClick() {
    const QString titulek = QStringLiteral("Kavlin05 - složka pro doklad");
    const QString zacatek = m_slozka->property("SelectedFolder").toString();
    QString slozka = volbaSlozky() ? volbaSlozky()(titulek, zacatek)
                                   : QFileDialog::getExistingDirectory(this, titulek, zacatek);
    if (!slozka.isEmpty() && m_sestava && !m_druh.pripona.isEmpty()) {
        m_slozka->setProperty("SelectedFolder", slozka);
        if (!slozka.endsWith(QLatin1Char('/')))
            slozka += QLatin1Char('/');
        try {
            OrbeluExport(*m_sestava, slozka + m_cisloDokladu + m_druh.pripona);
            Hlaseni(QStringLiteral("Protokol uložen do ") + m_cisloDokladu + m_druh.hlaseniUlozeni,
                    Ikona::Informace, this);
        } catch (const ChybaVystupu& e) {
            Hlaseni(e.zprava(), Ikona::Stop, this);
        }
    }
    QDir::setCurrent(m_stav.adresarProgramu);
}

void TForm6::suiButtonEmailClick() {
    if (!m_sestava || m_druh.pripona.isEmpty())
        return;
    const QString odesilatel =
        IniSoubor(m_stav.adresarProgramu + QStringLiteral("smesi.ini"))
            .cti(QStringLiteral("TFmozno"), QStringLiteral("EditEmail_Text"));
    const QString slozka = m_stav.adresarProgramu + QStringLiteral("pdf/");
    QDir().mkpath(slozka);
    const QString priloha = slozka + m_cisloDokladu + m_druh.pripona;
    try {
        OrbeluExport(*m_sestava, priloha);
    } catch (const ChybaVystupu& e) {
        Hlaseni(e.zprava(), Ikona::Stop, this);
        QDir::setCurrent(m_stav.adresarProgramu);
        return;
    }
    // The mail program's compose window has to come forward over this one.
    showNormal();
    const QDateTime ted = Hodiny::ted();
    const QString text = m_druh.uvodMailu + m_cisloDokladu + QStringLiteral("\r\n\r\n") +
                         QStringLiteral("Generovano systemem Kavlin05 - ") +
                         ted.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    const int vysledek = PosliMail(m_druh.predmet + m_cisloDokladu, text, priloha, {}, {},
                                   m_email->text(), {}, odesilatel, {});
    if (vysledek != 0)
        Hlaseni(QStringLiteral("Chyba při odesílání e-mailu!"), Ikona::Varovani, this);
    showMaximized();
    QDir::setCurrent(m_stav.adresarProgramu);
}

void TForm6::done(int r) {
    if (m_zavira)
        return;
    m_zavira = true;
    m_stav.ZapisSled(691);
    if (m_stav.CisloPC != QLatin1String("DU") && m_sestava) {
        try {
            ulozPdfDoDokladu();
        } catch (const ChybaVystupu& e) {
            // The steps after the failing one are not run; the busy window and the cursor
            // are already back, and the dialog closes so that the print ends.
            Hlaseni(e.zprava(), Ikona::Stop, this);
        }
    }
    m_ulozene.uloz();
    m_sestava = nullptr;
    QDialog::done(r);
}

void TForm6::ulozPdfDoDokladu() {
    Relace& relace = m_stav.relace;
    Spojeni& s = relace.spojeni();
    const QString adr = m_stav.adresarProgramu;
    const QString dok = adr + QStringLiteral("data/dok.pdf");
    const QString tag = QString::number(m_druh.tag);
    const QString tmp = QStringLiteral("tmp") + m_stav.CisloPC + QStringLiteral("pdf") + tag;
    const bool mpDoUlc =
        IniSoubor(adr + QStringLiteral("smesi.ini"))
            .cti(QStringLiteral("TFmozno"), QStringLiteral("suiCheckBoxMPdoULC_Checked"),
                 QStringLiteral("False")) == QLatin1String("True");

    // Whatever step fails, "zpět" comes back, the SQL log is on again as it was, and the
    // scratch table and file are gone.
    const bool logZapnut = relace.log().jeZapnuto();
    bool uklizeno = false;
    struct Uklid {
        std::function<void()> f;
        ~Uklid() { f(); }
    } uklid{[&] {
        relace.log().zapni(logZapnut);
        m_zpet->setEnabled(true);
        if (!uklizeno) {
            if (s.jePripojeno())
                s.proved(QStringLiteral("DROP TABLE IF EXISTS ") + tmp);
            QFile::remove(dok);
        }
    }};

    m_zpet->setEnabled(false);
    {
        Pracuji pracuji(this, QStringLiteral("Kavlin05 - odesílám doklad PDF"));
        KurzorCekani kurzor;
        m_stav.ZapisSled(692);
        QDir().mkpath(adr + QStringLiteral("data"));
        OrbeluExport(*m_sestava, dok);
        m_stav.ZapisSled(693);

        Proved(s, QStringLiteral("DROP TABLE IF EXISTS ") + tmp);
        Proved(s, QStringLiteral("CREATE TABLE ") + tmp + QLatin1Char('\n') +
                      QStringLiteral(" select * from doklady limit 0,0"));
        m_stav.ZapisSled(694);

        QFile f(dok);
        if (!f.open(QIODevice::ReadOnly))
            throw ChybaVystupu(QStringLiteral("Nelze číst soubor ") +
                               QDir::toNativeSeparators(dok) + QStringLiteral(": ") +
                               f.errorString());
        const QByteArray obsah = f.readAll();
        f.close();
        // The PDF travels as a bound parameter, and the log is off meanwhile.
        relace.log().zapni(false);
        const bool zapsano = s.provedSBinarnim(
            QStringLiteral("insert into ") + tmp +
                QStringLiteral(" (typ, cislodokladu, objednavka, popis, obsah)\n values (") + tag +
                QStringLiteral(", ") + SqlText(m_cisloDokladu) + QStringLiteral(", ") +
                SqlText(Objednavka) + QStringLiteral(", ") + SqlText(m_druh.popis) +
                QStringLiteral(", ?)"),
            obsah);
        relace.log().zapni(logZapnut);
        if (!zapsano)
            throw ChybaVystupu(s.chyba());
        m_stav.ZapisSled(695);

        const QString vlozeni = QStringLiteral("insert into doklady \n select * from ") + tmp;
        Proved(s, QStringLiteral("delete from doklady\n where typ = ") + tag +
                      QStringLiteral("\n and cislodokladu = ") + SqlText(m_cisloDokladu));
        Proved(s, vlozeni);

        if (m_druh.tag == 20 && mpDoUlc && OdeslanoUKZUZ) {
            // The protocol is filed once more among the ULČ documents of the lot.
            const QString klic =
                QStringLiteral("mp") + m_cisloDokladu + QLatin1Char('-') + m_stav.podnik;
            Proved(s, QStringLiteral("update ") + tmp + QStringLiteral(" set typ = 19,") +
                          QStringLiteral(" cislodokladu = ") + SqlText(klic) +
                          QStringLiteral(", popis = ") +
                          SqlText(QStringLiteral("ULC míchací proto")));
            Proved(s, QStringLiteral("delete from doklady\n where typ = 19\n and cislodokladu = ") +
                          SqlText(klic));
            Proved(s, vlozeni);
        }
        Proved(s, QStringLiteral("DROP TABLE IF EXISTS ") + tmp);
        m_stav.ZapisSled(696);
        QFile::remove(dok);
        uklizeno = true;
    }
    m_stav.ZapisSled(697);
}
