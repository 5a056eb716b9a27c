// CActionRun: opens a program or document through the shell, with optional
// parameters and a window state.  Its template-load form (m_dwExtraType 1)
// starts the host launcher "Tapdeck.exe" with a layout file to load; in the
// registry that form spells the host's switch out in full, as
// "/Load=<layout file>".
#pragma once

#include "actions/Action.h"

namespace corvane {

// The sub-kinds of a run action.
constexpr LONG RUN_PROGRAM = 0;
constexpr LONG RUN_LOAD_TEMPLATE = 1;

// The template-load form's program and switch.
constexpr const char kHostLauncher[] = "Tapdeck.exe";
constexpr const char kLoadSwitch[] = "/Load=";

class CActionRun : public CAction {
 public:
  CActionRun();
  CActionRun(const CActionRun& source);
  ~CActionRun() override;

  CContainer* Clone() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;
  int WriteRegistry(HKEY parent, int index) override;
  int ReadRegistry(HKEY parent, int index) override;
  int Execute(HWND window) override;
  int GetDescription(HKEY context, CString& out, int flag) override;
  CString GetTypeName() override;

  // Makes this a template-load action for the layout file.
  void SetLoadTemplate(const CString& layoutFile);

  // The program or document.
  CString m_strApplication;
  // Its start folder (stored, not used to run); "/Load=" in the
  // template-load form.
  CString m_strApplicationPath;
  // The parameters; in the template-load form the layout file's path.
  CString m_strParameter;
  // A position in the window-state table.
  int m_nWindowState = 0;
};

// The file-name part of a path: what follows its last backslash or slash.  A
// text without one, or one that ends in one, is answered whole.
CString GetFileNamePart(const CString& path);

}  // namespace corvane
