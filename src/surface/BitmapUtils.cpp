#include "surface/BitmapUtils.h"

#include <cstring>
#include <memory>
#include <new>

#include "system/gdi/Screen.h"

namespace corvane {

namespace {
constexpr std::size_t kFileHeaderSize = 14;
// Files beyond this size are not loaded.
constexpr long long kMaxBmpFileSize = 512LL << 20;

std::uint32_t Le32(const BYTE* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Le16(const BYTE* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

bool IsCore(const BYTE* block) { return Le32(block) == 12; }

// Coordinates from files can be anything; sums and differences wrap around
// as the 32-bit arithmetic of the platform does, without undefined behaviour.
LONG Wrap(long long value) { return static_cast<LONG>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value))); }
}  // namespace

HBITMAPBLOCK ReadBmpFromMemory(const void* data, std::size_t length) {
  if (!data || length < kFileHeaderSize) return nullptr;
  const auto* bytes = static_cast<const BYTE*>(data);
  if (Le16(bytes) != 0x4D42) return nullptr;  // "BM"
  const std::size_t content = length - kFileHeaderSize;
  DibLayout layout;
  // The header, its colour table and every pixel row must lie in the file.
  if (!DescribeDib(bytes + kFileHeaderSize, content, layout)) return nullptr;
  const std::size_t rowsAt = layout.headerSize + layout.colorTableSize;
  if (rowsAt > content || layout.imageSize > content - rowsAt) return nullptr;
  auto* block = new (std::nothrow) BitmapBlock;
  if (!block) return nullptr;
  try {
    block->bytes.assign(length, 0);  // the tail of 14 zero bytes included
  } catch (const std::bad_alloc&) {
    delete block;
    return nullptr;
  }
  std::memcpy(block->bytes.data(), bytes + kFileHeaderSize, content);
  block->layout = layout;
  return block;
}

HBITMAPBLOCK ReadBmpFromFile(std::FILE* file) {
  if (!file) return nullptr;
  if (std::fseek(file, 0, SEEK_END) != 0) return nullptr;
  const long length = std::ftell(file);
  if (length < static_cast<long>(kFileHeaderSize) || length > kMaxBmpFileSize) return nullptr;
  if (std::fseek(file, 0, SEEK_SET) != 0) return nullptr;
  std::vector<BYTE> bytes;
  try {
    bytes.resize(static_cast<std::size_t>(length));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  // A short read (a file cut while being read) gives no block.
  if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) return nullptr;
  return ReadBmpFromMemory(bytes.data(), bytes.size());
}

HBITMAPBLOCK LoadBmpFile(LPCSTR path) {
  if (!path || !*path) return nullptr;
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return nullptr;
  HBITMAPBLOCK block = ReadBmpFromFile(file);
  std::fclose(file);
  return block;
}

void FreeBitmapBlock(HBITMAPBLOCK block) { delete block; }

int BmpPixelWidth(const BYTE* block) {
  if (!block) return 0;
  return IsCore(block) ? Le16(block + 4) : static_cast<std::int32_t>(Le32(block + 4));
}

int BmpPixelHeight(const BYTE* block) {
  if (!block) return 0;
  if (IsCore(block)) return Le16(block + 6);
  const std::int32_t height = static_cast<std::int32_t>(Le32(block + 8));
  // A bitmap stored top-down has a negative height; its size is the same.
  return height < 0 && height != INT32_MIN ? -height : height;
}

WORD BmpColorCount(const BYTE* block) {
  if (!block) return 0;
  const bool core = IsCore(block);
  if (!core) {
    const std::uint32_t used = Le32(block + 32);
    if (used) return static_cast<WORD>(used);
  }
  switch (core ? Le16(block + 10) : Le16(block + 14)) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

DWORD BmpColorTableSize(const BYTE* block) {
  if (!block) return 0;
  if (IsCore(block)) return BmpColorCount(block) * 3u;
  // Bit-field masks after a 40-byte header take the place of the table's start.
  const DWORD masks = Le32(block) == 40 && Le32(block + 16) == BI_BITFIELDS ? 12 : 0;
  return BmpColorCount(block) * 4u + masks;
}

const BYTE* BmpPixelBits(const BYTE* block) {
  if (!block) return nullptr;
  return block + Le32(block) + BmpColorTableSize(block);
}

CSize BmpDimensions(HBITMAPBLOCK block) {
  if (!block) return CSize();
  return CSize(BmpPixelWidth(block->bytes.data()), BmpPixelHeight(block->bytes.data()));
}

CSize BmpResolution(HBITMAPBLOCK block) {
  if (!block) return CSize(96, 96);
  const BYTE* b = block->bytes.data();
  int x = 0, y = 0;
  if (!IsCore(b)) {
    x = MulDiv(static_cast<std::int32_t>(Le32(b + 24)), 254, 10000);
    y = MulDiv(static_cast<std::int32_t>(Le32(b + 28)), 254, 10000);
    // A resolution that is not positive is not set.
    if (x < 0) x = 0;
    if (y < 0) y = 0;
  }
  if (x == 0 && y != 0) x = y;
  if (y == 0 && x != 0) y = x;
  if (x == 0 && y == 0) x = y = 96;
  return CSize(x, y);
}

BOOL BmpMakePalette(HBITMAPBLOCK block, CPalette* palette) {
  if (!block || !palette) return FALSE;
  const BYTE* b = block->bytes.data();
  const WORD count = BmpColorCount(b);
  if (count == 0) return FALSE;
  const bool core = IsCore(b);
  const BYTE* table = b + Le32(b) + (BmpColorTableSize(b) - count * (core ? 3u : 4u));
  std::vector<BYTE> storage;
  try {
    storage.resize(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * count);
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
  auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
  logical->palVersion = 0x300;
  logical->palNumEntries = count;
  for (WORD i = 0; i < count; ++i) {
    const BYTE* entry = table + i * (core ? 3u : 4u);
    PALETTEENTRY* out = logical->palPalEntry + i;
    out->peRed = entry[2];
    out->peGreen = entry[1];
    out->peBlue = entry[0];
    out->peFlags = 0;
  }
  palette->DeleteObject();
  return palette->CreatePalette(logical);
}

int BmpBlit(CDC* dc, LPCRECT dest, HBITMAPBLOCK block, LPCRECT source, CPalette* palette) {
  if (!block || !dc || !dest || !source) return 0;
  CPalette* previous = palette ? dc->SelectPalette(palette, TRUE) : nullptr;
  dc->SetStretchBltMode(COLORONCOLOR);
  const DibLayout& layout = block->layout;
  const BYTE* header = block->bytes.data();
  const BYTE* bits = BmpPixelBits(header);
  const CRect d(dest), s(source);
  int result;
  if (d.Width() == s.Width() && d.Height() == s.Height()) {
    // Rows count from the bottom of a bitmap stored bottom-up.
    const int ySource = layout.topDown ? s.top : layout.height - s.bottom;
    result = dc->SetDIBitsToDevice(d.left, d.top, static_cast<DWORD>(d.Width()), static_cast<DWORD>(d.Height()),
                                   s.left, ySource, 0, static_cast<WORD>(layout.height), bits, header,
                                   DIB_RGB_COLORS);
  } else {
    result = dc->StretchDIBits(d.left, d.top, d.Width(), d.Height(), s.left, s.top, s.Width(), s.Height(), bits,
                               header, DIB_RGB_COLORS, SRCCOPY);
  }
  if (previous) dc->SelectPalette(previous, TRUE);
  return result;
}

void BmpDrawInRect(CDC* dc, LPCRECT destRect, HBITMAPBLOCK block, DWORD style) {
  if (!block || !dc || !destRect) return;
  const CRect d(destRect);
  const CSize size = BmpDimensions(block);
  const CSize resolution = BmpResolution(block);
  const int dx = dc->GetDeviceCaps(LOGPIXELSX), dy = dc->GetDeviceCaps(LOGPIXELSY);
  const int width = MulDiv(size.cx, dx, resolution.cx);
  const int height = MulDiv(size.cy, dy, resolution.cy);
  // A bitmap whose displayed size comes to nothing (or cannot be worked
  // out) is not drawn.
  if (width <= 0 || height <= 0 || d.IsRectEmpty()) return;
  CPalette palette;
  const BOOL hasPalette = BmpMakePalette(block, &palette);
  CRect physical(0, 0, width, height);
  CRect fitted;
  FitSizeInRect(&fitted, &d, &physical);
  if (fitted.Width() <= 0 || fitted.Height() <= 0) return;
  const int cols = d.Width() / fitted.Width();
  const int rows = d.Height() / fitted.Height();
  const CRect source(0, 0, size.cx, size.cy);
  CPalette* pal = hasPalette ? &palette : nullptr;

  dc->SaveDC();
  dc->IntersectClipRect(&d);
  switch (style & BKGND_MODE_MASK) {
    case BKGND_CENTERED: {
      CRect placed(fitted);
      placed.OffsetRect((d.left + d.right - fitted.Width()) / 2 - fitted.left,
                        (d.top + d.bottom - fitted.Height()) / 2 - fitted.top);
      BmpBlit(dc, &placed, block, &source, pal);
      break;
    }
    case BKGND_STRETCHED:
    case BKGND_MODE_MASK:
      BmpBlit(dc, &d, block, &source, pal);
      break;
    default:  // tiled: column by column, each from top to bottom
      for (int i = 0; i <= cols; ++i) {
        for (int j = 0; j <= rows; ++j) {
          CRect tile(fitted);
          tile.OffsetRect(i * fitted.Width(), j * fitted.Height());
          BmpBlit(dc, &tile, block, &source, pal);
        }
      }
      break;
  }
  dc->RestoreDC(-1);
  palette.DeleteObject();
}

void ScaleRectToFrame(LPRECT out, LPCRECT t, LPCRECT r, LPCRECT s) {
  if (!out || !t || !r || !s) return;
  const int ws = Wrap(1LL * s->right - s->left), hs = Wrap(1LL * s->bottom - s->top);
  const int wt = Wrap(1LL * t->right - t->left), ht = Wrap(1LL * t->bottom - t->top);
  RECT result;
  result.left = Wrap(1LL * MulDiv(Wrap(1LL * r->left - s->left), wt, ws) + t->left);
  result.right = Wrap(1LL * MulDiv(Wrap(1LL * r->right - s->left), wt, ws) + t->left);
  result.top = Wrap(1LL * MulDiv(Wrap(1LL * r->top - s->top), ht, hs) + t->top);
  result.bottom = Wrap(1LL * MulDiv(Wrap(1LL * r->bottom - s->top), ht, hs) + t->top);
  *out = result;
}

void ScaleRectToFrameFlipped(LPRECT out, LPCRECT t, LPCRECT r, LPCRECT s) {
  if (!out || !t || !r || !s) return;
  ScaleRectToFrame(out, t, r, s);
  FlipRectInFrame(out, t);
}

void FlipRectInFrame(LPRECT r, LPCRECT f) {
  if (!r || !f) return;
  const LONG top = Wrap(1LL * f->top + f->bottom - r->bottom);
  const LONG bottom = Wrap(1LL * f->top + f->bottom - r->top);
  r->top = top;
  r->bottom = bottom;
}

void FitSizeInRect(LPRECT out, LPCRECT b, LPCRECT r) {
  if (!out || !b || !r) return;
  const int bw = Wrap(1LL * b->right - b->left), bh = Wrap(1LL * b->bottom - b->top);
  const int sw = Wrap(1LL * r->right - r->left), sh = Wrap(1LL * r->bottom - r->top);
  int w = sw, h = sh;
  const bool wider = sw > bw, taller = sh > bh;
  bool byHeight = false, byWidth = false;
  if (wider && taller) {
    // The products are formed in 64 bits so that large sizes compare right.
    if (static_cast<long long>(sh) * bw > static_cast<long long>(sw) * bh)
      byHeight = true;
    else
      byWidth = true;
  } else if (wider) {
    byWidth = true;
  } else if (taller) {
    byHeight = true;
  }
  if (byWidth) {
    w = bw;
    h = MulDiv(sh, bw, sw);
  } else if (byHeight) {
    h = bh;
    w = MulDiv(sw, bh, sh);
  }
  out->left = b->left;
  out->top = b->top;
  out->right = Wrap(1LL * b->left + w);
  out->bottom = Wrap(1LL * b->top + h);
}

void CenterRectInRect(LPRECT r, LPCRECT f) {
  if (!r || !f) return;
  const int w = Wrap(1LL * r->right - r->left), h = Wrap(1LL * r->bottom - r->top);
  r->left = Wrap((1LL * f->left + f->right - w) / 2);
  r->top = Wrap((1LL * f->top + f->bottom - h) / 2);
  r->right = Wrap(1LL * r->left + w);
  r->bottom = Wrap(1LL * r->top + h);
}

CSize ScaleSizeRatio(CSize size, CSize denominator, CSize numerator) {
  return CSize(MulDiv(size.cx, numerator.cx, denominator.cx), MulDiv(size.cy, numerator.cy, denominator.cy));
}

namespace {
int g_screenPixelsX = 0;
int g_screenPixelsY = 0;
}  // namespace

CSize GetScreenPixelsPerInch() {
  if (g_screenPixelsX == 0 || g_screenPixelsY == 0) {
    CDC* screen = GetDC(nullptr);
    if (screen) {
      g_screenPixelsX = screen->GetDeviceCaps(LOGPIXELSX);
      g_screenPixelsY = screen->GetDeviceCaps(LOGPIXELSY);
      ReleaseDC(nullptr, screen);
    }
  }
  return CSize(g_screenPixelsX, g_screenPixelsY);
}

}  // namespace corvane
