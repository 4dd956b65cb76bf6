#include "skript.h"

QStringList SkriptovyProcesor::RozdelPrikazy(const QString& text) {
    QStringList vysledek;
    QString aktualni;
    QChar uvozovka; // the quote that opened the literal we are in, or null
    bool komentarRadek = false, komentarBlok = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        QChar dalsi = i + 1 < text.size() ? text[i + 1] : QChar();
        if (komentarRadek) {
            aktualni += c;
            if (c == QLatin1Char('\n'))
                komentarRadek = false;
            continue;
        }
        if (komentarBlok) {
            aktualni += c;
            if (c == QLatin1Char('*') && dalsi == QLatin1Char('/')) {
                aktualni += dalsi;
                ++i;
                komentarBlok = false;
            }
            continue;
        }
        if (!uvozovka.isNull()) {
            aktualni += c;
            if (c == QLatin1Char('\\') && uvozovka != QLatin1Char('`') && i + 1 < text.size()) {
                aktualni += dalsi;
                ++i;
            } else if (c == uvozovka) {
                if (dalsi == uvozovka) { // doubled quote stays inside the literal
                    aktualni += dalsi;
                    ++i;
                } else {
                    uvozovka = QChar();
                }
            }
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            uvozovka = c;
            aktualni += c;
        } else if (c == QLatin1Char('-') && dalsi == QLatin1Char('-') &&
                   (i + 2 >= text.size() || text[i + 2].isSpace())) {
            komentarRadek = true;
            aktualni += c;
        } else if (c == QLatin1Char('#')) {
            komentarRadek = true;
            aktualni += c;
        } else if (c == QLatin1Char('/') && dalsi == QLatin1Char('*')) {
            komentarBlok = true;
            aktualni += c;
        } else if (c == QLatin1Char(';')) {
            QString p = aktualni.trimmed();
            if (!p.isEmpty())
                vysledek << p;
            aktualni.clear();
        } else {
            aktualni += c;
        }
    }
    QString p = aktualni.trimmed();
    if (!p.isEmpty())
        vysledek << p;
    return vysledek;
}
