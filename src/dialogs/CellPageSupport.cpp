#include "dialogs/CellPageSupport.h"

#include "surface/BitmapUtils.h"
#include "surface/Surface.h"
#include "system/dialogs/CommonDialogs.h"

namespace corvane {

LONG PointsToDialogHeight(LONG points) { return -MulDiv(points, GetScreenPixelsPerInch().cy, 72); }
LONG DialogHeightToPoints(LONG height) { return -MulDiv(height, 72, GetScreenPixelsPerInch().cy); }

bool ChooseColor(COLORREF initial, COLORREF& chosen) {
  CColorDialog dialog(initial, 0, nullptr);
  if (dialog.DoModal() != IDOK) return false;
  chosen = dialog.GetColor();
  return true;
}

bool ChooseFont(const LOGFONT& initial, COLORREF initialColor, LOGFONT& chosen, COLORREF& chosenColor) {
  LOGFONT start = initial;
  start.lfHeight = PointsToDialogHeight(initial.lfHeight);
  CFontDialog dialog(&start, CF_EFFECTS | CF_SCREENFONTS, nullptr, nullptr);
  dialog.m_cf.rgbColors = initialColor;
  if (dialog.DoModal() != IDOK) return false;
  dialog.GetCurrentFont(&chosen);
  chosen.lfHeight = DialogHeightToPoints(chosen.lfHeight);
  chosenColor = dialog.GetColor();
  return true;
}

CRect ControlRectInPixels(const CDialog* dialog, int id) {
  const ControlState* control = dialog ? dialog->FindControl(id) : nullptr;
  if (!control) return CRect();
  CRect rect(control->rect);
  dialog->MapDialogRect(&rect);
  return rect;
}

void DrawSurfacePreview(CDC* dc, CSurface* surface, const CRect& area) {
  if (!dc || !surface || area.IsRectEmpty()) return;
  CRect frame = surface->GetContainerRect();
  frame.NormalizeRect();
  CRect fitted;
  FitSizeInRect(&fitted, &area, &frame);
  CenterRectInRect(&fitted, &area);
  dc->SaveDC();
  dc->SelectStockObject(WHITE_BRUSH);
  dc->SelectStockObject(NULL_PEN);
  dc->Rectangle(&fitted);
  dc->SelectStockObject(NULL_BRUSH);
  surface->OnDraw(dc, &fitted, 1);
  dc->RestoreDC(-1);
}

}  // namespace corvane
