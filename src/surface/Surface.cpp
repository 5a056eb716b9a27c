#include "surface/Surface.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

#include "container/ProfileValue.h"
#include "corvane/ListCtrl.h"
#include "surface/TabletDriver.h"
#include "system/Profile.h"
#include "system/Resources.h"

namespace corvane {

namespace {
CString CellSection(int index) {
  char name[32];
  std::snprintf(name, sizeof name, "FKey.%02d", index + 1);
  return CString(name);
}

// Counts from files and the driver beyond the slot table are cut to it.
int ClampCount(long long count) { return static_cast<int>(std::clamp<long long>(count, 0, kSurfaceCellSlots)); }

CString TrimmedText(const CString& text) {
  std::string value = text.str();
  while (!value.empty() && (value.back() == '\n' || value.back() == '\r' || value.back() == ' ' ||
                            value.back() == '\t'))
    value.pop_back();
  return CString(value);
}
}  // namespace

CSurface::CSurface() {
  m_dwStyle = kSurfaceDefaultStyle;
  m_lfDefault.lfHeight = 9;
}

CSurface::CSurface(const CSurface& source)
    : CContainer(source),
      m_strBaseFolder(source.m_strBaseFolder),
      m_lfDefault(source.m_lfDefault),
      m_crDefaultText(source.m_crDefaultText),
      m_rcSurface(source.m_rcSurface),
      m_rcInner(source.m_rcInner),
      m_rcBitmapArea(source.m_rcBitmapArea),
      m_nResolution(source.m_nResolution),
      m_crFrame(source.m_crFrame),
      m_crInnerFrame(source.m_crInnerFrame),
      m_crCell(source.m_crCell),
      m_crSelectedCell(source.m_crSelectedCell),
      m_crBackground(source.m_crBackground),
      m_nCellCount(source.m_nCellCount) {
  SetBackgroundBitmap(source.m_strBitmapFile, nullptr);
  for (int i = 0; i < m_nCellCount; ++i) {
    CHotCell* cell = source.m_apCells[i];
    if (!cell) continue;
    auto* copy = static_cast<CHotCell*>(cell->Clone());
    if (!copy) continue;
    copy->m_pParent = this;
    m_apCells[i] = copy;
  }
}

CSurface::~CSurface() {
  for (CHotCell*& cell : m_apCells) {
    delete cell;
    cell = nullptr;
  }
  FreeBitmapBlock(m_hBitmapBlock);
  m_hBitmapBlock = nullptr;
  DropBackgroundCache();
}

void CSurface::DropBackgroundCache() {
  delete m_pBackgroundCache;
  m_pBackgroundCache = nullptr;
}

CRect CSurface::GetContainerRect() { return m_rcSurface; }
LOGFONT* CSurface::GetLogFont() { return &m_lfDefault; }
COLORREF CSurface::GetTextColor() { return m_crDefaultText; }
CContainer* CSurface::Clone() { return new (std::nothrow) CSurface(*this); }
CContainer* CSurface::GetSubContainer(int index) { return GetCell(index, FALSE); }
int CSurface::GetCount() { return m_nCellCount; }
CSize CSurface::GetContainerDPI() { return CSize(m_nResolution, m_nResolution); }

CHotCell* CSurface::GetCell(int index, BOOL replace) {
  if (index < 0) index = m_nCurSel;
  if (index < 0 || index >= kSurfaceCellSlots) return nullptr;
  CHotCell*& slot = m_apCells[index];
  if (replace && slot) {
    delete slot;
    slot = nullptr;
  }
  if (!slot) {
    slot = new (std::nothrow) CHotCell(index);
    if (!slot) return nullptr;
    slot->m_pParent = this;
    slot->m_strBaseFolder = m_strBaseFolder;
  }
  return slot;
}

void CSurface::SetBackgroundBitmap(const CString& path, HBITMAPBLOCK block) {
  DropBackgroundCache();
  m_strBitmapFile = path;
  if (block != m_hBitmapBlock) FreeBitmapBlock(m_hBitmapBlock);
  m_hBitmapBlock = block;
  if (!block && !path.IsEmpty()) m_hBitmapBlock = LoadBmpFile(ResolveBesideFolder(path, m_strBaseFolder));
}

int CSurface::LoadLayoutFromDriver() {
  auto layout = std::make_unique<TabletLayout>();
  if (!QueryTabletLayout(*layout)) return 0;
  const CFunctionKeyTable& table = layout->keys;
  m_rcSurface = CRect(0, 0, table.Width(), table.Height());
  m_nResolution = layout->nResolution;
  m_nCellCount = ClampCount(table.KeyCount());
  m_rcInner = CRect(table.MarginLeft(), table.MarginTop(), table.Width() - table.MarginRight(),
                    table.Height() - table.MarginBottom());
  m_rcBitmapArea = (m_dwStyle & SURFACE_BITMAP_IN_WORKING_AREA) ? m_rcInner : m_rcSurface;
  for (int i = 0; i < m_nCellCount; ++i) {
    CHotCell* cell = GetCell(i, TRUE);
    if (cell) cell->LoadFromRegistry();
  }
  return 1;
}

int CSurface::ReadContainer(const CString& file, const CString&) {
  DropBackgroundCache();
  if (file.IsEmpty()) return LoadLayoutFromDriver();
  m_strBaseFolder = FolderOfFile(file);
  const char* const section = "Template";

  char* cursor = ReadProfileValue(file, section, "Dimention");
  const int width = NextInt(&cursor, ',');
  const int height = NextInt(&cursor, ',');
  // A frame of no size (or of a negative one) leaves the frame as it was.
  if (width > 0 && height > 0) m_rcSurface = CRect(0, 0, width, height);
  m_nResolution = static_cast<int>(GetPrivateProfileIntA(section, "Resolution", 500, file));
  m_nCellCount = ClampCount(static_cast<int>(GetPrivateProfileIntA(section, "Count", 0, file)));
  m_dwStyle = GetPrivateProfileIntA(section, "Style", static_cast<INT>(kSurfaceDefaultStyle), file);
  CString bitmap;
  ReadProfileString(bitmap, file, section, "BkgndBmp", "");
  SetBackgroundBitmap(TrimmedText(bitmap), nullptr);
  cursor = ReadProfileValue(file, section, "BkgndBmpContainer");
  if (*cursor) ReadRect(&cursor, &m_rcBitmapArea, ',');
  cursor = ReadProfileValue(file, section, "InnerRectangle");
  if (*cursor) {
    ReadRect(&cursor, &m_rcInner, ',');
  } else {
    auto layout = std::make_unique<TabletLayout>();
    if (QueryTabletLayout(*layout)) {
      const CFunctionKeyTable& table = layout->keys;
      m_rcInner = CRect(table.MarginLeft(), table.MarginTop(), table.Width() - table.MarginRight(),
                        table.Height() - table.MarginBottom());
    } else {
      m_rcInner = CRect(333, 333, m_rcSurface.right - 333, m_rcSurface.bottom - 333);
    }
  }
  cursor = ReadProfileValue(file, section, "DefaultFont");
  if (*cursor) ReadLogFont(&cursor, &m_lfDefault, ',');
  cursor = ReadProfileValue(file, section, "DefaultTextColor");
  m_crDefaultText = ReadColor(&cursor, ',');

  for (int i = 0; i < m_nCellCount; ++i) {
    CHotCell* cell = GetCell(i, TRUE);
    if (cell) cell->ReadContainer(file, CellSection(i));
  }
  return 1;
}

void CSurface::SaveCellsToRegistry() {
  for (int i = 0; i < m_nCellCount; ++i) {
    CHotCell* cell = GetCell(i, FALSE);
    if (cell) cell->SaveToRegistry();
  }
}

void CSurface::WriteContainer(const CString& file, const CString&) {
  if (file.IsEmpty()) {
    SaveCellsToRegistry();
    return;
  }
  const char* const section = "Template";
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, kSizeFormat, m_rcSurface.Width(), m_rcSurface.Height());
  WritePrivateProfileStringA(section, "Dimention", g_profileBuffer, file);
  WritePrivateProfileStringA(section, "Resolution", FormatIntValue(m_nResolution), file);
  WritePrivateProfileStringA(section, "InnerRectangle", FormatRectValue(m_rcInner), file);
  WritePrivateProfileStringA(section, "Count", FormatIntValue(m_nCellCount), file);
  WritePrivateProfileStringA(section, "Style", FormatIntValue(static_cast<int>(m_dwStyle)), file);
  if (!m_strBitmapFile.IsEmpty()) {
    std::snprintf(g_profileBuffer, sizeof g_profileBuffer, "%s\n", m_strBitmapFile.GetString());
    WritePrivateProfileStringA(section, "BkgndBmp", g_profileBuffer, file);
  }
  WritePrivateProfileStringA(section, "BkgndBmpContainer", FormatRectValue(m_rcBitmapArea), file);
  WritePrivateProfileStringA(section, "DefaultFont", FormatFontValue(m_lfDefault), file);
  WritePrivateProfileStringA(section, "DefaultTextColor", FormatColorValue(m_crDefaultText), file);
  for (int i = 0; i < m_nCellCount; ++i) {
    CHotCell* cell = GetCell(i, FALSE);
    if (cell) cell->WriteContainer(file, CellSection(i));
  }
}

void CSurface::ControlSetup(CListCtrl* list) {
  if (!list) return;
  list->InsertColumn(0, LoadResString(IDS_COLUMN_CELL), LVCFMT_LEFT, 40);
  list->InsertColumn(1, LoadResString(IDS_COLUMN_LABEL), LVCFMT_LEFT, 144);
  list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

void CSurface::ControlInsertItem(CListCtrl* list, int index) {
  if (!list) return;
  if (index == -1) index = m_nCurSel;
  if (index < 0) return;
  CHotCell* cell = GetCell(index, FALSE);
  if (!cell) return;
  char id[16];
  std::snprintf(id, sizeof id, "%d", cell->m_nFKeyID);
  list->SetItemText(index, 0, id);
  list->SetItemText(index, 1, cell->GetAliasString());
}

void CSurface::ControlItemChanged(CListCtrl* list, int column, int index) {
  if (!list) return;
  if (index == -1) index = m_nCurSel;
  if (index < 0) return;
  CHotCell* cell = GetCell(index, FALSE);
  if (cell) cell->SetAliasString(list->GetItemText(index, column));
}

int CSurface::GetAliasField(CListCtrl*) { return 1; }

// Drawing.

void CSurface::OnDraw(CDC* dc, CRect* rect, int flag) {
  if (!dc || !rect || m_nCellCount == 0) return;
  const CRect dest(*rect);
  std::unique_ptr<CDC> memory;
  if (flag == 0) {
    memory = std::make_unique<CDC>(nullptr);
    if (!memory->CreateCompatibleDC(dc)) memory.reset();
  }
  dc->SaveDC();
  dc->SelectStockObject(NULL_BRUSH);
  dc->SelectStockObject(NULL_PEN);

  CBrush background(m_crBackground);
  dc->SelectObject(&background);
  DrawLayer(dc, dest, nullptr, 1);
  DrawLayer(dc, dest, memory.get(), 2);

  CPen framePen(PS_SOLID, 1, m_crFrame);
  dc->SelectObject(&framePen);
  DrawLayer(dc, dest, nullptr, 3);
  CPen innerPen(PS_SOLID, 1, m_crInnerFrame);
  dc->SelectObject(&innerPen);
  DrawLayer(dc, dest, nullptr, 4);

  dc->SetBkColor(m_crBackground);
  dc->SetTextColor(m_crDefaultText);
  CBrush cellBrush(m_crCell);
  dc->SelectObject(&cellBrush);
  DrawLayer(dc, dest, nullptr, 5);

  CBrush selectedBrush(m_crSelectedCell);
  if (flag == 0) {
    dc->SetBkColor(m_crBackground);
    dc->SetTextColor(m_crDefaultText);
    dc->SelectObject(&selectedBrush);
    DrawLayer(dc, dest, nullptr, 6);
  }
  memory.reset();
  dc->RestoreDC(-1);
}

void CSurface::DrawLayer(CDC* dc, const RECT& dest, CDC* memory, int layer) {
  if (!dc) return;
  const CRect d(dest);
  switch (layer) {
    case 1:
      dc->SelectStockObject(NULL_PEN);
      dc->Rectangle(&d);
      break;
    case 2:
      if (!m_hBitmapBlock) break;
      if (memory) {
        if (!m_pBackgroundCache) RenderBackground(dc, d);
        if (m_pBackgroundCache) {
          CBitmap* old = memory->SelectObject(m_pBackgroundCache);
          dc->BitBlt(d.left, d.top, d.Width(), d.Height(), memory, 0, 0, SRCCOPY);
          if (old) memory->SelectObject(old);
        }
      } else {
        CRect area;
        ScaleRectToFrame(&area, &d, &m_rcBitmapArea, &m_rcSurface);
        BmpDrawInRect(dc, &area, m_hBitmapBlock, m_dwStyle);
      }
      break;
    case 3:
    case 4: {
      if (!(m_dwStyle & (layer == 3 ? SURFACE_DRAW_FRAME : SURFACE_DRAW_INNER_FRAME))) break;
      CRect frame;
      const CRect& tablet = layer == 3 ? m_rcSurface : m_rcInner;
      TranslateCoordinate(&frame, &d, &tablet, 0);
      dc->SelectStockObject(NULL_BRUSH);
      dc->Rectangle(&frame);
      break;
    }
    case 5:
    case 6: {
      if (layer == 5) {
        dc->SelectStockObject(NULL_PEN);
        dc->SetBkMode(TRANSPARENT);
      }
      // A label of p points is drawn p/72 of a tablet inch high, at the
      // scale of the tablet frame in the destination.
      const long long numerator = static_cast<long long>(m_nResolution) * d.Height();
      const long long denominator = static_cast<long long>(m_rcSurface.Height()) * 72;
      auto fit = [](long long v) { return static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX)); };
      if (layer == 5) {
        for (int i = 0; i < m_nCellCount; ++i) {
          CHotCell* cell = GetCell(i, FALSE);
          if (cell) cell->DrawCell(dc, d, m_rcSurface, fit(numerator), fit(denominator));
        }
      } else if (CHotCell* cell = GetCell(-1, FALSE)) {
        cell->DrawCell(dc, d, m_rcSurface, fit(numerator), fit(denominator));
      }
      break;
    }
    default:
      break;
  }
}

void CSurface::RenderBackground(CDC* dc, const RECT& dest) {
  DropBackgroundCache();
  if (!m_hBitmapBlock || !dc) return;
  const CRect d(dest);
  const CRect bounds(0, 0, d.Width(), d.Height());
  CRect area;
  ScaleRectToFrame(&area, &bounds, &m_rcBitmapArea, &m_rcSurface);
  m_pBackgroundCache = new (std::nothrow) CBitmap;
  if (!m_pBackgroundCache || !m_pBackgroundCache->CreateCompatibleBitmap(dc, bounds.Width(), bounds.Height())) {
    // Without room for the cache the bitmap is let go until one is set again.
    DropBackgroundCache();
    FreeBitmapBlock(m_hBitmapBlock);
    m_hBitmapBlock = nullptr;
    return;
  }
  CDC memory(nullptr);
  if (!memory.CreateCompatibleDC(dc)) {
    DropBackgroundCache();  // tried again at the next drawing
    return;
  }
  CBitmap* old = memory.SelectObject(m_pBackgroundCache);
  CBrush brush(m_crBackground);
  memory.FillRect(&bounds, &brush);
  BmpDrawInRect(&memory, &area, m_hBitmapBlock, m_dwStyle);
  if (old) memory.SelectObject(old);
}

}  // namespace corvane
