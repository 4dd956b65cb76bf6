#include "filtr.h"

#include "hodnoty.h"
#include "kodovani.h"
#include "soubory.h"

#include <QDate>
#include <QFile>
#include <QSaveFile>

const QStringList& OperatoryFiltru() {
    static const QStringList o = {QStringLiteral(" = "), QStringLiteral(" <> "),
                                  QStringLiteral(" > "), QStringLiteral(" >= "),
                                  QStringLiteral(" < "), QStringLiteral(" <= ")};
    return o;
}

QString OperatorVMenu(int i) {
    return OperatoryFiltru().value(i).leftJustified(4, QLatin1Char(' '));
}

StavFiltru PridejPodminku(const StavFiltru& f, const QString& pole, const QString& titulek,
                          TypPole typ, const QString& text, const QString& hodnota,
                          const QString& op) {
    QString sqlHodnota, bezUvozovek;
    switch (typ) {
    case TypPole::Cele:
        bezUvozovek = QString::number(hodnota.trimmed().toLongLong());
        sqlHodnota = bezUvozovek;
        break;
    case TypPole::Datum:
        bezUvozovek = QDate::fromString(hodnota.left(10), QStringLiteral("yyyy-MM-dd"))
                          .toString(QStringLiteral("yyyy-MM-dd"));
        sqlHodnota = SqlText(bezUvozovek);
        break;
    case TypPole::DatumCas:
        bezUvozovek = hodnota.left(19);
        sqlHodnota = SqlText(bezUvozovek);
        break;
    case TypPole::Cislo:
        // The raw value with its decimal point: the displayed "58,4" would compare as 58.
        bezUvozovek = text;
        sqlHodnota = SqlText(hodnota.trimmed());
        break;
    default:
        bezUvozovek = text;
        sqlHodnota = SqlText(text);
    }
    StavFiltru n;
    if (f.sql.isEmpty()) {
        n.sql = QStringLiteral("where ") + pole + op + sqlHodnota;
        n.popis = titulek + op + (typ == TypPole::Cele ? bezUvozovek : text);
    } else {
        n.sql = f.sql + QStringLiteral(" AND ") + pole + op + sqlHodnota;
        n.popis = f.popis + QStringLiteral(", ") + titulek + op + bezUvozovek;
    }
    return n;
}

namespace {
QStringList radky(const QString& soubor, bool* existuje) {
    QFile f(soubor);
    *existuje = f.open(QIODevice::ReadOnly);
    if (!*existuje)
        return {};
    QString t = ZCp1250(f.readAll());
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList r = t.split(QLatin1Char('\n'));
    while (!r.isEmpty() && r.last().isEmpty())
        r.removeLast();
    return r;
}

bool zapis(const QString& soubor, const QStringList& r) {
    QSaveFile f(soubor);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (const QString& s : r)
        f.write(DoCp1250Ztratove(s) + "\r\n");
    return f.commit();
}
} // namespace

StavFiltru HistorieFiltru::nacti() const {
    bool a = false, b = false;
    const QStringList p = radky(souborPodminek(), &a), t = radky(souborPopisu(), &b);
    return {p.isEmpty() ? QString() : p.last(), t.isEmpty() ? QString() : t.last()};
}

bool HistorieFiltru::pridej(const StavFiltru& f) const {
    return PripojKSouboru(souborPodminek(), DoCp1250Ztratove(f.sql) + "\r\n") &&
           PripojKSouboru(souborPopisu(), DoCp1250Ztratove(f.popis) + "\r\n");
}

StavFiltru HistorieFiltru::smazVse() const {
    zapis(souborPodminek(), {});
    zapis(souborPopisu(), {});
    return {QString(), QStringLiteral("Žádný filtr")};
}

StavFiltru HistorieFiltru::smazPosledni() const {
    StavFiltru f{QString(), QStringLiteral("Žádný filtr")};
    for (int i = 0; i < 2; ++i) {
        const QString soubor = i == 0 ? souborPodminek() : souborPopisu();
        bool existuje = false;
        QStringList r = radky(soubor, &existuje);
        if (!existuje)
            continue;
        if (r.size() < 2) {
            r.clear();
        } else {
            r.removeLast();
            (i == 0 ? f.sql : f.popis) = r.last();
        }
        zapis(soubor, r);
    }
    if (f.sql.isEmpty())
        return smazVse();
    return f;
}
