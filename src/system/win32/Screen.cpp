#include "system/gdi/Screen.h"

#include "system/win32/WindowsApi.h"

namespace corvane {

// The display's own metrics, asked of its drawing context each time (the
// callers cache what they need).  The layer's index values are the
// platform's, which the macros of <windows.h> now stand for.
int ScreenDeviceCaps(int index) {
  if (index != LOGPIXELSX && index != LOGPIXELSY && index != HORZRES && index != VERTRES && index != BITSPIXEL)
    return 0;
  HDC screen = ::GetDC(nullptr);
  if (!screen) return 0;
  const int value = ::GetDeviceCaps(screen, index);
  ::ReleaseDC(nullptr, screen);
  return value;
}

}  // namespace corvane
