// Colour swatches: a push button whose picture is one solid colour, as the
// colour buttons of the layout and cell pages show.
#pragma once

#include "system/dialogs/Wnd.h"

namespace corvane {

// Fills a bitmap of the button's client size with the colour and hands it
// to the button as its picture; the button owns it from then on and the
// picture it had before is released.  The colour shown is kept on the
// control (ControlState::swatch) for whoever draws or reads the page.
void PaintSwatchButton(CButton* button, COLORREF color);

}  // namespace corvane
