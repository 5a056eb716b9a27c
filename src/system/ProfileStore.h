// The cache of parsed profile files behind the profile functions on Linux.
// A file is parsed once and kept until it changes on disk (checked by
// modification time, size and file identity; inside a write batch at most
// once per batch).  Writes change the cached document and are saved with an
// atomic replacement: at once outside a batch, once per file at the end of
// the outermost batch inside one.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

class ProfileStore {
 public:
  // Copies the value into out and answers true when file, section and key exist.
  static bool Read(const std::string& file, std::string_view section, std::string_view key, std::string& out);
  // Sets a value; answers false when the file could not be saved (outside a
  // batch) or the path is empty.
  static bool Write(const std::string& file, std::string_view section, std::string_view key, std::string_view value);
  // Saves every changed file now.
  static bool Flush();
  // Drops every cached document (tests; changed files are saved first).
  static void Reset();
};

}  // namespace corvane
