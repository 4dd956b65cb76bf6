#include "vysledek.h"

#include "kodovani.h"

#include <mysql.h>

void Vysledek::pridejPole(PolePopis p) {
    QString klic = p.jmeno.toLower();
    if (!m_indexy.contains(klic))
        m_indexy.insert(klic, static_cast<int>(m_pole.size()));
    m_pole.push_back(std::move(p));
}

int Vysledek::index(const QString& jmeno) const {
    return m_indexy.value(jmeno.toLower(), -1);
}

void Vysledek::prevezmi(st_mysql_res* res) {
    m_res.reset(res, [](st_mysql_res* r) { mysql_free_result(r); });
    const unsigned n = mysql_num_fields(res);
    const auto pocet = static_cast<qsizetype>(mysql_num_rows(res));
    m_radkyRes.reserve(pocet);
    m_delky.reserve(pocet * n);
    while (MYSQL_ROW row = mysql_fetch_row(res)) {
        unsigned long* delky = mysql_fetch_lengths(res);
        m_radkyRes.push_back(row);
        for (unsigned i = 0; i < n; ++i)
            m_delky.push_back(static_cast<quint32>(delky[i]));
    }
}

int Vysledek::pocetRadku() const {
    return static_cast<int>(m_res ? m_radkyRes.size() : m_radky.size());
}

bool Vysledek::bunka(int radek, int sloupec, const char** data, qsizetype* delka) const {
    if (radek < 0 || radek >= pocetRadku() || sloupec < 0 || sloupec >= m_pole.size())
        return false;
    if (m_res) {
        const char* d = m_radkyRes[radek][sloupec];
        if (!d)
            return false;
        *data = d;
        *delka = m_delky[static_cast<qsizetype>(radek) * m_pole.size() + sloupec];
        return true;
    }
    const Bunka& b = m_radky[radek][sloupec];
    if (!b)
        return false;
    *data = b->constData();
    *delka = b->size();
    return true;
}

bool Vysledek::jeNull(int radek, int sloupec) const {
    const char* d = nullptr;
    qsizetype n = 0;
    return !bunka(radek, sloupec, &d, &n);
}

QByteArray Vysledek::bajty(int radek, int sloupec) const {
    const char* d = nullptr;
    qsizetype n = 0;
    if (!bunka(radek, sloupec, &d, &n))
        return {};
    return QByteArray(d, n);
}

QString Vysledek::text(int radek, int sloupec) const {
    const char* d = nullptr;
    qsizetype n = 0;
    if (!bunka(radek, sloupec, &d, &n))
        return {};
    return ZCp1250(d, n);
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
