#pragma once
// Documents for the posting tests, written into the work tables as the editor leaves them:
// the header record, component and work lines, packaging lines and pallet withdrawals.
#include "desetinne.h"

#include <QDate>
#include <QString>

class PracovniTabulky;
class TabulkaDbf;

// A row of smesi as it sits in "smesi20.dbf", "smesi.dbf" or "smesi10.dbf".
struct RadekDokladu {
    QString cislodokla;
    QString rokd;
    QString stredisko;
    QString partie;
    QString podnik = QStringLiteral("0126");
    qint64 lomeni = 0;
    QString partiecela;
    QString nomenkla;
    QString nazevosiva;
    Desetinne mnozstvi;
    QString mj = QStringLiteral("kg");
    Desetinne pr;
    Desetinne nc;
    Desetinne pc;
    QDate datum;
    QString ulc;
    QString smes = QStringLiteral("0");
    QString druh;
    QString odruda;
    QString stupen;
    QString naz_dru;
    QString naz_odru;
    QString popis;
    QString cinnost;
    QString jazyk = QStringLiteral("C");
};

// A row of smesiobal ("smesiob.dbf").
struct ObalDokladu {
    QString stredisko;
    QString nomenkla;
    QString nazevosiva;
    Desetinne mnozstvi;
    QString mj = QStringLiteral("kg");
    Desetinne poceto;
    Desetinne vahao1;
    Desetinne vahao1kg;
    QString druh;
    QString odruda;
    QString stupen;
    QString naz_dru;
    QString naz_odru;
    QString navesky;
    QString cislopv9;
};

// A row of smesipa ("smepal.dbf", "smepal10.dbf").
struct PaletaDokladu {
    qint64 cislo = 0;
    QString partiecela;
    qint64 lomeni = 0;
    QString stredisko;
    QString misto;
    qint64 pocet = 0;
    Desetinne vahao1;
    QString mj = QStringLiteral("kg");
    Desetinne celkem;
    Desetinne zbytek;
    Desetinne zustatek;
    QDate datumbal;
};

// The six work tables created in the tables' data directory with the structures the
// server's smesi, smesiobal and smesipa give them (widths of sql/suite.sql), for tests
// that run without a server. Answers an error text, empty on success.
QString VytvorBezServeru(PracovniTabulky& t);

// Appends one record and posts it; answers an error text, empty on success.
QString Pridej(TabulkaDbf& t, const RadekDokladu& r);
QString Pridej(TabulkaDbf& t, const ObalDokladu& o);
QString Pridej(TabulkaDbf& t, const PaletaDokladu& p);
