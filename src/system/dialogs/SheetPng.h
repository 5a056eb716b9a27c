// Pictures of running property sheets as PNG files (PaintPropertySheet on the
// raster surface).
#pragma once

#include "system/dialogs/PropertySheet.h"

namespace corvane {

enum class PictureStatus {
  Written,
  NoRasterSurface,  // this platform's build has no raster surface to draw on
  NotWritten,       // the file could not be written (or no path was given)
  NotDrawn,         // nothing was asked to draw
};

PictureStatus WriteSheetPng(const CPropertySheet& sheet, const char* path);

}  // namespace corvane
