#include "dialogs/EditActionSheet.h"

#include "system/Resources.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CEditActionSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CEditActionSheet, CPropertySheet)
END_MESSAGE_MAP()

CEditActionSheet::CEditActionSheet(const char* caption, int preset, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage), m_nPreset(preset) {}

CEditActionSheet::~CEditActionSheet() { delete m_pResult; }

BOOL CEditActionSheet::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == ID_APPLY_NOW && HIWORD(wParam) == BN_CLICKED) ApplyPreset();
  return CPropertySheet::OnCommand(wParam, lParam);
}

BOOL CEditActionSheet::OnInitDialog() {
  BOOL result = CPropertySheet::OnInitDialog();
  SetActivePage(m_nStartPage);
  if (CWnd* apply = GetDlgItem(ID_APPLY_NOW)) {
    apply->SetWindowText(LoadResString(IDS_DEFAULT_BUTTON));
    apply->EnableWindow(TRUE);
  }
  m_nSysLang = static_cast<BYTE>(GetSystemDefaultLangID() & 0xFF);
  return result;
}

void CEditActionSheet::SetResult(CAction* result) {
  if (m_pResult == result) return;
  delete m_pResult;
  m_pResult = result;
}

CAction* CEditActionSheet::TakeResult() {
  CAction* result = m_pResult;
  m_pResult = nullptr;
  return result;
}

CEditActionSheet* GetActionSheet(const CPropertyPage* page) {
  return page ? DYNAMIC_DOWNCAST(CEditActionSheet, page->GetSheet()) : nullptr;
}

CAction* GetSourceAction(const CPropertyPage* page) {
  CEditActionSheet* sheet = GetActionSheet(page);
  return sheet ? sheet->m_pSourceAction : nullptr;
}

bool IsFrontPage(const CPropertyPage* page) {
  CPropertySheet* sheet = page ? page->GetSheet() : nullptr;
  return sheet && sheet->GetPageIndex(page) == sheet->GetActiveIndex();
}

void EnableSheetOK(const CPropertyPage* page, bool enable) {
  CPropertySheet* sheet = page ? page->GetSheet() : nullptr;
  if (CWnd* ok = sheet ? sheet->GetDlgItem(IDOK) : nullptr) ok->EnableWindow(enable ? TRUE : FALSE);
}

void DiscardEarlierResult(const CPropertyPage* page) {
  if (CEditActionSheet* sheet = GetActionSheet(page)) sheet->SetResult(nullptr);
}

void StoreResult(const CPropertyPage* page, CAction* result) {
  if (CEditActionSheet* sheet = GetActionSheet(page))
    sheet->SetResult(result);
  else
    delete result;
}

}  // namespace corvane
