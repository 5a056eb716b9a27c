// Groups the saves of profile files and of the registry store: while at least
// one WriteBatch is alive, writes stay in memory and each changed file is
// replaced once, when the outermost batch ends.  Every exported function opens
// one, so an export call reaches the disk as one replacement per file.  Writes
// made outside any batch go to disk at once.
#pragma once

namespace corvane {

class WriteBatch {
 public:
  WriteBatch();
  ~WriteBatch();
  WriteBatch(const WriteBatch&) = delete;
  WriteBatch& operator=(const WriteBatch&) = delete;

  // True while a batch is open on any thread.
  static bool Active();
  // Writes out everything pending now (used by the outermost batch).
  static void FlushAll();
};

}  // namespace corvane
