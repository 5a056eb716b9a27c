#include "surface/Template.h"

#include <cstdint>
#include <new>

#include "corvane/ListCtrl.h"
#include "macros/MacroAction.h"
#include "system/Profile.h"
#include "system/Resources.h"

namespace corvane {

namespace {

constexpr const char* kTemplateSection = "Template";
constexpr const char* kMacroSection = "MacroSection";

// The most macro sections a template reads, whatever its "Count" says: a
// damaged count (2147483647) would otherwise keep the host busy for hours
// looking for sections that are not there.
constexpr int kMaxTemplateMacros = 65535;

// Reads one name key: the stored text, or the default when the key is
// missing; a key present with an empty value gives the empty text.
CString ReadName(const CString& file, const char* key, const char* defaultText) {
  char buffer[1024];
  buffer[0] = '\0';
  GetPrivateProfileStringA(kTemplateSection, key, defaultText, buffer, 1023, file);
  return CString(buffer);
}

CString MacroSectionName(int position) {
  CString name;
  name.Format("%s.%d", kMacroSection, position);
  return name;
}

}  // namespace

CTemplate::CTemplate() { m_nContainerType = CONTAINER_TEMPLATE; }

CTemplate::CTemplate(const CTemplate& source)
    : CContainer(source),
      m_strFileName(source.m_strFileName),
      m_strTemplateName(source.m_strTemplateName),
      m_strExeName(source.m_strExeName),
      m_strModuleName(source.m_strModuleName),
      m_strClassName(source.m_strClassName) {
  m_nContainerType = CONTAINER_TEMPLATE;
}

CTemplate::~CTemplate() = default;

CContainer* CTemplate::Clone() { return new (std::nothrow) CTemplate(*this); }

int CTemplate::ReadContainer(const CString& file, const CString&) {
  m_strFileName = file;
  m_strTemplateName = ReadName(file, "TemplateName", "Base");
  m_strExeName = ReadName(file, "ExeName", "NONE");
  m_strModuleName = ReadName(file, "ModuleName", "NONE");
  m_strClassName = ReadName(file, "ClassName", "NONE");
  int count = static_cast<int>(GetPrivateProfileIntA(kTemplateSection, "Count", 0, file));
  if (count > kMaxTemplateMacros) count = kMaxTemplateMacros;
  for (int i = 1; i <= count; ++i) {
    CMacroAction* macro = new (std::nothrow) CMacroAction;
    if (!macro) break;
    if (macro->ReadContainer(file, MacroSectionName(i)) != 0)
      Add(macro);
    else
      delete macro;
  }
  return 1;
}

void CTemplate::WriteContainer(const CString& file, const CString&) {
  m_strFileName = file;
  WritePrivateProfileStringA(kTemplateSection, "TemplateName", m_strTemplateName, file);
  WritePrivateProfileStringA(kTemplateSection, "ExeName", m_strExeName, file);
  WritePrivateProfileStringA(kTemplateSection, "ModuleName", m_strModuleName, file);
  WritePrivateProfileStringA(kTemplateSection, "ClassName", m_strClassName, file);
  const int count = GetCount();
  CString text;
  text.Format("%d", count);
  WritePrivateProfileStringA(kTemplateSection, "Count", text, file);
  for (int i = 0; i < count; ++i) {
    CContainer* macro = GetAt(i);
    if (macro) macro->WriteContainer(file, MacroSectionName(i + 1));
  }
}

void CTemplate::ControlSetup(CListCtrl* list) {
  if (!list) return;
  list->InsertColumn(0, LoadResString(IDS_COLUMN_ITEM), LVCFMT_LEFT, 40);
  list->InsertColumn(1, LoadResString(IDS_COLUMN_APPLICATION_TITLE), LVCFMT_LEFT, 144);
  list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

void CTemplate::ControlInsertItem(CListCtrl* list, int index) {
  if (!list || !ResolveIndex(index)) return;
  auto* macro = dynamic_cast<CMacroAction*>(GetAt(index));
  if (!macro) return;
  CString id;
  id.Format("%d", macro->m_nID);
  list->SetItemText(index, 0, id);
  list->SetItemText(index, 1, macro->GetAliasString());
}

void CTemplate::ControlItemChanged(CListCtrl* list, int column, int index) {
  if (!list || !ResolveIndex(index)) return;
  CContainer* macro = GetAt(index);
  if (!macro) return;
  macro->SetAliasString(list->GetItemText(index, column));
}

int CTemplate::GetAliasField(CListCtrl*) { return 1; }

int CTemplate::OnInsertNew(int index) {
  const int count = GetCount();
  int position = (index == -1 ? m_nCurSel : index);
  // Computed in 64 bits so that the largest position cannot overflow.
  long long insert = static_cast<long long>(position) + 1;
  if (insert == -1 || insert > count || insert < 0) insert = count;
  CMacroAction* macro = new (std::nothrow) CMacroAction;
  if (!macro) return 0;
  InsertAt(static_cast<int>(insert), macro);
  m_nCurSel = static_cast<int>(insert);
  return 1;
}

void CTemplate::Play(void* parameter) {
  // The key travels as a pointer-sized value; only its low 32 bits are an
  // identifier.
  const int key = static_cast<int>(reinterpret_cast<std::intptr_t>(parameter));
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    auto* macro = dynamic_cast<CMacroAction*>(GetAt(i));
    if (macro && macro->m_nID == key) {
      macro->Play(nullptr);
      return;
    }
  }
}

}  // namespace corvane
