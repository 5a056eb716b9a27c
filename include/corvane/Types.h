// Value types shared by the library and its hosts: Win32 scalar names, the
// rectangle/point/size records, window handles and the 8-bit text class.
// Everything lives in namespace corvane so that it never meets <windows.h>.
#pragma once

#include <cstdint>

namespace corvane {

typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::int32_t INT;
typedef std::uint32_t UINT;
typedef std::int32_t BOOL;
typedef std::int16_t SHORT;
typedef std::uint16_t LANGID;
typedef char CHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef void* LPVOID;
typedef std::uint32_t COLORREF;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Opaque handles.  A window handle is a number to the library; the desktop
// backend decides what it refers to.
struct HWND__ {
  int unused;
};
typedef HWND__* HWND;
struct HKEY__ {
  int unused;
};
typedef HKEY__* HKEY;
struct HINSTANCE__ {
  int unused;
};
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;

struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
typedef tagRECT RECT;
typedef tagRECT* LPRECT;
typedef const tagRECT* LPCRECT;

struct tagPOINT {
  LONG x;
  LONG y;
};
typedef tagPOINT POINT;

struct tagSIZE {
  LONG cx;
  LONG cy;
};
typedef tagSIZE SIZE;

constexpr int LF_FACESIZE = 32;

struct tagLOGFONTA {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  CHAR lfFaceName[LF_FACESIZE];
};
typedef tagLOGFONTA LOGFONTA;
typedef tagLOGFONTA LOGFONT;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
         (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

// Win32 MulDiv: 64-bit product, quotient rounded to nearest with halves away
// from zero; -1 on a zero divisor or when the result does not fit 32 bits.
constexpr int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  std::int64_t d = denominator;
  bool negative = (product < 0) != (d < 0);
  std::uint64_t p = product < 0 ? static_cast<std::uint64_t>(-product) : static_cast<std::uint64_t>(product);
  std::uint64_t q = d < 0 ? static_cast<std::uint64_t>(-d) : static_cast<std::uint64_t>(d);
  std::uint64_t result = (p + q / 2) / q;
  if (negative) {
    if (result > 0x80000000ull) return -1;
    return static_cast<int>(-static_cast<std::int64_t>(result));
  }
  if (result > 0x7FFFFFFFull) return -1;
  return static_cast<int>(result);
}

class CListCtrl;
class CDC;

}  // namespace corvane
