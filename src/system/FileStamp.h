// What a file looked like on disk when it was last read or written: a store
// keeps one per cached file and parses the file again only when it changed.
//
// File times are coarse (a clock tick on Linux, seconds on some Windows file
// systems), so a file changed twice within one tick, in place and to the same
// size, keeps its stamp.  A store therefore also remembers when it read the
// file: while the file's time is not safely older than that moment the stamp
// proves nothing, and the store reads the file again at its next check.
#pragma once

#include <string>

namespace corvane {

struct FileStamp {
  bool exists = false;
  long long mtimeNs = 0;
  long long size = 0;
  unsigned long long device = 0, inode = 0;

  bool operator==(const FileStamp& other) const = default;

  static FileStamp Of(const std::string& path);

  // The wall clock in the file times' scale.
  static long long NowNs();
  // True when the file's time lies too close to readAtNs (the moment its
  // content was read) for an unchanged stamp to prove an unchanged file.
  bool Unsettled(long long readAtNs) const;
};

}  // namespace corvane
