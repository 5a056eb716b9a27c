// The screen as a drawing surface: what GetDC of no window answers.
#pragma once

#include "system/gdi/Dc.h"

namespace corvane {

class CWnd;

// The screen's drawing surface (window null) or a window's; release it with
// ReleaseDC.  Drawing on the screen surface draws nothing on Linux.
CDC* GetDC(HWND window);
int ReleaseDC(HWND window, CDC* dc);

// The pixels per inch that the screen surface reports: 96 by 96 on Linux
// unless a host that renders for another resolution sets it (before the
// first drawing).  Values below 1 restore 96.
void SetScreenPixelsPerInch(int x, int y);

}  // namespace corvane
