// Draws a running property sheet the way the platform shows it: caption,
// tabs, the front page's controls from its template with their current state
// at their dialog-unit positions, and the sheet's buttons.  Used to look at
// the layouts and their translations without a screen.
#pragma once

#include <vector>

#include "system/dialogs/PropertySheet.h"

namespace corvane {

class CDC;

// Where the parts of a sheet's picture lie, in pixels from its top-left
// corner (96 dots per inch).
struct SheetPictureLayout {
  SIZE size{0, 0};
  CRect caption;              // the title bar
  std::vector<CRect> tabs;    // one per page, in page order
  CRect pageFrame;            // the raised frame around the pages
  CPoint pageOrigin;          // where the front page's client area starts
  std::vector<CRect> buttons; // the sheet's buttons, in the sheet's control order
};

// The layout of the sheet's picture; dc measures the tab titles (any
// surface that measures text, such as a raster surface).
SheetPictureLayout LayOutPropertySheet(CDC* dc, const CPropertySheet& sheet);
// Draws the sheet into the device context from its top-left corner.
void PaintPropertySheet(CDC* dc, const CPropertySheet& sheet);

// The font the painter shows a template's text in: the template's face when
// this system has it, else a stand-in of the same build, at the template's
// size at 96 dots per inch.
LOGFONT DialogPictureFont(const DialogResource* resource, bool bold = false);

}  // namespace corvane
