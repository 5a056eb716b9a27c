#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "support/TestSupport.h"

namespace corvane {
namespace {

struct Outcome {
  int status;
  std::string out;
};

// Runs the host with the arguments (a shell word list) and collects standard
// output (standard error too when withErrors).
Outcome Corvane(const std::string& arguments, bool withErrors = false) {
  std::string command = std::string(CORVANE_CLI) + " " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null");
  Outcome run{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

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
  for (const char* command : {"--help", "show --help", "play --help"}) {
    const Outcome run = Corvane(command);
    EXPECT_EQ(run.status, 0) << command;
    EXPECT_EQ(run.out.rfind("usage: corvane", 0), 0u) << command;
  }
}

}  // namespace
}  // namespace corvane
