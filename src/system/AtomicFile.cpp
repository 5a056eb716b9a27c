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

#include "system/posix/TemporaryFile.h"
#endif

#include <filesystem>

namespace corvane {

namespace {

#if defined(_WIN32)
// The name of the temporary file beside path.  It must not end in the
// extension of the file it stands for: a folder scan for "*.tmp" (templates)
// must never take a temporary that a crash left behind for a template.
std::string TemporaryNameBeside(const std::string& path) {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".~%012llx.new", static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
  return path + suffix;
}
#else
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
#if defined(_WIN32)
  const std::string temporary = TemporaryNameBeside(path);
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
  // Temporaries that a killed writer left behind go first.
  posix::RemoveStaleTemporaries(path);
  mode_t mode = 0644;
  struct stat existing;
  if (::stat(path.c_str(), &existing) == 0) mode = existing.st_mode & 07777;
  posix::TemporaryFile temporary;
  if (!temporary.Open(path, 0600)) return false;
  (void)::fchmod(temporary.Descriptor(), mode);  // best effort: some file systems keep no modes
  // The data reaches the disk before the rename (fdatasync), so that a power
  // cut after the rename cannot leave an empty or partial file under the name.
  return WriteAll(temporary.Descriptor(), content) && ::fdatasync(temporary.Descriptor()) == 0 &&
         temporary.RenameOver();
#endif
}

bool CopyFileReplacing(const std::string& source, const std::string& target) {
  std::string content;
  if (!ReadWholeFile(source, content)) return false;
  return ReplaceFileContent(target, content);
}

}  // namespace corvane
