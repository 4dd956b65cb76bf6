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
#include <memory>
#include <optional>

struct st_mysql_res;

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
    int pocetRadku() const;
    int pocetPoli() const { return static_cast<int>(m_pole.size()); }
    bool prazdny() const { return pocetRadku() == 0; }
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

    // Filled by hand (tests, derived data) ...
    void pridejPole(PolePopis p);
    void pridejRadek(QVector<Bunka> radek) { m_radky.push_back(std::move(radek)); }
    // ... or by the connection: the server's buffered result is kept as it came, with an
    // index of its rows, so a list of 100 000 documents costs no copy per cell.
    void prevezmi(st_mysql_res* res);

private:
    // Raw cell; false for NULL or out of range.
    bool bunka(int radek, int sloupec, const char** data, qsizetype* delka) const;
    std::shared_ptr<st_mysql_res> m_res;
    QVector<char**> m_radkyRes;
    QVector<quint32> m_delky; // row-major lengths of m_radkyRes
    QVector<PolePopis> m_pole;
    QHash<QString, int> m_indexy; // lower-case name -> index
    QVector<QVector<Bunka>> m_radky;
};
