#include "dialogs/ActionEditing.h"

#include "dialogs/EditActionSheet.h"
#include "dialogs/EditInternetPage.h"
#include "dialogs/EditKeyPage.h"
#include "dialogs/EditMenuPage.h"
#include "dialogs/EditPageLoad.h"
#include "dialogs/EditRunPage.h"
#include "dialogs/EditScript.h"
#include "dialogs/EditSoundPage.h"
#include "dialogs/EditSystemPage.h"
#include "dialogs/EditTextPage.h"
#include "system/Resources.h"

namespace corvane {

int GetActionSheetStartPage(const CAction* action, bool listSheet) {
  if (!action) return 0;
  switch (action->m_wKind & 0xFF) {
    case ACTION_RUN:
      return listSheet && action->m_dwExtraType != 0 ? 3 : 0;
    case ACTION_INTERNET:
      return 1;
    case ACTION_HOTKEY:
      return 2;
    case ACTION_SOUND:
      return listSheet ? 4 : 3;
    case ACTION_TEXT:
      return listSheet ? 0 : 4;
    case ACTION_MENU:
      return listSheet ? 0 : 5;
    case ACTION_SYSTEM:
      return listSheet ? 0 : 6;
    default:
      return 0;
  }
}

namespace {
CAction* RunSheet(CEditActionSheet& sheet, CAction* action, bool listSheet) {
  if (action) sheet.m_nStartPage = GetActionSheetStartPage(action, listSheet);
  sheet.m_pSourceAction = action;
  // A host without a screen may hand the user's part over in an edit script.
  std::unique_ptr<ScopedDialogUser> scripted = MakeEnvironmentEditScriptUser();
  return sheet.DoModal() == IDOK ? sheet.TakeResult() : nullptr;
}
}  // namespace

CAction* EditActionInSheet(CAction* action, int preset) {
  CEditActionSheet sheet(LoadResString(IDS_ACTION_PROPERTIES), preset);
  CEditRunPage run;
  CEditInternetPage internet;
  CEditKeyPage key;
  CEditSoundPage sound;
  CEditTextPage text;
  CEditMenuPage menu;
  CEditSystemPage system;
  for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{&run, &internet, &key, &sound, &text, &menu, &system})
    sheet.AddPage(page);
  return RunSheet(sheet, action, false);
}

CAction* EditListActionInSheet(CAction* action) {
  CEditActionSheet sheet(LoadResString(IDS_ACTION_PROPERTIES), -1);
  sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  CEditRunPage run;
  CEditInternetPage internet;
  CEditKeyPage key;
  CEditPageLoad load;
  CEditSoundPage sound;
  for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{&run, &internet, &key, &load, &sound})
    sheet.AddPage(page);
  return RunSheet(sheet, action, true);
}

}  // namespace corvane
