// The exported functions as a host calls them: only the public header.
#include "corvane/Corvane.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using corvane::CString;

// A root with three children made by the factory.
struct Host : ::testing::Test {
  void* root = ACTCreateContainer(CORVANE_TYPE_MACRO);
  std::vector<void*> children;
  void SetUp() override {
    ASSERT_NE(root, nullptr);
    for (int i = 0; i < 3; ++i) {
      children.push_back(ACTCreateContainer(CORVANE_TYPE_MACRO));
      ACTSetAliasString(children.back(), CString(std::to_string(i).c_str()));
      ACTAdd(root, children.back());
    }
  }
  void TearDown() override { ACTDeleteContainer(root); }
  std::string AliasAt(int index) {
    void* child = ACTGetAt(root, index);
    return child ? std::string(ACTGetAliasString(child).GetString()) : "null";
  }
};

TEST(Exports, EveryTypeCodeMakesAnEmptyRoot) {
  for (unsigned long code : {0ul, 1ul, 16ul, 18ul, 255ul, 256ul, 257ul, 4353ul, 99999ul}) {
    SCOPED_TRACE(code);
    void* container = ACTCreateContainer(code);
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(ACTGetCount(container), 0);
    EXPECT_EQ(ACTGetCurSel(container), 0);
    EXPECT_EQ(ACTGetParentContainer(container), nullptr);
    EXPECT_EQ(ACTGetAt(container, 0), nullptr);
    EXPECT_EQ(ACTHitTestItem(container, corvane::CPoint(1, 1)), -1);
    EXPECT_EQ(ACTOnEditItem(container, 0, 0), 0);
    ACTDeleteContainer(container);
  }
  ACTDeleteContainer(nullptr);  // does nothing
}

TEST(Exports, FieldsAreReadAndWrittenWithoutChecks) {
  void* container = ACTCreateContainer(CORVANE_TYPE_SURFACE);
  for (int value : {-1, 0, 5, 1000, -2147483647 - 1}) {
    ACTSetCurSel(container, value);
    EXPECT_EQ(ACTGetCurSel(container), value);
  }
  ACTSetStyle(container, 0xDEADBEEFul);
  EXPECT_EQ(ACTGetStyle(container), 0xDEADBEEFul);
  ACTSetAliasString(container, CString("Alias, with text"));
  CString alias = ACTGetAliasString(container);
  EXPECT_STREQ(alias.GetString(), "Alias, with text");
  EXPECT_EQ(ACTGetExtraData(container, 5), 0u);
  ACTSetExtraData(container, 5, 7);
  EXPECT_EQ(ACTGetExtraData(container, 5), 7u);
  EXPECT_EQ(ACTGetExtraData(container, 4), 0u);
  EXPECT_EQ(ACTGetExtraData(container, -1), 0u);
  ACTSetExtraData(container, -3, 1);          // no place: ignored
  ACTSetExtraData(container, 2147483647, 1);  // far past any list: ignored
  EXPECT_EQ(ACTGetExtraData(container, 2147483647), 0u);
  EXPECT_EQ(ACTGetCount(container), 0);
  // A new surface answers its resolution: 1000 tablet units per inch.
  corvane::CSize dpi = ACTGetContainerDPI(container);
  EXPECT_EQ(dpi.cx, 1000);
  EXPECT_EQ(dpi.cy, 1000);
  ACTDeleteContainer(container);
}

TEST_F(Host, PositionsFollowTheMinusOneRule) {
  EXPECT_EQ(ACTGetAt(root, -1), children[0]) << "a new container's current position is 0";
  EXPECT_EQ(ACTGetParentContainer(children[2]), root);
  EXPECT_EQ(ACTGetAt(root, 3), nullptr);
  EXPECT_EQ(ACTGetAt(root, -2), nullptr);
  EXPECT_EQ(ACTGetSubContainer(root, 1), children[1]);
  ACTSetCurSel(root, 2);
  EXPECT_EQ(ACTGetAt(root, -1), children[2]);
  ACTSetCurSel(root, -1);
  EXPECT_EQ(ACTGetAt(root, -1), nullptr);
  EXPECT_EQ(ACTGetSubContainer(root, -1), nullptr);
}

TEST_F(Host, InsertSetAndRemove) {
  void* d = ACTCreateContainer(CORVANE_TYPE_MACRO);
  ACTSetAliasString(d, CString("d"));
  ACTInsertAt(root, 99, d);  // past the end: appended
  EXPECT_EQ(AliasAt(3), "d");
  EXPECT_EQ(ACTGetParentContainer(d), root);

  void* e = ACTCreateContainer(CORVANE_TYPE_MACRO);
  ACTSetAliasString(e, CString("e"));
  ACTSetAt(root, 1, e);  // replaces; the old child stays alive, ours now
  EXPECT_EQ(AliasAt(1), "e");
  EXPECT_EQ(ACTGetParentContainer(children[1]), root);
  ACTDeleteContainer(children[1]);

  void* f = ACTCreateContainer(CORVANE_TYPE_MACRO);
  ACTSetAliasString(f, CString("f"));
  ACTSetAt(root, -7, f);  // no such place: appended, never outside the array
  EXPECT_EQ(ACTGetCount(root), 5);
  EXPECT_EQ(AliasAt(4), "f");

  // 0 e 2 d f: take out two from position 1, then far more than exist.
  ACTRemoveAt(root, 1, 2);
  EXPECT_EQ(ACTGetCount(root), 3);
  EXPECT_EQ(AliasAt(1), "d");
  ACTRemoveAt(root, 1, 2147483647);
  EXPECT_EQ(ACTGetCount(root), 1);
  ACTRemoveAt(root, 5, 1);   // past the end: nothing
  ACTRemoveAt(root, -2, 1);  // no such place: nothing
  ACTRemoveAt(root, 0, 0);
  ACTRemoveAt(root, 0, -4);
  EXPECT_EQ(ACTGetCount(root), 1);
  EXPECT_EQ(AliasAt(0), "0");
  // What was taken out belongs to us.
  for (void* taken : {e, children[2], d, f}) ACTDeleteContainer(taken);
}

TEST_F(Host, MoveUpAndDownMoveTheCurrentPosition) {
  ACTOnMoveUp(root, 0);
  EXPECT_EQ(ACTGetCurSel(root), 0) << "the first cannot move up";
  ACTOnMoveDown(root, 2);
  EXPECT_EQ(ACTGetCurSel(root), 0) << "the last cannot move down";
  ACTOnMoveUp(root, 2);
  EXPECT_EQ(ACTGetCurSel(root), 1);
  EXPECT_EQ(AliasAt(1), "2");
  EXPECT_EQ(AliasAt(2), "1");
  ACTOnMoveDown(root, -1);  // the current one, at 1
  EXPECT_EQ(ACTGetCurSel(root), 2);
  EXPECT_EQ(AliasAt(2), "2");
  ACTOnMoveDown(root, 17);
  EXPECT_EQ(ACTGetCurSel(root), 2);
}

TEST_F(Host, CloneCopiesChildrenExtraDataAndAlias) {
  ACTSetAliasString(root, CString("root"));
  ACTSetExtraData(root, 1, 11);
  void* copy = ACTClone(root);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(ACTGetCount(copy), 3);
  EXPECT_NE(ACTGetAt(copy, 0), children[0]);
  EXPECT_STREQ(ACTGetAliasString(ACTGetAt(copy, 2)).GetString(), "2");
  EXPECT_EQ(ACTGetParentContainer(ACTGetAt(copy, 2)), copy);
  EXPECT_EQ(ACTGetExtraData(copy, 1), 11u);
  EXPECT_STREQ(ACTGetAliasString(copy).GetString(), "root");
  ACTDeleteContainer(copy);
  EXPECT_EQ(ACTGetCount(root), 3) << "the source keeps its own children";
}

}  // namespace
