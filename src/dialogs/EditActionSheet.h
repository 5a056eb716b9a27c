// CEditActionSheet: the modal property sheet that edits one action.  Its
// pages are the action kinds; the page in front when the user confirms builds
// a brand-new action of its kind, and the sheet never changes the action it
// was given.
#pragma once

#include "actions/Action.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

constexpr UINT IDS_DEFAULT_BUTTON = 104;
constexpr UINT IDS_ACTION_PROPERTIES = 105;

class CEditActionSheet : public CPropertySheet {
  DECLARE_DYNAMIC(CEditActionSheet)

 public:
  CEditActionSheet(const char* caption, int preset, CWnd* parent = nullptr, UINT selectPage = 0);
  ~CEditActionSheet() override;

  // The Default button (the apply button, id 12321) first fills in the
  // preset, then goes on to the sheet's apply.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  // Brings m_nStartPage to the front, relabels the apply button "Default"
  // and enables it, and reads the system language.
  BOOL OnInitDialog() override;

  // Brings the page of the preset m_nPreset to the front and sets its
  // controls to the preset's action (for the system language m_nSysLang).
  // Does nothing for a number outside 0-24, or when the preset's page cannot
  // come to the front.
  void ApplyPreset();

  // Replaces the result, destroying one held before.
  void SetResult(CAction* result);
  // Hands the result to the caller, who owns it from then on.
  CAction* TakeResult();

  CAction* m_pSourceAction = nullptr;  // not owned
  CAction* m_pResult = nullptr;        // owned until taken
  int m_nStartPage = 0;
  int m_nPreset;
  BYTE m_nSysLang = 0;

  DECLARE_MESSAGE_MAP()
};

// What the action pages use of the sheet they are in.  Each answers safely
// when the page is in some other sheet or has no window.
CEditActionSheet* GetActionSheet(const CPropertyPage* page);
// The action being edited, or null.
CAction* GetSourceAction(const CPropertyPage* page);
// The source action when its kind (low byte) is the one given, else null.
template <class T>
T* GetSourceActionOfKind(const CPropertyPage* page, WORD kind) {
  CAction* source = GetSourceAction(page);
  return source && (source->m_wKind & 0xFF) == kind ? dynamic_cast<T*>(source) : nullptr;
}
// True when the page is the sheet's front page: only that one builds.
bool IsFrontPage(const CPropertyPage* page);
// Enables or disables the sheet's OK button.
void EnableSheetOK(const CPropertyPage* page, bool enable);
// The front page's apply step begins: what an earlier apply built is
// dropped, so that OK never answers an action of another page.
void DiscardEarlierResult(const CPropertyPage* page);
// Stores a new result in the sheet (destroying it when there is no sheet).
void StoreResult(const CPropertyPage* page, CAction* result);

}  // namespace corvane
