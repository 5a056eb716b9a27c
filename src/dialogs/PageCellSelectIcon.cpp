#include "dialogs/PageCellSelectIcon.h"

#include <algorithm>
#include <new>

#include "surface/HotCell.h"
#include "system/dialogs/FileDialog.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CPageCellSelectIcon, CPropertyPage)

BEGIN_MESSAGE_MAP(CPageCellSelectIcon, CPropertyPage)
ON_BN_CLICKED(IDC_ICON_BROWSE, OnBrowse)
ON_EN_CHANGE(IDC_ICON_FILE, OnIconFileChanged)
END_MESSAGE_MAP()

namespace {
constexpr UINT IDB_BROWSE_BUTTON = 126;
}

CPageCellSelectIcon::CPageCellSelectIcon() : CPropertyPage(IDD_CELL_SELECT_ICON) {}

CPageCellSelectIcon::~CPageCellSelectIcon() { ReleaseIcons(); }

void CPageCellSelectIcon::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_ICON_BROWSE, m_btnBrowse);
  DDX_Control(dx, IDC_ICON_LIST, m_listIcons);
}

BOOL CPageCellSelectIcon::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_btnBrowse.SetBitmapResource(IDB_BROWSE_BUTTON);
  if (m_pCell) {
    const int index = m_pCell->m_nIconIndex;
    if (CWnd* file = GetDlgItem(IDC_ICON_FILE)) file->SetWindowText(m_pCell->m_strIconFile);  // fills the list
    if (index >= 0 && index < m_nIconCount) {
      m_listIcons.SetItemState(index, LVIS_SELECTED_STATE | LVIS_FOCUSED_STATE,
                               LVIS_SELECTED_STATE | LVIS_FOCUSED_STATE);
      m_listIcons.EnsureVisible(index, FALSE);
    }
  }
  m_listIcons.SetFocus();
  return FALSE;  // the focus is set
}

BOOL CPageCellSelectIcon::OnSetActive() {
  BOOL result = CPropertyPage::OnSetActive();
  // The label page may have put the icon aside or given it back meanwhile.
  if (m_pCell && !m_bFirstSetActive) {
    CString shown;
    GetDlgItemText(IDC_ICON_FILE, shown);
    if (shown != m_pCell->m_strIconFile)
      if (CWnd* file = GetDlgItem(IDC_ICON_FILE)) file->SetWindowText(m_pCell->m_strIconFile);
  }
  return result;
}

void CPageCellSelectIcon::OnIconFileChanged() {
  if (!m_pCell) return;
  GetDlgItemText(IDC_ICON_FILE, m_pCell->m_strIconFile);
  FillIconList();
}

void CPageCellSelectIcon::ReleaseIcons() {
  if (m_phIcons) {
    for (int i = 0; i < m_nIconCount; ++i)
      if (m_phIcons[i]) DestroyIcon(m_phIcons[i]);
    delete[] m_phIcons;
    m_phIcons = nullptr;
  }
  m_nIconCount = 0;
  m_imageList.DeleteImageList();
}

void CPageCellSelectIcon::FillIconList() {
  m_listIcons.DeleteAllItems();
  m_listIcons.SetImageList(nullptr, LVSIL_NORMAL);
  ReleaseIcons();
  if (!m_pCell || m_pCell->m_strIconFile.IsEmpty()) return;

  const CString file = ResolveBesideFolder(m_pCell->m_strIconFile, m_pCell->m_strBaseFolder);
  const UINT count = ExtractIconExA(file, -1, nullptr, nullptr, 0);
  const int wanted = static_cast<int>(std::min<UINT>(count, kMaxListedIcons));
  if (wanted <= 0) return;

  m_phIcons = new (std::nothrow) HICON[static_cast<std::size_t>(std::max(wanted, 10))]();
  if (!m_phIcons) return;
  m_imageList.Create(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), ILC_COLOR, wanted, wanted);
  const UINT extracted = ExtractIconExA(file, 0, m_phIcons, nullptr, static_cast<UINT>(wanted));
  m_nIconCount = static_cast<int>(std::min<UINT>(extracted, static_cast<UINT>(wanted)));
  for (int i = 0; i < m_nIconCount; ++i) m_imageList.Add(m_phIcons[i]);

  m_listIcons.SetImageList(&m_imageList, LVSIL_NORMAL);
  m_listIcons.SetBkColor(0xFFFFFF);
  for (int i = 0; i < m_nIconCount; ++i) m_listIcons.InsertItem(i, "", i);
  if (m_nIconCount > 0) {
    m_listIcons.SetItemState(0, LVIS_SELECTED_STATE | LVIS_FOCUSED_STATE, LVIS_SELECTED_STATE | LVIS_FOCUSED_STATE);
    m_listIcons.EnsureVisible(0, TRUE);
  }
  m_listIcons.Invalidate();
}

void CPageCellSelectIcon::OnBrowse() {
  CString current;
  GetDlgItemText(IDC_ICON_FILE, current);
  CFileDialog dialog(TRUE, nullptr, current, OFN_EXPLORER | OFN_OVERWRITEPROMPT, "(*.exe)|*.exe|(*.*)|*.*||", nullptr);
  if (dialog.DoModal() != IDOK) return;
  if (CWnd* file = GetDlgItem(IDC_ICON_FILE)) file->SetWindowText(dialog.GetPathName());
}

void CPageCellSelectIcon::OnOK() {
  if (!m_pCell) return;
  const int mark = m_listIcons.GetSelectionMark();
  if (mark >= 0 && mark < m_nIconCount) m_pCell->m_nIconIndex = mark;
}

}  // namespace corvane
