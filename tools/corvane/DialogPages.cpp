#include "DialogPages.h"

#include <cctype>
#include <memory>

#include "actions/ActionHotKey.h"
#include "actions/ActionInternet.h"
#include "actions/ActionMenu.h"
#include "actions/ActionRun.h"
#include "actions/ActionSound.h"
#include "actions/ActionSystem.h"
#include "actions/ActionText.h"
#include "dialogs/EditActionSheet.h"
#include "dialogs/EditInternetPage.h"
#include "dialogs/EditKeyPage.h"
#include "dialogs/EditMenuPage.h"
#include "dialogs/EditPageLoad.h"
#include "dialogs/EditRunPage.h"
#include "dialogs/EditSoundPage.h"
#include "dialogs/EditSystemPage.h"
#include "dialogs/EditTextPage.h"
#include "system/Resources.h"
#include "system/dialogs/WindowStyles.h"

namespace corvane::cli {

namespace {

// A default action of the kind the page edits.
std::unique_ptr<CAction> DefaultAction(unsigned templateId) {
  switch (templateId) {
    case IDD_EDIT_RUN: return std::make_unique<CActionRun>();
    case IDD_EDIT_INTERNET: return std::make_unique<CActionInternet>();
    case IDD_EDIT_KEY: return std::make_unique<CActionHotKey>();
    case IDD_EDIT_SOUND: return std::make_unique<CActionSound>();
    case IDD_EDIT_TEXT: return std::make_unique<CActionText>();
    case IDD_EDIT_MENU: return std::make_unique<CActionMenu>();
    case IDD_EDIT_SYSTEM: return std::make_unique<CActionSystem>();
    case IDD_EDIT_LOAD: {
      // The template-load form, as the load page builds it, with no layout.
      auto load = std::make_unique<CActionRun>();
      load->m_dwExtraType = 1;
      load->m_strApplication = "Tapdeck.exe";
      load->m_strApplicationPath = "/Load=";
      return load;
    }
    default: return nullptr;
  }
}

// The action sheet as the library assembles it: the seven pages with the
// Default button, or the five pages of an action list without it.
bool ShowActionPage(const DialogPageEntry& page, CContainer* source, const std::function<void(DialogSession&)>& look,
                    std::string& error, bool listSheet) {
  std::unique_ptr<CAction> fallback;
  CAction* action = dynamic_cast<CAction*>(source);
  if (source && !action) {
    error = "the page \"" + std::string(page.name) + "\" shows actions";
    return false;
  }
  if (!action) {
    fallback = DefaultAction(page.templateId);
    action = fallback.get();
  }
  CEditActionSheet sheet(LoadResString(IDS_ACTION_PROPERTIES), -1);
  if (listSheet) sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  CEditRunPage run;
  CEditInternetPage internet;
  CEditKeyPage key;
  CEditSoundPage sound;
  CEditTextPage text;
  CEditMenuPage menu;
  CEditSystemPage system;
  CEditPageLoad load;
  const std::vector<CPropertyPage*> pages = listSheet
                                                ? std::vector<CPropertyPage*>{&run, &internet, &key, &load, &sound}
                                                : std::vector<CPropertyPage*>{&run, &internet, &key, &sound, &text,
                                                                              &menu, &system};
  for (CPropertyPage* each : pages) sheet.AddPage(each);
  sheet.m_nStartPage = page.position;
  sheet.m_pSourceAction = action;
  bool shown = false;
  ScopedDialogUser user([&](DialogSession& session) {
    if (session.ActivePage() != page.position && !session.SelectPage(page.position)) {
      error = "the page \"" + std::string(page.name) + "\" did not come to the front: " +
              session.LastError().GetString();
      return;
    }
    shown = true;
    look(session);
  });
  sheet.DoModal();
  if (!shown && error.empty()) error = "the sheet did not open";
  return shown;
}

bool ShowFullSheetPage(const DialogPageEntry& page, CContainer* source,
                       const std::function<void(DialogSession&)>& look, std::string& error) {
  return ShowActionPage(page, source, look, error, false);
}

bool ShowListSheetPage(const DialogPageEntry& page, CContainer* source,
                       const std::function<void(DialogSession&)>& look, std::string& error) {
  return ShowActionPage(page, source, look, error, true);
}

const char* const kActionSheet = "action sheet";
const char* const kListSheet = "action sheet of an action list";

// The key of a name: lower case without blanks, "-" and "_".
std::string Key(const std::string& name) {
  std::string key;
  for (char c : name)
    if (c != ' ' && c != '-' && c != '_') key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

}  // namespace

const std::vector<DialogPageEntry>& DialogPages() {
  static const std::vector<DialogPageEntry> pages = {
      {IDD_EDIT_RUN, "CEditRunPage", "Run", kActionSheet, ShowFullSheetPage, 0},
      {IDD_EDIT_INTERNET, "CEditInternetPage", "Internet", kActionSheet, ShowFullSheetPage, 1},
      {IDD_EDIT_KEY, "CEditKeyPage", "Hot Key", kActionSheet, ShowFullSheetPage, 2},
      {IDD_EDIT_SOUND, "CEditSoundPage", "Sound", kActionSheet, ShowFullSheetPage, 3},
      {IDD_EDIT_TEXT, "CEditTextPage", "Text", kActionSheet, ShowFullSheetPage, 4},
      {IDD_EDIT_MENU, "CEditMenuPage", "Menu", kActionSheet, ShowFullSheetPage, 5},
      {IDD_EDIT_SYSTEM, "CEditSystemPage", "System", kActionSheet, ShowFullSheetPage, 6},
      {IDD_EDIT_LOAD, "CEditPageLoad", "Load Template", kListSheet, ShowListSheetPage, 3},
  };
  return pages;
}

const DialogPageEntry* FindDialogPage(const std::string& name) {
  const std::string key = Key(name);
  if (key.empty()) return nullptr;
  for (const DialogPageEntry& page : DialogPages()) {
    if (key == std::to_string(page.templateId) || key == Key(page.className) || key == Key(page.name)) return &page;
    // The class name without its "CEdit" or "C" prefix and "Page" suffix.
    std::string bare = Key(page.className);
    for (const char* prefix : {"cedit", "c"})
      if (bare.rfind(prefix, 0) == 0) {
        bare = bare.substr(std::char_traits<char>::length(prefix));
        break;
      }
    for (const char* part : {"page"}) {
      const std::size_t at = bare.find(part);
      if (at != std::string::npos) bare.erase(at, 4);
    }
    if (key == bare) return &page;
  }
  return nullptr;
}

std::string DialogPageList(const char* indent) {
  std::string list;
  for (const DialogPageEntry& page : DialogPages())
    list += std::string(indent) + std::to_string(page.templateId) + "  " + page.name + " (" + page.className +
            ", " + page.sheet + ")\n";
  return list;
}

}  // namespace corvane::cli
