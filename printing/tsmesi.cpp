#include "tsmesi.h"

#include "dotaz.h"
#include "formaty.h"
#include "hodiny.h"
#include "hodnoty.h"
#include "ini.h"
#include "tform6.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>

namespace {
const QString MaskaCeny = QStringLiteral("## ### ###.00");
const QColor Namornicka(0, 0, 128);

// The small mark at the right of the footer: three seeds on a stalk, drawn once at a
// resolution that stays sharp in print.
QImage ZnackaPaticky() {
    QImage img(240, 80, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor zelena(46, 110, 52);
    p.setPen(QPen(zelena, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 74), QPointF(40, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(zelena);
    for (int i = 0; i < 3; ++i) {
        const double y = 22 + i * 18;
        p.save();
        p.translate(40, y);
        p.rotate(-35);
        p.drawEllipse(QPointF(-14, 0), 14, 6);
        p.restore();
        p.save();
        p.translate(40, y + 8);
        p.rotate(35);
        p.drawEllipse(QPointF(14, 0), 14, 6);
        p.restore();
    }
    QFont f(RodinaPisma(QStringLiteral("Arial")));
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.setPen(zelena);
    p.drawText(QRectF(76, 14, 164, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("K05"));
    return img;
}
} // namespace

QStringList DotazTiskuSM(const QString& cislodokla) {
    return {QStringLiteral("select smesi.*,"),
            QStringLiteral(" strtopc.NAZEVSTR"),
            QStringLiteral(" from smesi"),
            QStringLiteral(" LEFT JOIN strtopc"),
            QStringLiteral(" ON (smesi.stredisko=strtopc.stred)"),
            QStringLiteral(" where smesi.cislodokla = ") + SqlText(cislodokla),
            QStringLiteral(" order by smesi.smes DESC,smesi.id")};
}

QStringList DotazPaletRadku(const QString& cislodokla, const QString& partiecela, qint64 lomeni) {
    return {QStringLiteral("select * from smesipa"),
            QStringLiteral(" where cislodokla = ") + SqlText(cislodokla),
            QStringLiteral(" AND partiecela = ") + SqlText(partiecela),
            QStringLiteral(" AND lomeni = ") + SqlCislo(lomeni)};
}

Desetinne HodnotaRadku(Desetinne nc, Desetinne mnozstvi) {
    // The product of two four-decimal numbers has eight decimals; rounding it to four
    // first and then to two could round a half twice.
    const __int128 soucin = static_cast<__int128>(nc.desetitisiciny()) * mnozstvi.desetitisiciny();
    const __int128 krok = 1000000; // 10^-8 → 10^-2
    const __int128 a = soucin < 0 ? -soucin : soucin;
    __int128 setiny = (a + krok / 2) / krok;
    if (soucin < 0)
        setiny = -setiny;
    return Desetinne::zDesetitisicin(static_cast<std::int64_t>(setiny * 100));
}

QString TextLomeni(const QString& podnik, const QString& lomeni) {
    return podnik.isEmpty() ? QStringLiteral("   ") : QStringLiteral(" /") + lomeni;
}

RadkyNazvu NazevRadku(bool jmenoOsiva, const QString& nazevosiva, const QString& nazDru,
                      const QString& nazOdru, const QString& stupen) {
    if (jmenoOsiva)
        return {nazevosiva, QString()};
    return {nazDru, nazOdru + QStringLiteral("  ") + stupen};
}

QString PolozkaPalety(const QString& misto, qint64 cislo, qint64 pocet, Desetinne vahao1,
                      const QString& mj, Desetinne zbytek, int kontejneryDO) {
    QString s = misto + QStringLiteral("  (");
    if (cislo > kontejneryDO)
        s += QString::number(pocet) + QStringLiteral(" x ") + TextProsty(vahao1) +
             QLatin1Char(' ') + mj;
    if (!zbytek.jeNula())
        s += QStringLiteral(" + ") + TextProsty(zbytek) + mj;
    s += QStringLiteral(") č. ") + QString::number(cislo);
    return s.leftJustified(45, QLatin1Char(' '));
}

QStringList RadkyPalet(const QStringList& polozky) {
    QStringList radky;
    QString radek;
    for (qsizetype i = 0; i < polozky.size(); ++i) {
        radek += polozky[i];
        if (i % 3 == 2) {
            radky << QStringLiteral("Palety: ") + radek;
            radek.clear();
        }
    }
    if (!radek.isEmpty())
        radky << radek;
    return radky;
}

TfTsmesi::TfTsmesi(StavProgramu& stav, Vysledek data) : m_stav(stav), m_data(std::move(data)) {
    vytvorRozvrzeni();
}

QString TfTsmesi::pole(const QString& jmeno) const {
    return m_data.text(m_sestava.zaznam(), jmeno);
}

void TfTsmesi::vytvorRozvrzeni() {
    Sestava& s = m_sestava;
    s.nazev = QStringLiteral("Míchací protokol");
    s.orientace = QPageLayout::Portrait;
    s.okrajeMm = QMarginsF(10, 10, 10, 10);
    s.sloupcu = 1;
    const double W = s.plocha().width();

    s.priZacatku = [this] { zacatekBehu(); };
    s.pocetZaznamu = [this] { return m_data.pocetRadku(); };

    Pasmo h;
    h.vyska = 24;
    h.pridej(Text(QStringLiteral("QRLabelProtokol"), {0, 2, 70, 18}, P(10), Qt::AlignLeft,
                  QStringLiteral("Protokol")));
    h.pridej(Text(QStringLiteral("QRDBTextCisloH"), {70, 2, 200, 18}, P(10, true)));
    // From the second page on only: the first carries the title.
    h.predTiskem = [this](Pasmo& b) {
        if (m_sestava.strana() == 1)
            return false;
        b.prvek(QStringLiteral("QRDBTextCisloH")).text =
            m_data.text(0, QStringLiteral("cislodokla"));
        return true;
    };
    s.hlavicka = std::move(h);

    Pasmo t;
    t.vyska = 136;
    t.pridej(Obrazek(QStringLiteral("QRImageLogo"), {0, 0, 200, 100}));
    Prvek nadpis = Text(QStringLiteral("QRLabelNadpis"), {0, 6, W, 34}, P(18, true),
                        Qt::AlignHCenter, QStringLiteral("Míchací protokol"));
    nadpis.pismo.barva = Namornicka;
    t.pridej(nadpis);
    t.pridej(Text(QStringLiteral("QRDBTextCislo"), {0, 42, W, 22}, P(12, true), Qt::AlignHCenter));
    const double xr = W - 214;
    t.pridej(Ramecek(QStringLiteral("QRShapeBox"), {xr, 0, 210, 82}, QColor(160, 160, 160)));
    t.pridej(Text(QStringLiteral("QRLabelStr"), {xr + 8, 8, 62, 14}, P(8), Qt::AlignLeft,
                  QStringLiteral("Stř. ČSO")));
    t.pridej(Text(QStringLiteral("QRDBTextStredisko"), {xr + 72, 5, 130, 18}, P(10, true)));
    t.pridej(Text(QStringLiteral("QRLabelDatum"), {xr + 8, 30, 62, 14}, P(8), Qt::AlignLeft,
                  QStringLiteral("Datum")));
    t.pridej(Text(QStringLiteral("QRDBTextDatum"), {xr + 72, 27, 130, 18}, P(10, true)));
    t.pridej(Text(QStringLiteral("QRDBTextNazevStr"), {xr + 8, 54, 194, 18}, P(10)));
    const double yz = 112;
    t.pridej(Text(QStringLiteral("QRLabelPartie"), {14, yz, 120, 14}, P(8), Qt::AlignLeft,
                  QStringLiteral("Partie")));
    t.pridej(Text(QStringLiteral("QRLabelNomenklatura"), {166, yz, 90, 14}, P(8), Qt::AlignLeft,
                  QStringLiteral("Nomenklatura")));
    t.pridej(Text(QStringLiteral("QRLabelNazev"), {268, yz, 134, 14}, P(8), Qt::AlignLeft,
                  QStringLiteral("Název")));
    t.pridej(Text(QStringLiteral("QRLabelMnozstvi"), {404, yz, 80, 14}, P(8), Qt::AlignRight,
                  QStringLiteral("Množství")));
    t.pridej(Text(QStringLiteral("QRLabelProcent"), {512, yz, 70, 14}, P(8), Qt::AlignRight,
                  QStringLiteral("%")));
    t.pridej(Text(QStringLiteral("QRLabelCena"), {588, yz, W - 588, 14}, P(8), Qt::AlignRight,
                  QStringLiteral("Nákupní cena")));
    t.pridej(Cara(QStringLiteral("QRShapeCaraZahlavi"), {0, 130}, {W, 130}));
    t.predTiskem = [this](Pasmo& b) { return titulPredTiskem(b); };
    s.titul = std::move(t);

    Pasmo d;
    d.vyska = 61;
    d.pridej(Text(QStringLiteral("QRDBTextSmes"), {0, 2, 12, 16}, P(10)));
    d.pridej(Text(QStringLiteral("QRDBTextPartie"), {14, 3, 122, 15}, P(9, true)));
    d.pridej(Text(QStringLiteral("QRExprLomeni"), {134, 3, 30, 15}, P(9, true)));
    d.pridej(Text(QStringLiteral("QRDBTextNomenkla"), {166, 3, 90, 15}, P(9)));
    d.pridej(Text(QStringLiteral("QRLabelNazev1"), {268, 3, 134, 15}, P(9)));
    d.pridej(Text(QStringLiteral("QRDBTextMnozstvi"), {404, 3, 80, 15}, P(9), Qt::AlignRight));
    d.pridej(Text(QStringLiteral("QRDBTextMj"), {488, 3, 24, 15}, P(9)));
    d.pridej(Text(QStringLiteral("QRDBTextPr"), {512, 3, 70, 15}, P(9), Qt::AlignRight));
    d.pridej(Text(QStringLiteral("QRDBTextNc"), {588, 3, W - 588, 15}, P(9), Qt::AlignRight));
    d.pridej(Text(QStringLiteral("QRDBTextPopis"), {14, 19, 242, 15}, P(9)));
    d.pridej(Text(QStringLiteral("QRLabelNazev2"), {268, 19, 216, 15}, P(9)));
    d.pridej(Text(QStringLiteral("QRLabelHodnota"), {588, 20, W - 588, 14}, P(8), Qt::AlignRight));
    d.pridej(Text(QStringLiteral("QRLabelULC"), {14, 35, 250, 13},
                  P(8, false, false, QStringLiteral("Arial"))));
    d.pridej(Memo(QStringLiteral("QRMemoPalety"), {14, 48, W - 14, 36}, P(8, false, true),
                  /*zalamovat=*/false, /*roztahovat=*/true));
    d.predTiskem = [this](Pasmo& b) { return detailPredTiskem(b); };
    s.detail = std::move(d);

    Pasmo su;
    su.vyska = 64;
    su.pridej(Ramecek(QStringLiteral("QRShapeCelkem"), {0, 8, W, 28}));
    su.pridej(Text(QStringLiteral("QRLabelCelkem"), {8, 14, 120, 16}, P(9), Qt::AlignLeft,
                   QStringLiteral("Celkem Kč")));
    su.pridej(
        Text(QStringLiteral("QRLabelCelkemKc"), {400, 14, W - 408, 16}, P(9), Qt::AlignRight));
    su.pridej(Text(QStringLiteral("QRLabelVytisteno"), {0, 44, 56, 14}, P(8), Qt::AlignLeft,
                   QStringLiteral("Vytištěno:")));
    su.pridej(Text(QStringLiteral("QRSysDataCas"), {58, 44, 200, 14}, P(8)));
    su.predTiskem = [this](Pasmo& b) { return souhrnPredTiskem(b); };
    s.souhrn = std::move(su);

    Pasmo pa;
    pa.vyska = 30;
    pa.pridej(Cara(QStringLiteral("QRShapeCaraPaticka"), {0, 4}, {W, 4}, 0.5));
    pa.pridej(Text(QStringLiteral("QRLabelImpresum"), {0, 9, W - 80, 12}, P(7)));
    Prvek znacka = Obrazek(QStringLiteral("QRImagePaticka"), {W - 60, 8, 60, 20}, ZnackaPaticky());
    znacka.prizpusobit = true;
    pa.pridej(znacka);
    pa.predTiskem = [this](Pasmo& b) {
        b.prvek(QStringLiteral("QRLabelImpresum")).text =
            QStringLiteral("Kavlin05 - směsi ") + VerzeProgramu() +
            QStringLiteral("   ·   míchací protokol ") +
            m_data.text(0, QStringLiteral("cislodokla")) + QStringLiteral("   ·   strana ") +
            QString::number(m_sestava.strana());
        return true;
    };
    s.paticka = std::move(pa);
}

void TfTsmesi::zacatekBehu() {
    m_celkemKc = Desetinne();
    m_jmenoOsiva = IniSoubor(m_stav.adresarProgramu + QStringLiteral("smesi.ini"))
                       .cti(QStringLiteral("TForm3"), QStringLiteral("suiCheckBox1_Checked")) ==
                   QLatin1String("True");
    Prvek& logo = m_sestava.titul->prvek(QStringLiteral("QRImageLogo"));
    // The logo is the workstation's own file in the working directory; without it the
    // title prints without a picture.
    logo.obrazek =
        QFile::exists(QStringLiteral("logo.bmp")) ? QImage(QStringLiteral("logo.bmp")) : QImage();
}

bool TfTsmesi::titulPredTiskem(Pasmo& b) {
    // The title's fields show the first row, the mixture's own.
    b.prvek(QStringLiteral("QRDBTextCislo")).text = m_data.text(0, QStringLiteral("cislodokla"));
    b.prvek(QStringLiteral("QRDBTextStredisko")).text = m_data.text(0, QStringLiteral("stredisko"));
    const QDate datum = m_data.datum(0, QStringLiteral("datum"));
    b.prvek(QStringLiteral("QRDBTextDatum")).text =
        datum.isValid() ? datum.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    b.prvek(QStringLiteral("QRDBTextNazevStr")).text = m_data.text(0, QStringLiteral("NAZEVSTR"));
    return true;
}

bool TfTsmesi::detailPredTiskem(Pasmo& b) {
    const int r = m_sestava.zaznam();
    const Desetinne hodnota = HodnotaRadku(m_data.cislo(r, QStringLiteral("nc")),
                                           m_data.cislo(r, QStringLiteral("mnozstvi")));
    if (pole(QStringLiteral("smes")) == QLatin1String("1"))
        m_celkemKc += hodnota;
    else
        m_celkemKc -= hodnota;

    b.prvek(QStringLiteral("QRDBTextSmes")).text = pole(QStringLiteral("smes"));
    b.prvek(QStringLiteral("QRDBTextPartie")).text = pole(QStringLiteral("partiecela"));
    b.prvek(QStringLiteral("QRExprLomeni")).text =
        TextLomeni(pole(QStringLiteral("podnik")), pole(QStringLiteral("lomeni")));
    b.prvek(QStringLiteral("QRDBTextNomenkla")).text = pole(QStringLiteral("nomenkla"));
    b.prvek(QStringLiteral("QRDBTextMnozstvi")).text =
        TextProsty(m_data.cislo(r, QStringLiteral("mnozstvi")));
    b.prvek(QStringLiteral("QRDBTextMj")).text = pole(QStringLiteral("mj"));
    b.prvek(QStringLiteral("QRDBTextPr")).text = TextProsty(m_data.cislo(r, QStringLiteral("pr")));
    b.prvek(QStringLiteral("QRDBTextNc")).text =
        TextMaskou(m_data.cislo(r, QStringLiteral("nc")), MaskaCeny);
    b.prvek(QStringLiteral("QRDBTextPopis")).text = pole(QStringLiteral("popis"));
    b.prvek(QStringLiteral("QRLabelHodnota")).text = TextSOddelovaci(hodnota, 2);
    const RadkyNazvu n = NazevRadku(
        m_jmenoOsiva, pole(QStringLiteral("nazevosiva")), pole(QStringLiteral("naz_dru")),
        pole(QStringLiteral("naz_odru")), pole(QStringLiteral("stupen")));
    b.prvek(QStringLiteral("QRLabelNazev1")).text = n.prvni;
    b.prvek(QStringLiteral("QRLabelNazev2")).text = n.druhy;
    b.prvek(QStringLiteral("QRLabelULC")).text.clear();

    b.vyska = 61;
    Prvek& memo = b.prvek(QStringLiteral("QRMemoPalety"));
    memo.text.clear();
    if (!m_stav.PaletyStrediska)
        return true;
    b.vyska = 85;
    Vysledek palety;
    Spojeni& s = m_stav.relace.spojeni();
    if (!s.proved(DotazPaletRadku(pole(QStringLiteral("cislodokla")),
                                  pole(QStringLiteral("partiecela")),
                                  m_data.cele(r, QStringLiteral("lomeni")))
                      .join(QLatin1Char('\n')),
                  &palety)) {
        m_sestava.nastavChybu(s.chyba());
        return false;
    }
    QStringList polozky;
    for (int i = 0; i < palety.pocetRadku(); ++i)
        polozky << PolozkaPalety(
            palety.text(i, QStringLiteral("misto")), palety.cele(i, QStringLiteral("cislo")),
            palety.cele(i, QStringLiteral("pocet")), palety.cislo(i, QStringLiteral("vahao1")),
            palety.text(i, QStringLiteral("mj")), palety.cislo(i, QStringLiteral("zbytek")),
            m_stav.kontejnery_DO);
    memo.text = RadkyPalet(polozky).join(QLatin1Char('\n'));
    return true;
}

bool TfTsmesi::souhrnPredTiskem(Pasmo& b) {
    b.prvek(QStringLiteral("QRLabelCelkemKc")).text = TextSOddelovaci(m_celkemKc, 2);
    b.prvek(QStringLiteral("QRSysDataCas")).text =
        Hodiny::ted().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    return true;
}

void TiskSM(StavProgramu& stav, const QString& cislodokla, QWidget* rodic) {
    stav.ZapisSled(501);
    Vysledek data;
    Spojeni& s = stav.relace.spojeni();
    if (!s.proved(DotazTiskuSM(cislodokla).join(QLatin1Char('\n')), &data)) {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop, rodic);
        return;
    }
    TfTsmesi formular(stav, std::move(data));
    {
        TForm6 nahled(stav, 17, cislodokla, formular.sestava(), rodic);
        nahled.Objednavka.clear();
        stav.ZapisSled(502);
        nahled.spust();
        stav.ZapisSled(503);
    }
    stav.ZapisSled(504);
    stav.ZapisSled(505);
}
