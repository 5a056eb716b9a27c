// What the cell and surface pages share: font heights between the points
// that cell and surface files keep and the pixels the font dialog works in,
// the colour and font dialogs with the pages' conventions, and the preview
// of a surface.
#pragma once

#include "system/dialogs/Dialog.h"
#include "system/gdi/Dc.h"

namespace corvane {

class CSurface;

// Points (positive) to the font dialog's height (negative pixels at the
// screen's vertical pixels per inch), and back.
LONG PointsToDialogHeight(LONG points);
LONG DialogHeightToPoints(LONG height);

// The colour dialog started from a colour; true and the chosen colour when
// the user confirms.
bool ChooseColor(COLORREF initial, COLORREF& chosen);
// The font dialog (screen fonts with effects) started from a font record in
// points and a colour; true, the chosen font in points and the chosen
// colour when the user confirms.
bool ChooseFont(const LOGFONT& initial, COLORREF initialColor, LOGFONT& chosen, COLORREF& chosenColor);

// A control's window rectangle in its dialog's client pixels.
CRect ControlRectInPixels(const CDialog* dialog, int id);

// Draws the surface into the preview area: its frame fitted into the area
// keeping its proportions and centred, filled white, then the surface's
// one-off drawing.
void DrawSurfacePreview(CDC* dc, CSurface* surface, const CRect& area);

}  // namespace corvane
