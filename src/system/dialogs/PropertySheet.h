// Property sheets and their pages, with the behaviour of the platform's
// common-controls sheet: the front page is left only when its data checks
// out, OK and Apply give every page that has a window its apply step, the
// Apply button is greyed after an apply and enabled again by a page that
// reports a change, and Cancel applies nothing.
#pragma once

#include <vector>

#include "system/dialogs/Dialog.h"

namespace corvane {

class CPropertySheet;

class CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)

 public:
  explicit CPropertyPage(UINT templateId, UINT captionId = 0);
  ~CPropertyPage() override;

  // The tab title: the caption string when one was given, else the
  // template's title in the resource language.
  CString GetPageTitle() const;

  // Reports a change to the sheet (which enables its Apply button), or
  // takes one back.
  void SetModified(BOOL changed = TRUE);
  BOOL IsModified() const { return m_bModified ? TRUE : FALSE; }

  // The sheet's notifications.  OnSetActive writes the fields into the
  // controls again (not the first time, when OnInitDialog has just done so);
  // OnKillActive reads and checks them; OnApply runs OnOK.
  virtual BOOL OnSetActive();
  virtual BOOL OnKillActive();
  virtual BOOL OnApply();
  virtual void OnReset();
  virtual BOOL OnQueryCancel();
  void OnOK() override;
  void OnCancel() override;

  // The sheet the page is in while its window exists, else null.
  CPropertySheet* GetSheet() const;

 protected:
  UINT m_nIDCaption;
  bool m_bFirstSetActive = true;
  bool m_bModified = false;

  friend class CPropertySheet;
};

struct PROPSHEETHEADER {
  DWORD dwFlags = 0;
  UINT nStartPage = 0;
};

class CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)

 public:
  explicit CPropertySheet(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);
  explicit CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);
  ~CPropertySheet() override;

  PROPSHEETHEADER m_psh;

  void AddPage(CPropertyPage* page);
  void RemovePage(int index);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const;
  int GetPageIndex(const CPropertyPage* page) const;
  // The front page's position; before the window exists, the start page.
  int GetActiveIndex() const;
  CPropertyPage* GetActivePage() const;
  // Brings a page to the front: the front page must let go (its data
  // checks), the new one gets its window on the first time and is told it
  // is active.  FALSE when the page does not exist or the front page stays.
  BOOL SetActivePage(int index);
  BOOL SetActivePage(CPropertyPage* page);
  CString GetTitle() const { return m_strWindowText; }
  void SetTitle(const char* caption) { m_strWindowText = caption; }

  // Runs the sheet modally; IDOK or IDCANCEL.
  virtual int DoModal();
  // The platform's part: brings the start page (m_psh.nStartPage) to the
  // front.
  virtual BOOL OnInitDialog();
  // The sheet's buttons: IDOK, IDCANCEL and the Apply button (ID_APPLY_NOW).
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void EndDialog(int result);

  bool IsRunning() const { return m_bRunning; }
  int GetModalResult() const { return m_nModalResult; }
  // Called by a page's SetModified.
  void PageChanged(CPropertyPage* page, BOOL changed);

 protected:
  void CreateSheetWindow();
  void DestroySheetWindow();
  void PressOK();
  void PressApply();
  void PressCancel();
  // The apply step of every page that has a window; FALSE when one refused.
  BOOL ApplyPages();
  void UpdateApplyButton();

  friend class DialogSession;

  std::vector<CPropertyPage*> m_pages;
  int m_nActive = -1;
  bool m_bRunning = false;
  int m_nModalResult = IDCANCEL;
};

}  // namespace corvane
