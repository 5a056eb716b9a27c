#include "system/ProfileEngine.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "system/ProfileStore.h"

namespace corvane {

namespace {

DWORD CopyOut(const char* text, size_t length, LPSTR buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  const size_t copied = length < size - 1 ? length : size - 1;
  std::memcpy(buffer, text, copied);
  buffer[copied] = '\0';
  return static_cast<DWORD>(copied);
}

}  // namespace

DWORD EngineGetProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size,
                             LPCSTR file) {
  if (section && key && file) {
    bool found = false;
    const size_t copied = ProfileStore::ReadInto(file, section, key, buffer, size, found);
    if (found) return static_cast<DWORD>(copied);
  }
  const char* fallback = defaultText ? defaultText : "";
  return CopyOut(fallback, std::strlen(fallback), buffer, size);
}

UINT EngineGetProfileInt(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR file) {
  std::string value;
  if (!section || !key || !file || !ProfileStore::Read(file, section, key, value))
    return static_cast<UINT>(defaultValue);
  const char* p = value.c_str();
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  std::uint32_t result = 0;
  while (*p >= '0' && *p <= '9') result = result * 10u + static_cast<std::uint32_t>(*p++ - '0');
  return negative ? 0u - result : result;
}

BOOL EngineWriteProfileString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
  // Deleting keys or sections (a null key or value) is never used here.
  if (!section || !key || !value || !file) return FALSE;
  return ProfileStore::Write(file, section, key, value) ? TRUE : FALSE;
}

}  // namespace corvane
