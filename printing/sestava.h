#pragma once
// The band report engine. A report is a page header, a title on the first page, one
// detail band per record, a summary after the last record and a page footer, laid out in
// units of 96 to the inch on A4. Before-print hooks fill and size the bands from the data;
// the same run draws the preview, the printer's pages and the PDF, and every run starts
// from the data again, so each copy shows what the preview showed.
#include <QColor>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPainter;

constexpr double JednotekNaPalec = 96.0;
double MmNaJednotky(double mm);

// The installed family that stands in for one the layouts name: Tahoma by DejaVu Sans
// Condensed (then DejaVu Sans), Arial by Liberation Sans, which has Arial's metrics.
QString RodinaPisma(const QString& rodina);

struct Pismo {
    double body = 10;
    bool tucne = false;
    bool kurziva = false;
    QString rodina = QStringLiteral("Tahoma");
    QColor barva = QColor(Qt::black);
};
inline Pismo P(double body, bool tucne = false, bool kurziva = false,
               const QString& rodina = QStringLiteral("Tahoma")) {
    Pismo p;
    p.body = body;
    p.tucne = tucne;
    p.kurziva = kurziva;
    p.rodina = rodina;
    return p;
}

enum class DruhPrvku { Text, Memo, Ramecek, Cara, Obrazek };

struct Prvek {
    QString jmeno;
    DruhPrvku druh = DruhPrvku::Text;
    QRectF misto; // relative to the band's (or column's) top left corner
    Pismo pismo;
    QString text; // a memo's lines are separated by '\n'
    Qt::Alignment zarovnani = Qt::AlignLeft;
    bool zalamovat = false;  // memo: wrap words at the element's width
    bool roztahovat = false; // memo: the band grows when its lines need more room
    bool viditelny = true;
    int otoceni = 0; // 90: the text runs from bottom to top (an imprint along an edge)
    double tloustka = 1;
    QColor barvaCary = QColor(Qt::black);
    QColor vypln; // invalid: not filled
    QColor stin;  // invalid: no shadow
    double posunStinu = 4;
    QImage obrazek;           // drawn at its own size (96 to the inch), clipped to its place
    bool prizpusobit = false; // picture scaled into its place, keeping its proportions
};

Prvek Text(const QString& jmeno, QRectF misto, Pismo pismo, Qt::Alignment zarovnani = Qt::AlignLeft,
           const QString& text = {});
Prvek Memo(const QString& jmeno, QRectF misto, Pismo pismo, bool zalamovat, bool roztahovat);
Prvek Ramecek(const QString& jmeno, QRectF misto, QColor stin = {}, double tloustka = 1);
Prvek Cara(const QString& jmeno, QPointF od, QPointF po, double tloustka = 1);
Prvek Obrazek(const QString& jmeno, QRectF misto, const QImage& obrazek = {});

struct Pasmo {
    double vyska = 0;
    QList<Prvek> prvky;
    // Runs before the band is laid out; false leaves the band out (no room taken).
    std::function<bool(Pasmo&)> predTiskem;

    Prvek& pridej(Prvek p);
    // The element of that name; a name that the layout lacks is a programming error.
    Prvek& prvek(const QString& jmeno);
};

class Sestava {
public:
    QString nazev; // the PDF's title
    QPageLayout::Orientation orientace = QPageLayout::Portrait;
    QMarginsF okrajeMm{10, 10, 10, 10};
    int sloupcu = 1;
    double mezeraSloupcu = 0; // units

    std::optional<Pasmo> hlavicka; // every page (its hook may leave it out, e.g. on page 1)
    std::optional<Pasmo> titul;    // first page, under the page header
    std::optional<Pasmo> detail;   // once per record; in columns top to bottom, then across
    std::optional<Pasmo> souhrn;   // after the last record
    std::optional<Pasmo> paticka;  // at the bottom of every page

    std::function<void()> priZacatku;  // start of every run: totals back to zero
    std::function<int()> pocetZaznamu; // records for the detail band, asked at each start

    // One run onto the device, copies times (each copy a run of its own, on new pages).
    // Answers the number of pages of one copy, or -1 when the run failed (chyba()).
    int tiskni(QPagedPaintDevice& zarizeni, int kopii = 1);

    // During a run: the page being made (from 1) and the current record (from 0).
    int strana() const { return m_strana; }
    int zaznam() const { return m_zaznam; }
    // A hook that cannot get its data ends the run with the error's own message.
    void nastavChybu(const QString& chyba);
    const QString& chyba() const { return m_chyba; }

    QSizeF velikostStrany() const; // units
    QRectF plocha() const;         // inside the margins, units
    double sirkaSloupce() const;

private:
    class Beh;
    friend class Beh;
    int m_strana = 0;
    int m_zaznam = 0;
    QString m_chyba;
};
