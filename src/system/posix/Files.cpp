// The file functions on Linux.
#include "system/Files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Creates a new file beside target under a name nobody else uses, with the
// given permissions (less the umask).  Answers its descriptor, or -1.
int CreateTemporaryBeside(const std::string& target, mode_t mode, std::string& name) {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 16; ++attempt) {
    char suffix[32];
    // (Not ".tmp": a folder scan for templates must never pick one up.)
    std::snprintf(suffix, sizeof suffix, ".~%012llx.new",
                  static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
    name = target + suffix;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) return fd;
    if (errno != EEXIST) return -1;
  }
  return -1;
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
  std::string temporary;
  FileDescriptor out(CreateTemporaryBeside(targetPath, info.st_mode & 0777, temporary));
  if (out.get() < 0) return FALSE;

  const struct timespec times[2] = {info.st_atim, info.st_mtim};
  bool ok = CopyContent(in.get(), out.get()) && ::futimens(out.get(), times) == 0 && ::fsync(out.get()) == 0;
  ok = out.Close() && ok;
  if (ok) {
    if (failIfExists) {
      // link() never replaces: an existing target makes it fail.  Where the
      // file system has no hard links, test first and rename.
      if (::link(temporary.c_str(), targetPath.c_str()) == 0) {
        ::unlink(temporary.c_str());
        temporary.clear();
      } else if (errno != EEXIST) {
        struct stat existing;
        ok = ::lstat(targetPath.c_str(), &existing) != 0 && errno == ENOENT &&
             ::rename(temporary.c_str(), targetPath.c_str()) == 0;
        if (ok) temporary.clear();
      } else {
        ok = false;
      }
    } else {
      ok = ::rename(temporary.c_str(), targetPath.c_str()) == 0;
      if (ok) temporary.clear();
    }
  }
  if (!temporary.empty()) ::unlink(temporary.c_str());
  if (!ok) return FALSE;

  // Make the new directory entry itself durable.
  FileDescriptor folder(::open(ParentFolder(targetPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());
  return TRUE;
}

}  // namespace corvane
