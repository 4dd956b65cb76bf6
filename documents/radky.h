#pragma once
// The rules of component lines as plain functions: the full lot number, the totals of the
// lines and the mixture's price.
#include "desetinne.h"

#include <QString>
#include <QStringList>
#include <QVector>

class TabulkaDbf;

// AABBBBBCC with podnik PPPP -> AA-PPPP-BBBBB-CC.
QString PartieCela(const QString& partie, const QString& podnik);

struct RadekSmesi {
    QString partie;
    Desetinne mnozstvi;
    Desetinne pr;
    Desetinne nc;
};
// Lines of lots have a 9-character partie, works a 3-character code.
inline bool JeLot(const RadekSmesi& r) {
    return r.partie.size() == 9;
}

struct SoucetSmesi {
    Desetinne mnozstvi;
    Desetinne pr;
};
// Quantity and percentages over the lot lines (works never count).
SoucetSmesi SoucetRadku(const QVector<RadekSmesi>& radky);
// The mixture's purchase price: the value of every counted line (lots, and works too when
// the mixtures are own products) rounded to 2 places, the sum divided by the header's
// quantity and rounded to 2 places; 0 when a counted line has no price or the quantity is 0.
Desetinne CenaSmesi(const QVector<RadekSmesi>& radky, bool SM_vyrobky, Desetinne mnozstviHlavicky);
Desetinne HodnotaRadku(const RadekSmesi& r);

// What a line may take from a card: its balance plus what the document as posted took
// from the same lot.
Desetinne UvolnitelneMnozstvi(Desetinne zustatek, Desetinne puvodneVzato);

// The card of a lot line at the cost centre.
QStringList SqlKartaRadku(const QString& partiecela, qint64 lomeni, const QString& stredisko);

// All records of a work table in order (the lines of a document).
QVector<RadekSmesi> NactiRadky(TabulkaDbf& t);
// Moves the table to its k-th visible record (0-based); false when there is none.
bool NajedNaRadek(TabulkaDbf& t, int k);
