#pragma once
// Small operations every part of the program uses.
#include "soubory.h"

#include <QString>
#include <QStringList>

// The directory of the running executable, ending with a separator.
QString AdresarProgramu();
// Where printing writes PDF files ("c:\vk\pdf\" on the suite's Windows workstations):
// $SMESI_PDF_DIR, else ~/vk/pdf/; always ends with a separator.
QString AdresarPdfVychozi();
// Waits while the window processes its events.
void Cekej(int milisekund);
// Opens a file with the application associated with it (xdg-open on Linux).
bool SpustProgram(const QString& soubor);
// Starts a command line as a new process; with cekat it returns when the process ends.
// The program is looked for in the working directory, then the program directory, then
// PATH, as the suite names its programs relative to the working directory.
bool SpustProces(const QString& prikazovyRadek, bool cekat);
// The same with the arguments given one by one, so a value with a quote or a blank stays
// one argument.
bool SpustProces(const QString& program, const QStringList& argumenty, bool cekat);
// The path of a program of the suite by the same rule, or an empty text.
QString NajdiProgram(const QString& jmeno);
// True when the program "name" already ran today; records today's date either way.
bool DnesUzSpusteno(const QString& jmeno);
