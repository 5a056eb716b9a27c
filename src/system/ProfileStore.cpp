#include "system/ProfileStore.h"

#include <cstring>
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
  bool unreadable = false;      // exists on disk but could not be read
};

struct PathHash {
  using is_transparent = void;
  size_t operator()(std::string_view path) const { return std::hash<std::string_view>{}(path); }
};

struct Cache {
  std::mutex mutex;
  std::unordered_map<std::string, CachedFile, PathHash, std::equal_to<>> files;
  // The entry used last: most calls in a row name the same file.
  std::string lastPath;
  CachedFile* last = nullptr;
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

void Load(const std::string& path, CachedFile& file, const FileStamp& stamp) {
  file.readAtNs = FileStamp::NowNs();
  file.stamp = stamp;
  file.unreadable = false;
  std::string content;
  if (!stamp.exists) {
    file.document = IniDocument();
  } else if (ReadWholeFile(path, content)) {
    file.document = IniDocument::Parse(std::move(content));
  } else {
    file.document = IniDocument();
    file.unreadable = true;
  }
}

// The up-to-date document of a file: parsed again when the file changed on
// disk (unless it holds unsaved changes of our own).
CachedFile& Current(Cache& cache, std::string_view path) {
  static const bool registered = (RegisterBatchedStore(&FlushFromBatch), true);
  (void)registered;
  CachedFile* file = cache.last;
  const bool created = !file || cache.lastPath != path;
  if (created) {
    auto it = cache.files.find(path);
    if (it == cache.files.end()) {
      it = cache.files.try_emplace(std::string(path)).first;
      Load(it->first, it->second, FileStamp::Of(it->first));
      it->second.checkedInBatch = CurrentBatchGeneration();
      cache.lastPath = path;
      cache.last = &it->second;
      return it->second;
    }
    file = &it->second;
    cache.lastPath = path;
    cache.last = file;
  }
  const unsigned batch = CurrentBatchGeneration();
  if (batch != 0 && file->checkedInBatch == batch) return *file;
  file->checkedInBatch = batch;
  if (file->dirty) return *file;
  const FileStamp stamp = FileStamp::Of(cache.lastPath);
  if (stamp == file->stamp && !stamp.Unsettled(file->readAtNs)) return *file;
  Load(cache.lastPath, *file, stamp);
  return *file;
}

}  // namespace

bool ProfileStore::Read(std::string_view path, std::string_view section, std::string_view key, std::string& out) {
  if (path.empty()) return false;
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  std::string_view value;
  if (!Current(cache, path).document.Find(section, key, value)) return false;
  out.assign(value);
  return true;
}

size_t ProfileStore::ReadInto(std::string_view path, std::string_view section, std::string_view key, char* buffer,
                              size_t size, bool& found) {
  found = false;
  if (path.empty()) return 0;
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  std::string_view value;
  if (!Current(cache, path).document.Find(section, key, value)) return 0;
  found = true;
  if (!buffer || size == 0) return 0;
  if (const void* zero = std::memchr(value.data(), '\0', value.size()))
    value = value.substr(0, static_cast<size_t>(static_cast<const char*>(zero) - value.data()));
  const size_t copied = value.size() < size - 1 ? value.size() : size - 1;
  std::memcpy(buffer, value.data(), copied);
  buffer[copied] = '\0';
  return copied;
}

namespace {

template <typename Text>
bool WriteValue(std::string_view path, Text section, Text key, Text value) {
  if (path.empty()) return false;
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  CachedFile& file = Current(cache, path);
  if (file.unreadable) return false;  // never replace a file we could not read
  bool changed = false;
  if (!file.document.Set(section, key, value, &changed)) return false;
  if (!changed) return true;
  file.dirty = true;
  if (WriteBatch::Active()) return true;
  const std::string pathText(path);
  if (SaveLocked(pathText, file)) return true;
  // Not saved: drop the change so that what is read matches the disk.
  file.dirty = false;
  Load(pathText, file, FileStamp::Of(pathText));
  return false;
}

}  // namespace

bool ProfileStore::Write(std::string_view path, std::string_view section, std::string_view key,
                         std::string_view value) {
  return WriteValue(path, section, key, value);
}

bool ProfileStore::Write(const char* path, const char* section, const char* key, const char* value) {
  return WriteValue<const char*>(path, section, key, value);
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
  cache.last = nullptr;
  cache.lastPath.clear();
}

}  // namespace corvane
