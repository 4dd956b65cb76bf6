#include "radky.h"

#include "dbf.h"
#include "hodnoty.h"

QString PartieCela(const QString& partie, const QString& podnik) {
    return partie.mid(0, 2) + QLatin1Char('-') + podnik + QLatin1Char('-') + partie.mid(2, 5) +
           QLatin1Char('-') + partie.mid(7, 2);
}

SoucetSmesi SoucetRadku(const QVector<RadekSmesi>& radky) {
    SoucetSmesi s;
    for (const RadekSmesi& r : radky)
        if (JeLot(r)) {
            s.mnozstvi += r.mnozstvi;
            s.pr += r.pr;
        }
    return s;
}

Desetinne HodnotaRadku(const RadekSmesi& r) {
    return Zaokrouhli(r.mnozstvi * r.nc, 2);
}

Desetinne CenaSmesi(const QVector<RadekSmesi>& radky, bool SM_vyrobky, Desetinne mnozstviHlavicky) {
    Desetinne hodnota;
    bool chybiCena = false;
    for (const RadekSmesi& r : radky) {
        if (!JeLot(r) && !SM_vyrobky)
            continue;
        if (r.nc.jeNula())
            chybiCena = true;
        else
            hodnota += HodnotaRadku(r);
    }
    if (chybiCena || mnozstviHlavicky.jeNula())
        return {};
    return Zaokrouhli(hodnota.deleno(mnozstviHlavicky).value_or(Desetinne()), 2);
}

Desetinne UvolnitelneMnozstvi(Desetinne zustatek, Desetinne puvodneVzato) {
    return zustatek + puvodneVzato;
}

QStringList SqlKartaRadku(const QString& partiecela, qint64 lomeni, const QString& stredisko) {
    return {QStringLiteral("select partiecela,lomeni,stredisko,"),
            QStringLiteral("zustatek,mj,mnomenkla1,mo1,vahao1,"),
            QStringLiteral("ek1,vahaobalu,ulc from skarta"),
            QStringLiteral(" where partiecela = ") + SqlText(partiecela),
            QStringLiteral(" AND lomeni = ") + QString::number(lomeni),
            QStringLiteral(" and stredisko = ") + SqlText(stredisko)};
}

QVector<RadekSmesi> NactiRadky(TabulkaDbf& t) {
    QVector<RadekSmesi> v;
    if (!t.jeOtevrena())
        return v;
    for (bool ok = t.prvni(); ok && !t.jeKonec(); ok = t.dalsi())
        v.push_back({t.text(QStringLiteral("PARTIE")), t.cislo(QStringLiteral("MNOZSTVI")),
                     t.cislo(QStringLiteral("PR")), t.cislo(QStringLiteral("NC"))});
    return v;
}

bool NajedNaRadek(TabulkaDbf& t, int k) {
    if (k < 0 || !t.prvni() || t.jeKonec())
        return false;
    for (int i = 0; i < k; ++i)
        if (!t.dalsi() || t.jeKonec())
            return false;
    return true;
}
