// CActionMenu: opens a menu command of the foreground window by its access
// letters (FS for File, Save): menu mode as a lone Alt press gives it, then
// the letters one by one.
#pragma once

#include "actions/Action.h"

namespace corvane {

class CActionMenu : public CAction {
 public:
  CActionMenu();
  CActionMenu(const CActionMenu& source);
  ~CActionMenu() override;

  CContainer* Clone() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;
  int Execute(HWND window) override;
  int GetDescription(HKEY context, CString& out, int flag) override;
  CString GetTypeName() override;

  CString m_strMenu;
};

}  // namespace corvane
