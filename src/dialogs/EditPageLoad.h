// CEditPageLoad: the Load Template page of the five-page action sheet
// (template 141): a tablet layout file for the host launcher to load.
#pragma once

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

constexpr UINT IDD_EDIT_LOAD = 141;
constexpr int IDC_EDIT_TEMPLATE = 1078;
constexpr int IDC_BROWSE_TEMPLATE = 1097;
constexpr UINT IDB_BROWSE_FOLDER = 126;

class CEditPageLoad : public CPropertyPage {
  DECLARE_DYNAMIC(CEditPageLoad)

 public:
  CEditPageLoad();
  ~CEditPageLoad() override;

  CButton m_btnBrowse;
  CString m_strEditTemplate;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnSetActive() override;

  void UpdateState();
  void OnBrowse();

  DECLARE_MESSAGE_MAP()
};

}  // namespace corvane
