#include "dialogs/EditTextPage.h"

#include "actions/ActionText.h"
#include "dialogs/EditActionSheet.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CEditTextPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CEditTextPage, CPropertyPage)
ON_EN_CHANGE(IDC_EDIT_TEXT, UpdateState)
END_MESSAGE_MAP()

CEditTextPage::CEditTextPage() : CPropertyPage(IDD_EDIT_TEXT) {}
CEditTextPage::~CEditTextPage() = default;

void CEditTextPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Text(dx, IDC_EDIT_TEXT, m_strEditText);
}

BOOL CEditTextPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  if (auto* source = GetSourceActionOfKind<CActionText>(this, ACTION_TEXT)) {
    m_strEditText = source->m_strText;
    SetDlgItemText(IDC_EDIT_TEXT, m_strEditText);
  }
  UpdateState();
  return TRUE;
}

BOOL CEditTextPage::OnSetActive() {
  BOOL result = CPropertyPage::OnSetActive();
  UpdateState();
  return result;
}

void CEditTextPage::UpdateState() {
  SetModified(TRUE);
  UpdateData(TRUE);
  EnableSheetOK(this, !m_strEditText.IsEmpty());
}

void CEditTextPage::OnOK() {
  if (!IsFrontPage(this)) return;
  DiscardEarlierResult(this);
  if (!UpdateData(TRUE) || m_strEditText.IsEmpty()) return;
  auto* action = new CActionText;
  action->m_strText = m_strEditText;
  StoreResult(this, action);
}

}  // namespace corvane
