// The dialog templates of the resources as the platform's in-memory dialog
// templates (DLGTEMPLATE with its DLGITEMTEMPLATE records), with every text
// in UTF-16, for CreateDialogIndirect and for property pages made with
// PSP_DLGINDIRECT.
#pragma once

#include <vector>

#include "system/Resources.h"

namespace corvane {
class CWnd;
}

namespace corvane::win32 {

// The template as WORDs, aligned as the platform requires (the first WORD
// is DWORD-aligned by std::vector's allocation).  style is the dialog's own
// style; DS_SETFONT is added when the template names a font.
std::vector<unsigned short> BuildDialogTemplate(const DialogResource& dialog, DWORD style);

// Puts the state of the dialog layer's controls of `model` (texts, checks,
// list entries and selections, enabled and visible) into the platform's
// controls of `window`, a dialog made from the same template: the n-th
// control of the template is the n-th child window.  Answers how many
// controls it filled.
int ShowControlStates(void* window, const CWnd& model);

}  // namespace corvane::win32
