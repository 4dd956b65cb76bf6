#pragma once
// Value forms of generated SQL. Every value that enters SQL text goes through one of these.
#include "desetinne.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// A text literal in single quotes. The quote is doubled, and the backslash (the server's
// escape character), NUL and Ctrl-Z are escaped, so no typed value can end the literal early.
QString SqlText(const QString& hodnota);
// The same escaping for a literal in double quotes (statements of the suite written that way).
QString SqlTextUvozovky(const QString& hodnota);
// The escaped inside of a literal without its quotes: the literal's own quote doubled, the
// backslash and the characters the server drops or stops at escaped.
QString SqlEscape(const QString& hodnota, QChar uvozovka = QLatin1Char('\''));
// The "0"-form: "0" followed by the field's text with the decimal comma replaced by a
// point ("123,5" -> "0123.5", "-5" -> "0-5", "0" -> "00"). Anything that is not a plain
// number gives "00" so that a typed letter cannot become part of the statement.
QString SqlCislo0(const QString& textPole);
QString SqlCislo0(Desetinne hodnota);
// A plain number (no leading zero) for integers and exact decimals.
QString SqlCislo(Desetinne hodnota);
QString SqlCislo(qint64 hodnota);
// 'yyyy-mm-dd'; an invalid date gives the suite's empty date '1900-01-01'.
QString SqlDatum(const QDate& datum);
// 'yyyy-mm-dd hh:mm:ss'.
QString SqlDatumCas(const QDateTime& cas);
// "yyyy-mm-dd hh:nn:ss" without quotes (audit rows, log lines).
QString TextDatumCas(const QDateTime& cas);
