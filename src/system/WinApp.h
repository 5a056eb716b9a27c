// The application object of a program built on the system layer, after
// MFC's CWinApp: one static object of a class derived from CWinApp, whose
// InitInstance does the program's work, and registry-backed settings.
#pragma once

#include "system/Win32.h"

namespace corvane {

// The string that names the application when its object is constructed
// without a name.
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;

class CWinApp {
 public:
  // appName null: the name is taken from the string AFX_IDS_APP_TITLE of
  // the program's string table when the program starts (AfxWinMain), or from
  // the program's file name when that string is missing.
  explicit CWinApp(LPCSTR appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // The program's start-up step.  FALSE ends the program at once.
  virtual BOOL InitInstance();
  // The program's main loop after a successful start.  There are no windows
  // here, so it goes straight to ExitInstance.
  virtual int Run();
  // The last step; its answer is the program's exit code.
  virtual int ExitInstance();

  // From here on the settings functions keep their values in the registry
  // under HKEY_CURRENT_USER\Software\<key>\<application name>\<section>.
  void SetRegistryKey(LPCSTR key);

  // A REG_DWORD setting; the default when the section, the entry or a value
  // of that type and size is missing.
  UINT GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue);
  // Stores value as a REG_DWORD.  FALSE when it could not be stored.
  BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int value);
  // A REG_SZ setting, up to its first zero; the default (null: the empty
  // text) when the section, the entry or a text value is missing.
  CString GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue = nullptr);
  // Stores value as a REG_SZ with its terminating zero.  FALSE when it could
  // not be stored.  Deleting entries or sections (a null entry or value) is
  // not offered: the answer is FALSE and nothing changes.
  BOOL WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value);

  // The key of the application's settings, or of one section of them:
  // opened for reading only (null when missing), or created for writing.
  // The caller closes it.  Null when no registry key has been set.
  HKEY GetAppRegistryKey(bool create = true);
  HKEY GetSectionKey(LPCSTR section, bool create = true);

  // Names the application when it was constructed without a name (see the
  // constructor); AfxWinMain calls it before InitInstance.
  void SetDefaultAppName(LPCSTR programPath);

  LPCSTR m_pszAppName;      // the application's name (its title)
  LPCSTR m_pszRegistryKey;  // the maker's key, or null
  LPCSTR m_pszProfileName;  // the application key under the maker's key
  LPCSTR m_pszExeName;      // the program's file name without folder and extension

 private:
  CString m_strAppName;
  CString m_strRegistryKey;
  CString m_strProfileName;
  CString m_strExeName;
};

// The application object of the program, or null.
CWinApp* AfxGetApp();

// Runs the application object: names it when needed, calls InitInstance,
// then Run or (when InitInstance answered FALSE) ExitInstance.  Answers the
// program's exit code.  Nothing escapes from it: an exception ends the
// program with code 1.
int AfxWinMain(int argc, char** argv);

}  // namespace corvane
