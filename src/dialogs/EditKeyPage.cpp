#include "dialogs/EditKeyPage.h"

#include "actions/ActionHotKey.h"
#include "actions/KeyTable.h"
#include "dialogs/EditActionSheet.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CEditKeyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CEditKeyPage, CPropertyPage)
ON_BN_CLICKED(IDC_CHECK_CTRL, UpdateState)
ON_BN_CLICKED(IDC_CHECK_ALT, UpdateState)
ON_BN_CLICKED(IDC_CHECK_SHIFT, UpdateState)
ON_CBN_SELCHANGE(IDC_COMBO_KEY, UpdateState)
END_MESSAGE_MAP()

CEditKeyPage::CEditKeyPage() : CPropertyPage(IDD_EDIT_KEY) {}
CEditKeyPage::~CEditKeyPage() = default;

void CEditKeyPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Check(dx, IDC_CHECK_ALT, m_bCheckAlt);
  DDX_Check(dx, IDC_CHECK_CTRL, m_bCheckCtrl);
  DDX_Check(dx, IDC_CHECK_SHIFT, m_bCheckShift);
  DDX_CBIndex(dx, IDC_COMBO_KEY, m_nKeyIndex);
}

BOOL CEditKeyPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  auto* keys = static_cast<CComboBox*>(GetDlgItem(IDC_COMBO_KEY));
  keys->ResetContent();
  CString name;
  for (int position = 0; GetKeyNameAt(name, position) > 0; ++position) keys->AddString(name);
  m_nKeyIndex = 0;
  keys->SetCurSel(0);

  if (auto* source = GetSourceActionOfKind<CActionHotKey>(this, ACTION_HOTKEY)) {
    m_bCheckCtrl = source->m_bCtrl;
    m_bCheckAlt = source->m_bAlt;
    m_bCheckShift = source->m_bShift;
    static_cast<CButton*>(GetDlgItem(IDC_CHECK_CTRL))->SetCheck(m_bCheckCtrl);
    static_cast<CButton*>(GetDlgItem(IDC_CHECK_ALT))->SetCheck(m_bCheckAlt);
    static_cast<CButton*>(GetDlgItem(IDC_CHECK_SHIFT))->SetCheck(m_bCheckShift);
    m_cKeyCode = source->m_cKey;
    m_nKeyIndex = FindKeyCode(m_cKeyCode);
    keys->SetCurSel(m_nKeyIndex);  // -1 leaves no key selected
  }
  UpdateState();
  return TRUE;
}

BOOL CEditKeyPage::OnSetActive() {
  BOOL result = CPropertyPage::OnSetActive();
  UpdateState();
  return result;
}

void CEditKeyPage::UpdateState() {
  SetModified(TRUE);
  UpdateData(TRUE);
  EnableSheetOK(this, true);
}

void CEditKeyPage::OnOK() {
  if (!IsFrontPage(this)) return;
  DiscardEarlierResult(this);
  if (!UpdateData(TRUE) || m_nKeyIndex == -1) return;
  m_cKeyCode = GetKeyCodeAt(m_nKeyIndex);
  auto* action = new CActionHotKey;
  action->m_bCtrl = m_bCheckCtrl;
  action->m_bAlt = m_bCheckAlt;
  action->m_bShift = m_bCheckShift;
  action->m_cKey = m_cKeyCode;
  StoreResult(this, action);
}

}  // namespace corvane
