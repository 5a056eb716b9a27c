// The drawing layer: GDI state rules on the recording surface; icons read
// from icon files and from the resources of programs and libraries.  Real
// pixels are checked in RasterSurfaceTest.cpp.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "support/IconWriter.h"
#include "support/TestSupport.h"
#include "system/gdi/Dc.h"
#include "system/gdi/Icon.h"
#include "system/gdi/RecordingSurface.h"

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

// Icons.

using test::DibIconImage;
using test::IconFile;
using test::PeWithIcons;
using test::TinyPng;

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
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(small->width, 16);
  DestroyIcon(large);
  DestroyIcon(small);
  EXPECT_EQ(ExtractIconExA(path.c_str(), 1, &large, nullptr, 1), 0u);
}

TEST(Icons, ProgramResourcesHoldOneIconPerGroup) {
  test::TempDir dir;
  const std::string dll = dir.file("tools.dll");
  WriteBytes(dll, PeWithIcons({DibIconImage(32, 0xFF00FF00), DibIconImage(24, 0xFFFF0000)}));
  EXPECT_EQ(ExtractIconExA(dll.c_str(), -1, nullptr, nullptr, 0), 2u);
  HICON icons[2] = {};
  ASSERT_EQ(ExtractIconExA(dll.c_str(), 0, icons, nullptr, 2), 2u);
  EXPECT_EQ(icons[0]->width, 32);
  EXPECT_EQ(icons[0]->pixels[31], 0xFF00FF00u);
  EXPECT_EQ(icons[1]->width, 24);
  EXPECT_EQ(icons[1]->pixels[23], 0xFFFF0000u);
  DestroyIcon(icons[0]);
  DestroyIcon(icons[1]);
  // From the second icon on, only what is there.
  HICON second[2] = {};
  EXPECT_EQ(ExtractIconExA(dll.c_str(), 1, second, nullptr, 2), 1u);
  EXPECT_EQ(second[0]->width, 24);
  DestroyIcon(second[0]);
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
      IconFile({{16, DibIconImage(16, 0xFF0000FF)}, {32, TinyPng()}}),
      PeWithIcons({DibIconImage(16, 0xFF00FF00), TinyPng()})};
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
