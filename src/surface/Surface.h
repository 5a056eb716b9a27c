// CSurface: the layout of the tablet overlay.  The tablet's coordinate
// frame in tablet units and its resolution, the working area inside it, an
// optional background bitmap and the area it fills, the default label font
// and colour, display colours and style bits, and up to 256 hot cells, one
// per function key.  Read from and written to a surface file (".tmt"), or,
// with an empty file name, from and to the tablet driver.  Drawn in a
// window through an off-screen cache of its background.
#pragma once

#include "container/Container.h"
#include "surface/BitmapUtils.h"
#include "surface/HotCell.h"

namespace corvane {

constexpr int kSurfaceCellSlots = 256;

// Style bits.
constexpr DWORD SURFACE_DRAW_INNER_FRAME = 0x1;
constexpr DWORD SURFACE_DRAW_FRAME = 0x2;
constexpr DWORD SURFACE_BITMAP_IN_WORKING_AREA = 0x8;
constexpr DWORD kSurfaceDefaultStyle = 11;

// String resources: the headings of the cell list.
constexpr UINT IDS_COLUMN_CELL = 58;
constexpr UINT IDS_COLUMN_LABEL = 59;

class CSurface : public CContainer {
 public:
  CSurface();
  CSurface(const CSurface& source);
  ~CSurface() override;

  CRect GetContainerRect() override;
  LOGFONT* GetLogFont() override;
  COLORREF GetTextColor() override;
  CContainer* Clone() override;
  CContainer* GetSubContainer(int index) override;
  int GetCount() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;
  void ControlSetup(CListCtrl* list) override;
  void ControlInsertItem(CListCtrl* list, int index) override;
  void ControlItemChanged(CListCtrl* list, int column, int index) override;
  int GetAliasField(CListCtrl* list) override;
  // Edits a copy in the "Properties" sheet (layout, background bitmap); OK
  // takes the colours, default font, style and bitmap over and answers 1,
  // Cancel changes nothing and answers 0.  In src/dialogs/CellEditing.cpp.
  int OnProperty() override;
  CSize GetContainerDPI() override;
  void OnDraw(CDC* dc, CRect* rect, int flag) override;

  // The cell of a slot (index -1: the selected one), made when the slot is
  // empty; with replace, a fresh cell in place of the old.  Null for an
  // index outside 0 to 255.
  CHotCell* GetCell(int index, BOOL replace);
  // The layout from the tablet driver: 1, or 0 (nothing changed) without it.
  int LoadLayoutFromDriver();
  void SaveCellsToRegistry();
  // Sets the background bitmap: the given block (owned from then on), or,
  // without one, the file at path.  Drops the background cache.
  void SetBackgroundBitmap(const CString& path, HBITMAPBLOCK block);
  // Renders the background colour and bitmap for frame dest into the cache.
  void RenderBackground(CDC* dc, const RECT& dest);
  // Draws one layer (1 to 6) of the surface.
  void DrawLayer(CDC* dc, const RECT& dest, CDC* memory, int layer);

  // Folder in which relative bitmap and icon paths are also looked for:
  // the folder of the surface file last read.
  CString m_strBaseFolder;

  LOGFONT m_lfDefault{};
  COLORREF m_crDefaultText = 0;
  CRect m_rcSurface{0, 0, 4000, 3000};
  CRect m_rcInner{333, 333, 3667, 2667};
  CRect m_rcBitmapArea{333, 333, 3667, 2667};
  int m_nResolution = 1000;
  COLORREF m_crFrame = 0xFF0000;
  COLORREF m_crInnerFrame = 0x00FF00;
  COLORREF m_crCell = 0xC8C8C8;
  COLORREF m_crSelectedCell = 0x006400;
  COLORREF m_crBackground = 0xFFFFFF;
  int m_nCellCount = 0;
  CString m_strBitmapFile;
  CHotCell* m_apCells[kSurfaceCellSlots] = {};
  CBitmap* m_pBackgroundCache = nullptr;
  HBITMAPBLOCK m_hBitmapBlock = nullptr;

 private:
  void DropBackgroundCache();
};

}  // namespace corvane
