// The platform's message box, owned by the active window of the thread like
// the class library's.  Caption and text are UTF-8 in the library and go to
// the wide function, so Chinese and Korean texts show whatever the system's
// code page.
#include "system/dialogs/SystemMessageBox.h"

#include "system/win32/WideText.h"
#include "system/win32/WindowsApi.h"

namespace corvane {

int ShowSystemMessageBox(const char* caption, const char* text, UINT type) {
  const win32::WideArg wideCaption(caption), wideText(text ? text : "");
  return ::MessageBoxW(::GetActiveWindow(), wideText.get(), wideCaption.get(), type);
}

}  // namespace corvane
