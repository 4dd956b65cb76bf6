#pragma once
#include "relace.h"

#include <functional>

// Runs the session's script. A failure has already been rolled back, written to "sme.err"
// and the connection closed; here the user is told and the end of the program requested.
// Nothing after a failed script may run: callers return when this answers false.
bool ProvedSkriptSHlasenim(Relace& relace, const std::function<void()>& pozadavekKonce);
