#pragma once
// Where a lot went: the per-workstation table "tmp" + CisloPC + "smesi" with one row per
// document row of the suite that moved the lot.
#include <QString>
#include <QStringList>

struct StavProgramu;

// The table's name for a workstation.
QString TabulkaPohybu(const QString& cisloPC);
// The statements of the lookup in order, each as its lines joined by "\n"; the trace
// checkpoint written after each statement is in *body (402 … 409, 0 for none).
QStringList PrikazyKdeJeSkl(const QString& cisloPC, const QString& partiecela, qint64 lomeni,
                            QVector<int>* body = nullptr);
// Builds the table on the server in one round trip; on failure the database's message has
// been shown and the statements after the failing one did not run.
bool KdeJeSkl(StavProgramu& stav, const QString& partiecela, qint64 lomeni);
