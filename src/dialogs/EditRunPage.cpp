#include "dialogs/EditRunPage.h"

#include "actions/ActionRun.h"
#include "actions/WindowStateTable.h"
#include "dialogs/EditActionSheet.h"
#include "system/dialogs/FileDialog.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CEditRunPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CEditRunPage, CPropertyPage)
ON_EN_CHANGE(IDC_EDIT_PROGRAM, OnProgramChanged)
ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
ON_EN_CHANGE(IDC_EDIT_START_IN, OnStartInChanged)
ON_EN_CHANGE(IDC_EDIT_PARAMS, OnParamsChanged)
ON_CBN_SELCHANGE(IDC_COMBO_WINDOW, UpdateState)
END_MESSAGE_MAP()

CEditRunPage::CEditRunPage() : CPropertyPage(IDD_EDIT_RUN) {}
CEditRunPage::~CEditRunPage() = default;

void CEditRunPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_BROWSE, m_btnBrowse);
  DDX_Text(dx, IDC_EDIT_PROGRAM, m_strEditProgram);
  DDV_MaxChars(dx, m_strEditProgram, 255);
  DDX_Text(dx, IDC_EDIT_PARAMS, m_strEditParams);
  DDV_MaxChars(dx, m_strEditParams, 255);
  DDX_Text(dx, IDC_EDIT_START_IN, m_strEditStartIn);
  DDV_MaxChars(dx, m_strEditStartIn, 255);
  DDX_CBIndex(dx, IDC_COMBO_WINDOW, m_nEditWindow);
}

BOOL CEditRunPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_btnBrowse.SetBitmapResource(IDB_BROWSE);
  auto* states = static_cast<CComboBox*>(GetDlgItem(IDC_COMBO_WINDOW));
  states->ResetContent();
  CString name;
  for (int position = 0; GetWindowStateNameAt(name, position) > 0; ++position) states->AddString(name);
  m_nEditWindow = 0;
  states->SetCurSel(0);

  if (auto* source = GetSourceActionOfKind<CActionRun>(this, ACTION_RUN)) {
    // Each text goes in as if typed; the program's change derives a start
    // folder, which the stored one then replaces.
    m_strEditProgram = source->m_strApplication;
    SetDlgItemText(IDC_EDIT_PROGRAM, m_strEditProgram);
    m_strEditStartIn = source->m_strApplicationPath;
    SetDlgItemText(IDC_EDIT_START_IN, m_strEditStartIn);
    m_strEditParams = source->m_strParameter;
    SetDlgItemText(IDC_EDIT_PARAMS, m_strEditParams);
    m_nEditWindow = source->m_nWindowState;
    states->SetCurSel(m_nEditWindow);
  }
  UpdateState();
  return TRUE;
}

BOOL CEditRunPage::OnSetActive() {
  BOOL result = CPropertyPage::OnSetActive();
  UpdateState();
  return result;
}

void CEditRunPage::UpdateState() {
  SetModified(TRUE);
  UpdateData(TRUE);
  const BOOL usable = m_strEditProgram.IsEmpty() ? FALSE : TRUE;
  for (int id : {IDC_EDIT_START_IN, IDC_COMBO_WINDOW, IDC_EDIT_PARAMS})
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(usable);
  EnableSheetOK(this, usable);
}

CString CEditRunPage::StartFolderOf(const CString& program) {
  // UTF-8 never has a separator byte inside a character, so the last one
  // found from the end is a real separator.
  int backslash = program.ReverseFind('\\');
  int slash = program.ReverseFind('/');
  int last = backslash > slash ? backslash : slash;
  return last < 0 ? CString() : program.Left(last + 1);
}

void CEditRunPage::DeriveStartFolder() {
  if (m_strEditProgram.IsEmpty()) return;
  m_strEditStartIn = StartFolderOf(m_strEditProgram);
  SetDlgItemText(IDC_EDIT_START_IN, m_strEditStartIn);
}

void CEditRunPage::OnProgramChanged() {
  UpdateData(TRUE);
  DeriveStartFolder();
  UpdateState();
}

void CEditRunPage::OnStartInChanged() { UpdateData(TRUE); }

void CEditRunPage::OnParamsChanged() {
  UpdateData(TRUE);
  UpdateState();
}

void CEditRunPage::OnBrowse() {
  CFileDialog dialog(TRUE, "exe", nullptr, OFN_HIDEREADONLY, "Exe Files (*.exe)|*.exe|");
  if (dialog.DoModal() != IDOK) return;
  m_strEditProgram = dialog.GetPathName();
  SetDlgItemText(IDC_EDIT_PROGRAM, m_strEditProgram);
  DeriveStartFolder();
  UpdateState();
}

void CEditRunPage::OnOK() {
  if (!IsFrontPage(this)) return;
  DiscardEarlierResult(this);
  if (!UpdateData(TRUE) || m_strEditProgram.IsEmpty()) return;
  auto* action = new CActionRun;
  action->m_strApplication = m_strEditProgram;
  action->m_strApplicationPath = m_strEditStartIn;
  action->m_strParameter = m_strEditParams;
  action->m_nWindowState = m_nEditWindow;
  StoreResult(this, action);
}

}  // namespace corvane
