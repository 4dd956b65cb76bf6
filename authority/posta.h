#pragma once
// Mail through the desktop's mail program: the message is handed over (xdg-email), the
// mail program shows its compose window and the user sends it there. The module never
// talks to a mail server itself.
#include <QString>

// Hands over subject, body, one attachment (full path), an optional copy and recipient
// and the sender. An empty name falls back to the address. Answers 0 when the mail
// program took the message, -1 when no hand-over program could be started, otherwise its
// own non-zero code (a cancelled or failed compose). The attachment is not checked first.
int PosliMail(const QString& predmet, const QString& text, const QString& priloha,
              const QString& adresaKopie, const QString& jmenoKopie, const QString& adresaPrijemce,
              const QString& jmenoPrijemce, const QString& adresaOdesilatele,
              const QString& jmenoOdesilatele);

// Whether the text is one e-mail address: a local part of atoms or quoted strings joined
// by dots, "@", and a domain of at least two labels that start with a letter.
bool JeEmail(const QString& text);
