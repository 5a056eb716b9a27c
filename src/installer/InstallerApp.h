// Inkstall: copies the Scribora product's Word template into the user's
// application-data folder and records which version it installed, so that a
// later run copies again only when that version differs or the copy is gone.
#pragma once

#include "system/WinApp.h"

namespace corvane {

class CInstallerApp : public CWinApp {
 public:
  // Constructed without a name: the application takes its title, "Scribora",
  // from its string table.
  CInstallerApp();
  ~CInstallerApp() override;

  // Sets the maker's registry key, installs the template when needed and
  // answers FALSE, so the program ends without a window or a message loop.
  BOOL InitInstance() override;

  // The "Path" value of the product's App Paths entry under
  // HKEY_LOCAL_MACHINE, or the empty text when the product is not installed.
  CString GetSiblingPath();
  // 1 when the product's folder was found (whatever happened next), 0 when
  // not.
  int InstallTemplate();
  // True when the recorded version is exactly this program's.
  bool IsInstalledVersionCurrent();
  // Records this program's version in the settings.
  void RecordInstalledVersion();
};

}  // namespace corvane
