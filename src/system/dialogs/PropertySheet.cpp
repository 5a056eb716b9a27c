#include "system/dialogs/PropertySheet.h"

#include "system/dialogs/DialogUser.h"

namespace corvane {

// Texts of the sheet's own buttons (the platform's, in its language).
constexpr UINT kSheetOkText = 60900;
constexpr UINT kSheetCancelText = 60901;
constexpr UINT kSheetApplyText = 60902;

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId), m_nIDCaption(captionId) {}

CPropertyPage::~CPropertyPage() = default;

CString CPropertyPage::GetPageTitle() const {
  if (m_nIDCaption) return LoadResString(m_nIDCaption);
  const DialogResource* resource = GetTemplate();
  return resource && resource->title ? CString(resource->title) : CString();
}

CPropertySheet* CPropertyPage::GetSheet() const {
  return m_hWnd ? DYNAMIC_DOWNCAST(CPropertySheet, m_pParentWnd) : nullptr;
}

void CPropertyPage::SetModified(BOOL changed) {
  m_bModified = changed != FALSE;
  if (CPropertySheet* sheet = GetSheet()) sheet->PageChanged(this, changed);
}

BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive)
    m_bFirstSetActive = false;
  else
    UpdateData(FALSE);
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage) {
  m_strWindowText = caption;
  m_pParentWnd = parent;
  m_psh.nStartPage = selectPage;
}

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage)
    : CPropertySheet(LoadResString(captionId), parent, selectPage) {}

CPropertySheet::~CPropertySheet() {
  if (m_hWnd) DestroySheetWindow();
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  if (page) m_pages.push_back(page);
}

void CPropertySheet::RemovePage(int index) {
  if (index < 0 || index >= GetPageCount()) return;
  m_pages[static_cast<std::size_t>(index)]->DestroyWindow();
  m_pages.erase(m_pages.begin() + index);
  if (m_nActive == index) m_nActive = -1;
  else if (m_nActive > index) --m_nActive;
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
  for (int i = 0; i < GetPageCount(); ++i)
    if (m_pages[static_cast<std::size_t>(i)] == page) return i;
  return -1;
}

int CPropertySheet::GetActiveIndex() const {
  return m_hWnd ? m_nActive : static_cast<int>(m_psh.nStartPage);
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

BOOL CPropertySheet::SetActivePage(int index) {
  if (index < 0 || index >= GetPageCount()) return FALSE;
  if (!m_hWnd) {
    m_psh.nStartPage = static_cast<UINT>(index);
    return TRUE;
  }
  if (CPropertyPage* current = GetPage(m_nActive)) {
    if (!current->OnKillActive()) return FALSE;
  }
  CPropertyPage* page = m_pages[static_cast<std::size_t>(index)];
  const int previous = m_nActive;
  m_nActive = index;
  if (!page->m_hWnd) {
    page->m_bFirstSetActive = true;
    page->m_bModified = false;
    if (!page->CreateIndirect(this)) {
      m_nActive = previous;
      return FALSE;
    }
  }
  page->OnSetActive();
  page->Invalidate();
  return TRUE;
}

void CPropertySheet::CreateSheetWindow() {
  DestroyControls();
  m_hWnd = reinterpret_cast<HWND>(this);
  m_nActive = -1;
  auto button = [this](int id, UINT textId, DialogControlKind kind, bool enabled) {
    auto control = std::make_unique<ControlState>();
    control->id = id;
    control->kind = kind;
    control->style = WS_TABSTOP;
    control->text = LoadResString(textId);
    control->enabled = enabled;
    AddControl(std::move(control));
  };
  button(IDOK, kSheetOkText, DialogControlKind::DefPushButton, true);
  button(IDCANCEL, kSheetCancelText, DialogControlKind::PushButton, true);
  if (!(m_psh.dwFlags & PSH_NOAPPLYNOW)) button(ID_APPLY_NOW, kSheetApplyText, DialogControlKind::PushButton, false);
}

void CPropertySheet::DestroySheetWindow() {
  for (CPropertyPage* page : m_pages) page->DestroyWindow();
  DestroyControls();
  m_hWnd = nullptr;
  m_nActive = -1;
  m_bRunning = false;
}

int CPropertySheet::DoModal() {
  if (m_bRunning || m_pages.empty() || !HasDialogUser()) return IDCANCEL;
  CreateSheetWindow();
  m_bRunning = true;
  m_nModalResult = IDCANCEL;
  {
    DialogSession session(*this);
    OnInitDialog();
    if (m_bRunning) RunDialogUser(session);
    if (m_bRunning) PressCancel();  // the user closed the window
    if (m_bRunning) EndDialog(IDCANCEL);
  }
  const int result = m_nModalResult;
  DestroySheetWindow();
  return result;
}

BOOL CPropertySheet::OnInitDialog() {
  int start = static_cast<int>(m_psh.nStartPage);
  if (start < 0 || start >= GetPageCount()) start = 0;
  SetActivePage(start);
  return TRUE;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == BN_CLICKED) {
    switch (LOWORD(wParam)) {
      case IDOK:
        PressOK();
        return TRUE;
      case IDCANCEL:
        PressCancel();
        return TRUE;
      case ID_APPLY_NOW:
        PressApply();
        return TRUE;
      default:
        break;
    }
  }
  return CWnd::OnCommand(wParam, lParam);
}

void CPropertySheet::EndDialog(int result) {
  m_nModalResult = result;
  m_bRunning = false;
}

BOOL CPropertySheet::ApplyPages() {
  for (int i = 0; i < GetPageCount(); ++i) {
    CPropertyPage* page = m_pages[static_cast<std::size_t>(i)];
    if (!page->m_hWnd) continue;
    if (!page->OnApply()) {
      if (i != m_nActive) SetActivePage(i);
      return FALSE;
    }
  }
  return TRUE;
}

void CPropertySheet::PressOK() {
  if (!m_bRunning) return;
  CPropertyPage* current = GetActivePage();
  if (current && !current->OnKillActive()) return;
  if (!ApplyPages()) return;
  EndDialog(IDOK);
}

void CPropertySheet::PressApply() {
  if (!m_bRunning) return;
  CPropertyPage* current = GetActivePage();
  if (current && !current->OnKillActive()) return;
  if (!ApplyPages()) return;
  for (CPropertyPage* page : m_pages) page->m_bModified = false;
  UpdateApplyButton();
}

void CPropertySheet::PressCancel() {
  if (!m_bRunning) return;
  CPropertyPage* current = GetActivePage();
  if (current && !current->OnQueryCancel()) return;
  for (CPropertyPage* page : m_pages)
    if (page->m_hWnd) page->OnReset();
  EndDialog(IDCANCEL);
}

void CPropertySheet::PageChanged(CPropertyPage* page, BOOL changed) {
  if (page) page->m_bModified = changed != FALSE;
  if (changed) {
    if (ControlState* apply = FindControl(ID_APPLY_NOW)) apply->enabled = true;
  } else {
    UpdateApplyButton();
  }
}

void CPropertySheet::UpdateApplyButton() {
  ControlState* apply = FindControl(ID_APPLY_NOW);
  if (!apply) return;
  bool anyModified = false;
  for (CPropertyPage* page : m_pages) anyModified = anyModified || page->m_bModified;
  apply->enabled = anyModified;
}

}  // namespace corvane
