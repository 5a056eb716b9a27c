// CActionSystem: one system function (a window command, logging off,
// scrolling, a pause, the screen saver, the Start menu, switching windows, a
// mouse click, or the date or time typed in), with its parameter.
#pragma once

#include "actions/Action.h"

namespace corvane {

class CActionSystem : public CAction {
 public:
  CActionSystem();
  CActionSystem(const CActionSystem& source);
  ~CActionSystem() override;

  CContainer* Clone() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;
  int Execute(HWND window) override;
  int GetDescription(HKEY context, CString& out, int flag) override;
  CString GetTypeName() override;

  // Types text and one blank into window through the clipboard.  Answers 1
  // when done or when the text is empty, 0 when the clipboard or memory is
  // not available.
  int PasteText(HWND window, const CString& text);
  // One mouse_event per nonzero word of a zero-terminated list, the word as
  // the flags.  A null list plays nothing.
  void PlayMouse(const WORD* list);

  int m_nSystemID = 0;
  int m_nSystemParam = 0;
};

}  // namespace corvane
