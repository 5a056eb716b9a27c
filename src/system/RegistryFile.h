// The registry's hives in memory and their text form, a REGEDIT4 file.
//
// The file:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Example]
//   @="the default value"
//   "Text"="a string with its terminating zero"
//   "Raw"=hex(1):41,42
//   "Bytes"=hex:01,02,03
//   "Number"=dword:0000002a
//
// Every value keeps its exact bytes and size:
// - a REG_SZ whose data is text ending in exactly one zero byte (and holding
//   no other zero, no CR, LF or other control character but the tab) is
//   written between quote marks, with \\ and \" as the only escapes;
// - any other REG_SZ (no terminating zero, as the library writes them, or
//   embedded zeros or line breaks) is written as hex(1): with its bytes;
// - a REG_DWORD of exactly 4 bytes is written as dword: (little-endian value
//   in 8 hex digits); any other size as hex(4):;
// - REG_BINARY as hex:, every other type as hex(N): with N in hex.
// Long hex values continue on the next line after a backslash, as regedit
// writes them.  Keys and value names compare without letter case (ASCII) and
// keep the case they were created with.
//
// The reader accepts anything: LF or CRLF, a UTF-8 byte-order mark, comments
// (;), blank lines, a header without its closing bracket, values before any
// header (ignored), unreadable lines (skipped and counted), no final line end.
// What can be read is kept; Serialize writes it all back.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "system/Win32.h"

namespace corvane {

struct RegistryValue {
  std::string name;  // empty for the default value
  DWORD type = 0;
  std::string data;  // the exact bytes
};

class RegistryKey {
 public:
  explicit RegistryKey(std::string name) : m_name(std::move(name)) {}
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  const std::string& Name() const { return m_name; }

  RegistryKey* FindChild(std::string_view name) const;
  // The child of that name, created (at the end) when missing.
  RegistryKey& CreateChild(std::string_view name);
  // Removes a child and everything under it; false when there is none.
  bool RemoveChild(std::string_view name);
  const std::vector<std::unique_ptr<RegistryKey>>& Children() const { return m_children; }

  const RegistryValue* FindValue(std::string_view name) const;
  void SetValue(std::string_view name, DWORD type, std::string data);
  const std::vector<RegistryValue>& Values() const { return m_values; }

 private:
  std::string m_name;
  std::vector<std::unique_ptr<RegistryKey>> m_children;
  std::unordered_map<std::string, RegistryKey*> m_childIndex;  // lower-case name
  std::vector<RegistryValue> m_values;
  std::unordered_map<std::string, size_t> m_valueIndex;  // lower-case name
};

class RegistryFile {
 public:
  RegistryFile() = default;
  RegistryFile(RegistryFile&&) = default;
  RegistryFile& operator=(RegistryFile&&) = default;

  // Splits a key path at backslashes; empty parts (doubled, leading or
  // trailing backslashes) are dropped.
  static std::vector<std::string> SplitPath(std::string_view path);
  static std::string Lower(std::string_view text);

  // The key at root\path, or null.  An empty path is the root itself.
  RegistryKey* Find(std::string_view root, const std::vector<std::string>& path) const;
  // The key at root\path, created with every missing parent.
  RegistryKey& Create(std::string_view root, const std::vector<std::string>& path);
  // The parent of root\path (path not empty), or null.
  RegistryKey* FindParent(std::string_view root, const std::vector<std::string>& path) const;

  static RegistryFile Parse(std::string_view text);
  std::string Serialize() const;

  // Lines the reader could not make sense of (0 for a clean file).
  size_t DamagedLines() const { return m_damagedLines; }

 private:
  std::vector<std::unique_ptr<RegistryKey>> m_roots;
  std::unordered_map<std::string, RegistryKey*> m_rootIndex;
  size_t m_damagedLines = 0;
};

}  // namespace corvane
