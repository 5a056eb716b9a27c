// The GDI vocabulary of the system layer: constants, the device-independent
// bitmap records, and the drawing objects (pens, brushes, fonts, bitmaps,
// palettes) that a CDC selects.
//
// An object's attributes live in a shared, immutable-after-creation record.
// A drawing surface keeps a reference to the record of each selected object,
// so deleting a C++ object while it is still selected never leaves the
// surface with a dangling pointer.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "system/Win32.h"

namespace corvane {

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Stretch modes.
constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;

// Raster operations.
constexpr DWORD SRCCOPY = 0x00CC0020;

// DrawText formats.
constexpr UINT DT_TOP = 0x0;
constexpr UINT DT_LEFT = 0x0;
constexpr UINT DT_CENTER = 0x1;
constexpr UINT DT_RIGHT = 0x2;
constexpr UINT DT_VCENTER = 0x4;
constexpr UINT DT_BOTTOM = 0x8;
constexpr UINT DT_WORDBREAK = 0x10;
constexpr UINT DT_SINGLELINE = 0x20;
constexpr UINT DT_NOCLIP = 0x100;
constexpr UINT DT_CALCRECT = 0x400;
constexpr UINT DT_NOPREFIX = 0x800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;
constexpr UINT DT_WORD_ELLIPSIS = 0x40000;

// DrawIconEx flags.
constexpr UINT DI_MASK = 0x1;
constexpr UINT DI_IMAGE = 0x2;
constexpr UINT DI_NORMAL = 0x3;

// GetDeviceCaps indexes.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

// DIB colour use and compressions.
constexpr UINT DIB_RGB_COLORS = 0;
constexpr DWORD BI_RGB = 0;
constexpr DWORD BI_RLE8 = 1;
constexpr DWORD BI_RLE4 = 2;
constexpr DWORD BI_BITFIELDS = 3;

// Font weights.
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;

#pragma pack(push, 1)
struct BITMAPFILEHEADER {
  WORD bfType;
  DWORD bfSize;
  WORD bfReserved1;
  WORD bfReserved2;
  DWORD bfOffBits;
};
struct BITMAPINFOHEADER {
  DWORD biSize;
  LONG biWidth;
  LONG biHeight;
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
};
struct BITMAPCOREHEADER {
  DWORD bcSize;
  WORD bcWidth;
  WORD bcHeight;
  WORD bcPlanes;
  WORD bcBitCount;
};
struct RGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
};
struct RGBTRIPLE {
  BYTE rgbtBlue;
  BYTE rgbtGreen;
  BYTE rgbtRed;
};
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};
struct PALETTEENTRY {
  BYTE peRed;
  BYTE peGreen;
  BYTE peBlue;
  BYTE peFlags;
};
struct LOGPALETTE {
  WORD palVersion;
  WORD palNumEntries;
  PALETTEENTRY palPalEntry[1];
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14 && sizeof(BITMAPINFOHEADER) == 40 && sizeof(BITMAPCOREHEADER) == 12);

enum class GdiKind { Pen, Brush, Font, Bitmap, Palette };

// A bitmap's pixels belong to the drawing backend that made them (a raster
// image, or just a size and a number on the recording surface).
class BitmapSurface {
 public:
  virtual ~BitmapSurface();
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

// The attribute record of one drawing object.  Written once when the object
// is created; read by every surface that selects it.
struct GdiObjectData {
  GdiKind kind;
  int id = 0;                 // unique per record, for recordings and tests
  bool stock = false;
  bool null = false;          // null pen / null brush: draws nothing
  COLORREF color = 0;         // pens and brushes
  int penStyle = PS_SOLID;
  int penWidth = 1;
  LOGFONT font{};             // fonts
  std::shared_ptr<BitmapSurface> bitmap;  // bitmaps
  std::vector<PALETTEENTRY> palette;      // palettes
};
typedef const GdiObjectData* HGDIOBJ;
typedef HGDIOBJ HPEN;
typedef HGDIOBJ HBRUSH;
typedef HGDIOBJ HFONT;
typedef HGDIOBJ HBITMAP;
typedef HGDIOBJ HPALETTE;

class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject();
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ GetSafeHandle() const { return m_data.get(); }
  operator HGDIOBJ() const { return m_data.get(); }  // NOLINT
  // Forgets the object; a surface that still has it selected keeps drawing
  // with it until something else is selected.
  BOOL DeleteObject();
  const std::shared_ptr<const GdiObjectData>& Data() const { return m_data; }
  // Takes over the record of another object (MFC's Attach of a handle).
  BOOL Attach(std::shared_ptr<const GdiObjectData> data);
  BOOL CreateStockObject(int index);

 protected:
  std::shared_ptr<const GdiObjectData> m_data;
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
  BOOL CreatePen(int style, int width, COLORREF color);
};

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  BOOL CreateSolidBrush(COLORREF color);
};

class CFont : public CGdiObject {
 public:
  CFont() = default;
  BOOL CreateFontIndirect(const LOGFONT* font);
  // Copies the font's description; answers the size copied, 0 before creation.
  int GetLogFont(LOGFONT* font) const;
  bool IsCreated() const { return m_data != nullptr; }
  const LOGFONT& Description() const;
};

class CDC;
class CBitmap : public CGdiObject {
 public:
  CBitmap() = default;
  // A bitmap of the given size in the pixel format of the surface.  Refuses
  // (FALSE) a size that is not positive or too large to allocate.
  BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
  CSize GetSize() const;
};

class CPalette : public CGdiObject {
 public:
  CPalette() = default;
  BOOL CreatePalette(const LOGPALETTE* palette);
  int GetEntryCount() const;
};

// The stock object of an index (null for an unknown index).
std::shared_ptr<const GdiObjectData> GetStockObjectData(int index);
// A fresh record number.
int NextGdiObjectId();

}  // namespace corvane
