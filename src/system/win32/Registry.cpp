// The registry functions on Windows: the platform's registry through its wide
// functions.  Key and value names and REG_SZ / REG_EXPAND_SZ data are UTF-8
// on the library's side and UTF-16 in the registry, so a text reads back with
// the characters it was written with whatever the system's code page; sizes
// given and answered here count UTF-8 bytes.  Other types pass as raw bytes.
#include "system/Registry.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "system/win32/WideText.h"
#include "system/win32/WindowsApi.h"

namespace corvane {

namespace {

using win32::Utf8ToWide;
using win32::WideArg;
using win32::WideToUtf8;

inline ::HKEY Native(HKEY key) { return reinterpret_cast<::HKEY>(key); }
inline HKEY Ours(::HKEY key) { return reinterpret_cast<HKEY>(key); }

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// A stored text as the library sees it: every UTF-16 unit of the value in
// UTF-8, a terminating zero too when the value holds one.
std::string TextOf(const std::vector<BYTE>& raw, DWORD rawSize) {
  std::wstring wide(rawSize / sizeof(wchar_t), L'\0');
  if (!wide.empty()) std::memcpy(wide.data(), raw.data(), wide.size() * sizeof(wchar_t));
  // WideToUtf8 maps zeros to zero bytes, like any other unit.
  return WideToUtf8(wide);
}

}  // namespace

LSTATUS RegCreateKeyA(HKEY parent, LPCSTR subKey, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  ::HKEY key = nullptr;
  const LSTATUS status = ::RegCreateKeyW(Native(parent), WideArg(subKey).get(), &key);
  *result = status == ERROR_SUCCESS ? Ours(key) : nullptr;
  return status;
}

LSTATUS RegOpenKeyA(HKEY parent, LPCSTR subKey, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  ::HKEY key = nullptr;
  const LSTATUS status = ::RegOpenKeyW(Native(parent), WideArg(subKey).get(), &key);
  *result = status == ERROR_SUCCESS ? Ours(key) : nullptr;
  return status;
}

LSTATUS RegOpenKeyExA(HKEY parent, LPCSTR subKey, DWORD options, DWORD access, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  ::HKEY key = nullptr;
  const LSTATUS status = ::RegOpenKeyExW(Native(parent), WideArg(subKey).get(), options, access, &key);
  *result = status == ERROR_SUCCESS ? Ours(key) : nullptr;
  return status;
}

LSTATUS RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
  if (reserved || (data && !size)) return ERROR_INVALID_PARAMETER;
  const WideArg name(valueName);
  // Read the whole stored value first: the size the caller sees depends on
  // its UTF-8 form, not on what the registry holds.
  ::DWORD storedType = 0;
  ::DWORD rawSize = 0;
  LSTATUS status = ::RegQueryValueExW(Native(key), name.get(), nullptr, &storedType, nullptr, &rawSize);
  std::vector<BYTE> raw;
  for (int attempt = 0; status == ERROR_SUCCESS || status == ERROR_MORE_DATA; ++attempt) {
    raw.resize(rawSize ? rawSize : 1);
    rawSize = static_cast<::DWORD>(raw.size());
    status = ::RegQueryValueExW(Native(key), name.get(), nullptr, &storedType, raw.data(), &rawSize);
    if (status != ERROR_MORE_DATA || attempt == 4) break;  // another writer grew it: try again
  }
  if (status != ERROR_SUCCESS) return status;

  std::string text;
  const BYTE* bytes = raw.data();
  DWORD needed = rawSize;
  if (IsText(storedType)) {
    text = TextOf(raw, rawSize);
    bytes = reinterpret_cast<const BYTE*>(text.data());
    needed = static_cast<DWORD>(text.size());
  }
  if (type) *type = storedType;
  if (data) {
    if (*size < needed) {
      *size = needed;
      return ERROR_MORE_DATA;
    }
    if (needed) std::memcpy(data, bytes, needed);
  }
  if (size) *size = needed;
  return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
  if (!data && size != 0) return ERROR_INVALID_PARAMETER;
  const WideArg name(valueName);
  if (IsText(type)) {
    std::wstring wide = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), data ? size : 0));
    const ::DWORD bytes = static_cast<::DWORD>(wide.size() * sizeof(wchar_t));
    // The platform counts a terminating zero that the caller left out when
    // one follows the data; a unit that is not zero after the data keeps the
    // value exactly as long as the caller said.
    wide.push_back(L'\x1');
    return ::RegSetValueExW(Native(key), name.get(), reserved, type, reinterpret_cast<const BYTE*>(wide.data()),
                            bytes);
  }
  return ::RegSetValueExW(Native(key), name.get(), reserved, type, data, size);
}

LSTATUS RegDeleteKeyA(HKEY parent, LPCSTR subKey) {
  if (!subKey) return ERROR_INVALID_PARAMETER;
  return ::RegDeleteKeyW(Native(parent), WideArg(subKey).get());
}

LSTATUS RegCloseKey(HKEY key) { return ::RegCloseKey(Native(key)); }

}  // namespace corvane
