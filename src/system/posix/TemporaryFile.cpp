#include "system/posix/TemporaryFile.h"

#include <cerrno>
#include <cstdio>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane::posix {

namespace {

constexpr std::string_view kMark = ".~";
constexpr std::string_view kExtension = ".new";  // never ".tmp": a folder scan would take it for a template
constexpr size_t kDigits = 12;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string_view BaseOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string_view(path) : std::string_view(path).substr(slash + 1);
}

std::string NewTemporaryName(const std::string& target) {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, "%s%012llx%s", kMark.data(),
                static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull), kExtension.data());
  return target + suffix;
}

std::string SelfLink(int fd) {
  char self[64];
  std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
  return self;
}

// Unnamed files can only be given a name through /proc.
bool CanLinkUnnamed() {
  static const bool can = ::access("/proc/self/fd", X_OK) == 0;
  return can;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Locks fd for its writer.  A file system without locks gives no lock; its
// temporaries are then never taken for stale ones either (the cleaner's lock
// fails the same way).
void LockForWriter(int fd) {
  while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
}

}  // namespace

bool IsTemporaryNameOf(std::string_view name, std::string_view base) {
  if (base.empty() || name.size() != base.size() + kMark.size() + kDigits + kExtension.size()) return false;
  if (name.substr(0, base.size()) != base || name.substr(base.size(), kMark.size()) != kMark) return false;
  const std::string_view digits = name.substr(base.size() + kMark.size(), kDigits);
  for (char c : digits)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  return name.substr(name.size() - kExtension.size()) == kExtension;
}

void RemoveStaleTemporaries(const std::string& target) {
  const std::string folder = FolderOf(target);
  const std::string_view base = BaseOf(target);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const struct dirent* entry = ::readdir(dir)) {
    if (!IsTemporaryNameOf(entry->d_name, base)) continue;
    const std::string path = folder + "/" + entry->d_name;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat opened, named;
    // Locked means a live writer; the name must still be the file locked.
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::lstat(path.c_str(), &named) == 0 && SameFile(opened, named))
      ::unlink(path.c_str());
    ::close(fd);
  }
  ::closedir(dir);
}

TemporaryFile::~TemporaryFile() { Discard(); }

void TemporaryFile::Discard() {
  if (!m_name.empty()) ::unlink(m_name.c_str());
  m_name.clear();
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}

bool TemporaryFile::Open(const std::string& target, mode_t mode) {
  Discard();
  m_target = target;
#if defined(O_TMPFILE)
  if (CanLinkUnnamed()) {
    m_fd = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (m_fd >= 0) {
      LockForWriter(m_fd);
      m_unnamed = true;
      return true;
    }
  }
#endif
  m_unnamed = false;
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::string name = NewTemporaryName(target);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return false;
    }
    LockForWriter(fd);
    // A cleaner that locked the new file before this writer did has removed
    // it: start again under another name.
    struct stat opened, named;
    if (::fstat(fd, &opened) == 0 && ::lstat(name.c_str(), &named) == 0 && SameFile(opened, named)) {
      m_fd = fd;
      m_name = std::move(name);
      return true;
    }
    ::close(fd);
  }
  return false;
}

bool TemporaryFile::Name() {
  if (m_fd < 0) return false;
  if (!m_unnamed) return !m_name.empty();
  const std::string self = SelfLink(m_fd);
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::string name = NewTemporaryName(m_target);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      m_name = std::move(name);
      m_unnamed = false;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

bool TemporaryFile::RenameOver() {
  if (!Name()) return false;
  if (::rename(m_name.c_str(), m_target.c_str()) != 0) {
    Discard();
    return false;
  }
  m_name.clear();
  Discard();
  return true;
}

bool TemporaryFile::LinkAsNew() {
  if (m_fd < 0) return false;
  if (m_unnamed) {
    if (::linkat(AT_FDCWD, SelfLink(m_fd).c_str(), AT_FDCWD, m_target.c_str(), AT_SYMLINK_FOLLOW) != 0) return false;
    Discard();
    return true;
  }
  if (::link(m_name.c_str(), m_target.c_str()) != 0) return false;
  Discard();
  return true;
}

}  // namespace corvane::posix
