// CTemplateCollect: the templates of one folder, the base template
// ("base.tmp") always first.  The collection is never stored as a whole: each
// template writes itself.
#pragma once

#include <string>
#include <vector>

#include "container/Container.h"

namespace corvane {

constexpr int CONTAINER_TEMPLATE_COLLECTION = 4353;

class CTemplateCollect : public CContainer {
 public:
  CTemplateCollect();
  CTemplateCollect(const CTemplateCollect& source);
  ~CTemplateCollect() override;

  CContainer* Clone() override;
  // Appends one template per ".tmp" file of the folder, the base template
  // first; answers 0 and loads nothing when the folder holds no "base.tmp".
  int ReadContainer(const CString& folder, const CString& section) override;

  // The template files of a folder in load order: "base.tmp" first, then the
  // other files whose extension is exactly "tmp", sorted by name.  Empty when
  // there is no "base.tmp".
  static std::vector<std::string> TemplateFiles(const std::string& folder);
};

}  // namespace corvane
