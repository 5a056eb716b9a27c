#include "surface/TabletDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "FakeTablet.h"
#include "support/TestSupport.h"
#include "system/DynamicLibrary.h"
#include "system/Registry.h"

namespace corvane {
namespace {

// Points the bridge at a driver file and the fake at its description, with a
// private registry file; the binding is forgotten before and after.
class TabletDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::SetEnvironment("CORVANE_FAKE_TABLET", m_config.c_str());
    UseDriver(test::FakeTabletDriver());
  }
  void TearDown() override {
    ResetTabletDriverForTesting();
    test::SetEnvironment("CORVANE_FAKE_TABLET", nullptr);
  }
  // Forgets the binding; the next one loads path.
  static void UseDriver(const std::string& path) { ResetTabletDriverForTesting(path.c_str()); }
  void Describe(const std::string& text) { test::WriteFile(m_config, text); }

  // Reads a counter of the fake (the bridge holds the same loaded library).
  static int FakeCounter(const char* name) {
    HMODULE module = LoadLibraryA(test::FakeTabletDriver());
    if (!module) return -1;
    auto counter = reinterpret_cast<int (*)()>(GetProcAddress(module, name));
    const int value = counter ? counter() : -1;
    FreeLibrary(module);
    return value;
  }

  test::TempDir m_dir;
  test::ScopedRegistryFile m_registry{m_dir.file("registry.reg")};
  std::string m_config = m_dir.file("tablet.txt");
};

TEST_F(TabletDriverTest, AbsentLibraryIsRememberedForTheProcess) {
  const std::string file = m_dir.file("driver-copy.so");
  UseDriver(file);
  EXPECT_FALSE(BindTabletDriver());
  TabletLayout layout;
  layout.nResolution = 1234;
  EXPECT_FALSE(QueryTabletLayout(layout));
  EXPECT_EQ(layout.nResolution, 1234);  // unchanged
  EXPECT_EQ(GetFunctionKeyRegistryKey(1, 1), nullptr);

  std::filesystem::copy_file(test::FakeTabletDriver(), file);  // there now, but not tried again
  EXPECT_FALSE(BindTabletDriver());
  EXPECT_FALSE(QueryTabletLayout(layout));
}

TEST_F(TabletDriverTest, LibraryWithoutOneFunctionIsAbsent) {
  UseDriver(test::FakeTabletDriverPartial());
  EXPECT_FALSE(BindTabletDriver());
  TabletLayout layout;
  EXPECT_FALSE(QueryTabletLayout(layout));
  EXPECT_EQ(GetFunctionKeyRegistryKey(1, 1), nullptr);
}

TEST_F(TabletDriverTest, NoDeviceAtBindingMakesTheDriverAbsent) {
  Describe("device=0\n");
  EXPECT_FALSE(BindTabletDriver());
  Describe("device=1\nsize=100,100\n");
  TabletLayout layout;
  EXPECT_FALSE(QueryTabletLayout(layout));
  EXPECT_EQ(GetFunctionKeyRegistryKey(1, 1), nullptr);
}

TEST_F(TabletDriverTest, LayoutQueryReadsTheTableAndTheResolution) {
  Describe(
      "resolution=2540\nsize=12000,9000\nmargins=100,200,300,400\n"
      "key=10,20,30,40,7\nkey=50,60,70,80,8\nkey=65535,0,1,2,300\n");
  TabletLayout layout;
  ASSERT_TRUE(QueryTabletLayout(layout));
  EXPECT_EQ(layout.nResolution, 2540);
  const CFunctionKeyTable& keys = layout.keys;
  EXPECT_EQ(keys.Width(), 12000);
  EXPECT_EQ(keys.Height(), 9000);
  EXPECT_EQ(keys.MarginLeft(), 100);
  EXPECT_EQ(keys.MarginTop(), 200);
  EXPECT_EQ(keys.MarginRight(), 300);
  EXPECT_EQ(keys.MarginBottom(), 400);
  ASSERT_EQ(keys.KeyCount(), 3);
  const FunctionKeyEntry second = keys.Key(1);
  EXPECT_EQ(second.left, 50);
  EXPECT_EQ(second.top, 60);
  EXPECT_EQ(second.right, 70);
  EXPECT_EQ(second.bottom, 80);
  EXPECT_EQ(second.id, 8);
  EXPECT_EQ(keys.Key(2).left, 65535);  // unsigned 16-bit fields
  EXPECT_EQ(keys.Key(2).id, 300);
  // The raw bytes are little-endian at the documented offsets.
  EXPECT_EQ(keys.Data()[14], 12000 & 0xFF);
  EXPECT_EQ(keys.Data()[15], 12000 >> 8);
  EXPECT_EQ(keys.Data()[20 + 10 + 8], 8);
  EXPECT_EQ(FakeCounter("FakeTabletOpenDevices"), 0);  // every device closed again
}

TEST_F(TabletDriverTest, LayoutQueryFailsWhenAnInfoRecordFails) {
  Describe("resolution=500\nsize=10,10\n");
  TabletLayout layout;
  ASSERT_TRUE(QueryTabletLayout(layout));
  for (const char* failing : {"info=0\n", "hwinfo=0\n", "device=0\n"}) {
    SCOPED_TRACE(failing);
    Describe(std::string("resolution=900\nsize=20,20\n") + failing);
    TabletLayout unchanged = layout;
    EXPECT_FALSE(QueryTabletLayout(unchanged));
    EXPECT_EQ(unchanged.nResolution, 500);
    EXPECT_EQ(unchanged.keys.Width(), 10);
  }
  EXPECT_EQ(FakeCounter("FakeTabletOpenDevices"), 0);
}

TEST_F(TabletDriverTest, RegistryKeyPerFunctionKeyComesFromTheLibrarysStore) {
  Describe("registry=Software\\Tablet Test\n");
  EXPECT_EQ(GetFunctionKeyRegistryKey(5, 0), nullptr);  // not there yet, not created

  HKEY created = GetFunctionKeyRegistryKey(5, 1);
  ASSERT_NE(created, nullptr);
  const BYTE value[2] = {3, 0};
  ASSERT_EQ(RegSetValueExA(created, "Count", 0, REG_BINARY, value, 2), ERROR_SUCCESS);
  RegCloseKey(created);

  // The key the driver handed out is the store's key of that function key.
  HKEY direct = nullptr;
  ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Tablet Test\\FKey5", &direct), ERROR_SUCCESS);
  BYTE read[2] = {};
  DWORD size = sizeof read;
  EXPECT_EQ(RegQueryValueExA(direct, "Count", nullptr, nullptr, read, &size), ERROR_SUCCESS);
  EXPECT_EQ(read[0], 3);
  RegCloseKey(direct);

  HKEY reopened = GetFunctionKeyRegistryKey(5, 0);
  ASSERT_NE(reopened, nullptr);
  size = sizeof read;
  read[0] = 0;
  EXPECT_EQ(RegQueryValueExA(reopened, "Count", nullptr, nullptr, read, &size), ERROR_SUCCESS);
  EXPECT_EQ(read[0], 3);
  RegCloseKey(reopened);

  EXPECT_EQ(GetFunctionKeyRegistryKey(6, 0), nullptr);  // another key is another key
  EXPECT_EQ(FakeCounter("FakeTabletOpenDevices"), 0);
}

TEST_F(TabletDriverTest, BoundOnce) {
  Describe("size=1,1\n");
  ASSERT_TRUE(BindTabletDriver());
  EXPECT_EQ(FakeCounter("FakeTabletOpenCount"), 1);  // binding opens and closes a device
  EXPECT_TRUE(BindTabletDriver());
  TabletLayout layout;
  EXPECT_TRUE(QueryTabletLayout(layout));
  HKEY key = GetFunctionKeyRegistryKey(1, 1);
  ASSERT_NE(key, nullptr);
  RegCloseKey(key);
  // One device for each call, none for a second binding.
  EXPECT_EQ(FakeCounter("FakeTabletOpenCount"), 3);
  EXPECT_EQ(FakeCounter("FakeTabletOpenDevices"), 0);
}

#if !defined(_WIN32)
TEST_F(TabletDriverTest, TheEnvironmentNamesTheDriverFile) {
  ResetTabletDriverForTesting();  // "WINTAB32.DLL" again
  test::SetEnvironment("CORVANE_TABLET_DRIVER", test::FakeTabletDriver());
  EXPECT_TRUE(BindTabletDriver());
  test::SetEnvironment("CORVANE_TABLET_DRIVER", nullptr);
}
#endif

TEST(FunctionKeyTable, KeyCountIsSignedAndBoundedByTheTable) {
  CFunctionKeyTable table;
  struct Case {
    WORD stored;
    int keyCount;
    int usable;
  } cases[] = {{0, 0, 0}, {3, 3, 3}, {256, 256, 256}, {300, 300, 256}, {0xFFFF, -1, 0}, {0x8000, -32768, 0}};
  for (const Case& c : cases) {
    table.SetField(18, c.stored);
    EXPECT_EQ(table.KeyCount(), c.keyCount) << c.stored;
    EXPECT_EQ(table.UsableKeyCount(), c.usable) << c.stored;
  }
  table.SetField(20 + 10 * 255 + 8, 42);
  EXPECT_EQ(table.Key(255).id, 42);
  EXPECT_EQ(table.Key(256).id, 0);
  EXPECT_EQ(table.Key(-1).id, 0);
  EXPECT_EQ(table.Field(kFunctionKeyTableSize - 1), 0);  // a field cut by the end reads 0
}

#if !defined(_WIN32)
TEST(LibraryNames, WindowsNamesMapToSharedObjects) {
  test::SetEnvironment("CORVANE_TABLET_DRIVER", nullptr);
  EXPECT_EQ(MapLibraryName("WINTAB32.DLL"), "libwintab32.so");
  EXPECT_EQ(MapLibraryName("Kernel32.dll"), "libkernel32.so");
  EXPECT_EQ(MapLibraryName("./plugins/Foo.DLL"), "./plugins/Foo.DLL");
  EXPECT_EQ(MapLibraryName(""), "");
  test::SetEnvironment("CORVANE_TABLET_DRIVER", "/opt/tablet/driver.so");
  EXPECT_EQ(MapLibraryName("wintab32.dll"), "/opt/tablet/driver.so");
  EXPECT_EQ(MapLibraryName("other.dll"), "libother.so");
  test::SetEnvironment("CORVANE_TABLET_DRIVER", "");
  EXPECT_EQ(MapLibraryName("WINTAB32.DLL"), "libwintab32.so");
  test::SetEnvironment("CORVANE_TABLET_DRIVER", nullptr);
  EXPECT_EQ(LoadLibraryA("no-such-library-anywhere.dll"), nullptr);
  EXPECT_EQ(GetProcAddress(nullptr, "x"), nullptr);
  EXPECT_FALSE(FreeLibrary(nullptr));
}
#endif

}  // namespace
}  // namespace corvane
