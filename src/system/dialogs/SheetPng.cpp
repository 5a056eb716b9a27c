#include "system/dialogs/SheetPng.h"

#include "system/dialogs/SheetPainter.h"
#include "system/gdi/RasterSurface.h"

namespace corvane {

PictureStatus WriteSheetPng(const CPropertySheet& sheet, const char* path) {
  if (!path || !*path) return PictureStatus::NotWritten;
  // The layout measures the tab titles on a scratch surface first.
  std::unique_ptr<CDC> scratch = CreateRasterDC(1, 1);
  if (!scratch) return PictureStatus::NoRasterSurface;
  const SheetPictureLayout layout = LayOutPropertySheet(scratch.get(), sheet);
  std::unique_ptr<CDC> dc = CreateRasterDC(layout.size.cx, layout.size.cy);
  if (!dc) return PictureStatus::NotWritten;
  PaintPropertySheet(dc.get(), sheet);
  return WriteRasterPng(dc.get(), path) ? PictureStatus::Written : PictureStatus::NotWritten;
}

}  // namespace corvane
