// CPageLayout: the layout page of the surface's sheet (template 143): the
// default label font and colour, the frame, inner frame and background
// colours, the two frame borders, and a live preview of the surface.  Works
// on the sheet's copy of the surface and writes into it as each control is
// used.
#pragma once

#include <optional>
#include <vector>

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

class CSurface;

constexpr UINT IDD_SURFACE_LAYOUT = 143;
constexpr int IDC_PREVIEW = 1027;
constexpr int IDC_LAYOUT_FRAME_BORDER = 1029;
constexpr int IDC_LAYOUT_INNER_BORDER = 1030;
constexpr int IDC_LAYOUT_APPLY_ALL = 1033;
constexpr int IDC_LAYOUT_FONT = 1034;
constexpr int IDC_LAYOUT_TEXT_COLOR = 1043;
constexpr int IDC_LAYOUT_BACK_COLOR = 1044;
constexpr int IDC_LAYOUT_FRAME_COLOR = 1045;
constexpr int IDC_LAYOUT_INNER_COLOR = 1046;

class CPageLayout : public CPropertyPage {
  DECLARE_DYNAMIC(CPageLayout)

 public:
  CPageLayout();
  ~CPageLayout() override;

  CSurface* m_pSurface = nullptr;
  CRect m_rcPreview;
  CStatic m_wndPreview;
  CButton m_btnTextColor;
  CButton m_btnInnerColor;
  CButton m_btnFrameColor;
  CButton m_btnBackColor;
  int m_bApplyAll = 0;
  int m_bFrameBorder = 0;
  int m_bInnerBorder = 0;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;

  void OnSelectFont();
  void OnTextColor();
  void OnFrameColor();
  void OnInnerColor();
  void OnBackColor();
  void OnApplyAll();
  void OnFrameBorder();
  void OnInnerBorder();
  void OnPaint();

  void PickColor(COLORREF& field, CButton& swatch);
  // "Apply to all": the cells' own label fonts and colours of the copy,
  // put aside while the box is ticked so that unticking gives them back.
  struct CellLook {
    int slot;
    std::optional<LOGFONT> font;
    COLORREF color;
  };
  std::vector<CellLook> m_setAside;

  DECLARE_MESSAGE_MAP()
};

}  // namespace corvane
