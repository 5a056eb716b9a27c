// CEditInternetPage: the Internet page of the action sheet (template 128): a
// service and an address without its prefix.
#pragma once

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

constexpr UINT IDD_EDIT_INTERNET = 128;
constexpr int IDC_COMBO_SERVICE = 1085;
constexpr int IDC_EDIT_ADDRESS = 1086;

class CEditInternetPage : public CPropertyPage {
  DECLARE_DYNAMIC(CEditInternetPage)

 public:
  CEditInternetPage();
  ~CEditInternetPage() override;

  int m_nEditService = 0;
  CString m_strEditAddress;

 protected:
  friend class CEditActionSheet;  // its presets run UpdateState

  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnSetActive() override;

  void UpdateState();

  DECLARE_MESSAGE_MAP()
};

}  // namespace corvane
