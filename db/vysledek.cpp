#include "vysledek.h"

#include "kodovani.h"

void Vysledek::pridejPole(PolePopis p) {
    QString klic = p.jmeno.toLower();
    if (!m_indexy.contains(klic))
        m_indexy.insert(klic, static_cast<int>(m_pole.size()));
    m_pole.push_back(std::move(p));
}

int Vysledek::index(const QString& jmeno) const {
    return m_indexy.value(jmeno.toLower(), -1);
}

bool Vysledek::jeNull(int radek, int sloupec) const {
    if (radek < 0 || radek >= m_radky.size() || sloupec < 0 || sloupec >= m_pole.size())
        return true;
    return !m_radky[radek][sloupec].has_value();
}

QByteArray Vysledek::bajty(int radek, int sloupec) const {
    if (jeNull(radek, sloupec))
        return {};
    return *m_radky[radek][sloupec];
}

QString Vysledek::text(int radek, int sloupec) const {
    if (jeNull(radek, sloupec))
        return {};
    return ZCp1250(*m_radky[radek][sloupec]);
}

QString Vysledek::text(int radek, const QString& jmeno) const {
    return text(radek, index(jmeno));
}

Desetinne Vysledek::cislo(int radek, const QString& jmeno) const {
    return Desetinne::zTextuNeboNula(text(radek, jmeno));
}

qint64 Vysledek::cele(int radek, const QString& jmeno) const {
    QString t = text(radek, jmeno);
    bool ok = false;
    qint64 v = t.toLongLong(&ok);
    if (ok)
        return v;
    return static_cast<qint64>(t.toDouble());
}

QDate Vysledek::datum(int radek, const QString& jmeno) const {
    return QDate::fromString(text(radek, jmeno).left(10), QStringLiteral("yyyy-MM-dd"));
}

QDateTime Vysledek::datumCas(int radek, const QString& jmeno) const {
    QString t = text(radek, jmeno);
    if (t.size() <= 10)
        return QDateTime(QDate::fromString(t, QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return QDateTime::fromString(t.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}
