// corvane edit on a surface file: the cell's and the surface's sheets played
// by edit scripts, the file written back and read again.
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

// Runs the host; standard error is collected with the output.
Outcome RunCorvane(const std::string& arguments) { return test::Corvane(arguments, true); }

struct EditSurfaceCli : ::testing::Test {
  test::TempDir dir;
  std::string sample;
  void SetUp() override {
    std::filesystem::copy(std::string(CORVANE_SOURCE_DIR) + "/examples/surface", dir.path());
    sample = dir.file("sample.tmt");
  }
};

TEST_F(EditSurfaceCli, CellFontColourAndIconGoIntoTheFile) {
  Outcome run = RunCorvane("edit " + sample + " --cell 1 'font=Arial,12,bold; color=#203040; page=Icon; file=pen.ico; OK'");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out, "sample.tmt: cell 1 \"Save\": font Arial 12 pt bold, colour #203040, icon pen.ico,0\n");
  const std::string text = test::ReadFile(sample);
  EXPECT_NE(text.find("TextFont=Arial,12,700,"), std::string::npos);
  EXPECT_NE(text.find("TextColor=32,48,64"), std::string::npos);
  EXPECT_NE(text.find("IconFile=pen.ico,0"), std::string::npos);

  // The icon list: the second icon of a file that has only one is refused.
  run = RunCorvane("edit " + sample + " --cell 1 'page=Icon; icon=#2; OK'");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("has no entry \"#2\""), std::string::npos) << run.out;
}

TEST_F(EditSurfaceCli, SurfaceStyleFontAndBitmap) {
  Outcome run = RunCorvane("edit " + sample + " --surface 'font=DejaVu Serif,14; frame border=0; page=background; clear; "
                    "mode=Centered; OK'");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out, "sample.tmt: surface: font DejaVu Serif 14 pt, text #14285A, style 65545, bitmap (none)\n");
  const std::string text = test::ReadFile(sample);
  EXPECT_NE(text.find("Style=65545"), std::string::npos);
  EXPECT_EQ(text.find("\nBkgndBmp="), std::string::npos);
  EXPECT_NE(text.find("DefaultFont=DejaVu Serif,14,"), std::string::npos);

  run = RunCorvane("edit " + sample + " --surface 'page=background; browse=" + dir.file("paper.bmp") + "; OK'");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(test::ReadFile(sample).find("BkgndBmp=" + dir.file("paper.bmp")), std::string::npos);
}

TEST_F(EditSurfaceCli, RefusalsLeaveTheFileAsItWas) {
  const std::string before = test::ReadFile(sample);
  struct Case {
    std::string arguments;
    int status;
    std::string says;
  };
  const Case cases[] = {
      {"--cell 1 'color=blue; OK'", 1, "give it #RRGGBB or R,G,B"},
      {"--cell 1 'font=Arial; OK'", 1, "give it FACE,POINTS"},
      {"--cell 13 'OK'", 1, "has 12 cells"},
      {"--surface 'frame color=#FF0000; Cancel'", 1, "pressed Cancel"},
      {"--surface --cell 1 'OK'", 2, "one of --surface and --cell"},
      {"--surface", 2, "needs a script"},
  };
  for (const Case& c : cases) {
    const Outcome run = RunCorvane("edit " + sample + " " + c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << ": " << run.out;
    EXPECT_NE(run.out.find(c.says), std::string::npos) << c.arguments << ": " << run.out;
    EXPECT_EQ(test::ReadFile(sample), before) << c.arguments;
  }
}

}  // namespace
}  // namespace corvane
