#include "system/dialogs/WindowPaint.h"

#include "system/gdi/Dc.h"
#include "system/gdi/Screen.h"

namespace corvane {

namespace {
thread_local CDC* t_paintSurface = nullptr;
thread_local int t_paintDepth = 0;
}  // namespace

ScopedPaintSurface::ScopedPaintSurface(CDC* dc) : m_pOuter(t_paintSurface) { t_paintSurface = dc; }
ScopedPaintSurface::~ScopedPaintSurface() { t_paintSurface = m_pOuter; }

CDC* CurrentPaintSurface() { return t_paintSurface; }

CPaintDC::CPaintDC(CWnd*) : m_pDC(t_paintSurface), m_bScreen(t_paintSurface == nullptr) {
  if (m_bScreen) m_pDC = GetDC(nullptr);
  if (m_pDC) m_nSaved = m_pDC->SaveDC();
}

CPaintDC::~CPaintDC() {
  if (m_pDC && m_nSaved > 0) m_pDC->RestoreDC(m_nSaved);
  if (m_bScreen && m_pDC) ReleaseDC(nullptr, m_pDC);
}

void PaintWindow(CWnd* window) {
  // A paint handler that asks for another repaint does not paint again
  // from inside itself.
  if (!window || !window->GetSafeHwnd() || !t_paintSurface || t_paintDepth > 0) return;
  ++t_paintDepth;
  window->DispatchMessageEntry(WM_PAINT);
  --t_paintDepth;
}

}  // namespace corvane
