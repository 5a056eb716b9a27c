#include "system/gdi/RecordingSurface.h"

#include <cstdlib>

namespace corvane {

namespace {

class RecordingBitmap : public BitmapSurface {
 public:
  RecordingBitmap(int width, int height) : m_width(width), m_height(height) {}
  int Width() const override { return m_width; }
  int Height() const override { return m_height; }

 private:
  int m_width, m_height;
};

class RecordingDevice : public DcDevice {
 public:
  RecordingDevice(std::shared_ptr<RecordingLog> log, int number, int width, int height, int dpiX, int dpiY)
      : m_log(std::move(log)), m_number(number), m_width(width), m_height(height), m_dpiX(dpiX), m_dpiY(dpiY) {}

  int Number() const { return m_number; }

  int GetDeviceCaps(int index) const override {
    switch (index) {
      case LOGPIXELSX: return m_dpiX;
      case LOGPIXELSY: return m_dpiY;
      case HORZRES: return m_width;
      case VERTRES: return m_height;
      case BITSPIXEL: return 32;
      default: return 0;
    }
  }

  std::unique_ptr<DcDevice> CreateCompatibleDevice() override {
    if (m_log->failMemorySurfaces) return nullptr;
    const int number = m_log->surfacesMade++;
    return std::make_unique<RecordingDevice>(m_log, number, 1, 1, m_dpiX, m_dpiY);
  }

  std::shared_ptr<BitmapSurface> CreateCompatibleBitmap(int width, int height) override {
    if (m_log->failBitmaps) return nullptr;
    ++m_log->bitmapsMade;
    return std::make_shared<RecordingBitmap>(width, height);
  }

  void Rectangle(const DcState& state, const CRect& rect) override {
    Add(DrawCall::Op::Rectangle, state, rect);
  }

  void RoundRect(const DcState& state, const CRect& rect, CPoint ellipse) override {
    Add(DrawCall::Op::RoundRect, state, rect).ellipse = ellipse;
  }

  void FillRect(const DcState& state, const CRect& rect, const GdiObjectData& brush) override {
    Add(DrawCall::Op::FillRect, state, rect).fill = brush.color;
  }

  int DrawText(const DcState& state, std::string_view text, CRect& rect, UINT format) override {
    const int lineHeight = state.font && state.font->font.lfHeight ? std::abs(state.font->font.lfHeight) : 16;
    if (format & DT_CALCRECT) {
      rect.bottom = rect.top + lineHeight;
      return lineHeight;
    }
    DrawCall& call = Add(DrawCall::Op::DrawText, state, rect);
    call.text = std::string(text);
    call.format = format;
    return lineHeight;
  }

  BOOL DrawIcon(const DcState& state, const CRect& dest, const IconImage& icon, UINT flags) override {
    DrawCall& call = Add(DrawCall::Op::DrawIcon, state, dest);
    call.format = flags;
    call.imageSize = CSize(icon.width, icon.height);
    return TRUE;
  }

  BOOL StretchBlt(const DcState& state, const CRect& dest, const DcState& sourceState, DcDevice& source,
                  const CRect& sourceRect, DWORD rop) override {
    DrawCall& call = Add(DrawCall::Op::StretchBlt, state, dest);
    call.source = sourceRect;
    call.rop = rop;
    auto* recording = dynamic_cast<RecordingDevice*>(&source);
    call.sourceSurface = recording ? recording->Number() : -1;
    call.sourceBitmap = sourceState.bitmap ? sourceState.bitmap->id : 0;
    return TRUE;
  }

  int StretchDib(const DcState& state, const CRect& dest, const DibImage& image, const CRect& sourceRect,
                 DWORD rop) override {
    DrawCall& call = Add(DrawCall::Op::StretchDib, state, dest);
    call.source = sourceRect;
    call.rop = rop;
    call.imageSize = CSize(image.width, image.height);
    return sourceRect.Height();
  }

 private:
  DrawCall& Add(DrawCall::Op op, const DcState& state, const CRect& rect) {
    DrawCall call;
    call.op = op;
    call.surface = m_number;
    call.rect = rect;
    call.state = state;
    m_log->calls.push_back(std::move(call));
    return m_log->calls.back();
  }

  std::shared_ptr<RecordingLog> m_log;
  int m_number;
  int m_width, m_height, m_dpiX, m_dpiY;
};

}  // namespace

const char* DrawOpName(DrawCall::Op op) {
  switch (op) {
    case DrawCall::Op::Rectangle: return "Rectangle";
    case DrawCall::Op::RoundRect: return "RoundRect";
    case DrawCall::Op::FillRect: return "FillRect";
    case DrawCall::Op::DrawText: return "DrawText";
    case DrawCall::Op::DrawIcon: return "DrawIconEx";
    case DrawCall::Op::StretchBlt: return "StretchBlt";
    case DrawCall::Op::StretchDib: return "StretchDIBits";
  }
  return "?";
}

std::vector<const DrawCall*> RecordingLog::Of(DrawCall::Op op, int surface) const {
  std::vector<const DrawCall*> out;
  for (const DrawCall& call : calls)
    if (call.op == op && (surface < 0 || call.surface == surface)) out.push_back(&call);
  return out;
}

std::unique_ptr<CDC> CreateRecordingDC(std::shared_ptr<RecordingLog> log, int width, int height, int dpiX,
                                       int dpiY) {
  if (!log) log = std::make_shared<RecordingLog>();
  return std::make_unique<CDC>(std::make_unique<RecordingDevice>(std::move(log), 0, width, height, dpiX, dpiY));
}

}  // namespace corvane
