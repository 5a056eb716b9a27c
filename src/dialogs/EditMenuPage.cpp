#include "dialogs/EditMenuPage.h"

#include "actions/ActionMenu.h"
#include "dialogs/EditActionSheet.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CEditMenuPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CEditMenuPage, CPropertyPage)
ON_EN_CHANGE(IDC_EDIT_MENU, UpdateState)
END_MESSAGE_MAP()

CEditMenuPage::CEditMenuPage() : CPropertyPage(IDD_EDIT_MENU) {}
CEditMenuPage::~CEditMenuPage() = default;

void CEditMenuPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Text(dx, IDC_EDIT_MENU, m_strEditMenu);
  DDV_MaxChars(dx, m_strEditMenu, 255);
}

BOOL CEditMenuPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  if (auto* source = GetSourceActionOfKind<CActionMenu>(this, ACTION_MENU)) {
    m_strEditMenu = source->m_strMenu;
    SetDlgItemText(IDC_EDIT_MENU, m_strEditMenu);
  }
  UpdateState();
  return TRUE;
}

BOOL CEditMenuPage::OnSetActive() {
  BOOL result = CPropertyPage::OnSetActive();
  UpdateState();
  return result;
}

void CEditMenuPage::UpdateState() {
  SetModified(TRUE);
  UpdateData(TRUE);
  EnableSheetOK(this, !m_strEditMenu.IsEmpty());
}

void CEditMenuPage::OnOK() {
  if (!IsFrontPage(this)) return;
  DiscardEarlierResult(this);
  if (!UpdateData(TRUE) || m_strEditMenu.IsEmpty()) return;
  auto* action = new CActionMenu;
  action->m_strMenu = m_strEditMenu;
  StoreResult(this, action);
}

}  // namespace corvane
