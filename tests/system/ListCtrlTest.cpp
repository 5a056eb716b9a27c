#include "corvane/ListCtrl.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(ListCtrl, ColumnsKeepHeadingWidthAndFormat) {
  CListCtrl list;
  EXPECT_EQ(list.InsertColumn(0, "Action", LVCFMT_LEFT, 70), 0);
  EXPECT_EQ(list.InsertColumn(5, "Type", LVCFMT_RIGHT), 1);  // past the end: appended
  EXPECT_EQ(list.InsertColumn(0, "First", LVCFMT_CENTER, 10), 0);
  EXPECT_EQ(list.InsertColumn(-1, "Bad"), -1);
  ASSERT_EQ(list.GetColumnCount(), 3);
  EXPECT_EQ(list.GetColumnHeading(0), "First");
  EXPECT_EQ(list.GetColumnHeading(1), "Action");
  EXPECT_EQ(list.GetColumnWidth(1), 70);
  EXPECT_EQ(list.GetColumnWidth(2), 60);  // the default width
  EXPECT_EQ(list.GetColumnFormat(2), LVCFMT_RIGHT);

  char text[4];
  LVCOLUMNA info{LVCF_TEXT | LVCF_WIDTH | LVCF_FMT, -1, -1, text, sizeof text, -1};
  ASSERT_TRUE(list.GetColumn(1, &info));
  EXPECT_STREQ(text, "Act");  // cut to the buffer
  EXPECT_EQ(info.cx, 70);
  EXPECT_EQ(info.fmt, LVCFMT_LEFT);
  EXPECT_EQ(info.iSubItem, -1);  // not asked for
  EXPECT_FALSE(list.GetColumn(3, &info));
  EXPECT_TRUE(list.DeleteColumn(0));
  EXPECT_EQ(list.GetColumnHeading(0), "Action");
}

TEST(ListCtrl, RowsHoldTextsDataAndState) {
  CListCtrl list;
  list.InsertColumn(0, "A");
  list.InsertColumn(1, "B");
  EXPECT_EQ(list.InsertItem(0, "r0"), 0);
  EXPECT_EQ(list.InsertItem(9, "r1"), 1);
  EXPECT_EQ(list.InsertItem(0, "new first"), 0);
  EXPECT_EQ(list.InsertItem(-1, "bad"), -1);
  ASSERT_EQ(list.GetItemCount(), 3);
  EXPECT_EQ(list.GetItemText(1, 0), "r0");

  EXPECT_TRUE(list.SetItemText(1, 1, "cell"));
  EXPECT_FALSE(list.SetItemText(1, 2, "no column"));
  EXPECT_FALSE(list.SetItemText(3, 0, "no row"));
  EXPECT_EQ(list.GetItemText(1, 1), "cell");
  EXPECT_EQ(list.GetItemText(2, 1), "");
  char buffer[3];
  EXPECT_EQ(list.GetItemText(1, 1, buffer, sizeof buffer), 2);
  EXPECT_STREQ(buffer, "ce");

  int payload = 0;
  EXPECT_TRUE(list.SetItemData(2, reinterpret_cast<DWORD_PTR>(&payload)));
  EXPECT_EQ(list.GetItemData(2), reinterpret_cast<DWORD_PTR>(&payload));
  EXPECT_EQ(list.GetItemData(7), 0u);

  list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(list.GetSelectedCount(), 2u);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
  EXPECT_EQ(list.GetNextItem(0, LVNI_SELECTED), 2);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);
  EXPECT_EQ(list.GetSelectionMark(), 0);
  EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED), LVIS_SELECTED);

  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_EQ(list.GetSelectionMark(), -1);
  EXPECT_EQ(list.GetItemText(0, 1), "cell");
  EXPECT_EQ(list.GetItemData(1), reinterpret_cast<DWORD_PTR>(&payload));
  EXPECT_FALSE(list.DeleteItem(2));
  list.SetItemState(-1, 0, LVIS_SELECTED);
  EXPECT_EQ(list.GetSelectedCount(), 0u);
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(list.GetItemCount(), 0);
}

TEST(ListCtrl, ExtendedStyleAnswersThePreviousOne) {
  CListCtrl list;
  EXPECT_EQ(list.GetExtendedStyle(), 0u);
  EXPECT_EQ(list.SetExtendedStyle(LVS_EX_GRIDLINES), 0u);
  EXPECT_EQ(list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT), LVS_EX_GRIDLINES);
  EXPECT_EQ(list.GetExtendedStyle(), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

}  // namespace
}  // namespace corvane
