#include "system/FileStamp.h"

#include <sys/stat.h>

#include <chrono>

namespace corvane {

namespace {

#if defined(_WIN32)
constexpr long long kTimeSlackNs = 2'100'000'000LL;  // FAT keeps 2-second times
#else
constexpr long long kTimeSlackNs = 25'000'000LL;  // well above one kernel tick
#endif

}  // namespace

FileStamp FileStamp::Of(const std::string& path) {
  FileStamp stamp;
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return stamp;
  stamp.exists = true;
#if defined(_WIN32)
  stamp.mtimeNs = static_cast<long long>(info.st_mtime) * 1000000000LL;
#else
  stamp.mtimeNs = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
#endif
  stamp.size = static_cast<long long>(info.st_size);
  stamp.device = static_cast<unsigned long long>(info.st_dev);
  stamp.inode = static_cast<unsigned long long>(info.st_ino);
  return stamp;
}

long long FileStamp::NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

bool FileStamp::Unsettled(long long readAtNs) const { return exists && mtimeNs + kTimeSlackNs >= readAtNs; }

}  // namespace corvane
