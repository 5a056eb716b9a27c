// CDC: a drawing surface with GDI's semantics.  The CDC keeps the drawing
// state (selected pen, brush, font, bitmap and palette, colours, background
// and stretch modes, clip rectangle, saved states) and hands each drawing
// call, with the state resolved, to its device: a recording surface, a
// raster surface, or the platform's own.
//
// Rectangles follow GDI: the right and bottom edges are excluded; Rectangle
// and RoundRect fill the inside with the selected brush and outline it with
// the selected pen.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "system/gdi/Gdi.h"
#include "system/gdi/Icon.h"

namespace corvane {

// The resolved drawing state that a device receives with each call.
struct DcState {
  std::shared_ptr<const GdiObjectData> pen;
  std::shared_ptr<const GdiObjectData> brush;
  std::shared_ptr<const GdiObjectData> font;
  std::shared_ptr<const GdiObjectData> bitmap;   // memory surfaces: the target
  std::shared_ptr<const GdiObjectData> palette;
  COLORREF textColor = 0x000000;
  COLORREF bkColor = 0xFFFFFF;
  int bkMode = OPAQUE;
  int stretchMode = BLACKONWHITE;
  std::optional<CRect> clip;  // device coordinates; none means unclipped

  bool HasPen() const { return pen && !pen->null; }
  bool HasBrush() const { return brush && !brush->null; }
};

// A decoded device-independent bitmap: top-down rows of 0xAARRGGBB pixels
// (alpha always 0xFF).
struct DibImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

class CDC;

// What a drawing backend provides.  Coordinates are device pixels; the CDC
// has already applied GDI's rules for which objects take part.
class DcDevice {
 public:
  virtual ~DcDevice();
  virtual int GetDeviceCaps(int index) const = 0;
  // A memory surface that draws into whatever bitmap is selected into it.
  virtual std::unique_ptr<DcDevice> CreateCompatibleDevice() = 0;
  // Pixels in this device's format; null when they cannot be allocated.
  virtual std::shared_ptr<BitmapSurface> CreateCompatibleBitmap(int width, int height) = 0;

  virtual void Rectangle(const DcState& state, const CRect& rect) = 0;
  virtual void RoundRect(const DcState& state, const CRect& rect, CPoint ellipse) = 0;
  virtual void FillRect(const DcState& state, const CRect& rect, const GdiObjectData& brush) = 0;
  // Answers the height of the text drawn (or measured with DT_CALCRECT,
  // which also sets the rectangle's right and bottom).
  virtual int DrawText(const DcState& state, std::string_view text, CRect& rect, UINT format) = 0;
  virtual BOOL DrawIcon(const DcState& state, const CRect& dest, const IconImage& icon, UINT flags) = 0;
  // Copies a rectangle of the source surface's selected bitmap.
  virtual BOOL StretchBlt(const DcState& state, const CRect& dest, const DcState& sourceState, DcDevice& source,
                          const CRect& sourceRect, DWORD rop) = 0;
  // Draws a rectangle (top-down coordinates) of a decoded DIB scaled to dest.
  virtual int StretchDib(const DcState& state, const CRect& dest, const DibImage& image, const CRect& sourceRect,
                         DWORD rop) = 0;
  // The memory surface's target changed (state.bitmap).
  virtual void BitmapSelected(const DcState&) {}
};

class CDC {
 public:
  explicit CDC(std::unique_ptr<DcDevice> device);
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  DcDevice* Device() const { return m_device.get(); }
  const DcState& State() const { return m_state; }

  // A memory surface compatible with dc (MFC's CreateCompatibleDC on an
  // empty CDC object).  Answers FALSE when it cannot be made.
  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();

  int SaveDC();
  // -1 restores the last saved state; a positive number restores that state
  // and drops the ones saved after it.
  BOOL RestoreDC(int savedDC);

  CGdiObject* SelectStockObject(int index);
  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  CBitmap* SelectObject(CBitmap* bitmap);
  CGdiObject* SelectObject(CGdiObject* object);
  CPalette* SelectPalette(CPalette* palette, BOOL forceBackground);
  UINT RealizePalette();

  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const { return m_state.bkColor; }
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const { return m_state.textColor; }
  int SetBkMode(int mode);
  int GetBkMode() const { return m_state.bkMode; }
  int SetStretchBltMode(int mode);
  int GetStretchBltMode() const { return m_state.stretchMode; }
  int IntersectClipRect(int left, int top, int right, int bottom);
  int IntersectClipRect(LPCRECT rect);
  int GetDeviceCaps(int index) const;

  BOOL Rectangle(int left, int top, int right, int bottom);
  BOOL Rectangle(LPCRECT rect);
  BOOL RoundRect(int left, int top, int right, int bottom, int width, int height);
  BOOL RoundRect(LPCRECT rect, POINT ellipse);
  void FillRect(LPCRECT rect, CBrush* brush);
  void FillSolidRect(LPCRECT rect, COLORREF color);
  int DrawText(const CString& text, LPRECT rect, UINT format);
  int DrawText(const char* text, int count, LPRECT rect, UINT format);
  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);
  BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, int sourceWidth,
                  int sourceHeight, DWORD rop);
  // Device-independent bitmaps, as the Win32 functions of the same names.
  // header points at a BITMAPINFOHEADER or BITMAPCOREHEADER followed by its
  // colour table; bits at the first (bottom) row.  The caller guarantees
  // that the rows are there (see DibLayout).
  int StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSource, int ySource, int sourceWidth,
                    int sourceHeight, const void* bits, const void* header, UINT usage, DWORD rop);
  int SetDIBitsToDevice(int xDest, int yDest, DWORD width, DWORD height, int xSource, int ySource, UINT startScan,
                        UINT scanLines, const void* bits, const void* header, UINT usage);

 private:
  std::shared_ptr<const GdiObjectData> Select(CGdiObject* object, GdiKind kind, CGdiObject*& previousOwner);
  struct Saved {
    DcState state;
    CGdiObject* owners[5];
  };
  std::unique_ptr<DcDevice> m_device;
  DcState m_state;
  CGdiObject* m_owners[5] = {nullptr, nullptr, nullptr, nullptr, nullptr};
  std::vector<Saved> m_saved;
};

// DrawIconEx with a CDC in place of the device context handle.
BOOL DrawIconEx(CDC* dc, int x, int y, HICON icon, int width, int height, UINT step, CBrush* flickerFree,
                UINT flags);

// Where the parts of a device-independent bitmap lie.  Filled by
// DescribeDib, which refuses (false) a header it cannot draw: unknown header
// sizes, non-positive or oversized dimensions, bit depths other than 1, 4,
// 8, 16, 24 and 32, compressions other than plain rows and bit fields, and
// colour counts beyond what the depth can index.
struct DibLayout {
  bool core = false;       // 12-byte header
  int width = 0;
  int height = 0;          // always positive
  bool topDown = false;
  int bitCount = 0;
  DWORD compression = BI_RGB;
  std::size_t headerSize = 0;
  std::size_t colorCount = 0;      // entries of the colour table
  std::size_t colorTableSize = 0;  // bytes of the colour table, bit masks included
  std::size_t stride = 0;          // bytes per row, padded to 4
  std::size_t imageSize = 0;       // stride times height
  DWORD masks[3] = {0, 0, 0};      // red, green, blue for bit fields
};
// available: bytes readable from header on (for the header and its table).
bool DescribeDib(const void* header, std::size_t available, DibLayout& layout);
// Decodes rows [0, layout.height) into a top-down image.
void DecodeDib(const DibLayout& layout, const void* header, const void* bits, DibImage& image);

}  // namespace corvane
