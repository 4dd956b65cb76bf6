#pragma once
// Typed text ends up in Windows-1250 files and in the database, so a character that code
// page cannot hold is refused where it is typed or pasted, with a message naming it,
// instead of turning into "?" when it is written.
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

void HlidejCp1250(QLineEdit* pole);
// An editable combo box: its line edit is guarded.
void HlidejCp1250(QComboBox* pole);
// A text area has no validator: the refused characters are taken out again right after
// the edit that brought them in.
void HlidejCp1250(QPlainTextEdit* pole);
