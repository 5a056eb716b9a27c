// corvane dialog: pictures of the library's pages, end to end.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/RunCorvane.h"
#include "support/TestSupport.h"

namespace corvane {
namespace {

using test::Outcome;

// Runs corvane dialog; standard error is collected with the output.
Outcome Dialog(const std::string& arguments) { return test::Corvane("dialog " + arguments, true); }

// Width and height from a PNG's header; 0 by 0 when it is not a PNG.
std::pair<unsigned, unsigned> PngSize(const std::string& bytes) {
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || bytes.compare(12, 4, "IHDR") != 0)
    return {0, 0};
  auto at = [&](std::size_t i) {
    unsigned value = 0;
    for (std::size_t k = 0; k < 4; ++k) value = (value << 8) | static_cast<unsigned char>(bytes[i + k]);
    return value;
  };
  return {at(16), at(20)};
}

TEST(DialogCli, DrawsAPageAsThePictureOfItsSheet) {
  test::TempDir temp;
  // The seven-page sheet is as large as its largest page, the Hot Key page's
  // 216 by 95 dialog units in "MS Sans Serif" 8 (6 by 13 pixels a 4 by 8
  // units): 324 by 154 pixels, with 4 pixels of page frame on each side,
  // 7 of margin around it, the title bar (3 + 19), the tab row (20) and
  // the buttons (23) with their margin below.
  const unsigned width = 7 + 4 + 324 + 4 + 7, height = 3 + 19 + 7 + 20 + 4 + 154 + 4 + 7 + 23 + 7;
  for (const char* page : {"127", "Menu", "CEditSoundPage", "system", "hot-key"}) {
    for (const char* language : {"1033", "2052", "1042", "1031"}) {
      const std::string file = (temp.path() / (std::string(page) + language + ".png")).string();
      const Outcome run = Dialog("--page '" + std::string(page) + "' --lang " + language + " -o " + file);
      ASSERT_EQ(run.status, 0) << page << " " << language << ": " << run.out;
      EXPECT_EQ(PngSize(test::ReadFile(file)), std::make_pair(width, height)) << page << " " << language;
    }
  }
  // The load page is in the five-page sheet, as large as its largest page.
  const std::string load = (temp.path() / "load.png").string();
  ASSERT_EQ(Dialog("--page 'Load Template' -o " + load).status, 0);
  EXPECT_EQ(PngSize(test::ReadFile(load)), std::make_pair(width, height));
}

TEST(DialogCli, DrawsAnActionOfATemplate) {
  test::TempDir temp;
  const std::string file = (temp.path() / "menu.png").string();
  const std::string sample = std::string(CORVANE_SOURCE_DIR) + "/examples/templates/writer.tmp";
  const Outcome run = Dialog("--template " + sample + " --key 5 --pos 1 -o " + file);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(PngSize(test::ReadFile(file)).first, 0u);
  const Outcome missing = Dialog("--template " + sample + " --key 5 --pos 9 -o " + file);
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.out.find("has 3 actions"), std::string::npos) << missing.out;
}

TEST(DialogCli, RefusesAnUnknownPageOrAMissingOutputClearly) {
  test::TempDir temp;
  const std::string file = (temp.path() / "x.png").string();
  const Outcome unknown = Dialog("--page Hotkeys -o " + file);
  EXPECT_EQ(unknown.status, 2);
  // The error names the page and lists the choices.
  EXPECT_NE(unknown.out.find("no page \"Hotkeys\""), std::string::npos) << unknown.out;
  for (const char* choice : {"127  Hot Key (CEditKeyPage", "141  Load Template (CEditPageLoad", "147  System"})
    EXPECT_NE(unknown.out.find(choice), std::string::npos) << choice << "\n" << unknown.out;
  EXPECT_FALSE(std::filesystem::exists(file));

  const Outcome noOutput = Dialog("--page Menu");
  EXPECT_EQ(noOutput.status, 2);
  EXPECT_NE(noOutput.out.find("-o FILE.png"), std::string::npos) << noOutput.out;

  const Outcome unwritable = Dialog("--page Menu -o " + (temp.path() / "none" / "x.png").string());
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.out.find("cannot write"), std::string::npos) << unwritable.out;

  const Outcome help = Dialog("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("145  Text (CEditTextPage"), std::string::npos) << help.out;
}

}  // namespace
}  // namespace corvane
