#include "desetinne.h"

#include <cmath>
#include <cstdlib>

namespace {
std::int64_t delZaokrouhli(__int128 citatel, __int128 jmenovatel) {
    bool zaporne = (citatel < 0) != (jmenovatel < 0);
    __int128 a = citatel < 0 ? -citatel : citatel;
    __int128 b = jmenovatel < 0 ? -jmenovatel : jmenovatel;
    __int128 q = (a + b / 2) / b; // b is even here, so an exact half rounds up
    return static_cast<std::int64_t>(zaporne ? -q : q);
}
} // namespace

std::optional<Desetinne> Desetinne::zTextu(const QString& vstup) {
    QString t = vstup.trimmed();
    t.remove(QLatin1Char(' '));
    t.remove(QChar(0x00A0));
    if (t.isEmpty())
        return std::nullopt;
    bool zaporne = false;
    qsizetype i = 0;
    if (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) {
        zaporne = t[0] == QLatin1Char('-');
        i = 1;
    }
    __int128 cele = 0;
    __int128 zlomek = 0;
    int mistZlomku = 0;
    bool carka = false, cislice = false;
    int dalsiCislice = -1; // the fifth decimal decides the rounding
    for (; i < t.size(); ++i) {
        QChar c = t[i];
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (carka)
                return std::nullopt;
            carka = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        cislice = true;
        int d = c.unicode() - '0';
        if (!carka) {
            cele = cele * 10 + d;
            if (cele > INT64_MAX / Jednotka)
                return std::nullopt;
        } else if (mistZlomku < Mista) {
            zlomek = zlomek * 10 + d;
            ++mistZlomku;
        } else if (dalsiCislice < 0) {
            dalsiCislice = d;
        }
    }
    if (!cislice)
        return std::nullopt;
    while (mistZlomku < Mista) {
        zlomek *= 10;
        ++mistZlomku;
    }
    __int128 celkem = cele * Jednotka + zlomek;
    if (dalsiCislice >= 5)
        celkem += 1;
    return zDesetitisicin(static_cast<std::int64_t>(zaporne ? -celkem : celkem));
}

Desetinne Desetinne::zTextuNeboNula(const QString& text) {
    return zTextu(text).value_or(Desetinne());
}

Desetinne Desetinne::zDouble(double d) {
    // Through the shortest decimal text of the double, so 0.1 becomes exactly 0.1000.
    return zTextuNeboNula(QString::number(d, 'f', 6));
}

QString Desetinne::text() const {
    QString s = text(Mista);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

QString Desetinne::text(int mist) const {
    if (mist < 0)
        mist = 0;
    if (mist > Mista)
        mist = Mista;
    std::int64_t r = Zaokrouhli(*this, mist).m_d;
    bool zaporne = r < 0;
    std::uint64_t a = zaporne ? 0 - static_cast<std::uint64_t>(r) : static_cast<std::uint64_t>(r);
    std::uint64_t cele = a / Jednotka;
    std::uint64_t zlomek = a % Jednotka;
    QString s = QString::number(cele);
    if (mist > 0) {
        QString z = QString::number(zlomek).rightJustified(Mista, QLatin1Char('0'));
        s += QLatin1Char('.') + z.left(mist);
    }
    if (zaporne && a != 0)
        s.prepend(QLatin1Char('-'));
    return s;
}

Desetinne Desetinne::operator*(Desetinne o) const {
    __int128 p = static_cast<__int128>(m_d) * o.m_d;
    return zDesetitisicin(delZaokrouhli(p, Jednotka));
}

std::optional<Desetinne> Desetinne::deleno(Desetinne o) const {
    if (o.m_d == 0)
        return std::nullopt;
    __int128 c = static_cast<__int128>(m_d) * Jednotka;
    return zDesetitisicin(delZaokrouhli(c, o.m_d));
}

Desetinne Zaokrouhli(Desetinne hodnota, int n) {
    if (n >= Desetinne::Mista)
        return hodnota;
    if (n < 0)
        n = 0;
    std::int64_t krok = 1;
    for (int i = n; i < Desetinne::Mista; ++i)
        krok *= 10;
    return Desetinne::zDesetitisicin(delZaokrouhli(hodnota.desetitisiciny(), krok) * krok);
}
