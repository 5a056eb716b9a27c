// The registry file behind the registry functions: which file, its cached
// hives, and its saving.
//
// The file is CORVANE_REGISTRY when that variable is set (looked up on every
// call), else $XDG_CONFIG_HOME/corvane/registry.reg, else
// ~/.config/corvane/registry.reg; its folder is created on the first save.
// The hives are parsed once and kept until the file changes on disk (inside a
// write batch the file is checked once per batch).  A change is saved with an
// atomic replacement at once outside a batch, and once per file when the
// outermost batch ends inside one.  Until it is saved a change is also kept as
// a list of operations, so when another process replaced the file meanwhile,
// its content is read again and our changes are applied on top of it.
// A damaged file is copied to "<file>.damaged" before it is first replaced.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "system/RegistryFile.h"
#include "system/Win32.h"

namespace corvane {

struct RegistryChange {
  enum Kind { kCreateKey, kSetValue, kDeleteKey };
  Kind kind = kCreateKey;
  std::string root;
  std::vector<std::string> path;
  std::string name;  // kSetValue: the value name ("" for the default value)
  DWORD type = 0;
  std::string data;
};

class RegistryStore {
 public:
  // The file the registry functions use now.
  static std::string FilePath();

  // Calls read with the up-to-date hives of the current file, under the
  // store's lock.
  static void Read(const std::function<void(const RegistryFile&)>& read);

  // Applies a change to the current file.  Answers ERROR_SUCCESS;
  // ERROR_KEY_DELETED when the key of a value is missing; for a deletion
  // ERROR_FILE_NOT_FOUND (no such key) or ERROR_ACCESS_DENIED (the key has
  // subkeys); ERROR_REGISTRY_IO_FAILED when the file could not be saved
  // outside a batch, in which case nothing changed.
  static LSTATUS Apply(const RegistryChange& change);

  // Saves every file with unsaved changes now; false when one failed.
  static bool Flush();
  // Drops every cached file (tests; unsaved changes are saved first).
  static void Reset();
};

}  // namespace corvane
