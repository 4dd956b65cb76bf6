#include "pracovnitabulky.h"

#include "hodiny.h"
#include "hodnoty.h"
#include "spojeni.h"
#include "vysledek.h"

#include <QDir>

bool VytvorZeServeru(Spojeni& spojeni, const QString& tabulka, const QString& cesta,
                     TabulkaDbf& cil, QString* chyba) {
    // Only the structure of the result is used; a column added on the server is therefore
    // in the work table from the next creation on.
    Vysledek v;
    if (!spojeni.proved(QStringLiteral("select * from ") + tabulka + QStringLiteral(" limit 0,1"),
                        &v)) {
        cil.zavri();
        if (chyba)
            *chyba = spojeni.chyba();
        return false;
    }
    if (!cil.vytvor(cesta, v)) {
        if (chyba)
            *chyba = cil.chyba();
        return false;
    }
    return true;
}

bool PridejRadky(TabulkaDbf& cil, const Vysledek& vysledek, QString* chyba) {
    for (int r = 0; r < vysledek.pocetRadku(); ++r) {
        if (!cil.pridej() || !cil.kopirujRadek(vysledek, r) || !cil.uloz()) {
            if (chyba)
                *chyba = cil.chyba();
            cil.zrus();
            return false;
        }
    }
    return true;
}

bool PripravKotr(const QString& adresarDat, TabulkaDbf& kotr, QString* chyba) {
    if (kotr.otevri(QDir(adresarDat).filePath(SouborKotr)) && kotr.vyprazdni() && kotr.zhutni())
        return true;
    if (chyba)
        *chyba = kotr.chyba();
    return false;
}

PracovniTabulky::PracovniTabulky(const QString& adresarDat) : m_adresar(adresarDat) {}

QString PracovniTabulky::cesta(QLatin1String soubor) const {
    return QDir(m_adresar).filePath(soubor);
}

bool PracovniTabulky::selhalo(const TabulkaDbf& t) {
    m_chyba = t.chyba();
    return false;
}

bool PracovniTabulky::otevriAVyprazdni(TabulkaDbf& t, QLatin1String soubor) {
    if (!t.jeOtevrena() && !t.otevri(cesta(soubor)))
        return selhalo(t);
    // Whatever was being typed into the table is dropped with its records.
    t.zrus();
    if (t.jeFiltr() && !t.zrusFiltr())
        return selhalo(t);
    if (!t.vyprazdni())
        return selhalo(t);
    return true;
}

bool PracovniTabulky::dotaz(Spojeni& spojeni, const QString& sql, Vysledek& v) {
    if (spojeni.proved(sql, &v))
        return true;
    m_chyba = spojeni.chyba();
    return false;
}

bool PracovniTabulky::zavriVse() {
    bool ok = true;
    for (TabulkaDbf* t :
         {&m_hlavicka, &m_radky, &m_puvodniRadky, &m_obaly, &m_palety, &m_puvodniPalety}) {
        if (!t->zavri() && ok) {
            m_chyba = t->chyba();
            ok = false;
        }
    }
    return ok;
}

bool PracovniTabulky::udelejDBF(Spojeni& spojeni) {
    zavriVse();
    struct Tvorba {
        TabulkaDbf* tabulka;
        QLatin1String soubor;
        const char* zdroj;
    };
    const Tvorba tvorba[] = {
        {&m_puvodniPalety, SouborPuvodnichPalet, "smesipa"},
        {&m_palety, SouborPalet, "smesipa"},
        {&m_hlavicka, SouborHlavicky, "smesi"},
        {&m_radky, SouborRadku, "smesi"},
        {&m_puvodniRadky, SouborPuvodnichRadku, "smesi"},
        {&m_obaly, SouborObalu, "smesiobal"},
    };
    for (const Tvorba& t : tvorba) {
        if (!VytvorZeServeru(spojeni, QLatin1String(t.zdroj), cesta(t.soubor), *t.tabulka,
                             &m_chyba)) {
            zavriVse();
            return false;
        }
    }
    return true;
}

bool PracovniTabulky::novyDoklad(bool paletyStrediska, const QString& stredisko) {
    if (paletyStrediska) {
        if (!otevriAVyprazdni(m_puvodniPalety, SouborPuvodnichPalet) ||
            !otevriAVyprazdni(m_palety, SouborPalet))
            return false;
    }
    if (!otevriAVyprazdni(m_hlavicka, SouborHlavicky))
        return false;
    if (!m_hlavicka.pridej() || !m_hlavicka.nastavCele(QStringLiteral("lomeni"), 0) ||
        !m_hlavicka.nastavText(QStringLiteral("smes"), QStringLiteral("1")) ||
        !m_hlavicka.nastavDatum(QStringLiteral("datum"), Hodiny::dnes()) ||
        !m_hlavicka.nastavText(QStringLiteral("jazyk"), QStringLiteral("C")) ||
        !m_hlavicka.nastavText(QStringLiteral("stredisko"), stredisko))
        return selhalo(m_hlavicka);
    return otevriAVyprazdni(m_radky, SouborRadku) &&
           otevriAVyprazdni(m_puvodniRadky, SouborPuvodnichRadku) &&
           otevriAVyprazdni(m_obaly, SouborObalu);
}

bool PracovniTabulky::nactiRadkyDokladu(Spojeni& spojeni, const QString& cisloDokladu) {
    Vysledek v;
    if (!dotaz(spojeni,
               QStringLiteral("select * from smesi where cislodokla = ") + SqlText(cisloDokladu),
               v))
        return false;
    if (!otevriAVyprazdni(m_puvodniRadky, SouborPuvodnichRadku) ||
        !PridejRadky(m_puvodniRadky, v, &m_chyba))
        return false;
    if (!otevriAVyprazdni(m_hlavicka, SouborHlavicky) || !otevriAVyprazdni(m_radky, SouborRadku))
        return false;
    for (int r = 0; r < v.pocetRadku(); ++r) {
        // smes is a text column compared as 1 and "1".
        TabulkaDbf& cil = v.text(r, QStringLiteral("smes")).trimmed() == QLatin1String("1")
                              ? m_hlavicka
                              : m_radky;
        if (!cil.pridej() || !cil.kopirujRadek(v, r) || !cil.uloz()) {
            cil.zrus();
            return selhalo(cil);
        }
    }
    m_hlavicka.prvni();
    return m_radky.prvni() || selhalo(m_radky);
}

bool PracovniTabulky::nactiObalyDokladu(Spojeni& spojeni, const QString& cisloDokladu) {
    Vysledek v;
    return dotaz(spojeni,
                 QStringLiteral("select * from smesiobal where cislodokla = ") +
                     SqlText(cisloDokladu),
                 v) &&
           otevriAVyprazdni(m_obaly, SouborObalu) && PridejRadky(m_obaly, v, &m_chyba) &&
           (m_obaly.prvni() || selhalo(m_obaly));
}

bool PracovniTabulky::nactiPaletyDokladu(Spojeni& spojeni, const QString& cisloDokladu) {
    Vysledek v;
    return dotaz(spojeni,
                 QStringLiteral("select * from smesipa where cislodokla = ") +
                     SqlText(cisloDokladu) + QStringLiteral("\norder by cislo"),
                 v) &&
           otevriAVyprazdni(m_puvodniPalety, SouborPuvodnichPalet) &&
           PridejRadky(m_puvodniPalety, v, &m_chyba) && otevriAVyprazdni(m_palety, SouborPalet) &&
           PridejRadky(m_palety, v, &m_chyba) && (m_palety.prvni() || selhalo(m_palety));
}

bool PracovniTabulky::otevriDoklad(Spojeni& spojeni, const QString& cisloDokladu,
                                   bool paletyStrediska) {
    return nactiRadkyDokladu(spojeni, cisloDokladu) && nactiObalyDokladu(spojeni, cisloDokladu) &&
           (!paletyStrediska || nactiPaletyDokladu(spojeni, cisloDokladu));
}

bool PracovniTabulky::filtrujPalety(bool lzeZapsat, bool paletyStrediska,
                                    const QString& partiecela) {
    if (!m_palety.jeOtevrena() && !m_palety.otevri(cesta(SouborPalet)))
        return selhalo(m_palety);
    bool ok = lzeZapsat && paletyStrediska
                  ? m_palety.nastavFiltr(QStringLiteral("partiecela"), partiecela)
                  : m_palety.zrusFiltr();
    return ok || selhalo(m_palety);
}
