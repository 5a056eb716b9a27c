// The surface on the raster surface at 1920 by 1080: a window drawing that
// copies the cached background, a one-off drawing that tiles the bitmap
// afresh, and hit testing on 256 cells; each against the plain work it
// cannot avoid.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "surface/Surface.h"
#include "system/gdi/RasterSurface.h"

namespace corvane {
namespace {

// A 64 by 64 24-bit bitmap at 96 pixels per inch: 30 by 17 tiles on the screen.
HBITMAPBLOCK TileBitmap() {
  const int n = 64;
  const std::size_t stride = n * 3, rowsAt = 14 + 40;
  std::vector<BYTE> file(rowsAt + stride * n, 0);
  auto put = [&](std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + i] = static_cast<BYTE>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put(14, 40, 4);
  put(18, n, 4);
  put(22, n, 4);
  put(26, 1, 2);
  put(28, 24, 2);
  put(38, 3780, 4);
  put(42, 3780, 4);
  for (std::size_t i = rowsAt; i < file.size(); ++i) file[i] = static_cast<BYTE>(i * 7);
  return ReadBmpFromMemory(file.data(), file.size());
}

// cells cells in a grid, each with a label.
void Fill(CSurface& surface, int cells) {
  surface.m_nCellCount = cells;
  const int columns = 16;
  for (int i = 0; i < cells; ++i) {
    CHotCell* cell = surface.GetCell(i, FALSE);
    const int x = 200 + (i % columns) * 220, y = 200 + (i / columns) * 160;
    cell->m_rcActive = CRect(x, y, x + 200, y + 80);
    cell->m_rcText = CRect(x, y + 80, x + 200, y + 140);
    cell->m_nAlignment = 2;
    char label[16];
    std::snprintf(label, sizeof label, "Key %d", i + 1);
    cell->SetAliasString(label);
  }
}

struct Scene {
  CSurface surface;
  std::unique_ptr<CDC> dc = CreateRasterDC(1920, 1080);
  CRect frame{0, 0, 1920, 1080};
  Scene() {
    Fill(surface, 64);
    surface.m_dwStyle = kSurfaceDefaultStyle;  // tiled
    surface.m_rcBitmapArea = surface.m_rcSurface;
    surface.SetBackgroundBitmap("", TileBitmap());
  }
};

// Filling the screen once: the least a drawing of the whole window costs.
void SurfaceDraw_Baseline(benchmark::State& state) {
  auto dc = CreateRasterDC(1920, 1080);
  const CRect frame(0, 0, 1920, 1080);
  CBrush brush(RGB(255, 255, 255));
  for (auto _ : state) dc->FillRect(&frame, &brush);
}
BENCHMARK(SurfaceDraw_Baseline)->Unit(benchmark::kMicrosecond);

// Window drawing: the background comes from the cache.
void SurfaceDraw(benchmark::State& state) {
  Scene scene;
  scene.surface.OnDraw(scene.dc.get(), &scene.frame, 0);  // builds the cache
  for (auto _ : state) scene.surface.OnDraw(scene.dc.get(), &scene.frame, 0);
}
BENCHMARK(SurfaceDraw)->Unit(benchmark::kMicrosecond);

// One-off drawing: the bitmap is tiled afresh each time.
void SurfaceDrawOneOff(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) scene.surface.OnDraw(scene.dc.get(), &scene.frame, 1);
}
BENCHMARK(SurfaceDrawOneOff)->Unit(benchmark::kMicrosecond);

// Hit testing a point that only the last of 256 cells holds, against
// testing the same 256 rectangles directly.
void SurfaceHitTest_Baseline(benchmark::State& state) {
  CSurface surface;
  Fill(surface, 256);
  std::vector<CRect> rects;
  for (int i = 0; i < 256; ++i) rects.push_back(surface.GetCell(i, FALSE)->m_rcActive);
  const CPoint point(rects.back().left + 1, rects.back().top + 1);
  for (auto _ : state) {
    int found = -1;
    for (int i = 0; i < 256 && found < 0; ++i)
      if (rects[i].PtInRect(point)) found = i;
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(SurfaceHitTest_Baseline);

void SurfaceHitTest(benchmark::State& state) {
  CSurface surface;
  Fill(surface, 256);
  const CRect last = surface.GetCell(255, FALSE)->m_rcActive;
  const CPoint point(last.left + 1, last.top + 1);
  for (auto _ : state) benchmark::DoNotOptimize(surface.HitTestItem(point));
}
BENCHMARK(SurfaceHitTest);

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
