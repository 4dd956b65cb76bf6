#pragma once
#include "relace.h"

#include <functional>

// Runs the session's script. A failure has already been rolled back, written to "sme.err"
// and the connection closed; here the user is told and the end of the program requested.
// Nothing after a failed script may run: callers return when this answers false.
// A failure that `ocekavana` accepts is only rolled back: no message, the program goes on,
// and *vysledek tells the caller what failed.
bool ProvedSkriptSHlasenim(Relace& relace, const std::function<void()>& pozadavekKonce,
                           VysledekSkriptu* vysledek = nullptr,
                           const OcekavanaChyba& ocekavana = {});
