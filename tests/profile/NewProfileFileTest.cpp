// Writing profile values into files that do not exist yet, through the
// profile functions of whichever platform the tests run on.
#include <gtest/gtest.h>

#include <string>

#include "support/TestSupport.h"
#include "system/Profile.h"
#include "system/ProfileStore.h"

namespace corvane {
namespace {

std::string Read(const std::string& file, const char* section, const char* key) {
  char buffer[64];
  GetPrivateProfileStringA(section, key, "<none>", buffer, sizeof buffer, file.c_str());
  return buffer;
}

TEST(NewProfileFile, TheFirstWriteCreatesTheFileWithItsSection) {
  test::TempDir dir;
  const std::string file = dir.file("new.tmt");
  EXPECT_EQ(Read(file, "Surface", "Count"), "<none>");  // a read first caches the missing file
  ASSERT_TRUE(WritePrivateProfileStringA("Surface", "Count", "2", file.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringA("FKey.01", "Label", "Save", file.c_str()));
  ProfileStore::Reset();
  EXPECT_EQ(Read(file, "Surface", "Count"), "2");
  EXPECT_EQ(Read(file, "FKey.01", "Label"), "Save");
  const std::string text = test::ReadFile(file);
  EXPECT_EQ(text.rfind("[Surface]\r\nCount=2\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("[FKey.01]\r\nLabel=Save\r\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace corvane
