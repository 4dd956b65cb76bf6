#include "dokladtest.h"

#include "dbf.h"
#include "pracovnitabulky.h"

#include <QVector>

namespace {
DefinicePole Znaky(const char* jmeno, int delka) {
    return {QString::fromLatin1(jmeno), TypDbf::Znak, delka, 0};
}
DefinicePole Cislo(const char* jmeno) {
    return {QString::fromLatin1(jmeno), TypDbf::Cislo, DbfSirkaCisla, DbfDesetinCisla};
}
DefinicePole Cele(const char* jmeno) {
    return {QString::fromLatin1(jmeno), TypDbf::Cislo, DbfMinSirkaCeleho, 0};
}
DefinicePole Datum(const char* jmeno) {
    return {QString::fromLatin1(jmeno), TypDbf::Datum, 8, 0};
}

QVector<DefinicePole> PoleSmesi() {
    return {Znaky("CISLODOKLA", 10),
            Znaky("ROKD", 4),
            Znaky("STREDISKO", 3),
            Znaky("PARTIE", 9),
            Znaky("PODNIK", 4),
            Cele("LOMENI"),
            Znaky("PARTIECELA", 16),
            Znaky("NOMENKLA", 12),
            Znaky("NAZEVOSIVA", 28),
            Cislo("MNOZSTVI"),
            Znaky("MJ", 3),
            Cislo("PR"),
            Cislo("NC"),
            Cislo("PC"),
            Datum("DATUM"),
            Znaky("ULC", 20),
            Znaky("SMES", 1),
            Znaky("DRUH", 4),
            Znaky("ODRUDA", 5),
            Znaky("STUPEN", 3),
            Znaky("NAZ_DRU", 40),
            Znaky("NAZ_ODRU", 40),
            Znaky("POPIS", 40),
            Znaky("CINNOST", 22),
            Znaky("JAZYK", 1),
            Cele("POTVRZENA")};
}
QVector<DefinicePole> PoleObalu() {
    return {Znaky("CISLODOKLA", 10), Znaky("STREDISKO", 3), Znaky("NOMENKLA", 12),
            Znaky("NAZEVOSIVA", 28), Cislo("MNOZSTVI"),     Znaky("MJ", 3),
            Cislo("POCETO"),         Cislo("VAHAO1"),       Cislo("VAHAO1KG"),
            Znaky("DRUH", 4),        Znaky("ODRUDA", 5),    Znaky("STUPEN", 3),
            Znaky("NAZ_DRU", 40),    Znaky("NAZ_ODRU", 40), Znaky("NAVESKY", 70),
            Znaky("CISLOPV9", 10)};
}
QVector<DefinicePole> PolePalet() {
    return {Znaky("CISLODOKLA", 10), Cele("CISLO"),      Znaky("PARTIECELA", 16), Cele("LOMENI"),
            Znaky("STREDISKO", 3),   Znaky("MISTO", 15), Cele("POCET"),           Cislo("VAHAO1"),
            Znaky("MJ", 3),          Cislo("CELKEM"),    Cislo("ZBYTEK"),         Cislo("ZUSTATEK"),
            Datum("DATUMBAL"),       Datum("PPOHYB")};
}

QString Chyba(TabulkaDbf& t) {
    const QString c = t.chyba().isEmpty() ? QStringLiteral("zápis do tabulky selhal") : t.chyba();
    t.zrus();
    return c;
}

bool T(TabulkaDbf& t, const char* pole, const QString& hodnota) {
    return t.nastavText(QString::fromLatin1(pole), hodnota);
}
bool C(TabulkaDbf& t, const char* pole, Desetinne hodnota) {
    return t.nastavCislo(QString::fromLatin1(pole), hodnota);
}
bool I(TabulkaDbf& t, const char* pole, qint64 hodnota) {
    return t.nastavCele(QString::fromLatin1(pole), hodnota);
}
bool D(TabulkaDbf& t, const char* pole, const QDate& hodnota) {
    return t.nastavDatum(QString::fromLatin1(pole), hodnota);
}
} // namespace

QString VytvorBezServeru(PracovniTabulky& t) {
    struct Tvorba {
        TabulkaDbf& tabulka;
        QLatin1String soubor;
        QVector<DefinicePole> pole;
    } tvorba[] = {
        {t.hlavicka(), SouborHlavicky, PoleSmesi()},
        {t.radky(), SouborRadku, PoleSmesi()},
        {t.puvodniRadky(), SouborPuvodnichRadku, PoleSmesi()},
        {t.obaly(), SouborObalu, PoleObalu()},
        {t.palety(), SouborPalet, PolePalet()},
        {t.puvodniPalety(), SouborPuvodnichPalet, PolePalet()},
    };
    for (Tvorba& x : tvorba)
        if (!x.tabulka.vytvor(t.cesta(x.soubor), x.pole))
            return x.tabulka.chyba();
    return {};
}

QString Pridej(TabulkaDbf& t, const RadekDokladu& r) {
    const bool ok =
        t.pridej() && T(t, "CISLODOKLA", r.cislodokla) && T(t, "ROKD", r.rokd) &&
        T(t, "STREDISKO", r.stredisko) && T(t, "PARTIE", r.partie) && T(t, "PODNIK", r.podnik) &&
        I(t, "LOMENI", r.lomeni) && T(t, "PARTIECELA", r.partiecela) &&
        T(t, "NOMENKLA", r.nomenkla) && T(t, "NAZEVOSIVA", r.nazevosiva) &&
        C(t, "MNOZSTVI", r.mnozstvi) && T(t, "MJ", r.mj) && C(t, "PR", r.pr) && C(t, "NC", r.nc) &&
        C(t, "PC", r.pc) && D(t, "DATUM", r.datum) && T(t, "ULC", r.ulc) && T(t, "SMES", r.smes) &&
        T(t, "DRUH", r.druh) && T(t, "ODRUDA", r.odruda) && T(t, "STUPEN", r.stupen) &&
        T(t, "NAZ_DRU", r.naz_dru) && T(t, "NAZ_ODRU", r.naz_odru) && T(t, "POPIS", r.popis) &&
        T(t, "CINNOST", r.cinnost) && T(t, "JAZYK", r.jazyk) && t.uloz();
    return ok ? QString() : Chyba(t);
}

QString Pridej(TabulkaDbf& t, const ObalDokladu& o) {
    const bool ok = t.pridej() && T(t, "STREDISKO", o.stredisko) && T(t, "NOMENKLA", o.nomenkla) &&
                    T(t, "NAZEVOSIVA", o.nazevosiva) && C(t, "MNOZSTVI", o.mnozstvi) &&
                    T(t, "MJ", o.mj) && C(t, "POCETO", o.poceto) && C(t, "VAHAO1", o.vahao1) &&
                    C(t, "VAHAO1KG", o.vahao1kg) && T(t, "DRUH", o.druh) &&
                    T(t, "ODRUDA", o.odruda) && T(t, "STUPEN", o.stupen) &&
                    T(t, "NAZ_DRU", o.naz_dru) && T(t, "NAZ_ODRU", o.naz_odru) &&
                    T(t, "NAVESKY", o.navesky) && T(t, "CISLOPV9", o.cislopv9) && t.uloz();
    return ok ? QString() : Chyba(t);
}

QString Pridej(TabulkaDbf& t, const PaletaDokladu& p) {
    const bool ok = t.pridej() && I(t, "CISLO", p.cislo) && T(t, "PARTIECELA", p.partiecela) &&
                    I(t, "LOMENI", p.lomeni) && T(t, "STREDISKO", p.stredisko) &&
                    T(t, "MISTO", p.misto) && I(t, "POCET", p.pocet) && C(t, "VAHAO1", p.vahao1) &&
                    T(t, "MJ", p.mj) && C(t, "CELKEM", p.celkem) && C(t, "ZBYTEK", p.zbytek) &&
                    C(t, "ZUSTATEK", p.zustatek) && D(t, "DATUMBAL", p.datumbal) && t.uloz();
    return ok ? QString() : Chyba(t);
}
