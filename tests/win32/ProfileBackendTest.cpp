// The profile functions of the Windows build: the platform's, reached through
// the wide functions, so UTF-8 texts and file names arrive intact.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TestSupport.h"
#include "system/Profile.h"
// Last: its macros would rewrite the system layer's declarations.
#include <windows.h>

namespace {

using corvane::test::ReadFile;
using corvane::test::TempDir;
using corvane::test::WriteFile;

std::string Read(const std::string& file, const char* section, const char* key, DWORD size = 512) {
  std::string buffer(size, '#');
  const auto n = corvane::GetPrivateProfileStringA(section, key, "<default>", buffer.data(), size, file.c_str());
  return buffer.substr(0, n);
}

const char kChinese[] = "\xE5\x84\xB2\xE5\xAD\x98\xE6\xAA\x94\xE6\xA1\x88";  // 儲存檔案
const char kKorean[] = "\xED\x8C\x8C\xEC\x9D\xBC \xEC\xA0\x80\xEC\x9E\xA5";   // 파일 저장

TEST(ProfileBackend, Utf8TextsRoundTripWhateverTheCodePage) {
  TempDir dir;
  const std::string file = dir.file("texts.tmp");
  ASSERT_TRUE(corvane::WritePrivateProfileStringA("Macro", "Name", kChinese, file.c_str()));
  ASSERT_TRUE(corvane::WritePrivateProfileStringA("Macro", "Alias", kKorean, file.c_str()));
  ASSERT_TRUE(corvane::WritePrivateProfileStringA(kKorean, kChinese, "7", file.c_str()));
  EXPECT_EQ(Read(file, "Macro", "Name"), kChinese);
  EXPECT_EQ(Read(file, "macro", "ALIAS"), kKorean);
  EXPECT_EQ(corvane::GetPrivateProfileIntA(kKorean, kChinese, 0, file.c_str()), 7u);
}

TEST(ProfileBackend, FilesStayAnsiUntilATextDoesNotFitTheCodePage) {
  if (GetACP() == CP_UTF8) GTEST_SKIP() << "every text fits a UTF-8 code page";
  TempDir dir;
  const std::string file = dir.file("legacy.tmp");
  // An ANSI file as older programs wrote it, with a character of the code
  // page that is not ASCII: e-acute in a Western one, a Chinese character in
  // a Chinese or Korean one.
  CPINFO info;
  ASSERT_TRUE(GetCPInfo(CP_ACP, &info));
  const std::wstring legacy = info.MaxCharSize == 1 ? L"Caf\xE9" : L"Caf\x4E2D";
  char ansi[16];
  const int length = WideCharToMultiByte(CP_ACP, 0, legacy.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
  ASSERT_GT(length, 1);
  WriteFile(file, "[Macro]\r\nName=" + std::string(ansi) + "\r\n");
  const std::string legacyUtf8 = info.MaxCharSize == 1 ? "Caf\xC3\xA9" : "Caf\xE4\xB8\xAD";
  EXPECT_EQ(Read(file, "Macro", "Name"), legacyUtf8);
  ASSERT_TRUE(corvane::WritePrivateProfileStringA("Macro", "Count", "1", file.c_str()));
  EXPECT_EQ(ReadFile(file).substr(0, 8), "[Macro]\r") << "an ASCII write keeps the file ANSI";

  // Thai is in none of these code pages.
  const char thai[] = "\xE0\xB9\x84\xE0\xB8\x97\xE0\xB8\xA2";
  ASSERT_TRUE(corvane::WritePrivateProfileStringA("Macro", "Alias", thai, file.c_str()));
  const std::string bytes = ReadFile(file);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE") << "the file became UTF-16";
  EXPECT_EQ(Read(file, "Macro", "Alias"), thai);
  EXPECT_EQ(Read(file, "Macro", "Name"), legacyUtf8);  // converted, not lost
  EXPECT_EQ(Read(file, "Macro", "Count"), "1");
  // Nothing is left beside it.
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) entries += entry.is_regular_file();
  EXPECT_EQ(entries, 1);
}

TEST(ProfileBackend, ReadsUnicodeFilesAsUtf8) {
  TempDir dir;
  const std::string utf8 = dir.file("utf8.ini");
  WriteFile(utf8, std::string("\xEF\xBB\xBF[S]\r\nk=") + kChinese + "\r\n");
  EXPECT_EQ(Read(utf8, "S", "k"), kChinese);

  const std::string utf16 = dir.file("utf16.ini");
  const std::wstring wide = L"\xFEFF[S]\r\nk=\xD30C\xC77C\r\n";  // 파일
  WriteFile(utf16, std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t)));
  EXPECT_EQ(Read(utf16, "S", "k"), "\xED\x8C\x8C\xEC\x9D\xBC");
}

TEST(ProfileBackend, CutsToTheBufferWithoutSplittingACharacter) {
  TempDir dir;
  const std::string file = dir.file("cut.ini");
  ASSERT_TRUE(corvane::WritePrivateProfileStringA("S", "k", kChinese, file.c_str()));  // 4 x 3 bytes
  EXPECT_EQ(Read(file, "S", "k", 13), kChinese);
  EXPECT_EQ(Read(file, "S", "k", 12), std::string(kChinese, 9));
  EXPECT_EQ(Read(file, "S", "k", 8), std::string(kChinese, 6));
  EXPECT_EQ(Read(file, "S", "k", 1), "");
  // Values longer than any first guess of the buffer come whole.
  const std::string longValue(20000, 'v');
  ASSERT_TRUE(corvane::WritePrivateProfileStringA("S", "long", longValue.c_str(), file.c_str()));
  EXPECT_EQ(Read(file, "S", "long", 30000), longValue);
}

TEST(ProfileBackend, MissingKeysAndFilesGiveTheDefault) {
  TempDir dir;
  const std::string file = dir.file("defaults.ini");
  EXPECT_EQ(Read(file, "S", "k"), "<default>");
  EXPECT_EQ(corvane::GetPrivateProfileIntA("S", "k", -5, file.c_str()), static_cast<UINT>(-5));
  ASSERT_TRUE(corvane::WritePrivateProfileStringA("S", "k", "", file.c_str()));
  EXPECT_EQ(Read(file, "S", "k"), "");  // present but empty is not missing
  // A stored value that equals the default is a value too.
  ASSERT_TRUE(corvane::WritePrivateProfileStringA("S", "d", "<default>", file.c_str()));
  EXPECT_EQ(Read(file, "S", "d"), "<default>");
  EXPECT_EQ(Read(dir.file("none.ini"), "S", "k"), "<default>");
  EXPECT_EQ(Read("", "S", "k"), "<default>");
  EXPECT_FALSE(corvane::WritePrivateProfileStringA("S", nullptr, "v", file.c_str()));
  EXPECT_FALSE(corvane::WritePrivateProfileStringA("S", "k", nullptr, file.c_str()));
  EXPECT_EQ(Read(file, "S", "k"), "");  // neither call deleted anything
}

TEST(ProfileBackend, AValueIsOneLine) {
  TempDir dir;
  const std::string file = dir.file("lines.ini");
  ASSERT_TRUE(corvane::WritePrivateProfileStringA("S", "k", "first\r\n[Other]\r\nkey=1", file.c_str()));
  ASSERT_TRUE(corvane::WritePrivateProfileStringA("S", "j", "one\ntwo", file.c_str()));
  EXPECT_EQ(Read(file, "S", "k"), "first");
  EXPECT_EQ(Read(file, "S", "j"), "one");
  EXPECT_EQ(Read(file, "Other", "key"), "<default>");
}

TEST(ProfileBackend, RelativePathsAreTheCurrentFolderNotTheWindowsFolder) {
  TempDir dir;
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(dir.path().string().c_str()));
  const bool written = corvane::WritePrivateProfileStringA("S", "k", "here", "relative.ini");
  const std::string read = Read("relative.ini", "S", "k");
  SetCurrentDirectoryW(previous);
  EXPECT_TRUE(written);
  EXPECT_EQ(read, "here");
  EXPECT_NE(ReadFile(dir.file("relative.ini")).find("k=here"), std::string::npos);
}

}  // namespace
