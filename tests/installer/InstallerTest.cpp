// The installer's steps, run in the test process.
#include "installer/InstallerApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/TestSupport.h"
#include "system/Registry.h"
#include "system/RegistryStore.h"
#include "system/Resources.h"

namespace corvane {
namespace {

constexpr const char* kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Scribora.exe";

void SetValue(HKEY root, const std::string& path, const char* name, DWORD type, const std::string& bytes) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyA(root, path.c_str(), &key), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                           static_cast<DWORD>(bytes.size())),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

struct Installer : ::testing::Test {
  test::TempDir dir;
  test::ScopedRegistryFile scoped{dir.file("registry.reg")};
  CInstallerApp app;

  void SetUp() override {
    app.SetDefaultAppName("inkstall");
    app.SetRegistryKey("TALVORA");
  }
  void TearDown() override { RegistryStore::Reset(); }
};

// The title names the settings key; it must come from the installer's own
// table in every language, never from the library's.
TEST(InstallerTitle, IsScriboraInEveryLanguage) {
  for (LANGID language : {LANG_ENGLISH_US, LANG_CHINESE_TAIWAN, LANG_KOREAN, LANG_CHINESE_PRC}) {
    SCOPED_TRACE(language);
    SetResourceLanguage(language);
    CInstallerApp app;
    EXPECT_EQ(app.m_pszAppName, nullptr);
    app.SetDefaultAppName("/usr/bin/inkstall");
    EXPECT_STREQ(app.m_pszAppName, "Scribora");
    EXPECT_STREQ(app.m_pszExeName, "inkstall");
  }
  SetResourceLanguage(0);
}

TEST_F(Installer, SiblingPathReadsTheAppPathsEntry) {
  EXPECT_EQ(app.GetSiblingPath(), "");
  SetValue(HKEY_LOCAL_MACHINE, kAppPaths, "Other", REG_SZ, std::string("x\0", 2));
  EXPECT_EQ(app.GetSiblingPath(), "");

  struct Case {
    DWORD type;
    std::string bytes;
    const char* path;
  };
  const Case cases[] = {
      {REG_SZ, std::string("/opt/scribora/\0", 15), "/opt/scribora/"},
      {REG_SZ, std::string("/opt/scribora/", 14), "/opt/scribora/"},  // no terminating zero
      {REG_SZ, std::string("/opt/a\0/b/", 10), "/opt/a"},
      {REG_EXPAND_SZ, std::string("/opt/e/\0", 8), "/opt/e/"},
      {REG_SZ, std::string("\0", 1), ""},
      {REG_SZ, std::string(), ""},
      {REG_DWORD, std::string("/op", 4), ""},
      {REG_BINARY, std::string("/opt/b/\0", 8), ""},
      {REG_SZ, std::string(40000, 'a') + '\0', ""},  // no path is that long
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << c.bytes.size() << " bytes");
    SetValue(HKEY_LOCAL_MACHINE, kAppPaths, "Path", c.type, c.bytes);
    EXPECT_EQ(app.GetSiblingPath(), c.path);
  }
  // The value belongs to the local machine, not to the user.
  SetValue(HKEY_CURRENT_USER, kAppPaths, "Path", REG_SZ, std::string("/home/x/\0", 9));
  EXPECT_EQ(app.GetSiblingPath(), "");
}

TEST_F(Installer, VersionIsCurrentOnlyWhenAllThreeValuesMatchExactly) {
  EXPECT_FALSE(app.IsInstalledVersionCurrent());
  app.RecordInstalledVersion();
  EXPECT_TRUE(app.IsInstalledVersionCurrent());

  const std::string section = "Software\\TALVORA\\Scribora\\Version";
  struct Case {
    const char* name;
    DWORD type;
    std::string bytes;
  };
  const Case stale[] = {
      {"Brand", REG_SZ, std::string("no\0", 3)},
      {"Brand", REG_SZ, std::string("NO \0", 4)},
      {"Brand", REG_SZ, std::string("\0", 1)},
      {"Brand", REG_BINARY, std::string("NO\0", 3)},
      {"Main", REG_DWORD, std::string("\x03\x00\x00\x00", 4)},
      {"Main", REG_SZ, std::string("2\0", 2)},
      {"Main", REG_DWORD, std::string("\x02\x00", 2)},
      {"Extend", REG_DWORD, std::string("\x0B\x00\x00\x00", 4)},
      {"Extend", REG_BINARY, std::string("\x0A\x00\x00\x00", 4)},
  };
  for (const Case& c : stale) {
    SCOPED_TRACE(testing::Message() << c.name << ", type " << c.type << ", " << c.bytes.size() << " bytes");
    SetValue(HKEY_CURRENT_USER, section, c.name, c.type, c.bytes);
    EXPECT_FALSE(app.IsInstalledVersionCurrent());
    app.RecordInstalledVersion();
    EXPECT_TRUE(app.IsInstalledVersionCurrent());
  }
  // "NO" stored without its terminating zero still reads as "NO".
  SetValue(HKEY_CURRENT_USER, section, "Brand", REG_SZ, "NO");
  EXPECT_TRUE(app.IsInstalledVersionCurrent());
}

}  // namespace
}  // namespace corvane
