// corvane dialog --page ID [--lang LANGID] -o PAGE.png: draws a page of the
// library's property sheets as a person would see it, for checking layouts
// and translations without a screen.
//
// The pages are the library's own classes, run in this program (the exported
// functions open sheets but draw none); the rest of the host goes through the
// shared library as before.
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "Arguments.h"
#include "Commands.h"
#include "DialogPages.h"
#include "actions/Action.h"
#include "dialogs/ActionEditing.h"
#include "macros/MacroAction.h"
#include "surface/Template.h"
#include "system/Resources.h"
#include "system/dialogs/SheetPng.h"

namespace corvane::cli {

namespace {

const char* kDialogHelp =
    "usage: corvane dialog --page PAGE [--lang LANGID] -o PAGE.png\n"
    "       corvane dialog --template T.tmp --key ID --pos N [--page PAGE] [--lang LANGID] -o PAGE.png\n"
    "       corvane dialog --list\n"
    "Draws a page of the library's property sheets into a PNG file, as the\n"
    "sheet shows it: its caption, tabs, the page's controls and the sheet's\n"
    "buttons.  The page is filled from a default action of its kind, or from\n"
    "action N (counted from 1) of the macro with identifier ID of a template.\n"
    "  --page PAGE    the page: its template id, class or English title\n"
    "  --lang LANGID  1033 English, 1028 Chinese (Taiwan), 1042 Korean,\n"
    "                 2052 Chinese (PRC); others show English (default: the\n"
    "                 interface language)\n"
    "  -o, --output   the PNG file to write\n"
    "The pages:\n";

std::string Help() { return kDialogHelp + DialogPageList("  "); }

bool KnownLanguage(long long language) {
  return language == LANG_ENGLISH_US || language == LANG_CHINESE_TAIWAN || language == LANG_KOREAN ||
         language == LANG_CHINESE_PRC;
}

// The action of a template's macro, loaded with the library's own classes.
struct TemplateAction {
  std::unique_ptr<CTemplate> owner;
  CAction* action = nullptr;
};

bool LoadTemplateAction(const std::string& path, long long key, long long position, TemplateAction& out,
                        std::string& error) {
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(path, ignored)) {
    error = "no template file " + path;
    return false;
  }
  out.owner = std::make_unique<CTemplate>();
  out.owner->ReadContainer(path.c_str(), "");
  CMacroAction* macro = nullptr;
  std::string ids;
  for (int i = 0; i < out.owner->GetCount(); ++i) {
    auto* candidate = dynamic_cast<CMacroAction*>(out.owner->GetAt(i));
    if (!candidate) continue;
    ids += (ids.empty() ? "" : ", ") + std::to_string(candidate->m_nID);
    if (!macro && candidate->m_nID == key) macro = candidate;
  }
  if (!macro) {
    error = "template " + path + " has no macro " + std::to_string(key) +
            (ids.empty() ? " (it has none)" : " (its macros: " + ids + ")");
    return false;
  }
  const int count = macro->GetCount();
  if (position > count) {
    error = "macro " + std::to_string(key) + " has " + std::to_string(count) + " action" + (count == 1 ? "" : "s") +
            "; --pos wants a position from 1 to " + std::to_string(count);
    return false;
  }
  out.action = dynamic_cast<CAction*>(macro->GetAt(static_cast<int>(position - 1)));
  if (!out.action) {
    error = "action " + std::to_string(position) + " of macro " + std::to_string(key) + " is not an action";
    return false;
  }
  return true;
}

// Restores the resource language the command changed.
struct LanguageScope {
  ~LanguageScope() { SetResourceLanguage(0); }
};

}  // namespace

int RunDialog(const Words& given) {
  // "-o FILE" is the usual spelling of the output.
  Words words;
  for (const std::string& word : given) words.push_back(word == "-o" ? "--output" : word);
  Arguments args;
  if (!args.Parse(words, {"page", "lang", "output", "template", "key", "pos"}, {"list", "help"}))
    return Fail(2, args.Error() + " (see corvane dialog --help)");
  if (args.Has("help")) {
    std::cout << Help();
    return 0;
  }
  if (args.Has("list")) {
    std::cout << DialogPageList("");
    return 0;
  }
  if (!args.Positional().empty())
    return Fail(2, "dialog takes no file name of its own: \"" + args.Positional().front() +
                       "\" (the picture goes to -o FILE)");
  std::optional<long long> language, key, position;
  if (!args.Integer("lang", 0, 0xFFFF, language) || !args.Integer("key", INT32_MIN, INT32_MAX, key) ||
      !args.Integer("pos", 1, INT32_MAX, position))
    return Fail(2, args.Error());
  const std::optional<std::string> output = args.Value("output");
  if (!output || output->empty()) return Fail(2, "dialog needs -o FILE.png, the picture to write");
  const std::optional<std::string> templatePath = args.Value("template");
  if (templatePath && (!key || !position)) return Fail(2, "--template needs --key ID and --pos N, the action to show");
  if (!templatePath && (key || position)) return Fail(2, "--key and --pos go with --template");

  const DialogPageEntry* page = nullptr;
  if (auto name = args.Value("page")) {
    page = FindDialogPage(*name);
    if (!page) return Fail(2, "no page \"" + *name + "\"; the pages are:\n" + DialogPageList("  "));
  } else if (!templatePath) {
    return Fail(2, "dialog needs --page PAGE; the pages are:\n" + DialogPageList("  "));
  }

  LanguageScope restore;
  if (language) {
    // Languages the library has no texts in show English, as the sheet does.
    SetResourceLanguage(KnownLanguage(*language) ? static_cast<LANGID>(*language) : LANG_ENGLISH_US);
  }

  TemplateAction source;
  std::string error;
  if (templatePath) {
    if (!LoadTemplateAction(*templatePath, *key, *position, source, error)) return Fail(1, error);
    if (!page) {
      // The page the sheet opens on for that action.
      const int start = GetActionSheetStartPage(source.action, false);
      for (const DialogPageEntry& candidate : DialogPages())
        if (!page && candidate.show == DialogPages().front().show && candidate.position == start) page = &candidate;
      if (!page) return Fail(1, "no page shows that action");
    }
  }

  PictureStatus status = PictureStatus::NotDrawn;
  const bool shown = page->show(*page, source.action, [&](DialogSession& session) {
    status = WriteSheetPng(session.Sheet(), output->c_str());
  }, error);
  if (!shown) return Fail(1, "cannot show the page \"" + std::string(page->name) + "\": " + error);
  switch (status) {
    case PictureStatus::Written:
      return 0;
    case PictureStatus::NoRasterSurface:
      return Fail(1, "this build cannot draw pictures (no raster surface on this platform); nothing was written");
    default:
      return Fail(1, "cannot write " + *output);
  }
}

}  // namespace corvane::cli
