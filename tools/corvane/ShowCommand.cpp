// corvane show [PATH] [--json]: a template, a template folder, printed as a
// tree of templates, macros and actions.
#include <cstdio>
#include <iostream>
#include <sstream>

#include "Arguments.h"
#include "Commands.h"
#include "Json.h"
#include "TemplateTree.h"

namespace corvane::cli {

namespace {

const char* kShowHelp =
    "usage: corvane show [PATH] [--json]\n"
    "Prints a template file (.tmp) or a template folder as a tree: templates with\n"
    "their name and application, macros with identifier and alias, actions with\n"
    "type name and description.  Without PATH it shows the bundled sample.\n"
    "A surface file (.tmt) is printed with its resolution, frame, working area and\n"
    "bitmap, and its cells with index, identifier, label, alignment, key and label\n"
    "rectangles, icon and actions.\n"
    "  --json   one JSON document instead (see docs/cli.md)\n";

void PrintText(const TemplateTree& tree) {
  if (tree.IsFolder())
    std::cout << "folder " << tree.Path() << ": " << tree.Templates().size() << " template"
              << (tree.Templates().size() == 1 ? "" : "s") << "\n";
  for (const TemplateInfo& info : tree.Templates()) {
    std::cout << "template " << FileNamePart(info.file) << " \"" << info.name << "\"  exe=" << info.exe
              << " module=" << info.module << " class=" << info.windowClass << "\n";
    for (const MacroInfo& macro : info.macros) {
      std::cout << "  macro " << macro.id << " \"" << macro.alias << "\": " << macro.actions.size() << " action"
                << (macro.actions.size() == 1 ? "" : "s") << "\n";
      int n = 1;
      for (const ActionInfo& action : macro.actions) {
        std::cout << "    " << n++ << ". " << ActionListingLine(action) << "\n";
      }
    }
  }
}

void PrintJson(const TemplateTree& tree) {
  std::ostringstream out;
  out << "{\"kind\":" << JsonString(tree.IsFolder() ? "folder" : "template") << ",\"path\":" << JsonString(tree.Path())
      << ",\"templates\":[";
  bool firstTemplate = true;
  for (const TemplateInfo& info : tree.Templates()) {
    out << (firstTemplate ? "" : ",") << "\n {\"file\":" << JsonString(info.file)
        << ",\"TemplateName\":" << JsonString(info.name) << ",\"ExeName\":" << JsonString(info.exe)
        << ",\"ModuleName\":" << JsonString(info.module) << ",\"ClassName\":" << JsonString(info.windowClass)
        << ",\"macros\":[";
    firstTemplate = false;
    bool firstMacro = true;
    for (const MacroInfo& macro : info.macros) {
      out << (firstMacro ? "" : ",") << "\n  {\"ID\":" << macro.id << ",\"Alias\":" << JsonString(macro.alias)
          << ",\"actions\":[";
      firstMacro = false;
      bool firstAction = true;
      for (const ActionInfo& action : macro.actions) {
        out << (firstAction ? "" : ",") << "\n   {\"Type\":" << JsonString(action.type)
            << ",\"Alias\":" << JsonString(action.alias) << ",\"Description\":" << JsonString(action.description)
            << "}";
        firstAction = false;
      }
      out << "]}";
    }
    out << "]}";
  }
  out << "]}\n";
  std::cout << out.str();
}

}  // namespace

int RunShow(const Words& words) {
  Arguments args;
  if (!args.Parse(words, {}, {"json", "help"})) return Fail(2, args.Error() + " (see corvane show --help)");
  if (args.Has("help")) {
    std::cout << kShowHelp;
    return 0;
  }
  if (args.Positional().size() > 1) return Fail(2, "show takes one path (see corvane show --help)");
  const std::string path = args.Positional().empty() ? SampleTemplates() : args.Positional()[0];
  if (IsSurfaceFile(path)) return ShowSurface(path, args.Has("json"));
  TemplateTree tree;
  std::string error;
  if (!tree.Load(path, error)) return Fail(1, error);
  if (args.Has("json"))
    PrintJson(tree);
  else
    PrintText(tree);
  return 0;
}

}  // namespace corvane::cli
