// Special folders on Linux, after the XDG base directory conventions.
#include "system/ShellFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return home;
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  struct passwd entry;
  struct passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
      found->pw_dir[0] == '/')
    return found->pw_dir;
  return std::string();
}

// $XDG_DATA_HOME counts only when it is an absolute path.
std::string DataHome() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') return data;
  const std::string home = HomeFolder();
  if (home.empty()) return home;
  return home + (home.back() == '/' ? "" : "/") + ".local/share";
}

bool IsFolder(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// mkdir -p: creates every missing folder on the way, user-only for new ones
// as the XDG conventions ask.
bool CreateFolders(const std::string& path) {
  if (IsFolder(path)) return true;
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string part = slash == std::string::npos ? path : path.substr(0, slash);
    if (!part.empty() && part.back() != '/' && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) break;
  }
  return IsFolder(path);
}

}  // namespace

BOOL SHGetSpecialFolderPathA(HWND /*owner*/, LPSTR path, int csidl, BOOL create) {
  if (!path) return FALSE;
  path[0] = '\0';
  if (csidl != CSIDL_APPDATA) return FALSE;
  std::string folder = DataHome();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder.empty() || folder.size() >= static_cast<size_t>(MAX_PATH)) return FALSE;
  if (!(create ? CreateFolders(folder) : IsFolder(folder))) return FALSE;
  std::memcpy(path, folder.c_str(), folder.size() + 1);
  return TRUE;
}

}  // namespace corvane
