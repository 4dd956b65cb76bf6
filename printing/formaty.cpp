#include "formaty.h"

#include <QLocale>

namespace {
QString DesetinnaCarka() {
    return QLocale().decimalPoint();
}

// Splits "1234.5600" into its whole part and its decimals without the sign.
void Rozdel(const QString& text, QString& cele, QString& zlomek, bool& zaporne) {
    QString t = text;
    zaporne = t.startsWith(QLatin1Char('-'));
    if (zaporne)
        t.remove(0, 1);
    const qsizetype tecka = t.indexOf(QLatin1Char('.'));
    cele = tecka < 0 ? t : t.left(tecka);
    zlomek = tecka < 0 ? QString() : t.mid(tecka + 1);
}
} // namespace

QString TextMaskou(Desetinne hodnota, const QString& maska) {
    const qsizetype tecka = maska.indexOf(QLatin1Char('.'));
    const QString maskaCele = tecka < 0 ? maska : maska.left(tecka);
    const QString maskaZlomku = tecka < 0 ? QString() : maska.mid(tecka + 1);
    int mist = 0, povinnych = 0;
    for (QChar c : maskaZlomku) {
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            ++mist;
            if (c == QLatin1Char('0'))
                povinnych = mist;
        }
    }
    mist = qMin(mist, Desetinne::Mista);
    povinnych = qMin(povinnych, mist);

    QString cele, zlomek;
    bool zaporne = false;
    Rozdel(Zaokrouhli(hodnota, mist).text(mist), cele, zlomek, zaporne);
    while (zlomek.size() > povinnych && zlomek.endsWith(QLatin1Char('0')))
        zlomek.chop(1);

    // The whole part fills the mask's digit places from the right; a literal is written
    // only when a digit stands to its left.
    QString vysledek;
    qsizetype zbyva = cele.size();
    for (qsizetype i = maskaCele.size() - 1; i >= 0; --i) {
        const QChar c = maskaCele[i];
        if (c == QLatin1Char('#') || c == QLatin1Char('0')) {
            if (zbyva > 0)
                vysledek.prepend(cele[--zbyva]);
            else if (c == QLatin1Char('0'))
                vysledek.prepend(QLatin1Char('0'));
        } else if (zbyva > 0) {
            vysledek.prepend(c);
        }
    }
    if (zbyva > 0)
        vysledek.prepend(cele.left(zbyva));
    if (vysledek.isEmpty())
        vysledek = QStringLiteral("0");
    if (!zlomek.isEmpty())
        vysledek += DesetinnaCarka() + zlomek;
    if (zaporne) // the rounded text carries no sign when it came to zero
        vysledek.prepend(QLatin1Char('-'));
    return vysledek;
}

QString TextSOddelovaci(Desetinne hodnota, int desetin) {
    QString cele, zlomek;
    bool zaporne = false;
    Rozdel(hodnota.text(desetin), cele, zlomek, zaporne);
    const QString oddelovac = QLocale().groupSeparator();
    for (qsizetype i = cele.size() - 3; i > 0; i -= 3)
        cele.insert(i, oddelovac);
    QString v = cele;
    if (!zlomek.isEmpty())
        v += DesetinnaCarka() + zlomek;
    if (zaporne)
        v.prepend(QLatin1Char('-'));
    return v;
}

QString TextProsty(Desetinne hodnota) {
    QString t = hodnota.text();
    t.replace(QLatin1Char('.'), DesetinnaCarka());
    return t;
}
