#include "dialogs/ActionPresets.h"

#include "actions/KeyTable.h"
#include "dialogs/EditActionSheet.h"
#include "dialogs/EditInternetPage.h"
#include "dialogs/EditKeyPage.h"
#include "dialogs/EditRunPage.h"
#include "dialogs/EditSystemPage.h"

namespace corvane {

namespace {

// Virtual-key codes of the keys the presets press.
constexpr BYTE kBackSpace = 0x08;
constexpr BYTE kReturn = 0x0D;
constexpr BYTE kPageUp = 0x21;
constexpr BYTE kPageDown = 0x22;
constexpr BYTE kLeft = 0x25;
constexpr BYTE kRight = 0x27;
constexpr BYTE kF4 = 0x73;
constexpr BYTE kF11 = 0x7A;
constexpr BYTE kF12 = 0x7B;

constexpr ActionPreset Key(BYTE key, bool ctrl, bool alt, bool shift) {
  return {kSheetPageHotKey, key, ctrl, alt, shift, 0, nullptr};
}
constexpr ActionPreset Ctrl(BYTE key) { return Key(key, true, false, false); }
constexpr ActionPreset Alt(BYTE key) { return Key(key, false, true, false); }
constexpr ActionPreset Shift(BYTE key) { return Key(key, false, false, true); }
constexpr ActionPreset Plain(BYTE key) { return Key(key, false, false, false); }
constexpr ActionPreset System(int function) { return {kSheetPageSystem, 0, false, false, false, function, nullptr}; }
constexpr ActionPreset Internet(int service) { return {kSheetPageInternet, 0, false, false, false, service, nullptr}; }
constexpr ActionPreset Run(const char* program) { return {kSheetPageRun, 0, false, false, false, 0, program}; }

// The first variant of each preset, by number.
constexpr ActionPreset kPresets[kActionPresetCount] = {
    Ctrl('C'),                      // 0 copy
    Ctrl('V'),                      // 1 paste
    System(1),                      // 2 Minimize Window
    System(0),                      // 3 Maximize Window
    Alt(kLeft),                     // 4 back
    Alt(kRight),                    // 5 forward
    Ctrl('Z'),                      // 6 undo
    Ctrl('Y'),                      // 7 redo
    Plain(kPageUp),                 // 8 page up
    Plain(kPageDown),               // 9 page down, the partner of page up
    Plain(kReturn),                 // 10 enter
    Run("desktop.scf"),             // 11 show the desktop
    Ctrl('X'),                      // 12 cut
    Ctrl('O'),                      // 13 open
    Ctrl('N'),                      // 14 new
    Ctrl('S'),                      // 15 save
    Ctrl('P'),                      // 16 print
    Ctrl('F'),                      // 17 find
    Internet(0),                    // 18 Go to a Web Site
    Run("excel.exe"),               // 19
    Run("winword.exe"),             // 20
    Internet(1),                    // 21 Send an e-Mail
    Alt(kF4),                       // 22 close
    Shift(kBackSpace),              // 23
    Shift(kF11),                    // 24
};

// The shortcut keys of the same commands on Spanish, Italian and Polish
// systems.
struct LanguageVariant {
  int preset;
  BYTE language;
  ActionPreset entry;
};
constexpr LanguageVariant kVariants[] = {
    {7, kLangPolish, Ctrl('R')},
    {13, kLangSpanish, Ctrl('A')},
    {13, kLangPolish, Ctrl('A')},
    {13, kLangItalian, Ctrl(kF12)},
    {14, kLangSpanish, Ctrl('U')},
    {14, kLangPolish, Ctrl('O')},
    {15, kLangSpanish, Ctrl('G')},
    {15, kLangItalian, Shift(kF12)},
    {15, kLangPolish, Ctrl('B')},
    {16, kLangItalian, Key(kF12, true, false, true)},
    {17, kLangSpanish, Ctrl('B')},
    {17, kLangItalian, Key('T', true, false, true)},
    {17, kLangPolish, Ctrl('L')},
};

void SetCheck(CWnd* page, int id, bool on) {
  if (auto* box = static_cast<CButton*>(page->GetDlgItem(id))) box->SetCheck(on ? 1 : 0);
}

void SelectPosition(CWnd* page, int id, int position) {
  if (auto* list = static_cast<CComboBox*>(page->GetDlgItem(id))) list->SetCurSel(position);
}

}  // namespace

const ActionPreset* FindActionPreset(int preset, BYTE systemLanguage) {
  if (preset < 0 || preset >= kActionPresetCount) return nullptr;
  for (const LanguageVariant& variant : kVariants)
    if (variant.preset == preset && variant.language == systemLanguage) return &variant.entry;
  return &kPresets[preset];
}

void CEditActionSheet::ApplyPreset() {
  const ActionPreset* preset = FindActionPreset(m_nPreset, m_nSysLang);
  if (!preset) return;
  // The page must be in front and be the page of the preset: a front page
  // whose data does not check out stays in front, and a sheet of other pages
  // has some other page at that position.
  SetActivePage(preset->page);
  CPropertyPage* page = GetActivePage();
  if (!page || !page->GetSafeHwnd() || GetActiveIndex() != preset->page) return;

  // The controls are set directly; the page's fields follow at the apply.
  switch (preset->page) {
    case kSheetPageHotKey:
      if (!page->IsKindOf(RUNTIME_CLASS(CEditKeyPage))) return;
      SelectPosition(page, IDC_COMBO_KEY, FindKeyCode(preset->key));
      SetCheck(page, IDC_CHECK_CTRL, preset->ctrl);
      SetCheck(page, IDC_CHECK_ALT, preset->alt);
      SetCheck(page, IDC_CHECK_SHIFT, preset->shift);
      break;
    case kSheetPageRun: {
      if (!page->IsKindOf(RUNTIME_CLASS(CEditRunPage))) return;
      auto* run = static_cast<CEditRunPage*>(page);
      run->SetDlgItemText(IDC_EDIT_PROGRAM, preset->program);
      run->SetDlgItemText(IDC_EDIT_START_IN, "");
      run->SetDlgItemText(IDC_EDIT_PARAMS, "");
      run->UpdateState();
      SelectPosition(run, IDC_COMBO_WINDOW, 0);
      break;
    }
    case kSheetPageInternet: {
      if (!page->IsKindOf(RUNTIME_CLASS(CEditInternetPage))) return;
      auto* internet = static_cast<CEditInternetPage*>(page);
      SelectPosition(internet, IDC_COMBO_SERVICE, preset->item);
      internet->SetDlgItemText(IDC_EDIT_ADDRESS, "");
      internet->UpdateState();
      break;
    }
    case kSheetPageSystem:
      if (!page->IsKindOf(RUNTIME_CLASS(CEditSystemPage))) return;
      SelectPosition(page, IDC_COMBO_FUNCTION, preset->item);
      if (auto* params = static_cast<CComboBox*>(page->GetDlgItem(IDC_COMBO_PARAM))) {
        params->ResetContent();
        params->EnableWindow(FALSE);
      }
      break;
    default:
      break;
  }
}

}  // namespace corvane
