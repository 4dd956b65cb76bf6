#pragma once
// The three views of a lot: its stock card and its history in the stock-card module, and
// its stored ULČ protocol.
#include <QString>

struct StavProgramu;

// Start "grem.exe" from the working directory and wait for it; nothing when the lot is
// empty or the program cannot be started.
void ZobrazKartu(const QString& stredisko, const QString& partiecela, const QString& lomeni);
void HistoriePartie(const QString& partiecela, const QString& lomeni, const QString& partie,
                    const QString& nazevosiva, const QString& stredisko);
// Writes the stored protocol to AdresarPDF and opens it; "ULČ nenalezen!" when none is stored.
// Answers the file written (empty when none).
QString ZobrazULC(StavProgramu& stav, const QString& ulc);
