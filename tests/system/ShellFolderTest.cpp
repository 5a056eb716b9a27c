// The Linux special folders, after the XDG base directory conventions.
#if !defined(_WIN32)

#include "system/ShellFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "support/TestSupport.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// Sets (or, with nullopt, removes) an environment variable for the object's
// lifetime.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (m_old)
      ::setenv(m_name, m_old->c_str(), 1);
    else
      ::unsetenv(m_name);
  }

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

std::string AppData(BOOL create, BOOL* ok = nullptr) {
  char path[MAX_PATH];
  std::memset(path, 'x', sizeof path);
  const BOOL answer = SHGetSpecialFolderPathA(nullptr, path, CSIDL_APPDATA, create);
  if (ok) *ok = answer;
  return answer ? std::string(path) : (path[0] == '\0' ? std::string() : std::string("<not cleared>"));
}

TEST(ShellFolder, AppDataFollowsXdgDataHomeAndIsCreatedOnRequest) {
  test::TempDir dir;
  const std::string data = dir.file("deep/data/home");
  ScopedEnv xdg("XDG_DATA_HOME", data + "/");
  BOOL ok = TRUE;
  EXPECT_EQ(AppData(FALSE, &ok), "");
  EXPECT_FALSE(ok);
  EXPECT_FALSE(fs::exists(dir.path() / "deep"));
  EXPECT_EQ(AppData(TRUE), data);
  EXPECT_TRUE(fs::is_directory(data));
  EXPECT_EQ(AppData(FALSE), data);
}

TEST(ShellFolder, AppDataFallsBackToTheHomeFolder) {
  test::TempDir dir;
  ScopedEnv home("HOME", dir.path().string());
  for (std::optional<std::string> xdg : {std::optional<std::string>(), std::optional<std::string>(""),
                                         std::optional<std::string>("relative/data")}) {
    SCOPED_TRACE(xdg.value_or("<unset>"));
    ScopedEnv variable("XDG_DATA_HOME", xdg);
    EXPECT_EQ(AppData(TRUE), dir.file(".local/share"));
  }
  EXPECT_FALSE(fs::exists("relative"));
}

TEST(ShellFolder, RefusesWhatItCannotAnswer) {
  test::TempDir dir;
  // A path that does not fit MAX_PATH characters.
  ScopedEnv xdg("XDG_DATA_HOME", dir.path().string() + "/" + std::string(MAX_PATH, 'a'));
  EXPECT_EQ(AppData(TRUE), "");
  EXPECT_TRUE(fs::is_empty(dir.path()));
  // A file where the folder should be.
  test::WriteFile(dir.file("file"), "x");
  ScopedEnv blocked("XDG_DATA_HOME", dir.file("file"));
  EXPECT_EQ(AppData(TRUE), "");
  EXPECT_EQ(test::ReadFile(dir.file("file")), "x");
  // An unknown folder.
  char path[MAX_PATH] = "x";
  EXPECT_FALSE(SHGetSpecialFolderPathA(nullptr, path, 0x7FFF, TRUE));
  EXPECT_STREQ(path, "");
}

}  // namespace
}  // namespace corvane

#endif  // !_WIN32
