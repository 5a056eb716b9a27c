// The drawing layer: GDI state rules on the recording surface, real pixels
// on the raster surface, text in the four interface languages, icons.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "system/gdi/Dc.h"
#include "system/gdi/Icon.h"
#include "system/gdi/RecordingSurface.h"
#include "system/posix/RasterSurface.h"

namespace corvane {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

TEST(RecordingSurface, RecordsEachCallWithTheObjectsSelectedAtTheTime) {
  auto log = std::make_shared<RecordingLog>();
  auto dc = CreateRecordingDC(log);
  CPen pen(PS_SOLID, 1, kBlue);
  CBrush brush(kRed);
  dc->SelectObject(&pen);
  CBrush* before = dc->SelectObject(&brush);
  ASSERT_NE(before, nullptr);
  dc->Rectangle(1, 2, 30, 40);
  dc->SelectObject(before);  // back to the stock white brush
  dc->SelectStockObject(NULL_PEN);
  dc->RoundRect(CRect(0, 0, 10, 20), CPoint(10, 10));

  ASSERT_EQ(log->calls.size(), 2u);
  const DrawCall& first = log->calls[0];
  EXPECT_EQ(first.op, DrawCall::Op::Rectangle);
  EXPECT_EQ(first.rect, CRect(1, 2, 30, 40));
  EXPECT_EQ(first.state.pen->color, kBlue);
  EXPECT_EQ(first.state.brush->color, kRed);
  const DrawCall& second = log->calls[1];
  EXPECT_EQ(second.op, DrawCall::Op::RoundRect);
  EXPECT_EQ(second.ellipse, CPoint(10, 10));
  EXPECT_FALSE(second.state.HasPen());
  EXPECT_EQ(second.state.brush->color, kWhite);
}

TEST(RecordingSurface, RestoreDcBringsBackObjectsColoursModesAndClip) {
  auto log = std::make_shared<RecordingLog>();
  auto dc = CreateRecordingDC(log);
  dc->SetTextColor(kBlue);
  const int saved = dc->SaveDC();
  EXPECT_EQ(saved, 1);
  {
    CBrush brush(kGreen);
    dc->SelectObject(&brush);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(kRed);
    dc->IntersectClipRect(10, 10, 50, 50);
    dc->IntersectClipRect(20, 0, 100, 30);
    EXPECT_EQ(*dc->State().clip, CRect(20, 10, 50, 30));
    dc->Rectangle(0, 0, 5, 5);
  }  // the brush object is gone while still selected: the record stays valid
  dc->Rectangle(0, 0, 6, 6);
  EXPECT_TRUE(dc->RestoreDC(-1));
  EXPECT_FALSE(dc->RestoreDC(-1));  // nothing left to restore
  dc->Rectangle(0, 0, 7, 7);

  ASSERT_EQ(log->calls.size(), 3u);
  EXPECT_EQ(log->calls[1].state.brush->color, kGreen);
  const DcState& after = log->calls[2].state;
  EXPECT_EQ(after.brush->color, kWhite);
  EXPECT_EQ(after.textColor, kBlue);
  EXPECT_EQ(after.bkMode, OPAQUE);
  EXPECT_FALSE(after.clip.has_value());
}

TEST(RecordingSurface, MemorySurfacesRecordIntoTheSameLogWithTheirBitmap) {
  auto log = std::make_shared<RecordingLog>();
  auto dc = CreateRecordingDC(log);
  CDC memory(nullptr);
  ASSERT_TRUE(memory.CreateCompatibleDC(dc.get()));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(dc.get(), 64, 32));
  EXPECT_EQ(bitmap.GetSize(), CSize(64, 32));
  CBitmap* old = memory.SelectObject(&bitmap);
  EXPECT_EQ(old, nullptr);  // a new memory surface has no bitmap of ours
  memory.FillSolidRect(CRect(0, 0, 64, 32), kRed);
  dc->BitBlt(5, 6, 64, 32, &memory, 0, 0, SRCCOPY);

  ASSERT_EQ(log->calls.size(), 2u);
  EXPECT_EQ(log->calls[0].surface, 1);
  EXPECT_EQ(log->calls[0].fill, kRed);
  EXPECT_EQ(log->calls[0].state.bitmap->id, bitmap.Data()->id);
  EXPECT_EQ(log->calls[1].surface, 0);
  EXPECT_EQ(log->calls[1].sourceSurface, 1);
  EXPECT_EQ(log->calls[1].sourceBitmap, bitmap.Data()->id);
  EXPECT_EQ(log->calls[1].rect, CRect(5, 6, 69, 38));

  // Sizes that cannot be allocated are refused.
  CBitmap huge, empty;
  EXPECT_FALSE(huge.CreateCompatibleBitmap(dc.get(), 100000, 100000));
  EXPECT_FALSE(empty.CreateCompatibleBitmap(dc.get(), 0, 10));
}

// Raster surface.

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

// Icons.

void Put16(std::vector<BYTE>& b, std::size_t at, unsigned v) {
  b[at] = static_cast<BYTE>(v);
  b[at + 1] = static_cast<BYTE>(v >> 8);
}
void Put32(std::vector<BYTE>& b, std::size_t at, unsigned v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<BYTE>(v >> (8 * i));
}

// A 32-bit DIB icon image of n by n, all one colour, its left half transparent
// through the alpha channel.
std::vector<BYTE> DibIconImage(int n, std::uint32_t argb) {
  std::vector<BYTE> image(40 + static_cast<std::size_t>(n) * n * 4 + static_cast<std::size_t>((n + 31) / 32 * 4) * n);
  Put32(image, 0, 40);
  Put32(image, 4, n);
  Put32(image, 8, 2 * n);
  Put16(image, 12, 1);
  Put16(image, 14, 32);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) Put32(image, 40 + (static_cast<std::size_t>(y) * n + x) * 4, x < n / 2 ? 0 : argb);
  return image;
}

std::vector<BYTE> PngIconImage(int n, COLORREF rgb) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, n, n);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, GetRValue(rgb) / 255.0, GetGValue(rgb) / 255.0, GetBValue(rgb) / 255.0);
  cairo_paint(cr);
  cairo_destroy(cr);
  std::vector<BYTE> png;
  cairo_surface_write_to_png_stream(
      surface,
      [](void* closure, const unsigned char* data, unsigned int length) {
        auto* out = static_cast<std::vector<BYTE>*>(closure);
        out->insert(out->end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
      },
      &png);
  cairo_surface_destroy(surface);
  return png;
}

std::vector<BYTE> IconFile(const std::vector<std::pair<int, std::vector<BYTE>>>& images) {
  std::vector<BYTE> file(6 + 16 * images.size());
  Put16(file, 2, 1);
  Put16(file, 4, static_cast<unsigned>(images.size()));
  for (std::size_t i = 0; i < images.size(); ++i) {
    const std::size_t e = 6 + 16 * i;
    file[e] = file[e + 1] = static_cast<BYTE>(images[i].first == 256 ? 0 : images[i].first);
    Put16(file, e + 4, 1);
    Put16(file, e + 6, 32);
    Put32(file, e + 8, static_cast<unsigned>(images[i].second.size()));
    Put32(file, e + 12, static_cast<unsigned>(file.size()));
    file.insert(file.end(), images[i].second.begin(), images[i].second.end());
  }
  return file;
}

// A minimal 32-bit Windows library whose resources hold the given icon
// groups, each of one image.
std::vector<BYTE> PeWithIcons(const std::vector<std::vector<BYTE>>& icons) {
  const std::size_t peAt = 64, optionalSize = 224, sectionsAt = peAt + 24 + optionalSize, rsrcAt = 512;
  const unsigned rva = 0x1000;
  // Resource tree: root(2 types) -> RT_ICON (n ids) and RT_GROUP_ICON (n ids) -> one language each.
  const std::size_t n = icons.size();
  std::vector<BYTE> r;
  auto dir = [&](std::size_t entries) {
    const std::size_t at = r.size();
    r.resize(at + 16 + 8 * entries);
    Put16(r, at + 14, static_cast<unsigned>(entries));
    return at;
  };
  const std::size_t root = dir(2);
  const std::size_t iconType = dir(n), groupType = dir(n);
  Put32(r, root + 16, 3);
  Put32(r, root + 20, 0x80000000u | static_cast<unsigned>(iconType));
  Put32(r, root + 24, 14);
  Put32(r, root + 28, 0x80000000u | static_cast<unsigned>(groupType));
  std::vector<std::size_t> dataEntries;
  for (int kind = 0; kind < 2; ++kind) {
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t lang = dir(1);
      const std::size_t typeDir = kind == 0 ? iconType : groupType;
      Put32(r, typeDir + 16 + 8 * i, static_cast<unsigned>(i + 1));
      Put32(r, typeDir + 20 + 8 * i, 0x80000000u | static_cast<unsigned>(lang));
      const std::size_t data = r.size();
      r.resize(data + 16);
      Put32(r, lang + 16, 0x409);
      Put32(r, lang + 20, static_cast<unsigned>(data));
      dataEntries.push_back(data);
    }
  }
  for (std::size_t k = 0; k < 2 * n; ++k) {
    const std::size_t i = k % n;
    std::vector<BYTE> payload;
    if (k < n) {
      payload = icons[i];
    } else {
      payload.assign(6 + 14, 0);
      Put16(payload, 2, 1);
      Put16(payload, 4, 1);
      payload[6] = payload[7] = 32;
      Put16(payload, 6 + 4, 1);
      Put16(payload, 6 + 6, 32);
      Put32(payload, 6 + 8, static_cast<unsigned>(icons[i].size()));
      Put16(payload, 6 + 12, static_cast<unsigned>(i + 1));
    }
    const std::size_t at = r.size();
    r.insert(r.end(), payload.begin(), payload.end());
    Put32(r, dataEntries[k], rva + static_cast<unsigned>(at));
    Put32(r, dataEntries[k] + 4, static_cast<unsigned>(payload.size()));
  }
  std::vector<BYTE> file(rsrcAt);
  file[0] = 'M';
  file[1] = 'Z';
  Put32(file, 0x3C, static_cast<unsigned>(peAt));
  Put32(file, peAt, 0x00004550);
  Put16(file, peAt + 4, 0x14C);
  Put16(file, peAt + 6, 1);
  Put16(file, peAt + 20, static_cast<unsigned>(optionalSize));
  const std::size_t opt = peAt + 24;
  Put16(file, opt, 0x10B);
  Put32(file, opt + 92, 16);
  Put32(file, opt + 96 + 16, rva);
  Put32(file, opt + 96 + 20, static_cast<unsigned>(r.size()));
  std::memcpy(&file[sectionsAt], ".rsrc", 5);
  Put32(file, sectionsAt + 8, static_cast<unsigned>(r.size()));
  Put32(file, sectionsAt + 12, rva);
  Put32(file, sectionsAt + 16, static_cast<unsigned>(r.size()));
  Put32(file, sectionsAt + 20, static_cast<unsigned>(rsrcAt));
  file.insert(file.end(), r.begin(), r.end());
  return file;
}

void WriteBytes(const std::string& path, const std::vector<BYTE>& bytes) {
  test::WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

TEST(Icons, IconFileGivesItsBiggestImageWithTransparency) {
  test::TempDir dir;
  const std::string path = dir.file("app.ico");
  WriteBytes(path, IconFile({{16, DibIconImage(16, 0xFF0000FF)}, {48, DibIconImage(48, 0xFFFF0000)}}));
  EXPECT_EQ(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0), 1u);
  HICON large = nullptr, small = nullptr;
  ASSERT_EQ(ExtractIconExA(path.c_str(), 0, &large, &small, 1), 1u);
  ASSERT_NE(large, nullptr);
  EXPECT_EQ(large->width, 48);
  EXPECT_EQ(large->pixels[47], 0xFFFF0000u);  // right half opaque red
  EXPECT_EQ(large->pixels[0] >> 24, 0u);      // left half transparent
  EXPECT_EQ(small->width, 16);

  // Drawn over green, the transparent half lets it show.
  auto dc = CreateRasterDC(48, 48);
  dc->FillSolidRect(CRect(0, 0, 48, 48), kGreen);
  EXPECT_TRUE(DrawIconEx(dc.get(), 0, 0, large, 48, 48, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(GetRasterPixel(dc.get(), 5, 24), kGreen);
  EXPECT_EQ(GetRasterPixel(dc.get(), 40, 24), kRed);
  DestroyIcon(large);
  DestroyIcon(small);
  EXPECT_EQ(ExtractIconExA(path.c_str(), 1, &large, nullptr, 1), 0u);
}

TEST(Icons, PngCompressedEntriesAndProgramResources) {
  test::TempDir dir;
  const std::string ico = dir.file("png.ico");
  WriteBytes(ico, IconFile({{256, PngIconImage(64, kBlue)}}));
  HICON icon = nullptr;
  ASSERT_EQ(ExtractIconExA(ico.c_str(), 0, &icon, nullptr, 1), 1u);
  EXPECT_EQ(icon->width, 64);
  EXPECT_EQ(icon->pixels[100], 0xFF0000FFu);
  DestroyIcon(icon);

  const std::string dll = dir.file("tools.dll");
  WriteBytes(dll, PeWithIcons({DibIconImage(32, 0xFF00FF00), PngIconImage(24, kRed)}));
  EXPECT_EQ(ExtractIconExA(dll.c_str(), -1, nullptr, nullptr, 0), 2u);
  HICON icons[2] = {};
  ASSERT_EQ(ExtractIconExA(dll.c_str(), 0, icons, nullptr, 2), 2u);
  EXPECT_EQ(icons[0]->width, 32);
  EXPECT_EQ(icons[0]->pixels[31], 0xFF00FF00u);
  EXPECT_EQ(icons[1]->width, 24);
  EXPECT_EQ(icons[1]->pixels[0], 0xFFFF0000u);
  DestroyIcon(icons[0]);
  DestroyIcon(icons[1]);
}

TEST(Icons, DamagedOrForeignFilesHoldNoIcons) {
  test::TempDir dir;
  EXPECT_EQ(ExtractIconExA(dir.file("missing.ico").c_str(), -1, nullptr, nullptr, 0), 0u);
  const std::string text = dir.file("notes.txt");
  test::WriteFile(text, "just some words, not an icon");
  EXPECT_EQ(ExtractIconExA(text.c_str(), -1, nullptr, nullptr, 0), 0u);

  // Every truncation and many random corruptions of a good icon file and a
  // good library are read safely (the sanitizer build checks the reads).
  const std::vector<std::vector<BYTE>> goods = {
      IconFile({{16, DibIconImage(16, 0xFF0000FF)}, {32, PngIconImage(32, kRed)}}),
      PeWithIcons({DibIconImage(16, 0xFF00FF00), PngIconImage(16, kBlue)})};
  std::mt19937 random(7);
  for (const auto& good : goods) {
    for (std::size_t length = 0; length < good.size(); length += 3) {
      const std::size_t count = CountIconsInData(good.data(), length);
      IconImage large;
      for (std::size_t i = 0; i < count; ++i) DecodeIconFromData(good.data(), length, i, &large, nullptr);
    }
    for (int round = 0; round < 300; ++round) {
      std::vector<BYTE> bad = good;
      for (int flips = 0; flips < 4; ++flips) bad[random() % bad.size()] = static_cast<BYTE>(random());
      const std::size_t count = CountIconsInData(bad.data(), bad.size());
      IconImage large, small;
      for (std::size_t i = 0; i < count && i < 4; ++i) {
        if (DecodeIconFromData(bad.data(), bad.size(), i, &large, &small)) {
          EXPECT_EQ(large.pixels.size(), static_cast<std::size_t>(large.width) * large.height);
        }
      }
    }
  }
}

}  // namespace
}  // namespace corvane
