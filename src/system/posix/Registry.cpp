// The registry functions on Linux, over the registry file (RegistryStore).
//
// A key handle names a key by its root and path; every call looks the key up
// in the current file again, so handles stay valid while other keys (or the
// whole file, replaced by another process) change.  A handle whose key was
// deleted answers ERROR_KEY_DELETED.  Handles are numbers from a table, never
// pointers, so a stale or made-up handle answers ERROR_INVALID_HANDLE.
#include "system/Registry.h"

#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "system/RegistryStore.h"

namespace corvane {

const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u));
const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u));

namespace {

constexpr size_t kMaxKeyNameLength = 255;
constexpr size_t kMaxValueNameLength = 16383;

struct OpenKey {
  std::string root;
  std::vector<std::string> path;
  DWORD access = KEY_ALL_ACCESS;
};

struct HandleTable {
  std::mutex mutex;
  std::unordered_map<std::uintptr_t, OpenKey> keys;
  std::uintptr_t next = 0x10000;
};

HandleTable& Handles() {
  static HandleTable table;
  return table;
}

bool Resolve(HKEY handle, OpenKey& out) {
  const auto id = reinterpret_cast<std::uintptr_t>(handle);
  if (handle == HKEY_CURRENT_USER || handle == HKEY_LOCAL_MACHINE) {
    out = OpenKey{handle == HKEY_CURRENT_USER ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE", {}, KEY_ALL_ACCESS};
    return true;
  }
  HandleTable& table = Handles();
  std::lock_guard<std::mutex> lock(table.mutex);
  auto it = table.keys.find(id);
  if (it == table.keys.end()) return false;
  out = it->second;
  return true;
}

HKEY NewHandle(OpenKey key) {
  HandleTable& table = Handles();
  std::lock_guard<std::mutex> lock(table.mutex);
  const std::uintptr_t id = table.next;
  table.next += 4;
  table.keys.emplace(id, std::move(key));
  return reinterpret_cast<HKEY>(id);
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Appends the parts of subKey to the key's path; false for a name the
// registry cannot hold.
bool Extend(OpenKey& key, LPCSTR subKey) {
  if (!subKey) return true;
  for (std::string& part : RegistryFile::SplitPath(subKey)) {
    if (part.size() > kMaxKeyNameLength || HasLineBreak(part)) return false;
    key.path.push_back(std::move(part));
  }
  return true;
}

// Roots always exist, even before the file holds anything under them.
bool KeyExists(const OpenKey& key) {
  if (key.path.empty()) return true;
  bool exists = false;
  RegistryStore::Read([&](const RegistryFile& hives) { exists = hives.Find(key.root, key.path) != nullptr; });
  return exists;
}

bool IsEmptyName(LPCSTR name) { return !name || !*name; }

}  // namespace

LSTATUS RegCreateKeyA(HKEY parent, LPCSTR subKey, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  OpenKey key;
  if (!Resolve(parent, key)) return ERROR_INVALID_HANDLE;
  if (IsEmptyName(subKey)) {
    *result = parent;  // as Win32: the same handle for an empty subkey
    return ERROR_SUCCESS;
  }
  *result = nullptr;
  if (!KeyExists(key)) return ERROR_KEY_DELETED;
  if (!Extend(key, subKey)) return ERROR_INVALID_PARAMETER;
  RegistryChange change;
  change.kind = RegistryChange::kCreateKey;
  change.root = key.root;
  change.path = key.path;
  LSTATUS status = RegistryStore::Apply(change);
  if (status != ERROR_SUCCESS) return status;
  key.access = KEY_ALL_ACCESS;
  *result = NewHandle(std::move(key));
  return ERROR_SUCCESS;
}

LSTATUS RegOpenKeyExA(HKEY parent, LPCSTR subKey, DWORD /*options*/, DWORD access, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  OpenKey key;
  if (!Resolve(parent, key)) return ERROR_INVALID_HANDLE;
  if (!Extend(key, subKey)) return ERROR_FILE_NOT_FOUND;
  if (!KeyExists(key)) return ERROR_FILE_NOT_FOUND;
  key.access = access;
  *result = NewHandle(std::move(key));
  return ERROR_SUCCESS;
}

LSTATUS RegOpenKeyA(HKEY parent, LPCSTR subKey, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  if (IsEmptyName(subKey)) {
    OpenKey key;
    if (!Resolve(parent, key)) return ERROR_INVALID_HANDLE;
    *result = parent;  // as Win32: the same handle for an empty subkey
    return ERROR_SUCCESS;
  }
  return RegOpenKeyExA(parent, subKey, 0, KEY_ALL_ACCESS, result);
}

LSTATUS RegQueryValueExA(HKEY handle, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
  if (reserved || (data && !size)) return ERROR_INVALID_PARAMETER;
  OpenKey key;
  if (!Resolve(handle, key)) return ERROR_INVALID_HANDLE;
  if (!(key.access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
  const std::string name = valueName ? valueName : "";
  LSTATUS status = ERROR_SUCCESS;
  RegistryStore::Read([&](const RegistryFile& hives) {
    const RegistryKey* found = hives.Find(key.root, key.path);
    if (!found) {
      // A root that holds nothing yet still exists.
      status = key.path.empty() ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
      return;
    }
    const RegistryValue* value = found->FindValue(name);
    if (!value) {
      status = ERROR_FILE_NOT_FOUND;
      return;
    }
    const DWORD needed = static_cast<DWORD>(value->data.size());
    if (type) *type = value->type;
    if (data) {
      if (*size < needed) {
        *size = needed;
        status = ERROR_MORE_DATA;
        return;
      }
      if (needed) std::memcpy(data, value->data.data(), needed);
    }
    if (size) *size = needed;
  });
  return status;
}

LSTATUS RegSetValueExA(HKEY handle, LPCSTR valueName, DWORD /*reserved*/, DWORD type, const BYTE* data, DWORD size) {
  if (!data && size != 0) return ERROR_INVALID_PARAMETER;
  OpenKey key;
  if (!Resolve(handle, key)) return ERROR_INVALID_HANDLE;
  if (!(key.access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
  const std::string name = valueName ? valueName : "";
  if (name.size() > kMaxValueNameLength || HasLineBreak(name)) return ERROR_INVALID_PARAMETER;
  RegistryChange change;
  change.kind = RegistryChange::kSetValue;
  change.root = key.root;
  change.path = key.path;
  change.name = name;
  change.type = type;
  if (size) change.data.assign(reinterpret_cast<const char*>(data), size);
  if (key.path.empty()) {
    // A root always exists, even before its first value.
    RegistryChange create;
    create.root = key.root;
    RegistryStore::Apply(create);
  }
  return RegistryStore::Apply(change);
}

LSTATUS RegDeleteKeyA(HKEY parent, LPCSTR subKey) {
  if (!subKey) return ERROR_INVALID_PARAMETER;
  OpenKey key;
  if (!Resolve(parent, key)) return ERROR_INVALID_HANDLE;
  if (!*subKey) return ERROR_BADKEY;
  if (!Extend(key, subKey)) return ERROR_FILE_NOT_FOUND;
  if (key.path.empty()) return ERROR_ACCESS_DENIED;  // a root cannot be deleted
  RegistryChange change;
  change.kind = RegistryChange::kDeleteKey;
  change.root = key.root;
  change.path = key.path;
  return RegistryStore::Apply(change);
}

LSTATUS RegCloseKey(HKEY handle) {
  if (handle == HKEY_CURRENT_USER || handle == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
  HandleTable& table = Handles();
  std::lock_guard<std::mutex> lock(table.mutex);
  return table.keys.erase(reinterpret_cast<std::uintptr_t>(handle)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace corvane
