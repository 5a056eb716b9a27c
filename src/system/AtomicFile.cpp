#include "system/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>

namespace corvane {

namespace {

// The name of the temporary file beside path.  It must not end in the
// extension of the file it stands for: a folder scan for "*.tmp" (templates)
// must never take a temporary that a crash left behind for a template.
std::string TemporaryNameBeside(const std::string& path) {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".~%012llx.new", static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
  return path + suffix;
}

#if !defined(_WIN32)
std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view content) {
  size_t written = 0;
  while (written < content.size()) {
    ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<size_t>(n);
  }
  return true;
}

// Writes content to a new file that has no name yet (O_TMPFILE), so that a
// process killed while writing leaves nothing behind, then gives it the
// temporary name.  Answers false when the file system cannot do this; the
// caller then writes the named temporary directly.
bool WriteUnnamedThenLink(const std::string& temporary, std::string_view content, mode_t mode, bool& written) {
  written = false;
#if defined(O_TMPFILE)
  const int fd = ::open(FolderOf(temporary).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  (void)::fchmod(fd, mode);  // best effort: some file systems keep no modes
  bool ok = WriteAll(fd, content) && ::fdatasync(fd) == 0;
  if (ok) {
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    if (::linkat(AT_FDCWD, self, AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) != 0) {
      ::close(fd);
      return false;  // no /proc: fall back to a named temporary
    }
    written = true;
  }
  ok = ::close(fd) == 0 && ok;
  if (!ok && written) ::unlink(temporary.c_str());
  written = written && ok;
  return true;
#else
  (void)temporary, (void)content, (void)mode;
  return false;
#endif
}
#endif

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& content) {
  // A folder opens like a file but reads as nothing; a read error halfway
  // must not pass for the end of the file.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string text;
  char buffer[64 * 1024];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) text.append(buffer, static_cast<size_t>(in.gcount()));
  if (in.bad()) return false;
  content = std::move(text);
  return true;
}

bool ReplaceFileContent(const std::string& path, std::string_view content) {
  const std::string temporary = TemporaryNameBeside(path);
#if defined(_WIN32)
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      std::remove(temporary.c_str());
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);  // MoveFileEx with replace
  if (error) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
#else
  mode_t mode = 0644;
  struct stat existing;
  if (::stat(path.c_str(), &existing) == 0) mode = existing.st_mode & 07777;
  // The data reaches the disk before the rename (fdatasync), so that a power
  // cut after the rename cannot leave an empty or partial file under the name.
  bool written = false;
  if (!WriteUnnamedThenLink(temporary, content, mode, written)) {
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    (void)::fchmod(fd, mode);
    written = WriteAll(fd, content) && ::fdatasync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written) ::unlink(temporary.c_str());
  }
  if (!written) return false;
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
#endif
}

bool CopyFileReplacing(const std::string& source, const std::string& target) {
  std::string content;
  if (!ReadWholeFile(source, content)) return false;
  return ReplaceFileContent(target, content);
}

}  // namespace corvane
