// The profile value codec: the tokenizer's quirks, the compound readers, the
// whole-value functions, and files written by the library compared byte for
// byte with the formats (tests/data/profile).
#include "container/ProfileValue.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "support/TestSupport.h"
#include "system/Profile.h"
#include "system/ProfileStore.h"
#include "system/WriteBatch.h"

namespace corvane {
namespace {

using test::ReadFile;
using test::TempDir;

// A value in the shared buffer and a cursor on it, as the readers use them.
char* Load(const std::string& value) {
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, "%s", value.c_str());
  return g_profileBuffer;
}

TEST(Tokenizer, TrimBlanksRemovesOnlyBlanksAndTabs) {
  char text[] = " \t a b \t\r\n \t";
  EXPECT_STREQ(TrimBlanks(text), "a b \t\r\n");
  EXPECT_EQ(TrimBlanks(text), text) << "the text moves to the start of its buffer";
  char blank[] = " \t ";
  EXPECT_STREQ(TrimBlanks(blank), "");
  EXPECT_EQ(TrimBlanks(nullptr), nullptr);
}

TEST(Tokenizer, FieldsAndQuoteMarks) {
  struct Case {
    const char* value;
    std::vector<std::string> fields;
  } cases[] = {
      {"a,b,c", {"a", "b", "c"}},
      {" a , b ,", {"a", "b", ""}},
      {"", {""}},
      {"\"one field, with a comma\",2", {"one field, with a comma", "2"}},
      {"\"quoted but no comma\"", {"\"quoted but no comma\""}},
      {"\"open, never closed", {"open, never closed"}},
      {"a,x\"y", {"a", "x\"y"}},            // the quote mark after the separator
      {"x\"y,z", {"x y,z"}},                 // opened, never closed: the rest is one field
      {"\"a\"b\"c,d\"e,f", {"a b\"c", "d e,f"}},  // after the closing quote mark, plain
      {"\"a\"\"b,c\",d", {"a \"b", "c ,d"}},     // a second pair does not protect
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    char* cursor = Load(c.value);
    std::vector<std::string> fields;
    while (cursor) fields.push_back(NextField(&cursor, ','));
    EXPECT_EQ(fields, c.fields);
  }
}

TEST(Tokenizer, IntegersWrapAndStopAtTheFirstOtherCharacter) {
  struct Case {
    const char* field;
    int expected;
  } cases[] = {
      {"12abc", 12}, {"abc", 0}, {"0x1F", 0},         {"-7", -7},     {"+7", 7},
      {" \t 5", 5},  {"", 0},    {"4294967295", -1}, {"2147483648", static_cast<int>(0x80000000u)},
      {"-", 0},      {"1 2", 1}, {"99999999999", 1215752191},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    char* cursor = Load(c.field);
    EXPECT_EQ(NextInt(&cursor, ','), c.expected);
    EXPECT_EQ(cursor, nullptr);
  }
  char* none = nullptr;
  EXPECT_EQ(NextInt(&none, ','), 0);
}

TEST(Tokenizer, NextStringCopiesWithinItsTarget) {
  char* cursor = Load("first,second");
  char target[4] = "xxx";
  EXPECT_STREQ(NextString(&cursor, target, sizeof target, ','), "first");
  EXPECT_STREQ(target, "fir");
  EXPECT_STREQ(NextString(&cursor, nullptr, 0, ','), "second");
  EXPECT_EQ(cursor, nullptr);
  EXPECT_STREQ(NextString(&cursor, target, sizeof target, ','), "");
  EXPECT_STREQ(target, "");
}

TEST(CompoundValues, Rectangles) {
  struct Case {
    const char* value;
    RECT expected;
  } cases[] = {
      {" 10 ,\t20 , 30 , 40 ", {10, 20, 30, 40}},
      {"1,2", {1, 2, 0, 0}},
      {"", {0, 0, 0, 0}},
      {"-1,-2,-3,-4,5,6", {-1, -2, -3, -4}},
      {"a,2b,,4", {0, 2, 0, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    RECT rect{9, 9, 9, 9};
    char* cursor = Load(c.value);
    ReadRect(&cursor, &rect, ',');
    EXPECT_EQ(rect.left, c.expected.left);
    EXPECT_EQ(rect.top, c.expected.top);
    EXPECT_EQ(rect.right, c.expected.right);
    EXPECT_EQ(rect.bottom, c.expected.bottom);
  }
}

TEST(CompoundValues, Colours) {
  struct Case {
    const char* value;
    COLORREF expected;
  } cases[] = {
      {"255,128,0", 33023u},  {"300,0,0", 44u},      {"-1,0,0", 255u},
      {"0,0,255", 0xFF0000u}, {"", 0u},              {"1,2", 0x0201u},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    char* cursor = Load(c.value);
    EXPECT_EQ(ReadColor(&cursor, ','), c.expected);
  }
}

TEST(CompoundValues, Fonts) {
  LOGFONT font;
  std::memset(&font, 0x55, sizeof font);
  char* cursor = Load("Arial,-13,700,1,0,0,0");
  ReadLogFont(&cursor, &font, ',');
  EXPECT_STREQ(font.lfFaceName, "Arial");
  EXPECT_EQ(font.lfHeight, -13);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_EQ(font.lfWidth, 0) << "fields that are not stored read as 0";
  EXPECT_EQ(font.lfPitchAndFamily, 0);

  cursor = Load("Tahoma");
  ReadLogFont(&cursor, &font, ',');
  EXPECT_STREQ(font.lfFaceName, "Tahoma");
  EXPECT_EQ(font.lfHeight, 0);
  EXPECT_EQ(font.lfWeight, 0);

  cursor = Load("\"Face, Inc.\",10,400,0,0,0,0");
  ReadLogFont(&cursor, &font, ',');
  EXPECT_STREQ(font.lfFaceName, "Face, Inc.");
  EXPECT_EQ(font.lfHeight, 10);
  EXPECT_EQ(font.lfWeight, 400);

  cursor = Load("F,1,2,257,-1,3,300");
  ReadLogFont(&cursor, &font, ',');
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_EQ(font.lfUnderline, 255);
  EXPECT_EQ(font.lfStrikeOut, 3);
  EXPECT_EQ(font.lfCharSet, 44);

  // A face name longer than the field is cut to 31 characters; nothing after
  // the field is touched.
  struct Guarded {
    LOGFONT font;
    char guard[16];
  } guarded;
  std::memset(&guarded, 0x5A, sizeof guarded);
  cursor = Load(std::string(200, 'N') + ",12");
  ReadLogFont(&cursor, &guarded.font, ',');
  EXPECT_EQ(std::string(guarded.font.lfFaceName), std::string(31, 'N'));
  EXPECT_EQ(guarded.font.lfHeight, 12);
  for (char c : guarded.guard) EXPECT_EQ(c, 0x5A);
}

TEST(CompoundValues, WritersFormatIntoTheSharedBuffer) {
  EXPECT_STREQ(FormatColorValue(RGB(255, 128, 0)), "255,128,0\n");
  EXPECT_STREQ(FormatRectValue(RECT{-1, 2, 3, -4}), "-1,2,3,-4\n");
  EXPECT_STREQ(FormatIntValue(-12), "-12\n");
  LOGFONT font{};
  std::memset(font.lfFaceName, 'F', sizeof font.lfFaceName);  // no terminating zero
  font.lfHeight = -13;
  font.lfWeight = 700;
  font.lfCharSet = 255;
  EXPECT_EQ(std::string(FormatFontValue(font)), std::string(31, 'F') + ",-13,700,0,0,0,255\n");
}

struct ProfileFile : ::testing::Test {
  TempDir dir;
  std::string file = dir.file("values.ini");
  void TearDown() override { ProfileStore::Reset(); }
};

TEST_F(ProfileFile, ReadProfileStringCutsAt1023AndAnswersTheLength) {
  CString text("old");
  EXPECT_EQ(ReadProfileString(text, file.c_str(), "S", "missing", ""), 0);
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_EQ(ReadProfileString(text, file.c_str(), "S", "missing", "fallback"), 8);
  EXPECT_EQ(text, "fallback");
  WritePrivateProfileStringA("S", "long", std::string(2000, 'L').c_str(), file.c_str());
  EXPECT_EQ(ReadProfileString(text, file.c_str(), "S", "long", ""), 1023);
  EXPECT_EQ(text.GetLength(), 1023);
  // A compound value is cut to 511 characters in the shared buffer.
  EXPECT_EQ(std::strlen(ReadProfileValue(file.c_str(), "S", "long")), 511u);
  EXPECT_STREQ(ReadProfileValue(file.c_str(), "S", "missing"), "");
}

TEST_F(ProfileFile, PaddedIntegers) {
  struct Case {
    int value, digits;
    const char* expected;
  } cases[] = {
      {7, 3, "007"}, {-7, 3, "-07"}, {0, 1, "0"}, {-1, 1, "-1"}, {12, 1, "12"}, {123456, 2, "123456"},
      {5, 40, "0000000000000000000000000000000000000005"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    WritePaddedProfileInt(file.c_str(), "S", "k", c.value, c.digits);
    char buffer[64];
    GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, file.c_str());
    EXPECT_STREQ(buffer, c.expected);
    EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA("S", "k", 99, file.c_str())), c.value);
  }
}

// What the library's writers put in a new file, byte for byte.
TEST_F(ProfileFile, WrittenValuesMatchTheGoldenFile) {
  {
    WriteBatch batch;  // one export call
    const char* f = file.c_str();
    WritePrivateProfileStringA("Cell", "Count", FormatIntValue(12), f);
    std::snprintf(g_profileBuffer, sizeof g_profileBuffer, kSizeFormat, 640, 480);
    WritePrivateProfileStringA("Cell", "Size", g_profileBuffer, f);
    WritePrivateProfileStringA("Cell", "Color", FormatColorValue(RGB(255, 128, 0)), f);
    WritePrivateProfileStringA("Cell", "Rect", FormatRectValue(RECT{-10, 20, 300, -400}), f);
    std::snprintf(g_profileBuffer, sizeof g_profileBuffer, kIconFormat, "C:\\Icons\\save.ico", 3);
    WritePrivateProfileStringA("Cell", "Icon", g_profileBuffer, f);
    LOGFONT font{};
    std::strcpy(font.lfFaceName, "Arial");
    font.lfHeight = -13;
    font.lfWeight = 700;
    font.lfItalic = 1;
    WritePrivateProfileStringA("Cell", "Font", FormatFontValue(font), f);
    WritePaddedProfileInt(f, "Cell", "ID", -1, 1);
    WritePaddedProfileInt(f, "Cell", "Number", 7, 3);
    WritePaddedProfileInt(f, "Cell", "Negative", -7, 3);
    WritePrivateProfileStringA("Empty", "Text", "", f);
  }
  EXPECT_EQ(ReadFile(file), ReadFile(CORVANE_TEST_DATA_DIR "/profile/written.ini"));

  // And everything reads back as written.
  ProfileStore::Reset();
  const char* f = file.c_str();
  EXPECT_EQ(GetPrivateProfileIntA("Cell", "Count", 0, f), 12u);
  char* cursor = ReadProfileValue(f, "Cell", "Size");
  EXPECT_EQ(NextInt(&cursor, ','), 640);
  EXPECT_EQ(NextInt(&cursor, ','), 480);
  cursor = ReadProfileValue(f, "Cell", "Color");
  EXPECT_EQ(ReadColor(&cursor, ','), RGB(255, 128, 0));
  RECT rect;
  cursor = ReadProfileValue(f, "Cell", "Rect");
  ReadRect(&cursor, &rect, ',');
  EXPECT_EQ(rect.left, -10);
  EXPECT_EQ(rect.bottom, -400);
  cursor = ReadProfileValue(f, "Cell", "Icon");
  char path[MAX_PATH];
  NextString(&cursor, path, sizeof path, ',');
  EXPECT_STREQ(path, "C:\\Icons\\save.ico");
  EXPECT_EQ(NextInt(&cursor, ','), 3);
  LOGFONT font;
  cursor = ReadProfileValue(f, "Cell", "Font");
  ReadLogFont(&cursor, &font, ',');
  EXPECT_STREQ(font.lfFaceName, "Arial");
  EXPECT_EQ(font.lfHeight, -13);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA("Cell", "ID", 0, f)), -1);
}

// A hand-written file (LF line ends, blanks, a comment) edited by the
// library: changed keys are rewritten, new ones added, the rest kept.
TEST_F(ProfileFile, EditedFileMatchesTheGoldenFile) {
  test::WriteFile(file, ReadFile(CORVANE_TEST_DATA_DIR "/profile/edited-before.ini"));
  {
    WriteBatch batch;
    const char* f = file.c_str();
    WritePaddedProfileInt(f, "cell", "count", 3, 1);
    WritePrivateProfileStringA("Cell", "Color", FormatColorValue(RGB(255, 255, 255)), f);
    WritePrivateProfileStringA("Cell", "Rect", FormatRectValue(RECT{1, 2, 3, 4}), f);
    LOGFONT font{};
    std::strcpy(font.lfFaceName, "Courier New");
    font.lfHeight = 10;
    font.lfWeight = 400;
    font.lfUnderline = 1;
    font.lfStrikeOut = 1;
    font.lfCharSet = 255;
    WritePrivateProfileStringA("New", "Font", FormatFontValue(font), f);
  }
  EXPECT_EQ(ReadFile(file), ReadFile(CORVANE_TEST_DATA_DIR "/profile/edited-after.ini"));
}

}  // namespace
}  // namespace corvane
