// The raster surface: real pixels, text in the four interface languages,
// PNG output, PNG-compressed icons and icons drawn with their transparency.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "support/IconWriter.h"
#include "support/TestSupport.h"
#include "system/gdi/Dc.h"
#include "system/gdi/Icon.h"
#include "system/gdi/RasterSurface.h"

namespace corvane {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

void WriteBytes(const std::string& path, const std::vector<BYTE>& bytes) {
  test::WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

TEST(RasterSurface, RectangleFillsWithTheBrushAndOutlinesWithThePenExcludingRightAndBottom) {
  auto dc = CreateRasterDC(40, 40);
  ASSERT_NE(dc, nullptr);
  CPen pen(PS_SOLID, 1, kBlue);
  CBrush brush(kRed);
  dc->SelectObject(&pen);
  dc->SelectObject(&brush);
  dc->Rectangle(10, 10, 20, 20);
  EXPECT_EQ(GetRasterPixel(dc.get(), 10, 10), kBlue);
  EXPECT_EQ(GetRasterPixel(dc.get(), 19, 19), kBlue);
  EXPECT_EQ(GetRasterPixel(dc.get(), 15, 19), kBlue);
  EXPECT_EQ(GetRasterPixel(dc.get(), 15, 15), kRed);
  EXPECT_EQ(GetRasterPixel(dc.get(), 11, 11), kRed);
  EXPECT_EQ(GetRasterPixel(dc.get(), 20, 15), kWhite);
  EXPECT_EQ(GetRasterPixel(dc.get(), 15, 20), kWhite);
  EXPECT_EQ(GetRasterPixel(dc.get(), 9, 9), kWhite);

  // Null pen: the brush alone; null brush: the outline alone.
  dc->SelectStockObject(NULL_PEN);
  dc->Rectangle(25, 25, 30, 30);
  EXPECT_EQ(GetRasterPixel(dc.get(), 25, 25), kRed);
  EXPECT_EQ(GetRasterPixel(dc.get(), 29, 29), kRed);
  EXPECT_EQ(GetRasterPixel(dc.get(), 30, 30), kWhite);
  dc->SelectObject(&pen);
  dc->SelectStockObject(NULL_BRUSH);
  dc->Rectangle(0, 30, 8, 38);
  EXPECT_EQ(GetRasterPixel(dc.get(), 0, 30), kBlue);
  EXPECT_EQ(GetRasterPixel(dc.get(), 4, 34), kWhite);
}

TEST(RasterSurface, ClipAndMemorySurfaceBlit) {
  auto dc = CreateRasterDC(50, 50);
  CDC memory(nullptr);
  ASSERT_TRUE(memory.CreateCompatibleDC(dc.get()));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(dc.get(), 10, 10));
  memory.SelectObject(&bitmap);
  memory.FillSolidRect(CRect(0, 0, 10, 10), kGreen);
  memory.FillSolidRect(CRect(0, 0, 5, 5), kRed);
  EXPECT_EQ(GetRasterPixel(&memory, 2, 2), kRed);

  dc->SaveDC();
  dc->IntersectClipRect(0, 0, 25, 50);
  dc->StretchBlt(10, 10, 20, 20, &memory, 0, 0, 10, 10, SRCCOPY);  // doubled, cut at x = 25
  dc->RestoreDC(-1);
  EXPECT_EQ(GetRasterPixel(dc.get(), 10, 10), kRed);
  EXPECT_EQ(GetRasterPixel(dc.get(), 19, 19), kRed);
  EXPECT_EQ(GetRasterPixel(dc.get(), 20, 20), kGreen);
  EXPECT_EQ(GetRasterPixel(dc.get(), 24, 29), kGreen);
  EXPECT_EQ(GetRasterPixel(dc.get(), 25, 29), kWhite);  // clipped
  EXPECT_EQ(GetRasterPixel(dc.get(), 30, 30), kWhite);
}

TEST(RasterSurface, StretchDibitsKeepsBottomUpRowsTheRightWayUp) {
  // A 2 by 2 bitmap of 24 bits, stored bottom row first.
  BITMAPINFOHEADER header{};
  header.biSize = 40;
  header.biWidth = 2;
  header.biHeight = 2;
  header.biPlanes = 1;
  header.biBitCount = 24;
  const BYTE rows[16] = {
      0, 0, 255, 0, 255, 0, 0, 0,   // bottom: red, green
      255, 0, 0, 0, 0, 0, 0, 0,     // top: blue, black
  };
  auto dc = CreateRasterDC(20, 20);
  EXPECT_EQ(dc->StretchDIBits(0, 0, 20, 20, 0, 0, 2, 2, rows, &header, DIB_RGB_COLORS, SRCCOPY), 2);
  EXPECT_EQ(GetRasterPixel(dc.get(), 2, 2), kBlue);
  EXPECT_EQ(GetRasterPixel(dc.get(), 17, 2), RGB(0, 0, 0));
  EXPECT_EQ(GetRasterPixel(dc.get(), 2, 17), kRed);
  EXPECT_EQ(GetRasterPixel(dc.get(), 17, 17), kGreen);
  // Unscaled copy of the top row only, rows counted from the bottom.
  auto copy = CreateRasterDC(4, 4);
  copy->SetDIBitsToDevice(1, 1, 2, 1, 0, 1, 0, 2, rows, &header, DIB_RGB_COLORS);
  EXPECT_EQ(GetRasterPixel(copy.get(), 1, 1), kBlue);
  EXPECT_EQ(GetRasterPixel(copy.get(), 1, 2), kWhite);
}

// Bounding box of the pixels that are not white.
CRect InkBox(CDC* dc, int width, int height) {
  CRect box(width, height, -1, -1);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (GetRasterPixel(dc, x, y) != kWhite) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  return box;
}

TEST(RasterSurface, LabelsInTheFourLanguagesRenderCentredAndWrapped) {
  struct Case {
    const char* language;
    const char* text;
  } cases[] = {
      {"English", "Undo"},
      {"Chinese (Taiwan)", "復原"},
      {"Korean", "실행 취소"},
      {"Chinese (PRC)", "撤销"},
  };
  LOGFONT lf{};
  lf.lfHeight = -20;
  std::strcpy(lf.lfFaceName, "Arial");
  CFont font;
  font.CreateFontIndirect(&lf);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    EXPECT_EQ(CountUnrenderableCharacters(lf, c.text), 0);
    auto dc = CreateRasterDC(200, 60);
    dc->SelectObject(&font);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    CRect area(0, 10, 200, 50);
    dc->DrawText(c.text, &area, DT_CENTER | DT_WORDBREAK | DT_NOCLIP | DT_WORD_ELLIPSIS);
    const CRect ink = InkBox(dc.get(), 200, 60);
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_GE(ink.top, 10);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 100.0, 3.0);
  }
  // A label wider than its area wraps at the word break, staying within it.
  auto dc = CreateRasterDC(200, 100);
  dc->SelectObject(&font);
  dc->SetBkMode(TRANSPARENT);
  CRect narrow(50, 0, 150, 100);
  const int height = dc->DrawText("Save All Files", &narrow, DT_CENTER | DT_WORDBREAK | DT_NOCLIP | DT_WORD_ELLIPSIS);
  EXPECT_GT(height, 30);  // more than one line
  const CRect ink = InkBox(dc.get(), 200, 100);
  EXPECT_GE(ink.left, 50);
  EXPECT_LE(ink.right, 150);
}

TEST(RasterSurface, TextColourAndOpaqueBackground) {
  LOGFONT lf{};
  lf.lfHeight = -30;
  lf.lfWeight = FW_BOLD;
  CFont font;
  font.CreateFontIndirect(&lf);
  auto dc = CreateRasterDC(100, 40);
  dc->SelectObject(&font);
  dc->SetTextColor(kRed);
  dc->SetBkColor(kGreen);
  dc->SetBkMode(OPAQUE);
  CRect r(0, 0, 100, 40);
  dc->DrawText("H", &r, DT_LEFT | DT_SINGLELINE);
  int red = 0, green = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 30; ++x) {
      const COLORREF p = GetRasterPixel(dc.get(), x, y);
      red += p == kRed;
      green += p == kGreen;
    }
  EXPECT_GT(red, 20);
  EXPECT_GT(green, 20);
  EXPECT_EQ(GetRasterPixel(dc.get(), 90, 20), kWhite);  // past the text's extent
}

TEST(RasterSurface, WritesAPngThatReadsBack) {
  test::TempDir dir;
  auto dc = CreateRasterDC(16, 8);
  dc->FillSolidRect(CRect(0, 0, 8, 8), kRed);
  const std::string path = dir.file("out.png");
  ASSERT_TRUE(WriteRasterPng(dc.get(), path.c_str()));
  cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
  ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(png), 16);
  const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(png));
  EXPECT_EQ(row[0] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(row[12] & 0xFFFFFF, 0xFFFFFFu);
  cairo_surface_destroy(png);
  EXPECT_FALSE(WriteRasterPng(dc.get(), dir.file("missing/out.png").c_str()));
}

TEST(RasterSurface, IconsDrawWithTheirTransparency) {
  test::TempDir dir;
  const std::string path = dir.file("app.ico");
  WriteBytes(path, test::IconFile({{48, test::DibIconImage(48, 0xFFFF0000)}}));
  HICON large = nullptr;
  ASSERT_EQ(ExtractIconExA(path.c_str(), 0, &large, nullptr, 1), 1u);
  // Drawn over green, the transparent half lets it show.
  auto dc = CreateRasterDC(48, 48);
  dc->FillSolidRect(CRect(0, 0, 48, 48), kGreen);
  EXPECT_TRUE(DrawIconEx(dc.get(), 0, 0, large, 48, 48, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(GetRasterPixel(dc.get(), 5, 24), kGreen);
  EXPECT_EQ(GetRasterPixel(dc.get(), 40, 24), kRed);
  DestroyIcon(large);
}

TEST(RasterSurface, PngCompressedIconEntries) {
  test::TempDir dir;
  const std::string ico = dir.file("png.ico");
  WriteBytes(ico, test::IconFile({{256, test::TinyPng()}}));
  HICON icon = nullptr;
  ASSERT_EQ(ExtractIconExA(ico.c_str(), 0, &icon, nullptr, 1), 1u);
  EXPECT_EQ(icon->width, 4);
  EXPECT_EQ(icon->pixels[5], 0xFFFF0000u);
  DestroyIcon(icon);

  const std::string dll = dir.file("tools.dll");
  WriteBytes(dll, test::PeWithIcons({test::DibIconImage(32, 0xFF00FF00), test::TinyPng()}));
  HICON icons[2] = {};
  ASSERT_EQ(ExtractIconExA(dll.c_str(), 0, icons, nullptr, 2), 2u);
  EXPECT_EQ(icons[1]->width, 4);
  EXPECT_EQ(icons[1]->pixels[0], 0xFFFF0000u);
  DestroyIcon(icons[0]);
  DestroyIcon(icons[1]);
}

}  // namespace
}  // namespace corvane
