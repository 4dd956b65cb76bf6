#include "seznamsql.h"

#include "hodnoty.h"

#include <QRegularExpression>

QStringList UdelejSQL(const QString& stredisko, const QString& filtrSQL, const QString& rok,
                      const QString& trideni) {
    QStringList s;
    s << QStringLiteral("select * from smesi");
    s << filtrSQL;
    if (!filtrSQL.isEmpty())
        s << QStringLiteral(" AND stredisko = ") + SqlText(stredisko);
    else
        s << QStringLiteral(" where stredisko = ") + SqlText(stredisko);
    s << QStringLiteral(" and smes = 1");
    if (!rok.isEmpty())
        s << QStringLiteral(" AND rokd = ") + SqlText(rok);
    s << trideni;
    return s;
}

QStringList SqlPaletyStrediska(const QString& stredisko) {
    return {QStringLiteral("select PALETY from strtopc"),
            QStringLiteral(" where STRED = ") + SqlText(stredisko)};
}

QStringList SqlRadkyDokladu(const QString& cislodokla) {
    return {QStringLiteral("select smesi.* from smesi"),
            QStringLiteral(" where cislodokla = ") + SqlText(cislodokla),
            QStringLiteral(" and smesi.smes = 0")};
}

QStringList SqlPaletyRadku(const QString& cislodokla, const QString& partiecela, qint64 lomeni) {
    return {QStringLiteral("select * from smesipa"),
            QStringLiteral(" where cislodokla = ") + SqlText(cislodokla),
            QStringLiteral(" AND partiecela = ") + SqlText(partiecela),
            QStringLiteral(" AND lomeni = ") + QString::number(lomeni)};
}

QString TrideniPodle(const QString& pole, bool sestupne) {
    static const QRegularExpression identifikator(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifikator.match(pole).hasMatch())
        return QStringLiteral("order by cislodokla  DESC");
    return QStringLiteral("order by ") + pole + (sestupne ? QStringLiteral(" DESC") : QString());
}
