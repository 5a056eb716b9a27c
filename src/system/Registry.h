// The registry functions the library and the installer use.  On Linux the
// hives are a persistent store kept in a REGEDIT4-format text file under the
// user's configuration folder (CORVANE_REGISTRY names another file).
#pragma once

#include "system/Win32.h"

namespace corvane {

// Predefined roots.  Their values are fixed handles that never close.
extern const HKEY HKEY_CURRENT_USER;
extern const HKEY HKEY_LOCAL_MACHINE;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

constexpr LSTATUS ERROR_BADKEY = 1010;
constexpr LSTATUS ERROR_REGISTRY_IO_FAILED = 1016;
constexpr LSTATUS ERROR_KEY_DELETED = 1018;

constexpr DWORD KEY_QUERY_VALUE = 0x0001;
constexpr DWORD KEY_SET_VALUE = 0x0002;
constexpr DWORD KEY_CREATE_SUB_KEY = 0x0004;
constexpr DWORD KEY_READ = 0x20019;
constexpr DWORD KEY_WRITE = 0x20006;
constexpr DWORD KEY_ALL_ACCESS = 0xF003F;

LSTATUS RegCreateKeyA(HKEY parent, LPCSTR subKey, HKEY* result);
LSTATUS RegOpenKeyA(HKEY parent, LPCSTR subKey, HKEY* result);
LSTATUS RegOpenKeyExA(HKEY parent, LPCSTR subKey, DWORD options, DWORD access, HKEY* result);
// data may be null to ask for the size; *size is in/out as in Win32
// (ERROR_MORE_DATA with the needed size when the buffer is too small).
LSTATUS RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size);
LSTATUS RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
// Deletes a subkey that has no subkeys of its own.
LSTATUS RegDeleteKeyA(HKEY parent, LPCSTR subKey);
LSTATUS RegCloseKey(HKEY key);

}  // namespace corvane
