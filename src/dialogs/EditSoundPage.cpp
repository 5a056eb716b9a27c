#include "dialogs/EditSoundPage.h"

#include "actions/ActionSound.h"
#include "actions/PlayModeTable.h"
#include "dialogs/EditActionSheet.h"
#include "dialogs/EditRunPage.h"
#include "system/dialogs/FileDialog.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CEditSoundPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CEditSoundPage, CPropertyPage)
ON_EN_CHANGE(IDC_EDIT_SOUND_FILE, UpdateState)
ON_BN_CLICKED(IDC_BROWSE_SOUND, OnBrowse)
ON_EN_CHANGE(IDC_EDIT_REPEAT, UpdateState)
ON_CBN_SELCHANGE(IDC_COMBO_MODE, UpdateState)
END_MESSAGE_MAP()

CEditSoundPage::CEditSoundPage() : CPropertyPage(IDD_EDIT_SOUND) {}
CEditSoundPage::~CEditSoundPage() = default;

void CEditSoundPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_COMBO_MODE, m_comboMode);
  DDX_Control(dx, IDC_BROWSE_SOUND, m_btnBrowse);
  DDX_Text(dx, IDC_EDIT_SOUND_FILE, m_strEditSoundFile);
  DDV_MaxChars(dx, m_strEditSoundFile, 255);
  DDX_Text(dx, IDC_EDIT_REPEAT, m_nEditRepeat);
  DDV_MinMaxInt(dx, m_nEditRepeat, 0, 65536);
  DDX_CBIndex(dx, IDC_COMBO_MODE, m_nEditMode);
}

BOOL CEditSoundPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_btnBrowse.SetBitmapResource(IDB_BROWSE);
  m_comboMode.ResetContent();
  CString name;
  for (int position = 0; GetPlayModeNameAt(name, position) > 0; ++position) m_comboMode.AddString(name);
  m_nEditMode = 0;
  m_comboMode.SetCurSel(0);

  if (auto* source = GetSourceActionOfKind<CActionSound>(this, ACTION_SOUND)) {
    m_strEditSoundFile = source->m_strSound;
    SetDlgItemText(IDC_EDIT_SOUND_FILE, m_strEditSoundFile);
    m_nEditMode = source->m_nPlayMode;
    m_comboMode.SetCurSel(m_nEditMode);
    m_nEditRepeat = source->m_nRepeat;
    CString repeat;
    repeat.Format("%d", m_nEditRepeat);
    SetDlgItemText(IDC_EDIT_REPEAT, repeat);
  }
  UpdateState();
  return TRUE;
}

BOOL CEditSoundPage::OnSetActive() {
  BOOL result = CPropertyPage::OnSetActive();
  UpdateState();
  return result;
}

void CEditSoundPage::UpdateState() {
  SetModified(TRUE);
  UpdateData(TRUE);  // a bad repeat count shows its message; the state goes on with what was read
  const bool hasFile = !m_strEditSoundFile.IsEmpty();
  m_comboMode.EnableWindow(hasFile ? TRUE : FALSE);
  if (CWnd* repeat = GetDlgItem(IDC_EDIT_REPEAT)) repeat->EnableWindow(hasFile && m_nEditMode != 0 ? TRUE : FALSE);
  EnableSheetOK(this, hasFile);
}

void CEditSoundPage::OnBrowse() {
  CFileDialog dialog(TRUE, "wav", nullptr, OFN_HIDEREADONLY, "Wav Files (*.wav)|*.wav|");
  if (dialog.DoModal() != IDOK) return;
  m_strEditSoundFile = dialog.GetPathName();
  SetDlgItemText(IDC_EDIT_SOUND_FILE, m_strEditSoundFile);
  UpdateState();
}

void CEditSoundPage::OnOK() {
  if (!IsFrontPage(this)) return;
  DiscardEarlierResult(this);
  if (!UpdateData(TRUE) || m_strEditSoundFile.IsEmpty()) return;
  auto* action = new CActionSound;
  action->m_strSound = m_strEditSoundFile;
  action->m_nPlayMode = m_nEditMode;
  action->m_nRepeat = m_nEditRepeat;
  StoreResult(this, action);
}

}  // namespace corvane
