#pragma once
// A fetched result set with its field metadata; the work tables copy their structure
// from the metadata, so name, kind, width and decimals are kept as the server sent them.
#include "desetinne.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVector>
#include <optional>

enum class TypPole { Text, Cislo, Cele, Datum, DatumCas, Cas, Memo, Binarni };

struct PolePopis {
    QString jmeno;
    TypPole typ = TypPole::Text;
    int delka = 0;   // characters for text, digits for numbers
    int desetin = 0; // decimals of numbers
};

class Vysledek {
public:
    using Bunka = std::optional<QByteArray>; // nullopt = SQL NULL; bytes as received (cp1250)

    const QVector<PolePopis>& pole() const { return m_pole; }
    int pocetRadku() const { return static_cast<int>(m_radky.size()); }
    int pocetPoli() const { return static_cast<int>(m_pole.size()); }
    bool prazdny() const { return m_radky.isEmpty(); }
    // Index of a field by name, case-insensitive; -1 when absent.
    int index(const QString& jmeno) const;

    bool jeNull(int radek, int sloupec) const;
    QString text(int radek, int sloupec) const;
    QString text(int radek, const QString& jmeno) const;
    Desetinne cislo(int radek, const QString& jmeno) const;
    qint64 cele(int radek, const QString& jmeno) const;
    QDate datum(int radek, const QString& jmeno) const;
    QDateTime datumCas(int radek, const QString& jmeno) const;
    QByteArray bajty(int radek, int sloupec) const;

    // Filled by the connection.
    void pridejPole(PolePopis p);
    void pridejRadek(QVector<Bunka> radek) { m_radky.push_back(std::move(radek)); }

private:
    QVector<PolePopis> m_pole;
    QHash<QString, int> m_indexy; // lower-case name -> index
    QVector<QVector<Bunka>> m_radky;
};
