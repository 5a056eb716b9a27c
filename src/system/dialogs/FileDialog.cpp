#include "system/dialogs/FileDialog.h"

#include "system/dialogs/DialogUser.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CFileDialog, CCmdTarget)

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : m_bOpenFileDialog(openFileDialog),
      m_strDefExt(defaultExtension),
      m_strInitialFile(fileName),
      m_dwFlags(flags),
      m_strFilter(filter),
      m_pParentWnd(parent) {}

int CFileDialog::DoModal() {
  DialogSession* session = CurrentDialogSession();
  return session ? session->RunFileDialog(*this) : IDCANCEL;
}

namespace {
int NameStart(const CString& path) {
  int slash = path.ReverseFind('\\');
  int other = path.ReverseFind('/');
  return (slash > other ? slash : other) + 1;
}
}  // namespace

CString CFileDialog::GetFileName() const { return m_strPathName.Mid(NameStart(m_strPathName)); }

CString CFileDialog::GetFileExt() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot < 0 ? name : name.Left(dot);
}

std::vector<std::pair<CString, CString>> CFileDialog::GetFilterPairs() const {
  std::vector<std::pair<CString, CString>> pairs;
  std::vector<CString> parts;
  CString part;
  for (int i = 0; i < m_strFilter.GetLength(); ++i) {
    char c = m_strFilter[i];
    if (c == '|') {
      parts.push_back(part);
      part.Empty();
    } else {
      part += c;
    }
  }
  if (!part.IsEmpty()) parts.push_back(part);
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].IsEmpty() && parts[i + 1].IsEmpty()) break;
    pairs.emplace_back(parts[i], parts[i + 1]);
  }
  return pairs;
}

void CFileDialog::SetChosenPath(const char* path) {
  m_strPathName = path;
  if (!m_strDefExt.IsEmpty() && !m_strPathName.IsEmpty() && GetFileName().Find('.') < 0)
    m_strPathName += CString(".") + m_strDefExt;
}

}  // namespace corvane
