#include "system/dialogs/ListView.h"

#include "system/gdi/Dc.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CListViewCtrl, CWnd)

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXICON:
    case SM_CYICON:
      return 32;
    default:
      return 0;
  }
}

BOOL CImageList::Create(int cx, int cy, UINT, int initial, int) {
  DeleteImageList();
  if (cx <= 0 || cy <= 0) return FALSE;
  m_cx = cx;
  m_cy = cy;
  if (initial > 0) m_images.reserve(static_cast<std::size_t>(initial));
  m_bCreated = true;
  return TRUE;
}

BOOL CImageList::DeleteImageList() {
  const bool had = m_bCreated;
  m_images.clear();
  m_bCreated = false;
  m_cx = m_cy = 0;
  return had ? TRUE : FALSE;
}

int CImageList::Add(HICON icon) {
  if (!m_bCreated || !icon) return -1;
  IconImage copy;
  copy.width = icon->width;
  copy.height = icon->height;
  copy.pixels = icon->pixels;
  m_images.push_back(std::move(copy));
  return static_cast<int>(m_images.size()) - 1;
}

const IconImage* CImageList::GetImage(int index) const {
  if (index < 0 || index >= GetImageCount()) return nullptr;
  return &m_images[static_cast<std::size_t>(index)];
}

BOOL CImageList::Draw(CDC* dc, int index, POINT point, UINT) const {
  const IconImage* image = GetImage(index);
  if (!dc || !image) return FALSE;
  return DrawIconEx(dc, point.x, point.y, const_cast<IconImage*>(image), m_cx, m_cy, 0, nullptr, DI_NORMAL);
}

BOOL CListViewCtrl::DeleteAllItems() {
  if (!m_pControl) return FALSE;
  m_pControl->items.clear();
  m_pControl->itemImages.clear();
  m_pControl->curSel = -1;
  return TRUE;
}

int CListViewCtrl::InsertItem(int item, const char* text, int image) {
  if (!m_pControl || item < 0) return -1;
  const int count = GetItemCount();
  if (item > count) item = count;
  const auto at = static_cast<std::ptrdiff_t>(item);
  m_pControl->items.insert(m_pControl->items.begin() + at, CString(text));
  m_pControl->itemImages.insert(m_pControl->itemImages.begin() + at, image);
  if (m_pControl->curSel >= item) ++m_pControl->curSel;
  return item;
}

int CListViewCtrl::GetItemCount() const { return m_pControl ? static_cast<int>(m_pControl->items.size()) : 0; }

CString CListViewCtrl::GetItemText(int item) const {
  if (item < 0 || item >= GetItemCount()) return CString();
  return m_pControl->items[static_cast<std::size_t>(item)];
}

int CListViewCtrl::GetItemImage(int item) const {
  if (item < 0 || item >= GetItemCount()) return -1;
  return m_pControl->itemImages[static_cast<std::size_t>(item)];
}

CImageList* CListViewCtrl::SetImageList(CImageList* list, int which) {
  if (!m_pControl || which != LVSIL_NORMAL) return nullptr;
  CImageList* previous = m_pControl->imageList;
  m_pControl->imageList = list;
  return previous;
}

CImageList* CListViewCtrl::GetImageList(int which) const {
  return m_pControl && which == LVSIL_NORMAL ? m_pControl->imageList : nullptr;
}

BOOL CListViewCtrl::SetBkColor(COLORREF color) {
  if (!m_pControl) return FALSE;
  m_pControl->bkColor = color;
  return TRUE;
}

COLORREF CListViewCtrl::GetBkColor() const { return m_pControl ? m_pControl->bkColor : 0xFFFFFFFF; }

BOOL CListViewCtrl::SetItemState(int item, UINT state, UINT mask) {
  if (item < 0 || item >= GetItemCount()) return FALSE;
  if ((mask & LVIS_SELECTED_STATE) && (state & LVIS_SELECTED_STATE)) m_pControl->curSel = item;
  return TRUE;
}

int CListViewCtrl::GetSelectionMark() const { return m_pControl ? m_pControl->curSel : -1; }

int CListViewCtrl::SetSelectionMark(int item) {
  if (!m_pControl) return -1;
  const int previous = m_pControl->curSel;
  m_pControl->curSel = item;
  return previous;
}

BOOL CListViewCtrl::EnsureVisible(int item, BOOL) { return item >= 0 && item < GetItemCount() ? TRUE : FALSE; }

}  // namespace corvane
