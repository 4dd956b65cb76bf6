#pragma once
// The printed mixture document ("Míchací protokol", report kind 17): the mixture lot and
// every component lot with quantity, share, purchase price and value, the total value,
// and the pallets each lot was taken from where the cost centre keeps pallets.
#include "desetinne.h"
#include "sestava.h"
#include "stavprogramu.h"
#include "vysledek.h"

#include <QString>
#include <QStringList>

class QWidget;

// The lines of the document query: the rows of one document, header first.
QStringList DotazTiskuSM(const QString& cislodokla);
// The lines of the query of one row's pallets.
QStringList DotazPaletRadku(const QString& cislodokla, const QString& partiecela, qint64 lomeni);

// nc × mnozstvi rounded to two decimals, halves away from zero, from the exact product.
Desetinne HodnotaRadku(Desetinne nc, Desetinne mnozstvi);
// " /" and the sub-lot where the row has an enterprise code, otherwise three spaces.
QString TextLomeni(const QString& podnik, const QString& lomeni);

struct RadkyNazvu {
    QString prvni;
    QString druhy;
};
// With the name mode on the seed's name alone; otherwise species, then variety and grade.
RadkyNazvu NazevRadku(bool jmenoOsiva, const QString& nazevosiva, const QString& nazDru,
                      const QString& nazOdru, const QString& stupen);

// One pallet's entry, padded to 45 characters: the count and package weight only for
// pallets numbered above kontejneryDO (the containers have none), the loose rest when
// there is one. Numbers in their plain form.
QString PolozkaPalety(const QString& misto, qint64 cislo, qint64 pocet, Desetinne vahao1,
                      const QString& mj, Desetinne zbytek, int kontejneryDO);
// The memo lines: "Palety: " and three entries per full line, the entries left over on a
// last line of their own.
QStringList RadkyPalet(const QStringList& polozky);

class TfTsmesi {
public:
    // data: the rows of DotazTiskuSM; the report keeps its own copy for every run.
    TfTsmesi(StavProgramu& stav, Vysledek data);
    TfTsmesi(const TfTsmesi&) = delete;
    TfTsmesi& operator=(const TfTsmesi&) = delete;

    Sestava& sestava() { return m_sestava; }
    Desetinne CelkemKc() const { return m_celkemKc; }
    bool JmenoOsiva() const { return m_jmenoOsiva; }

private:
    void vytvorRozvrzeni();
    void zacatekBehu();
    bool titulPredTiskem(Pasmo& p);
    bool detailPredTiskem(Pasmo& p);
    bool souhrnPredTiskem(Pasmo& p);
    QString pole(const QString& jmeno) const; // the current record's field text

    StavProgramu& m_stav;
    Vysledek m_data;
    Sestava m_sestava;
    Desetinne m_celkemKc;
    bool m_jmenoOsiva = false;
};

// Prints the document with that number through the preview dialog (kind 17) and returns
// when the preview has been closed and its PDF filed.
void TiskSM(StavProgramu& stav, const QString& cislodokla, QWidget* rodic);
