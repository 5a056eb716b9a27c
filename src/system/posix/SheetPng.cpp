// Pictures of property sheets as PNG files, through the raster surface.
#include "system/dialogs/SheetPng.h"

#include "system/dialogs/SheetPainter.h"
#include "system/posix/RasterSurface.h"

namespace corvane {

bool WriteSheetPng(const CPropertySheet& sheet, const char* path) {
  if (!path || !*path) return false;
  SIZE size = MeasurePropertySheet(sheet);
  std::unique_ptr<CDC> dc = CreateRasterDC(size.cx, size.cy);
  if (!dc) return false;
  PaintPropertySheet(dc.get(), sheet);
  return WriteRasterPng(dc.get(), path);
}

}  // namespace corvane
