#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cairo.h>

#include <cstdio>
#include <string>

#include "cli/RunCorvane.h"
#include "support/TestSupport.h"

namespace corvane {
namespace {

using test::Corvane;
using test::Outcome;

std::string Sample() { return std::string(CORVANE_SOURCE_DIR) + "/examples/templates"; }

TEST(Cli, ShowPrintsTheSampleTree) {
  const Outcome run = Corvane("show");
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("folder " + Sample() + ": 3 templates\ntemplate base.tmp \"Base\"  exe=NONE"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("  macro 1 \"Copy\": 1 action\n    1. Hot Key -- Ctrl + C\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("template writer.tmp \"Writer\"  exe=WINWORD.EXE module=WINWORD class=OpusApp\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("  macro 5 \"Print preview\": 3 actions\n    1. Menu -- FV\n"), std::string::npos);
  // The base template comes first, the others sorted by file name.
  EXPECT_LT(run.out.find("base.tmp"), run.out.find("sketch.tmp"));
  EXPECT_LT(run.out.find("sketch.tmp"), run.out.find("writer.tmp"));
}

TEST(Cli, ShowJsonNamesTheFieldsAfterTheObjects) {
  const Outcome run = Corvane("show " + Sample() + "/writer.tmp --json");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("{\"kind\":\"template\",", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("\"TemplateName\":\"Writer\",\"ExeName\":\"WINWORD.EXE\""), std::string::npos);
  EXPECT_NE(run.out.find("{\"ID\":2,\"Alias\":\"Signature\",\"actions\":[\n   {\"Type\":\"Text\",\"Alias\":\"\","
                         "\"Description\":\"Text -- Best regards,\"}]}"),
            std::string::npos)
      << run.out;
}

TEST(Cli, PlayDryRunPrintsTheTimedTrace) {
  // The menu macro of the word processor's template, chosen by the
  // executable's file name whatever its folder and letter case.
  const Outcome run = Corvane("play --key 1 --app 'C:\\Office\\winword.exe' --dry-run");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"t\":0,\"fn\":\"Sleep\",\"ms\":200}\n"
            "{\"t\":200,\"fn\":\"PostMessageA\",\"hwnd\":1,\"msg\":274,\"wparam\":61696,\"lparam\":0}\n"
            "{\"t\":200,\"fn\":\"Sleep\",\"ms\":30}\n"
            "{\"t\":230,\"fn\":\"PostMessageA\",\"hwnd\":1,\"msg\":256,\"wparam\":70,\"lparam\":1}\n"
            "{\"t\":230,\"fn\":\"PostMessageA\",\"hwnd\":1,\"msg\":257,\"wparam\":70,\"lparam\":3221225473}\n"
            "{\"t\":230,\"fn\":\"Sleep\",\"ms\":30}\n"
            "{\"t\":260,\"fn\":\"PostMessageA\",\"hwnd\":1,\"msg\":256,\"wparam\":83,\"lparam\":1}\n"
            "{\"t\":260,\"fn\":\"PostMessageA\",\"hwnd\":1,\"msg\":257,\"wparam\":83,\"lparam\":3221225473}\n");
  // Without --app the base template plays: Ctrl+C.
  const Outcome base = Corvane("play " + Sample() + " --key 1");
  ASSERT_EQ(base.status, 0);
  EXPECT_NE(base.out.find("{\"t\":200,\"fn\":\"keybd_event\",\"vk\":17,"), std::string::npos) << base.out;
  EXPECT_NE(base.out.find("{\"t\":200,\"fn\":\"Sleep\",\"ms\":300}"), std::string::npos) << base.out;
}

TEST(Cli, PlayUsesTheVirtualClockAndTime) {
  const Outcome run = Corvane("play --app WINWORD.EXE --key 3 --time '2002-03-05 14:07:09'");
  ASSERT_EQ(run.status, 0);
  // The date is typed through the clipboard in the format of parameter 2,
  // followed by one space.
  EXPECT_NE(run.out.find("\"text\":\"3/05/2002 \""), std::string::npos) << run.out;
}

TEST(Cli, ErrorsAreOneLineWithAnExitCode) {
  struct Case {
    const char* arguments;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"play --key 99", 1, "corvane: template \"Base\" (base.tmp) has no macro 99\n"},
      {"play --app WINWORD.EXE", 2, "corvane: play needs --key ID (see corvane play --help)\n"},
      {"play --key x", 2, "corvane: option --key wants a whole number from -2147483648 to 2147483647, not \"x\"\n"},
      {"show /no/such/file.tmp", 1, "corvane: no such file or folder: /no/such/file.tmp\n"},
      {"show --colour", 2, "corvane: unknown option --colour (see corvane show --help)\n"},
      {"play --key 1 --time yesterday", 2,
       "corvane: --time wants a date and time as \"YYYY-MM-DD HH:MM:SS\", not \"yesterday\"\n"},
      {"frobnicate", 2, "corvane: unknown command \"frobnicate\" (see corvane --help)\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = Corvane(c.arguments, true);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_EQ(run.out, c.message) << c.arguments;
  }
  test::TempDir empty;
  const Outcome folder = Corvane("show " + empty.path().string(), true);
  EXPECT_EQ(folder.status, 1);
  EXPECT_NE(folder.out.find("holds no base.tmp"), std::string::npos);
}

TEST(Cli, HelpOnEveryCommand) {
  for (const char* command : {"--help", "show --help", "play --help", "render --help", "hit --help"}) {
    const Outcome run = Corvane(command);
    EXPECT_EQ(run.status, 0) << command;
    EXPECT_EQ(run.out.rfind("usage: corvane", 0), 0u) << command;
  }
}

// Surfaces.

std::string SampleSurface() { return std::string(CORVANE_SOURCE_DIR) + "/examples/surface/sample.tmt"; }

TEST(Cli, ShowPrintsASurfaceWithItsCellsAndActions) {
  const Outcome run = Corvane("show " + SampleSurface());
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("surface " + SampleSurface() + ": 12 cells\n  resolution 1000 units per inch\n"
                          "  frame (0,0,6000,4500)  working area (600,600,5400,3900)\n"
                          "  style 11  bitmap paper.bmp tiled in (600,600,5400,3900)\n",
                          0),
            0u)
      << run.out;
  EXPECT_NE(run.out.find("  cell 0 id 101 \"Save\"  align 0 (tall, label +x)  key (150,2800,450,3500)  "
                         "label (570,3000,1270,3300)  icon save.ico,0\n    1. Hot Key -- Ctrl + S\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("  cell 10 id 111 \"Pan\"  align 3 (wide, label -y)  key (3100,4050,3900,4350)  "
                         "label (3100,3630,3900,3930)\n  cell 11"),
            std::string::npos);
  EXPECT_NE(run.out.find("\"실행 취소\""), std::string::npos);

  const Outcome json = Corvane("show " + SampleSurface() + " --json");
  ASSERT_EQ(json.status, 0);
  EXPECT_EQ(json.out.rfind("{\"kind\":\"surface\",", 0), 0u) << json.out;
  EXPECT_NE(json.out.find("{\"index\":1,\"ID\":102,\"Alias\":\"Copy\",\"Alignment\":0,"
                          "\"ActiveRect\":[150,1900,450,2600],\"TextRect\":[570,2100,1270,2400],"
                          "\"IconFile\":\"copy.ico\",\"IconIndex\":0,\"actions\":[\n"
                          "  {\"Type\":\"Hot Key\",\"Alias\":\"\",\"Description\":\"Hot Key -- Ctrl + C\"}]}"),
            std::string::npos)
      << json.out;
}

// The colour of a pixel of a PNG file, 0xRRGGBB; -1 when it cannot be read.
struct Png {
  explicit Png(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
  ~Png() { cairo_surface_destroy(surface); }
  bool Ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
  int Width() const { return cairo_image_surface_get_width(surface); }
  int Height() const { return cairo_image_surface_get_height(surface); }
  long Pixel(int x, int y) const {
    if (!Ok() || x < 0 || y < 0 || x >= Width() || y >= Height()) return -1;
    const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
  }
  cairo_surface_t* surface;
};

TEST(Cli, RenderDrawsTheSurfaceIntoAPng) {
  test::TempDir dir;
  const std::string out = dir.file("sample.png");
  // Cell 5 ("Select All", key (5550,1900,5850,2600)) selected: its shape,
  // around the key's centre, is drawn in the selection colour.  In a window
  // of 600 by 450 the key's centre is at (570, 225).
  const Outcome run = Corvane("render " + SampleSurface() + " -o " + out + " --size 600x450 --select 5");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out, "wrote " + out + " (600x450, 12 cells)\n");
  {
    Png png(out);
    ASSERT_TRUE(png.Ok());
    EXPECT_EQ(png.Width(), 600);
    EXPECT_EQ(png.Height(), 450);
    EXPECT_EQ(png.Pixel(0, 0), 0x0000FF);      // frame border, blue
    EXPECT_EQ(png.Pixel(300, 60), 0x00FF00);   // working-area border, green
    EXPECT_EQ(png.Pixel(570, 225), 0x006400);  // the selected cell
    EXPECT_EQ(png.Pixel(570, 315), 0xC8C8C8);  // cell 6, not selected
  }
  // A preview shows no selection; the default size keeps the tablet's
  // proportions.
  ASSERT_EQ(Corvane("render " + SampleSurface() + " -o " + out + " --select 5 --preview").status, 0);
  Png preview(out);
  ASSERT_TRUE(preview.Ok());
  EXPECT_EQ(preview.Width(), 1024);
  EXPECT_EQ(preview.Height(), 768);
  EXPECT_EQ(preview.Pixel(973, 384), 0xC8C8C8);
}

TEST(Cli, HitFindsTheCellUnderATabletPointOrAWindowPixel) {
  struct Case {
    std::string arguments;
    int status;
    std::string out;
  };
  const Case cases[] = {
      {"300 2250", 0, "cell 1 id 102 \"Copy\"\n"},
      {"900 2250", 0, "cell 1 id 102 \"Copy\"\n"},  // on its label
      {"449 2250", 0, "cell 1 id 102 \"Copy\"\n"},
      {"450 2250", 1, "no cell at (450,2250)\n"},  // the key's right edge is not in it
      {"3000 2000", 1, "no cell at (3000,2000)\n"},
      {"51 384 --screen 1024 768", 0, "pixel (51,384) of 1024x768 is tablet (299,2250)\ncell 1 id 102 \"Copy\"\n"},
      {"512 384 --screen 1024 768", 1, "pixel (512,384) of 1024x768 is tablet (3000,2250)\nno cell at (3000,2250)\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = Corvane("hit " + SampleSurface() + " " + c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_EQ(run.out, c.out) << c.arguments;
  }
}

TEST(Cli, SurfaceCommandErrors) {
  test::TempDir dir;
  const std::string sample = SampleSurface();
  struct Case {
    std::string arguments;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"render " + sample, 2, "corvane: render needs -o OUT.png (see corvane render --help)\n"},
      {"render " + sample + " -o x.png --size 0x10", 2,
       "corvane: option --size wants WxH, each side from 1 to 16384, not \"0x10\"\n"},
      {"render " + sample + " -o x.png --select 12", 2,
       "corvane: option --select: the surface has 12 cells (0 to 11)\n"},
      {"render /no/such.tmt -o x.png", 1, "corvane: no such surface file: /no/such.tmt\n"},
      {"render " + sample + " -o " + dir.file("missing/x.png"), 1,
       "corvane: cannot write " + dir.file("missing/x.png") + "\n"},
      {"hit " + sample + " 1", 2, "corvane: hit takes a surface file and X Y (see corvane hit --help)\n"},
      {"hit " + sample + " 1 y", 2, "corvane: X and Y must be whole numbers, not \"1\" \"y\"\n"},
      {"hit " + sample + " 1 2 --screen 0 5", 2,
       "corvane: option --screen wants two sizes in pixels, W H, each from 1 to 1000000\n"},
      {"show /no/such.tmt", 1, "corvane: no such surface file: /no/such.tmt\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = Corvane(c.arguments, true);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_EQ(run.out, c.message) << c.arguments;
  }
}

}  // namespace
}  // namespace corvane
