// The platform's own message box, for a message no script or session of the
// headless user takes.
#pragma once

#include "system/Win32.h"

namespace corvane {

// Shows the box and answers the id of the button that closed it; 0 when the
// platform has no message box to show (no display, or none on this
// platform), so the caller reports the message another way.
int ShowSystemMessageBox(const char* caption, const char* text, UINT type);

}  // namespace corvane
