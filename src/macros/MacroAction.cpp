#include "macros/MacroAction.h"

#include <cstdio>
#include <new>
#include <vector>

#include "actions/Action.h"
#include "actions/ActionRegKey.h"
#include "container/ProfileValue.h"
#include "dialogs/ActionEditing.h"
#include "corvane/ListCtrl.h"
#include "system/Desktop.h"
#include "system/Profile.h"
#include "system/Registry.h"
#include "system/Resources.h"

namespace corvane {

namespace {

// The section of action i (1-based) under section: "%s.%02d", formed in the
// shared value buffer and copied before the buffer is used again.
CString ActionSection(const CString& section, int i) {
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, "%s.%02d", section.GetString(), i);
  return CString(g_profileBuffer);
}

// A default value longer than this is not taken as an alias.
constexpr DWORD kMaxAliasBytes = 65536;

int BoundedCount(int count) {
  if (count < 0) return 0;
  return count > kMaxMacroActions ? kMaxMacroActions : count;
}

}  // namespace

CMacroAction::CMacroAction() {
  m_nContainerType = CONTAINER_MACRO;
  m_hIdleEvent = CreateEventA(nullptr, TRUE, TRUE, nullptr);
}

CMacroAction::CMacroAction(const CMacroAction& source) : CContainer(source), m_nID(source.m_nID) {
  m_nContainerType = CONTAINER_MACRO;
  m_hIdleEvent = CreateEventA(nullptr, TRUE, TRUE, nullptr);
}

CMacroAction::~CMacroAction() {
  WaitUntilIdle();
  if (m_hIdleEvent) CloseHandle(m_hIdleEvent);
  m_hIdleEvent = nullptr;
}

void CMacroAction::WaitUntilIdle() {
  if (m_hIdleEvent) WaitForSingleObject(m_hIdleEvent, INFINITE);
}

bool CMacroAction::IsIdle() const {
  return m_hIdleEvent && WaitForSingleObject(m_hIdleEvent, 0) == WAIT_OBJECT_0;
}

CContainer* CMacroAction::Clone() { return new (std::nothrow) CMacroAction(*this); }

CAction* CMacroAction::ActionAt(int index) {
  // Not the virtual GetAt: the playback thread calls this too, and must not
  // read the object's virtual table while a destructor may be changing it.
  return dynamic_cast<CAction*>(CContainer::GetAt(index));
}

// ---------------------------------------------------------------- profile

int CMacroAction::ReadContainer(const CString& file, const CString& section) {
  m_nID = static_cast<int>(GetPrivateProfileIntA(section, "ID", 0, file));
  ReadProfileString(m_strAlias, file, section, "Alias", "");
  const int count = BoundedCount(static_cast<int>(GetPrivateProfileIntA(section, "Count", 0, file)));
  for (int i = 1; i <= count; ++i) {
    const CString actionSection = ActionSection(section, i);
    const int type = static_cast<int>(GetPrivateProfileIntA(actionSection, "Type", 0, file));
    CAction* action = CreateAction(type);
    if (!action) continue;  // no kind, or a kind this library does not know
    action->ReadContainer(file, actionSection);
    Add(action);
  }
  return GetCount();
}

void CMacroAction::WriteContainer(const CString& file, const CString& section) {
  WritePaddedProfileInt(file, section, "ID", m_nID, 1);
  if (!m_strAlias.IsEmpty()) WritePrivateProfileStringA(section, "Alias", m_strAlias, file);
  const int count = GetCount();
  if (count < 1) return;
  WritePaddedProfileInt(file, section, "Count", count, 1);
  for (int i = 0; i < count; ++i) {
    CContainer* action = GetAt(i);
    if (action) action->WriteContainer(file, ActionSection(section, i + 1));
  }
}

// ---------------------------------------------------------------- registry

HKEY CMacroAction::OpenRegistryKey(int) { return nullptr; }

int CMacroAction::LoadFromRegistry() {
  HKEY key = OpenRegistryKey(0);
  if (!key) return 0;

  // The alias is the default value, stored without a terminating zero; an
  // empty value (or one that holds only a zero) leaves the alias as it is.
  DWORD size = 0;
  if (RegQueryValueExA(key, nullptr, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS && size > 0 &&
      size <= kMaxAliasBytes) {
    std::vector<BYTE> text(size + 1, 0);
    DWORD read = size;
    if (RegQueryValueExA(key, nullptr, nullptr, nullptr, text.data(), &read) == ERROR_SUCCESS) {
      text[read < size ? read : size] = 0;
      const CString alias(reinterpret_cast<const char*>(text.data()));
      if (!alias.IsEmpty()) m_strAlias = alias;
    }
  }

  // "Count": exactly 2 bytes or fewer, little-endian; anything else is 0.
  BYTE countBytes[2] = {0, 0};
  DWORD countSize = sizeof countBytes;
  int count = 0;
  if (RegQueryValueExA(key, "Count", nullptr, nullptr, countBytes, &countSize) == ERROR_SUCCESS)
    count = countBytes[0] | (countBytes[1] << 8);

  for (int i = 1; i <= count; ++i) {
    CActionRegKey subkey(key, i, FALSE);
    BYTE typeBytes[2] = {0, 0};
    subkey.QueryValue("Type", REG_BINARY, typeBytes, sizeof typeBytes);
    subkey.Close();
    CAction* action = CreateAction(typeBytes[0] | (typeBytes[1] << 8));
    if (!action) continue;
    action->ReadRegistry(key, i);
    Add(action);
  }
  RegCloseKey(key);
  return count;
}

int CMacroAction::SaveToRegistry() {
  HKEY key = OpenRegistryKey(1);
  if (!key) return 0;
  const int count = GetCount();
  for (int i = 0; i < count; ++i)
    if (CAction* action = ActionAt(i)) action->WriteRegistry(key, i + 1);
  const BYTE countBytes[2] = {static_cast<BYTE>(count & 0xFF), static_cast<BYTE>((count >> 8) & 0xFF)};
  RegSetValueExA(key, "Count", 0, REG_BINARY, countBytes, sizeof countBytes);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(m_strAlias.GetString()),
                 static_cast<DWORD>(m_strAlias.GetLength()));
  RegCloseKey(key);
  return 1;
}

// ---------------------------------------------------------------- list view

void CMacroAction::ControlSetup(CListCtrl* list) {
  if (!list) return;
  list->InsertColumn(0, LoadResString(IDS_COLUMN_ACTION), LVCFMT_LEFT, 70);
  list->InsertColumn(1, LoadResString(IDS_COLUMN_TYPE), LVCFMT_LEFT, 70);
  list->InsertColumn(2, LoadResString(IDS_COLUMN_ACTION_ALIAS), LVCFMT_LEFT, 200);
  list->InsertColumn(3, LoadResString(IDS_COLUMN_ACTION_DESCRIPTION), LVCFMT_LEFT, 200);
  list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

void CMacroAction::ControlInsertItem(CListCtrl* list, int index) {
  if (!list || !ResolveIndex(index)) return;
  CAction* action = ActionAt(index);
  if (!action) return;
  list->SetItemData(index, reinterpret_cast<DWORD_PTR>(action));
  CString number;
  number.Format("%d", index + 1);
  list->SetItemText(index, 0, number);
  list->SetItemText(index, 1, action->GetTypeName());
  list->SetItemText(index, 2, action->GetAliasString());
  HKEY key = OpenRegistryKey(0);
  CString description;
  action->GetDescription(key, description, 1);
  list->SetItemText(index, 3, description);
  if (key) RegCloseKey(key);
}

void CMacroAction::ControlItemChanged(CListCtrl* list, int column, int index) {
  if (!list || !ResolveIndex(index)) return;
  CAction* action = ActionAt(index);
  if (!action) return;
  action->SetAliasString(list->GetItemText(index, column));
}

int CMacroAction::GetAliasField(CListCtrl*) { return 2; }

// ---------------------------------------------------------------- editing

CAction* CMacroAction::EditAction(CAction* action, int preset) { return EditActionInSheet(action, preset); }

int CMacroAction::OnInsertNew(int index) {
  const int count = GetCount();
  int position = index == -1 ? m_nCurSel : index;
  if (position < 0 || position >= count) position = count;  // no position: append
  CAction* action = EditAction(nullptr, -1);
  if (!action) return 0;
  InsertAt(position, action);
  m_nCurSel = position;
  return 1;
}

int CMacroAction::OnEditItem(int index, int preset) {
  const int position = index == -1 ? m_nCurSel : index;
  if (position < 0 || position >= GetCount()) return 0;
  CAction* old = ActionAt(position);
  if (!old) return 0;
  CAction* action = EditAction(old, preset);
  if (!action) return 0;
  SetAt(position, action);
  delete old;
  return 1;
}

// ---------------------------------------------------------------- playback

void CMacroAction::Play(void*) { StartPlayback(GetActiveWindow()); }

void CMacroAction::StartPlayback(HWND window) {
  if (WaitForSingleObject(m_hIdleEvent, INFINITE) != WAIT_OBJECT_0) return;
  m_hTargetWnd = window;
  ResetEvent(m_hIdleEvent);
  // Started suspended so that m_pThread is stored before the thread can
  // end and clear it.
  CWinThread* thread = AfxBeginThread(&CMacroAction::PlaybackThread, this, THREAD_PRIORITY_NORMAL, 0,
                                      CREATE_SUSPENDED);
  if (!thread) {
    m_pThread = nullptr;
    m_hTargetWnd = nullptr;
    SetEvent(m_hIdleEvent);
    return;
  }
  m_pThread = thread;
  thread->ResumeThread();
}

UINT CMacroAction::PlaybackThread(LPVOID param) {
  auto* macro = static_cast<CMacroAction*>(param);
  UINT played = 0;
  if (macro->m_hTargetWnd) {
    const int count = static_cast<int>(macro->m_children.size());
    for (int i = 0; i < count; ++i) {
      Sleep(kMacroActionPause);
      if (CAction* action = macro->ActionAt(i)) action->Execute(macro->m_hTargetWnd);
    }
    played = 1;
  }
  macro->m_pThread = nullptr;
  macro->m_hTargetWnd = nullptr;
  SetEvent(macro->m_hIdleEvent);  // the macro may be destroyed from here on
  return played;
}

int CMacroAction::ExecuteAll() {
  const int count = GetCount();
  int answer = 0;
  for (int i = 0; i < count; ++i)
    if (CAction* action = ActionAt(i)) answer = action->Execute(nullptr);
  return answer;
}

}  // namespace corvane
