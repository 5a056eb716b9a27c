#include "system/WinApp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "support/TestSupport.h"
#include "system/Registry.h"
#include "system/RegistryStore.h"

namespace corvane {
namespace {

struct Settings : ::testing::Test {
  test::TempDir dir;
  std::string file = dir.file("registry.reg");
  test::ScopedRegistryFile scoped{file};
  CWinApp app{"Tester"};

  void SetUp() override { app.SetRegistryKey("Maker"); }
  void TearDown() override { RegistryStore::Reset(); }

  // Stores raw bytes under HKCU\Software\Maker\Tester\<section>.
  static void SetRaw(const char* section, const char* name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    const std::string path = std::string("Software\\Maker\\Tester\\") + section;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  static std::pair<DWORD, std::string> GetRaw(const char* section, const char* name) {
    HKEY key = nullptr;
    const std::string path = std::string("Software\\Maker\\Tester\\") + section;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {0, "no key"};
    BYTE buffer[64];
    DWORD type = 0, size = sizeof buffer;
    const LSTATUS status = RegQueryValueExA(key, name, nullptr, &type, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return {0, "no value"};
    return {type, std::string(reinterpret_cast<char*>(buffer), size)};
  }
};

TEST_F(Settings, ValuesRoundTripWithTheirRegistryTypes) {
  EXPECT_TRUE(app.WriteProfileInt("Version", "Main", 2));
  EXPECT_TRUE(app.WriteProfileInt("Version", "Negative", -5));
  EXPECT_TRUE(app.WriteProfileString("Version", "Brand", "NO"));
  EXPECT_TRUE(app.WriteProfileString("Other", "Empty", ""));

  EXPECT_EQ(app.GetProfileInt("Version", "Main", 0), 2u);
  EXPECT_EQ(app.GetProfileInt("version", "MAIN", 0), 2u);  // names ignore letter case
  EXPECT_EQ(static_cast<int>(app.GetProfileInt("Version", "Negative", 0)), -5);
  EXPECT_EQ(app.GetProfileString("Version", "Brand"), "NO");
  EXPECT_EQ(app.GetProfileString("Other", "Empty", "default"), "");

  EXPECT_EQ(GetRaw("Version", "Main"), std::make_pair(REG_DWORD, std::string("\x02\x00\x00\x00", 4)));
  EXPECT_EQ(GetRaw("Version", "Negative"), std::make_pair(REG_DWORD, std::string("\xFB\xFF\xFF\xFF", 4)));
  EXPECT_EQ(GetRaw("Version", "Brand"), std::make_pair(REG_SZ, std::string("NO\0", 3)));
  EXPECT_EQ(GetRaw("Other", "Empty"), std::make_pair(REG_SZ, std::string("\0", 1)));
}

TEST_F(Settings, MissingValuesGiveTheDefaultAndReadingCreatesNothing) {
  EXPECT_EQ(app.GetProfileInt("Version", "Main", 7), 7u);
  EXPECT_EQ(app.GetProfileString("Version", "Brand", "none"), "none");
  EXPECT_EQ(app.GetProfileString("Version", "Brand"), "");
  EXPECT_FALSE(std::filesystem::exists(file));

  ASSERT_TRUE(app.WriteProfileInt("Version", "Main", 2));
  EXPECT_EQ(app.GetProfileInt("Version", "Extend", -1), static_cast<UINT>(-1));
  EXPECT_EQ(app.GetProfileInt("Elsewhere", "Main", 3), 3u);
  const std::string before = test::ReadFile(file);
  EXPECT_EQ(app.GetProfileString("Elsewhere", "Brand", "x"), "x");
  EXPECT_EQ(test::ReadFile(file), before);
}

// Values of another type or size than the setting's are damage: the
// default is answered, never a misread.
TEST_F(Settings, ValuesOfTheWrongTypeOrSizeGiveTheDefault) {
  struct Case {
    DWORD type;
    std::string bytes;
    UINT asInt;
    const char* asText;
  };
  const Case cases[] = {
      {REG_DWORD, std::string("\x02\x00\x00\x00", 4), 2, "default"},
      {REG_DWORD, std::string("\x02\x00", 2), 9, "default"},
      {REG_DWORD, std::string("\x02\x00\x00\x00\x00\x00\x00\x00", 8), 9, "default"},
      {REG_BINARY, std::string("\x02\x00\x00\x00", 4), 9, "default"},
      {REG_SZ, std::string("2\0", 2), 9, "2"},
      {REG_SZ, std::string("NO", 2), 9, "NO"},  // no terminating zero
      {REG_SZ, std::string("NO\0junk", 7), 9, "NO"},
      {REG_SZ, std::string(), 9, ""},
      {REG_EXPAND_SZ, std::string("NO\0", 3), 9, "default"},
      {REG_BINARY, std::string("NO\0", 3), 9, "default"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << c.bytes.size() << " bytes");
    SetRaw("S", "V", c.type, c.bytes);
    EXPECT_EQ(app.GetProfileInt("S", "V", 9), c.asInt);
    EXPECT_EQ(app.GetProfileString("S", "V", "default"), c.asText);
  }
  SetRaw("S", "Long", REG_SZ, std::string(300000, 'x') + '\0');
  EXPECT_EQ(app.GetProfileString("S", "Long").GetLength(), 300000);
}

TEST(SettingsWithoutRegistryKey, ReadDefaultsAndRefuseWrites) {
  test::TempDir dir;
  test::ScopedRegistryFile scoped(dir.file("registry.reg"));
  CWinApp app("Tester");
  EXPECT_EQ(app.GetProfileInt("S", "V", 4), 4u);
  EXPECT_EQ(app.GetProfileString("S", "V", "d"), "d");
  EXPECT_FALSE(app.WriteProfileInt("S", "V", 1));
  EXPECT_FALSE(app.WriteProfileString("S", "V", "x"));
  app.SetRegistryKey("Maker");
  EXPECT_FALSE(app.WriteProfileString("S", "V", nullptr));
  EXPECT_FALSE(app.WriteProfileString("S", nullptr, "x"));
  EXPECT_FALSE(app.WriteProfileInt("", "V", 1));
  EXPECT_FALSE(std::filesystem::exists(dir.file("registry.reg")));
  RegistryStore::Reset();
}

class ScriptedApp : public CWinApp {
 public:
  enum Outcome { kStop, kRun, kThrow };
  explicit ScriptedApp(Outcome outcome) : CWinApp("Scripted"), m_outcome(outcome) {}
  BOOL InitInstance() override {
    m_log += "init ";
    if (m_outcome == kThrow) throw std::runtime_error("failed");
    return m_outcome == kRun;
  }
  int Run() override {
    m_log += "run ";
    return CWinApp::Run();
  }
  int ExitInstance() override {
    m_log += "exit";
    return 3;
  }
  std::string m_log;

 private:
  Outcome m_outcome;
};

TEST(ApplicationObject, AfxWinMainRunsTheStartUpStepAndAnswersTheExitCode) {
  char program[] = "/opt/tools/scripted.bin";
  char* argv[] = {program, nullptr};
  {
    ScriptedApp app(ScriptedApp::kStop);
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxWinMain(1, argv), 3);
    EXPECT_EQ(app.m_log, "init exit");
    EXPECT_STREQ(app.m_pszAppName, "Scripted");
    EXPECT_STREQ(app.m_pszExeName, "scripted");
  }
  EXPECT_EQ(AfxGetApp(), nullptr);
  EXPECT_EQ(AfxWinMain(1, argv), 1);  // no application object
  {
    ScriptedApp app(ScriptedApp::kRun);
    EXPECT_EQ(AfxWinMain(1, argv), 3);
    EXPECT_EQ(app.m_log, "init run exit");
  }
  {
    ScriptedApp app(ScriptedApp::kThrow);
    EXPECT_EQ(AfxWinMain(0, nullptr), 1);
    EXPECT_EQ(app.m_log, "init ");
  }
}

}  // namespace
}  // namespace corvane
