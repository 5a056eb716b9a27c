// The screen as a drawing surface: what GetDC of no window answers.
#pragma once

#include "system/gdi/Dc.h"

namespace corvane {

class CWnd;

// The screen's drawing surface (window null) or a window's; release it with
// ReleaseDC.  Drawing on the screen surface draws nothing.
CDC* GetDC(HWND window);
int ReleaseDC(HWND window, CDC* dc);

// The pixels per inch that the screen surface reports, in place of the
// platform's, for a host that renders for another resolution (set before
// the first drawing).  Values below 1 give the platform's back.
void SetScreenPixelsPerInch(int x, int y);

// The screen's metrics as the platform folder knows them (LOGPIXELSX,
// LOGPIXELSY, HORZRES, VERTRES, BITSPIXEL; 0 for other indexes): fixed
// values on Linux, which has no screen of its own here (96 by 96 pixels per
// inch), the display's on Windows.
int ScreenDeviceCaps(int index);

}  // namespace corvane
