// A list of names that the string table gives by id: the window states, the
// play modes and the internet services.  The names are loaded on first use
// and loaded again when the resource language changes, so they always follow
// it.  Thread-safe.
#pragma once

#include <cstddef>
#include <mutex>
#include <vector>

#include "system/Win32.h"

namespace corvane {

class CResourceNameTable {
 public:
  CResourceNameTable(const UINT* ids, std::size_t count);
  CResourceNameTable(const CResourceNameTable&) = delete;
  CResourceNameTable& operator=(const CResourceNameTable&) = delete;

  // Loads the names unless they are loaded in the current language.
  void Build();
  // Sets name to the name at position (empty outside the table, and for an id
  // that the string table lacks); answers its length.
  int GetNameAt(CString& name, int position);
  int GetSize() const { return static_cast<int>(m_count); }

 private:
  void BuildLocked();

  const UINT* m_ids;
  std::size_t m_count;
  std::mutex m_mutex;
  std::vector<CString> m_names;
  bool m_built = false;
  LANGID m_language = 0;
};

}  // namespace corvane
