// The raster surface on Windows: not provided yet.  A GDI backend (a DIB
// section drawn with the platform's own functions) belongs here; until then
// every entry point refuses, so callers report that they cannot render
// instead of writing an empty image.
#include "system/gdi/RasterSurface.h"

#include <cstring>

namespace corvane {

std::unique_ptr<CDC> CreateRasterDC(int, int, int, int) { return nullptr; }

COLORREF GetRasterPixel(CDC*, int, int) { return CLR_INVALID; }

bool WriteRasterPng(CDC*, const char*) { return false; }

// Without a backend nothing renders.
int CountUnrenderableCharacters(const LOGFONT&, const char* text) {
  return text ? static_cast<int>(std::strlen(text)) : 0;
}

}  // namespace corvane
