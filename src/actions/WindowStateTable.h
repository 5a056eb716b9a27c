// The window states a run action can open its program in: "Default",
// "Maximized" and "Minimized" (string ids 97 to 99), each with the show
// command handed to the shell.  A run action stores the position, not the
// show command.
#pragma once

#include "system/Win32.h"

namespace corvane {

constexpr int kWindowStateCount = 3;

void BuildWindowStateTable();
// Sets name to the state's name (empty outside the table); answers its
// length.
int GetWindowStateNameAt(CString& name, int position);
// The show command at a position; outside the table, that of position 0
// (SW_SHOWDEFAULT).
INT GetShowCommandAt(int position);

}  // namespace corvane
