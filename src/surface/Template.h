// CTemplate: the macros meant for one application, stored in a profile file
// (".tmp") that names the application (executable, module, window class) and
// holds one numbered section per macro.  The template plays the macro whose
// identifier equals the key it is given.
#pragma once

#include "container/Container.h"

namespace corvane {

constexpr int CONTAINER_TEMPLATE = 257;

// List view of a template's macros: column headings (string ids).
constexpr UINT IDS_COLUMN_ITEM = 102;
constexpr UINT IDS_COLUMN_APPLICATION_TITLE = 103;

class CTemplate : public CContainer {
 public:
  CTemplate();
  CTemplate(const CTemplate& source);
  ~CTemplate() override;

  CContainer* Clone() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;
  void ControlSetup(CListCtrl* list) override;
  void ControlInsertItem(CListCtrl* list, int index) override;
  void ControlItemChanged(CListCtrl* list, int column, int index) override;
  int GetAliasField(CListCtrl* list) override;
  int OnInsertNew(int index) override;
  void Play(void* parameter) override;

  CString m_strFileName;
  CString m_strTemplateName;
  CString m_strExeName;
  CString m_strModuleName;
  CString m_strClassName;
};

}  // namespace corvane
