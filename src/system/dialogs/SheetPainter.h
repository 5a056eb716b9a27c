// Draws a running property sheet the way the platform would show it: title,
// tabs, the front page's controls from its template with their current
// state, and the sheet's buttons.  Used to look at the layouts and their
// translations without a GUI.
#pragma once

#include "system/dialogs/PropertySheet.h"

namespace corvane {

class CDC;

// The size in pixels (96 dots per inch) of the sheet's picture.
SIZE MeasurePropertySheet(const CPropertySheet& sheet);
// Draws the sheet into the device context from its top-left corner.
void PaintPropertySheet(CDC* dc, const CPropertySheet& sheet);

}  // namespace corvane
