// Hot cells and the surface: files and defaults, geometry from the driver,
// hit testing, coordinate mapping and drawing on the recording surface
// (real pixels in SurfaceRasterTest.cpp).
#include "surface/Surface.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "actions/Action.h"
#include "corvane/Corvane.h"
#include "corvane/ListCtrl.h"
#include "support/BmpWriter.h"
#include "support/IconWriter.h"
#include "support/TestSupport.h"
#include "system/Desktop.h"
#include "system/gdi/RecordingSurface.h"

namespace corvane {
namespace {

std::string Ini(const test::TempDir& dir, const std::string& name, const std::string& text) {
  const std::string path = dir.file(name);
  test::WriteFile(path, text);
  return path;
}

TEST(HotCell, ReadsItsSectionWithDefaultsAndWritesItBack) {
  test::TempDir dir;
  const std::string file = Ini(dir, "cells.tmt",
                               "[FKey.01]\nID=7\nTextFont=Arial,12,700,1,0,0,0\nTextColor=10,20,30\n"
                               "TextRect=1,2,3,4\nActiveRect=5,6,7,8\nAlignment=1\nAlias=Copy\n"
                               "[Bare]\n");
  CHotCell cell(0);
  EXPECT_EQ(cell.ReadContainer(file.c_str(), "FKey.01"), 1);
  EXPECT_EQ(cell.m_nFKeyID, 7);
  ASSERT_NE(cell.m_pTextFont, nullptr);
  EXPECT_STREQ(cell.m_pTextFont->lfFaceName, "Arial");
  EXPECT_EQ(cell.m_pTextFont->lfHeight, 12);
  EXPECT_EQ(cell.m_pTextFont->lfWeight, 700);
  EXPECT_EQ(cell.m_crTextColor, RGB(10, 20, 30));
  EXPECT_EQ(cell.m_rcText, CRect(1, 2, 3, 4));
  EXPECT_EQ(cell.GetContainerRect(), CRect(1, 2, 3, 4));
  EXPECT_EQ(cell.m_rcActive, CRect(5, 6, 7, 8));
  EXPECT_EQ(cell.m_nAlignment, 1);
  EXPECT_EQ(cell.GetAliasString(), "Copy");

  CHotCell bare(1);
  bare.ReadContainer(file.c_str(), "Bare");
  EXPECT_EQ(bare.m_nFKeyID, 0);
  EXPECT_EQ(bare.m_pTextFont, nullptr);
  EXPECT_EQ(bare.m_crTextColor, 0u);  // black
  EXPECT_EQ(bare.m_rcText, CRect());
  EXPECT_EQ(bare.m_nAlignment, 2);
  EXPECT_FALSE(bare.m_hIcon);

  // A new cell (colour -1) stores white and reads back white.
  const std::string out = dir.file("out.tmt");
  CHotCell fresh(3);
  fresh.m_nFKeyID = 42;
  fresh.m_rcText = CRect(10, 20, 30, 40);
  fresh.WriteContainer(out.c_str(), "FKey.04");
  const std::string text = test::ReadFile(out);
  EXPECT_NE(text.find("TextColor=255,255,255"), std::string::npos) << text;
  EXPECT_NE(text.find("ID=42"), std::string::npos);
  EXPECT_EQ(text.find("TextFont"), std::string::npos);
  EXPECT_EQ(text.find("IconFile"), std::string::npos);
  CHotCell back(3);
  back.ReadContainer(out.c_str(), "FKey.04");
  EXPECT_EQ(back.m_crTextColor, RGB(255, 255, 255));
  EXPECT_EQ(back.m_nFKeyID, 42);
  EXPECT_EQ(back.m_rcText, CRect(10, 20, 30, 40));
}

TEST(HotCell, HitTestPrefersTheKeyAndExcludesRightAndBottomEdges) {
  CHotCell cell;
  cell.m_rcActive = CRect(0, 0, 100, 100);
  cell.m_rcText = CRect(50, 50, 200, 200);
  EXPECT_EQ(cell.HitTestItem(CPoint(60, 60)), 1);
  EXPECT_EQ(cell.HitTestItem(CPoint(150, 150)), 2);
  EXPECT_EQ(cell.HitTestItem(CPoint(100, 10)), 0);
  EXPECT_EQ(cell.HitTestItem(CPoint(200, 199)), 0);
  EXPECT_EQ(cell.HitTestItem(CPoint(0, 0)), 1);
}

TEST(HotCell, ShapeFontColourAndModifiedCount) {
  CSurface surface;
  CHotCell* cell = surface.GetCell(0, FALSE);
  cell->m_rcActive = CRect(0, 0, 120, 120);
  cell->m_nAlignment = -1;
  CRect shape;
  cell->GetShapeRect(&shape);
  EXPECT_EQ(shape, CRect(40, 30, 80, 90));  // a side key: a tall shape
  cell->m_nAlignment = 3;
  cell->GetShapeRect(&shape);
  EXPECT_EQ(shape, CRect(30, 40, 90, 80));

  EXPECT_EQ(cell->GetLogFont(), &surface.m_lfDefault);
  surface.m_crDefaultText = RGB(1, 2, 3);
  EXPECT_EQ(cell->GetTextColor(), RGB(1, 2, 3));
  LOGFONT own{};
  own.lfHeight = 20;
  cell->SetTextFont(&own);
  EXPECT_EQ(cell->GetLogFont()->lfHeight, 20);
  cell->SetTextFont(nullptr);
  EXPECT_EQ(cell->GetLogFont(), &surface.m_lfDefault);

  const int before = cell->m_nModified;
  cell->SetContainerRect(cell->m_rcText);
  EXPECT_EQ(cell->m_nModified, before);
  cell->SetContainerRect(CRect(1, 1, 2, 2));
  EXPECT_EQ(cell->m_nModified, before + 1);
}

TEST(HotCell, IconIndexIsClampedAndAMissingFileGivesNoIcon) {
  test::TempDir dir;
  const std::vector<BYTE> library =
      test::PeWithIcons({test::DibIconImage(16, 0xFFFF0000), test::DibIconImage(24, 0xFF00FF00),
                         test::DibIconImage(32, 0xFF0000FF)});
  test::WriteFile(dir.file("three.dll"), std::string(library.begin(), library.end()));
  CHotCell cell;
  cell.SetIcon(dir.file("three.dll").c_str(), 7);
  EXPECT_EQ(cell.m_nIconIndex, 2);
  ASSERT_TRUE(cell.m_hIcon);
  EXPECT_EQ(cell.m_hIcon->width, 32);
  cell.SetIcon(dir.file("three.dll").c_str(), -5);
  EXPECT_EQ(cell.m_nIconIndex, 0);
  ASSERT_TRUE(cell.m_hIcon);
  EXPECT_EQ(cell.m_hIcon->width, 16);
  cell.SetIcon(dir.file("missing.ico").c_str(), 4);
  EXPECT_FALSE(cell.m_hIcon);
  EXPECT_EQ(cell.m_nIconIndex, 4);  // kept as given when the file has none
}

// An action that, once the deletion of its cell has begun, waits a while
// and then reads the cell's own font: the cell must still be whole.
class FontReader : public CAction {
 public:
  FontReader(CHotCell* cell, std::atomic<bool>& deleting, std::string& seen)
      : m_cell(cell), m_deleting(deleting), m_seen(seen) {}
  CContainer* Clone() override { return new FontReader(m_cell, m_deleting, m_seen); }
  int Execute(HWND) override {
    while (!m_deleting) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    m_seen = m_cell->m_pTextFont ? m_cell->m_pTextFont->lfFaceName : "(no font)";
    return 1;
  }
  CHotCell* m_cell;
  std::atomic<bool>& m_deleting;
  std::string& m_seen;
};

TEST(HotCell, DeletingACellThatPlaysWaitsForThePlaybackFirst) {
  std::atomic<bool> deleting{false};
  struct WatchedCell : CHotCell {
    explicit WatchedCell(std::atomic<bool>& flag) : deleting(flag) {}
    ~WatchedCell() override { deleting = true; }
    std::atomic<bool>& deleting;
  };
  auto* cell = new WatchedCell(deleting);
  LOGFONT own{};
  std::strcpy(own.lfFaceName, "Arial");
  cell->SetTextFont(&own);
  std::string seen;
  cell->Add(new FontReader(cell, deleting, seen));
  cell->StartPlayback(WindowFromNumber(0x5150));
  delete cell;  // returns once the playback has ended
  EXPECT_EQ(seen, "Arial");
}

TEST(Surface, DefaultsAndFileDefaults) {
  CSurface surface;
  EXPECT_EQ(surface.m_dwStyle, 11u);
  EXPECT_EQ(surface.GetContainerRect(), CRect(0, 0, 4000, 3000));
  EXPECT_EQ(surface.GetContainerDPI(), CSize(1000, 1000));
  EXPECT_EQ(surface.GetLogFont()->lfHeight, 9);
  EXPECT_EQ(surface.GetCount(), 0);
  EXPECT_EQ(surface.OnInsertNew(0), 0);
  EXPECT_EQ(surface.m_children.size(), 0u);

  test::TempDir dir;
  const std::string file = Ini(dir, "a.tmt", "[Template]\nDimention=8000,6000\nCount=0\n");
  ASSERT_EQ(surface.ReadContainer(file.c_str(), ""), 1);
  EXPECT_EQ(surface.GetContainerRect(), CRect(0, 0, 8000, 6000));
  EXPECT_EQ(surface.GetContainerDPI(), CSize(500, 500));
  EXPECT_EQ(surface.m_rcInner, CRect(333, 333, 7667, 5667));
  EXPECT_EQ(surface.m_dwStyle, 11u);

  const std::string half = Ini(dir, "b.tmt", "[Template]\nDimention=4000,0\n");
  surface.ReadContainer(half.c_str(), "");
  EXPECT_EQ(surface.GetContainerRect(), CRect(0, 0, 8000, 6000));  // unchanged
}

TEST(Surface, RoundTripWithCellsAndNumberedSections) {
  test::TempDir dir;
  CSurface surface;
  surface.m_rcSurface = CRect(0, 0, 5000, 4000);
  surface.m_rcInner = CRect(100, 200, 4900, 3800);
  surface.m_rcBitmapArea = CRect(0, 0, 5000, 4000);
  surface.m_nResolution = 2540;
  surface.m_dwStyle = 0x10003;
  std::strcpy(surface.m_lfDefault.lfFaceName, "Tahoma");
  surface.m_lfDefault.lfHeight = 11;
  surface.m_crDefaultText = RGB(9, 8, 7);
  surface.m_nCellCount = 101;
  for (int i = 0; i < 101; ++i) {
    CHotCell* cell = surface.GetCell(i, FALSE);
    cell->m_nFKeyID = 1000 + i;
    cell->m_rcActive = CRect(i, i, i + 10, i + 20);
    cell->SetAliasString(CString("Key ") + std::to_string(i).c_str());
  }
  const std::string file = dir.file("s.tmt");
  ACTWriteContainer(&surface, file.c_str());
  const std::string text = test::ReadFile(file);
  EXPECT_NE(text.find("[FKey.01]"), std::string::npos);
  EXPECT_NE(text.find("[FKey.100]"), std::string::npos);
  EXPECT_NE(text.find("[FKey.101]"), std::string::npos);
  EXPECT_EQ(text.find("BkgndBmp="), std::string::npos);

  auto* back = static_cast<CSurface*>(ACTCreateContainer(256));
  ASSERT_EQ(ACTReadContainer(back, file.c_str()), 1);
  EXPECT_EQ(back->GetContainerRect(), CRect(0, 0, 5000, 4000));
  EXPECT_EQ(back->m_rcInner, CRect(100, 200, 4900, 3800));
  EXPECT_EQ(back->GetContainerDPI(), CSize(2540, 2540));
  EXPECT_EQ(back->m_dwStyle, 0x10003u);
  EXPECT_STREQ(back->m_lfDefault.lfFaceName, "Tahoma");
  EXPECT_EQ(back->m_crDefaultText, RGB(9, 8, 7));
  ASSERT_EQ(ACTGetCount(back), 101);
  auto* cell = static_cast<CHotCell*>(ACTGetSubContainer(back, 99));
  EXPECT_EQ(cell->m_nFKeyID, 1099);
  EXPECT_EQ(cell->m_rcActive, CRect(99, 99, 109, 119));
  EXPECT_EQ(cell->GetAliasString(), "Key 99");
  EXPECT_EQ(cell->m_pParent, back);

  // A copy has the same cells, which name the copy as their parent.
  auto* copy = static_cast<CSurface*>(ACTClone(back));
  EXPECT_EQ(copy->m_dwStyle, back->m_dwStyle);
  EXPECT_EQ(copy->m_rcInner, back->m_rcInner);
  auto* copied = static_cast<CHotCell*>(copy->GetSubContainer(99));
  EXPECT_NE(copied, cell);
  EXPECT_EQ(copied->GetAliasString(), "Key 99");
  EXPECT_EQ(copied->m_pParent, copy);
  ACTDeleteContainer(copy);
  ACTDeleteContainer(back);

  // Counts beyond the slots are cut to 256; negative ones to 0.
  CSurface big;
  big.ReadContainer(Ini(dir, "big.tmt", "[Template]\nCount=100000\n").c_str(), "");
  EXPECT_EQ(big.GetCount(), 256);
  EXPECT_EQ(big.GetCell(256, FALSE), nullptr);
  big.ReadContainer(Ini(dir, "neg.tmt", "[Template]\nCount=-4\n").c_str(), "");
  EXPECT_EQ(big.GetCount(), 0);
}

TEST(Surface, BackgroundBitmapIsLoadedBesideTheFileAndClearedByAFileWithout) {
  test::TempDir dir;
  test::BmpSpec spec;
  const auto bmp = test::MakeBmp(spec);
  test::WriteFile(dir.file("paper.bmp"), std::string(bmp.begin(), bmp.end()));
  const std::string with = Ini(dir, "with.tmt", "[Template]\nBkgndBmp=paper.bmp\n");
  CSurface surface;
  surface.ReadContainer(with.c_str(), "");
  EXPECT_EQ(surface.m_strBitmapFile, "paper.bmp");
  EXPECT_NE(surface.m_hBitmapBlock, nullptr);
  surface.ReadContainer(Ini(dir, "without.tmt", "[Template]\n").c_str(), "");
  EXPECT_EQ(surface.m_hBitmapBlock, nullptr);
  EXPECT_TRUE(surface.m_strBitmapFile.IsEmpty());
}

TEST(Surface, CellListShowsIdentifiersAndLabels) {
  CSurface surface;
  surface.m_nCellCount = 2;
  surface.GetCell(1, FALSE)->m_nFKeyID = 77;
  surface.GetCell(1, FALSE)->SetAliasString("Paste");
  CListCtrl list;
  surface.ControlSetup(&list);
  ASSERT_EQ(list.GetColumnCount(), 2);
  EXPECT_EQ(list.GetColumnWidth(0), 40);
  EXPECT_EQ(list.GetColumnWidth(1), 144);
  EXPECT_TRUE(list.GetExtendedStyle() & LVS_EX_GRIDLINES);
  list.InsertItem(0, "");
  list.InsertItem(1, "");
  surface.ControlInsertItem(&list, 1);
  EXPECT_EQ(list.GetItemText(1, 0), "77");
  EXPECT_EQ(list.GetItemText(1, 1), "Paste");
  list.SetItemText(1, 1, "Paste Special");
  surface.ControlItemChanged(&list, 1, 1);
  EXPECT_EQ(surface.GetCell(1, FALSE)->GetAliasString(), "Paste Special");
  EXPECT_EQ(surface.GetAliasField(&list), 1);
}

// Coordinate mapping and hit testing.

TEST(SurfaceMapping, TabletToWindowAndBack) {
  CSurface surface;
  const RECT d{0, 0, 400, 300};
  RECT r{0, 0, 1000, 1000}, out{};
  ACTTranslateCoordinate(&surface, &out, const_cast<RECT*>(&d), &r, 0);
  EXPECT_EQ(CRect(out), CRect(0, 200, 100, 300));
  RECT back{};
  ACTTranslateCoordinate(&surface, &back, const_cast<RECT*>(&d), &out, 1);
  EXPECT_EQ(CRect(back), CRect(0, 0, 1000, 1000));

  surface.m_nCellCount = 3;
  surface.GetCell(1, FALSE)->m_rcActive = CRect(100, 100, 200, 200);
  surface.GetCell(2, FALSE)->m_rcText = CRect(150, 150, 300, 300);
  EXPECT_EQ(ACTHitTestItem(&surface, CPoint(160, 160)), 1);
  EXPECT_EQ(ACTHitTestItem(&surface, CPoint(250, 250)), 2);
  EXPECT_EQ(ACTHitTestItem(&surface, CPoint(3000, 10)), -1);
}

// Drawing on the recording surface.

struct SurfaceDrawing : ::testing::Test {
  std::shared_ptr<RecordingLog> log = std::make_shared<RecordingLog>();
  std::unique_ptr<CDC> dc = CreateRecordingDC(log, 400, 300);
  CSurface surface;
  CRect d{0, 0, 400, 300};

  void SetUp() override {
    surface.m_nCellCount = 2;
    CHotCell* a = surface.GetCell(0, FALSE);
    a->m_rcActive = CRect(0, 0, 1200, 1000);  // a wide key: shape (300, 333, 900, 667)
    a->m_nAlignment = 2;
    a->m_rcText = CRect(0, 1000, 1200, 1400);
    a->SetAliasString("Undo");
    CHotCell* b = surface.GetCell(1, FALSE);
    b->m_rcActive = CRect(2000, 2000, 2400, 2400);
    b->m_nAlignment = 2;
  }
};

TEST_F(SurfaceDrawing, LayersInOrderWithTheirObjects) {
  surface.OnDraw(dc.get(), &d, 1);  // one-off: no selection layer
  const auto& calls = log->calls;
  ASSERT_GE(calls.size(), 4u);
  // Layer 1: the background over D with the null pen.
  EXPECT_EQ(calls[0].op, DrawCall::Op::Rectangle);
  EXPECT_EQ(calls[0].rect, d);
  EXPECT_FALSE(calls[0].state.HasPen());
  EXPECT_EQ(calls[0].state.brush->color, surface.m_crBackground);
  // Layer 3: the frame, outline only, in the frame colour.
  EXPECT_EQ(calls[1].rect, CRect(0, 0, 400, 300));
  EXPECT_FALSE(calls[1].state.HasBrush());
  EXPECT_EQ(calls[1].state.pen->color, surface.m_crFrame);
  // Layer 4: the working area, flipped: (333, 333, 3667, 2667) -> (33, 33, 367, 267).
  EXPECT_EQ(calls[2].rect, CRect(33, 33, 367, 267));
  EXPECT_EQ(calls[2].state.pen->color, surface.m_crInnerFrame);
  // Layer 5: cell 0's shape, flipped into D, fully rounded, cell fill, no pen.
  EXPECT_EQ(calls[3].op, DrawCall::Op::RoundRect);
  EXPECT_EQ(calls[3].rect, CRect(30, 233, 90, 267));
  EXPECT_EQ(calls[3].ellipse, CPoint(34, 34));
  EXPECT_EQ(calls[3].state.brush->color, surface.m_crCell);
  EXPECT_FALSE(calls[3].state.HasPen());
  EXPECT_EQ(calls[3].state.bkMode, TRANSPARENT);

  // The label: four halo draws in the background colour, then the text.
  const auto texts = log->Of(DrawCall::Op::DrawText);
  ASSERT_EQ(texts.size(), 5u);
  const CRect label(0, 160, 120, 200);
  const CPoint offsets[4] = {CPoint(-1, -1), CPoint(-1, 1), CPoint(1, 1), CPoint(1, -1)};
  for (int i = 0; i < 4; ++i) {
    CRect moved(label);
    moved.OffsetRect(offsets[i].x, offsets[i].y);
    EXPECT_EQ(texts[i]->rect, moved) << i;
    EXPECT_EQ(texts[i]->state.textColor, surface.m_crBackground);
  }
  EXPECT_EQ(texts[4]->rect, label);
  EXPECT_EQ(texts[4]->text, "Undo");
  EXPECT_EQ(texts[4]->format, 0x40111u);
  EXPECT_EQ(texts[4]->state.textColor, surface.m_crDefaultText);
  // 9 points at 1000 units per inch, 3000 units in 300 pixels: -MulDiv(9, 300000, 216000) = -13.
  EXPECT_EQ(texts[4]->state.font->font.lfHeight, -13);
  // No selection in a one-off drawing; the state is restored afterwards.
  EXPECT_EQ(log->Of(DrawCall::Op::RoundRect).size(), 2u);
  EXPECT_EQ(dc->State().brush->color, RGB(255, 255, 255));
}

TEST_F(SurfaceDrawing, WindowDrawingRedrawsTheSelectedCellAndSkipsDisabledFrames) {
  surface.m_dwStyle = 8;
  surface.m_nCurSel = 1;
  surface.OnDraw(dc.get(), &d, 0);
  const auto shapes = log->Of(DrawCall::Op::RoundRect);
  ASSERT_EQ(shapes.size(), 3u);
  EXPECT_EQ(shapes[2]->rect, shapes[1]->rect);
  EXPECT_EQ(shapes[2]->state.brush->color, surface.m_crSelectedCell);
  EXPECT_EQ(log->Of(DrawCall::Op::Rectangle).size(), 1u);  // background only
}

TEST_F(SurfaceDrawing, NothingAtAllWithoutCells) {
  surface.m_nCellCount = 0;
  surface.OnDraw(dc.get(), &d, 0);
  EXPECT_TRUE(log->calls.empty());
}

TEST_F(SurfaceDrawing, TheBackgroundIsRenderedOnceIntoTheCacheThenCopied) {
  test::BmpSpec spec;
  spec.width = 30;
  spec.height = 30;
  const auto bmp = test::MakeBmp(spec);
  surface.SetBackgroundBitmap("", ReadBmpFromMemory(bmp.data(), bmp.size()));
  surface.OnDraw(dc.get(), &d, 0);
  const auto tiles = log->Of(DrawCall::Op::StretchDib);
  ASSERT_FALSE(tiles.empty());
  for (const DrawCall* tile : tiles) EXPECT_NE(tile->surface, 0);  // drawn into the cache
  const auto copies = log->Of(DrawCall::Op::StretchBlt, 0);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0]->rect, d);
  ASSERT_TRUE(surface.m_pBackgroundCache);
  EXPECT_EQ(copies[0]->sourceBitmap, surface.m_pBackgroundCache->Data()->id);
  EXPECT_EQ(surface.m_pBackgroundCache->GetSize(), CSize(400, 300));

  log->calls.clear();
  surface.OnDraw(dc.get(), &d, 0);
  EXPECT_TRUE(log->Of(DrawCall::Op::StretchDib).empty());
  EXPECT_EQ(log->Of(DrawCall::Op::StretchBlt).size(), 1u);

  // A one-off drawing draws the bitmap directly into the (unflipped) area.
  log->calls.clear();
  surface.OnDraw(dc.get(), &d, 1);
  const auto direct = log->Of(DrawCall::Op::StretchDib);
  ASSERT_FALSE(direct.empty());
  EXPECT_EQ(direct[0]->surface, 0);
  EXPECT_EQ(*direct[0]->state.clip, CRect(33, 33, 367, 267));

  // Without room for the cache the bitmap is let go.
  log->failBitmaps = true;
  surface.SetBackgroundBitmap("", ReadBmpFromMemory(bmp.data(), bmp.size()));
  surface.OnDraw(dc.get(), &d, 0);
  EXPECT_EQ(surface.m_hBitmapBlock, nullptr);
}

// The bundled sample, read through the exports: its cells, background
// bitmap and icons, and a point on a key.
TEST(SampleSurface, ReadsWithItsBackgroundIconsAndLabels) {
  const std::string file = std::string(CORVANE_SOURCE_DIR) + "/examples/surface/sample.tmt";
  void* surface = ACTCreateContainer(256);
  ASSERT_EQ(ACTReadContainer(surface, file.c_str()), 1);
  ASSERT_EQ(ACTGetCount(surface), 12);
  auto* typed = static_cast<CSurface*>(surface);
  EXPECT_NE(typed->m_hBitmapBlock, nullptr);
  auto* save = static_cast<CHotCell*>(ACTGetSubContainer(surface, 0));
  EXPECT_NE(save->m_hIcon, nullptr);
  EXPECT_EQ(save->GetAliasString(), "Save");
  // A point on the "Copy" key hits cell 1.
  const CRect copyKey = static_cast<CHotCell*>(ACTGetSubContainer(surface, 1))->m_rcActive;
  EXPECT_EQ(ACTHitTestItem(surface, copyKey.CenterPoint()), 1);
  ACTDeleteContainer(surface);
}

}  // namespace
}  // namespace corvane
