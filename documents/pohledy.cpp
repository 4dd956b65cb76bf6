#include "pohledy.h"

#include "dotaz.h"
#include "hodnoty.h"
#include "kurzor.h"
#include "maleoperace.h"
#include "otevreni.h"
#include "stavprogramu.h"

#include <QFile>
#include <QRandomGenerator>

void ZobrazKartu(const QString& stredisko, const QString& partiecela, const QString& lomeni) {
    if (partiecela.isEmpty())
        return;
    SpustProces(QStringLiteral("grem.exe"), ArgumentyKarty(stredisko, partiecela, lomeni), true);
}

void HistoriePartie(const QString& partiecela, const QString& lomeni, const QString& partie,
                    const QString& nazevosiva, const QString& stredisko) {
    if (partiecela.isEmpty())
        return;
    SpustProces(QStringLiteral("grem.exe"),
                ArgumentyHistorie(partiecela, lomeni, partie, nazevosiva, stredisko), true);
}

QString ZobrazULC(StavProgramu& stav, const QString& ulc) {
    Spojeni& s = stav.relace.spojeni();
    const QString podminka = QStringLiteral(" AND cislodokladu = ") + SqlText(ulc);
    Vysledek pocet;
    {
        KurzorCekani kurzor;
        if (!s.proved(QStringLiteral("select count(*) as pocet from doklady where typ = 19\n") +
                          podminka,
                      &pocet)) {
            dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
            return {};
        }
    }
    if (pocet.cele(0, QStringLiteral("pocet")) == 0) {
        dotaz(QStringLiteral("ULČ nenalezen!"), {QStringLiteral("OK")}, Ikona::Stop);
        return {};
    }
    Vysledek v;
    if (!s.proved(QStringLiteral("select obsah from doklady where typ = 19\n") + podminka, &v)) {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return {};
    }
    // A fresh random name each time; one already used in this run is not overwritten, so
    // two views of the same lot stay two files.
    QString soubor;
    for (int pokus = 0; pokus < 50; ++pokus) {
        soubor = stav.AdresarPDF + QStringLiteral("sm") + stav.CisloPC +
                 QString::number(QRandomGenerator::global()->bounded(1000, 10000)) +
                 QStringLiteral(".pdf");
        if (!QFile::exists(soubor))
            break;
    }
    QFile f(soubor);
    if (!f.open(QIODevice::WriteOnly) || f.write(v.bajty(0, 0)) < 0) {
        dotaz(QStringLiteral("Nelze zapsat soubor \"%1\".\r%2").arg(soubor, f.errorString()),
              {QStringLiteral("OK")}, Ikona::Stop);
        return {};
    }
    f.close();
    SpustProgram(soubor);
    return soubor;
}
