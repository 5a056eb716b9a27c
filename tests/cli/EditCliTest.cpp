// corvane edit from end to end: a copy of the sample edited through the
// command line and read back with corvane show.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/RunCorvane.h"
#include "support/TestSupport.h"

namespace corvane {
namespace {

using test::Corvane;
using test::Outcome;

struct EditCli : ::testing::Test {
  test::TempDir dir;
  std::string base;
  void SetUp() override {
    std::filesystem::copy(std::string(CORVANE_SOURCE_DIR) + "/examples/templates", dir.path());
    base = dir.file("base.tmp");
  }
  std::string Show() { return Corvane("show " + base).out; }
  // Every file of the folder: nothing is left behind.
  std::vector<std::string> Files() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(EditCli, InsertsEditsWithAPresetAndReadsBack) {
  const std::string before = test::ReadFile(base);

  Outcome run = Corvane("edit " + base + " --key 1 --insert 'page=Hot Key; Ctrl=1; key=S; OK'", true);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out, "base.tmp: macro 1 \"Copy\", action 2 of 2 (new): Hot Key -- Ctrl + S\n");

  run = Corvane("edit " + base + " --key 1 --edit 1 --preset 21", true);
  ASSERT_EQ(run.status, 0) << run.out;

  // A script file puts a new first action in front of macro 2.
  test::WriteFile(dir.file("script.txt"), "# a greeting\npage = Text\ntext = \"Dear Jo,\nthanks\"\nOK\n");
  run = Corvane("edit " + base + " --key 2 --insert --at 1 --script " + dir.file("script.txt"), true);
  ASSERT_EQ(run.status, 0) << run.out;

  const std::string shown = Show();
  EXPECT_NE(shown.find("  macro 1 \"Copy\": 2 actions\n"
                       "    1. Internet: Send an e-Mail()\n"
                       "    2. Hot Key -- Ctrl + S\n"
                       "  macro 2 \"Paste\": 2 actions\n"
                       "    1. Text -- Dear Jo, thanks\n"),
            std::string::npos)
      << shown;
  EXPECT_NE(shown.find("    2. Hot Key -- Ctrl + V\n"), std::string::npos) << shown;
  // The other macros and the template's names are as they were.
  const std::string original = Corvane("show " + std::string(CORVANE_SOURCE_DIR) + "/examples/templates/base.tmp").out;
  EXPECT_EQ(shown.substr(0, shown.find('\n')), original.substr(0, original.find('\n')));
  EXPECT_NE(shown.find("  macro 3 \"Undo\""), std::string::npos);
  EXPECT_NE(test::ReadFile(base), before);
  EXPECT_EQ(Files(), (std::vector<std::string>{"base.tmp", "script.txt", "sketch.tmp", "writer.tmp"}));

  // Through a link the file it leads to is replaced; the link stays.
  std::filesystem::create_symlink("base.tmp", dir.file("link.tmp"));
  run = Corvane("edit " + dir.file("link.tmp") + " --key 3 --edit 1 --preset 6", true);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.tmp")));
  EXPECT_NE(Show().find("  macro 3 \"Undo\": 1 action\n    1. Hot Key -- Ctrl + Z\n"), std::string::npos);
  run = Corvane("edit " + dir.file("link.tmp") + " --key 3 --edit 1 'page=System; function=Pause; parameter=3; OK'");
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(Show().find("  macro 3 \"Undo\": 1 action\n    1. System: Pause"), std::string::npos) << Show();
}

TEST_F(EditCli, AFailedEditLeavesTheFileByteForByte) {
  const std::string before = test::ReadFile(base);
  struct Case {
    const char* arguments;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"--key 1 --insert 'page=Hot Keys; OK'", 1,
       "corvane: edit script: line 1, \"page=Hot Keys\": no page \"Hot Keys\" (the pages are: Run, Internet, Hot Key, "
       "Sound, Text, Menu, System) (BASE is unchanged)\n"},
      {"--key 1 --insert 'page=Hot Key; Ctrl; Win=1; key=S; OK'", 1,
       "corvane: edit script: line 1, \"Win=1\": no control \"Win\" on the page \"Hot Key\" (its controls: Ctrl, Alt, "
       "Shift, key, and the buttons OK, Cancel, Default) (BASE is unchanged)\n"},
      {"--key 1 --edit 1 'page=Sound; file=a.wav; mode=Synchronous; repeat=many; OK'", 1,
       "corvane: the sheet said: Please enter an integer.\n"
       "corvane: edit script: line 1, \"OK\": the sheet stays open: Please enter an integer. (BASE is unchanged)\n"},
      {"--key 1 --edit 1 'page=Menu; menu=fs'", 1,
       "corvane: edit script: the script ends without OK or Cancel (end it with OK to keep the action) (BASE is "
       "unchanged)\n"},
      {"--key 1 --edit 1 'key=Q; Cancel'", 1, "corvane: the script pressed Cancel (BASE is unchanged)\n"},
      {"--key 7 --insert OK", 1, "corvane: template \"Base\" (base.tmp) has no macro 7 (its macros: 1, 2, 3, 4, 5)\n"},
      {"--key 1 --edit 2 --preset 3", 1,
       "corvane: macro 1 \"Copy\" has 1 action; --edit wants a position from 1 to 1\n"},
      {"--key 1 --edit 1 --preset 25", 2, "corvane: option --preset wants a whole number from -1 to 24, not \"25\"\n"},
      {"--key 1 --edit 1", 2, "corvane: --edit needs a script or --preset N\n"},
      {"--key 1 --insert", 2, "corvane: --insert needs a script, such as 'page=Hot Key; Ctrl; key=S; OK'\n"},
      {"--key 1 --insert --preset 2 OK", 2, "corvane: --preset goes with --edit: a new action opens without preset\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = Corvane("edit " + base + " " + c.arguments, true);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    std::string message = c.message;
    if (const size_t at = message.find("BASE"); at != std::string::npos) message.replace(at, 4, base);
    EXPECT_EQ(run.out, message) << c.arguments;
    EXPECT_EQ(test::ReadFile(base), before) << c.arguments;
  }
  EXPECT_EQ(Files(), (std::vector<std::string>{"base.tmp", "sketch.tmp", "writer.tmp"}));
  const Outcome help = Corvane("edit --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: corvane edit", 0), 0u);
  const Outcome folder = Corvane("edit " + dir.path().string() + " --key 1 --insert OK", true);
  EXPECT_EQ(folder.status, 2);
  EXPECT_NE(folder.out.find("is a folder (name one of its .tmp files)"), std::string::npos) << folder.out;
}

}  // namespace
}  // namespace corvane
