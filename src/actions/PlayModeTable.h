// How a sound action plays: "Asynchronous" (string 100), once without
// waiting, or "Synchronous" (101), a given number of times, each time waiting
// for the end.
#pragma once

#include "system/Win32.h"

namespace corvane {

constexpr int PLAYMODE_ASYNC = 0;
constexpr int PLAYMODE_SYNC = 1;
constexpr int kPlayModeCount = 2;

void BuildPlayModeTable();
// Sets name to the mode's name (empty outside the table); answers its length.
int GetPlayModeNameAt(CString& name, int position);

}  // namespace corvane
