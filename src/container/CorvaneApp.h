// The library's module object and its library-wide state.
#pragma once

#include "system/Win32.h"

namespace corvane {

// Constructed when the library is loaded and destroyed when it is unloaded.
// It makes the library's own resource tables the ones its code loads; on this
// platform that means choosing the resource language from the user's locale.
class CCorvaneApp {
 public:
  CCorvaneApp();
  ~CCorvaneApp();
  CCorvaneApp(const CCorvaneApp&) = delete;
  CCorvaneApp& operator=(const CCorvaneApp&) = delete;
};

// The host's main window, set with ACTSetMainWnd; null until then.  Written
// on the host's thread, read by the playback thread.
HWND GetHostMainWindow();
void SetHostMainWindow(HWND window);

}  // namespace corvane
