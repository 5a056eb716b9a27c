#include "actions/ActionSystem.h"

#include <cstdio>
#include <new>

#include "actions/ActionText.h"
#include "actions/SystemTable.h"
#include "container/ProfileValue.h"
#include "system/Desktop.h"
#include "system/Profile.h"

namespace corvane {

namespace {

constexpr DWORD kKeysWait = 300;
constexpr DWORD kPasteWait = 300;

const WORD kStartMenuKeys[] = {VK_CONTROL, VK_ESCAPE, VK_ESCAPE | KEYWORD_RELEASE, VK_CONTROL | KEYWORD_RELEASE, 0};
const WORD kNextWindowKeys[] = {VK_MENU, VK_TAB, VK_TAB | KEYWORD_RELEASE, VK_MENU | KEYWORD_RELEASE, 0};
const WORD kPrevWindowKeys[] = {VK_SHIFT, VK_MENU, VK_TAB, VK_TAB | KEYWORD_RELEASE,
                                VK_MENU | KEYWORD_RELEASE, VK_SHIFT | KEYWORD_RELEASE, 0};
const WORD kPasteKeys[] = {VK_CONTROL, 'V', VK_CONTROL | KEYWORD_RELEASE, 'V' | KEYWORD_RELEASE, 0};
const WORD kLeftClick[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 0};
const WORD kRightClick[] = {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 0};
const WORD kMiddleClick[] = {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, 0};

// Scroll codes for the parameters 0 to 3: page up/left, page down/right, line
// up/left, line down/right.
const WPARAM kScrollCodes[] = {SB_PAGEUP, SB_PAGEDOWN, SB_LINEUP, SB_LINEDOWN};

// The one function outside the table has a name of its own in descriptions.
const char kCloseWindowName[] = "Close Window";

void WriteIntKey(const CString& file, const CString& section, LPCSTR key, int value) {
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, "%d", value);
  WritePrivateProfileStringA(section, key, g_profileBuffer, file);
}

}  // namespace

CActionSystem::CActionSystem() : CAction(ACTION_SYSTEM) { BuildSystemTable(); }

CActionSystem::CActionSystem(const CActionSystem& source)
    : CAction(source), m_nSystemID(source.m_nSystemID), m_nSystemParam(source.m_nSystemParam) {
  m_wKind = ACTION_SYSTEM;
}

CActionSystem::~CActionSystem() = default;

CContainer* CActionSystem::Clone() { return new (std::nothrow) CActionSystem(*this); }

int CActionSystem::ReadContainer(const CString& file, const CString& section) {
  CAction::ReadContainer(file, section);
  m_nSystemID = static_cast<int>(GetPrivateProfileIntA(section, "SystemID", 0, file));
  // The key's name is spelt this way in every file.
  m_nSystemParam = static_cast<int>(GetPrivateProfileIntA(section, "SyatemParam", 0, file));
  return 1;
}

void CActionSystem::WriteContainer(const CString& file, const CString& section) {
  CAction::WriteContainer(file, section);
  WriteIntKey(file, section, "SystemID", m_nSystemID);
  WriteIntKey(file, section, "SyatemParam", m_nSystemParam);
}

int CActionSystem::Execute(HWND) {
  HWND foreground = GetForegroundWindow();
  const int param = m_nSystemParam;
  switch (m_nSystemID) {
    case SYSTEM_MAXIMIZE:
      SendMessageA(foreground, WM_SYSCOMMAND, IsZoomed(foreground) ? SC_RESTORE : SC_MAXIMIZE, 0);
      break;
    case SYSTEM_MINIMIZE: SendMessageA(foreground, WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
    case SYSTEM_RESTORE: SendMessageA(foreground, WM_SYSCOMMAND, SC_RESTORE, 0); break;
    case SYSTEM_LOGOFF: ExitWindowsEx(EWX_LOGOFF, 0); break;
    case SYSTEM_REBOOT: ExitWindowsEx(EWX_REBOOT, 0); break;
    case SYSTEM_SHUTDOWN: ExitWindowsEx(EWX_SHUTDOWN, 0); break;
    case SYSTEM_VSCROLL:
      if (param >= 0 && param <= 3) SendMessageA(foreground, WM_VSCROLL, kScrollCodes[param], 0);
      break;
    case SYSTEM_HSCROLL:
      if (param >= 0 && param <= 3) SendMessageA(foreground, WM_HSCROLL, kScrollCodes[param], 0);
      break;
    case SYSTEM_PAUSE:
      if (param >= 0 && param <= 9) Sleep(static_cast<DWORD>(param + 1) * 1000);
      break;
    case SYSTEM_SCREENSAVER: SendMessageA(foreground, WM_SYSCOMMAND, SC_SCREENSAVE, 0); break;
    case SYSTEM_START_MENU:
      PlayKeys(kStartMenuKeys);
      Sleep(kKeysWait);
      break;
    case SYSTEM_NEXT_WINDOW:
      PlayKeys(kNextWindowKeys);
      Sleep(kKeysWait);
      break;
    case SYSTEM_PREV_WINDOW:
      PlayKeys(kPrevWindowKeys);
      Sleep(kKeysWait);
      break;
    case SYSTEM_LEFT_CLICK:
      PlayMouse(kLeftClick);
      Sleep(kKeysWait);
      break;
    case SYSTEM_RIGHT_CLICK:
      PlayMouse(kRightClick);
      Sleep(kKeysWait);
      break;
    case SYSTEM_MIDDLE_CLICK:
      PlayMouse(kMiddleClick);
      Sleep(kKeysWait);
      break;
    case SYSTEM_DATE:
    case SYSTEM_TIME: {
      CString text;
      if (m_nSystemID == SYSTEM_DATE)
        FormatDateText(text, param);
      else
        FormatTimeText(text, param);
      if (!text.IsEmpty()) PasteText(foreground, text);
      break;
    }
    case SYSTEM_CLOSE: SendMessageA(foreground, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    default: break;
  }
  return 1;
}

int CActionSystem::GetDescription(HKEY, CString& out, int) {
  if (m_nSystemID == SYSTEM_CLOSE) {
    out = kCloseWindowName;
    return out.GetLength();
  }
  GetSystemNameAt(out, FindSystemIndex(m_nSystemID));
  if (HasSystemParam(m_nSystemID)) {
    CString param;
    GetSystemParamText(param, m_nSystemID, m_nSystemParam);
    out += "--";
    out += param;
  }
  return out.GetLength();
}

CString CActionSystem::GetTypeName() { return CString("System"); }

int CActionSystem::PasteText(HWND window, const CString& text) {
  if (text.IsEmpty()) return 1;
  if (!PutTextOnClipboard(text + " ")) return 0;
  SetForegroundWindow(window);
  PlayKeys(kPasteKeys);
  Sleep(kPasteWait);
  return 1;
}

void CActionSystem::PlayMouse(const WORD* list) {
  if (!list) return;
  for (; *list != 0; ++list) mouse_event(*list, 0, 0, 0, 0);
}

}  // namespace corvane
