// CPageSelectBmp: the background page of the surface's sheet (template
// 140): the background bitmap file and how it fills the surface (centred,
// tiled, stretched), with the same live preview as the layout page.  Works
// on the sheet's copy of the surface.
#pragma once

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

class CSurface;

constexpr UINT IDD_SURFACE_BITMAP = 140;
constexpr int IDC_BITMAP_CLEAR = 3;
constexpr int IDC_BITMAP_MODE = 1023;
constexpr int IDC_BITMAP_PATH = 1024;
constexpr int IDC_BITMAP_BROWSE = 1026;

class CPageSelectBmp : public CPropertyPage {
  DECLARE_DYNAMIC(CPageSelectBmp)

 public:
  CPageSelectBmp();
  ~CPageSelectBmp() override;

  CSurface* m_pSurface = nullptr;
  CRect m_rcPreview;
  CComboBox m_comboMode;
  CStatic m_wndPreview;
  CButton m_btnBrowse;
  CString m_strBitmap;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;

  void OnBrowse();
  void OnPaint();
  void OnModeChanged();
  void OnClear();
  void OnPathChanged();

  DECLARE_MESSAGE_MAP()
};

}  // namespace corvane
