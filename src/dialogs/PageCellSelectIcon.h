// CPageCellSelectIcon: the icon page of a hot cell's sheet (template 136):
// the icons of one file in a list; the cell's icon file and, on OK, the
// chosen icon's position go into the sheet's copy of the cell.
#pragma once

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/ListView.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

class CHotCell;

constexpr UINT IDD_CELL_SELECT_ICON = 136;
constexpr int IDC_ICON_LIST = 1018;
constexpr int IDC_ICON_FILE = 1045;
constexpr int IDC_ICON_BROWSE = 1046;
// Icons read from one file at most.
constexpr int kMaxListedIcons = 512;

class CPageCellSelectIcon : public CPropertyPage {
  DECLARE_DYNAMIC(CPageCellSelectIcon)

 public:
  CPageCellSelectIcon();
  ~CPageCellSelectIcon() override;

  CButton m_btnBrowse;
  CListViewCtrl m_listIcons;
  CHotCell* m_pCell = nullptr;
  int m_nIconCount = 0;
  HICON* m_phIcons = nullptr;
  CImageList m_imageList;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  void OnOK() override;

  void OnBrowse();
  void OnIconFileChanged();
  void FillIconList();
  void ReleaseIcons();

  DECLARE_MESSAGE_MAP()
};

}  // namespace corvane
