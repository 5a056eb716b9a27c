// CFileDialog: the platform's open and save file dialogs.  The filter is the
// class library's form: description|pattern|description|pattern|...|
#pragma once

#include <utility>
#include <vector>

#include "system/dialogs/Wnd.h"

namespace corvane {

class CFileDialog : public CCmdTarget {
  DECLARE_DYNAMIC(CFileDialog)

 public:
  explicit CFileDialog(BOOL openFileDialog, const char* defaultExtension = nullptr, const char* fileName = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                       CWnd* parent = nullptr);

  // IDOK when the user chose a file, IDCANCEL otherwise.
  virtual int DoModal();

  // The chosen file: full path, name with extension, extension, name alone.
  CString GetPathName() const { return m_strPathName; }
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;

  // What the dialog was opened with.
  BOOL IsOpenDialog() const { return m_bOpenFileDialog; }
  const CString& GetDefaultExtension() const { return m_strDefExt; }
  const CString& GetInitialFileName() const { return m_strInitialFile; }
  DWORD GetFlags() const { return m_dwFlags; }
  const CString& GetFilter() const { return m_strFilter; }
  CWnd* GetOwner() const { return m_pParentWnd; }
  // The filter as (description, pattern) pairs.
  std::vector<std::pair<CString, CString>> GetFilterPairs() const;

  // Takes the user's answer: a chosen name without extension gets the
  // default extension, as the platform's dialog does.
  void SetChosenPath(const char* path);

 private:
  BOOL m_bOpenFileDialog;
  CString m_strDefExt;
  CString m_strInitialFile;
  DWORD m_dwFlags;
  CString m_strFilter;
  CWnd* m_pParentWnd;
  CString m_strPathName;
};

}  // namespace corvane
