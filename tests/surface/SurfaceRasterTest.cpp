// The surface drawn on the raster surface: real pixels of the bitmap blits,
// the frame, the cells, the selection and the bundled sample.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "corvane/Corvane.h"
#include "support/BmpWriter.h"
#include "support/TestSupport.h"
#include "surface/BitmapUtils.h"
#include "surface/Surface.h"
#include "system/gdi/RasterSurface.h"

namespace corvane {
namespace {

using test::BmpSpec;
using test::MakeBmp;

struct BlockDeleter {
  void operator()(BitmapBlock* b) const { FreeBitmapBlock(b); }
};
using Block = std::unique_ptr<BitmapBlock, BlockDeleter>;

Block Read(const std::vector<BYTE>& bytes) { return Block(ReadBmpFromMemory(bytes.data(), bytes.size())); }

TEST(BmpBlit, RealPixelsOfEveryDepthAreTheRightWayUp) {
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE(bits);
    BmpSpec spec;
    spec.width = 2;
    spec.height = 2;
    spec.bits = bits;
    // Top row: red, green; bottom row: blue, white (indexed depths use a palette).
    spec.topLeft = RGB(255, 0, 0);
    spec.topRight = RGB(0, 255, 0);
    spec.bottomLeft = RGB(0, 0, 255);
    spec.bottomRight = RGB(255, 255, 255);
    if (bits == 1) spec.topRight = spec.bottomLeft = RGB(0, 0, 255), spec.bottomRight = RGB(255, 0, 0);
    Block block = Read(MakeBmp(spec));
    ASSERT_TRUE(block);
    auto dc = CreateRasterDC(40, 40);
    CRect dest(0, 0, 40, 40), source(0, 0, 2, 2);
    EXPECT_GT(BmpBlit(dc.get(), &dest, block.get(), &source, nullptr), 0);
    EXPECT_EQ(GetRasterPixel(dc.get(), 5, 5), spec.topLeft);
    EXPECT_EQ(GetRasterPixel(dc.get(), 35, 5), spec.topRight);
    EXPECT_EQ(GetRasterPixel(dc.get(), 5, 35), spec.bottomLeft);
    EXPECT_EQ(GetRasterPixel(dc.get(), 35, 35), spec.bottomRight);
  }
  EXPECT_EQ(BmpBlit(nullptr, nullptr, nullptr, nullptr, nullptr), 0);
}

TEST(SurfaceRaster, PixelsOfFrameCellsAndSelection) {
  CSurface surface;
  surface.m_nCellCount = 1;
  CHotCell* cell = surface.GetCell(0, FALSE);
  cell->m_rcActive = CRect(0, 0, 1200, 1000);
  cell->m_nAlignment = 2;
  auto dc = CreateRasterDC(400, 300);
  CRect d(0, 0, 400, 300);
  surface.m_crBackground = RGB(250, 240, 200);
  surface.OnDraw(dc.get(), &d, 1);
  EXPECT_EQ(GetRasterPixel(dc.get(), 0, 0), surface.m_crFrame);     // frame border
  EXPECT_EQ(GetRasterPixel(dc.get(), 200, 33), surface.m_crInnerFrame);
  EXPECT_EQ(GetRasterPixel(dc.get(), 200, 150), surface.m_crBackground);
  EXPECT_EQ(GetRasterPixel(dc.get(), 60, 250), surface.m_crCell);  // cell 0's shape
  surface.OnDraw(dc.get(), &d, 0);
  EXPECT_EQ(GetRasterPixel(dc.get(), 60, 250), surface.m_crSelectedCell);
}

// The bundled sample drawn in a window of 960 by 720 and written as PNG.
TEST(SampleSurface, RendersWithItsBackgroundAndIcons) {
  const std::string file = std::string(CORVANE_SOURCE_DIR) + "/examples/surface/sample.tmt";
  void* surface = ACTCreateContainer(256);
  ASSERT_EQ(ACTReadContainer(surface, file.c_str()), 1);
  ASSERT_EQ(ACTGetCount(surface), 12);
  auto* typed = static_cast<CSurface*>(surface);
  ASSERT_NE(typed->m_hBitmapBlock, nullptr);
  auto* save = static_cast<CHotCell*>(ACTGetSubContainer(surface, 0));
  ASSERT_NE(save->m_hIcon, nullptr);
  EXPECT_EQ(save->GetAliasString(), "Save");

  auto dc = CreateRasterDC(960, 720);
  CRect d(0, 0, 960, 720);
  ACTSetCurSel(surface, 5);
  ACTOnDraw(surface, dc.get(), &d, 0);
  const std::string png = std::string(CORVANE_BINARY_DIR) + "/sample-surface.png";
  EXPECT_TRUE(WriteRasterPng(dc.get(), png.c_str()));
  EXPECT_EQ(GetRasterPixel(dc.get(), 0, 0), typed->m_crFrame);
  // The paper's grid shows inside the working area.
  int grid = 0;
  for (int x = 100; x < 860; ++x) grid += GetRasterPixel(dc.get(), x, 360) == RGB(205, 220, 240);
  EXPECT_GT(grid, 10);
  // The floppy icon of "Save" is drawn in its key: blue pixels there.
  CRect key;
  RECT tablet = save->m_rcActive;
  ACTTranslateCoordinate(surface, &key, &d, &tablet, 0);
  int blue = 0;
  for (int y = key.top; y < key.bottom; ++y)
    for (int x = key.left; x < key.right; ++x) blue += GetRasterPixel(dc.get(), x, y) == RGB(40, 90, 170);
  EXPECT_GT(blue, 20);
  ACTDeleteContainer(surface);
}

}  // namespace
}  // namespace corvane
