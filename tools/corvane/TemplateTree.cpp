#include "TemplateTree.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "corvane/Corvane.h"
#include "corvane/ListCtrl.h"
#include "system/Profile.h"

namespace corvane::cli {

namespace {

std::string ReadTemplateKey(const std::string& file, const char* key, const char* defaultText) {
  char buffer[1024];
  GetPrivateProfileStringA("Template", key, defaultText, buffer, 1023, file.c_str());
  return buffer;
}

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace

std::string FileNamePart(const std::string& path) {
  const size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ActionListingLine(const ActionInfo& action) {
  // Most descriptions name their kind themselves; the others get the type
  // name in front.
  std::string line;
  if (action.description.empty())
    line = action.type;
  else if (action.description.rfind(action.type, 0) == 0)
    line = action.description;
  else
    line = action.type + ": " + action.description;
  if (!action.alias.empty()) line += "  [" + action.alias + "]";
  return line;
}

std::vector<ActionInfo> ListActions(void* list) {
  std::vector<ActionInfo> out;
  CListCtrl actions;
  ACTControlSetup(list, &actions);
  const int count = ACTGetCount(list);
  for (int j = 0; j < count; ++j) {
    actions.InsertItem(j, "");
    ACTControlInsertItem(list, &actions, j);
    ActionInfo action;
    action.type = actions.GetItemText(j, 1).GetString();
    action.alias = actions.GetItemText(j, 2).GetString();
    action.description = actions.GetItemText(j, 3).GetString();
    out.push_back(std::move(action));
  }
  return out;
}

TemplateTree::~TemplateTree() { ACTDeleteContainer(m_root); }

std::vector<std::string> TemplateTree::FolderFiles(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> others;
  bool base = false;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    std::error_code typeError;
    if (entry.is_directory(typeError)) continue;
    const std::string name = entry.path().filename().string();
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.compare(dot + 1, std::string::npos, "tmp") != 0) continue;
    if (name == "base.tmp")
      base = true;
    else
      others.push_back(name);
  }
  if (!base) return {};
  std::sort(others.begin(), others.end());
  others.insert(others.begin(), "base.tmp");
  for (std::string& name : others) name = (fs::path(folder) / name).string();
  return others;
}

bool TemplateTree::Load(const std::string& path, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code fsError;
  m_path = path;
  if (fs::is_directory(path, fsError)) {
    m_folder = true;
    m_root = ACTCreateContainer(CORVANE_TYPE_TEMPLATE_COLLECTION);
    if (!m_root || ACTReadContainer(m_root, path.c_str()) == 0) {
      error = "no template folder: " + path + " holds no base.tmp";
      return false;
    }
    const std::vector<std::string> files = FolderFiles(path);
    const int count = ACTGetCount(m_root);
    for (int i = 0; i < count; ++i) {
      TemplateInfo info;
      Describe(ACTGetAt(m_root, i), i < static_cast<int>(files.size()) ? files[static_cast<size_t>(i)] : "", info);
      m_templates.push_back(std::move(info));
    }
    return true;
  }
  if (!fs::is_regular_file(path, fsError)) {
    error = "no such file or folder: " + path;
    return false;
  }
  m_root = ACTCreateContainer(CORVANE_TYPE_TEMPLATE);
  if (!m_root) {
    error = "out of memory";
    return false;
  }
  ACTReadContainer(m_root, path.c_str());
  TemplateInfo info;
  Describe(m_root, path, info);
  m_templates.push_back(std::move(info));
  return true;
}

void TemplateTree::Describe(void* handle, const std::string& file, TemplateInfo& info) {
  info.handle = handle;
  info.file = file;
  if (!file.empty()) {
    info.name = ReadTemplateKey(file, "TemplateName", "Base");
    info.exe = ReadTemplateKey(file, "ExeName", "NONE");
    info.module = ReadTemplateKey(file, "ModuleName", "NONE");
    info.windowClass = ReadTemplateKey(file, "ClassName", "NONE");
  }
  CListCtrl macros;
  ACTControlSetup(handle, &macros);
  const int count = ACTGetCount(handle);
  for (int i = 0; i < count; ++i) {
    macros.InsertItem(i, "");
    ACTControlInsertItem(handle, &macros, i);
    MacroInfo macro;
    macro.handle = ACTGetAt(handle, i);
    macro.id = std::atoi(macros.GetItemText(i, 0));
    macro.alias = ACTGetAliasString(macro.handle).GetString();
    macro.actions = ListActions(macro.handle);
    info.macros.push_back(std::move(macro));
  }
}

const TemplateInfo& TemplateTree::Choose(const std::string& executable) const {
  const std::string wanted = Lower(FileNamePart(executable));
  if (!wanted.empty())
    for (const TemplateInfo& info : m_templates)
      if (Lower(FileNamePart(info.exe)) == wanted) return info;
  return m_templates.front();
}

}  // namespace corvane::cli
