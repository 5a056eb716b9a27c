// The Linux file functions: attributes from stat, copies through a temporary
// file and rename.
#if !defined(_WIN32)

#include "system/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/TestSupport.h"
#include "system/AtomicFile.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Names in a folder that are not the expected ones: leftovers of a copy.
std::vector<std::string> Leftovers(const fs::path& folder, const std::vector<std::string>& expected) {
  std::vector<std::string> extra;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (std::find(expected.begin(), expected.end(), name) == expected.end()) extra.push_back(name);
  }
  return extra;
}

TEST(FileAttributes, TellMissingFilesFoldersAndHiddenNames) {
  TempDir dir;
  WriteFile(dir.file("plain.txt"), "x");
  WriteFile(dir.file(".hidden"), "x");
  fs::create_directory(dir.path() / "folder");

  EXPECT_EQ(GetFileAttributesA(dir.file("missing").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA(""), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA(nullptr), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA(dir.file("plain.txt").c_str()), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(GetFileAttributesA(dir.file(".hidden").c_str()), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(GetFileAttributesA(dir.file("folder").c_str()), FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(GetFileAttributesA((dir.file("folder") + "/").c_str()), FILE_ATTRIBUTE_DIRECTORY);
  // A path through a file is no path at all.
  EXPECT_EQ(GetFileAttributesA((dir.file("plain.txt") + "/x").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(CreateDirectory, CreatesOneFolderAndRefusesExistingOrOrphanedOnes) {
  TempDir dir;
  EXPECT_TRUE(CreateDirectoryA(dir.file("new").c_str(), nullptr));
  EXPECT_TRUE(fs::is_directory(dir.path() / "new"));
  EXPECT_FALSE(CreateDirectoryA(dir.file("new").c_str(), nullptr));
  EXPECT_FALSE(CreateDirectoryA(dir.file("a/b").c_str(), nullptr));
  EXPECT_FALSE(fs::exists(dir.path() / "a"));
  WriteFile(dir.file("file"), "x");
  EXPECT_FALSE(CreateDirectoryA(dir.file("file").c_str(), nullptr));
  EXPECT_EQ(ReadFile(dir.file("file")), "x");
}

TEST(CopyFile, CopiesContentPermissionsAndModificationTime) {
  TempDir dir;
  std::string content(700 * 1024, '\0');  // several buffers, with zero bytes
  for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 31 % 251);
  WriteFile(dir.file("source"), content);
  ::chmod(dir.file("source").c_str(), 0640);
  const auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(48);
  fs::last_write_time(dir.file("source"), stamp);

  ASSERT_TRUE(CopyFileA(dir.file("source").c_str(), dir.file("target").c_str(), FALSE));
  EXPECT_EQ(ReadFile(dir.file("target")), content);
  EXPECT_EQ(fs::last_write_time(dir.file("target")), stamp);
  struct stat info;
  ASSERT_EQ(::stat(dir.file("target").c_str(), &info), 0);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(info.st_mode & 0777, 0640u & ~mask);
  EXPECT_TRUE(Leftovers(dir.path(), {"source", "target"}).empty());

  WriteFile(dir.file("empty"), "");
  ASSERT_TRUE(CopyFileA(dir.file("empty").c_str(), dir.file("target").c_str(), FALSE));
  EXPECT_EQ(ReadFile(dir.file("target")), "");
}

TEST(CopyFile, ReplacesOrKeepsAnExistingTarget) {
  TempDir dir;
  WriteFile(dir.file("source"), "new");
  WriteFile(dir.file("target"), "old");
  EXPECT_FALSE(CopyFileA(dir.file("source").c_str(), dir.file("target").c_str(), TRUE));
  EXPECT_EQ(ReadFile(dir.file("target")), "old");
  EXPECT_TRUE(CopyFileA(dir.file("source").c_str(), dir.file("fresh").c_str(), TRUE));
  EXPECT_EQ(ReadFile(dir.file("fresh")), "new");
  EXPECT_TRUE(CopyFileA(dir.file("source").c_str(), dir.file("target").c_str(), FALSE));
  EXPECT_EQ(ReadFile(dir.file("target")), "new");
  // Onto itself: the content stays.
  EXPECT_TRUE(CopyFileA(dir.file("target").c_str(), dir.file("target").c_str(), FALSE));
  EXPECT_EQ(ReadFile(dir.file("target")), "new");
  EXPECT_TRUE(Leftovers(dir.path(), {"source", "target", "fresh"}).empty());
}

TEST(CopyFile, FailuresLeaveTheTargetAsItWas) {
  TempDir dir;
  WriteFile(dir.file("source"), "new");
  WriteFile(dir.file("target"), "old");
  fs::create_directory(dir.path() / "folder");
  fs::create_directory(dir.path() / "folder-target");

  struct Case {
    std::string source, target;
  };
  const Case cases[] = {
      {dir.file("missing"), dir.file("target")},             // no source
      {dir.file("folder"), dir.file("target")},              // a folder is no file
      {dir.file("source"), dir.file("nowhere/target")},      // no target folder
      {dir.file("source"), dir.file("folder-target")},       // a folder in the way
      {"", dir.file("target")},
      {dir.file("source"), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source + " -> " + c.target);
    EXPECT_FALSE(CopyFileA(c.source.c_str(), c.target.c_str(), FALSE));
    EXPECT_EQ(ReadFile(dir.file("target")), "old");
  }
  EXPECT_TRUE(fs::is_directory(dir.path() / "folder-target"));
  EXPECT_TRUE(Leftovers(dir.path(), {"source", "target", "folder", "folder-target"}).empty());
}

// A write that fails halfway (here: a file size limit, as a full disk would)
// must leave the old target whole and no temporary file behind.
TEST(CopyFile, AWriteFailureHalfwayLeavesTheOldTarget) {
  TempDir dir;
  WriteFile(dir.file("source"), std::string(1 << 20, 'n'));
  WriteFile(dir.file("target"), "old");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit = {64 * 1024, 64 * 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const BOOL copied = CopyFileA(dir.file("source").c_str(), dir.file("target").c_str(), FALSE);
    ::_exit(copied ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the copy reported success";
  EXPECT_EQ(ReadFile(dir.file("target")), "old");
  EXPECT_TRUE(Leftovers(dir.path(), {"source", "target"}).empty());
}

// A copy or save that is killed can leave its temporary file
// ("<target>.~<12 hex digits>.new") behind.  The next copy or save of the
// same target removes such leftovers, and nothing else: not a temporary that
// a live writer still holds (locked), not another file's, not names that only
// look alike, not links or folders.
TEST(CopyFile, TheNextCopyOrSaveRemovesTemporariesThatKilledOnesLeftBehind) {
  const std::vector<std::string> stale = {"target.~0123456789ab.new", "target.~ffffffffffff.new"};
  const std::vector<std::string> kept = {
      "target.~0123456789AB.new", "target.~0123456789a.new", "target.~0123456789abc.new",
      "target.~0123456789ab.tmp", "other.~0123456789ab.new", "xtarget.~0123456789ab.new",
      "target.~0123456789ab.new.x", "target.0123456789ab.new", "victim", "source"};
  const std::string live = "target.~aaaaaaaaaaaa.new", link = "target.~bbbbbbbbbbbb.new",
                    folder = "target.~cccccccccccc.new";
  for (const bool copy : {true, false}) {
    SCOPED_TRACE(copy ? "copy" : "save");
    TempDir dir;
    for (const std::string& name : stale) WriteFile(dir.file(name), "left by a killed writer");
    for (const std::string& name : kept) WriteFile(dir.file(name), "not ours");
    WriteFile(dir.file(live), "being written");
    const int writer = ::open(dir.file(live).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    fs::create_symlink(dir.file("victim"), dir.path() / link);
    fs::create_directory(dir.path() / folder);

    if (copy)
      ASSERT_TRUE(CopyFileA(dir.file("source").c_str(), dir.file("target").c_str(), FALSE));
    else
      ASSERT_TRUE(ReplaceFileContent(dir.file("target"), "saved"));
    EXPECT_EQ(ReadFile(dir.file("target")), copy ? "not ours" : "saved");
    for (const std::string& name : stale) EXPECT_FALSE(fs::exists(dir.path() / name)) << name;
    for (const std::string& name : kept) EXPECT_EQ(ReadFile(dir.file(name)), "not ours") << name;
    EXPECT_EQ(ReadFile(dir.file(live)), "being written");
    EXPECT_TRUE(fs::is_symlink(dir.path() / link));
    EXPECT_TRUE(fs::is_directory(dir.path() / folder));
    ::close(writer);

    // Once its writer is gone, the next one removes that temporary too.
    if (copy)
      ASSERT_TRUE(CopyFileA(dir.file("victim").c_str(), dir.file("target").c_str(), FALSE));
    else
      ASSERT_TRUE(ReplaceFileContent(dir.file("target"), "saved again"));
    EXPECT_FALSE(fs::exists(dir.path() / live));
  }
}

}  // namespace
}  // namespace corvane

#endif  // !_WIN32
