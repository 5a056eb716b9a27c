// CEditMenuPage: the Menu page of the action sheet (template 146): the
// underlined letters of a menu path, in upper case.
#pragma once

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

constexpr UINT IDD_EDIT_MENU = 146;
constexpr int IDC_EDIT_MENU = 1093;

class CEditMenuPage : public CPropertyPage {
  DECLARE_DYNAMIC(CEditMenuPage)

 public:
  CEditMenuPage();
  ~CEditMenuPage() override;

  CString m_strEditMenu;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnSetActive() override;

  void UpdateState();

  DECLARE_MESSAGE_MAP()
};

}  // namespace corvane
