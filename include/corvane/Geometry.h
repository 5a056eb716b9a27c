// CPoint, CSize and CRect: the MFC wrappers of the Win32 records.
#pragma once

#include "corvane/Types.h"

namespace corvane {

class CPoint : public tagPOINT {
 public:
  CPoint() : tagPOINT{0, 0} {}
  CPoint(LONG px, LONG py) : tagPOINT{px, py} {}
  CPoint(const POINT& p) : tagPOINT(p) {}  // NOLINT
  friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
  friend bool operator!=(const CPoint& a, const CPoint& b) { return !(a == b); }
};

class CSize : public tagSIZE {
 public:
  CSize() : tagSIZE{0, 0} {}
  CSize(LONG w, LONG h) : tagSIZE{w, h} {}
  CSize(const SIZE& s) : tagSIZE(s) {}  // NOLINT
  friend bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
  friend bool operator!=(const CSize& a, const CSize& b) { return !(a == b); }
};

class CRect : public tagRECT {
 public:
  CRect() : tagRECT{0, 0, 0, 0} {}
  CRect(LONG l, LONG t, LONG r, LONG b) : tagRECT{l, t, r, b} {}
  CRect(const RECT& r) : tagRECT(r) {}  // NOLINT
  CRect(const RECT* r) : tagRECT(r ? *r : RECT{0, 0, 0, 0}) {}  // NOLINT
  CRect(POINT topLeft, SIZE size) : tagRECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}

  LONG Width() const { return right - left; }
  LONG Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
  bool IsRectEmpty() const { return right <= left || bottom <= top; }
  bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  // A point is inside when left <= x < right and top <= y < bottom.
  bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  void SetRect(LONG l, LONG t, LONG r, LONG b) {
    left = l;
    top = t;
    right = r;
    bottom = b;
  }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void OffsetRect(LONG dx, LONG dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
  }
  void InflateRect(LONG dx, LONG dy) {
    left -= dx;
    right += dx;
    top -= dy;
    bottom += dy;
  }
  void DeflateRect(LONG dx, LONG dy) { InflateRect(-dx, -dy); }
  void NormalizeRect() {
    if (left > right) swap(left, right);
    if (top > bottom) swap(top, bottom);
  }
  operator LPRECT() { return this; }          // NOLINT
  operator LPCRECT() const { return this; }   // NOLINT
  friend bool operator==(const CRect& a, const CRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  friend bool operator!=(const CRect& a, const CRect& b) { return !(a == b); }

 private:
  static void swap(LONG& a, LONG& b) {
    LONG t = a;
    a = b;
    b = t;
  }
};

}  // namespace corvane
