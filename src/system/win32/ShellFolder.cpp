// Special folders on Windows: the shell's own, in UTF-8.
#include "system/ShellFolder.h"

#include <cstring>
#include <string>

#include "system/win32/WideText.h"
#include "system/win32/WindowsApi.h"

#include <shlobj.h>

namespace corvane {

BOOL SHGetSpecialFolderPathA(HWND owner, LPSTR path, int csidl, BOOL create) {
  if (!path) return FALSE;
  path[0] = '\0';
  wchar_t wide[MAX_PATH + 1] = {};
  if (!::SHGetSpecialFolderPathW(reinterpret_cast<::HWND>(owner), wide, csidl, create)) return FALSE;
  std::string folder = win32::WideToUtf8(wide);
  while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  // MAX_PATH counts the UTF-8 bytes here, the terminating zero included.
  if (folder.empty() || folder.size() >= static_cast<std::size_t>(MAX_PATH)) return FALSE;
  std::memcpy(path, folder.c_str(), folder.size() + 1);
  return TRUE;
}

}  // namespace corvane
