// The registry functions of the Linux build (the REGEDIT4 file store)
// against those of the Windows build (the platform's registry): the same
// writes and reads through both must answer the same statuses, types, sizes
// and bytes, for the value types and sizes the library uses.  The Linux side
// is also read again from its file, so what it saved round-trips.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "LinuxRegistryFunctions.h"
#include "support/TestSupport.h"
#include "system/Registry.h"
#include "system/RegistryStore.h"

namespace corvane {
namespace {

struct Functions {
  HKEY root;
  LSTATUS (*createKey)(HKEY, LPCSTR, HKEY*);
  LSTATUS (*openKey)(HKEY, LPCSTR, HKEY*);
  LSTATUS (*queryValue)(HKEY, LPCSTR, LPDWORD, LPBYTE, LPDWORD);
  LSTATUS (*setValue)(HKEY, LPCSTR, DWORD, const BYTE*, DWORD);
  LSTATUS (*deleteKey)(HKEY, LPCSTR);
  LSTATUS (*closeKey)(HKEY);
};

Functions Platform() {
  return {HKEY_CURRENT_USER,
          &RegCreateKeyA,
          &RegOpenKeyA,
          [](HKEY key, LPCSTR name, LPDWORD type, LPBYTE data, LPDWORD size) {
            return RegQueryValueExA(key, name, nullptr, type, data, size);
          },
          [](HKEY key, LPCSTR name, DWORD type, const BYTE* data, DWORD size) {
            return RegSetValueExA(key, name, 0, type, data, size);
          },
          &RegDeleteKeyA,
          &RegCloseKey};
}

Functions LinuxStore() {
  namespace l = linux_registry;
  return {l::CurrentUser, &l::CreateKey, &l::OpenKey, &l::QueryValue, &l::SetValue, &l::DeleteKey, &l::CloseKey};
}

struct Value {
  const char* name;
  DWORD type;
  std::string bytes;
};

std::string Binary(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 1);
  return bytes;
}

// What the library stores: texts with and without their zero, in any
// language, with the characters the file format escapes; numbers; binary
// blocks up to the size of a saved macro list.
const std::vector<Value>& Values() {
  static const std::vector<Value> values = {
      {"Brand", REG_SZ, std::string("NO\0", 3)},
      {"Bare", REG_SZ, "NO"},
      {"Empty", REG_SZ, ""},
      {"OnlyZero", REG_SZ, std::string(1, '\0')},
      {"Inner", REG_SZ, std::string("a\0b", 3)},
      {"Chinese", REG_SZ, std::string("\xE5\x84\xB2\xE5\xAD\x98\0", 7)},   // 儲存
      {"Korean", REG_SZ, "\xED\x8C\x8C\xEC\x9D\xBC"},                       // 파일
      {"Simplified", REG_SZ, std::string("\xE4\xBF\x9D\xE5\xAD\x98\0", 7)},  // 保存
      {"Escapes", REG_SZ, std::string("say \"hi\" \\ C:\\x=1;[a]\0", 24)},
      {"Long", REG_SZ, std::string(3000, 'x') + std::string(1, '\0')},
      {"Path", REG_EXPAND_SZ, std::string("%APPDATA%\\Scribora\\\0", 20)},
      {"Main", REG_DWORD, std::string("\x02\x00\x00\x00", 4)},
      {"All", REG_DWORD, std::string("\xFF\xFF\xFF\xFF", 4)},
      {"Short", REG_DWORD, std::string("\x01\x02", 2)},
      {"Nothing", REG_BINARY, ""},
      {"One", REG_BINARY, Binary(1)},
      {"Three", REG_BINARY, Binary(3)},
      {"Block", REG_BINARY, Binary(4096)},
      {"", REG_SZ, std::string("default\0", 8)},
      {"\xE5\x90\x8D\xE7\xA8\xB1 name", REG_SZ, std::string("named in Chinese\0", 17)},  // 名稱
  };
  return values;
}

std::string Hex(const BYTE* data, DWORD size) {
  std::string out;
  char byte[4];
  for (DWORD i = 0; i < size; ++i) {
    std::snprintf(byte, sizeof byte, "%02x", data[i]);
    out += byte;
  }
  return out;
}

// Every value read back in the ways the library reads: its size alone, into
// a buffer of that size, and into one byte less.  Names are asked for in
// other letter case too.
void ReadAll(const Functions& f, HKEY key, std::vector<std::string>& log) {
  for (const Value& value : Values()) {
    std::string name = value.name;
    if (name == "Brand") name = "BRAND";
    const std::string prefix = "\"" + name + "\": ";
    DWORD type = 0xDEAD, size = 0;
    LSTATUS status = f.queryValue(key, name.c_str(), &type, nullptr, &size);
    log.push_back(prefix + "size " + std::to_string(status) + " type " + std::to_string(type) + " size " +
                  std::to_string(size));
    std::vector<BYTE> buffer(size + 8, 0xCC);
    DWORD got = size;
    type = 0xDEAD;
    status = f.queryValue(key, name.c_str(), &type, buffer.data(), &got);
    log.push_back(prefix + "read " + std::to_string(status) + " type " + std::to_string(type) + " size " +
                  std::to_string(got) + " " + Hex(buffer.data(), got) + " then " + Hex(buffer.data() + got, 1));
    if (size > 0) {
      got = size - 1;
      status = f.queryValue(key, name.c_str(), nullptr, buffer.data(), &got);
      log.push_back(prefix + "short " + std::to_string(status) + " size " + std::to_string(got));
    }
  }
  DWORD size = 0;
  log.push_back("missing: " + std::to_string(f.queryValue(key, "Missing", nullptr, nullptr, &size)));
}

std::vector<std::string> WriteAndRead(const Functions& f) {
  std::vector<std::string> log;
  HKEY key = nullptr;
  log.push_back("create " + std::to_string(f.createKey(f.root, "Software\\Corvane\\Diff\\Key01", &key)));
  for (const Value& value : Values())
    log.push_back(std::string("set \"") + value.name + "\" " +
                  std::to_string(f.setValue(key, value.name, value.type,
                                            reinterpret_cast<const BYTE*>(value.bytes.data()),
                                            static_cast<DWORD>(value.bytes.size()))));
  ReadAll(f, key, log);
  // Overwriting a value with another type and size.
  log.push_back("retype " + std::to_string(f.setValue(key, "Main", REG_SZ, reinterpret_cast<const BYTE*>("2"), 2)));
  DWORD type = 0, size = 8;
  BYTE buffer[8] = {};
  log.push_back("retyped " + std::to_string(f.queryValue(key, "Main", &type, buffer, &size)) + " type " +
                std::to_string(type) + " " + Hex(buffer, size));
  f.closeKey(key);
  return log;
}

std::vector<std::string> Keys(const Functions& f) {
  std::vector<std::string> log;
  HKEY key = nullptr, sub = nullptr, deleted = nullptr;
  log.push_back("create nested " + std::to_string(f.createKey(f.root, "Software\\Corvane\\Diff\\A\\B", &sub)));
  f.closeKey(sub);
  log.push_back("open other case " + std::to_string(f.openKey(f.root, "software\\CORVANE\\diff\\a", &key)));
  sub = reinterpret_cast<HKEY>(1);
  const LSTATUS missing = f.openKey(f.root, "Software\\Corvane\\Diff\\Nowhere", &sub);
  log.push_back("open missing " + std::to_string(missing) + (sub ? " handle" : " null"));
  log.push_back("delete with subkey " + std::to_string(f.deleteKey(f.root, "Software\\Corvane\\Diff\\A")));
  log.push_back("open leaf " + std::to_string(f.openKey(key, "B", &deleted)));
  log.push_back("delete leaf " + std::to_string(f.deleteKey(key, "B")));
  DWORD size = 0;
  const BYTE one = 1;
  log.push_back("write to deleted " + std::to_string(f.setValue(deleted, "X", REG_BINARY, &one, 1)));
  log.push_back("read from deleted " + std::to_string(f.queryValue(deleted, "X", nullptr, nullptr, &size)));
  log.push_back("open deleted " + std::to_string(f.openKey(key, "B", &sub)));
  f.closeKey(deleted);
  f.closeKey(key);
  return log;
}

class RegistryDifferential : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* previous = std::getenv("CORVANE_REGISTRY");
    if (previous) m_previous = previous;
    _putenv_s("CORVANE_REGISTRY", m_file.c_str());
    RegistryStore::Reset();
  }
  void TearDown() override {
    RegistryStore::Reset();
    _putenv_s("CORVANE_REGISTRY", m_previous.c_str());
  }
  test::ScopedRegistryFile m_isolated{""};  // the platform's side, below a private key
  test::TempDir m_dir;
  std::string m_file = m_dir.file("registry.reg");
  std::string m_previous;
};

TEST_F(RegistryDifferential, ValuesReadBackTheSameFromTheFileStoreAndThePlatform) {
  const std::vector<std::string> platform = WriteAndRead(Platform());
  const std::vector<std::string> store = WriteAndRead(LinuxStore());
  ASSERT_GT(platform.size(), 3 * Values().size());
  EXPECT_EQ(store, platform);

  // Saved and read again from the file: the same once more.
  ASSERT_FALSE(test::ReadFile(m_file).empty());
  RegistryStore::Reset();
  std::vector<std::string> platformAgain, storeAgain;
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Corvane\\Diff\\Key01", &key), 0);
  ReadAll(Platform(), key, platformAgain);
  RegCloseKey(key);
  ASSERT_EQ(linux_registry::OpenKey(linux_registry::CurrentUser, "Software\\Corvane\\Diff\\Key01", &key), 0);
  ReadAll(LinuxStore(), key, storeAgain);
  linux_registry::CloseKey(key);
  EXPECT_EQ(storeAgain, platformAgain);
}

TEST_F(RegistryDifferential, KeysOpenCreateAndDeleteTheSame) {
  EXPECT_EQ(Keys(LinuxStore()), Keys(Platform()));
}

}  // namespace
}  // namespace corvane
