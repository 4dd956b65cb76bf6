#pragma once
// One input of the reader's fuzz and mutation tests: a .dbf and its .dbt as bytes.
#include <QByteArray>
#include <QString>

// Writes the files into the directory, opens them and, when they are accepted, reads every
// field of every record and then appends, edits, deletes and packs. Answers what went wrong
// ("" when nothing did): a refusal without a message, a refused file that was changed, a
// count that disagrees with the records read, or a file that our own writes left unreadable.
// *prijato tells whether the layer accepted the input.
QString ProverVstupDbf(const QByteArray& dbf, const QByteArray& dbt, const QString& adresar,
                       bool* prijato = nullptr);
