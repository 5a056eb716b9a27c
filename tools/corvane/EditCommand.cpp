// corvane edit TEMPLATE.tmp --key ID --insert SCRIPT | --edit POS [--preset N]
// [SCRIPT]: edits one action of a macro in the library's action sheet, played
// by an edit script, and writes the template back.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <system_error>

#include "Arguments.h"
#include "Commands.h"
#include "TemplateTree.h"
#include "corvane/Corvane.h"

namespace corvane::cli {

namespace {

const char* kEditHelp =
    "usage: corvane edit TEMPLATE.tmp --key ID --insert [--at POS] SCRIPT\n"
    "       corvane edit TEMPLATE.tmp --key ID --edit POS [--preset N] [SCRIPT]\n"
    "Edits the macro with identifier ID of a template file in the library's\n"
    "action sheet, played by an edit script (docs/edit-script.md), and writes\n"
    "the template back in one piece.  Positions count from 1, as corvane show\n"
    "numbers the actions.\n"
    "  --insert          make a new action, at the end or at --at POS\n"
    "  --edit POS        replace the action at POS by the one the sheet builds\n"
    "  --preset N        the preset (0-24) of the sheet's Default button;\n"
    "                    without a script: press Default, then OK\n"
    "  --script FILE     read the script from FILE (\"-\": standard input)\n"
    "Example: corvane edit base.tmp --key 1 --insert 'page=Hot Key; Ctrl; key=S; OK'\n"
    "Nothing is written when the script fails, presses Cancel or builds no\n"
    "action.\n";

void SetEnvironment(const char* name, const char* value) {
#if defined(_WIN32)
  _putenv_s(name, value);
#else
  setenv(name, value, 1);
#endif
}

bool ReadText(const std::string& path, std::string& text) {
  if (path == "-") {
    std::ostringstream in;
    in << std::cin.rdbuf();
    text = in.str();
    return true;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  text = content.str();
  return true;
}

// A file name beside the target that nothing else uses.
std::filesystem::path SiblingName(const std::filesystem::path& target, const char* purpose) {
  std::random_device random;
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::ostringstream name;
  name << "." << target.filename().string() << "." << purpose << "-" << std::hex << random() << stamp;
  return target.parent_path() / name.str();
}

// Removes a file when the object goes.
struct TemporaryFile {
  std::filesystem::path path;
  ~TemporaryFile() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove(path, ignored);
  }
};

std::string MacroName(const MacroInfo& macro) {
  return "macro " + std::to_string(macro.id) + (macro.alias.empty() ? "" : " \"" + macro.alias + "\"");
}

std::string ActionLine(const ActionInfo& action) {
  if (action.description.empty()) return action.type;
  if (action.description.rfind(action.type, 0) == 0) return action.description;
  return action.type + ": " + action.description;
}

}  // namespace

int RunEdit(const Words& words) {
  Arguments args;
  if (!args.Parse(words, {"key", "edit", "at", "preset", "script"}, {"insert", "help"}))
    return Fail(2, args.Error() + " (see corvane edit --help)");
  if (args.Has("help")) {
    std::cout << kEditHelp;
    return 0;
  }
  std::optional<long long> key, editPosition, atPosition, preset;
  if (!args.Integer("key", INT32_MIN, INT32_MAX, key) || !args.Integer("edit", 1, INT32_MAX, editPosition) ||
      !args.Integer("at", 1, INT32_MAX, atPosition) || !args.Integer("preset", -1, 24, preset))
    return Fail(2, args.Error());
  const std::vector<std::string>& positional = args.Positional();
  if (positional.empty()) return Fail(2, "edit needs a template file (see corvane edit --help)");
  if (positional.size() > 2) return Fail(2, "edit takes a template file and one script (put the script in quotes)");
  if (!key) return Fail(2, "edit needs --key ID, the macro to edit");
  const bool inserting = args.Has("insert");
  if (inserting == editPosition.has_value()) return Fail(2, "edit needs one of --insert and --edit POS");
  if (preset && inserting) return Fail(2, "--preset goes with --edit: a new action opens without preset");
  if (atPosition && !inserting) return Fail(2, "--at goes with --insert");

  std::string script;
  if (auto file = args.Value("script")) {
    if (positional.size() > 1) return Fail(2, "give the script either in quotes or with --script, not both");
    if (!ReadText(*file, script)) return Fail(1, "cannot read the script file " + *file);
  } else if (positional.size() > 1) {
    script = positional[1];
  } else if (preset) {
    script = "Default; OK";
  } else {
    return Fail(2, inserting ? "--insert needs a script, such as 'page=Hot Key; Ctrl; key=S; OK'"
                             : "--edit needs a script or --preset N");
  }

  namespace fs = std::filesystem;
  const std::string path = positional[0];
  std::error_code fsError;
  if (fs::is_directory(path, fsError))
    return Fail(2, "edit changes one template file; " + path + " is a folder (name one of its .tmp files)");
  TemplateTree tree;
  std::string error;
  if (!tree.Load(path, error)) return Fail(1, error);
  const TemplateInfo& info = tree.Templates().front();
  const MacroInfo* macro = nullptr;
  for (const MacroInfo& candidate : info.macros)
    if (!macro && candidate.id == *key) macro = &candidate;
  if (!macro) {
    std::string ids;
    for (const MacroInfo& candidate : info.macros) ids += (ids.empty() ? "" : ", ") + std::to_string(candidate.id);
    return Fail(1, "template \"" + info.name + "\" (" + FileNamePart(path) + ") has no macro " + std::to_string(*key) +
                       (ids.empty() ? " (it has none)" : " (its macros: " + ids + ")"));
  }
  const int count = static_cast<int>(macro->actions.size());
  if (editPosition && *editPosition > count)
    return Fail(1, MacroName(*macro) + " has " + std::to_string(count) + " action" + (count == 1 ? "" : "s") +
                       "; --edit wants a position from 1 to " + std::to_string(count));
  if (atPosition && *atPosition > count + 1)
    return Fail(1, MacroName(*macro) + " has " + std::to_string(count) + " action" + (count == 1 ? "" : "s") +
                       "; --at wants a position from 1 to " + std::to_string(count + 1));

  // The library plays the sheet from the environment and reports there.
  TemporaryFile report{SiblingName(fs::temp_directory_path(fsError) / "corvane-edit", "report")};
  SetEnvironment("CORVANE_EDIT_SCRIPT", script.c_str());
  SetEnvironment("CORVANE_EDIT_REPORT", report.path.string().c_str());
  const int position = inserting ? static_cast<int>(atPosition.value_or(count + 1) - 1)
                                 : static_cast<int>(*editPosition - 1);
  const int changed = inserting ? ACTOnInsertNew(macro->handle, position)
                                : ACTOnEditItem(macro->handle, position, static_cast<int>(preset.value_or(-1)));
  SetEnvironment("CORVANE_EDIT_SCRIPT", "");

  std::string reported;
  ReadText(report.path.string(), reported);
  std::istringstream lines(reported);
  std::string line, scriptError, lastMessage;
  while (std::getline(lines, line)) {
    if (line.rfind("message: ", 0) == 0 && line.substr(9) != lastMessage) {
      lastMessage = line.substr(9);
      std::cerr << "corvane: the sheet said: " << lastMessage << "\n";
    }
    if (line.rfind("error: ", 0) == 0) scriptError = line.substr(7);
  }
  const std::string unchanged = " (" + path + " is unchanged)";
  if (!scriptError.empty()) return Fail(1, "edit script: " + scriptError + unchanged);
  if (!changed) return Fail(1, "the script pressed Cancel" + unchanged);

  // Written to a copy beside the template, which then replaces it whole.  A
  // link stays a link: the file it leads to is the one replaced.
  fs::path target = fs::canonical(path, fsError);
  if (fsError) target = path;
  TemporaryFile copy{SiblingName(target, "edit")};
  if (!fs::copy_file(target, copy.path, fs::copy_options::overwrite_existing, fsError))
    return Fail(1, "cannot write beside " + path + ": " + fsError.message() + unchanged);
  ACTWriteContainer(tree.Templates().front().handle, copy.path.string().c_str());
  fs::rename(copy.path, target, fsError);
  if (fsError) return Fail(1, "cannot replace " + path + ": " + fsError.message() + unchanged);
  copy.path.clear();

  // What the file now holds.
  TemplateTree saved;
  if (!saved.Load(path, error)) return Fail(1, error);
  for (const MacroInfo& now : saved.Templates().front().macros) {
    if (now.id != *key) continue;
    const int at = position < static_cast<int>(now.actions.size()) ? position : static_cast<int>(now.actions.size()) - 1;
    if (at < 0) break;
    std::cout << FileNamePart(path) << ": " << MacroName(now) << ", action " << at + 1 << " of " << now.actions.size()
              << (inserting ? " (new): " : ": ") << ActionLine(now.actions[static_cast<size_t>(at)]) << "\n";
    break;
  }
  return 0;
}

}  // namespace corvane::cli
