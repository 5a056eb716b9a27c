#include "system/ProfileStore.h"

#include <mutex>
#include <unordered_map>

#include "system/AtomicFile.h"
#include "system/FileStamp.h"
#include "system/IniDocument.h"
#include "system/StoreRegistry.h"
#include "system/WriteBatch.h"

namespace corvane {

namespace {

struct CachedFile {
  IniDocument document;
  FileStamp stamp;
  long long readAtNs = 0;       // when the content in memory was read or written
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
  const long long writtenAt = FileStamp::NowNs();
  if (!ReplaceFileContent(path, file.document.Serialize())) return false;
  file.dirty = false;
  file.stamp = FileStamp::Of(path);
  file.readAtNs = writtenAt;
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
  FileStamp stamp = FileStamp::Of(path);
  file.checkedInBatch = batch;
  if (!created && (file.dirty || (stamp == file.stamp && !stamp.Unsettled(file.readAtNs)))) return file;
  file.readAtNs = FileStamp::NowNs();
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
