// The Linux registry functions, renamed so that they live beside the
// Windows ones in one program.  The store underneath (RegistryStore,
// RegistryFile) is part of every build already.
#define RegCreateKeyA LinuxRegCreateKeyA
#define RegOpenKeyA LinuxRegOpenKeyA
#define RegOpenKeyExA LinuxRegOpenKeyExA
#define RegQueryValueExA LinuxRegQueryValueExA
#define RegSetValueExA LinuxRegSetValueExA
#define RegDeleteKeyA LinuxRegDeleteKeyA
#define RegCloseKey LinuxRegCloseKey
#define HKEY_CURRENT_USER LINUX_HKEY_CURRENT_USER
#define HKEY_LOCAL_MACHINE LINUX_HKEY_LOCAL_MACHINE
#include "system/posix/Registry.cpp"

#include "LinuxRegistryFunctions.h"

namespace corvane::linux_registry {

const HKEY CurrentUser = LINUX_HKEY_CURRENT_USER;
LSTATUS CreateKey(HKEY parent, LPCSTR subKey, HKEY* result) { return LinuxRegCreateKeyA(parent, subKey, result); }
LSTATUS OpenKey(HKEY parent, LPCSTR subKey, HKEY* result) { return LinuxRegOpenKeyA(parent, subKey, result); }
LSTATUS QueryValue(HKEY key, LPCSTR valueName, LPDWORD type, LPBYTE data, LPDWORD size) {
  return LinuxRegQueryValueExA(key, valueName, nullptr, type, data, size);
}
LSTATUS SetValue(HKEY key, LPCSTR valueName, DWORD type, const BYTE* data, DWORD size) {
  return LinuxRegSetValueExA(key, valueName, 0, type, data, size);
}
LSTATUS DeleteKey(HKEY parent, LPCSTR subKey) { return LinuxRegDeleteKeyA(parent, subKey); }
LSTATUS CloseKey(HKEY key) { return LinuxRegCloseKey(key); }

}  // namespace corvane::linux_registry
