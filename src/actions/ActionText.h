// CActionText: types a text into the window that has the keyboard focus by
// putting it on the clipboard and pressing Control+V.
//
// The profile keeps the text under "Text" as it is.  A value there is one
// line, with the blanks around it dropped, so a text that would not come back
// whole (line breaks, leading or trailing blanks) is also written escaped
// under "TextEscaped" ("\r", "\n", "\t", "\\", and "\s" for a blank at either
// end); it is read back in preference to "Text" while its first line still
// matches "Text".
#pragma once

#include "actions/Action.h"

namespace corvane {

class CActionText : public CAction {
 public:
  CActionText();
  CActionText(const CActionText& source);
  ~CActionText() override;

  CContainer* Clone() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;
  int Execute(HWND window) override;
  int GetDescription(HKEY context, CString& out, int flag) override;
  CString GetTypeName() override;

  CString m_strText;
};

// The escaping of "TextEscaped", both ways.
CString EscapeProfileText(const CString& text);
CString UnescapeProfileText(const CString& text);

// Puts text on the clipboard as CF_OEMTEXT, replacing what was there.
// Answers false, with nothing put there, when the clipboard cannot be opened
// or the memory block cannot be made; an empty text only empties the
// clipboard.
bool PutTextOnClipboard(const CString& text);

}  // namespace corvane
