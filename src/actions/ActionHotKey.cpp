#include "actions/ActionHotKey.h"

#include <cstdio>
#include <new>

#include "actions/ActionRegKey.h"
#include "actions/KeyTable.h"
#include "container/CorvaneApp.h"
#include "container/ProfileValue.h"
#include "system/Desktop.h"
#include "system/Profile.h"
#include "system/Resources.h"

namespace corvane {

namespace {
constexpr WORD kShiftBit = 0x0200;
constexpr WORD kAltBit = 0x0400;
constexpr WORD kCtrlBit = 0x0800;
constexpr UINT kHotKeyTypeName = 47;

void WriteIntKey(const CString& file, const CString& section, LPCSTR key, int value) {
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, "%d", value);
  WritePrivateProfileStringA(section, key, g_profileBuffer, file);
}
}  // namespace

CActionHotKey::CActionHotKey() : CAction(ACTION_HOTKEY) {
  BuildKeyTable();
  m_cKey = GetKeyCodeAt(0);
}

CActionHotKey::CActionHotKey(const CActionHotKey& source)
    : CAction(source),
      m_bCtrl(source.m_bCtrl),
      m_bAlt(source.m_bAlt),
      m_bShift(source.m_bShift),
      m_cKey(source.m_cKey) {
  m_wKind = ACTION_HOTKEY;
}

CActionHotKey::~CActionHotKey() = default;

CContainer* CActionHotKey::Clone() { return new (std::nothrow) CActionHotKey(*this); }

int CActionHotKey::ReadContainer(const CString& file, const CString& section) {
  CAction::ReadContainer(file, section);
  m_bCtrl = static_cast<int>(GetPrivateProfileIntA(section, "Ctrl", 0, file));
  m_bAlt = static_cast<int>(GetPrivateProfileIntA(section, "Alt", 0, file));
  m_bShift = static_cast<int>(GetPrivateProfileIntA(section, "Shift", 0, file));
  m_cKey = static_cast<BYTE>(GetPrivateProfileIntA(section, "char", 65, file) & 0xFF);
  return 1;
}

void CActionHotKey::WriteContainer(const CString& file, const CString& section) {
  CAction::WriteContainer(file, section);
  WriteIntKey(file, section, "Ctrl", m_bCtrl);
  WriteIntKey(file, section, "Alt", m_bAlt);
  WriteIntKey(file, section, "Shift", m_bShift);
  WriteIntKey(file, section, "char", static_cast<signed char>(m_cKey));
}

WORD CActionHotKey::GetRegistryWord() const {
  WORD word = m_cKey;
  if (m_bCtrl) word |= kCtrlBit;
  if (m_bAlt) word |= kAltBit;
  if (m_bShift) word |= kShiftBit;
  return word;
}

void CActionHotKey::SetFromRegistryWord(WORD word) {
  m_cKey = static_cast<BYTE>(word & 0xFF);
  m_bCtrl = (word & kCtrlBit) ? 1 : 0;
  m_bAlt = (word & kAltBit) ? 1 : 0;
  m_bShift = (word & kShiftBit) ? 1 : 0;
}

int CActionHotKey::WriteRegistry(HKEY parent, int index) {
  CActionRegKey key(parent, index, TRUE);
  const WORD word = GetRegistryWord();
  const BYTE bytes[2] = {static_cast<BYTE>(word & 0xFF), static_cast<BYTE>(word >> 8)};
  key.SetValue("Action", REG_BINARY, bytes, sizeof bytes);
  const int result = CAction::WriteRegistry(parent, index);
  key.Close();
  return result;
}

int CActionHotKey::ReadRegistry(HKEY parent, int index) {
  // Reading never creates the subkey: a missing one reads as the defaults.
  CActionRegKey key(parent, index, FALSE);
  const int result = CAction::ReadRegistry(parent, index);
  BYTE bytes[2] = {0, 0};
  WORD word = 0;
  if (key.QueryValue("Action", REG_BINARY, bytes, sizeof bytes) == sizeof bytes)
    word = static_cast<WORD>(bytes[0] | (bytes[1] << 8));
  SetFromRegistryWord(word);
  key.Close();
  return result;
}

int CActionHotKey::Execute(HWND) {
  HWND foreground = GetForegroundWindow();

  WORD keys[9];
  int count = 0;
  if (m_bCtrl) keys[count++] = VK_CONTROL;
  if (m_bAlt) keys[count++] = VK_MENU;
  if (m_bShift) keys[count++] = VK_SHIFT;
  keys[count++] = m_cKey;
  const int presses = count;
  for (int i = 0; i < presses; ++i) keys[count++] = static_cast<WORD>(keys[i] | KEYWORD_RELEASE);
  keys[count] = 0;

  SetForegroundWindow(foreground);

  // Alt+F4 must never close the host itself.
  if (keys[0] == VK_MENU && keys[1] == VK_F4) {
    Sleep(500);
    HWND host = GetHostMainWindow();
    if (host && GetActiveWindow() == host) return 1;
  }

  PlayKeys(keys);
  Sleep(300);
  return 1;
}

int CActionHotKey::GetDescription(HKEY, CString& out, int) {
  out = GetTypeName();
  out += " -- ";
  if (m_bCtrl) out += "Ctrl + ";
  if (m_bAlt) out += "Alt + ";
  if (m_bShift) out += "Shift + ";
  const int position = FindKeyCode(m_cKey);
  if (position < 0) return 0;
  CString name;
  GetKeyNameAt(name, position);
  out += name;
  return out.GetLength();
}

CString CActionHotKey::GetTypeName() { return LoadResString(kHotKeyTypeName); }

}  // namespace corvane
