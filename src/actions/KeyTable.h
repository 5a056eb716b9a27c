// The table of the 65 keys a hot key can press: digits, letters, F1 to F12
// and 17 named keys, as two parallel arrays of names and virtual-key codes.
// Built once per process on first use.
#pragma once

#include "system/Win32.h"

namespace corvane {

constexpr int kKeyTableSize = 65;

void BuildKeyTable();
// The code at a table position; 0 outside the table.
BYTE GetKeyCodeAt(int position);
// Sets name to the key's name (empty outside the table); answers its length.
int GetKeyNameAt(CString& name, int position);
// The first position that holds the code, or -1.
int FindKeyCode(BYTE code);

}  // namespace corvane
