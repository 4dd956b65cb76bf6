#pragma once
// The rules of opening a posted document for correction, as plain functions.
#include "desetinne.h"

#include <QString>
#include <QStringList>
#include <QVector>

enum class Zauctovani { Ne, Uctuje, Zauctovan };
// By the header's datumzauct as "yyyy-mm-dd" text: after 2002-11-11 posted, after
// 1900-01-01 being posted, otherwise (also none) not posted.
Zauctovani StavZauctovani(const QString& datumzauct);
QString ZpravaZauctovani(Zauctovani z);

struct PohybPartie {
    QString doklad;
    QString cislodokla;
    QString datumzauct; // as the server sends it; "" for none
    Desetinne nc;
};

struct KontrolaOpravy {
    int StavZapisu = 0;
    QString zprava; // empty: no refusal
};

// The later movements of the mixed lot by SM_JAKNC; the scan ends at the first refusal.
KontrolaOpravy KontrolaPohybu(const QVector<PohybPartie>& pohyby, int SM_JAKNC, Desetinne ncDokladu,
                              int stavZapisu);

// The stock cards offered for components.
QStringList SqlNactiSkl(const QString& stredisko, bool iKalkulace, bool iNeuznane);
// ObalKarty of the mixture's stock card.
QStringList SqlObalKarty(const QString& partiecela, qint64 lomeni, const QString& stredisko);

// The stock-card module's command lines, as arguments after the program name.
QStringList ArgumentyKarty(const QString& stredisko, const QString& partiecela,
                           const QString& lomeni);
QStringList ArgumentyHistorie(const QString& partiecela, const QString& lomeni,
                              const QString& partie, const QString& nazevosiva,
                              const QString& stredisko);
// The same as one command line: every part in double quotes, separated by single blanks.
QString PrikazovyRadek(const QString& program, const QStringList& argumenty);
