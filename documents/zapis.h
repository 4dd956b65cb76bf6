#pragma once
// The posting script of a new mixture, built from the work tables as plain functions: the
// numbering, the document's rows with their stock issues, packaging, the audit row,
// pallets, the header row and the mixed lot's new stock card.
#include "desetinne.h"
#include "obalkarty.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

class PracovniTabulky;

struct VstupZapisu {
    int StavZapisu = 0; // 1: a correction that keeps the mixed lot
    QString CisloPC;
    QString stredisko;
    QString podnik; // the enterprise code of the settings (generated ULČ)
    int SM_JAKNC = 0;
    bool SM_vyrobky = true;
    bool PaletyStrediska = false;
    bool potvrzena = false; // "Potvrzená SM"
    bool mpDoUlc = false;   // "suiCheckBoxMPdoULC_Checked"
    QDateTime OdeslanoUKZUZ;
    ObalKarty obalKarty;
    QString UcetniRok;  // kavlin
    int CislovaniD = 0; // kavlin
    QDateTime ted;      // the moment of posting (identification of the audit row)
};

// The document year by the suite's setting: "1" the calendar year, "2" the year from July,
// anything else none.
QString UcetniRokDokladu(const QString& UcetniRok, const QDate& datum);
// The six-digit prefix by the numbering scheme and the cost centre's length; "" otherwise.
QString PrefixCisla(int CislovaniD, const QString& stredisko, const QString& rok);
// "BEGIN;" and the numbering statements that leave the number in @CiDo.
QStringList Novy(const QString& rok, const QString& stredisko, int CislovaniD,
                 const QString& cisloPC);
// The document statements (header NC of an unconfirmed mixture zeroed in the work table).
QStringList ZapisSM(const VstupZapisu& v, PracovniTabulky& t);
// The mixed lot's new stock card.
QStringList ZapisNovSkl(const VstupZapisu& v, PracovniTabulky& t);
// The lot's new data written into every later document of the suite (a kept lot).
QStringList ZapisNaDoklady(PracovniTabulky& t);
// The correction: the posted document reversed from the untouched copies, then written
// again under its number and year; "BEGIN;" … "COMMIT;".
QStringList Oprava(const VstupZapisu& v, PracovniTabulky& t);
// The whole script of a new document, "BEGIN;" … "COMMIT;".
QStringList SkriptNovehoDokladu(const VstupZapisu& v, PracovniTabulky& t);
// Whether the lot has a stock card at any cost centre.
QString SqlExistencePartie(const QString& partiecela, qint64 lomeni);
// Whether a failed posting statement is the new stock card of a lot that another
// workstation has just given a card (the unique key of the cards).
bool JePartieZalozenaJinde(unsigned kod, const QString& prikaz);
