// The registry functions of the Windows build: the platform's registry, with
// texts in UTF-8 on the library's side.  Every test works below a private key
// (ScopedRegistryFile redirects the roots) so the user's registry is untouched.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "support/TestSupport.h"
#include "system/Registry.h"

namespace {
// Named before <windows.h> makes these names macros.
corvane::HKEY CurrentUser() { return corvane::HKEY_CURRENT_USER; }
corvane::HKEY LocalMachine() { return corvane::HKEY_LOCAL_MACHINE; }
}  // namespace

// Last: its macros would rewrite the system layer's declarations.
#include <windows.h>

namespace {

using corvane::test::ScopedRegistryFile;
namespace reg = corvane;

const char kChinese[] = "\xE5\x84\xB2\xE5\xAD\x98";  // 儲存
const char kKey[] = "Software\\Corvane\\Keys\\Key01";

class RegistryBackend : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(reg::RegCreateKeyA(CurrentUser(), kKey, &key), 0);
    ASSERT_NE(key, nullptr);
  }
  void TearDown() override {
    if (key) reg::RegCloseKey(key);
  }
  ScopedRegistryFile isolated{""};
  reg::HKEY key = nullptr;
};

TEST_F(RegistryBackend, TextsAreStoredWithoutTerminatorAndReadBackAsUtf8) {
  const std::string text = std::string("Save ") + kChinese;
  ASSERT_EQ(reg::RegSetValueExA(key, "Name", 0, 1 /*REG_SZ*/, reinterpret_cast<const BYTE*>(text.data()),
                                static_cast<reg::DWORD>(text.size())),
            0);
  // The platform holds the characters themselves, in UTF-16: 7 units, no
  // terminating zero, as written.
  wchar_t wide[16];
  DWORD type = 0, bytes = sizeof wide;
  ASSERT_EQ(RegQueryValueExW(reinterpret_cast<HKEY>(key), L"Name", nullptr, &type, reinterpret_cast<BYTE*>(wide),
                             &bytes),
            0);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(bytes, 7 * sizeof(wchar_t));
  EXPECT_EQ(std::wstring(wide, 7), L"Save \x5132\x5B58");

  // Read back as the library does, with room for 256 bytes.
  char buffer[256];
  std::memset(buffer, 0, sizeof buffer);
  reg::DWORD size = sizeof buffer, readType = 0;
  ASSERT_EQ(reg::RegQueryValueExA(key, "Name", nullptr, &readType, reinterpret_cast<BYTE*>(buffer), &size), 0);
  EXPECT_EQ(readType, 1u);
  EXPECT_EQ(size, text.size());
  EXPECT_EQ(std::string(buffer, size), text);

  // Asking for the size, and too small a buffer, answer the UTF-8 size.
  size = 0;
  EXPECT_EQ(reg::RegQueryValueExA(key, "Name", nullptr, nullptr, nullptr, &size), 0);
  EXPECT_EQ(size, text.size());
  size = 4;
  EXPECT_EQ(reg::RegQueryValueExA(key, "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size), 234);
  EXPECT_EQ(size, text.size());
}

TEST_F(RegistryBackend, TextsKeepExactlyTheBytesTheyWereWrittenWith) {
  const wchar_t stored[] = L"abc";  // stored with its zero, as most programs do
  ASSERT_EQ(RegSetValueExW(reinterpret_cast<HKEY>(key), L"Old", 0, REG_SZ, reinterpret_cast<const BYTE*>(stored),
                           sizeof stored),
            0);
  char buffer[8];
  reg::DWORD size = sizeof buffer;
  ASSERT_EQ(reg::RegQueryValueExA(key, "Old", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size), 0);
  EXPECT_EQ(std::string(buffer, size), std::string("abc", 4));
  // Written with a zero, read with it; empty stays empty; an inner zero stays.
  const std::pair<const char*, std::string> cases[] = {
      {"WithZero", std::string("NO\0", 3)}, {"Empty", std::string()}, {"Inner", std::string("a\0b", 3)}};
  for (const auto& [name, bytes] : cases) {
    ASSERT_EQ(reg::RegSetValueExA(key, name, 0, 1, reinterpret_cast<const BYTE*>(bytes.data()),
                                  static_cast<reg::DWORD>(bytes.size())),
              0);
    size = sizeof buffer;
    ASSERT_EQ(reg::RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size), 0);
    EXPECT_EQ(std::string(buffer, size), bytes) << name;
  }
}

TEST_F(RegistryBackend, NumbersAreRawLittleEndianBytesOfTheirOwnSize) {
  const std::uint16_t two = 0x0102;
  const std::uint32_t four = 0xA0B0C0D0u;
  ASSERT_EQ(reg::RegSetValueExA(key, "Two", 0, 3 /*REG_BINARY*/, reinterpret_cast<const BYTE*>(&two), 2), 0);
  ASSERT_EQ(reg::RegSetValueExA(key, "Four", 0, 3, reinterpret_cast<const BYTE*>(&four), 4), 0);
  BYTE buffer[8] = {};
  reg::DWORD size = sizeof buffer, type = 0;
  ASSERT_EQ(reg::RegQueryValueExA(key, "Two", nullptr, &type, buffer, &size), 0);
  EXPECT_EQ(type, 3u);
  ASSERT_EQ(size, 2u);
  EXPECT_EQ(buffer[0], 0x02);
  EXPECT_EQ(buffer[1], 0x01);
  // A value of the wrong size is reported, not stretched: a 2-byte buffer
  // for the 4-byte value answers ERROR_MORE_DATA and the size.
  size = 2;
  EXPECT_EQ(reg::RegQueryValueExA(key, "Four", nullptr, &type, buffer, &size), 234);
  EXPECT_EQ(size, 4u);
  size = 4;
  ASSERT_EQ(reg::RegQueryValueExA(key, "Four", nullptr, &type, buffer, &size), 0);
  std::uint32_t back = 0;
  std::memcpy(&back, buffer, 4);
  EXPECT_EQ(back, four);
}

TEST_F(RegistryBackend, KeysOpenDeleteAndReportMissingValues) {
  reg::HKEY opened = nullptr;
  EXPECT_EQ(reg::RegOpenKeyA(CurrentUser(), "software\\CORVANE\\keys\\key01", &opened), 0);  // any case
  ASSERT_NE(opened, nullptr);
  reg::DWORD size = 0;
  EXPECT_EQ(reg::RegQueryValueExA(opened, "Nothing", nullptr, nullptr, nullptr, &size), 2);
  reg::RegCloseKey(opened);

  reg::HKEY sub = nullptr;
  ASSERT_EQ(reg::RegCreateKeyA(key, kChinese, &sub), 0);
  reg::RegCloseKey(sub);
  EXPECT_EQ(reg::RegOpenKeyExA(key, kChinese, 0, KEY_READ, &sub), 0);
  reg::RegCloseKey(sub);
  EXPECT_EQ(reg::RegDeleteKeyA(key, kChinese), 0);
  EXPECT_EQ(reg::RegOpenKeyExA(key, kChinese, 0, KEY_READ, &sub), 2);
  EXPECT_EQ(sub, nullptr);
  EXPECT_EQ(reg::RegOpenKeyA(LocalMachine(), "Software\\Nowhere", &sub), 2);
}

TEST(RegistryIsolation, TestsNeverSeeTheUsersRegistry) {
  reg::HKEY key = nullptr;
  {
    ScopedRegistryFile isolated("");
    ASSERT_EQ(reg::RegCreateKeyA(CurrentUser(), "Software\\CorvaneIsolationProbe", &key), 0);
    reg::RegCloseKey(key);
  }
  EXPECT_EQ(reg::RegOpenKeyA(CurrentUser(), "Software\\CorvaneIsolationProbe", &key), 2);
}

}  // namespace
