// Message boxes of the library: captioned with the application title (string
// 57344) and routed through the dialog backend, so that a headless run sees
// every one of them.
#pragma once

#include "system/dialogs/WindowStyles.h"

namespace corvane {

// Shows the text and answers the id of the button that closed the box.
// Without an icon in the type an OK box gets the exclamation icon.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = 0);

// String resource `id` with %1 and %2 replaced.
CString AfxFormatString2(UINT id, const char* first, const char* second);
CString AfxFormatString1(UINT id, const char* first);

}  // namespace corvane
