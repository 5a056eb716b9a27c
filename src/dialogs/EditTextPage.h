// CEditTextPage: the Text page of the action sheet (template 145): a text
// to type, on as many lines as it takes.
#pragma once

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

constexpr UINT IDD_EDIT_TEXT = 145;
constexpr int IDC_EDIT_TEXT = 1090;

class CEditTextPage : public CPropertyPage {
  DECLARE_DYNAMIC(CEditTextPage)

 public:
  CEditTextPage();
  ~CEditTextPage() override;

  CString m_strEditText;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnSetActive() override;

  void UpdateState();

  DECLARE_MESSAGE_MAP()
};

}  // namespace corvane
