// The cache of parsed profile files behind the profile functions on Linux.
// A file is parsed once and kept until it changes on disk (checked by
// modification time, size and file identity; inside a write batch at most
// once per batch).  Writes change the cached document and are saved with an
// atomic replacement: at once outside a batch, once per file at the end of
// the outermost batch inside one.  A write that sets the value a key already
// has changes nothing and saves nothing.  A file that exists but cannot be
// read is never written over.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

class ProfileStore {
 public:
  // Copies the value into out and answers true when file, section and key exist.
  static bool Read(std::string_view file, std::string_view section, std::string_view key, std::string& out);
  // Copies the value (up to a zero byte, cut to size - 1 characters, always
  // terminated when size > 0) into buffer; answers the number of characters
  // copied, and found tells whether file, section and key exist.
  static size_t ReadInto(std::string_view file, std::string_view section, std::string_view key, char* buffer,
                         size_t size, bool& found);
  // Sets a value; answers false when the file could not be saved (outside a
  // batch; the change is then dropped), the path is empty, the key cannot be
  // stored, or the file exists but could not be read.
  static bool Write(std::string_view file, std::string_view section, std::string_view key, std::string_view value);
  // The same for zero-terminated texts (none may be null).
  static bool Write(const char* file, const char* section, const char* key, const char* value);
  // Saves every changed file now.
  static bool Flush();
  // Drops every cached document (tests; changed files are saved first).
  static void Reset();
};

}  // namespace corvane
