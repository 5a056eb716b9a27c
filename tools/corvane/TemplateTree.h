// Templates loaded through the exported functions, and what the host can
// learn about them: the name keys of each template file (read with the
// profile functions, as any host would) and, through the library's list
// views, each macro's identifier and alias and each action's type name, alias
// and description.
#pragma once

#include <string>
#include <vector>

namespace corvane::cli {

struct ActionInfo {
  std::string type;
  std::string alias;
  std::string description;
};

struct MacroInfo {
  int id = -1;
  std::string alias;
  std::vector<ActionInfo> actions;
  void* handle = nullptr;
};

struct TemplateInfo {
  std::string file;
  std::string name, exe, module, windowClass;
  std::vector<MacroInfo> macros;
  void* handle = nullptr;
};

class TemplateTree {
 public:
  TemplateTree() = default;
  ~TemplateTree();
  TemplateTree(const TemplateTree&) = delete;
  TemplateTree& operator=(const TemplateTree&) = delete;

  // Loads a template file, or every template of a folder (the base template
  // first).  False with a one-line error when there is nothing to load.
  bool Load(const std::string& path, std::string& error);

  bool IsFolder() const { return m_folder; }
  const std::string& Path() const { return m_path; }
  const std::vector<TemplateInfo>& Templates() const { return m_templates; }
  // The template meant for the application with that executable (compared
  // by file name without letter case), else the base template (the first).
  const TemplateInfo& Choose(const std::string& executable) const;

  // The template files of a folder in the order the library loads them.
  static std::vector<std::string> FolderFiles(const std::string& folder);

 private:
  void Describe(void* handle, const std::string& file, TemplateInfo& info);

  void* m_root = nullptr;
  bool m_folder = false;
  std::string m_path;
  std::vector<TemplateInfo> m_templates;
};

// The actions of a macro or any other action list (a hot cell), read
// through the library's list view: type name, list alias, description.
std::vector<ActionInfo> ListActions(void* list);
// An action's line in a listing: its description (with the type name in
// front when the description does not start with it) and its list alias.
std::string ActionListingLine(const ActionInfo& action);

// The file-name part of a path: the text after the last "/" or "\".
std::string FileNamePart(const std::string& path);

}  // namespace corvane::cli
