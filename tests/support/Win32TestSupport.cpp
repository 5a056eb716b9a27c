// The Windows side of the shared test helpers.
#include <windows.h>

#include <random>
#include <string>

#include "support/TestSupport.h"

namespace corvane::test {

namespace {

HKEY CreateKeyW(HKEY parent, const std::wstring& name) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

}  // namespace

ScopedRegistryFile::ScopedRegistryFile(const std::string& /*path*/) : m_hadPrevious(false) {
  std::random_device device;
  m_previous = "Software\\CorvaneTests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(device());
  const std::wstring base(m_previous.begin(), m_previous.end());
  // Take the real roots before any redirection is in place.
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  HKEY user = CreateKeyW(HKEY_CURRENT_USER, base + L"\\HKEY_CURRENT_USER");
  HKEY machine = CreateKeyW(HKEY_CURRENT_USER, base + L"\\HKEY_LOCAL_MACHINE");
  if (user && machine) {
    RegOverridePredefKey(HKEY_CURRENT_USER, user);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine);
    m_hadPrevious = true;
  }
  if (user) RegCloseKey(user);
  if (machine) RegCloseKey(machine);
}

ScopedRegistryFile::~ScopedRegistryFile() {
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  const std::wstring base(m_previous.begin(), m_previous.end());
  RegDeleteTreeW(HKEY_CURRENT_USER, base.c_str());
}

}  // namespace corvane::test

#include <cstdlib>

int setenv(const char* name, const char* value, int overwrite) {
  if (!name || !*name || !value) return -1;
  if (!overwrite && std::getenv(name)) return 0;
  return _putenv_s(name, value) == 0 ? 0 : -1;
}

int unsetenv(const char* name) {
  if (!name || !*name) return -1;
  return _putenv_s(name, "") == 0 ? 0 : -1;  // an empty value removes the variable
}
