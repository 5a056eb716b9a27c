// CEditSystemPage: the System page of the action sheet (template 147): a
// system function and, for the functions that take one, its parameter.
#pragma once

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

constexpr UINT IDD_EDIT_SYSTEM = 147;
constexpr int IDC_COMBO_FUNCTION = 1091;
constexpr int IDC_COMBO_PARAM = 1092;

class CEditSystemPage : public CPropertyPage {
  DECLARE_DYNAMIC(CEditSystemPage)

 public:
  CEditSystemPage();
  ~CEditSystemPage() override;

  CComboBox m_comboFunction;
  CComboBox m_comboParam;
  int m_nParam = -1;     // position in the parameter list; -1 none
  int m_nFunction = 0;   // position in the function list

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnSetActive() override;

  void UpdateState();
  void FillParameterList();
  void OnFunctionChanged();
  void OnParamChanged();

  DECLARE_MESSAGE_MAP()
};

}  // namespace corvane
