// A scripted run of the action sheet with the action pages, for the page and
// sheet tests.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "dialogs/EditActionSheet.h"
#include "system/Resources.h"
#include "system/dialogs/DialogUser.h"

namespace corvane::test {

struct LanguageGuard {
  explicit LanguageGuard(LANGID language) { SetResourceLanguage(language); }
  ~LanguageGuard() {
    SetResourceLanguage(0);
    SetSystemDefaultLangID(0);
  }
};

// Owns the result of one run: the sheet's modal answer and the action it
// built (taken only when the sheet ended with OK, as the opener does).
struct SheetRun {
  int answer = IDCANCEL;
  std::unique_ptr<CAction> result;
  std::vector<MessageRecord> messages;
};

// Runs a sheet holding the given pages (in order) on the source action.
inline SheetRun RunSheet(const std::vector<CPropertyPage*>& pages, CAction* source, int startPage,
                         const std::function<void(DialogSession&)>& script, bool withApply = true) {
  CEditActionSheet sheet(LoadResString(IDS_ACTION_PROPERTIES), -1);
  if (!withApply) sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  for (CPropertyPage* page : pages) sheet.AddPage(page);
  sheet.m_nStartPage = startPage;
  sheet.m_pSourceAction = source;
  SheetRun run;
  ScopedDialogUser user(script);
  run.answer = sheet.DoModal();
  if (run.answer == IDOK) run.result.reset(sheet.TakeResult());
  run.messages = user.Messages();
  return run;
}

template <class T>
T* ResultAs(const SheetRun& run) {
  return dynamic_cast<T*>(run.result.get());
}

}  // namespace corvane::test
