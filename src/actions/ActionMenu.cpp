#include "actions/ActionMenu.h"

#include <new>

#include "system/Desktop.h"
#include "system/Profile.h"
#include "system/Resources.h"

namespace corvane {

namespace {
constexpr UINT kMenuTypeName = 62;
constexpr DWORD kLetterPause = 30;
// WM_KEYDOWN: repeat count 1.  WM_KEYUP: repeat count 1, previously down,
// going up.
constexpr LPARAM kKeyDownParam = 1;
constexpr LPARAM kKeyUpParam = static_cast<LPARAM>(0xC0000001u);
}  // namespace

CActionMenu::CActionMenu() : CAction(ACTION_MENU) {}

CActionMenu::CActionMenu(const CActionMenu& source) : CAction(source), m_strMenu(source.m_strMenu) {
  m_wKind = ACTION_MENU;
}

CActionMenu::~CActionMenu() = default;

CContainer* CActionMenu::Clone() { return new (std::nothrow) CActionMenu(*this); }

int CActionMenu::ReadContainer(const CString& file, const CString& section) {
  CAction::ReadContainer(file, section);
  CString menu = ReadProfileText(file, section, "Menu");
  if (!menu.IsEmpty()) m_strMenu = menu;
  return 1;
}

void CActionMenu::WriteContainer(const CString& file, const CString& section) {
  CAction::WriteContainer(file, section);
  WritePrivateProfileStringA(section, "Menu", m_strMenu, file);
}

int CActionMenu::Execute(HWND) {
  HWND foreground = GetForegroundWindow();
  PostMessageA(foreground, WM_SYSCOMMAND, SC_KEYMENU, 0);
  for (int i = 0; i < m_strMenu.GetLength(); ++i) {
    char letter = m_strMenu[i];
    // Access letters are sent as virtual-key codes, which are the capitals:
    // a small letter would be a numeric-pad key.
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    const WPARAM code = static_cast<WPARAM>(static_cast<LPARAM>(static_cast<signed char>(letter)));
    Sleep(kLetterPause);
    PostMessageA(foreground, WM_KEYDOWN, code, kKeyDownParam);
    PostMessageA(foreground, WM_KEYUP, code, kKeyUpParam);
  }
  return 1;
}

int CActionMenu::GetDescription(HKEY, CString& out, int) {
  out = GetTypeName() + " -- " + m_strMenu;
  return out.GetLength();
}

CString CActionMenu::GetTypeName() { return LoadResString(kMenuTypeName); }

}  // namespace corvane
