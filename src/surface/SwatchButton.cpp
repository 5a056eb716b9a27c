#include "surface/SwatchButton.h"

#include "system/dialogs/Dialog.h"
#include "system/dialogs/WindowPaint.h"
#include "system/gdi/Dc.h"
#include "system/gdi/Screen.h"

namespace corvane {

void PaintSwatchButton(CButton* button, COLORREF color) {
  ControlState* control = button ? button->GetControlState() : nullptr;
  if (!control) return;
  color &= 0x00FFFFFF;

  // The client rectangle, moved to the origin, in pixels.
  CRect client(0, 0, control->rect.Width(), control->rect.Height());
  if (auto* dialog = DYNAMIC_DOWNCAST(CDialog, control->parent)) dialog->MapDialogRect(&client);
  if (client.Width() < 1) client.right = 1;
  if (client.Height() < 1) client.bottom = 1;

  // The button draws where its window is shown: the installed paint
  // surface, else the screen.
  CDC* target = CurrentPaintSurface();
  CDC* screen = target ? nullptr : GetDC(nullptr);
  if (!target) target = screen;

  std::shared_ptr<const GdiObjectData> picture;
  if (target) {
    CDC memory(nullptr);
    CBitmap bitmap;
    if (memory.CreateCompatibleDC(target) && bitmap.CreateCompatibleBitmap(target, client.Width(), client.Height())) {
      CBitmap* previous = memory.SelectObject(&bitmap);
      CBrush brush(color);
      memory.FillRect(&client, &brush);
      memory.SelectObject(previous);
      brush.DeleteObject();
      picture = bitmap.Data();
    }
  }
  if (screen) ReleaseDC(nullptr, screen);

  // The button takes the new picture; the old one goes with the last
  // reference to it.
  control->image = std::move(picture);
  control->swatch = color;
}

}  // namespace corvane
