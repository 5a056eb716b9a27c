// Profile files that users edit by hand or that callers write with odd names:
// a write must never change what other keys read after the file is saved and
// read again.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "corvane/Corvane.h"
#include "support/TestSupport.h"
#include "system/IniDocument.h"
#include "system/Profile.h"
#include "system/ProfileStore.h"

namespace corvane {
namespace {

std::string Read(const std::string& file, const char* section, const char* key) {
  char buffer[256];
  GetPrivateProfileStringA(section, key, "(missing)", buffer, sizeof buffer, file.c_str());
  return buffer;
}

TEST(ProfileRobustness, KeyThatWouldReadAsSectionHeaderIsRefused) {
  test::TempDir dir;
  const std::string file = dir.file("macros.tmp");
  test::WriteFile(file, "[Template]\r\nCount=2\r\nTemplateName=Word\r\n");
  for (const char* key : {"[Evil", "  [Evil]", "[", "", "   "})
    EXPECT_FALSE(WritePrivateProfileStringA("Template", key, "x", file.c_str())) << key;
  EXPECT_EQ(test::ReadFile(file), "[Template]\r\nCount=2\r\nTemplateName=Word\r\n");

  // A bracket inside a key is harmless and stays a key.
  EXPECT_TRUE(WritePrivateProfileStringA("Template", "Key[1]", "one", file.c_str()));
  EXPECT_TRUE(WritePrivateProfileStringA("Template", "After", "two", file.c_str()));
  ProfileStore::Reset();
  EXPECT_EQ(Read(file, "Template", "Key[1]"), "one");
  EXPECT_EQ(Read(file, "Template", "After"), "two");
  EXPECT_EQ(Read(file, "Template", "Count"), "2");
}

TEST(ProfileRobustness, FirstWriteCreatesTheFileAndFolderStaysClean) {
  test::TempDir dir;
  const std::string file = dir.file("new.tmt");
  EXPECT_TRUE(WritePrivateProfileStringA("Template", "Count", "0", file.c_str()));
  EXPECT_TRUE(WritePrivateProfileStringA("FKey.01", "ID", "1", file.c_str()));
  EXPECT_EQ(test::ReadFile(file), "[Template]\r\nCount=0\r\n\r\n[FKey.01]\r\nID=1\r\n");
  IniDocument empty;
  EXPECT_EQ(empty.Serialize(), "");
  EXPECT_TRUE(empty.Set("A", "b", "c"));
  EXPECT_EQ(*empty.Find("a", "B"), "c");
  // Only the file itself is left: no temporary files beside it.
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) entries += entry.is_regular_file();
  EXPECT_EQ(entries, 1);
}

TEST(ProfileRobustness, NamesCutAtALineBreakAreFoundAgainBeforeAndAfterASave) {
  IniDocument doc;
  ASSERT_TRUE(doc.Set("Macro \nrest", "Alias \r\nrest", "value"));
  ASSERT_NE(doc.Find("Macro", "Alias"), nullptr);
  EXPECT_EQ(*doc.Find("macro", "ALIAS"), "value");
  IniDocument reread = IniDocument::Parse(doc.Serialize());
  ASSERT_NE(reread.Find("Macro", "Alias"), nullptr);
  EXPECT_EQ(*reread.Find("Macro", "Alias"), "value");
  EXPECT_EQ(reread.Serialize(), doc.Serialize());
}

// A damaged count must not make a read search for billions of sections.
TEST(ProfileRobustness, TemplateWithAHugeCountReadsTheMacrosThatExist) {
  test::TempDir dir;
  const std::string file = dir.file("damaged.tmp");
  test::WriteFile(file,
                  "[Template]\nCount=2147483647\n[MacroSection.1]\nID=7\nCount=1\n"
                  "[MacroSection.1.01]\nType=3\nchar=65\n[MacroSection.2]\nCount=-5\n");
  void* templ = ACTCreateContainer(CORVANE_TYPE_TEMPLATE);
  EXPECT_EQ(ACTReadContainer(templ, file.c_str()), 1);
  ASSERT_EQ(ACTGetCount(templ), 1);
  ACTDeleteContainer(templ);
}

}  // namespace
}  // namespace corvane
