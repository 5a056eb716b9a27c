#include "actions/ActionRegKey.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace corvane {

void FormatActionKeyName(char* name, int size, int index) {
  if (!name || size <= 0) return;
  std::snprintf(name, static_cast<size_t>(size), "%s%02d", "Action", index);
}

CActionRegKey::CActionRegKey(HKEY parent, int index, BOOL create) {
  char name[32];
  FormatActionKeyName(name, sizeof name, index);
  HKEY key = nullptr;
  const LSTATUS status = create ? RegCreateKeyA(parent, name, &key) : RegOpenKeyA(parent, name, &key);
  m_hKey = status == ERROR_SUCCESS ? key : nullptr;
}

CActionRegKey::~CActionRegKey() { Close(); }

namespace {
// A value of a related type reads as the one asked for: the numbers are raw
// little-endian bytes either way, and an expandable text is a text.
bool TypeMatches(DWORD asked, DWORD stored) {
  if (asked == stored) return true;
  if (asked == REG_BINARY && stored == REG_DWORD) return true;
  if (asked == REG_SZ && stored == REG_EXPAND_SZ) return true;
  return false;
}
}  // namespace

DWORD CActionRegKey::QueryValue(LPCSTR valueName, DWORD type, void* data, DWORD size) {
  if (!m_hKey) return 0;
  DWORD storedType = REG_NONE;
  DWORD count = size;
  const LSTATUS status =
      RegQueryValueExA(m_hKey, valueName, nullptr, &storedType, static_cast<LPBYTE>(data), &count);
  if (status != ERROR_SUCCESS) return 0;
  if (!TypeMatches(type, storedType)) return 0;
  return count;
}

bool CActionRegKey::QueryText(LPCSTR valueName, CString& text) {
  constexpr DWORD kLongestText = 1 << 20;
  if (!m_hKey) return false;
  std::vector<char> buffer(256);
  // The value may grow between asking its size and reading it: try again a
  // few times with the size the registry reports.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD storedType = REG_NONE;
    DWORD count = static_cast<DWORD>(buffer.size());
    const LSTATUS status = RegQueryValueExA(m_hKey, valueName, nullptr, &storedType,
                                            reinterpret_cast<LPBYTE>(buffer.data()), &count);
    if (status == ERROR_MORE_DATA && count > buffer.size() && count <= kLongestText) {
      buffer.resize(count);
      continue;
    }
    if (status != ERROR_SUCCESS || !TypeMatches(REG_SZ, storedType) || count > buffer.size()) return false;
    const char* end = static_cast<const char*>(std::memchr(buffer.data(), '\0', count));
    text = CString(buffer.data(), static_cast<int>(end ? end - buffer.data() : count));
    return true;
  }
  return false;
}

bool CActionRegKey::SetValue(LPCSTR valueName, DWORD type, const void* data, DWORD size) {
  if (!m_hKey) return false;
  return RegSetValueExA(m_hKey, valueName, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

void CActionRegKey::Close() {
  if (m_hKey) {
    RegCloseKey(m_hKey);
    m_hKey = nullptr;
  }
}

LSTATUS DeleteActionKey(HKEY parent, int index) {
  char name[32];
  FormatActionKeyName(name, sizeof name, index);
  return RegDeleteKeyA(parent, name);
}

}  // namespace corvane
