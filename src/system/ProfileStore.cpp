#include "system/ProfileStore.h"

#include <sys/stat.h>

#include <mutex>
#include <unordered_map>

#include "system/AtomicFile.h"
#include "system/IniDocument.h"
#include "system/StoreRegistry.h"
#include "system/WriteBatch.h"

namespace corvane {

namespace {

struct FileStamp {
  bool exists = false;
  long long mtimeNs = 0;
  long long size = 0;
  unsigned long long device = 0, inode = 0;
  bool operator==(const FileStamp& o) const {
    return exists == o.exists && mtimeNs == o.mtimeNs && size == o.size && device == o.device && inode == o.inode;
  }
};

FileStamp StampOf(const std::string& path) {
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

struct CachedFile {
  IniDocument document;
  FileStamp stamp;
  unsigned checkedInBatch = 0;  // the batch in which the stamp was last checked
  bool dirty = false;
};

struct Cache {
  std::mutex mutex;
  std::unordered_map<std::string, CachedFile> files;
};

Cache& TheCache() {
  static Cache cache;
  return cache;
}

bool SaveLocked(const std::string& path, CachedFile& file) {
  if (!file.dirty) return true;
  if (!ReplaceFileContent(path, file.document.Serialize())) return false;
  file.dirty = false;
  file.stamp = StampOf(path);
  return true;
}

void FlushFromBatch() { ProfileStore::Flush(); }

// The up-to-date document of a file: parsed again when the file changed on
// disk (unless it holds unsaved changes of our own).
CachedFile& Current(Cache& cache, const std::string& path) {
  static const bool registered = (RegisterBatchedStore(&FlushFromBatch), true);
  (void)registered;
  auto [it, created] = cache.files.try_emplace(path);
  CachedFile& file = it->second;
  const unsigned batch = CurrentBatchGeneration();
  if (!created && batch != 0 && file.checkedInBatch == batch) return file;
  FileStamp stamp = StampOf(path);
  file.checkedInBatch = batch;
  if (!created && (file.dirty || stamp == file.stamp)) return file;
  std::string content;
  if (stamp.exists && ReadWholeFile(path, content))
    file.document = IniDocument::Parse(content);
  else
    file.document = IniDocument();
  file.stamp = stamp;
  return file;
}

}  // namespace

bool ProfileStore::Read(const std::string& path, std::string_view section, std::string_view key, std::string& out) {
  if (path.empty()) return false;
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  const std::string* value = Current(cache, path).document.Find(section, key);
  if (!value) return false;
  out = *value;
  return true;
}

bool ProfileStore::Write(const std::string& path, std::string_view section, std::string_view key,
                         std::string_view value) {
  if (path.empty()) return false;
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  CachedFile& file = Current(cache, path);
  file.document.Set(section, key, value);
  file.dirty = true;
  if (WriteBatch::Active()) return true;
  return SaveLocked(path, file);
}

bool ProfileStore::Flush() {
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  bool ok = true;
  for (auto& [path, file] : cache.files) ok = SaveLocked(path, file) && ok;
  return ok;
}

void ProfileStore::Reset() {
  Flush();
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  cache.files.clear();
}

}  // namespace corvane
