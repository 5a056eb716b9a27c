// The registry functions of the Linux build (over the REGEDIT4 registry
// file), compiled into the Windows test program under other names so that
// they can be compared with the platform's registry.  The file is the one
// CORVANE_REGISTRY names.
#pragma once

#include "system/Win32.h"

namespace corvane::linux_registry {

extern const HKEY CurrentUser;
LSTATUS CreateKey(HKEY parent, LPCSTR subKey, HKEY* result);
LSTATUS OpenKey(HKEY parent, LPCSTR subKey, HKEY* result);
LSTATUS QueryValue(HKEY key, LPCSTR valueName, LPDWORD type, LPBYTE data, LPDWORD size);
LSTATUS SetValue(HKEY key, LPCSTR valueName, DWORD type, const BYTE* data, DWORD size);
LSTATUS DeleteKey(HKEY parent, LPCSTR subKey);
LSTATUS CloseKey(HKEY key);

}  // namespace corvane::linux_registry
