// The file functions on Windows: the platform's, with UTF-8 paths.  A copy
// goes to a temporary file beside the target first and is then moved over
// it, so that a failed copy never leaves a half-written target.
#include "system/Files.h"

#include <string>

#include "system/win32/WideText.h"
#include "system/win32/WindowsApi.h"

namespace corvane {

using win32::Utf8ToWide;

DWORD GetFileAttributesA(LPCSTR path) {
  if (!path || !*path) return 0xFFFFFFFFu;
  return ::GetFileAttributesW(Utf8ToWide(path).c_str());
}

BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES /*security*/) {
  if (!path || !*path) return FALSE;
  return ::CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr) ? TRUE : FALSE;
}

BOOL CopyFileA(LPCSTR source, LPCSTR target, BOOL failIfExists) {
  if (!source || !*source || !target || !*target) return FALSE;
  const std::wstring from = Utf8ToWide(source);
  const std::wstring to = Utf8ToWide(target);
  const ::DWORD attributes = ::GetFileAttributesW(from.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return FALSE;
  if (failIfExists && ::GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES) return FALSE;
  // Never ".tmp": a template folder scan would take a leftover for a template.
  const std::wstring temporary =
      to + L".~" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(::GetTickCount()) + L".new";
  // CopyFileW keeps the source's attributes and times.
  if (!::CopyFileW(from.c_str(), temporary.c_str(), TRUE)) return FALSE;
  // Without MOVEFILE_REPLACE_EXISTING the move fails on an existing target,
  // so a target made meanwhile is not replaced either.
  const ::DWORD flags = MOVEFILE_WRITE_THROUGH | (failIfExists ? 0 : MOVEFILE_REPLACE_EXISTING);
  if (!::MoveFileExW(temporary.c_str(), to.c_str(), flags)) {
    ::DeleteFileW(temporary.c_str());
    return FALSE;
  }
  return TRUE;
}

}  // namespace corvane
