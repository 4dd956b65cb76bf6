#include "hodnoty.h"

QString SqlEscape(const QString& hodnota, QChar uvozovka) {
    QString v;
    v.reserve(hodnota.size() + 8);
    for (QChar c : hodnota) {
        if (c == uvozovka) {
            v += c; // the suite's form: the quote of the literal doubled
            v += c;
            continue;
        }
        switch (c.unicode()) {
        case '\\':
            v += QLatin1String("\\\\");
            break;
        case 0:
            v += QLatin1String("\\0");
            break;
        case 0x1a:
            v += QLatin1String("\\Z");
            break;
        default:
            v += c;
        }
    }
    return v;
}

QString SqlText(const QString& hodnota) {
    return QLatin1Char('\'') + SqlEscape(hodnota, QLatin1Char('\'')) + QLatin1Char('\'');
}

QString SqlTextUvozovky(const QString& hodnota) {
    return QLatin1Char('"') + SqlEscape(hodnota, QLatin1Char('"')) + QLatin1Char('"');
}

QString SqlCislo0(const QString& textPole) {
    QString t = textPole.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty())
        return QStringLiteral("00");
    // Only what a number field can hold: sign, digits, one point, an exponent.
    bool ok = false;
    t.toDouble(&ok);
    for (QChar c : t)
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') ||
              c == QLatin1Char('+') || c == QLatin1Char('e') || c == QLatin1Char('E')))
            ok = false;
    if (!ok)
        return QStringLiteral("00");
    return QLatin1Char('0') + t;
}

QString SqlCislo0(Desetinne hodnota) {
    return QLatin1Char('0') + hodnota.text();
}

QString SqlCislo(Desetinne hodnota) {
    return hodnota.text();
}

QString SqlCislo(qint64 hodnota) {
    return QString::number(hodnota);
}

QString SqlDatum(const QDate& datum) {
    if (!datum.isValid())
        return QStringLiteral("'1900-01-01'");
    return QLatin1Char('\'') + datum.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
}

QString TextDatumCas(const QDateTime& cas) {
    return cas.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString SqlDatumCas(const QDateTime& cas) {
    return QLatin1Char('\'') + TextDatumCas(cas) + QLatin1Char('\'');
}
