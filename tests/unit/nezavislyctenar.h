#pragma once
// An independent dBase reader for the tests: python3-dbfread in a child process, which
// prints the structure and the records of a table as JSON.
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

#include <ostream>

struct CteniDbfread {
    bool ok = false;
    QString chyba;                // the reader's error or traceback
    QJsonArray pole;              // [name, type, width, decimals] per field, names lower-case
    QVector<QJsonObject> zaznamy; // live records; numbers as their stored text, dates ISO
    int smazanych = 0;
};

CteniDbfread PrectiNezavisle(const QString& cesta);

// Readable QString values in the tests' failure messages.
#ifndef SMESI_PRINTTO_QSTRING
#define SMESI_PRINTTO_QSTRING
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
#endif
