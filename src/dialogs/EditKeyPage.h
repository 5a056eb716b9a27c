// CEditKeyPage: the Hot Key page of the action sheet (template 127).
#pragma once

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

constexpr UINT IDD_EDIT_KEY = 127;
constexpr int IDC_CHECK_ALT = 1079;
constexpr int IDC_CHECK_SHIFT = 1080;
constexpr int IDC_CHECK_CTRL = 1081;
constexpr int IDC_COMBO_KEY = 1082;

class CEditKeyPage : public CPropertyPage {
  DECLARE_DYNAMIC(CEditKeyPage)

 public:
  CEditKeyPage();
  ~CEditKeyPage() override;

  int m_bCheckAlt = 0;
  int m_bCheckCtrl = 0;
  int m_bCheckShift = 0;
  int m_nKeyIndex = -1;  // position in the key table; -1 none
  BYTE m_cKeyCode = 0;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnSetActive() override;

  void UpdateState();

  DECLARE_MESSAGE_MAP()
};

}  // namespace corvane
