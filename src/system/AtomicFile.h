// Replacing a file without ever leaving it half-written: the new content goes
// to a temporary file in the same folder, which is then renamed over the old
// one.  A reader sees either the old or the new file, whole.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Writes content to path atomically.  Keeps the permissions of an existing
// file.  Answers false (and leaves the old file untouched) on failure.
bool ReplaceFileContent(const std::string& path, std::string_view content);

// Copies source over target atomically (copy to a temporary file beside the
// target, then rename).  Answers false when the source cannot be read or the
// target cannot be written; the old target then stays as it was.
bool CopyFileReplacing(const std::string& source, const std::string& target);

// Reads a whole file; answers false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& content);

}  // namespace corvane
