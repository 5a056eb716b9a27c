// CEditSoundPage: the Sound page of the action sheet (template 149): a sound
// file, its play mode and, for synchronous play, how many times.
#pragma once

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

constexpr UINT IDD_EDIT_SOUND = 149;
constexpr int IDC_EDIT_SOUND_FILE = 1101;
constexpr int IDC_BROWSE_SOUND = 1102;
constexpr int IDC_COMBO_MODE = 1103;
constexpr int IDC_EDIT_REPEAT = 1104;

class CEditSoundPage : public CPropertyPage {
  DECLARE_DYNAMIC(CEditSoundPage)

 public:
  CEditSoundPage();
  ~CEditSoundPage() override;

  CComboBox m_comboMode;
  CButton m_btnBrowse;
  CString m_strEditSoundFile;
  int m_nEditRepeat = 0;
  int m_nEditMode = -1;

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
