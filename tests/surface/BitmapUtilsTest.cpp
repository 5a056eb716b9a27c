// Bitmap blocks, their drawing at physical size, and rectangle arithmetic.
#include "surface/BitmapUtils.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "system/gdi/RecordingSurface.h"
#include "support/BmpWriter.h"

namespace corvane {
namespace {

using test::BmpSpec;
using test::MakeBmp;

struct BlockDeleter {
  void operator()(BitmapBlock* b) const { FreeBitmapBlock(b); }
};
using Block = std::unique_ptr<BitmapBlock, BlockDeleter>;

Block Read(const std::vector<BYTE>& bytes) { return Block(ReadBmpFromMemory(bytes.data(), bytes.size())); }

TEST(BitmapBlock, KeepsTheFileWithoutItsHeaderPlusFourteenZeroBytes) {
  BmpSpec spec;
  spec.width = 3;
  spec.height = 2;
  spec.bits = 8;
  const auto file = MakeBmp(spec);
  Block block = Read(file);
  ASSERT_TRUE(block);
  ASSERT_EQ(block->bytes.size(), file.size());
  EXPECT_EQ(0, std::memcmp(block->bytes.data(), file.data() + 14, file.size() - 14));
  for (std::size_t i = file.size() - 14; i < file.size(); ++i) EXPECT_EQ(block->bytes[i], 0);

  const BYTE* b = block->bytes.data();
  EXPECT_EQ(BmpPixelWidth(b), 3);
  EXPECT_EQ(BmpPixelHeight(b), 2);
  EXPECT_EQ(BmpColorCount(b), 256);
  EXPECT_EQ(BmpColorTableSize(b), 1024u);
  EXPECT_EQ(BmpPixelBits(b), b + 40 + 1024);
  EXPECT_EQ(BmpDimensions(block.get()), CSize(3, 2));
}

TEST(BitmapBlock, HeaderFormsAndColourCounts) {
  struct Case {
    const char* name;
    bool core;
    int bits;
    unsigned colorsUsed;
    WORD count;
    DWORD tableSize;
  } cases[] = {
      {"1-bit", false, 1, 0, 2, 8},          {"4-bit", false, 4, 0, 16, 64},
      {"8-bit, 20 used", false, 8, 20, 20, 80}, {"24-bit", false, 24, 0, 0, 0},
      {"16-bit", false, 16, 0, 0, 0},        {"core 8-bit", true, 8, 0, 256, 768},
      {"core 24-bit", true, 24, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BmpSpec spec;
    spec.width = 5;
    spec.height = 4;
    spec.bits = c.bits;
    spec.core = c.core;
    spec.colorsUsed = c.colorsUsed;
    Block block = Read(MakeBmp(spec));
    ASSERT_TRUE(block);
    const BYTE* b = block->bytes.data();
    EXPECT_EQ(BmpColorCount(b), c.count);
    EXPECT_EQ(BmpColorTableSize(b), c.tableSize);
    EXPECT_EQ(BmpPixelBits(b), b + (c.core ? 12 : 40) + c.tableSize);
    EXPECT_EQ(BmpDimensions(block.get()), CSize(5, 4));
    CPalette palette;
    EXPECT_EQ(BmpMakePalette(block.get(), &palette) != 0, c.count != 0);
    EXPECT_EQ(palette.GetEntryCount(), c.count);
  }
}

TEST(BitmapBlock, PaletteTakesColoursFromTheTable) {
  BmpSpec spec;
  spec.bits = 4;
  spec.palette = {RGB(10, 20, 30), RGB(200, 100, 50)};
  Block block = Read(MakeBmp(spec));
  CPalette palette;
  ASSERT_TRUE(BmpMakePalette(block.get(), &palette));
  const PALETTEENTRY& second = palette.Data()->palette[1];
  EXPECT_EQ(second.peRed, 200);
  EXPECT_EQ(second.peGreen, 100);
  EXPECT_EQ(second.peBlue, 50);
  EXPECT_FALSE(BmpMakePalette(nullptr, &palette));
}

TEST(BitmapBlock, ResolutionInPixelsPerInch) {
  struct Case {
    int x, y;
    CSize expected;
  } cases[] = {{3780, 3780, CSize(96, 96)}, {2835, 2835, CSize(72, 72)}, {0, 7560, CSize(192, 192)},
               {7560, 0, CSize(192, 192)}, {0, 0, CSize(96, 96)},       {-3780, 0, CSize(96, 96)}};
  for (const Case& c : cases) {
    BmpSpec spec;
    spec.pixelsPerMetreX = c.x;
    spec.pixelsPerMetreY = c.y;
    Block block = Read(MakeBmp(spec));
    EXPECT_EQ(BmpResolution(block.get()), c.expected) << c.x << "," << c.y;
  }
  BmpSpec core;
  core.core = true;
  EXPECT_EQ(BmpResolution(Read(MakeBmp(core)).get()), CSize(96, 96));
}

// Damaged files are refused whole: nothing is read past the data.
TEST(BitmapBlock, DamagedFilesGiveNoBlock) {
  BmpSpec good;
  good.width = 7;
  good.height = 5;
  good.bits = 8;
  const auto file = MakeBmp(good);
  auto patched = [&](std::size_t at, std::uint32_t value, int bytes = 4) {
    auto copy = file;
    for (int i = 0; i < bytes; ++i) copy[at + i] = static_cast<BYTE>(value >> (8 * i));
    return copy;
  };
  struct Case {
    const char* name;
    std::vector<BYTE> bytes;
  } cases[] = {
      {"empty", {}},
      {"13 bytes", std::vector<BYTE>(file.begin(), file.begin() + 13)},
      {"file header only", std::vector<BYTE>(file.begin(), file.begin() + 14)},
      {"not BM", patched(0, 0x4D43, 2)},
      {"truncated rows", std::vector<BYTE>(file.begin(), file.end() - 1)},
      {"truncated colour table", std::vector<BYTE>(file.begin(), file.begin() + 14 + 40 + 100)},
      {"header size 0", patched(14, 0)},
      {"header size 39", patched(14, 39)},
      {"header size huge", patched(14, 0x7FFFFFFF)},
      {"zero width", patched(18, 0)},
      {"zero height", patched(22, 0)},
      {"negative width", patched(18, 0xFFFFFFF0)},
      {"huge dimensions", patched(18, 100000)},
      {"height past the rows", patched(22, 6)},
      {"top-down past the rows", patched(22, static_cast<std::uint32_t>(-6))},
      {"bit depth 7", patched(28, 7, 2)},
      {"bit depth 0", patched(28, 0, 2)},
      {"colour count beyond 256", patched(46, 257)},
      {"colour count past the data", patched(46, 0xFFFFFFFF)},
      {"run-length compression", patched(30, BI_RLE8)},
  };
  for (const Case& c : cases) EXPECT_FALSE(Read(c.bytes)) << c.name;
  BmpSpec deep = good;
  deep.bits = 24;
  auto deepFile = MakeBmp(deep);
  deepFile[46] = 100;  // a table of 100 colours that the file does not hold
  EXPECT_FALSE(Read(deepFile));
  EXPECT_TRUE(Read(patched(22, static_cast<std::uint32_t>(-5))));  // stored top-down: fine

  // Every truncation and random corruption either gives a block whose rows
  // lie inside it, or none; drawing what is accepted stays in bounds.
  std::mt19937 random(11);
  auto dc = CreateRecordingDC(std::make_shared<RecordingLog>());
  for (int round = 0; round < 2000; ++round) {
    auto bad = file;
    if (round % 3 == 0) bad.resize(random() % bad.size());
    // Corrupt the header and the start of the colour table.
    for (int flips = 0; flips < 3 && bad.size() > 14; ++flips)
      bad[14 + random() % std::min<std::size_t>(bad.size() - 14, 60)] = static_cast<BYTE>(random());
    Block block = Read(bad);
    if (!block) continue;
    const BYTE* b = block->bytes.data();
    const std::size_t rows = static_cast<std::size_t>(BmpPixelBits(b) - b);
    EXPECT_LE(rows + block->layout.imageSize, block->bytes.size());
    CRect r(0, 0, 50, 50);
    BmpDrawInRect(dc.get(), &r, block.get(), BKGND_STRETCHED);
  }
}

TEST(BitmapBlock, LoadBmpFile) {
  test::TempDir dir;
  BmpSpec spec;
  spec.width = 4;
  spec.height = 4;
  spec.bits = 24;
  const auto bytes = MakeBmp(spec);
  test::WriteFile(dir.file("a.bmp"), std::string(bytes.begin(), bytes.end()));
  Block block(LoadBmpFile(dir.file("a.bmp").c_str()));
  ASSERT_TRUE(block);
  EXPECT_EQ(BmpDimensions(block.get()), CSize(4, 4));
  EXPECT_FALSE(Block(LoadBmpFile(dir.file("missing.bmp").c_str())));
  EXPECT_FALSE(Block(LoadBmpFile(dir.path().string().c_str())));  // a folder
  EXPECT_FALSE(Block(LoadBmpFile("")));
}

// Drawing a bitmap into a rectangle, on the recording surface.
struct DrawInRect : ::testing::Test {
  std::shared_ptr<RecordingLog> log = std::make_shared<RecordingLog>();
  std::unique_ptr<CDC> dc = CreateRecordingDC(log);

  Block Bitmap(int w, int h, int ppm, int bits = 24) {
    BmpSpec spec;
    spec.width = w;
    spec.height = h;
    spec.bits = bits;
    spec.pixelsPerMetreX = spec.pixelsPerMetreY = ppm;
    return Read(MakeBmp(spec));
  }
  std::vector<CRect> Draw(const Block& block, CRect dest, DWORD style) {
    BmpDrawInRect(dc.get(), &dest, block.get(), style);
    std::vector<CRect> out;
    for (const DrawCall* call : log->Of(DrawCall::Op::StretchDib)) out.push_back(call->rect);
    return out;
  }
};

TEST_F(DrawInRect, CentredAtPhysicalSize) {
  auto atScreen = Bitmap(200, 100, 3780);
  EXPECT_EQ(Draw(atScreen, CRect(10, 20, 310, 320), BKGND_CENTERED), std::vector<CRect>{CRect(60, 120, 260, 220)});
  const DrawCall* call = log->calls.back().op == DrawCall::Op::StretchDib ? &log->calls.back() : nullptr;
  ASSERT_TRUE(call);
  EXPECT_EQ(call->source, CRect(0, 0, 200, 100));
  EXPECT_EQ(call->state.stretchMode, COLORONCOLOR);
  EXPECT_EQ(*call->state.clip, CRect(10, 20, 310, 320));
  EXPECT_FALSE(dc->State().clip.has_value());  // the state is restored afterwards
}

TEST_F(DrawInRect, HigherResolutionShowsSmallerAndLargeBitmapsShrinkToFit) {
  auto fine = Bitmap(200, 100, 7560);
  EXPECT_EQ(Draw(fine, CRect(0, 0, 300, 300), BKGND_CENTERED), std::vector<CRect>{CRect(100, 125, 200, 175)});
  log->calls.clear();
  auto wide = Bitmap(400, 100, 3780);
  EXPECT_EQ(Draw(wide, CRect(0, 0, 200, 200), BKGND_CENTERED), std::vector<CRect>{CRect(0, 75, 200, 125)});
}

TEST_F(DrawInRect, TilesColumnByColumnAndTheClipCutsTheEdges) {
  auto tile = Bitmap(30, 30, 0);
  const auto tiles = Draw(tile, CRect(0, 0, 100, 65), BKGND_TILED);
  ASSERT_EQ(tiles.size(), 12u);  // 4 columns by 3 rows
  EXPECT_EQ(tiles[0], CRect(0, 0, 30, 30));
  EXPECT_EQ(tiles[1], CRect(0, 30, 30, 60));
  EXPECT_EQ(tiles[3], CRect(30, 0, 60, 30));
  EXPECT_EQ(tiles[11], CRect(90, 60, 120, 90));
  log->calls.clear();
  EXPECT_EQ(Draw(tile, CRect(0, 0, 90, 90), BKGND_TILED).size(), 16u);
}

TEST_F(DrawInRect, StretchedFillsTheWholeRectangle) {
  auto b = Bitmap(30, 10, 3780);
  EXPECT_EQ(Draw(b, CRect(5, 5, 105, 305), BKGND_STRETCHED), std::vector<CRect>{CRect(5, 5, 105, 305)});
  log->calls.clear();
  EXPECT_EQ(Draw(b, CRect(5, 5, 105, 305), 0x30000), std::vector<CRect>{CRect(5, 5, 105, 305)});
}

TEST_F(DrawInRect, PalettesOnlyForIndexedBitmapsAndNothingForAVanishingSize) {
  auto indexed = Bitmap(8, 8, 3780, 8);
  Draw(indexed, CRect(0, 0, 8, 8), BKGND_CENTERED);
  ASSERT_EQ(log->calls.size(), 1u);
  EXPECT_TRUE(log->calls[0].state.palette);
  log->calls.clear();
  auto deep = Bitmap(8, 8, 3780, 16);
  Draw(deep, CRect(0, 0, 8, 8), BKGND_CENTERED);
  ASSERT_EQ(log->calls.size(), 1u);
  EXPECT_FALSE(log->calls[0].state.palette);
  log->calls.clear();
  // One pixel at a resolution far above the surface's shows as nothing:
  // no division by zero, nothing drawn.
  auto speck = Bitmap(1, 1, 2000000000);
  EXPECT_TRUE(Draw(speck, CRect(0, 0, 100, 100), BKGND_TILED).empty());
  EXPECT_TRUE(Draw(nullptr, CRect(0, 0, 100, 100), BKGND_TILED).empty());
}

TEST(RectArithmetic, ScalingFlippingFittingCentring) {
  const CRect source(0, 0, 1000, 1000), target(100, 100, 200, 300), r(500, 500, 1000, 1000);
  CRect out;
  ScaleRectToFrame(&out, &target, &r, &source);
  EXPECT_EQ(out, CRect(150, 200, 200, 300));
  ScaleRectToFrameFlipped(&out, &target, &r, &source);
  EXPECT_EQ(out, CRect(150, 100, 200, 200));
  const CRect flat(0, 0, 0, 1000);
  ScaleRectToFrame(&out, &target, &r, &flat);
  EXPECT_EQ(out.left, 99);  // MulDiv answers -1 for a zero width
  EXPECT_EQ(out.right, 99);

  struct Fit {
    CRect bounds, size, expected;
  } fits[] = {
      {CRect(5, 5, 105, 105), CRect(0, 0, 10, 10), CRect(5, 5, 15, 15)},
      {CRect(0, 0, 100, 100), CRect(0, 0, 200, 50), CRect(0, 0, 100, 25)},
      {CRect(0, 0, 100, 100), CRect(0, 0, 50, 200), CRect(0, 0, 25, 100)},
      {CRect(0, 0, 100, 50), CRect(0, 0, 400, 400), CRect(0, 0, 50, 50)},
      {CRect(0, 0, 100, 50), CRect(0, 0, 400, 100), CRect(0, 0, 100, 25)},
  };
  for (const Fit& f : fits) {
    FitSizeInRect(&out, &f.bounds, &f.size);
    EXPECT_EQ(out, f.expected);
  }
  CRect moving(0, 0, 10, 4);
  const CRect frame(0, 0, 21, 9);
  CenterRectInRect(&moving, &frame);
  EXPECT_EQ(moving, CRect(5, 2, 15, 6));
  EXPECT_EQ(ScaleSizeRatio(CSize(100, 50), CSize(4, 2), CSize(3, 3)), CSize(75, 75));

  // Coordinates from a damaged file wrap around instead of overflowing.
  const CRect extreme(2147483000, -2147483000, 2147483647, 2147483647);
  ScaleRectToFrameFlipped(&out, &extreme, &extreme, &source);
}

TEST(ScreenResolution, AskedOnceAndNinetySixByDefault) {
  EXPECT_EQ(GetScreenPixelsPerInch(), CSize(96, 96));
}

}  // namespace
}  // namespace corvane
