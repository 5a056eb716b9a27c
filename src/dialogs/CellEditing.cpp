// Editing a hot cell and the surface in their property sheets: the pages
// work on a copy; OK takes the edited values over, Cancel leaves the
// object as it was.
#include <memory>

#include "dialogs/EditScript.h"
#include "dialogs/PageCellProperty.h"
#include "dialogs/PageCellSelectIcon.h"
#include "dialogs/PageLayout.h"
#include "dialogs/PageSelectBmp.h"
#include "surface/HotCell.h"
#include "surface/Surface.h"

namespace corvane {

namespace {
constexpr const char* kPropertiesCaption = "Properties";
}

int CHotCell::OnProperty() {
  std::unique_ptr<CHotCell> copy(static_cast<CHotCell*>(Clone()));
  if (!copy) return 0;

  CPageCellProperty property;
  CPageCellSelectIcon icon;
  property.m_pCell = copy.get();
  icon.m_pCell = copy.get();
  CPropertySheet sheet(kPropertiesCaption);
  sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  sheet.AddPage(&property);
  sheet.AddPage(&icon);
  // A host without a screen may play the sheet from an edit script.
  std::unique_ptr<ScopedDialogUser> scripted = MakeEnvironmentEditScriptUser();
  if (sheet.DoModal() != IDOK) return 0;

  // The font object moves from the copy to the cell.
  delete m_pTextFont;
  m_pTextFont = copy->m_pTextFont;
  copy->m_pTextFont = nullptr;
  m_crTextColor = copy->m_crTextColor;
  SetIcon(copy->m_strIconFile, copy->m_nIconIndex);
  // The node colour is the surface's: every node is drawn with it.
  if (property.m_bNodeColorChosen)
    if (auto* surface = dynamic_cast<CSurface*>(m_pParent)) surface->m_crCell = property.m_crNodeColor;
  return 1;
}

int CSurface::OnProperty() {
  std::unique_ptr<CSurface> copy(static_cast<CSurface*>(Clone()));
  if (!copy) return 0;

  CPageLayout layout;
  CPageSelectBmp bitmap;
  layout.m_pSurface = copy.get();
  bitmap.m_pSurface = copy.get();
  CPropertySheet sheet(kPropertiesCaption);
  sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  sheet.AddPage(&layout);
  sheet.AddPage(&bitmap);
  std::unique_ptr<ScopedDialogUser> scripted = MakeEnvironmentEditScriptUser();
  if (sheet.DoModal() != IDOK) return 0;

  SetBackgroundBitmap(copy->m_strBitmapFile, nullptr);
  m_lfDefault = copy->m_lfDefault;
  m_crDefaultText = copy->m_crDefaultText;
  m_crFrame = copy->m_crFrame;
  m_crInnerFrame = copy->m_crInnerFrame;
  m_crBackground = copy->m_crBackground;
  m_dwStyle = copy->m_dwStyle;
  // "Apply to all": every label takes the default font and colour.
  if (layout.m_bApplyAll)
    for (CHotCell* cell : m_apCells)
      if (cell) {
        cell->SetTextFont(nullptr);
        cell->m_crTextColor = 0xFFFFFFFF;
      }
  return 1;
}

}  // namespace corvane
