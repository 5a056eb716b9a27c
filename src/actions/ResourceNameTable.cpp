#include "actions/ResourceNameTable.h"

#include "system/Resources.h"

namespace corvane {

CResourceNameTable::CResourceNameTable(const UINT* ids, std::size_t count) : m_ids(ids), m_count(count) {}

void CResourceNameTable::BuildLocked() {
  const LANGID language = GetResourceLanguage();
  if (m_built && language == m_language) return;
  m_names.clear();
  m_names.reserve(m_count);
  for (std::size_t i = 0; i < m_count; ++i) m_names.push_back(LoadResString(m_ids[i], language));
  m_language = language;
  m_built = true;
}

void CResourceNameTable::Build() {
  std::lock_guard lock(m_mutex);
  BuildLocked();
}

int CResourceNameTable::GetNameAt(CString& name, int position) {
  std::lock_guard lock(m_mutex);
  BuildLocked();
  if (position < 0 || static_cast<std::size_t>(position) >= m_names.size()) {
    name.Empty();
    return 0;
  }
  name = m_names[static_cast<std::size_t>(position)];
  return name.GetLength();
}

}  // namespace corvane
