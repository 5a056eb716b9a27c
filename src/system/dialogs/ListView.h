// The list-view control of a dialog (icons with optional text, one selection
// mark) and the image list it shows its icons from.  The items live in the
// control's record (ControlState::items, ::itemImages; the selection mark
// is curSel), so a script's click and the page's member object see the same
// list.
#pragma once

#include <vector>

#include "system/dialogs/Wnd.h"
#include "system/gdi/Icon.h"

namespace corvane {

class CDC;

// System metrics: the size of a large icon.
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
int GetSystemMetrics(int index);

// List-view styles.
constexpr DWORD LVS_ICON = 0x0000;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr DWORD LVS_AUTOARRANGE = 0x0100;
constexpr DWORD LVS_ALIGNLEFT = 0x0800;
constexpr DWORD LVS_NOCOLUMNHEADER = 0x4000;

// Image-list kinds: plain colour.
constexpr UINT ILC_COLOR = 0x0000;
// Which list of a list view an image list is.
constexpr int LVSIL_NORMAL = 0;
constexpr int LVSIL_SMALL = 1;

class CImageList {
 public:
  CImageList() = default;
  ~CImageList() = default;
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;

  // An empty list of images of cx by cy pixels.  FALSE for a size that is
  // not positive.
  BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
  BOOL DeleteImageList();
  bool IsCreated() const { return m_bCreated; }
  // Appends a copy of the icon's image; its position, or -1.
  int Add(HICON icon);
  int GetImageCount() const { return static_cast<int>(m_images.size()); }
  CSize GetImageSize() const { return CSize(m_cx, m_cy); }
  // The image at a position, or null.
  const IconImage* GetImage(int index) const;
  // Draws an image at its list size with its top-left corner at point.
  BOOL Draw(CDC* dc, int index, POINT point, UINT style) const;

 private:
  bool m_bCreated = false;
  int m_cx = 0;
  int m_cy = 0;
  std::vector<IconImage> m_images;
};

// List-view item states and messages used by the dialogs.
constexpr UINT LVIS_FOCUSED_STATE = 0x0001;
constexpr UINT LVIS_SELECTED_STATE = 0x0002;

class CListViewCtrl : public CWnd {
  DECLARE_DYNAMIC(CListViewCtrl)

 public:
  BOOL DeleteAllItems();
  // Inserts an item showing an image of the image list; its position, or -1.
  int InsertItem(int item, const char* text, int image);
  int GetItemCount() const;
  CString GetItemText(int item) const;
  int GetItemImage(int item) const;
  // Answers the image list it had.
  CImageList* SetImageList(CImageList* list, int which);
  CImageList* GetImageList(int which) const;
  BOOL SetBkColor(COLORREF color);
  COLORREF GetBkColor() const;
  // Selecting an item moves the selection mark to it.
  BOOL SetItemState(int item, UINT state, UINT mask);
  int GetSelectionMark() const;
  int SetSelectionMark(int item);
  // Scrolls an item into view: TRUE when the item exists.
  BOOL EnsureVisible(int item, BOOL partialOK);
};

}  // namespace corvane
