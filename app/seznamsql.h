#pragma once
// Statements of the document list, built line by line as they are sent.
#include <QString>
#include <QStringList>

// The list: every header row of the cost centre, optionally one year ("" for all years),
// with the filter's "where …" first when one is set.
QStringList UdelejSQL(const QString& stredisko, const QString& filtrSQL, const QString& rok,
                      const QString& trideni);
QStringList SqlPaletyStrediska(const QString& stredisko);
QStringList SqlRadkyDokladu(const QString& cislodokla);
QStringList SqlPaletyRadku(const QString& cislodokla, const QString& partiecela, qint64 lomeni);
// "order by <field>" or "order by <field> DESC"; a field name that is not a plain
// identifier gives the initial order instead.
QString TrideniPodle(const QString& pole, bool sestupne);
