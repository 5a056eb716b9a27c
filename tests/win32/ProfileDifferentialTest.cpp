// The project's INI engine (the profile functions on Linux) compared with the
// platform's profile functions on the same files.  Where the two differ the
// table names both answers; every such row is a known, listed difference.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "system/ProfileEngine.h"
#include "system/ProfileStore.h"
// Last: its macros would rewrite the system layer's declarations.
#include <windows.h>

namespace {

using corvane::test::ReadFile;
using corvane::test::TempDir;
using corvane::test::WriteFile;

const char* const kMissing = "<default>";

std::string EngineString(const std::string& file, const char* section, const char* key, DWORD size = 4096) {
  std::vector<char> buffer(size + 1, '#');
  const DWORD n = corvane::EngineGetProfileString(section, key, kMissing, buffer.data(), size, file.c_str());
  EXPECT_EQ(buffer[n], '\0');
  return std::string(buffer.data(), n);
}

std::string PlatformString(const std::string& file, const char* section, const char* key, DWORD size = 4096) {
  std::vector<char> buffer(size + 1, '#');
  const DWORD n = ::GetPrivateProfileStringA(section, key, kMissing, buffer.data(), size, file.c_str());
  EXPECT_EQ(buffer[n], '\0');
  return std::string(buffer.data(), n);
}

struct StringCase {
  const char* name;
  const char* content;
  const char* section;
  const char* key;
  const char* engine;    // what our engine answers
  const char* platform;  // what the platform answers; null: the same
};

// Files in LF form; each case runs again with CRLF line ends.
const StringCase kStringCases[] = {
    {"plain", "[S]\nk=v\n", "S", "k", "v", nullptr},
    {"case-insensitive names", "[Section]\nKey=v\n", "sECTION", "kEY", "v", nullptr},
    {"blanks around key and value", "[S]\n  k  =  a b  \n", "S", "k", "a b", nullptr},
    {"tabs around the equals sign", "[S]\nk\t=\tv\t\n", "S", "k", "v", nullptr},
    {"blanks around the header", "  [S]  \nk=v\n", "S", "k", "v", nullptr},
    {"blanks inside the brackets", "[ S ]\nk=v\n", "S", "k", "v", nullptr},
    {"key with inner blank", "[S]\nmy key=v\n", "S", "my key", "v", nullptr},
    {"equals sign in the value", "[S]\nk=a=b\n", "S", "k", "a=b", nullptr},
    {"empty value", "[S]\nk=\n", "S", "k", "", nullptr},
    {"key without equals sign", "[S]\nk\n", "S", "k", kMissing, nullptr},
    {"missing key", "[S]\nk=v\n", "S", "j", kMissing, nullptr},
    {"missing section", "[S]\nk=v\n", "T", "k", kMissing, nullptr},
    {"duplicate key: the first wins", "[S]\nk=1\nk=2\n", "S", "k", "1", nullptr},
    {"duplicate section: the first wins", "[S]\nk=1\n[T]\nx=0\n[S]\nk=2\n", "S", "k", "1", nullptr},
    {"key only in the second of duplicate sections", "[S]\nk=1\n[S]\nj=2\n", "S", "j", kMissing, nullptr},
    // The platform takes a line without "]" for a key of the section before it.
    {"header without closing bracket", "[S\nk=v\n", "S", "k", "v", kMissing},
    {"text after the closing bracket", "[S] note\nk=v\n", "S", "k", "v", nullptr},
    // The platform keeps the keys before the first header in a section named "".
    {"key before any header", "k=v\n[S]\nj=w\n", "", "k", kMissing, "v"},
    {"comment line", "[S]\n;k=v\nk=w\n", "S", "k", "w", nullptr},
    {"comment line read by its name", "[S]\n;k=v\n", "S", ";k", "v", nullptr},
    {"quoted value", "[S]\nk=\"v\"\n", "S", "k", "\"v\"", "v"},
    {"quote marks inside", "[S]\nk=a \"b\" c\n", "S", "k", "a \"b\" c", nullptr},
    {"no final line end", "[S]\nk=v", "S", "k", "v", nullptr},
    {"blank lines", "\n\n[S]\n\nk=v\n\n", "S", "k", "v", nullptr},
    {"UTF-8 file with byte-order mark", "\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "v", nullptr},
    {"UTF-8 value", "[S]\nk=\xE4\xB8\xAD\xE6\x96\x87\n", "S", "k", "\xE4\xB8\xAD\xE6\x96\x87", nullptr},
};

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

bool IsAscii(const std::string& text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

bool SingleByteCodePage() {
  CPINFO info;
  return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
}

class ProfileDifferential : public ::testing::Test {
 protected:
  void TearDown() override { corvane::ProfileStore::Reset(); }
  TempDir dir;
};

TEST_F(ProfileDifferential, ReadsTheSameValuesAsThePlatform) {
  int index = 0;
  for (const StringCase& c : kStringCases) {
    for (bool crlf : {false, true}) {
      const std::string file = dir.file("read" + std::to_string(index++) + ".ini");
      WriteFile(file, crlf ? WithCrLf(c.content) : std::string(c.content));
      SCOPED_TRACE(std::string(c.name) + (crlf ? " (CRLF)" : " (LF)"));
      EXPECT_EQ(EngineString(file, c.section, c.key), c.engine);
      // The platform's ANSI functions pass bytes through its code page: bytes
      // that are not ASCII come back unchanged only from a single-byte one.
      if (IsAscii(c.content) || SingleByteCodePage())
        EXPECT_EQ(PlatformString(file, c.section, c.key), c.platform ? c.platform : c.engine);
    }
  }
}

TEST_F(ProfileDifferential, LongValuesAndSmallBuffers) {
  const std::string value(5000, 'x');
  const std::string file = dir.file("long.ini");
  WriteFile(file, "[S]\r\nk=" + value + "\r\n");
  EXPECT_EQ(EngineString(file, "S", "k", 6000), value);
  EXPECT_EQ(PlatformString(file, "S", "k", 6000), value);
  // Cut to the buffer: size - 1 characters and the terminating zero.
  for (DWORD size : {1u, 2u, 10u, 512u}) {
    SCOPED_TRACE(size);
    EXPECT_EQ(EngineString(file, "S", "k", size), value.substr(0, size - 1));
    EXPECT_EQ(PlatformString(file, "S", "k", size), value.substr(0, size - 1));
  }
}

struct IntCase {
  const char* value;  // null: the key is missing
  int defaultValue;
  UINT engine;
  UINT platform;
};

const IntCase kIntCases[] = {
    {"42", 7, 42, 42},
    {"  42  ", 7, 42, 42},
    {"-7", 0, static_cast<UINT>(-7), static_cast<UINT>(-7)},
    {"+5", 0, 5, 5},
    {"12abc", 0, 12, 12},
    {"abc", 9, 0, 0},
    {"", 9, 0, 9},
    {"0x10", 0, 0, 16},
    {"007", 0, 7, 7},
    {"4294967295", 0, 4294967295u, 4294967295u},
    {nullptr, -3, static_cast<UINT>(-3), static_cast<UINT>(-3)},
};

TEST_F(ProfileDifferential, ReadsTheSameIntegersAsThePlatform) {
  int index = 0;
  for (const IntCase& c : kIntCases) {
    const std::string file = dir.file("int" + std::to_string(index++) + ".ini");
    WriteFile(file, c.value ? std::string("[S]\r\nk=") + c.value + "\r\n" : std::string("[S]\r\nj=1\r\n"));
    SCOPED_TRACE(c.value ? c.value : "(missing)");
    EXPECT_EQ(corvane::EngineGetProfileInt("S", "k", c.defaultValue, file.c_str()), c.engine);
    EXPECT_EQ(::GetPrivateProfileIntA("S", "k", c.defaultValue, file.c_str()), c.platform);
  }
}

// The same writes through both; every key reads back the same from both
// files, through either reader.
TEST_F(ProfileDifferential, WritesGiveFilesThatReadTheSame) {
  const char* const base = "; a comment\r\n[Macro]\r\nCount=2\r\nName = Save \r\n\r\n[Macro.01]\r\nType=3\r\n";
  struct Write {
    const char* section;
    const char* key;
    const char* value;
  };
  const char* const utf8 = SingleByteCodePage() ? "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4" : "plain";
  const Write writes[] = {
      {"Macro", "Count", "3"},          // replace a value
      {"macro", "name", "Save As"},     // other letter case
      {"Macro.01", "Keys", "17,83"},    // new key in an existing section
      {"Macro.02", "Type", "4"},        // new section
      {"Macro.02", "Text", ""},         // empty value
      {"Macro.02", "Long", nullptr},    // long value, filled in below
      {"Macro.03", "Text", utf8},       // UTF-8 (Korean) where the platform passes it
  };
  const std::string longValue(3000, 'L');
  const std::string ours = dir.file("ours.ini");
  const std::string theirs = dir.file("theirs.ini");
  WriteFile(ours, base);
  WriteFile(theirs, base);
  for (const Write& w : writes) {
    const char* value = w.value ? w.value : longValue.c_str();
    EXPECT_TRUE(corvane::EngineWriteProfileString(w.section, w.key, value, ours.c_str()));
    EXPECT_TRUE(::WritePrivateProfileStringA(w.section, w.key, value, theirs.c_str()));
  }
  corvane::ProfileStore::Flush();
  ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, theirs.c_str());  // flush the platform's cache

  const Write reads[] = {{"Macro", "Count", "3"},        {"Macro", "Name", "Save As"},
                         {"Macro.01", "Type", "3"},      {"Macro.01", "Keys", "17,83"},
                         {"Macro.02", "Type", "4"},      {"Macro.02", "Text", ""},
                         {"Macro.03", "Text", utf8}};
  corvane::ProfileStore::Reset();
  for (const std::string& file : {ours, theirs}) {
    for (const Write& r : reads) {
      SCOPED_TRACE(file + " " + r.section + "/" + r.key);
      EXPECT_EQ(EngineString(file, r.section, r.key), r.value);
      EXPECT_EQ(PlatformString(file, r.section, r.key), r.value);
    }
    EXPECT_EQ(EngineString(file, "Macro.02", "Long"), longValue);
    EXPECT_EQ(PlatformString(file, "Macro.02", "Long"), longValue);
  }
  // Both keep the comment and the untouched lines of the file.
  for (const std::string& file : {ours, theirs}) {
    const std::string text = ReadFile(file);
    EXPECT_NE(text.find("; a comment\r\n"), std::string::npos) << file;
    EXPECT_NE(text.find("[Macro.01]\r\nType=3\r\n"), std::string::npos) << text;
  }
}

// A value with a line break: our engine writes its first line only; the
// platform writes the break into the file, so the rest of the value becomes
// keys (or sections) of their own.
TEST_F(ProfileDifferential, LineBreaksInWrittenValues) {
  const std::string ours = dir.file("ours.ini");
  const std::string theirs = dir.file("theirs.ini");
  const char* value = "first\r\ninjected=yes\r\n[Other]\r\nkey=1";
  EXPECT_TRUE(corvane::EngineWriteProfileString("S", "k", value, ours.c_str()));
  EXPECT_TRUE(::WritePrivateProfileStringA("S", "k", value, theirs.c_str()));
  ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, theirs.c_str());
  corvane::ProfileStore::Reset();
  EXPECT_EQ(PlatformString(ours, "S", "k"), "first");
  EXPECT_EQ(PlatformString(ours, "S", "injected"), kMissing);
  EXPECT_EQ(PlatformString(ours, "Other", "key"), kMissing);
  EXPECT_EQ(PlatformString(theirs, "S", "k"), "first");
  EXPECT_EQ(PlatformString(theirs, "S", "injected"), "yes");
  EXPECT_EQ(PlatformString(theirs, "Other", "key"), "1");
}

}  // namespace
