// The dialog templates of the resources as the platform's in-memory dialog
// templates (DLGTEMPLATE with its DLGITEMTEMPLATE records), with every text
// in UTF-16, for CreateDialogIndirect and for property pages made with
// PSP_DLGINDIRECT.
#pragma once

#include <vector>

#include "system/Resources.h"

namespace corvane::win32 {

// The template as WORDs, aligned as the platform requires (the first WORD
// is DWORD-aligned by std::vector's allocation).  style is the dialog's own
// style; DS_SETFONT is added when the template names a font.
std::vector<unsigned short> BuildDialogTemplate(const DialogResource& dialog, DWORD style);

}  // namespace corvane::win32
