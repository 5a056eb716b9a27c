#include "system/gdi/Screen.h"

#include <atomic>

namespace corvane {

namespace {
// Pixels per inch set by the host; 0 lets the platform answer.
std::atomic<int> g_screenX{0};
std::atomic<int> g_screenY{0};

// A surface that reports the screen's metrics and draws nowhere.
class ScreenDevice : public DcDevice {
 public:
  int GetDeviceCaps(int index) const override {
    if (index == LOGPIXELSX && g_screenX.load() > 0) return g_screenX.load();
    if (index == LOGPIXELSY && g_screenY.load() > 0) return g_screenY.load();
    return ScreenDeviceCaps(index);
  }
  std::unique_ptr<DcDevice> CreateCompatibleDevice() override { return std::make_unique<ScreenDevice>(); }
  std::shared_ptr<BitmapSurface> CreateCompatibleBitmap(int, int) override { return nullptr; }
  void Rectangle(const DcState&, const CRect&) override {}
  void RoundRect(const DcState&, const CRect&, CPoint) override {}
  void FillRect(const DcState&, const CRect&, const GdiObjectData&) override {}
  int DrawText(const DcState&, std::string_view, CRect&, UINT) override { return 0; }
  BOOL DrawIcon(const DcState&, const CRect&, const IconImage&, UINT) override { return FALSE; }
  BOOL StretchBlt(const DcState&, const CRect&, const DcState&, DcDevice&, const CRect&, DWORD) override {
    return FALSE;
  }
  int StretchDib(const DcState&, const CRect&, const DibImage&, const CRect&, DWORD) override { return 0; }
};
}  // namespace

CDC* GetDC(HWND) { return new CDC(std::make_unique<ScreenDevice>()); }

int ReleaseDC(HWND, CDC* dc) {
  if (!dc) return 0;
  delete dc;
  return 1;
}

void SetScreenPixelsPerInch(int x, int y) {
  g_screenX = x >= 1 ? x : 0;
  g_screenY = y >= 1 ? y : 0;
}

}  // namespace corvane
