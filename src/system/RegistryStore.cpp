#include "system/RegistryStore.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <unordered_map>

#include "system/AtomicFile.h"
#include "system/FileStamp.h"
#include "system/Registry.h"
#include "system/StoreRegistry.h"
#include "system/WriteBatch.h"

namespace corvane {

namespace {

struct CachedHives {
  RegistryFile hives;
  FileStamp stamp;
  long long readAtNs = 0;       // when the content in memory was read or written
  unsigned checkedInBatch = 0;  // the batch in which the stamp was last checked
  std::vector<RegistryChange> pending;  // applied in memory, not yet saved
  std::string damagedOriginal;          // the file as read, when it was damaged
};

struct Cache {
  std::mutex mutex;
  std::unordered_map<std::string, CachedHives> files;
};

Cache& TheCache() {
  static Cache cache;
  return cache;
}

// Applies a change to the hives; replaying (after the file was read again)
// recreates a value's key that another process removed.
LSTATUS ApplyTo(RegistryFile& hives, const RegistryChange& change, bool replaying, bool& changed) {
  changed = false;
  switch (change.kind) {
    case RegistryChange::kCreateKey:
      if (!hives.Find(change.root, change.path)) {
        hives.Create(change.root, change.path);
        changed = true;
      }
      return ERROR_SUCCESS;
    case RegistryChange::kSetValue: {
      RegistryKey* key = hives.Find(change.root, change.path);
      if (!key) {
        if (!replaying) return ERROR_KEY_DELETED;
        key = &hives.Create(change.root, change.path);
      }
      const RegistryValue* old = key->FindValue(change.name);
      if (old && old->type == change.type && old->data == change.data)
        return ERROR_SUCCESS;
      key->SetValue(change.name, change.type, change.data);
      changed = true;
      return ERROR_SUCCESS;
    }
    case RegistryChange::kDeleteKey: {
      RegistryKey* key = hives.Find(change.root, change.path);
      RegistryKey* parent = hives.FindParent(change.root, change.path);
      if (!key || !parent) return ERROR_FILE_NOT_FOUND;
      if (!key->Children().empty()) return ERROR_ACCESS_DENIED;
      parent->RemoveChild(change.path.back());
      changed = true;
      return ERROR_SUCCESS;
    }
  }
  return ERROR_INVALID_PARAMETER;
}

void Load(const std::string& path, CachedHives& entry, const FileStamp& stamp) {
  entry.readAtNs = FileStamp::NowNs();
  std::string content;
  if (stamp.exists && ReadWholeFile(path, content)) {
    entry.hives = RegistryFile::Parse(content);
    if (entry.hives.DamagedLines() > 0)
      entry.damagedOriginal = std::move(content);
    else
      entry.damagedOriginal.clear();
  } else {
    entry.hives = RegistryFile();
    entry.damagedOriginal.clear();
  }
  entry.stamp = stamp;
  bool changed;
  for (const RegistryChange& change : entry.pending) ApplyTo(entry.hives, change, true, changed);
}

bool Save(const std::string& path, CachedHives& entry) {
  if (entry.pending.empty()) return true;
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (!entry.damagedOriginal.empty()) {
    // Keep what could not be read before it is replaced by what could.
    if (!ReplaceFileContent(path + ".damaged", entry.damagedOriginal)) return false;
    entry.damagedOriginal.clear();
  }
  const long long writtenAt = FileStamp::NowNs();
  if (!ReplaceFileContent(path, entry.hives.Serialize())) return false;
  entry.pending.clear();
  entry.stamp = FileStamp::Of(path);
  entry.readAtNs = writtenAt;
  return true;
}

void FlushFromBatch() { RegistryStore::Flush(); }

// The up-to-date hives of a file: read again when the file changed on disk,
// with our unsaved changes applied on top.
CachedHives& Current(Cache& cache, const std::string& path) {
  static const bool registered = (RegisterBatchedStore(&FlushFromBatch), true);
  (void)registered;
  auto [it, created] = cache.files.try_emplace(path);
  CachedHives& entry = it->second;
  const unsigned batch = CurrentBatchGeneration();
  if (!created && batch != 0 && entry.checkedInBatch == batch) return entry;
  entry.checkedInBatch = batch;
  const FileStamp stamp = FileStamp::Of(path);
  if (!created && stamp == entry.stamp && !stamp.Unsettled(entry.readAtNs)) return entry;
  Load(path, entry, stamp);
  return entry;
}

}  // namespace

std::string RegistryStore::FilePath() {
  if (const char* explicitFile = std::getenv("CORVANE_REGISTRY"); explicitFile && *explicitFile) return explicitFile;
  std::filesystem::path folder;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config && config[0] == '/') {
    folder = config;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    folder = std::filesystem::path(home) / ".config";
  } else {
#if defined(_WIN32)
    if (const char* appData = std::getenv("APPDATA"); appData && *appData) folder = appData;
#endif
  }
  if (folder.empty()) folder = ".";
  return (folder / "corvane" / "registry.reg").string();
}

void RegistryStore::Read(const std::function<void(const RegistryFile&)>& read) {
  const std::string path = FilePath();
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  read(Current(cache, path).hives);
}

LSTATUS RegistryStore::Apply(const RegistryChange& change) {
  const std::string path = FilePath();
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  CachedHives& entry = Current(cache, path);
  bool changed = false;
  LSTATUS status = ApplyTo(entry.hives, change, false, changed);
  if (status != ERROR_SUCCESS || !changed) return status;
  entry.pending.push_back(change);
  if (WriteBatch::Active()) return ERROR_SUCCESS;
  if (Save(path, entry)) return ERROR_SUCCESS;
  // Not saved: take the change back, so that memory keeps matching what the
  // caller was told.
  entry.pending.pop_back();
  Load(path, entry, FileStamp::Of(path));
  return ERROR_REGISTRY_IO_FAILED;
}

bool RegistryStore::Flush() {
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  bool ok = true;
  for (auto& [path, entry] : cache.files) {
    if (entry.pending.empty()) continue;
    // Another process may have replaced the file since we last looked.
    const FileStamp stamp = FileStamp::Of(path);
    if (!(stamp == entry.stamp) || stamp.Unsettled(entry.readAtNs)) Load(path, entry, stamp);
    ok = Save(path, entry) && ok;
  }
  return ok;
}

void RegistryStore::Reset() {
  Flush();
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  cache.files.clear();
}

}  // namespace corvane
