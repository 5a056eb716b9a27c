// Writes the picture of a running property sheet (PaintPropertySheet) to a
// PNG file; false when the file cannot be written or this platform has no
// raster surface.
#pragma once

#include "system/dialogs/PropertySheet.h"

namespace corvane {

bool WriteSheetPng(const CPropertySheet& sheet, const char* path);

}  // namespace corvane
