// The profile functions on Linux: the project's own INI engine.
#include "system/Profile.h"

#include "system/ProfileEngine.h"

namespace corvane {

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size,
                               LPCSTR file) {
  return EngineGetProfileString(section, key, defaultText, buffer, size, file);
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR file) {
  return EngineGetProfileInt(section, key, defaultValue, file);
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
  return EngineWriteProfileString(section, key, value, file);
}

}  // namespace corvane
