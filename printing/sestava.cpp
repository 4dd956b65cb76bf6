#include "sestava.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

double MmNaJednotky(double mm) {
    return mm / 25.4 * JednotekNaPalec;
}

QString RodinaPisma(const QString& rodina) {
    static QHash<QString, QString> nalezene;
    const QString klic = rodina.toLower();
    if (auto it = nalezene.constFind(klic); it != nalezene.constEnd())
        return *it;
    QStringList kandidati;
    if (klic == QLatin1String("tahoma"))
        // Tahoma is a narrow Verdana; DejaVu Sans is Verdana's width, its condensed cut
        // Tahoma's.
        kandidati = {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
                     QStringLiteral("DejaVu Sans")};
    else if (klic.startsWith(QLatin1String("arial")))
        // "Arial CE" is Arial with the Central European code page: the same letters.
        kandidati = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                     QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    else
        kandidati = {rodina, QStringLiteral("DejaVu Sans")};
    const QStringList instalovane = QFontDatabase::families();
    QString vysledek = rodina;
    for (const QString& k : kandidati) {
        if (instalovane.contains(k, Qt::CaseInsensitive)) {
            vysledek = k;
            break;
        }
    }
    nalezene.insert(klic, vysledek);
    return vysledek;
}

Prvek Text(const QString& jmeno, QRectF misto, Pismo pismo, Qt::Alignment zarovnani,
           const QString& text) {
    Prvek p;
    p.jmeno = jmeno;
    p.druh = DruhPrvku::Text;
    p.misto = misto;
    p.pismo = std::move(pismo);
    p.zarovnani = zarovnani;
    p.text = text;
    return p;
}

Prvek Memo(const QString& jmeno, QRectF misto, Pismo pismo, bool zalamovat, bool roztahovat) {
    Prvek p = Text(jmeno, misto, std::move(pismo));
    p.druh = DruhPrvku::Memo;
    p.zalamovat = zalamovat;
    p.roztahovat = roztahovat;
    return p;
}

Prvek Ramecek(const QString& jmeno, QRectF misto, QColor stin, double tloustka) {
    Prvek p;
    p.jmeno = jmeno;
    p.druh = DruhPrvku::Ramecek;
    p.misto = misto;
    p.stin = stin;
    p.tloustka = tloustka;
    // A shadowed box is filled, or the shadow would show through it.
    if (stin.isValid())
        p.vypln = QColor(Qt::white);
    return p;
}

Prvek Cara(const QString& jmeno, QPointF od, QPointF po, double tloustka) {
    Prvek p;
    p.jmeno = jmeno;
    p.druh = DruhPrvku::Cara;
    p.misto = QRectF(od, po);
    p.tloustka = tloustka;
    return p;
}

Prvek Obrazek(const QString& jmeno, QRectF misto, const QImage& obrazek) {
    Prvek p;
    p.jmeno = jmeno;
    p.druh = DruhPrvku::Obrazek;
    p.misto = misto;
    p.obrazek = obrazek;
    return p;
}

Prvek& Pasmo::pridej(Prvek p) {
    prvky.push_back(std::move(p));
    return prvky.back();
}

Prvek& Pasmo::prvek(const QString& jmeno) {
    for (Prvek& p : prvky)
        if (p.jmeno == jmeno)
            return p;
    qFatal("band element %s missing from the layout", qPrintable(jmeno));
}

void Sestava::nastavChybu(const QString& chyba) {
    if (m_chyba.isEmpty())
        m_chyba = chyba;
}

QSizeF Sestava::velikostStrany() const {
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QSizeF s(MmNaJednotky(mm.width()), MmNaJednotky(mm.height()));
    return orientace == QPageLayout::Landscape ? s.transposed() : s;
}

QRectF Sestava::plocha() const {
    const QSizeF s = velikostStrany();
    return QRectF(QPointF(MmNaJednotky(okrajeMm.left()), MmNaJednotky(okrajeMm.top())),
                  QPointF(s.width() - MmNaJednotky(okrajeMm.right()),
                          s.height() - MmNaJednotky(okrajeMm.bottom())));
}

double Sestava::sirkaSloupce() const {
    const int n = qMax(1, sloupcu);
    return (plocha().width() - (n - 1) * mezeraSloupcu) / n;
}

// One run: the painter, the scale from units to the device's pixels and the position on
// the page.
class Sestava::Beh {
public:
    Beh(Sestava& s, QPagedPaintDevice& z) : m_s(s), m_z(z) {}

    bool zacni() {
        if (!m_p.begin(&m_z)) {
            m_s.nastavChybu(QStringLiteral("Výstup sestavy nelze otevřít."));
            return false;
        }
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.setRenderHint(QPainter::TextAntialiasing);
        m_p.setRenderHint(QPainter::SmoothPixmapTransform);
        m_fx = m_z.logicalDpiX() / JednotekNaPalec;
        m_fy = m_z.logicalDpiY() / JednotekNaPalec;
        return true;
    }
    void skonci() { m_p.end(); }

    bool kopie(bool prvni) {
        if (!prvni)
            m_z.newPage();
        Sestava& s = m_s;
        s.m_strana = 1;
        s.m_zaznam = 0;
        if (s.priZacatku)
            s.priZacatku();
        const int n = s.pocetZaznamu ? s.pocetZaznamu() : 0;
        if (!zacniStranu())
            return false;
        for (int i = 0; i < n; ++i) {
            s.m_zaznam = i;
            if (!s.detail)
                break;
            Pasmo& d = *s.detail;
            if (d.predTiskem && !d.predTiskem(d)) {
                if (!s.m_chyba.isEmpty())
                    return false;
                continue;
            }
            if (!s.m_chyba.isEmpty())
                return false;
            const double h = vyska(d);
            if (m_y + h > m_dno + 0.01 && m_y > m_hornySloupce + 0.01) {
                if (m_sloupec + 1 < qMax(1, s.sloupcu)) {
                    ++m_sloupec;
                    m_y = m_hornySloupce;
                } else if (!dalsiStrana()) {
                    return false;
                }
            }
            kresli(d, s.plocha().left() + m_sloupec * (s.sirkaSloupce() + s.mezeraSloupcu), m_y, h);
            m_y += h;
        }
        if (s.souhrn) {
            Pasmo& su = *s.souhrn;
            if (!su.predTiskem || su.predTiskem(su)) {
                if (!s.m_chyba.isEmpty())
                    return false;
                // The summary spans the page under the lowest column.
                m_y = qMax(m_y, m_nejnize);
                const double h = vyska(su);
                if (m_y + h > m_dno + 0.01 && !dalsiStrana())
                    return false;
                kresli(su, s.plocha().left(), m_y, h);
                m_y += h;
            }
            if (!s.m_chyba.isEmpty())
                return false;
        }
        return zakonciStranu();
    }

    int stran() const { return m_stranJedneKopie; }

private:
    bool zacniStranu() {
        Sestava& s = m_s;
        const QRectF pl = s.plocha();
        m_y = pl.top();
        m_sloupec = 0;
        m_nejnize = m_y;
        if (s.hlavicka) {
            Pasmo& h = *s.hlavicka;
            if (!h.predTiskem || h.predTiskem(h)) {
                const double v = vyska(h);
                kresli(h, pl.left(), m_y, v);
                m_y += v;
            }
        }
        if (s.m_strana == 1 && s.titul) {
            Pasmo& t = *s.titul;
            if (!t.predTiskem || t.predTiskem(t)) {
                const double v = vyska(t);
                kresli(t, pl.left(), m_y, v);
                m_y += v;
            }
        }
        m_hornySloupce = m_y;
        double paticka = 0;
        if (s.paticka)
            paticka = s.paticka->vyska;
        m_dno = pl.bottom() - paticka;
        return s.m_chyba.isEmpty();
    }

    bool zakonciStranu() {
        Sestava& s = m_s;
        if (s.paticka) {
            Pasmo& p = *s.paticka;
            if (!p.predTiskem || p.predTiskem(p))
                kresli(p, s.plocha().left(), s.plocha().bottom() - p.vyska, p.vyska);
        }
        m_stranJedneKopie = qMax(m_stranJedneKopie, s.m_strana);
        return s.m_chyba.isEmpty();
    }

    bool dalsiStrana() {
        if (!zakonciStranu())
            return false;
        m_z.newPage();
        ++m_s.m_strana;
        return zacniStranu();
    }

    QFont font(const Pismo& p) const {
        QFont f(RodinaPisma(p.rodina));
        f.setPointSizeF(p.body);
        f.setBold(p.tucne);
        f.setItalic(p.kurziva);
        // Outlines without hinting measure the same on the screen, the printer and the PDF.
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setStyleStrategy(QFont::PreferOutline);
        return f;
    }

    int priznaky(const Prvek& e) const {
        int f = static_cast<int>(e.zarovnani);
        if (!(e.zarovnani & Qt::AlignVertical_Mask))
            f |= Qt::AlignTop;
        f |= e.zalamovat ? Qt::TextWordWrap : Qt::TextSingleLine;
        return f;
    }

    // The height of a memo's text in units.
    double vyskaTextu(const Prvek& e) const {
        if (e.text.isEmpty())
            return 0;
        QFontMetricsF fm(font(e.pismo), &m_z);
        if (!e.zalamovat)
            return e.text.split(QLatin1Char('\n')).size() * fm.lineSpacing() / m_fy;
        const QRectF r =
            fm.boundingRect(QRectF(0, 0, e.misto.width() * m_fx, 1e7), priznaky(e), e.text);
        return r.height() / m_fy;
    }

    double vyska(const Pasmo& b) const {
        double h = b.vyska;
        for (const Prvek& e : b.prvky)
            if (e.druh == DruhPrvku::Memo && e.roztahovat && e.viditelny)
                h = qMax(h, e.misto.top() + vyskaTextu(e) + 2);
        return h;
    }

    QRectF naZarizeni(const QRectF& r) const {
        return QRectF(r.left() * m_fx, r.top() * m_fy, r.width() * m_fx, r.height() * m_fy);
    }

    void kresli(const Pasmo& b, double x, double y, double h) {
        m_nejnize = qMax(m_nejnize, y + h);
        m_p.save();
        m_p.setClipRect(naZarizeni(QRectF(x, y, m_s.velikostStrany().width() - x, h)));
        for (const Prvek& e : b.prvky) {
            if (e.viditelny)
                kresli(e, e.misto.translated(x, y), h - e.misto.top());
        }
        m_p.restore();
    }

    void kresli(const Prvek& e, const QRectF& misto, double zbyvaVPasmu) {
        const QRectF r = naZarizeni(misto);
        switch (e.druh) {
        case DruhPrvku::Text:
        case DruhPrvku::Memo: {
            if (e.text.isEmpty())
                return;
            m_p.setFont(font(e.pismo));
            m_p.setPen(e.pismo.barva);
            QRectF cil = r;
            if (e.druh == DruhPrvku::Memo && e.roztahovat)
                cil.setHeight(qMax(r.height(), zbyvaVPasmu * m_fy));
            if (e.otoceni == 90) {
                m_p.save();
                m_p.translate(cil.bottomLeft());
                m_p.rotate(-90);
                m_p.drawText(QRectF(0, 0, cil.height(), cil.width()), priznaky(e), e.text);
                m_p.restore();
            } else if (e.druh == DruhPrvku::Memo && !e.zalamovat) {
                // Lines that do not fit are cut at the element's right edge, not wrapped.
                m_p.save();
                m_p.setClipRect(cil, Qt::IntersectClip);
                QFontMetricsF fm(m_p.font(), &m_z);
                double ry = cil.top();
                for (const QString& radek : e.text.split(QLatin1Char('\n'))) {
                    m_p.drawText(QRectF(cil.left(), ry, cil.width(), fm.lineSpacing()), priznaky(e),
                                 radek);
                    ry += fm.lineSpacing();
                }
                m_p.restore();
            } else {
                m_p.drawText(cil, priznaky(e), e.text);
            }
            return;
        }
        case DruhPrvku::Ramecek: {
            const double t = e.tloustka * m_fx;
            if (e.stin.isValid())
                m_p.fillRect(r.translated(e.posunStinu * m_fx, e.posunStinu * m_fy), e.stin);
            if (e.vypln.isValid())
                m_p.fillRect(r, e.vypln);
            QPen pero(e.barvaCary, t);
            pero.setJoinStyle(Qt::MiterJoin);
            m_p.setPen(pero);
            m_p.setBrush(Qt::NoBrush);
            m_p.drawRect(r.adjusted(t / 2, t / 2, -t / 2, -t / 2));
            return;
        }
        case DruhPrvku::Cara:
            m_p.setPen(QPen(e.barvaCary, e.tloustka * m_fx));
            m_p.drawLine(r.topLeft(), r.bottomRight());
            return;
        case DruhPrvku::Obrazek: {
            if (e.obrazek.isNull())
                return;
            QRectF cil;
            if (e.prizpusobit) {
                QSizeF s = QSizeF(e.obrazek.size()).scaled(r.size(), Qt::KeepAspectRatio);
                cil = QRectF(r.topLeft(), s);
            } else {
                // Own size: one pixel of the picture is one layout unit.
                cil = QRectF(r.topLeft(),
                             QSizeF(e.obrazek.width() * m_fx, e.obrazek.height() * m_fy));
            }
            m_p.save();
            m_p.setClipRect(r, Qt::IntersectClip);
            m_p.drawImage(cil, e.obrazek);
            m_p.restore();
            return;
        }
        }
    }

    Sestava& m_s;
    QPagedPaintDevice& m_z;
    QPainter m_p;
    double m_fx = 1, m_fy = 1;
    double m_y = 0, m_dno = 0, m_hornySloupce = 0, m_nejnize = 0;
    int m_sloupec = 0;
    int m_stranJedneKopie = 0;
};

int Sestava::tiskni(QPagedPaintDevice& zarizeni, int kopii) {
    m_chyba.clear();
    m_strana = 0;
    zarizeni.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientace, QMarginsF(0, 0, 0, 0)));
    Beh b(*this, zarizeni);
    if (!b.zacni())
        return -1;
    bool ok = true;
    for (int k = 0; ok && k < qMax(1, kopii); ++k)
        ok = b.kopie(k == 0);
    b.skonci();
    m_strana = 0;
    return ok ? b.stran() : -1;
}
