#include "dialogs/EditPageLoad.h"

#include "actions/ActionRun.h"
#include "dialogs/EditActionSheet.h"
#include "system/dialogs/FileDialog.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CEditPageLoad, CPropertyPage)

BEGIN_MESSAGE_MAP(CEditPageLoad, CPropertyPage)
ON_BN_CLICKED(IDC_BROWSE_TEMPLATE, OnBrowse)
ON_EN_CHANGE(IDC_EDIT_TEMPLATE, UpdateState)
END_MESSAGE_MAP()

CEditPageLoad::CEditPageLoad() : CPropertyPage(IDD_EDIT_LOAD) {}
CEditPageLoad::~CEditPageLoad() = default;

void CEditPageLoad::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_BROWSE_TEMPLATE, m_btnBrowse);
  DDX_Text(dx, IDC_EDIT_TEMPLATE, m_strEditTemplate);
  DDV_MaxChars(dx, m_strEditTemplate, 255);
}

BOOL CEditPageLoad::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_btnBrowse.SetBitmapResource(IDB_BROWSE_FOLDER);
  auto* source = GetSourceActionOfKind<CActionRun>(this, ACTION_RUN);
  if (source && source->m_dwExtraType == RUN_LOAD_TEMPLATE)
    SetDlgItemText(IDC_EDIT_TEMPLATE, source->m_strParameter);  // the field follows at the next read
  UpdateState();
  return TRUE;
}

BOOL CEditPageLoad::OnSetActive() {
  BOOL result = CPropertyPage::OnSetActive();
  UpdateState();
  return result;
}

void CEditPageLoad::UpdateState() {
  SetModified(TRUE);
  UpdateData(TRUE);
  EnableSheetOK(this, !m_strEditTemplate.IsEmpty());
}

void CEditPageLoad::OnBrowse() {
  CString current;
  GetDlgItemText(IDC_EDIT_TEMPLATE, current);
  CFileDialog dialog(TRUE, nullptr, current, OFN_EXPLORER | OFN_OVERWRITEPROMPT, "(*.tmt)|*.tmt|(*.*)|*.*||");
  if (dialog.DoModal() == IDOK) SetDlgItemText(IDC_EDIT_TEMPLATE, dialog.GetPathName());
  UpdateState();
}

void CEditPageLoad::OnOK() {
  if (!IsFrontPage(this)) return;
  DiscardEarlierResult(this);
  if (!UpdateData(TRUE) || m_strEditTemplate.IsEmpty()) return;
  auto* action = new CActionRun;
  action->m_dwExtraType = RUN_LOAD_TEMPLATE;
  action->m_strApplication = kHostLauncher;
  action->m_strApplicationPath = kLoadSwitch;
  action->m_strParameter = m_strEditTemplate;
  StoreResult(this, action);
}

}  // namespace corvane
