#pragma once
// Windows-1250 at the edges: the database connection, INI and dBase files, logs.
#include <QByteArray>
#include <QString>

// Encodes text to Windows-1250. Returns false (and names the first character that the code
// page cannot hold in *chyba) instead of silently writing "?".
bool DoCp1250(const QString& text, QByteArray& vystup, QString* chyba = nullptr);
// Encodes text that is known to be representable (or where a lossy copy is acceptable,
// such as a log line); unrepresentable characters become '?'.
QByteArray DoCp1250Ztratove(const QString& text);
QString ZCp1250(const QByteArray& bajty);
QString ZCp1250(const char* data, qsizetype delka);
// The first character of text that Windows-1250 cannot hold, or an empty string.
QString NezobrazitelnyZnak(const QString& text);
