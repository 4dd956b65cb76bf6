#pragma once
// File helpers shared by every layer.
#include <QByteArray>
#include <QString>

// Deletes every plain file matching a mask such as "/x/err/sm2602*.txt" (directories are
// skipped); stops at the first file that cannot be deleted and answers false then.
bool SmazSoubory(const QString& maska);
// Creates a directory with its missing parents; a trailing separator is ignored; nothing
// happens for an empty name, a name of two characters or fewer, or an existing directory.
void VytvorAdresar(const QString& cesta);
// Appends bytes to a file (created when missing); answers whether all was written.
bool PripojKSouboru(const QString& cesta, const QByteArray& data);
