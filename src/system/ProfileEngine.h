// The profile functions as the project's own INI engine answers them (over
// ProfileStore).  They are the profile functions on Linux; on Windows, where
// the platform's own are used, the tests compare the two.
#pragma once

#include "system/Win32.h"

namespace corvane {

DWORD EngineGetProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size, LPCSTR file);
UINT EngineGetProfileInt(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR file);
BOOL EngineWriteProfileString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file);

}  // namespace corvane
