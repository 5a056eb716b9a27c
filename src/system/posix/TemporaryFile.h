// Temporary files for replacing a file atomically on Linux.
//
// The new content of a target is written to a temporary file in the target's
// folder, named "<target>.~<12 hex digits>.new", which is then renamed over
// the target.  Where the file system allows, the file has no name at all
// while it is written (O_TMPFILE) and gets its temporary name only once it
// is complete.
//
// Its writer holds an exclusive lock (flock) on the temporary from before it
// has a name until it is renamed or removed.  A process that is killed
// loses its locks, so a temporary that nobody holds a lock on was left behind
// by a writer that died: the next save or copy of the same target removes
// it.  Only files of exactly that name pattern, regular files and unlocked
// ones, are ever removed.
#pragma once

#include <string>
#include <string_view>

#include <sys/types.h>

namespace corvane::posix {

class TemporaryFile {
 public:
  TemporaryFile() = default;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  // Removes a temporary that was not committed, and closes it.
  ~TemporaryFile();

  // Opens a new, locked temporary beside target, created with mode (less
  // the umask).  Answers false when none can be created.
  bool Open(const std::string& target, mode_t mode);
  int Descriptor() const { return m_fd; }
  // Gives the temporary its name beside the target (an unnamed one is
  // linked; a named one has it already).  Answers false on failure.
  bool Name();
  const std::string& Path() const { return m_name; }
  // Renames the temporary over target; false (the temporary removed) on
  // failure.
  bool RenameOver();
  // Links the temporary as target, which must not exist, then removes the
  // temporary name; false when target exists (errno EEXIST) or on failure.
  bool LinkAsNew();

 private:
  void Discard();

  std::string m_target;
  std::string m_name;  // empty while unnamed
  int m_fd = -1;
  bool m_unnamed = false;
};

// The name of a temporary of the file named base (both without folder).
bool IsTemporaryNameOf(std::string_view name, std::string_view base);

// Removes the temporaries of target that their writers left behind.
void RemoveStaleTemporaries(const std::string& target);

}  // namespace corvane::posix
