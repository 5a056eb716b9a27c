// CHotCell: one function key of the tablet overlay.  An action list whose
// actions play when the key is used, together with the key's area on the
// tablet, the area and text of its label, an optional icon, an optional
// font and text colour of its own, and the side of the tablet the key lies
// on.  Cells live in a surface, which reads, writes, hit-tests and draws
// them.  Rectangles are in tablet units, whose vertical axis runs opposite
// to the screen's.
#pragma once

#include "macros/ActList.h"
#include "system/gdi/Dc.h"
#include "system/gdi/Icon.h"

namespace corvane {

constexpr int CONTAINER_HOT_CELL = 16;

// Sides of the tablet on which a key lies.
constexpr int CELL_ALIGN_LEFT = 0;    // tall key, label moved towards larger x
constexpr int CELL_ALIGN_RIGHT = 1;   // tall key, label moved towards smaller x
constexpr int CELL_ALIGN_TOP = 2;     // wide key, label moved towards larger y
constexpr int CELL_ALIGN_BOTTOM = 3;  // wide key, label moved towards smaller y

// The label's DrawText format: centred, word-broken, unclipped, with an
// ellipsis for a word that does not fit.
constexpr UINT kCellLabelFormat = DT_CENTER | DT_WORDBREAK | DT_NOCLIP | DT_WORD_ELLIPSIS;

class CHotCell : public CActList {
 public:
  explicit CHotCell(int index = -1);
  CHotCell(const CHotCell& source);
  ~CHotCell() override;

  CRect GetContainerRect() override;
  LOGFONT* GetLogFont() override;
  COLORREF GetTextColor() override;
  CContainer* Clone() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;
  // Edits a copy in the "Properties" sheet (label, icon); OK takes the
  // label font and colour and the icon over and answers 1, Cancel changes
  // nothing and answers 0.  In src/dialogs/CellEditing.cpp.
  int OnProperty() override;
  // 1 when the point lies in the key, else 2 when in the label, else 0.
  int HitTestItem(CPoint point) override;
  void SetContainerRect(const RECT& rect) override;
  // Geometry and identifier from the driver's function-key table, then the
  // actions from the driver's registry key.  Answers 1.
  int LoadFromRegistry() override;

  // Stores the icon file and index and loads the icon (the index is clamped
  // to the icons the file holds).
  void SetIcon(const CString& path, int index);
  void SetTextFont(const LOGFONT* font);
  // The drawn shape of a key without icon, in tablet units.
  void GetShapeRect(RECT* out);
  // Draws the key (icon or rounded shape) and its label: dest is the frame
  // on the surface in device pixels, source the tablet frame; label fonts
  // are scaled by numerator / denominator.
  void DrawCell(CDC* dc, const RECT& dest, const RECT& source, int numerator, int denominator);

  // Folder to look in for an icon file given by a relative path that is not
  // found from the current folder (the folder of the surface file).
  CString m_strBaseFolder;

  LOGFONT* m_pTextFont = nullptr;
  COLORREF m_crTextColor = 0xFFFFFFFF;
  int m_nFKeyIndex = -1;
  int m_nAlignment = -1;
  CRect m_rcActive;
  CRect m_rcText;
  CString m_strIconFile;
  int m_nIconIndex = 0;
  HICON m_hIcon = nullptr;
};

// The path to open for a file named in a surface or cell: the path itself
// when it can be found, else, for a relative path, the same path in
// baseFolder when it is there.
CString ResolveBesideFolder(const CString& path, const CString& baseFolder);
// The folder part of a file path ("" for a bare name).
CString FolderOfFile(const CString& file);

}  // namespace corvane
