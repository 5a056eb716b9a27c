#include "dialogs/PageLayout.h"

#include "dialogs/CellPageSupport.h"
#include "surface/Surface.h"
#include "surface/SwatchButton.h"
#include "system/Desktop.h"
#include "system/dialogs/WindowPaint.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CPageLayout, CPropertyPage)

BEGIN_MESSAGE_MAP(CPageLayout, CPropertyPage)
ON_BN_CLICKED(IDC_LAYOUT_FONT, OnSelectFont)
ON_BN_CLICKED(IDC_LAYOUT_BACK_COLOR, OnBackColor)
ON_BN_CLICKED(IDC_LAYOUT_FRAME_COLOR, OnFrameColor)
ON_BN_CLICKED(IDC_LAYOUT_INNER_COLOR, OnInnerColor)
ON_BN_CLICKED(IDC_LAYOUT_TEXT_COLOR, OnTextColor)
ON_BN_CLICKED(IDC_LAYOUT_APPLY_ALL, OnApplyAll)
ON_BN_CLICKED(IDC_LAYOUT_FRAME_BORDER, OnFrameBorder)
ON_BN_CLICKED(IDC_LAYOUT_INNER_BORDER, OnInnerBorder)
ON_WM_PAINT()
END_MESSAGE_MAP()

CPageLayout::CPageLayout() : CPropertyPage(IDD_SURFACE_LAYOUT) {}
CPageLayout::~CPageLayout() = default;

void CPageLayout::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_PREVIEW, m_wndPreview);
  DDX_Control(dx, IDC_LAYOUT_TEXT_COLOR, m_btnTextColor);
  DDX_Control(dx, IDC_LAYOUT_INNER_COLOR, m_btnInnerColor);
  DDX_Control(dx, IDC_LAYOUT_FRAME_COLOR, m_btnFrameColor);
  DDX_Control(dx, IDC_LAYOUT_BACK_COLOR, m_btnBackColor);
  DDX_Check(dx, IDC_LAYOUT_APPLY_ALL, m_bApplyAll);
  DDX_Check(dx, IDC_LAYOUT_FRAME_BORDER, m_bFrameBorder);
  DDX_Check(dx, IDC_LAYOUT_INNER_BORDER, m_bInnerBorder);
}

BOOL CPageLayout::OnInitDialog() {
  if (m_pSurface) {
    m_bFrameBorder = (m_pSurface->m_dwStyle & SURFACE_DRAW_FRAME) ? 1 : 0;
    m_bInnerBorder = (m_pSurface->m_dwStyle & SURFACE_DRAW_INNER_FRAME) ? 1 : 0;
  }
  CPropertyPage::OnInitDialog();
  m_wndPreview.ShowWindow(SW_HIDE);
  m_rcPreview = ControlRectInPixels(this, IDC_PREVIEW);
  if (!m_pSurface) return TRUE;
  PaintSwatchButton(&m_btnTextColor, m_pSurface->m_crDefaultText);
  PaintSwatchButton(&m_btnFrameColor, m_pSurface->m_crFrame);
  PaintSwatchButton(&m_btnBackColor, m_pSurface->m_crBackground);
  PaintSwatchButton(&m_btnInnerColor, m_pSurface->m_crInnerFrame);
  SetDlgItemText(IDC_LAYOUT_FONT, m_pSurface->m_lfDefault.lfFaceName);
  return TRUE;
}

void CPageLayout::OnSelectFont() {
  if (!m_pSurface) return;
  LOGFONT chosen{};
  COLORREF color = 0;
  if (!ChooseFont(m_pSurface->m_lfDefault, m_pSurface->m_crDefaultText, chosen, color)) return;
  m_pSurface->m_lfDefault = chosen;
  m_pSurface->m_crDefaultText = color;
  PaintSwatchButton(&m_btnTextColor, color);
  SetDlgItemText(IDC_LAYOUT_FONT, chosen.lfFaceName);
  Invalidate();
}

void CPageLayout::PickColor(COLORREF& field, CButton& swatch) {
  COLORREF chosen = 0;
  if (!ChooseColor(field, chosen)) return;
  field = chosen;
  PaintSwatchButton(&swatch, chosen);
  Invalidate();
}

void CPageLayout::OnTextColor() {
  if (m_pSurface) PickColor(m_pSurface->m_crDefaultText, m_btnTextColor);
}
void CPageLayout::OnFrameColor() {
  if (m_pSurface) PickColor(m_pSurface->m_crFrame, m_btnFrameColor);
}
void CPageLayout::OnInnerColor() {
  if (m_pSurface) PickColor(m_pSurface->m_crInnerFrame, m_btnInnerColor);
}
void CPageLayout::OnBackColor() {
  if (m_pSurface) PickColor(m_pSurface->m_crBackground, m_btnBackColor);
}

// "Apply to all": every cell's label takes the default font and colour.
// Ticked, the copy's cells drop their own fonts and colours (the preview
// shows it, and OK makes it so); unticked, they get them back.
void CPageLayout::OnApplyAll() {
  UpdateData(TRUE);
  if (!m_pSurface) return;
  if (m_bApplyAll) {
    m_setAside.clear();
    for (int slot = 0; slot < kSurfaceCellSlots; ++slot) {
      CHotCell* cell = m_pSurface->m_apCells[slot];
      if (!cell || (!cell->m_pTextFont && cell->m_crTextColor == 0xFFFFFFFF)) continue;
      CellLook look{slot, std::nullopt, cell->m_crTextColor};
      if (cell->m_pTextFont) look.font = *cell->m_pTextFont;
      m_setAside.push_back(look);
      cell->SetTextFont(nullptr);
      cell->m_crTextColor = 0xFFFFFFFF;
    }
  } else {
    for (const CellLook& look : m_setAside) {
      CHotCell* cell = m_pSurface->m_apCells[look.slot];
      if (!cell) continue;
      cell->SetTextFont(look.font ? &*look.font : nullptr);
      cell->m_crTextColor = look.color;
    }
    m_setAside.clear();
  }
  Invalidate();
}

void CPageLayout::OnFrameBorder() {
  UpdateData(TRUE);
  if (!m_pSurface) return;
  if (m_bFrameBorder)
    m_pSurface->m_dwStyle |= SURFACE_DRAW_FRAME;
  else
    m_pSurface->m_dwStyle &= ~SURFACE_DRAW_FRAME;
  Invalidate();
}

void CPageLayout::OnInnerBorder() {
  UpdateData(TRUE);
  if (!m_pSurface) return;
  if (m_bInnerBorder)
    m_pSurface->m_dwStyle |= SURFACE_DRAW_INNER_FRAME;
  else
    m_pSurface->m_dwStyle &= ~SURFACE_DRAW_INNER_FRAME;
  Invalidate();
}

void CPageLayout::OnPaint() {
  CPaintDC dc(this);
  DrawSurfacePreview(dc, m_pSurface, m_rcPreview);
}

}  // namespace corvane
