// corvane edit TEMPLATE.tmp --key ID --insert SCRIPT | --edit POS [--preset N]
// [SCRIPT]: edits one action of a macro in the library's action sheet, played
// by an edit script, and writes the template back.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <functional>
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
#include "surface/Surface.h"

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
    "       corvane edit SURFACE.tmt --surface SCRIPT\n"
    "       corvane edit SURFACE.tmt --cell N SCRIPT\n"
    "  --surface         the surface's sheet (Layout, Background Bitmap)\n"
    "  --cell N          the sheet of the surface's N-th cell (Property, Icon)\n"
    "Example: corvane edit base.tmp --key 1 --insert 'page=Hot Key; Ctrl; key=S; OK'\n"
    "         corvane edit sample.tmt --cell 1 'font=Arial,12; color=#203040; OK'\n"
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

// The script: from --script FILE or the second positional word.
bool TakeScript(const Arguments& args, std::string& script, int& code, std::string& error) {
  const std::vector<std::string>& positional = args.Positional();
  if (auto file = args.Value("script")) {
    if (positional.size() > 1) {
      code = 2;
      error = "give the script either in quotes or with --script, not both";
      return false;
    }
    if (!ReadText(*file, script)) {
      code = 1;
      error = "cannot read the script file " + *file;
      return false;
    }
    return true;
  }
  if (positional.size() > 1) {
    script = positional[1];
    return true;
  }
  code = 2;
  error = "edit needs a script, such as 'frame color=#FF0000; OK'";
  return false;
}

// Plays the sheet of one object with the library's environment user and
// reads back what the script said; false with the reason when the sheet did
// not end with OK.
bool PlaySheet(const std::string& script, const std::function<int()>& open, std::string& why) {
  namespace fs = std::filesystem;
  std::error_code fsError;
  TemporaryFile report{SiblingName(fs::temp_directory_path(fsError) / "corvane-edit", "report")};
  SetEnvironment("CORVANE_EDIT_SCRIPT", script.c_str());
  SetEnvironment("CORVANE_EDIT_REPORT", report.path.string().c_str());
  const int changed = open();
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
  if (!scriptError.empty()) {
    why = "edit script: " + scriptError;
    return false;
  }
  if (!changed) {
    why = "the script pressed Cancel";
    return false;
  }
  return true;
}

std::string ColorText(COLORREF color) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(color & 0xFF),
                static_cast<unsigned>((color >> 8) & 0xFF), static_cast<unsigned>((color >> 16) & 0xFF));
  return text;
}

std::string FontText(const LOGFONT* font) {
  if (!font) return "(none)";
  return std::string(font->lfFaceName) + " " + std::to_string(font->lfHeight) + " pt" +
         (font->lfWeight >= 700 ? " bold" : "") + (font->lfItalic ? " italic" : "");
}

constexpr unsigned long kSurfaceContainerType = 256;

std::string LowerTrimmed(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.pop_back();
  std::size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  text = text.substr(start);
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// Removes a key of the "Template" section from a profile file (the profile
// functions only set keys).
bool DropMainSectionKey(const std::filesystem::path& file, const std::string& key) {
  std::string text;
  if (!ReadText(file.string(), text)) return false;
  std::string out;
  bool inMain = false;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    end = end == std::string::npos ? text.size() : end + 1;
    const std::string line = text.substr(at, end - at);
    const std::string trimmed = LowerTrimmed(line.substr(0, line.find('\n')));
    if (!trimmed.empty() && trimmed[0] == '[') inMain = trimmed == "[template]";
    const std::size_t equals = trimmed.find('=');
    const bool drop = inMain && equals != std::string::npos && LowerTrimmed(trimmed.substr(0, equals)) == key;
    if (!drop) out += line;
    at = end;
  }
  std::ofstream write(file, std::ios::binary | std::ios::trunc);
  write << out;
  return static_cast<bool>(write.flush());
}

int RunEditSurface(const Arguments& args) {
  for (const char* macroOption : {"key", "edit", "at", "preset", "insert"})
    if (args.Has(macroOption)) return Fail(2, std::string("--") + macroOption + " edits a macro; it does not go with --surface or --cell");
  if (args.Has("surface") && args.Has("cell")) return Fail(2, "edit needs one of --surface and --cell N");
  Arguments options = args;
  std::optional<long long> cellNumber;
  if (!options.Integer("cell", 1, 256, cellNumber)) return Fail(2, options.Error());
  const std::vector<std::string>& positional = args.Positional();
  if (positional.empty()) return Fail(2, "edit needs a surface file (see corvane edit --help)");
  if (positional.size() > 2) return Fail(2, "edit takes a surface file and one script (put the script in quotes)");
  std::string script, error;
  int code = 0;
  if (!TakeScript(args, script, code, error)) return Fail(code, error);

  namespace fs = std::filesystem;
  const std::string path = positional[0];
  std::error_code fsError;
  if (!fs::is_regular_file(path, fsError)) return Fail(1, "no surface file " + path);
  void* handle = ACTCreateContainer(kSurfaceContainerType);
  if (!handle) return Fail(1, "cannot make a surface");
  struct Release {
    void* handle;
    ~Release() { ACTDeleteContainer(handle); }
  } release{handle};
  if (!ACTReadContainer(handle, path.c_str())) return Fail(1, "cannot read the surface file " + path);
  // What the sheets edit is read back from the objects' fields.
  auto* surface = static_cast<CSurface*>(static_cast<CContainer*>(handle));
  CHotCell* cell = nullptr;
  void* edited = handle;
  if (cellNumber) {
    const int count = ACTGetCount(handle);
    if (*cellNumber > count)
      return Fail(1, path + " has " + std::to_string(count) + " cells; --cell wants 1 to " + std::to_string(count));
    edited = ACTGetSubContainer(handle, static_cast<int>(*cellNumber - 1));
    if (!edited) return Fail(1, path + " has no cell " + std::to_string(*cellNumber));
    cell = static_cast<CHotCell*>(static_cast<CContainer*>(edited));
  }
  const std::string unchanged = " (" + path + " is unchanged)";
  std::string why;
  if (!PlaySheet(script, [edited] { return ACTOnProperty(edited); }, why)) return Fail(1, why + unchanged);

  // Written to a copy beside the file, which then replaces it whole.
  TemporaryFile copy{SiblingName(path, "edit")};
  if (!fs::copy_file(path, copy.path, fs::copy_options::overwrite_existing, fsError))
    return Fail(1, "cannot write beside " + path + ": " + fsError.message() + unchanged);
  ACTWriteContainer(handle, copy.path.string().c_str());
  // A surface without bitmap writes no bitmap key: the one the file had
  // goes, or the bitmap would come back on the next read.
  if (surface->m_strBitmapFile.IsEmpty() && !DropMainSectionKey(copy.path, "bkgndbmp"))
    return Fail(1, "cannot write beside " + path + unchanged);
  fs::rename(copy.path, path, fsError);
  if (fsError) return Fail(1, "cannot replace " + path + ": " + fsError.message() + unchanged);
  copy.path.clear();

  if (cell) {
    std::cout << FileNamePart(path) << ": cell " << *cellNumber << " \"" << ACTGetAliasString(edited).GetString()
              << "\": font " << FontText(cell->m_pTextFont) << ", colour "
              << (cell->m_crTextColor == 0xFFFFFFFF ? std::string("(the surface's)") : ColorText(cell->m_crTextColor))
              << ", icon " << (cell->m_strIconFile.IsEmpty() ? std::string("(none)")
                                                             : std::string(cell->m_strIconFile.GetString()) + "," +
                                                                   std::to_string(cell->m_nIconIndex))
              << "\n";
  } else {
    // The display colours (frame, inner frame, background) are not kept in
    // surface files: what the file now holds is the rest.
    std::cout << FileNamePart(path) << ": surface: font " << FontText(&surface->m_lfDefault) << ", text "
              << ColorText(surface->m_crDefaultText) << ", style " << surface->m_dwStyle << ", bitmap "
              << (surface->m_strBitmapFile.IsEmpty() ? std::string("(none)") : std::string(surface->m_strBitmapFile.GetString()))
              << "\n";
  }
  return 0;
}

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
  if (!args.Parse(words, {"key", "edit", "at", "preset", "script", "cell"}, {"insert", "help", "surface"}))
    return Fail(2, args.Error() + " (see corvane edit --help)");
  if (args.Has("help")) {
    std::cout << kEditHelp;
    return 0;
  }
  if (args.Has("surface") || args.Has("cell")) return RunEditSurface(args);
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
