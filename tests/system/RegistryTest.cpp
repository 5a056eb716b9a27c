#include "system/Registry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "system/RegistryFile.h"
#include "system/RegistryStore.h"
#include "system/WriteBatch.h"

namespace corvane {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

struct Registry : ::testing::Test {
  TempDir dir;
  std::string file = dir.file("registry.reg");
  test::ScopedRegistryFile scoped{file};
  std::vector<HKEY> opened;

  void TearDown() override {
    for (HKEY key : opened) RegCloseKey(key);
    RegistryStore::Reset();
  }

  HKEY Create(HKEY parent, const char* path) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyA(parent, path, &key), ERROR_SUCCESS) << path;
    opened.push_back(key);
    return key;
  }
  static void Set(HKEY key, const char* name, DWORD type, const std::string& bytes) {
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
  }
  // Type and exact bytes of a value, read with a buffer of 256 bytes.
  static std::pair<DWORD, std::string> Get(HKEY key, const char* name) {
    BYTE buffer[256];
    DWORD type = 0, size = sizeof buffer;
    LSTATUS status = RegQueryValueExA(key, name, nullptr, &type, buffer, &size);
    if (status != ERROR_SUCCESS) return {0xFFFFFFFF, "status " + std::to_string(status)};
    return {type, std::string(reinterpret_cast<char*>(buffer), size)};
  }
  // Forgets everything cached, so the next call reads the file again.
  static void Reload() { RegistryStore::Reset(); }
};

TEST_F(Registry, ValuesKeepTheirTypesBytesAndSizesInTheFile) {
  HKEY key = Create(HKEY_CURRENT_USER, "Software\\Corvane\\Actions");
  const std::string binary4("\x01\x00\x00\x80", 4);
  struct Case {
    const char* name;
    DWORD type;
    std::string bytes;
  } cases[] = {
      {"Unterminated", REG_SZ, "Notepad"},
      {"Terminated", REG_SZ, std::string("C:\\Program Files\\\"x\"\0", 21)},
      {"Empty", REG_SZ, ""},
      {"JustZero", REG_SZ, std::string("\0", 1)},
      {"Lines", REG_SZ, "one\r\ntwo"},
      {"Embedded", REG_SZ, std::string("a\0b\0", 4)},
      {"Word", REG_BINARY, std::string("\x2A\x00", 2)},
      {"Long", REG_BINARY, binary4},
      {"Dword", REG_DWORD, std::string("\x78\x56\x34\x12", 4)},
      {"ShortDword", REG_DWORD, std::string("\x01\x02", 2)},
      {"Other", 11, std::string("\x00\xFF", 2)},
      {"", REG_SZ, std::string("default\0", 8)},
      {"Quote\"And\\Slash", REG_SZ, "v"},
  };
  for (const Case& c : cases) Set(key, c.name, c.type, c.bytes);

  Reload();
  HKEY again = Create(HKEY_CURRENT_USER, "software\\CORVANE\\actions");
  for (const Case& c : cases) {
    auto [type, bytes] = Get(again, c.name);
    EXPECT_EQ(type, c.type) << c.name;
    EXPECT_EQ(bytes, c.bytes) << c.name;
  }
  const std::string text = ReadFile(file);
  EXPECT_EQ(text.rfind("REGEDIT4\r\n", 0), 0u);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Corvane\\Actions]\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"Unterminated\"=hex(1):4e,6f,74,65,70,61,64\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"Terminated\"=\"C:\\\\Program Files\\\\\\\"x\\\"\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"Dword\"=dword:12345678\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"Word\"=hex:2a,00\r\n"), std::string::npos);
  EXPECT_NE(text.find("@=\"default\"\r\n"), std::string::npos);
}

TEST_F(Registry, QueryFollowsTheWin32SizeRules) {
  HKEY key = Create(HKEY_CURRENT_USER, "Software\\Q");
  Set(key, "Name", REG_SZ, "abcdef");
  DWORD type = 0, size = 0;
  // No buffer: the size is reported.
  EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(type, REG_SZ);
  // Too small: ERROR_MORE_DATA with the size needed, the buffer untouched.
  char buffer[8] = "-------";
  size = 3;
  EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 6u);
  EXPECT_STREQ(buffer, "-------");
  // A buffer without a size is refused.
  EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, &type, reinterpret_cast<BYTE*>(buffer), nullptr),
            ERROR_INVALID_PARAMETER);
  // Value names compare without case.
  size = sizeof buffer;
  EXPECT_EQ(RegQueryValueExA(key, "NAME", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
  EXPECT_EQ(std::string(buffer, size), "abcdef");
  // Missing values; the default value under a null and an empty name.
  EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegQueryValueExA(key, nullptr, nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  Set(key, nullptr, REG_SZ, std::string("d\0", 2));
  EXPECT_EQ(Get(key, "").second, std::string("d\0", 2));
  EXPECT_EQ(Get(key, nullptr).second, std::string("d\0", 2));
  // Replacing a value changes type and size.
  Set(key, "name", REG_BINARY, std::string("\x05\x00", 2));
  EXPECT_EQ(Get(key, "Name"), (std::pair<DWORD, std::string>{REG_BINARY, std::string("\x05\x00", 2)}));
}

TEST_F(Registry, OpeningAMissingKeyFailsWithoutCreatingIt) {
  HKEY key = reinterpret_cast<HKEY>(1);
  EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Nothing", &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, nullptr);
  EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Nothing", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  struct stat info;
  EXPECT_NE(::stat(file.c_str(), &info), 0) << "the file must not be created by a failed open";

  Create(HKEY_LOCAL_MACHINE, "Software\\Present");
  EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\present", 0, KEY_READ, &key), ERROR_SUCCESS);
  opened.push_back(key);
  EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Present", &key), ERROR_FILE_NOT_FOUND)
      << "the hives are separate";
  // Opening a key that exists rewrites nothing.
  const std::string before = ReadFile(file);
  Create(HKEY_LOCAL_MACHINE, "Software\\Present");
  EXPECT_EQ(ReadFile(file), before);
}

TEST_F(Registry, EmptySubkeysAnswerTheSameOrANewHandle) {
  HKEY key = Create(HKEY_CURRENT_USER, "Software\\Same");
  HKEY same = nullptr;
  EXPECT_EQ(RegCreateKeyA(key, "", &same), ERROR_SUCCESS);
  EXPECT_EQ(same, key);
  EXPECT_EQ(RegOpenKeyA(key, nullptr, &same), ERROR_SUCCESS);
  EXPECT_EQ(same, key);
  HKEY fresh = nullptr;
  EXPECT_EQ(RegOpenKeyExA(key, "", 0, KEY_READ, &fresh), ERROR_SUCCESS);
  EXPECT_NE(fresh, key);
  EXPECT_EQ(RegCloseKey(fresh), ERROR_SUCCESS);
  EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, nullptr, 0, KEY_READ, &fresh), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(fresh), ERROR_SUCCESS);
}

TEST_F(Registry, DeleteRefusesKeysWithSubkeys) {
  HKEY software = Create(HKEY_CURRENT_USER, "Software");
  HKEY leaf = Create(HKEY_CURRENT_USER, "Software\\Parent\\Leaf");
  Set(leaf, "v", REG_SZ, "x");
  EXPECT_EQ(RegDeleteKeyA(software, "Parent"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteKeyA(software, "Parent\\Missing"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyA(software, nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegDeleteKeyA(software, "PARENT\\leaf"), ERROR_SUCCESS);
  // The open handle of the deleted key answers that its key is gone.
  EXPECT_EQ(RegQueryValueExA(leaf, "v", nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
  EXPECT_EQ(RegSetValueExA(leaf, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("y"), 1), ERROR_KEY_DELETED);
  EXPECT_EQ(RegDeleteKeyA(software, "Parent"), ERROR_SUCCESS);
  Reload();
  HKEY key;
  EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Parent", &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software", &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(Registry, HandlesSurviveChangesOfOtherKeysAndOfTheFile) {
  HKEY a = Create(HKEY_CURRENT_USER, "Software\\A");
  Set(a, "n", REG_SZ, "1");
  HKEY b = Create(HKEY_CURRENT_USER, "Software\\B");
  for (int i = 0; i < 50; ++i) Create(HKEY_CURRENT_USER, ("Software\\B\\" + std::to_string(i)).c_str());
  EXPECT_EQ(RegDeleteKeyA(b, "7"), ERROR_SUCCESS);
  EXPECT_EQ(Get(a, "n").second, "1");
  // Another process replaces the file: the handle reads the new content.
  WriteFile(file, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"n\"=\"2\"\n");
  EXPECT_EQ(Get(a, "n").second, std::string("2\0", 2));
  // And rewritten in place to the same size, at once: still seen.
  WriteFile(file, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"n\"=\"3\"\n");
  EXPECT_EQ(Get(a, "n").second, std::string("3\0", 2));
}

TEST_F(Registry, BadHandlesAndAccessAreRefused) {
  HKEY key = Create(HKEY_CURRENT_USER, "Software\\H");
  HKEY reader = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\H", 0, KEY_READ, &reader), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(reader, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 1), ERROR_ACCESS_DENIED);
  HKEY writer = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\H", 0, KEY_WRITE, &writer), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(writer, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 1), ERROR_SUCCESS);
  EXPECT_EQ(RegQueryValueExA(writer, "v", nullptr, nullptr, nullptr, nullptr), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegQueryValueExA(reader, "v", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(reader), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(writer), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(reader), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegQueryValueExA(reader, "v", nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
  HKEY bogus = reinterpret_cast<HKEY>(0x1234);
  EXPECT_EQ(RegCreateKeyA(bogus, "x", &key), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegSetValueExA(key, "v", 0, REG_SZ, nullptr, 4), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegSetValueExA(key, "two\nlines", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 1),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, std::string(256, 'k').c_str(), &key), ERROR_INVALID_PARAMETER);
}

TEST_F(Registry, WritesInsideABatchReachTheDiskOnceAtItsEnd) {
  HKEY key = Create(HKEY_CURRENT_USER, "Software\\Batch");
  const std::string before = ReadFile(file);
  {
    WriteBatch batch;
    for (int i = 0; i < 100; ++i) Set(key, ("v" + std::to_string(i)).c_str(), REG_SZ, std::to_string(i));
    EXPECT_EQ(Get(key, "v42").second, "42");
    EXPECT_EQ(ReadFile(file), before) << "nothing is written while the batch is open";
  }
  Reload();
  HKEY again = Create(HKEY_CURRENT_USER, "Software\\Batch");
  EXPECT_EQ(Get(again, "v99").second, "99");
}

TEST_F(Registry, ABatchKeepsWhatAnotherProcessWroteMeanwhile) {
  HKEY key = Create(HKEY_CURRENT_USER, "Software\\Ours");
  {
    WriteBatch batch;
    Set(key, "mine", REG_SZ, "1");
    WriteFile(file, "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Theirs]\r\n\"their\"=dword:00000007\r\n");
  }
  const std::string text = ReadFile(file);
  EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\Software\\Theirs]"), std::string::npos);
  EXPECT_NE(text.find("\"mine\"=hex(1):31"), std::string::npos);
}

TEST_F(Registry, LongBinaryValuesWrapAndReadBack) {
  HKEY key = Create(HKEY_CURRENT_USER, "Software\\Wide");
  std::string bytes;
  for (int i = 0; i < 200; ++i) bytes += static_cast<char>(i * 7);
  BYTE big[200];
  std::memcpy(big, bytes.data(), 200);
  ASSERT_EQ(RegSetValueExA(key, "Blob", 0, REG_BINARY, big, 200), ERROR_SUCCESS);
  const std::string text = ReadFile(file);
  size_t longest = 0, start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    longest = std::max(longest, end - start);
  EXPECT_LE(longest, 80u);
  Reload();
  BYTE out[200];
  DWORD size = sizeof out;
  ASSERT_EQ(RegQueryValueExA(key, "Blob", nullptr, nullptr, out, &size), ERROR_SUCCESS);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(out), size), bytes);
}

// Damaged files: each is read as far as it makes sense; a write then keeps
// every key and value that could be read, and the damaged original is kept
// beside the file.
TEST_F(Registry, DamagedFilesReadAsFarAsTheyMakeSense) {
  struct Case {
    const char* what;
    std::string content;
    const char* key;
    const char* value;
    std::string expected;  // empty: the value must be missing
  } cases[] = {
      {"binary garbage between keys",
       std::string("REGEDIT4\n\n\x01\x02\xff\xfe\0\0garbage\n", 24) + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"1\"\n", "K", "a",
       std::string("1\0", 2)},
      {"missing closing bracket", "REGEDIT4\n[HKEY_CURRENT_USER\\K\n\"a\"=\"1\"\n", "K", "a", std::string("1\0", 2)},
      {"missing opening bracket", "REGEDIT4\nHKEY_CURRENT_USER\\K]\n\"a\"=dword:00000002\n", "K", "a",
       std::string("\x02\0\0\0", 4)},
      {"no line ends", "REGEDIT4", "K", "a", ""},
      {"no final line end", "REGEDIT4\r\n[HKEY_CURRENT_USER\\K]\r\n\"a\"=hex:01,02", "K", "a", "\x01\x02"},
      {"overlong line", "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"big\"=\"" + std::string(300000, 'x') + "\"\n\"a\"=\"1\"\n",
       "K", "a", std::string("1\0", 2)},
      {"broken hex value", "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"a\"=hex:01,zz\n\"b\"=\"2\"\n", "K", "a", ""},
      {"unterminated string", "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"a\"=\"open\n", "K", "a", std::string("open\0", 5)},
      {"value before any key", "\"a\"=\"1\"\n[HKEY_CURRENT_USER\\K]\n", "K", "a", ""},
      {"continued hex at the end", "[HKEY_CURRENT_USER\\K]\n\"a\"=hex:01,\\\n  02,\\", "K", "a", "\x01\x02"},
      {"bad dword", "[HKEY_CURRENT_USER\\K]\n\"a\"=dword:xyz\n", "K", "a", ""},
      {"stray continuation before a key", "[HKEY_CURRENT_USER\\J]\n\"b\"=hex:01,\\\n[HKEY_CURRENT_USER\\K]\n\"a\"=\"1\"\n",
       "K", "a", std::string("1\0", 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(file, c.content);
    Reload();
    HKEY key = nullptr;
    const LSTATUS opened = RegOpenKeyA(HKEY_CURRENT_USER, c.key, &key);
    if (c.expected.empty()) {
      if (opened == ERROR_SUCCESS) {
        EXPECT_EQ(RegQueryValueExA(key, c.value, nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
      }
    } else {
      ASSERT_EQ(opened, ERROR_SUCCESS);
      std::string readable = Get(key, c.value).second;
      EXPECT_EQ(readable, c.expected);
      // A write elsewhere keeps what was readable.
      HKEY other = Create(HKEY_CURRENT_USER, "Other");
      Set(other, "x", REG_SZ, "y");
      Reload();
      EXPECT_EQ(Get(key, c.value).second, c.expected);
    }
    if (key) RegCloseKey(key);
  }
}

TEST_F(Registry, ADamagedFileIsKeptBesideItsReplacement) {
  const std::string damaged = "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"a\"=\"1\"\n\x01\x02 not a line\n";
  WriteFile(file, damaged);
  Create(HKEY_CURRENT_USER, "New");
  EXPECT_EQ(ReadFile(file + ".damaged"), damaged);
  EXPECT_NE(ReadFile(file).find("[HKEY_CURRENT_USER\\K]"), std::string::npos);
}

TEST_F(Registry, HandWrittenFilesRead) {
  WriteFile(file,
            "\xEF\xBB\xBFREGEDIT4\r\n; a comment\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\"
            "CurrentVersion\\App Paths\\Scribora.exe]\r\n@=\"C:\\\\Scribora\\\\Scribora.exe\"\r\n"
            "  \"Path\" = \"C:\\\\Scribora\"\r\n\"Version\"=hex(4):01,00,00,00\r\n");
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\scribora.exe", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  opened.push_back(key);
  EXPECT_EQ(Get(key, nullptr).second, std::string("C:\\Scribora\\Scribora.exe\0", 25));
  EXPECT_EQ(Get(key, "path").second, std::string("C:\\Scribora\0", 12));
  EXPECT_EQ(Get(key, "Version"), (std::pair<DWORD, std::string>{REG_DWORD, std::string("\x01\0\0\0", 4)}));
}

TEST(RegistryUnwritable, AFailedSaveIsReportedAndChangesNothing) {
  TempDir dir;
  WriteFile(dir.file("blocker"), "a file where a folder should be");
  test::ScopedRegistryFile scoped(dir.file("blocker/registry.reg"));
  HKEY key = reinterpret_cast<HKEY>(1);
  EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\X", &key), ERROR_REGISTRY_IO_FAILED);
  EXPECT_EQ(key, nullptr);
  EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\X", &key), ERROR_FILE_NOT_FOUND);
  RegistryStore::Reset();
}

TEST(RegistryPath, FollowsTheEnvironment) {
  TempDir dir;
  const char* saved = std::getenv("CORVANE_REGISTRY");
  std::string savedRegistry = saved ? saved : "";
  const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
  std::string savedXdg = savedConfig ? savedConfig : "";
  unsetenv("CORVANE_REGISTRY");
  setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
  EXPECT_EQ(RegistryStore::FilePath(), dir.file("corvane/registry.reg"));
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Corvane", &key), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_NE(ReadFile(dir.file("corvane/registry.reg")).find("[HKEY_CURRENT_USER\\Software\\Corvane]"),
            std::string::npos)
      << "the folder is created on the first save";
  unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(RegistryStore::FilePath(), "/home/someone/.config/corvane/registry.reg");
  setenv("CORVANE_REGISTRY", "/elsewhere/r.reg", 1);
  EXPECT_EQ(RegistryStore::FilePath(), "/elsewhere/r.reg");
  if (saved)
    setenv("CORVANE_REGISTRY", savedRegistry.c_str(), 1);
  else
    unsetenv("CORVANE_REGISTRY");
  if (savedConfig) setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
  RegistryStore::Reset();
}

TEST(RegistryFileText, RoundTripsNamesAndKeysWithSpecialCharacters) {
  RegistryFile hives;
  RegistryKey& key = hives.Create("HKEY_CURRENT_USER", RegistryFile::SplitPath("Software\\[odd] \"name\"\\x"));
  key.SetValue("with \"quotes\" and \\", 1, std::string("tab\there\0", 9));
  key.SetValue("@", 3, "");
  hives.Create("HKEY_LOCAL_MACHINE", {});
  const std::string text = hives.Serialize();
  RegistryFile back = RegistryFile::Parse(text);
  EXPECT_EQ(back.DamagedLines(), 0u);
  EXPECT_EQ(back.Serialize(), text);
  const RegistryKey* found = back.Find("hkey_current_user", {"SOFTWARE", "[odd] \"name\"", "X"});
  ASSERT_NE(found, nullptr);
  ASSERT_NE(found->FindValue("WITH \"quotes\" AND \\"), nullptr);
  EXPECT_EQ(found->FindValue("with \"quotes\" and \\")->data, std::string("tab\there\0", 9));
  ASSERT_NE(found->FindValue("@"), nullptr);
  EXPECT_EQ(found->FindValue(""), nullptr);
}

// A key that holds nothing, also a root, is still there after a save.
TEST(RegistryFileText, EmptyKeysAndRootsSurviveASave) {
  for (const char* input : {"REGEDIT4\n\n[HKEY_CURRENT_USER", "[HKEY_LOCAL_MACHINE]\n[HKEY_CURRENT_USER\\A\\B]\n"}) {
    SCOPED_TRACE(input);
    const RegistryFile first = RegistryFile::Parse(input);
    const RegistryFile back = RegistryFile::Parse(first.Serialize());
    EXPECT_EQ(back.DamagedLines(), 0u);
    for (const char* root : {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"})
      EXPECT_EQ(back.Find(root, {}) != nullptr, first.Find(root, {}) != nullptr) << root;
    EXPECT_EQ(back.Find("HKEY_CURRENT_USER", {"a", "b"}) != nullptr, first.Find("HKEY_CURRENT_USER", {"A", "B"}) != nullptr);
    EXPECT_EQ(back.Serialize(), first.Serialize());
  }
}

// Blanks at the end of a key's name (also of a key in the middle of a path)
// are part of the name and survive a save.
TEST(RegistryFileText, KeyNamesKeepTheirBlanks) {
  RegistryFile hives;
  hives.Create("HKEY_CURRENT_USER", {"A ", "B\t"}).SetValue("v", 4, std::string(4, '\1'));
  hives.Create("HKEY_CURRENT_USER", {"A", " "});
  const RegistryFile back = RegistryFile::Parse(hives.Serialize());
  EXPECT_EQ(back.DamagedLines(), 0u);
  ASSERT_NE(back.Find("HKEY_CURRENT_USER", {"A ", "B\t"}), nullptr);
  EXPECT_NE(back.Find("HKEY_CURRENT_USER", {"A ", "B\t"})->FindValue("v"), nullptr);
  EXPECT_NE(back.Find("HKEY_CURRENT_USER", {"A", " "}), nullptr);
  EXPECT_EQ(back.Find("HKEY_CURRENT_USER", {})->Children().size(), 2u);
  EXPECT_EQ(back.Serialize(), hives.Serialize());
}

// Whatever bytes a file holds, what is read writes back to a text that reads
// as the same hives again (no key or value lost or changed by a save).
TEST(RegistryFileText, AnyInputRoundTripsThroughASave) {
  std::mt19937 random(12345);
  const std::string pieces[] = {
      "REGEDIT4", "[HKEY_CURRENT_USER\\A]", "[HKEY_LOCAL_MACHINE\\B\\C", "HKEY_CURRENT_USER\\D]", "[-HKEY_X]",
      "\"v\"=\"text\"", "@=\"d\"", "\"n\"=dword:12", "\"h\"=hex:01,02,\\", "  03,04", "\"x\"=hex(7):ff",
      "\"q\\\"\"=\"a\\\\b\"", ";", "\"open=", "=", "\"s\"=\"unterminated", "[", "]", "\"", "\\",
  };
  for (int round = 0; round < 500; ++round) {
    std::string input;
    const int parts = static_cast<int>(random() % 30);
    for (int i = 0; i < parts; ++i) {
      switch (random() % 4) {
        case 0: input += pieces[random() % (sizeof pieces / sizeof pieces[0])]; break;
        case 1: input += static_cast<char>(random() % 256); break;
        case 2: input += "\r\n"; break;
        default: input += "\n"; break;
      }
    }
    SCOPED_TRACE(input);
    const std::string once = RegistryFile::Parse(input).Serialize();
    const RegistryFile again = RegistryFile::Parse(once);
    EXPECT_EQ(again.DamagedLines(), 0u);
    EXPECT_EQ(again.Serialize(), once);
  }
}

}  // namespace
}  // namespace corvane
