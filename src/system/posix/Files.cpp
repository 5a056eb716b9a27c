// The file functions on Linux.
#include "system/Files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "system/posix/TemporaryFile.h"

namespace corvane {

namespace {

bool IsHiddenName(const std::string& path) {
  size_t end = path.size();
  while (end > 1 && path[end - 1] == '/') --end;
  const size_t slash = path.rfind('/', end - 1);
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  const std::string name = path.substr(start, end - start);
  return name.size() > 1 && name[0] == '.' && name != "..";
}

std::string ParentFolder(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool CopyContent(int in, int out) {
  std::vector<char> buffer(256 * 1024);
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (!WriteAll(out, buffer.data(), static_cast<size_t>(n))) return false;
  }
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return m_fd; }
  // Closes now and reports whether the close succeeded (a failed close can
  // mean lost data on some file systems).
  bool Close() {
    const int fd = m_fd;
    m_fd = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int m_fd;
};

}  // namespace

DWORD GetFileAttributesA(LPCSTR path) {
  if (!path || !*path) return INVALID_FILE_ATTRIBUTES;
  struct stat info;
  if (::stat(path, &info) != 0) return INVALID_FILE_ATTRIBUTES;
  DWORD attributes = 0;
  if (S_ISDIR(info.st_mode))
    attributes |= FILE_ATTRIBUTE_DIRECTORY;
  else if (::access(path, W_OK) != 0)
    attributes |= FILE_ATTRIBUTE_READONLY;
  if (IsHiddenName(path)) attributes |= FILE_ATTRIBUTE_HIDDEN;
  return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES /*security*/) {
  if (!path || !*path) return FALSE;
  return ::mkdir(path, 0777) == 0 ? TRUE : FALSE;
}

BOOL CopyFileA(LPCSTR source, LPCSTR target, BOOL failIfExists) {
  if (!source || !*source || !target || !*target) return FALSE;
  FileDescriptor in(::open(source, O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return FALSE;
  struct stat info;
  if (::fstat(in.get(), &info) != 0 || !S_ISREG(info.st_mode)) return FALSE;

  const std::string targetPath(target);
  // Temporaries that a killed copy left behind go first.
  posix::RemoveStaleTemporaries(targetPath);
  posix::TemporaryFile temporary;
  if (!temporary.Open(targetPath, info.st_mode & 0777)) return FALSE;
  const int out = temporary.Descriptor();

  const struct timespec times[2] = {info.st_atim, info.st_mtim};
  if (!CopyContent(in.get(), out) || ::futimens(out, times) != 0 || ::fsync(out) != 0) return FALSE;
  bool ok;
  if (failIfExists) {
    // A link never replaces: an existing target makes it fail.  Where the
    // file system has no hard links, test first and rename.
    ok = temporary.LinkAsNew();
    if (!ok && errno != EEXIST) {
      struct stat existing;
      ok = ::lstat(targetPath.c_str(), &existing) != 0 && errno == ENOENT && temporary.RenameOver();
    }
  } else {
    ok = temporary.RenameOver();
  }
  if (!ok) return FALSE;

  // Make the new directory entry itself durable.
  FileDescriptor folder(::open(ParentFolder(targetPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());
  return TRUE;
}

}  // namespace corvane
