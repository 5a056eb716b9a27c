#include "dialogs/PageSelectBmp.h"

#include "dialogs/CellPageSupport.h"
#include "dialogs/PageLayout.h"
#include "surface/Surface.h"
#include "system/Desktop.h"
#include "system/dialogs/FileDialog.h"
#include "system/dialogs/WindowPaint.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CPageSelectBmp, CPropertyPage)

BEGIN_MESSAGE_MAP(CPageSelectBmp, CPropertyPage)
ON_BN_CLICKED(IDC_BITMAP_BROWSE, OnBrowse)
ON_WM_PAINT()
ON_CBN_SELCHANGE(IDC_BITMAP_MODE, OnModeChanged)
ON_BN_CLICKED(IDC_BITMAP_CLEAR, OnClear)
ON_EN_CHANGE(IDC_BITMAP_PATH, OnPathChanged)
END_MESSAGE_MAP()

namespace {
constexpr UINT IDB_BROWSE_BUTTON = 126;
// Positions of the fill-mode list.
constexpr int kModeCentered = 0;
constexpr int kModeTiled = 1;
constexpr int kModeStretched = 2;
}  // namespace

CPageSelectBmp::CPageSelectBmp() : CPropertyPage(IDD_SURFACE_BITMAP) {}
CPageSelectBmp::~CPageSelectBmp() = default;

void CPageSelectBmp::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_BITMAP_MODE, m_comboMode);
  DDX_Control(dx, IDC_PREVIEW, m_wndPreview);
  DDX_Control(dx, IDC_BITMAP_BROWSE, m_btnBrowse);
  DDX_Text(dx, IDC_BITMAP_PATH, m_strBitmap);
}

BOOL CPageSelectBmp::OnInitDialog() {
  if (m_pSurface) m_strBitmap = m_pSurface->m_strBitmapFile;
  CPropertyPage::OnInitDialog();
  m_btnBrowse.SetBitmapResource(IDB_BROWSE_BUTTON);
  m_wndPreview.ShowWindow(SW_HIDE);
  m_rcPreview = ControlRectInPixels(this, IDC_PREVIEW);
  if (m_pSurface) {
    switch (m_pSurface->m_dwStyle & BKGND_MODE_MASK) {
      case BKGND_TILED: m_comboMode.SetCurSel(kModeTiled); break;
      case BKGND_CENTERED: m_comboMode.SetCurSel(kModeCentered); break;
      default: m_comboMode.SetCurSel(kModeStretched); break;
    }
  }
  return TRUE;
}

void CPageSelectBmp::OnModeChanged() {
  if (!m_pSurface) return;
  m_pSurface->m_dwStyle &= ~BKGND_MODE_MASK;
  const int position = m_comboMode.GetCurSel();
  if (position == kModeCentered)
    m_pSurface->m_dwStyle |= BKGND_CENTERED;
  else if (position != kModeTiled)
    m_pSurface->m_dwStyle |= BKGND_STRETCHED;
  Invalidate(FALSE);
}

void CPageSelectBmp::OnBrowse() {
  CFileDialog dialog(TRUE, "BMP", m_strBitmap.Left(255), OFN_EXPLORER | OFN_OVERWRITEPROMPT,
                     "Windows Bitmaps(*.BMP)|*.bmp|All Files (*.*)|*.*||", GetParent());
  if (dialog.DoModal() != IDOK || !m_pSurface) return;
  const CString path = dialog.GetPathName();
  HBITMAPBLOCK block = LoadBmpFile(path);
  if (!block) return;  // not a bitmap: nothing changes
  m_strBitmap = path;
  m_pSurface->SetBackgroundBitmap(path, block);
  UpdateData(FALSE);
  Invalidate(FALSE);
}

void CPageSelectBmp::OnClear() {
  m_strBitmap.Empty();
  if (m_pSurface) m_pSurface->SetBackgroundBitmap(CString(), nullptr);
  Invalidate(FALSE);
  UpdateData(FALSE);
}

// A path typed into the box takes effect as soon as it names a bitmap that
// loads (relative paths also beside the surface file); an emptied box
// clears the bitmap; anything else (a path still being typed, a file that
// is not a bitmap) leaves the surface as it is.
void CPageSelectBmp::OnPathChanged() {
  if (!m_pSurface) return;
  GetDlgItemText(IDC_BITMAP_PATH, m_strBitmap);
  if (m_strBitmap.IsEmpty()) {
    if (m_pSurface->m_strBitmapFile.IsEmpty()) return;
    m_pSurface->SetBackgroundBitmap(CString(), nullptr);
    Invalidate(FALSE);
    return;
  }
  if (m_strBitmap == m_pSurface->m_strBitmapFile) return;
  HBITMAPBLOCK block = LoadBmpFile(ResolveBesideFolder(m_strBitmap, m_pSurface->m_strBaseFolder));
  if (!block) return;
  m_pSurface->SetBackgroundBitmap(m_strBitmap, block);
  Invalidate(FALSE);
}

void CPageSelectBmp::OnPaint() {
  CPaintDC dc(this);
  DrawSurfacePreview(dc, m_pSurface, m_rcPreview);
}

}  // namespace corvane
