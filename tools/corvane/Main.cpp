// corvane: a command-line host over the Corvane library.
#include <cstring>
#include <iostream>
#include <string>

#include "Commands.h"

namespace corvane::cli {

std::string SampleTemplates() {
  if (const char* sample = std::getenv("CORVANE_SAMPLE")) return std::string(sample) + "/templates";
  return std::string(CORVANE_SAMPLE_DIR) + "/templates";
}

int Fail(int code, const std::string& message) {
  std::cerr << "corvane: " << message << "\n";
  return code;
}

}  // namespace corvane::cli

namespace {

const char* kHelp =
    "usage: corvane COMMAND [ARGS]\n"
    "A command-line host over the Corvane library.\n"
    "commands:\n"
    "  show [PATH] [--json]            print a template, a template folder or a\n"
    "                                  surface (.tmt)\n"
    "  play [PATH] --key ID [--app EXE] [--dry-run]\n"
    "                                  play a macro and print its timed trace\n"
    "  edit TEMPLATE --key ID (--insert | --edit POS [--preset N]) [SCRIPT]\n"
    "                                  edit an action in the action sheet\n"
    "  dialog --page PAGE [--lang LANGID] -o PAGE.png\n"
    "                                  draw a page of the library's dialogs\n"
    "  render SURFACE.tmt -o OUT.png [--size WxH] [--select N] [--preview]\n"
    "                                  draw a surface into a PNG image\n"
    "  hit SURFACE.tmt X Y [--screen W H]\n"
    "                                  the cell under a point of the tablet\n"
    "Without PATH a command uses the bundled sample.  corvane COMMAND --help\n"
    "tells more.\n";

struct Command {
  const char* name;
  int (*run)(const corvane::cli::Words&);
};

const Command kCommands[] = {
    {"show", corvane::cli::RunShow},
    {"play", corvane::cli::RunPlay},
    {"edit", corvane::cli::RunEdit},
    {"dialog", corvane::cli::RunDialog},
    {"render", corvane::cli::RunRender},
    {"hit", corvane::cli::RunHit},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "help")) {
    std::cout << kHelp;
    return argc < 2 ? 2 : 0;
  }
  const corvane::cli::Words words(argv + 2, argv + argc);
  for (const Command& command : kCommands)
    if (!std::strcmp(argv[1], command.name)) return command.run(words);
  return corvane::cli::Fail(2, std::string("unknown command \"") + argv[1] + "\" (see corvane --help)");
}
