#include "actions/ActionRun.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <string>

#include "actions/ActionRegKey.h"
#include "actions/WindowStateTable.h"
#include "container/ProfileValue.h"
#include "system/Desktop.h"
#include "system/Profile.h"
#include "system/Resources.h"

namespace corvane {

namespace {

constexpr UINT kRunTypeName = 48;

void WriteIntKey(const CString& file, const CString& section, LPCSTR key, int value) {
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, "%d", value);
  WritePrivateProfileStringA(section, key, g_profileBuffer, file);
}

// A missing or empty key keeps the field as it was.
void ReadTextKey(const CString& file, const CString& section, LPCSTR key, CString& field) {
  CString value = ReadProfileText(file, section, key);
  if (!value.IsEmpty()) field = value;
}

void SetText(CActionRegKey& key, LPCSTR name, const CString& text) {
  key.SetValue(name, REG_SZ, text.GetString(), static_cast<DWORD>(text.GetLength()));
}

bool StartsWithNoCase(const CString& text, const char* prefix) {
  const int length = static_cast<int>(std::char_traits<char>::length(prefix));
  return text.GetLength() >= length && text.Left(length).CompareNoCase(prefix) == 0;
}

}  // namespace

CString GetFileNamePart(const CString& path) {
  const int separator = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
  if (separator < 0 || separator == path.GetLength() - 1) return path;
  return path.Mid(separator + 1);
}

CActionRun::CActionRun() : CAction(ACTION_RUN) { BuildWindowStateTable(); }

CActionRun::CActionRun(const CActionRun& source)
    : CAction(source),
      m_strApplication(source.m_strApplication),
      m_strApplicationPath(source.m_strApplicationPath),
      m_strParameter(source.m_strParameter),
      m_nWindowState(source.m_nWindowState) {
  m_wKind = ACTION_RUN;
}

CActionRun::~CActionRun() = default;

CContainer* CActionRun::Clone() { return new (std::nothrow) CActionRun(*this); }

void CActionRun::SetLoadTemplate(const CString& layoutFile) {
  m_dwExtraType = RUN_LOAD_TEMPLATE;
  m_strApplication = kHostLauncher;
  m_strApplicationPath = kLoadSwitch;
  m_strParameter = layoutFile;
  m_nWindowState = 0;
}

int CActionRun::ReadContainer(const CString& file, const CString& section) {
  CAction::ReadContainer(file, section);
  ReadTextKey(file, section, "Application", m_strApplication);
  ReadTextKey(file, section, "ApplicationPath", m_strApplicationPath);
  ReadTextKey(file, section, "Parameter", m_strParameter);
  m_nWindowState = static_cast<int>(GetPrivateProfileIntA(section, "WindowState", 0, file));
  return 1;
}

void CActionRun::WriteContainer(const CString& file, const CString& section) {
  CAction::WriteContainer(file, section);
  WritePrivateProfileStringA(section, "Application", m_strApplication, file);
  WritePrivateProfileStringA(section, "ApplicationPath", m_strApplicationPath, file);
  WritePrivateProfileStringA(section, "Parameter", m_strParameter, file);
  WriteIntKey(file, section, "WindowState", m_nWindowState);
}

int CActionRun::WriteRegistry(HKEY parent, int index) {
  CActionRegKey key(parent, index, TRUE);
  if (m_dwExtraType == RUN_LOAD_TEMPLATE) {
    SetText(key, "Action", CString(kHostLauncher));
    SetText(key, "Param01", CString());
    // Built whole rather than in the shared 512-byte buffer, so that a long
    // path is never cut.
    SetText(key, "Param02", kLoadSwitch + m_strParameter);
  } else {
    SetText(key, "Action", m_strApplication);
    SetText(key, "Param01", m_strApplicationPath);
    SetText(key, "Param02", m_strParameter);
  }
  const int result = CAction::WriteRegistry(parent, index);
  key.Close();
  return result;
}

int CActionRun::ReadRegistry(HKEY parent, int index) {
  CActionRegKey key(parent, index, FALSE);
  const int result = CAction::ReadRegistry(parent, index);
  key.QueryText("Action", m_strApplication);
  key.QueryText("Param01", m_strApplicationPath);
  key.QueryText("Param02", m_strParameter);
  if (m_dwExtraType == RUN_LOAD_TEMPLATE) {
    // The switch comes off again; a parameter without it stays whole.
    if (StartsWithNoCase(m_strParameter, kLoadSwitch))
      m_strParameter = m_strParameter.Mid(static_cast<int>(sizeof kLoadSwitch) - 1);
  } else {
    m_dwExtraType = RUN_PROGRAM;
  }
  key.Close();
  return result;
}

int CActionRun::Execute(HWND window) {
  ShellExecuteA(window, "open", m_strApplication, m_strParameter, nullptr, GetShowCommandAt(m_nWindowState));
  return 1;
}

int CActionRun::GetDescription(HKEY, CString& out, int) {
  out = GetTypeName() + " -- " + GetFileNamePart(m_strApplication);
  if (!m_strParameter.IsEmpty()) {
    out += ' ';
    out += m_strParameter;
  }
  return out.GetLength();
}

CString CActionRun::GetTypeName() { return LoadResString(kRunTypeName); }

}  // namespace corvane
