// LoadLibraryA and friends on Linux: dlopen, dlsym, dlclose.
#include "system/DynamicLibrary.h"

#include <dlfcn.h>

#include <cctype>
#include <cstdlib>
#include <string>

namespace corvane {

namespace {

bool EqualsNoCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return i == a.size() && b[i] == '\0';
}

}  // namespace

CString MapLibraryName(LPCSTR fileName) {
  if (!fileName || !*fileName) return CString();
  std::string name(fileName);
  if (name.find('/') != std::string::npos) return CString(name);
  if (EqualsNoCase(name, "WINTAB32.DLL") || EqualsNoCase(name, "WINTAB32")) {
    const char* driver = std::getenv("CORVANE_TABLET_DRIVER");
    if (driver && *driver) return CString(driver);
  }
  std::string base = name;
  if (base.size() > 4 && EqualsNoCase(base.substr(base.size() - 4), ".dll")) base.resize(base.size() - 4);
  for (char& c : base) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (base.size() > 3 && base.compare(base.size() - 3, 3, ".so") == 0) return CString(base);
  return CString("lib" + base + ".so");
}

HMODULE LoadLibraryA(LPCSTR fileName) {
  CString file = MapLibraryName(fileName);
  if (file.IsEmpty()) return nullptr;
  return static_cast<HMODULE>(dlopen(file.GetString(), RTLD_NOW | RTLD_LOCAL));
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
  if (!module || !procName) return nullptr;
  void* symbol = dlsym(module, procName);
  // A data pointer and a function pointer have the same size on every
  // platform dlsym exists on; POSIX requires this conversion to work.
  return reinterpret_cast<FARPROC>(symbol);
}

BOOL FreeLibrary(HMODULE module) {
  if (!module) return FALSE;
  return dlclose(module) == 0 ? TRUE : FALSE;
}

}  // namespace corvane
