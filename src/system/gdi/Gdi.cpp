#include "system/gdi/Gdi.h"

#include <atomic>
#include <cstring>
#include <new>

#include "system/gdi/Dc.h"

namespace corvane {

BitmapSurface::~BitmapSurface() = default;
CGdiObject::~CGdiObject() = default;

int NextGdiObjectId() {
  static std::atomic<int> next{1};
  return next.fetch_add(1, std::memory_order_relaxed);
}

namespace {
std::shared_ptr<GdiObjectData> NewData(GdiKind kind) {
  auto data = std::make_shared<GdiObjectData>();
  data->kind = kind;
  data->id = NextGdiObjectId();
  return data;
}

std::shared_ptr<const GdiObjectData> MakeStock(int index) {
  auto data = std::make_shared<GdiObjectData>();
  data->stock = true;
  data->id = -(index + 1);
  switch (index) {
    case WHITE_BRUSH: data->kind = GdiKind::Brush; data->color = RGB(255, 255, 255); break;
    case BLACK_BRUSH: data->kind = GdiKind::Brush; data->color = 0; break;
    case NULL_BRUSH: data->kind = GdiKind::Brush; data->null = true; break;
    case WHITE_PEN: data->kind = GdiKind::Pen; data->color = RGB(255, 255, 255); break;
    case BLACK_PEN: data->kind = GdiKind::Pen; data->color = 0; break;
    case NULL_PEN: data->kind = GdiKind::Pen; data->null = true; data->penStyle = PS_NULL; break;
    default: return nullptr;
  }
  return data;
}
}  // namespace

std::shared_ptr<const GdiObjectData> GetStockObjectData(int index) {
  static const std::shared_ptr<const GdiObjectData> stock[9] = {
      MakeStock(0), nullptr, nullptr, nullptr, MakeStock(4), MakeStock(5), MakeStock(6), MakeStock(7), MakeStock(8)};
  if (index < 0 || index > 8) return nullptr;
  return stock[index];
}

BOOL CGdiObject::DeleteObject() {
  if (!m_data) return FALSE;
  m_data.reset();
  return TRUE;
}

BOOL CGdiObject::Attach(std::shared_ptr<const GdiObjectData> data) {
  if (!data || m_data) return FALSE;
  m_data = std::move(data);
  return TRUE;
}

BOOL CGdiObject::CreateStockObject(int index) {
  auto data = GetStockObjectData(index);
  if (!data) return FALSE;
  m_data = std::move(data);
  return TRUE;
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  if (m_data) return FALSE;
  auto data = NewData(GdiKind::Pen);
  data->penStyle = style;
  data->penWidth = width < 1 ? 1 : width;
  data->color = color & 0xFFFFFF;
  data->null = style == PS_NULL;
  m_data = std::move(data);
  return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
  if (m_data) return FALSE;
  auto data = NewData(GdiKind::Brush);
  data->color = color & 0xFFFFFF;
  m_data = std::move(data);
  return TRUE;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
  if (!font || m_data) return FALSE;
  auto data = NewData(GdiKind::Font);
  data->font = *font;
  data->font.lfFaceName[LF_FACESIZE - 1] = '\0';
  m_data = std::move(data);
  return TRUE;
}

int CFont::GetLogFont(LOGFONT* font) const {
  if (!m_data || !font) return 0;
  *font = m_data->font;
  return static_cast<int>(sizeof(LOGFONT));
}

const LOGFONT& CFont::Description() const {
  static const LOGFONT empty{};
  return m_data ? m_data->font : empty;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  if (m_data || !dc || !dc->Device() || width <= 0 || height <= 0) return FALSE;
  // Beyond 32767 pixels a side, or 256 MiB of pixels, nothing is allocated.
  if (width > 32767 || height > 32767 || static_cast<long long>(width) * height > (64LL << 20)) return FALSE;
  std::shared_ptr<BitmapSurface> pixels;
  try {
    pixels = dc->Device()->CreateCompatibleBitmap(width, height);
  } catch (const std::bad_alloc&) {
    pixels.reset();
  }
  if (!pixels) return FALSE;
  auto data = NewData(GdiKind::Bitmap);
  data->bitmap = std::move(pixels);
  m_data = std::move(data);
  return TRUE;
}

CSize CBitmap::GetSize() const {
  if (!m_data || !m_data->bitmap) return CSize();
  return CSize(m_data->bitmap->Width(), m_data->bitmap->Height());
}

BOOL CPalette::CreatePalette(const LOGPALETTE* palette) {
  if (m_data || !palette || palette->palVersion != 0x300 || palette->palNumEntries == 0) return FALSE;
  auto data = NewData(GdiKind::Palette);
  data->palette.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
  m_data = std::move(data);
  return TRUE;
}

int CPalette::GetEntryCount() const { return m_data ? static_cast<int>(m_data->palette.size()) : 0; }

}  // namespace corvane
