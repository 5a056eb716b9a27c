#include "dialogs/EditInternetPage.h"

#include "actions/ActionInternet.h"
#include "actions/ServiceTable.h"
#include "dialogs/EditActionSheet.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CEditInternetPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CEditInternetPage, CPropertyPage)
ON_EN_CHANGE(IDC_EDIT_ADDRESS, UpdateState)
ON_CBN_SELCHANGE(IDC_COMBO_SERVICE, UpdateState)
END_MESSAGE_MAP()

CEditInternetPage::CEditInternetPage() : CPropertyPage(IDD_EDIT_INTERNET) {}
CEditInternetPage::~CEditInternetPage() = default;

void CEditInternetPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_CBIndex(dx, IDC_COMBO_SERVICE, m_nEditService);
  DDX_Text(dx, IDC_EDIT_ADDRESS, m_strEditAddress);
  DDV_MaxChars(dx, m_strEditAddress, 255);
}

BOOL CEditInternetPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  auto* services = static_cast<CComboBox*>(GetDlgItem(IDC_COMBO_SERVICE));
  services->ResetContent();
  CString name;
  for (int position = 0; GetServiceNameAt(name, position) > 0; ++position) services->AddString(name);
  m_nEditService = 0;
  services->SetCurSel(0);

  if (auto* source = GetSourceActionOfKind<CActionInternet>(this, ACTION_INTERNET)) {
    m_strEditAddress = source->m_strAddress;
    SetDlgItemText(IDC_EDIT_ADDRESS, m_strEditAddress);
    m_nEditService = source->m_nService;
    services->SetCurSel(m_nEditService);
  }
  UpdateState();
  return TRUE;
}

BOOL CEditInternetPage::OnSetActive() {
  BOOL result = CPropertyPage::OnSetActive();
  UpdateState();
  return result;
}

void CEditInternetPage::UpdateState() {
  SetModified(TRUE);
  UpdateData(TRUE);
  EnableSheetOK(this, m_nEditService != -1);
}

void CEditInternetPage::OnOK() {
  if (!IsFrontPage(this)) return;
  DiscardEarlierResult(this);
  if (!UpdateData(TRUE) || m_nEditService == -1) return;
  auto* action = new CActionInternet;
  action->m_nService = m_nEditService;
  action->m_strAddress = m_strEditAddress;
  StoreResult(this, action);
}

}  // namespace corvane
