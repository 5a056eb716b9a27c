// LoadLibraryA and friends on Windows: the platform's loader.  The tablet
// driver "WINTAB32.DLL" can be taken from another file, named by the
// environment variable CORVANE_TABLET_DRIVER, as on Linux.
#include "system/DynamicLibrary.h"

#include <cctype>
#include <cstdlib>
#include <string>

#include "system/win32/WideText.h"
#include "system/win32/WindowsApi.h"

namespace corvane {

namespace {

bool EqualsNoCase(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return i == a.size() && b[i] == '\0';
}

}  // namespace

CString MapLibraryName(LPCSTR fileName) {
  if (!fileName || !*fileName) return CString();
  const std::string name(fileName);
  if (EqualsNoCase(name, "WINTAB32.DLL") || EqualsNoCase(name, "WINTAB32")) {
    const char* driver = std::getenv("CORVANE_TABLET_DRIVER");
    if (driver && *driver) return CString(driver);
  }
  return CString(name);
}

HMODULE LoadLibraryA(LPCSTR fileName) {
  const CString file = MapLibraryName(fileName);
  if (file.IsEmpty()) return nullptr;
  // No "insert the disk" box for a library on a missing drive.
  const UINT previous = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  ::HMODULE module = ::LoadLibraryW(win32::Utf8ToWide(file.view()).c_str());
  ::SetErrorMode(previous);
  return reinterpret_cast<HMODULE>(module);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
  if (!module || !procName) return nullptr;
  return reinterpret_cast<FARPROC>(::GetProcAddress(reinterpret_cast<::HMODULE>(module), procName));
}

BOOL FreeLibrary(HMODULE module) {
  if (!module) return FALSE;
  return ::FreeLibrary(reinterpret_cast<::HMODULE>(module)) ? TRUE : FALSE;
}

}  // namespace corvane
