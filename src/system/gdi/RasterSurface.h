// The raster surface: a CDC that really draws into an image in memory, which
// can be read back pixel by pixel and written as PNG.  Each platform folder
// provides it: posix/ draws on cairo with text laid out by Pango; win32/
// has no raster backend yet and refuses (CreateRasterDC answers null).
#pragma once

#include <memory>

#include "system/gdi/Dc.h"

namespace corvane {

// A raster CDC of width by height pixels, filled with white, reporting the
// given pixels per inch.  Null when the size is not positive or too large.
std::unique_ptr<CDC> CreateRasterDC(int width, int height, int dpiX = 96, int dpiY = 96);
// The colour of a pixel of a raster CDC's image (of the bitmap selected
// into a raster memory surface); CLR_INVALID outside it or for another CDC.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
COLORREF GetRasterPixel(CDC* dc, int x, int y);
// Writes a raster CDC's image as PNG, replacing the file whole; false when
// it could not be written.
bool WriteRasterPng(CDC* dc, const char* path);
// How many characters of text the fonts on this machine cannot show in the
// given font (with fallback to other fonts): 0 when all of it renders.
int CountUnrenderableCharacters(const LOGFONT& font, const char* text);

}  // namespace corvane
