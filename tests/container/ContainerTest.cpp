#include "container/Container.h"

#include <gtest/gtest.h>

#include "corvane/Corvane.h"
#include "system/Font.h"

namespace corvane {
namespace {

// A leaf that counts its destruction and can be cloned.
struct Leaf : CContainer {
  explicit Leaf(int* deaths = nullptr, int tag = 0) : deaths(deaths), tag(tag) {}
  Leaf(const Leaf& other) : CContainer(other), deaths(other.deaths), tag(other.tag) {}
  ~Leaf() override {
    if (deaths) ++*deaths;
  }
  CContainer* Clone() override { return new Leaf(*this); }
  int* deaths;
  int tag;
};

// A container with a font and a rectangle, as hot cells and surfaces have.
struct Framed : CContainer {
  LOGFONT font{};
  CRect rect;
  LOGFONT* GetLogFont() override { return &font; }
  CRect GetContainerRect() override { return rect; }
  int HitTestItem(CPoint p) override { return rect.PtInRect(p) ? 1 : 0; }
};

struct ThreeChildren : ::testing::Test {
  CContainer root;
  Leaf* a = new Leaf(nullptr, 1);
  Leaf* b = new Leaf(nullptr, 2);
  Leaf* c = new Leaf(nullptr, 3);
  void SetUp() override {
    root.Add(a);
    root.Add(b);
    root.Add(c);
  }
};

TEST_F(ThreeChildren, MinusOneMeansCurrentSelection) {
  EXPECT_EQ(root.m_nCurSel, 0);
  EXPECT_EQ(root.GetAt(-1), a);
  root.m_nCurSel = 2;
  EXPECT_EQ(root.GetAt(-1), c);
  root.m_nCurSel = -1;
  EXPECT_EQ(root.GetAt(-1), nullptr);
  EXPECT_EQ(root.GetAt(3), nullptr);
  EXPECT_EQ(root.GetAt(-2), nullptr);
}

TEST_F(ThreeChildren, SetAtReplacesWithoutDeletingOrDetaching) {
  int deaths = 0;
  b->deaths = &deaths;
  Leaf* replacement = new Leaf;
  root.SetAt(1, replacement);
  EXPECT_EQ(root.GetAt(1), replacement);
  EXPECT_EQ(replacement->m_pParent, &root);
  EXPECT_EQ(deaths, 0);
  EXPECT_EQ(b->m_pParent, &root);  // the old child keeps its parent pointer
  delete b;
  EXPECT_EQ(deaths, 1);
}

TEST_F(ThreeChildren, SetAtAndInsertAtAppendWithoutPosition) {
  root.m_nCurSel = -1;
  Leaf* d = new Leaf;
  root.SetAt(-1, d);
  EXPECT_EQ(root.GetCount(), 4);
  EXPECT_EQ(root.GetAt(3), d);
  Leaf* e = new Leaf;
  root.InsertAt(99, e);
  EXPECT_EQ(root.GetAt(4), e);
  Leaf* f = new Leaf;
  root.InsertAt(1, f);
  EXPECT_EQ(root.GetAt(1), f);
  EXPECT_EQ(root.GetAt(2), b);
  EXPECT_EQ(root.m_nCurSel, -1);
}

TEST_F(ThreeChildren, RemoveAtTakesOutWithoutDeleting) {
  int deaths = 0;
  b->deaths = &deaths;
  root.RemoveAt(1, 1);
  ASSERT_EQ(root.GetCount(), 2);
  EXPECT_EQ(root.GetAt(0), a);
  EXPECT_EQ(root.GetAt(1), c);
  EXPECT_EQ(deaths, 0);
  EXPECT_EQ(b->m_pParent, &root);
  delete b;
}

TEST_F(ThreeChildren, RemoveAtBeyondTheEndTakesOnlyWhatExists) {
  root.RemoveAt(1, 1000);
  EXPECT_EQ(root.GetCount(), 1);
  root.RemoveAt(5, 1);
  root.RemoveAt(0, 0x7FFFFFFF);
  EXPECT_EQ(root.GetCount(), 0);
  delete a;
  delete b;
  delete c;
}

TEST(Container, MoveUpAndDown) {
  struct Case {
    int children, index, curSelBefore;
    bool up;
    std::vector<int> order;
    int curSelAfter;
  };
  const Case cases[] = {
      {4, 2, 0, true, {1, 3, 2, 4}, 1},     // swaps 1 and 2
      {4, 0, 0, true, {1, 2, 3, 4}, 0},     // the first cannot move up
      {4, 3, 3, false, {1, 2, 3, 4}, 3},    // the last cannot move down
      {4, 1, 0, false, {1, 3, 2, 4}, 2},
      {4, -1, 2, true, {1, 3, 2, 4}, 1},    // -1 is the current selection
      {4, -1, -1, true, {1, 2, 3, 4}, -1},  // no position
      {4, 7, 5, false, {1, 2, 3, 4}, 5},
  };
  for (const Case& c : cases) {
    CContainer root;
    for (int i = 1; i <= c.children; ++i) root.Add(new Leaf(nullptr, i));
    root.m_nCurSel = c.curSelBefore;
    if (c.up)
      root.OnMoveUp(c.index);
    else
      root.OnMoveDown(c.index);
    std::vector<int> order;
    for (int i = 0; i < root.GetCount(); ++i) order.push_back(static_cast<Leaf*>(root.GetAt(i))->tag);
    EXPECT_EQ(order, c.order) << "index " << c.index << (c.up ? " up" : " down");
    EXPECT_EQ(root.m_nCurSel, c.curSelAfter) << "index " << c.index;
  }
}

TEST(Container, ExtraDataIsKeptApartFromChildren) {
  CContainer root;
  EXPECT_EQ(root.GetExtraData(5), 0u);
  root.SetExtraData(5, 7);
  EXPECT_EQ(root.GetExtraData(5), 7u);
  EXPECT_EQ(root.GetExtraData(4), 0u);
  EXPECT_EQ(root.GetExtraData(-1), 0u);
  EXPECT_EQ(root.GetCount(), 0);
  Leaf* taken = new Leaf;
  root.Add(taken);
  root.RemoveAt(0, 1000);
  delete taken;  // a child taken out belongs to the caller
  EXPECT_EQ(root.GetExtraData(5), 7u);
}

TEST(Container, DeleteAllAndDestructorDeleteChildren) {
  int deaths = 0;
  {
    CContainer root;
    root.Add(new Leaf(&deaths));
    root.Add(new Leaf(&deaths));
    root.DeleteAll();
    EXPECT_EQ(deaths, 2);
    EXPECT_EQ(root.GetCount(), 0);
    root.Add(new Leaf(&deaths));
  }
  EXPECT_EQ(deaths, 3);
}

TEST(Container, CopyClonesChildrenExtraDataAndAlias) {
  CContainer source;
  source.Add(new Leaf(nullptr, 1));
  source.Add(new Leaf(nullptr, 2));
  source.SetExtraData(1, 9);
  source.m_strAlias = "Save";
  source.m_dwStyle = 4;
  source.m_nCurSel = 1;
  CContainer copy(source);
  ASSERT_EQ(copy.GetCount(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_NE(copy.GetAt(i), source.GetAt(i));
    EXPECT_EQ(copy.GetAt(i)->m_pParent, &copy);
    EXPECT_EQ(static_cast<Leaf*>(copy.GetAt(i))->tag, i + 1);
  }
  EXPECT_EQ(copy.GetExtraData(1), 9u);
  EXPECT_EQ(copy.m_strAlias, "Save");
  EXPECT_EQ(copy.m_dwStyle, 4u);
  EXPECT_EQ(copy.m_nCurSel, 1);
  CContainer plain;
  EXPECT_EQ(plain.Clone(), nullptr);
}

TEST(Container, FontAndColourComeFromTheParent) {
  Framed parent;
  parent.font.lfHeight = 20;
  auto* child = new CContainer;
  parent.Add(child);
  EXPECT_EQ(child->GetLogFont(), &parent.font);
  CContainer orphan;
  EXPECT_EQ(orphan.GetLogFont(), nullptr);
  EXPECT_EQ(orphan.GetTextColor(), 0u);
  EXPECT_EQ(orphan.CreateScaledFont(3, 2), nullptr);

  for (auto [height, expected] : {std::pair{20, -30}, std::pair{-20, 30}}) {
    parent.font.lfHeight = height;
    CFont* font = child->CreateScaledFont(3, 2);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Description().lfHeight, expected);
    delete font;
  }
}

TEST(Container, HitTestFindsTheFirstChildUnderThePoint) {
  CContainer root;
  EXPECT_EQ(root.HitTestItem(CPoint(1, 1)), -1);
  auto* left = new Framed;
  left->rect = CRect(0, 0, 10, 10);
  auto* overlapping = new Framed;
  overlapping->rect = CRect(5, 5, 20, 20);
  root.Add(left);
  root.Add(overlapping);
  EXPECT_EQ(root.HitTestItem(CPoint(7, 7)), 0);
  EXPECT_EQ(root.HitTestItem(CPoint(15, 15)), 1);
  EXPECT_EQ(root.HitTestItem(CPoint(10, 3)), -1);  // right edge excluded
}

TEST(Container, TranslateCoordinateScalesAndFlips) {
  Framed framed;
  framed.rect = CRect(0, 0, 1000, 1000);
  RECT frame{100, 100, 200, 300};
  RECT rect{500, 500, 1000, 1000};
  RECT out{};
  framed.TranslateCoordinate(&out, &frame, &rect, 0);
  EXPECT_EQ(CRect(out), CRect(150, 100, 200, 200));
  RECT back{};
  framed.TranslateCoordinate(&back, &frame, &out, 1);
  EXPECT_EQ(CRect(back), CRect(500, 500, 1000, 1000));
  EXPECT_EQ(framed.GetContainerDPI(), CSize(96, 96));
}

TEST(MulDiv, MatchesWin32) {
  struct Case {
    int a, b, c, expected;
  };
  const Case cases[] = {
      {10, 3, 2, 15},  {5, 1, 2, 3},   {-5, 1, 2, -3},           {7, 1, 0, -1},
      {3, 1, 4, 1},    {2, 1, 4, 1},   {0x7FFFFFFF, 2, 1, -1},   {0x7FFFFFFF, 2, 2, 0x7FFFFFFF},
      {-7, 3, -2, 11}, {20, 3, 2, 30}, {-2147483647 - 1, 1, 1, -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

}  // namespace
}  // namespace corvane
