// CListCtrl: the report-view list control that the library fills and the
// host shows.  It holds what a list view holds (columns with their heading,
// width and format; rows with a text per column, a data value and a state;
// the extended style) under MFC's method names.  Header-only, so a host can
// create one and read it, and the library can fill the same object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "corvane/CString.h"
#include "corvane/Types.h"

namespace corvane {

typedef std::uintptr_t DWORD_PTR;

// Column formats.
constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;

// Extended styles.
constexpr DWORD LVS_EX_GRIDLINES = 0x00000001;
constexpr DWORD LVS_EX_CHECKBOXES = 0x00000004;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x00000020;

// Item states.
constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;

// GetNextItem flags.
constexpr int LVNI_ALL = 0x0000;
constexpr int LVNI_FOCUSED = 0x0001;
constexpr int LVNI_SELECTED = 0x0002;

// Fields of LVCOLUMNA that GetColumn fills.
constexpr UINT LVCF_FMT = 0x0001;
constexpr UINT LVCF_WIDTH = 0x0002;
constexpr UINT LVCF_TEXT = 0x0004;
constexpr UINT LVCF_SUBITEM = 0x0008;

struct LVCOLUMNA {
  UINT mask;
  int fmt;
  int cx;
  LPSTR pszText;
  int cchTextMax;
  int iSubItem;
};

class CListCtrl {
 public:
  CListCtrl() = default;
  ~CListCtrl() = default;
  CListCtrl(const CListCtrl&) = delete;
  CListCtrl& operator=(const CListCtrl&) = delete;

  // ---- columns

  // Inserts a column before position column (appended when past the end);
  // answers its position, or -1 for a negative position.  A width of -1
  // keeps the control's default (60 pixels); subItem -1 means the column's
  // position.
  int InsertColumn(int column, LPCSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1) {
    if (column < 0) return -1;
    if (column > GetColumnCount()) column = GetColumnCount();
    Column entry;
    entry.heading = heading ? heading : "";
    entry.format = format;
    entry.width = width < 0 ? kDefaultColumnWidth : width;
    entry.subItem = subItem < 0 ? column : subItem;
    m_columns.insert(m_columns.begin() + column, entry);
    return column;
  }
  BOOL DeleteColumn(int column) {
    if (!ValidColumn(column)) return FALSE;
    m_columns.erase(m_columns.begin() + column);
    return TRUE;
  }
  // Not an MFC member (MFC asks the header control): the number of columns.
  int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
  int GetColumnWidth(int column) const { return ValidColumn(column) ? m_columns[Index(column)].width : 0; }
  BOOL SetColumnWidth(int column, int width) {
    if (!ValidColumn(column)) return FALSE;
    m_columns[Index(column)].width = width < 0 ? kDefaultColumnWidth : width;
    return TRUE;
  }
  // Fills the fields the mask asks for; the heading is cut to fit
  // cchTextMax bytes with its terminating zero.
  BOOL GetColumn(int column, LVCOLUMNA* info) const {
    if (!info || !ValidColumn(column)) return FALSE;
    const Column& entry = m_columns[Index(column)];
    if (info->mask & LVCF_FMT) info->fmt = entry.format;
    if (info->mask & LVCF_WIDTH) info->cx = entry.width;
    if (info->mask & LVCF_SUBITEM) info->iSubItem = entry.subItem;
    if ((info->mask & LVCF_TEXT) && info->pszText && info->cchTextMax > 0) CopyOut(entry.heading, info->pszText, info->cchTextMax);
    return TRUE;
  }
  // Not an MFC member: the heading of a column (empty when there is none).
  CString GetColumnHeading(int column) const { return ValidColumn(column) ? m_columns[Index(column)].heading : CString(); }
  int GetColumnFormat(int column) const { return ValidColumn(column) ? m_columns[Index(column)].format : 0; }

  // ---- rows

  // Inserts a row before position item (appended when past the end) with
  // the text of its first column; answers its position, or -1 for a
  // negative position.
  int InsertItem(int item, LPCSTR text) {
    if (item < 0) return -1;
    if (item > GetItemCount()) item = GetItemCount();
    Row row;
    row.texts.emplace_back(text ? text : "");
    m_rows.insert(m_rows.begin() + item, std::move(row));
    if (m_selectionMark >= item) ++m_selectionMark;
    return item;
  }
  BOOL DeleteItem(int item) {
    if (!ValidItem(item)) return FALSE;
    m_rows.erase(m_rows.begin() + item);
    if (m_selectionMark == item)
      m_selectionMark = -1;
    else if (m_selectionMark > item)
      --m_selectionMark;
    return TRUE;
  }
  BOOL DeleteAllItems() {
    m_rows.clear();
    m_selectionMark = -1;
    return TRUE;
  }
  int GetItemCount() const { return static_cast<int>(m_rows.size()); }

  // The text of a cell.  Sub-item 0 is the row's own text; other sub-items
  // need a column that shows them.
  BOOL SetItemText(int item, int subItem, LPCSTR text) {
    if (!ValidItem(item) || !ValidSubItem(subItem)) return FALSE;
    std::vector<CString>& texts = m_rows[Index(item)].texts;
    if (texts.size() <= Index(subItem)) texts.resize(Index(subItem) + 1);
    texts[Index(subItem)] = text ? text : "";
    return TRUE;
  }
  CString GetItemText(int item, int subItem) const {
    if (!ValidItem(item) || subItem < 0) return CString();
    const std::vector<CString>& texts = m_rows[Index(item)].texts;
    return Index(subItem) < texts.size() ? texts[Index(subItem)] : CString();
  }
  // Copies the text with its terminating zero, cut to fit; answers its length.
  int GetItemText(int item, int subItem, LPSTR buffer, int size) const {
    if (!buffer || size <= 0) return 0;
    return CopyOut(GetItemText(item, subItem), buffer, size);
  }

  BOOL SetItemData(int item, DWORD_PTR data) {
    if (!ValidItem(item)) return FALSE;
    m_rows[Index(item)].data = data;
    return TRUE;
  }
  DWORD_PTR GetItemData(int item) const { return ValidItem(item) ? m_rows[Index(item)].data : 0; }

  // ---- state and selection

  BOOL SetItemState(int item, UINT state, UINT mask) {
    if (item == -1) {  // every row, as the list view does
      for (Row& row : m_rows) row.state = (row.state & ~mask) | (state & mask);
      return TRUE;
    }
    if (!ValidItem(item)) return FALSE;
    Row& row = m_rows[Index(item)];
    row.state = (row.state & ~mask) | (state & mask);
    if ((mask & LVIS_SELECTED) && (state & LVIS_SELECTED)) m_selectionMark = item;
    return TRUE;
  }
  UINT GetItemState(int item, UINT mask) const { return ValidItem(item) ? m_rows[Index(item)].state & mask : 0; }
  // The next row after item (from the first when item is -1) that has the
  // states of flags; -1 when there is none.
  int GetNextItem(int item, int flags) const {
    for (int i = item < 0 ? 0 : item + 1; i < GetItemCount(); ++i) {
      const UINT state = m_rows[Index(i)].state;
      if ((flags & LVNI_SELECTED) && !(state & LVIS_SELECTED)) continue;
      if ((flags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED)) continue;
      return i;
    }
    return -1;
  }
  UINT GetSelectedCount() const {
    UINT count = 0;
    for (const Row& row : m_rows)
      if (row.state & LVIS_SELECTED) ++count;
    return count;
  }
  int GetSelectionMark() const { return m_selectionMark; }
  int SetSelectionMark(int item) {
    const int previous = m_selectionMark;
    m_selectionMark = item;
    return previous;
  }

  // ---- styles

  // Answers the previous extended style.
  DWORD SetExtendedStyle(DWORD style) {
    const DWORD previous = m_extendedStyle;
    m_extendedStyle = style;
    return previous;
  }
  DWORD GetExtendedStyle() const { return m_extendedStyle; }

 private:
  static constexpr int kDefaultColumnWidth = 60;

  struct Column {
    CString heading;
    int format = LVCFMT_LEFT;
    int width = kDefaultColumnWidth;
    int subItem = 0;
  };
  struct Row {
    std::vector<CString> texts;
    DWORD_PTR data = 0;
    UINT state = 0;
  };

  static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
  bool ValidColumn(int column) const { return column >= 0 && column < GetColumnCount(); }
  bool ValidItem(int item) const { return item >= 0 && item < GetItemCount(); }
  bool ValidSubItem(int subItem) const { return subItem == 0 || (subItem > 0 && subItem < GetColumnCount()); }
  static int CopyOut(const CString& text, LPSTR buffer, int size) {
    const int length = text.GetLength() < size - 1 ? text.GetLength() : size - 1;
    std::memcpy(buffer, text.GetString(), static_cast<std::size_t>(length));
    buffer[length] = '\0';
    return length;
  }

  std::vector<Column> m_columns;
  std::vector<Row> m_rows;
  DWORD m_extendedStyle = 0;
  int m_selectionMark = -1;
};

}  // namespace corvane
