#include "system/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TestSupport.h"

namespace corvane {
namespace {

TEST(ReadWholeFile, ReadsEveryByteOrFails) {
  test::TempDir dir;
  std::string content(200 * 1024, '\0');
  for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i % 253);
  test::WriteFile(dir.file("file"), content);
  test::WriteFile(dir.file("empty"), "");
  std::string read = "unchanged";
  ASSERT_TRUE(ReadWholeFile(dir.file("file"), read));
  EXPECT_EQ(read, content);
  ASSERT_TRUE(ReadWholeFile(dir.file("empty"), read));
  EXPECT_EQ(read, "");

  read = "unchanged";
  EXPECT_FALSE(ReadWholeFile(dir.file("missing"), read));
  EXPECT_FALSE(ReadWholeFile(dir.path().string(), read));  // a folder
#if defined(__linux__)
  EXPECT_FALSE(ReadWholeFile("/proc/self/mem", read));  // opens, then fails to read
#endif
  EXPECT_EQ(read, "unchanged");
}

TEST(CopyFileReplacing, AnUnreadableSourceLeavesTheTarget) {
  test::TempDir dir;
  test::WriteFile(dir.file("target"), "old");
  std::filesystem::create_directory(dir.path() / "folder");
  EXPECT_FALSE(CopyFileReplacing(dir.file("folder"), dir.file("target")));
  EXPECT_FALSE(CopyFileReplacing(dir.file("missing"), dir.file("target")));
  EXPECT_EQ(test::ReadFile(dir.file("target")), "old");
  test::WriteFile(dir.file("source"), "new");
  EXPECT_TRUE(CopyFileReplacing(dir.file("source"), dir.file("target")));
  EXPECT_EQ(test::ReadFile(dir.file("target")), "new");
}

}  // namespace
}  // namespace corvane
