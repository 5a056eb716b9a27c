#include "surface/TemplateCollect.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <system_error>

#include "surface/Template.h"

namespace corvane {

CTemplateCollect::CTemplateCollect() { m_nContainerType = CONTAINER_TEMPLATE_COLLECTION; }

CTemplateCollect::CTemplateCollect(const CTemplateCollect& source) : CContainer(source) {
  m_nContainerType = CONTAINER_TEMPLATE_COLLECTION;
}

CTemplateCollect::~CTemplateCollect() = default;

CContainer* CTemplateCollect::Clone() { return new (std::nothrow) CTemplateCollect(*this); }

std::vector<std::string> CTemplateCollect::TemplateFiles(const std::string& folder) {
  namespace fs = std::filesystem;
  std::string base;
  std::vector<std::string> others;
  std::error_code error;
  fs::directory_iterator it(fs::path(folder), error);
  if (error) return {};
  for (const fs::directory_entry& entry : it) {
    std::error_code typeError;
    if (entry.is_directory(typeError)) continue;
    const std::string name = entry.path().filename().string();
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) continue;
    // The extension and the base name compare byte for byte, letter case included.
    if (name.compare(dot + 1, std::string::npos, "tmp") != 0) continue;
    const std::string path = (fs::path(folder) / name).string();
    if (name == "base.tmp")
      base = path;
    else
      others.push_back(path);
  }
  if (base.empty()) return {};
  // The folder's own order differs between file systems; sorting by name
  // makes a folder load the same way everywhere.
  std::sort(others.begin(), others.end());
  others.insert(others.begin(), base);
  return others;
}

int CTemplateCollect::ReadContainer(const CString& folder, const CString&) {
  const std::vector<std::string> files = TemplateFiles(folder.str());
  if (files.empty()) return 0;
  for (const std::string& path : files) {
    CTemplate* item = new (std::nothrow) CTemplate;
    if (!item) break;
    item->ReadContainer(CString(path), CString());
    Add(item);
  }
  return 1;
}

}  // namespace corvane
