// CPageCellProperty: the label page of a hot cell's sheet (template 144):
// how the key is drawn (as a node or with its icon), the node colour, and
// the label's colour and font.  Works on the sheet's copy of the cell and
// writes into it as each control is used.
#pragma once

#include "system/dialogs/DataExchange.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {

class CHotCell;

constexpr UINT IDD_CELL_PROPERTY = 144;
constexpr int IDC_CELL_NODE = 1040;
constexpr int IDC_CELL_ICON = 1041;
constexpr int IDC_CELL_TEXT_COLOR = 1044;
constexpr int IDC_CELL_NODE_COLOR = 1045;
constexpr int IDC_CELL_FONT = 1034;

class CPageCellProperty : public CPropertyPage {
  DECLARE_DYNAMIC(CPageCellProperty)

 public:
  CPageCellProperty();
  ~CPageCellProperty() override;

  CHotCell* m_pCell = nullptr;
  CButton m_btnTextColor;
  CButton m_btnNodeColor;

  // The colour chosen with the node swatch, for the opener to give to the
  // surface's nodes; only meaningful when m_bNodeColorChosen.
  COLORREF m_crNodeColor = 0;
  bool m_bNodeColorChosen = false;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;

  void OnTextColor();
  void OnNodeColor();
  void OnSelectFont();
  void OnNode();
  void OnIcon();
  void ShowDrawingKind();

  // The icon file put aside by "Node", given back by "Icon".
  CString m_strSetAsideIcon;

  DECLARE_MESSAGE_MAP()
};

}  // namespace corvane
