// CEditRunPage: the Run page of the action sheet (template 148): a program
// or document to open, its start folder, window state and parameters.
#pragma once

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

constexpr UINT IDD_EDIT_RUN = 148;
constexpr int IDC_EDIT_PROGRAM = 1096;
constexpr int IDC_BROWSE = 1097;
constexpr int IDC_EDIT_START_IN = 1098;
constexpr int IDC_COMBO_WINDOW = 1099;
constexpr int IDC_EDIT_PARAMS = 1100;
constexpr UINT IDB_BROWSE = 988;

class CEditRunPage : public CPropertyPage {
  DECLARE_DYNAMIC(CEditRunPage)

 public:
  CEditRunPage();
  ~CEditRunPage() override;

  CButton m_btnBrowse;
  CString m_strEditProgram;
  CString m_strEditParams;
  CString m_strEditStartIn;
  int m_nEditWindow = -1;

  // The folder part of a program path: up to and including its last
  // separator, empty without one.
  static CString StartFolderOf(const CString& program);

 protected:
  friend class CEditActionSheet;  // its presets run UpdateState

  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnSetActive() override;

  void UpdateState();
  void DeriveStartFolder();
  void OnProgramChanged();
  void OnBrowse();
  void OnStartInChanged();
  void OnParamsChanged();

  DECLARE_MESSAGE_MAP()
};

}  // namespace corvane
