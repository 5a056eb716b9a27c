// Painting windows of the dialog layer.  Without a screen, a host or a test
// that wants to see a window installs a drawing surface (ScopedPaintSurface);
// from then on a window that is asked to repaint (Invalidate, or a page that
// comes to the front) runs its paint handler at once, which draws on that
// surface in the window's client coordinates (pixels).  With no surface
// installed the repaint is only counted (CWnd::GetPaintRequests).
#pragma once

#include "system/dialogs/Wnd.h"

namespace corvane {

class CDC;

class ScopedPaintSurface {
 public:
  explicit ScopedPaintSurface(CDC* dc);
  ~ScopedPaintSurface();
  ScopedPaintSurface(const ScopedPaintSurface&) = delete;
  ScopedPaintSurface& operator=(const ScopedPaintSurface&) = delete;

 private:
  CDC* m_pOuter;
};

// The surface windows paint on, or null.
CDC* CurrentPaintSurface();

// The drawing surface of a paint handler: the installed surface with its
// state saved for the handler and restored afterwards, or, without one, the
// screen's surface, which draws nothing.
class CPaintDC {
 public:
  explicit CPaintDC(CWnd* window);
  ~CPaintDC();
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  CDC* operator->() const { return m_pDC; }
  operator CDC*() const { return m_pDC; }  // NOLINT

 private:
  CDC* m_pDC;
  bool m_bScreen;
  int m_nSaved = 0;
};

// Sends the window its paint message when a surface is installed.
void PaintWindow(CWnd* window);

}  // namespace corvane
