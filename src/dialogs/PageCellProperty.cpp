#include "dialogs/PageCellProperty.h"

#include "dialogs/CellPageSupport.h"
#include "dialogs/PageCellSelectIcon.h"
#include "surface/Surface.h"
#include "surface/SwatchButton.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CPageCellProperty, CPropertyPage)

BEGIN_MESSAGE_MAP(CPageCellProperty, CPropertyPage)
ON_BN_CLICKED(IDC_CELL_TEXT_COLOR, OnTextColor)
ON_BN_CLICKED(IDC_CELL_NODE_COLOR, OnNodeColor)
ON_BN_CLICKED(IDC_CELL_FONT, OnSelectFont)
ON_BN_CLICKED(IDC_CELL_NODE, OnNode)
ON_BN_CLICKED(IDC_CELL_ICON, OnIcon)
END_MESSAGE_MAP()

namespace {
// The colour nodes are drawn with: the surface's, or the surface default.
COLORREF NodeColorOf(CHotCell* cell) {
  if (auto* surface = dynamic_cast<CSurface*>(cell ? cell->m_pParent : nullptr)) return surface->m_crCell;
  return CSurface().m_crCell;
}
}  // namespace

CPageCellProperty::CPageCellProperty() : CPropertyPage(IDD_CELL_PROPERTY) {}
CPageCellProperty::~CPageCellProperty() = default;

void CPageCellProperty::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_CELL_TEXT_COLOR, m_btnTextColor);
  DDX_Control(dx, IDC_CELL_NODE_COLOR, m_btnNodeColor);
}

BOOL CPageCellProperty::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  if (!m_pCell) return TRUE;
  PaintSwatchButton(&m_btnTextColor, m_pCell->GetTextColor());
  PaintSwatchButton(&m_btnNodeColor, m_bNodeColorChosen ? m_crNodeColor : NodeColorOf(m_pCell));
  ShowDrawingKind();
  const LOGFONT* font = m_pCell->GetLogFont();
  SetDlgItemText(IDC_CELL_FONT, font ? font->lfFaceName : "");
  return TRUE;
}

BOOL CPageCellProperty::OnSetActive() {
  BOOL result = CPropertyPage::OnSetActive();
  // The icon page may have given the cell an icon file meanwhile.
  if (m_pCell && !m_bFirstSetActive) ShowDrawingKind();
  return result;
}

void CPageCellProperty::ShowDrawingKind() {
  const bool icon = !m_pCell->m_strIconFile.IsEmpty();
  if (auto* node = static_cast<CButton*>(GetDlgItem(IDC_CELL_NODE))) node->SetCheck(icon ? 0 : 1);
  if (auto* iconButton = static_cast<CButton*>(GetDlgItem(IDC_CELL_ICON))) iconButton->SetCheck(icon ? 1 : 0);
}

void CPageCellProperty::OnTextColor() {
  if (!m_pCell) return;
  // A cell that takes the surface's colour starts from the colour it shows.
  COLORREF chosen = 0;
  if (!ChooseColor(m_pCell->GetTextColor(), chosen)) return;
  m_pCell->m_crTextColor = chosen;
  PaintSwatchButton(&m_btnTextColor, m_pCell->GetTextColor());
}

void CPageCellProperty::OnNodeColor() {
  COLORREF chosen = 0;
  if (!ChooseColor(m_bNodeColorChosen ? m_crNodeColor : NodeColorOf(m_pCell), chosen)) return;
  m_crNodeColor = chosen;
  m_bNodeColorChosen = true;
  PaintSwatchButton(&m_btnNodeColor, chosen);
}

void CPageCellProperty::OnSelectFont() {
  if (!m_pCell) return;
  LOGFONT start{};
  if (const LOGFONT* font = m_pCell->GetLogFont()) start = *font;
  const COLORREF startColor = m_pCell->GetTextColor();
  LOGFONT chosen{};
  COLORREF color = 0;
  if (!ChooseFont(start, startColor, chosen, color)) return;
  m_pCell->SetTextFont(&chosen);
  // A cell that follows the surface's colour keeps doing so unless another
  // colour was chosen.
  if (!(m_pCell->m_crTextColor == 0xFFFFFFFF && color == startColor)) m_pCell->m_crTextColor = color;
  PaintSwatchButton(&m_btnTextColor, m_pCell->GetTextColor());
  SetDlgItemText(IDC_CELL_FONT, chosen.lfFaceName);
}

// "Node" draws the key as its shape: the icon file is put aside (and given
// back by "Icon" while the sheet is open).
void CPageCellProperty::OnNode() {
  if (!m_pCell || m_pCell->m_strIconFile.IsEmpty()) return;
  m_strSetAsideIcon = m_pCell->m_strIconFile;
  m_pCell->m_strIconFile.Empty();
}

// "Icon" draws the key with its icon: the icon put aside comes back; a key
// that never had one brings the icon page to the front to choose it.
void CPageCellProperty::OnIcon() {
  if (!m_pCell || !m_pCell->m_strIconFile.IsEmpty()) return;
  if (!m_strSetAsideIcon.IsEmpty()) {
    m_pCell->m_strIconFile = m_strSetAsideIcon;
    m_strSetAsideIcon.Empty();
    return;
  }
  CPropertySheet* sheet = GetSheet();
  if (!sheet) return;
  for (int i = 0; i < sheet->GetPageCount(); ++i)
    if (sheet->GetPage(i) != this && sheet->GetPage(i)->GetTemplateId() == IDD_CELL_SELECT_ICON) {
      sheet->SetActivePage(i);
      return;
    }
}

}  // namespace corvane
