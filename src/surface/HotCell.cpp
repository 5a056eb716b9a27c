#include "surface/HotCell.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "container/ProfileValue.h"
#include "surface/BitmapUtils.h"
#include "surface/TabletDriver.h"
#include "system/Files.h"
#include "system/Profile.h"

namespace corvane {

namespace {
bool IsAbsolutePath(const CString& path) {
  const char* p = path.GetString();
  return p[0] == '/' || p[0] == '\\' || (p[0] && p[1] == ':');
}

bool Exists(const CString& path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

// Trailing line ends and blanks are not part of a stored path.
CString TrimPath(const char* text) {
  std::string value(text ? text : "");
  while (!value.empty() && (value.back() == '\n' || value.back() == '\r' || value.back() == ' ' ||
                            value.back() == '\t'))
    value.pop_back();
  return CString(value);
}
}  // namespace

CString FolderOfFile(const CString& file) {
  const std::string& text = file.str();
  const std::size_t slash = text.find_last_of("/\\");
  return slash == std::string::npos ? CString() : CString(text.substr(0, slash));
}

CString ResolveBesideFolder(const CString& path, const CString& baseFolder) {
  if (path.IsEmpty() || Exists(path) || IsAbsolutePath(path) || baseFolder.IsEmpty()) return path;
  std::string relative = path.str();
  std::replace(relative.begin(), relative.end(), '\\', '/');
  const CString beside = baseFolder + "/" + relative.c_str();
  return Exists(beside) ? beside : path;
}

CHotCell::CHotCell(int index) : m_nFKeyIndex(index) { m_nContainerType = CONTAINER_HOT_CELL; }

CHotCell::CHotCell(const CHotCell& source)
    : CActList(source),
      m_strBaseFolder(source.m_strBaseFolder),
      m_crTextColor(source.m_crTextColor),
      m_nFKeyIndex(source.m_nFKeyIndex),
      m_nAlignment(source.m_nAlignment),
      m_rcActive(source.m_rcActive),
      m_rcText(source.m_rcText) {
  m_nContainerType = CONTAINER_HOT_CELL;
  if (source.m_pTextFont) m_pTextFont = new LOGFONT(*source.m_pTextFont);
  // The icon is loaded afresh from the same file; the copy counts the same
  // changes as the original.
  SetIcon(source.m_strIconFile, source.m_nIconIndex);
  m_nModified = source.m_nModified;
}

CHotCell::~CHotCell() {
  // A playback still running uses the cell: it ends before any of the cell
  // is taken down.
  WaitUntilIdle();
  if (m_hIcon) DestroyIcon(m_hIcon);
  m_hIcon = nullptr;
  delete m_pTextFont;
  m_pTextFont = nullptr;
}

CRect CHotCell::GetContainerRect() { return m_rcText; }

LOGFONT* CHotCell::GetLogFont() {
  if (m_pTextFont) return m_pTextFont;
  return m_pParent ? m_pParent->GetLogFont() : nullptr;
}

COLORREF CHotCell::GetTextColor() {
  if (m_crTextColor != 0xFFFFFFFF) return m_crTextColor;
  return m_pParent ? m_pParent->GetTextColor() : 0;
}

CContainer* CHotCell::Clone() { return new (std::nothrow) CHotCell(*this); }

int CHotCell::ReadContainer(const CString& file, const CString& section) {
  m_nFKeyID = static_cast<int>(GetPrivateProfileIntA(section, "ID", 0, file));
  m_nID = m_nFKeyID;

  char* cursor = ReadProfileValue(file, section, "TextFont");
  if (*cursor) {
    LOGFONT font;
    ReadLogFont(&cursor, &font, ',');
    delete m_pTextFont;
    m_pTextFont = new LOGFONT(font);
  }
  cursor = ReadProfileValue(file, section, "TextColor");
  m_crTextColor = ReadColor(&cursor, ',');
  cursor = ReadProfileValue(file, section, "TextRect");
  ReadRect(&cursor, &m_rcText, ',');
  cursor = ReadProfileValue(file, section, "ActiveRect");
  ReadRect(&cursor, &m_rcActive, ',');
  m_nAlignment = static_cast<int>(GetPrivateProfileIntA(section, "Alignment", 2, file));

  cursor = ReadProfileValue(file, section, "IconFile");
  char path[kProfileBufferSize];
  NextString(&cursor, path, sizeof path, ',');
  const int index = NextInt(&cursor, ',');
  if (m_strBaseFolder.IsEmpty()) m_strBaseFolder = FolderOfFile(file);
  SetIcon(TrimPath(path), index);

  CActList::ReadContainer(file, section);
  return 1;
}

void CHotCell::WriteContainer(const CString& file, const CString& section) {
  WritePrivateProfileStringA(section, "ID", FormatIntValue(m_nFKeyID), file);
  if (m_pTextFont) WritePrivateProfileStringA(section, "TextFont", FormatFontValue(*m_pTextFont), file);
  WritePrivateProfileStringA(section, "TextColor", FormatColorValue(m_crTextColor), file);
  WritePrivateProfileStringA(section, "TextRect", FormatRectValue(m_rcText), file);
  WritePrivateProfileStringA(section, "ActiveRect", FormatRectValue(m_rcActive), file);
  WritePrivateProfileStringA(section, "Alignment", FormatIntValue(m_nAlignment), file);
  if (!m_strIconFile.IsEmpty()) {
    std::snprintf(g_profileBuffer, sizeof g_profileBuffer, kIconFormat, m_strIconFile.GetString(), m_nIconIndex);
    WritePrivateProfileStringA(section, "IconFile", g_profileBuffer, file);
  }
  // The macro part writes its identifier under "ID" too: the cell's.
  m_nID = m_nFKeyID;
  CActList::WriteContainer(file, section);
  m_nModified = 0;
}


int CHotCell::HitTestItem(CPoint point) {
  if (m_rcActive.PtInRect(point)) return 1;
  if (m_rcText.PtInRect(point)) return 2;
  return 0;
}

void CHotCell::SetContainerRect(const RECT& rect) {
  if (m_rcText != CRect(rect)) ++m_nModified;
  m_rcText = rect;
}

int CHotCell::LoadFromRegistry() {
  auto layout = std::make_unique<TabletLayout>();
  if (QueryTabletLayout(*layout)) {
    const CFunctionKeyTable& table = layout->keys;
    const FunctionKeyEntry entry = table.Key(m_nFKeyIndex);
    m_nFKeyID = entry.id;
    m_nID = m_nFKeyID;
    m_rcActive = CRect(entry.left, entry.top, entry.right, entry.bottom);
    CRect label(m_rcActive);
    const int w = label.Width(), h = label.Height();
    if (w < h) {
      // A key taller than wide: the label lies beside it, turned on its side.
      const int top = label.top + h / 2 - w / 2;
      if (label.right < static_cast<int>(table.Width() >> 1)) {
        label.OffsetRect(table.MarginLeft() * 7 / 10, 0);
        label = CRect(label.left, top, label.left + h, top + w);
        m_nAlignment = CELL_ALIGN_LEFT;
      } else {
        label.OffsetRect(-(table.MarginRight() * 7 / 10), 0);
        label = CRect(label.right - h, top, label.right, top + w);
        m_nAlignment = CELL_ALIGN_RIGHT;
      }
    } else if (label.bottom < static_cast<int>(table.Height() >> 1)) {
      label.OffsetRect(0, table.MarginTop() * 7 / 10);
      m_nAlignment = CELL_ALIGN_TOP;
    } else {
      label.OffsetRect(0, -(table.MarginBottom() * 7 / 10));
      m_nAlignment = CELL_ALIGN_BOTTOM;
    }
    m_rcText = label;
  }
  CActList::LoadFromRegistry();
  return 1;
}

void CHotCell::SetIcon(const CString& path, int index) {
  if (m_hIcon) DestroyIcon(m_hIcon);
  m_hIcon = nullptr;
  if (path.CompareNoCase(m_strIconFile) != 0) ++m_nModified;
  m_strIconFile = path;
  if (index != m_nIconIndex) ++m_nModified;
  m_nIconIndex = index;
  if (path.IsEmpty()) return;
  const CString file = ResolveBesideFolder(path, m_strBaseFolder);
  const UINT count = ExtractIconExA(file, -1, nullptr, nullptr, 0);
  if (count == 0) return;
  m_nIconIndex = std::clamp(m_nIconIndex, 0, static_cast<int>(count) - 1);
  HICON icon = nullptr;
  if (ExtractIconExA(file, m_nIconIndex, &icon, nullptr, 1) == 1) m_hIcon = icon;
}

void CHotCell::SetTextFont(const LOGFONT* font) {
  if (!font) {
    delete m_pTextFont;
    m_pTextFont = nullptr;
    return;
  }
  if (!m_pTextFont) m_pTextFont = new LOGFONT;
  *m_pTextFont = *font;
}

void CHotCell::GetShapeRect(RECT* out) {
  if (!out) return;
  CRect shape(m_rcActive);
  const int w = shape.Width(), h = shape.Height();
  if (m_nAlignment < 2)
    shape.DeflateRect(w / 3, h / 4);
  else
    shape.DeflateRect(w / 4, h / 3);
  *out = shape;
}

void CHotCell::DrawCell(CDC* dc, const RECT& dest, const RECT& source, int numerator, int denominator) {
  if (!dc) return;
  dc->SaveDC();
  if (m_hIcon) {
    CRect key;
    ScaleRectToFrameFlipped(&key, &dest, &m_rcActive, &source);
    const int s = std::min(key.Width(), key.Height());
    if (s > 0) {
      CRect square(0, 0, s, s);
      square.DeflateRect(s / 6, s / 6);
      CenterRectInRect(&square, &key);
      DrawIconEx(dc, square.left, square.top, m_hIcon, square.Width(), square.Height(), 0, nullptr, DI_NORMAL);
    }
  } else {
    CRect shape;
    GetShapeRect(&shape);
    CRect key;
    ScaleRectToFrameFlipped(&key, &dest, &shape, &source);
    const int k = std::min(key.Width(), key.Height());
    dc->RoundRect(&key, CPoint(k, k));
  }

  CFont* font = nullptr;
  CRect label;
  ScaleRectToFrameFlipped(&label, &dest, &m_rcText, &source);
  const CString text = GetAliasString();
  if (!text.IsEmpty()) {
    // One screen pixel, in device pixels: the halo around the label.
    const CSize screen = GetScreenPixelsPerInch();
    const int dx = MulDiv(1, dc->GetDeviceCaps(LOGPIXELSX), screen.cx);
    const int dy = MulDiv(1, dc->GetDeviceCaps(LOGPIXELSY), screen.cy);
    font = CreateScaledFont(numerator, denominator);
    if (font) dc->SelectObject(font);
    dc->SetTextColor(dc->GetBkColor());
    const CPoint halo[4] = {CPoint(-dx, -dy), CPoint(-dx, dy), CPoint(dx, dy), CPoint(dx, -dy)};
    for (const CPoint& offset : halo) {
      CRect moved(label);
      moved.OffsetRect(offset.x, offset.y);
      dc->DrawText(text, &moved, kCellLabelFormat);
    }
    dc->SetTextColor(GetTextColor());
    CRect at(label);
    dc->DrawText(text, &at, kCellLabelFormat);
  }
  dc->RestoreDC(-1);
  delete font;
}

}  // namespace corvane
