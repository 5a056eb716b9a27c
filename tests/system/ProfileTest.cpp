// The profile functions over real files: reading files written by Windows,
// by hand or damaged, and writing them without losing anything.
#include "system/Profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "system/IniDocument.h"
#include "system/ProfileStore.h"
#include "system/WriteBatch.h"

namespace corvane {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

constexpr const char* kMissing = "<missing>";

struct Profile : ::testing::Test {
  TempDir dir;
  std::string file = dir.file("test.ini");
  void TearDown() override { ProfileStore::Reset(); }

  std::string Get(const char* section, const char* key, DWORD size = 4096) {
    std::vector<char> buffer(size + 1, '#');
    const DWORD n = GetPrivateProfileStringA(section, key, kMissing, buffer.data(), size, file.c_str());
    EXPECT_EQ(buffer[n], '\0');
    return std::string(buffer.data(), n);
  }
  void Put(const char* section, const char* key, const char* value) {
    EXPECT_TRUE(WritePrivateProfileStringA(section, key, value, file.c_str()));
  }
  // The content a file has: written by someone else, not by this process.
  void Replace(const std::string& content) {
    WriteFile(file, content);
    ProfileStore::Reset();
  }
};

struct ReadCase {
  const char* name;
  const char* content;
  const char* section;
  const char* key;
  const char* expected;
};

// Every case runs on the content as given, with CRLF line ends and with a
// UTF-8 byte-order mark in front.
const ReadCase kReadCases[] = {
    {"plain", "[S]\nk=v\n", "S", "k", "v"},
    {"names without case", "[Section]\nKey=v\n", "sECTION", "kEY", "v"},
    {"blanks and tabs around key and value", "[S]\n \tk \t= \ta b \t\n", "S", "k", "a b"},
    {"blanks around the header and the name", "  [ S ]  \nk=v\n", "S", "k", "v"},
    {"blanks around the asked names", "[S]\nk=v\n", " S ", "\tk ", "v"},
    {"equals sign in the value", "[S]\nk=a=b\n", "S", "k", "a=b"},
    {"quote marks are kept", "[S]\nk=\"a, b\"\n", "S", "k", "\"a, b\""},
    {"empty value", "[S]\nk=\n", "S", "k", ""},
    {"line without equals sign", "[S]\nk\n", "S", "k", kMissing},
    {"missing key", "[S]\nk=v\n", "S", "j", kMissing},
    {"missing section", "[S]\nk=v\n", "T", "k", kMissing},
    {"duplicate key: the first wins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
    {"duplicate section: the first wins", "[S]\nk=1\n[T]\nx=0\n[s]\nk=2\nj=3\n", "S", "k", "1"},
    {"only the first of duplicate sections counts", "[S]\nk=1\n[S]\nj=2\n", "S", "j", kMissing},
    {"header without closing bracket", "[S\nk=v\n", "S", "k", "v"},
    {"header with a bracket in its name", "[a]b]\nk=v\n", "a]b", "k", "v"},
    {"text after the closing bracket", "[S] note\nk=v\n", "S", "k", "v"},
    {"key before any header", "k=v\n[S]\nj=w\n", "", "k", kMissing},
    {"empty section name", "[]\nk=v\n", "", "k", "v"},
    {"comment lines are plain lines", "[S]\n;k=v\nk=w\n", "S", ";k", "v"},
    {"no final line end", "[S]\nk=v", "S", "k", "v"},
    {"binary garbage before", "\x01\x02\xff garbage\n[S]\nk=v\n", "S", "k", "v"},
    {"carriage return inside a line", "[S]\nk=a\rb\n", "S", "k", "a\rb"},
    {"carriage returns doubled before the line end", "[S]\nk=v\r\r\nj=w\r\r", "S", "k", "v"},
    {"no line ends at all", "[S] k=v", "S", "k", kMissing},
    {"keys of the next section", "[S]\nk=v\n[T]\nk=w\n", "T", "k", "w"},
    {"many sections", "[A]\na=1\n\n[B]\nb=2\n\n; note\n[C]\nc=3\n", "C", "c", "3"},
};

std::string WithCrlf(std::string text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST_F(Profile, ReadsFilesFromWindowsFromPeopleAndDamagedOnes) {
  for (const ReadCase& c : kReadCases) {
    for (int form = 0; form < 3; ++form) {
      SCOPED_TRACE(std::string(c.name) + (form == 1 ? " (CRLF)" : form == 2 ? " (BOM)" : ""));
      std::string content = c.content;
      if (form == 1) content = WithCrlf(content);
      if (form == 2) content = "\xEF\xBB\xBF" + content;
      Replace(content);
      EXPECT_EQ(Get(c.section, c.key), c.expected);
    }
  }
}

TEST_F(Profile, ValuesAreCutToTheBufferAndDefaultsApply) {
  Replace("[S]\r\nk=" + std::string(3000, 'x') + "\r\nnul=ab" + std::string(1, '\0') + "cd\r\n");
  for (DWORD size : {1u, 2u, 10u, 512u, 1024u}) {
    SCOPED_TRACE(size);
    EXPECT_EQ(Get("S", "k", size), std::string(size - 1, 'x'));
  }
  EXPECT_EQ(Get("S", "k", 5000), std::string(3000, 'x'));
  EXPECT_EQ(Get("S", "nul"), "ab") << "a zero byte ends the value";
  char buffer[8] = "#######";
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "d", buffer, 0, file.c_str()), 0u);
  EXPECT_EQ(buffer[0], '#') << "nothing is written to a buffer of size 0";
  // The default: when the file, the section or the key is missing, cut too.
  EXPECT_EQ(GetPrivateProfileStringA("S", "none", "default", buffer, 4, file.c_str()), 3u);
  EXPECT_STREQ(buffer, "def");
  EXPECT_EQ(GetPrivateProfileStringA("S", "none", nullptr, buffer, sizeof buffer, file.c_str()), 0u);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "d", buffer, sizeof buffer, dir.file("absent.ini").c_str()), 1u);
  EXPECT_STREQ(buffer, "d");
  struct stat info;
  EXPECT_NE(::stat(dir.file("absent.ini").c_str(), &info), 0) << "reading never creates a file";
}

TEST_F(Profile, IntegersParseLikeWindows) {
  struct IntCase {
    const char* value;  // null: the key is missing
    int defaultValue;
    UINT expected;
  } cases[] = {
      {"42", 7, 42},
      {"  42  ", 7, 42},
      {"-7", 0, static_cast<UINT>(-7)},
      {"+5", 0, 5},
      {"12abc", 0, 12},
      {"abc", 9, 0},
      {"", 9, 0},
      {"0x1F", 0, 0},
      {"007", 0, 7},
      {"4294967295", 0, 4294967295u},
      {"4294967297", 0, 1},  // wraps around
      {"-", 4, 0},
      {nullptr, -3, static_cast<UINT>(-3)},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(c.value ? c.value : "(missing)");
    Replace(c.value ? std::string("[S]\r\nk=") + c.value + "\r\n" : std::string("[S]\r\nj=1\r\n"));
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", c.defaultValue, file.c_str()), c.expected);
  }
}

TEST_F(Profile, WritesCreateFileSectionAndKeyAndLeaveTheRestAlone) {
  Put("Macro", "Count", "2");
  Put("Macro", "Name", "Save");
  Put("Macro.01", "Type", "3");
  EXPECT_EQ(ReadFile(file), "[Macro]\r\nCount=2\r\nName=Save\r\n\r\n[Macro.01]\r\nType=3\r\n");

  // Hand-written file with LF line ends, comments, odd spacing and a BOM.
  const std::string original =
      "\xEF\xBB\xBF; settings\n[Macro]\n  Count = 2 \nName=Save\n\n[Other]\nx = \"keep  me\" \n\n";
  Replace(original);
  Put("macro", "COUNT", "3");      // replaces, keeping the key's spelling
  Put("Macro", "New", "value");    // after the section's last key
  Put("Third", "k", "v");          // a new section at the end
  EXPECT_EQ(ReadFile(file),
            "\xEF\xBB\xBF; settings\n[Macro]\nCount=3\nName=Save\nNew=value\n\n[Other]\nx = \"keep  me\" \n\n"
            "[Third]\nk=v\n");
  EXPECT_EQ(Get("Other", "x"), "\"keep  me\"");
}

TEST_F(Profile, AValueIsOneLineWhateverItHolds) {
  Put("S", "color", "255,128,0\n");
  Put("S", "rect", "1,2,3,4\r\n");
  Put("S", "inject", "a\r\n[Evil]\r\nk=v");
  Put("S", "after", "ok");
  EXPECT_EQ(Get("S", "color"), "255,128,0");
  EXPECT_EQ(Get("S", "rect"), "1,2,3,4");
  EXPECT_EQ(Get("S", "inject"), "a");
  EXPECT_EQ(Get("Evil", "k"), kMissing);
  EXPECT_EQ(ReadFile(file), "[S]\r\ncolor=255,128,0\r\nrect=1,2,3,4\r\ninject=a\r\nafter=ok\r\n");
  // Names that cannot be stored as given.
  EXPECT_FALSE(WritePrivateProfileStringA("S", "[x", "v", file.c_str()));
  EXPECT_FALSE(WritePrivateProfileStringA("S", " ", "v", file.c_str()));
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", nullptr, file.c_str()));
  EXPECT_TRUE(WritePrivateProfileStringA("S", "a=b", "v", file.c_str()));
  EXPECT_EQ(Get("S", "a"), "v");
  EXPECT_TRUE(WritePrivateProfileStringA("two\nlines", "k", "v", file.c_str()));
  EXPECT_EQ(Get("two", "k"), "v");
}

TEST_F(Profile, WritingToADamagedFileKeepsWhatCouldBeRead) {
  const std::string garbage("\x00\x01garbage\xff\n", 11);
  const std::string damaged = garbage + "[A]\nk=1\n[B\nj=2\n" + std::string(100000, 'z') + "\n[C]\nm=3";
  Replace(damaged);
  Put("A", "new", "x");
  ProfileStore::Reset();
  EXPECT_EQ(Get("A", "k"), "1");
  EXPECT_EQ(Get("B", "j"), "2");
  EXPECT_EQ(Get("C", "m"), "3");
  EXPECT_EQ(Get("A", "new"), "x");
  // Every byte that was not touched is still there.
  const std::string now = ReadFile(file);
  const std::string expected = garbage + "[A]\nk=1\nnew=x\n[B\nj=2\n";
  EXPECT_EQ(now.substr(0, expected.size()), expected);
  EXPECT_NE(now.find(std::string(100000, 'z')), std::string::npos);
}

TEST_F(Profile, AFileChangedOnDiskIsReadAgain) {
  Replace("[S]\nk=1\n");
  EXPECT_EQ(Get("S", "k"), "1");
  WriteFile(file, "[S]\nk=2\n");  // same size, at once
  EXPECT_EQ(Get("S", "k"), "2");
  // Our write goes on top of the new content.
  WriteFile(file, "[S]\nk=3\nother=x\n");
  Put("S", "k", "4");
  EXPECT_EQ(ReadFile(file), "[S]\nk=4\nother=x\n");
}

TEST_F(Profile, OneReplacementPerFileAndBatch) {
  Replace("[S]\r\nk=0\r\n");
  const std::string other = dir.file("other.ini");
  struct stat before, during, after;
  ASSERT_EQ(::stat(file.c_str(), &before), 0);
  {
    WriteBatch batch;
    for (int i = 0; i < 100; ++i) {
      Put("S", ("k" + std::to_string(i)).c_str(), std::to_string(i).c_str());
      EXPECT_TRUE(WritePrivateProfileStringA("T", "k", std::to_string(i).c_str(), other.c_str()));
    }
    EXPECT_EQ(Get("S", "k99"), "99") << "reads inside the batch see its writes";
    ASSERT_EQ(::stat(file.c_str(), &during), 0);
    EXPECT_EQ(during.st_ino, before.st_ino) << "nothing replaced while the batch is open";
    EXPECT_NE(::stat(other.c_str(), &during), 0) << "a new file appears only when the batch ends";
  }
  ASSERT_EQ(::stat(file.c_str(), &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino);
  ProfileStore::Reset();
  EXPECT_EQ(Get("S", "k42"), "42");
  char buffer[8];
  GetPrivateProfileStringA("T", "k", "", buffer, sizeof buffer, other.c_str());
  EXPECT_STREQ(buffer, "99");
  // Writing the value a key already has does not touch the file.
  ASSERT_EQ(::stat(file.c_str(), &before), 0);
  Put("S", "k42", "42");
  ASSERT_EQ(::stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  // Outside a batch every write goes through at once.
  Put("S", "k42", "43");
  EXPECT_NE(ReadFile(file).find("k42=43\r\n"), std::string::npos);
}

TEST_F(Profile, AFileThatCannotBeWrittenIsReportedAndLeftAlone) {
  const std::string blocked = dir.file("blocker") + "/test.ini";
  WriteFile(dir.file("blocker"), "a file where a folder should be");
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", blocked.c_str()));
  char buffer[8];
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, blocked.c_str()), 0u)
      << "a write that failed is not seen by later reads";
}

TEST(IniDocumentText, SerializeGivesBackWhatWasParsed) {
  const std::string inputs[] = {
      "", "\r\n", "[S]", "k=v\r\n[S]\r\n  k  =  v  \r\n\r\n; c\r\n", "\xEF\xBB\xBF[S]\nk=v\n\n\n",
      std::string("a\0b\n[x]\ny=\0\n", 12),
  };
  for (const std::string& input : inputs) {
    const std::string once = IniDocument::Parse(input).Serialize();
    // Untouched lines come back byte for byte (a final line end is added).
    EXPECT_EQ(once.substr(0, input.size()), input);
    EXPECT_EQ(IniDocument::Parse(once).Serialize(), once);
  }
}

// A file whose lines end differently (LF first, then CRLF or a doubled CR)
// is saved with one line end throughout: every value must read the same
// after the save, and a second save must change nothing.
TEST(IniDocumentText, MixedLineEndsKeepEveryValueThroughASave) {
  const std::string inputs[] = {
      ";c\n[S]\r\nk=v\r\r\nj=w\r\n",
      "[S]\r\nk=v\r\r\nj=w\n",
      "\xEF\xBB\xBF;c\n[S]\r\nk=v\r\r\r\n[T]\r\r\nj=w",
      "[S]\nk=a\rb\r\r\nj=w\r \r\n",
  };
  for (const std::string& input : inputs) {
    SCOPED_TRACE(input);
    const IniDocument parsed = IniDocument::Parse(input);
    const std::string saved = parsed.Serialize();
    const IniDocument reread = IniDocument::Parse(saved);
    for (const char* section : {"S", "T"})
      for (const char* key : {"k", "j"}) {
        std::string_view before, after;
        const bool found = parsed.Find(section, key, before);
        ASSERT_EQ(reread.Find(section, key, after), found) << section << " " << key;
        if (found) {
          EXPECT_EQ(after, before) << section << " " << key;
        }
      }
    std::string_view value;
    ASSERT_TRUE(parsed.Find("S", "k", value));
    EXPECT_TRUE(value == "v" || value == "a\rb") << "a CR of the line end is not part of the value";
    EXPECT_EQ(reread.Serialize(), saved);
  }
}

TEST(IniDocumentText, LiteralsAndNullsAreAccepted) {
  // (The view points into the document, which must outlive it.)
  const IniDocument document = IniDocument::Parse("[S]\nk=v\n");
  std::string_view value;
  EXPECT_TRUE(document.Find("s", "K", value));
  EXPECT_EQ(value, "v");
  EXPECT_EQ(IniDocument::Parse(static_cast<const char*>(nullptr)).KeyCount(), 0u);
}

TEST(IniDocumentText, ManyKeysInOneSectionAndRepeatedWrites) {
  IniDocument doc;
  for (int i = 0; i < 300; ++i) ASSERT_TRUE(doc.Set("S", "Key" + std::to_string(i), std::to_string(i)));
  for (int round = 0; round < 3; ++round)
    for (int i = 0; i < 300; i += 7) ASSERT_TRUE(doc.Set("s", "KEY" + std::to_string(i), "r" + std::to_string(round)));
  std::string_view value;
  ASSERT_TRUE(doc.Find("S", "key21", value));
  EXPECT_EQ(value, "r2");
  ASSERT_TRUE(doc.Find("S", "key22", value));
  EXPECT_EQ(value, "22");
  EXPECT_EQ(doc.KeyCount(), 300u);
  // A large value rewritten many times: the text is compacted, not grown.
  const std::string big(300000, 'b');
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(doc.Set("Big", "v", big + std::to_string(i)));
  IniDocument reread = IniDocument::Parse(doc.Serialize());
  ASSERT_TRUE(reread.Find("big", "V", value));
  EXPECT_EQ(value, big + "19");
  EXPECT_LT(doc.Serialize().size(), big.size() + 10000);
}

}  // namespace
}  // namespace corvane
