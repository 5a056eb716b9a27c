#include "system/gdi/Dc.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace corvane {

DcDevice::~DcDevice() = default;

namespace {
constexpr int kPen = 0, kBrush = 1, kFont = 2, kBitmap = 3, kPalette = 4;

int SlotOf(GdiKind kind) {
  switch (kind) {
    case GdiKind::Pen: return kPen;
    case GdiKind::Brush: return kBrush;
    case GdiKind::Font: return kFont;
    case GdiKind::Bitmap: return kBitmap;
    case GdiKind::Palette: return kPalette;
  }
  return kPen;
}

std::shared_ptr<const GdiObjectData>& FieldOf(DcState& state, int slot) {
  switch (slot) {
    case kPen: return state.pen;
    case kBrush: return state.brush;
    case kFont: return state.font;
    case kBitmap: return state.bitmap;
    default: return state.palette;
  }
}

// The stock objects that stand for "previously selected" when nothing was.
CGdiObject* StockOwner(int index) {
  static CGdiObject* owners[9] = {};
  if (!owners[index]) {
    // Of the class of the object, so that the typed SelectObject calls can
    // hand it back as what it is.
    CGdiObject* object = index >= WHITE_PEN ? static_cast<CGdiObject*>(new CPen) : new CBrush;
    object->CreateStockObject(index);
    owners[index] = object;
  }
  return owners[index];
}

CRect Normalized(const RECT& r) {
  CRect out(r);
  out.NormalizeRect();
  return out;
}
}  // namespace

CDC::CDC(std::unique_ptr<DcDevice> device) : m_device(std::move(device)) {
  m_state.pen = GetStockObjectData(BLACK_PEN);
  m_state.brush = GetStockObjectData(WHITE_BRUSH);
}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC* dc) {
  if (m_device || !dc || !dc->m_device) return FALSE;
  try {
    m_device = dc->m_device->CreateCompatibleDevice();
  } catch (const std::bad_alloc&) {
    m_device.reset();
  }
  return m_device ? TRUE : FALSE;
}

BOOL CDC::DeleteDC() {
  if (!m_device) return FALSE;
  m_device.reset();
  m_state = DcState{};
  m_state.pen = GetStockObjectData(BLACK_PEN);
  m_state.brush = GetStockObjectData(WHITE_BRUSH);
  std::fill(std::begin(m_owners), std::end(m_owners), nullptr);
  m_saved.clear();
  return TRUE;
}

int CDC::SaveDC() {
  Saved saved{m_state, {}};
  std::copy(std::begin(m_owners), std::end(m_owners), saved.owners);
  m_saved.push_back(std::move(saved));
  return static_cast<int>(m_saved.size());
}

BOOL CDC::RestoreDC(int savedDC) {
  if (m_saved.empty()) return FALSE;
  std::size_t index;
  if (savedDC < 0) {
    const std::size_t back = static_cast<std::size_t>(-static_cast<long long>(savedDC));
    if (back > m_saved.size()) return FALSE;
    index = m_saved.size() - back;
  } else {
    if (savedDC == 0 || static_cast<std::size_t>(savedDC) > m_saved.size()) return FALSE;
    index = static_cast<std::size_t>(savedDC) - 1;
  }
  const bool bitmapChanged = m_saved[index].state.bitmap != m_state.bitmap;
  m_state = std::move(m_saved[index].state);
  std::copy(std::begin(m_saved[index].owners), std::end(m_saved[index].owners), m_owners);
  m_saved.resize(index);
  if (bitmapChanged && m_device) m_device->BitmapSelected(m_state);
  return TRUE;
}

std::shared_ptr<const GdiObjectData> CDC::Select(CGdiObject* object, GdiKind kind, CGdiObject*& previousOwner) {
  previousOwner = nullptr;
  if (!object || !object->Data() || object->Data()->kind != kind) return nullptr;
  const int slot = SlotOf(kind);
  auto& field = FieldOf(m_state, slot);
  previousOwner = m_owners[slot];
  if (!previousOwner && field && field->stock) {
    // The object selected first in every surface is a stock one.
    previousOwner = StockOwner(field->kind == GdiKind::Pen ? (field->null ? NULL_PEN : BLACK_PEN)
                                                           : (field->null ? NULL_BRUSH : WHITE_BRUSH));
  }
  auto old = field;
  field = object->Data();
  m_owners[slot] = object;
  if (kind == GdiKind::Bitmap && m_device) m_device->BitmapSelected(m_state);
  return old ? old : field;
}

CGdiObject* CDC::SelectStockObject(int index) {
  CGdiObject* stock = index >= 0 && index <= 8 && GetStockObjectData(index) ? StockOwner(index) : nullptr;
  if (!stock) return nullptr;
  return SelectObject(stock);
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
  if (!object || !object->Data()) return nullptr;
  CGdiObject* previous = nullptr;
  if (!Select(object, object->Data()->kind, previous)) return nullptr;
  return previous;
}

CPen* CDC::SelectObject(CPen* pen) { return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pen))); }
CBrush* CDC::SelectObject(CBrush* brush) {
  return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(brush)));
}
CFont* CDC::SelectObject(CFont* font) { return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(font))); }
CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(bitmap)));
}

CPalette* CDC::SelectPalette(CPalette* palette, BOOL) {
  if (!palette || !palette->Data()) return nullptr;
  CGdiObject* previous = nullptr;
  Select(palette, GdiKind::Palette, previous);
  return static_cast<CPalette*>(previous);
}

UINT CDC::RealizePalette() { return m_state.palette ? static_cast<UINT>(m_state.palette->palette.size()) : 0; }

COLORREF CDC::SetBkColor(COLORREF color) {
  COLORREF old = m_state.bkColor;
  m_state.bkColor = color & 0xFFFFFF;
  return old;
}

COLORREF CDC::SetTextColor(COLORREF color) {
  COLORREF old = m_state.textColor;
  m_state.textColor = color & 0xFFFFFF;
  return old;
}

int CDC::SetBkMode(int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  int old = m_state.bkMode;
  m_state.bkMode = mode;
  return old;
}

int CDC::SetStretchBltMode(int mode) {
  if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
  int old = m_state.stretchMode;
  m_state.stretchMode = mode;
  return old;
}

// Region kinds as IntersectClipRect answers them.
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
  CRect r = Normalized(CRect(left, top, right, bottom));
  if (m_state.clip) {
    const CRect& c = *m_state.clip;
    r = CRect(std::max(r.left, c.left), std::max(r.top, c.top), std::min(r.right, c.right),
              std::min(r.bottom, c.bottom));
  }
  if (r.IsRectEmpty()) r.SetRectEmpty();
  m_state.clip = r;
  return r.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::IntersectClipRect(LPCRECT rect) {
  if (!rect) return 0;
  return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom);
}

int CDC::GetDeviceCaps(int index) const { return m_device ? m_device->GetDeviceCaps(index) : 0; }

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
  if (!m_device) return FALSE;
  m_device->Rectangle(m_state, Normalized(CRect(left, top, right, bottom)));
  return TRUE;
}

BOOL CDC::Rectangle(LPCRECT rect) { return rect ? Rectangle(rect->left, rect->top, rect->right, rect->bottom) : FALSE; }

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int width, int height) {
  if (!m_device) return FALSE;
  m_device->RoundRect(m_state, Normalized(CRect(left, top, right, bottom)),
                      CPoint(width < 0 ? -width : width, height < 0 ? -height : height));
  return TRUE;
}

BOOL CDC::RoundRect(LPCRECT rect, POINT ellipse) {
  return rect ? RoundRect(rect->left, rect->top, rect->right, rect->bottom, ellipse.x, ellipse.y) : FALSE;
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
  if (!m_device || !rect || !brush || !brush->Data()) return;
  m_device->FillRect(m_state, CRect(rect), *brush->Data());
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
  CBrush brush(color);
  FillRect(rect, &brush);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format) {
  return DrawText(text.GetString(), text.GetLength(), rect, format);
}

int CDC::DrawText(const char* text, int count, LPRECT rect, UINT format) {
  if (!m_device || !rect || !text) return 0;
  std::size_t length = count < 0 ? std::strlen(text) : static_cast<std::size_t>(count);
  CRect r(*rect);
  const int height = m_device->DrawText(m_state, std::string_view(text, length), r, format);
  if (format & DT_CALCRECT) *rect = r;
  return height;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop) {
  return StretchBlt(x, y, width, height, source, xSource, ySource, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, int sourceWidth,
                     int sourceHeight, DWORD rop) {
  if (!m_device || !source || !source->m_device) return FALSE;
  return m_device->StretchBlt(m_state, CRect(x, y, x + width, y + height), source->m_state, *source->m_device,
                              CRect(xSource, ySource, xSource + sourceWidth, ySource + sourceHeight), rop);
}

namespace {
// Enough room for any header the describer accepts, for callers that pass a
// header without telling its length (as the Win32 calls do).
constexpr std::size_t kAssumedHeaderRoom = 124 + 256 * 4;

bool DecodeFor(const void* header, const void* bits, DibLayout& layout, DibImage& image) {
  if (!header || !bits || !DescribeDib(header, kAssumedHeaderRoom, layout)) return false;
  try {
    DecodeDib(layout, header, bits, image);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}
}  // namespace

int CDC::StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSource, int ySource, int sourceWidth,
                       int sourceHeight, const void* bits, const void* header, UINT, DWORD rop) {
  if (!m_device) return 0;
  DibLayout layout;
  DibImage image;
  if (!DecodeFor(header, bits, layout, image)) return 0;
  // A bottom-up bitmap counts its source rows from the bottom.
  CRect source(xSource, ySource, xSource + sourceWidth, ySource + sourceHeight);
  if (!layout.topDown) source = CRect(xSource, layout.height - ySource - sourceHeight, xSource + sourceWidth,
                                      layout.height - ySource);
  m_device->StretchDib(m_state, CRect(xDest, yDest, xDest + destWidth, yDest + destHeight), image, source, rop);
  return sourceHeight;
}

int CDC::SetDIBitsToDevice(int xDest, int yDest, DWORD width, DWORD height, int xSource, int ySource,
                           UINT startScan, UINT scanLines, const void* bits, const void* header, UINT) {
  if (!m_device) return 0;
  DibLayout layout;
  DibImage image;
  if (!DecodeFor(header, bits, layout, image)) return 0;
  if (width > 0x7FFFFFFF || height > 0x7FFFFFFF) return 0;
  const int w = static_cast<int>(width), h = static_cast<int>(height);
  // Only the scan lines passed take part; with all of them, the source
  // rectangle's rows count from the bottom of the bitmap.
  const long long firstRow = startScan;
  const long long lastRow = std::min<long long>(static_cast<long long>(startScan) + scanLines, layout.height);
  if (firstRow >= lastRow) return 0;
  CRect source(xSource, layout.height - ySource - h, xSource + w, layout.height - ySource);
  if (layout.topDown) source = CRect(xSource, ySource, xSource + w, ySource + h);
  m_device->StretchDib(m_state, CRect(xDest, yDest, xDest + w, yDest + h), image, source, SRCCOPY);
  return static_cast<int>(lastRow - firstRow);
}

BOOL DrawIconEx(CDC* dc, int x, int y, HICON icon, int width, int height, UINT, CBrush*, UINT flags) {
  if (!dc || !dc->Device() || !icon || icon->width <= 0 || icon->height <= 0) return FALSE;
  if (width == 0) width = icon->width;
  if (height == 0) height = icon->height;
  return dc->Device()->DrawIcon(dc->State(), CRect(x, y, x + width, y + height), *icon, flags);
}

// Device-independent bitmaps.

namespace {
std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

int LowBit(DWORD mask) {
  int shift = 0;
  while (shift < 32 && !(mask & (1u << shift))) ++shift;
  return shift;
}

// Scales a masked channel to 8 bits.
std::uint32_t Channel(std::uint32_t pixel, DWORD mask) {
  if (!mask) return 0;
  const int shift = LowBit(mask);
  const std::uint32_t max = mask >> shift;
  const std::uint32_t value = (pixel & mask) >> shift;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(value) * 255 + max / 2) / max);
}
}  // namespace

bool DescribeDib(const void* header, std::size_t available, DibLayout& layout) {
  layout = DibLayout{};
  if (!header || available < 12) return false;
  const auto* p = static_cast<const std::uint8_t*>(header);
  const std::uint32_t size = Le32(p);
  std::int64_t width, height;
  int planes;
  if (size == 12) {
    layout.core = true;
    width = Le16(p + 4);
    height = Le16(p + 6);
    planes = Le16(p + 8);
    layout.bitCount = Le16(p + 10);
  } else if (size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124) {
    if (available < size) return false;
    width = static_cast<std::int32_t>(Le32(p + 4));
    height = static_cast<std::int32_t>(Le32(p + 8));
    planes = Le16(p + 12);
    layout.bitCount = Le16(p + 14);
    layout.compression = Le32(p + 16);
  } else {
    return false;
  }
  (void)planes;  // some writers leave the plane count 0; it changes nothing
  layout.headerSize = size;
  if (height < 0) {
    layout.topDown = true;
    height = -height;
  }
  // 32767 pixels a side and 256 MiB of decoded pixels bound what is drawn.
  if (width <= 0 || height <= 0 || width > 32767 || height > 32767 || width * height > (64LL << 20)) return false;
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);
  switch (layout.bitCount) {
    case 1: case 4: case 8: case 24:
      if (layout.compression != BI_RGB) return false;
      break;
    case 16: case 32:
      if (layout.compression != BI_RGB && layout.compression != BI_BITFIELDS) return false;
      break;
    default:
      return false;
  }
  if (layout.topDown && layout.compression != BI_RGB && layout.compression != BI_BITFIELDS) return false;
  // Colour table: the colours-used field when set, else what the depth indexes.
  std::size_t colors = 0;
  if (!layout.core) colors = Le32(p + 32);
  if (colors == 0 && layout.bitCount <= 8) colors = std::size_t{1} << layout.bitCount;
  if (colors > 256) return false;
  layout.colorCount = colors;
  layout.colorTableSize = colors * (layout.core ? 3 : 4);
  if (layout.compression == BI_BITFIELDS) {
    const std::uint8_t* masks;
    if (size == 40) {
      // Three masks follow the short header, ahead of any colour table.
      layout.colorTableSize += 12;
      if (available < size + 12) return false;
      masks = p + 40;
    } else {
      masks = p + 40;  // the longer headers hold them
    }
    for (int i = 0; i < 3; ++i) layout.masks[i] = Le32(masks + 4 * i);
  } else if (layout.bitCount == 16) {
    layout.masks[0] = 0x7C00, layout.masks[1] = 0x03E0, layout.masks[2] = 0x001F;
  } else if (layout.bitCount == 32) {
    layout.masks[0] = 0xFF0000, layout.masks[1] = 0x00FF00, layout.masks[2] = 0x0000FF;
  }
  if (available < layout.headerSize + layout.colorTableSize) return false;
  layout.stride = ((static_cast<std::size_t>(layout.width) * layout.bitCount + 31) / 32) * 4;
  layout.imageSize = layout.stride * static_cast<std::size_t>(layout.height);
  return true;
}

void DecodeDib(const DibLayout& layout, const void* header, const void* bits, DibImage& image) {
  const auto* table = static_cast<const std::uint8_t*>(header) + layout.headerSize +
                      (layout.compression == BI_BITFIELDS && layout.headerSize == 40 ? 12 : 0);
  const std::size_t entry = layout.core ? 3 : 4;
  std::uint32_t palette[256];
  for (std::size_t i = 0; i < 256; ++i) {
    if (i < layout.colorCount) {
      const std::uint8_t* c = table + i * entry;
      palette[i] = 0xFF000000u | (static_cast<std::uint32_t>(c[2]) << 16) | (static_cast<std::uint32_t>(c[1]) << 8) |
                   c[0];
    } else {
      palette[i] = 0xFF000000u;  // an index past the table reads as black
    }
  }
  image.width = layout.width;
  image.height = layout.height;
  image.pixels.assign(static_cast<std::size_t>(layout.width) * layout.height, 0xFF000000u);
  const auto* rows = static_cast<const std::uint8_t*>(bits);
  for (int y = 0; y < layout.height; ++y) {
    const int fileRow = layout.topDown ? y : layout.height - 1 - y;
    const std::uint8_t* row = rows + static_cast<std::size_t>(fileRow) * layout.stride;
    std::uint32_t* out = image.pixels.data() + static_cast<std::size_t>(y) * layout.width;
    switch (layout.bitCount) {
      case 1:
        for (int x = 0; x < layout.width; ++x) out[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
        break;
      case 4:
        for (int x = 0; x < layout.width; ++x) out[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
        break;
      case 8:
        for (int x = 0; x < layout.width; ++x) out[x] = palette[row[x]];
        break;
      case 24:
        for (int x = 0; x < layout.width; ++x) {
          const std::uint8_t* px = row + 3 * x;
          out[x] = 0xFF000000u | (static_cast<std::uint32_t>(px[2]) << 16) | (static_cast<std::uint32_t>(px[1]) << 8) |
                   px[0];
        }
        break;
      case 16:
      case 32:
        for (int x = 0; x < layout.width; ++x) {
          const std::uint32_t v = layout.bitCount == 16 ? Le16(row + 2 * x) : Le32(row + 4 * x);
          out[x] = 0xFF000000u | (Channel(v, layout.masks[0]) << 16) | (Channel(v, layout.masks[1]) << 8) |
                   Channel(v, layout.masks[2]);
        }
        break;
      default:
        break;
    }
  }
}

}  // namespace corvane
