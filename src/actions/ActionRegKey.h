// The registry subkey of an action: "Action%02d" under the parent key of its
// list (Action01, Action09, Action10, Action123).
#pragma once

#include "system/Registry.h"
#include "system/Win32.h"

namespace corvane {

// Fills name (at least 32 bytes) with the subkey name of the 1-based index.
void FormatActionKeyName(char* name, int size, int index);

// Owns one open registry key: the subkey of an action, created or opened.
class CActionRegKey {
 public:
  CActionRegKey(HKEY parent, int index, BOOL create);
  ~CActionRegKey();
  CActionRegKey(const CActionRegKey&) = delete;
  CActionRegKey& operator=(const CActionRegKey&) = delete;

  // RegQueryValueExA on the held key (valueName null: the default value);
  // answers the byte count the registry reports, or 0 when the call fails or
  // no key is held.  data may be null to ask for the size.
  DWORD QueryValue(LPCSTR valueName, DWORD type, void* data, DWORD size);
  // Reads a text value (REG_SZ or REG_EXPAND_SZ) whole, cut at its first
  // zero byte.  False, with text unchanged, when no key is held or the value
  // is missing, of another type or longer than 1 MiB.  An empty value is
  // found and gives the empty text.
  bool QueryText(LPCSTR valueName, CString& text);
  // RegSetValueExA on the held key; false when it fails or no key is held.
  bool SetValue(LPCSTR valueName, DWORD type, const void* data, DWORD size);
  void Close();

  HKEY GetKey() const { return m_hKey; }
  bool IsOpen() const { return m_hKey != nullptr; }

 private:
  HKEY m_hKey = nullptr;
};

// Deletes the subkey of index n under parent; answers RegDeleteKeyA's result
// (0 on success).
LSTATUS DeleteActionKey(HKEY parent, int index);

}  // namespace corvane
