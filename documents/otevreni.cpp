#include "otevreni.h"

#include "hodnoty.h"

Zauctovani StavZauctovani(const QString& datumzauct) {
    const QString d = datumzauct.left(10);
    if (d > QLatin1String("2002-11-11"))
        return Zauctovani::Zauctovan;
    if (d > QLatin1String("1900-01-01"))
        return Zauctovani::Uctuje;
    return Zauctovani::Ne;
}

QString ZpravaZauctovani(Zauctovani z) {
    switch (z) {
    case Zauctovani::Zauctovan:
        return QStringLiteral("Nelze opravit! Doklad je již zaúčtován.");
    case Zauctovani::Uctuje:
        return QStringLiteral("Nelze opravit! Doklad je právě účtován!");
    case Zauctovani::Ne:
        break;
    }
    return {};
}

KontrolaOpravy KontrolaPohybu(const QVector<PohybPartie>& pohyby, int SM_JAKNC, Desetinne ncDokladu,
                              int stavZapisu) {
    KontrolaOpravy k;
    k.StavZapisu = stavZapisu;
    const Desetinne nula;
    for (const PohybPartie& p : pohyby) {
        const QString kde = p.doklad + QLatin1Char(' ') + p.cislodokla;
        if (SM_JAKNC == 0) {
            k.zprava =
                QStringLiteral("Nelze opravit! Partie byla již expedována\rna dokladu ") + kde;
        } else if (SM_JAKNC == 1) {
            if (k.StavZapisu == 0)
                k.StavZapisu = 1;
            if (p.datumzauct.left(10) > QLatin1String("1988-12-12"))
                k.zprava =
                    QStringLiteral(
                        "Nelze opravit! Partie byla již expedována\ra zaúčtována na dokladu ") +
                    kde;
            else if (ncDokladu > nula && p.nc > nula &&
                     (p.doklad == QLatin1String("KA") || p.doklad == QLatin1String("SM") ||
                      p.doklad == QLatin1String("KS")))
                k.zprava =
                    QStringLiteral(
                        "Nelze opravit! Partie byla již potvrzena\ra zpracována na dokladu ") +
                    kde;
        } else {
            break;
        }
        if (!k.zprava.isEmpty()) {
            k.StavZapisu = 9;
            break;
        }
    }
    return k;
}

QStringList SqlNactiSkl(const QString& stredisko, bool iKalkulace, bool iNeuznane) {
    QStringList s{
        QStringLiteral("select partiecela,lomeni,partie,stredisko,podnik,"),
        QStringLiteral("nomenkla,nazevosiva,druh,odruda,naz_dru,naz_odru,"),
        QStringLiteral("stupen,partiecela,lomeni,nazevosiva,zustatek,mj,poznamka,"),
        QStringLiteral("mnomenkla1,mo1,mo2,mo3,mo4,mo5,mo6,mo7,mo8,vahao1,ulozeno,"),
        QStringLiteral("ek1,nc,pc,vahaobalu,ulc,zahrpartie,misto,popis,rezervace from skarta"),
        // Quoted as text: the code is typed freely in the cost-centre choice.
        QStringLiteral(" where stredisko = ") + SqlText(stredisko),
        QStringLiteral(" AND zustatek > 0")};
    if (!iKalkulace)
        s << QStringLiteral(" AND lomeni < 60");
    if (!iNeuznane)
        s << QStringLiteral(" AND (ulc <> \"\" and ulc not LIKE \"%N%\" AND ulc not LIKE \"%Z%\")");
    s << QStringLiteral(" order by partiecela,lomeni");
    return s;
}

QStringList SqlObalKarty(const QString& partiecela, qint64 lomeni, const QString& stredisko) {
    return {
        QStringLiteral(
            "select mnomenkla1,mo1,vahaobalu,ek1,vahao1,poceto1,navesky,DATUMROZHO from skarta"),
        QStringLiteral(" where partiecela = ") + SqlText(partiecela),
        QStringLiteral(" and lomeni = ") + SqlText(QString::number(lomeni)),
        QStringLiteral(" and stredisko = ") + SqlText(stredisko)};
}

QStringList ArgumentyKarty(const QString& stredisko, const QString& partiecela,
                           const QString& lomeni) {
    return {QStringLiteral("/TK"), stredisko, partiecela, lomeni};
}

QStringList ArgumentyHistorie(const QString& partiecela, const QString& lomeni,
                              const QString& partie, const QString& nazevosiva,
                              const QString& stredisko) {
    return {QStringLiteral("/HP"), partiecela, lomeni, partie, nazevosiva, stredisko};
}

QString PrikazovyRadek(const QString& program, const QStringList& argumenty) {
    QStringList casti;
    casti << QLatin1Char('"') + program + QLatin1Char('"');
    for (const QString& a : argumenty)
        casti << QLatin1Char('"') + a + QLatin1Char('"');
    return casti.join(QLatin1Char(' '));
}
