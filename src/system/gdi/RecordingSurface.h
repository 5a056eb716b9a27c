// The recording surface: a CDC whose device keeps every drawing call with
// its exact arguments and the drawing state at the time, for tests and for
// tools that inspect what a drawing does.  Memory surfaces made from it
// record into the same log.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "system/gdi/Dc.h"

namespace corvane {

struct DrawCall {
  enum class Op { Rectangle, RoundRect, FillRect, DrawText, DrawIcon, StretchBlt, StretchDib };
  Op op = Op::Rectangle;
  int surface = 0;      // 0: the surface itself; memory surfaces count from 1
  CRect rect;           // destination
  CPoint ellipse;       // RoundRect
  CRect source;         // blits: the source rectangle
  std::string text;     // DrawText
  UINT format = 0;      // DrawText format, DrawIcon flags
  DWORD rop = 0;        // blits
  COLORREF fill = 0;    // FillRect: the brush colour
  int sourceSurface = -1;  // StretchBlt: the surface copied from
  int sourceBitmap = 0;    // StretchBlt: id of the bitmap copied from
  CSize imageSize;         // StretchDib and DrawIcon: the image's size
  DcState state;           // pen, brush, font, colours, modes, clip, target bitmap
};

const char* DrawOpName(DrawCall::Op op);

class RecordingLog {
 public:
  std::vector<DrawCall> calls;
  int surfacesMade = 1;   // the surface itself counts
  int bitmapsMade = 0;
  // Make the next memory surfaces or bitmaps fail, as a system out of
  // resources would.
  bool failMemorySurfaces = false;
  bool failBitmaps = false;

  std::vector<const DrawCall*> Of(DrawCall::Op op, int surface = -1) const;
};

// A recording CDC of the given size and pixels per inch.
std::unique_ptr<CDC> CreateRecordingDC(std::shared_ptr<RecordingLog> log, int width = 1024, int height = 768,
                                       int dpiX = 96, int dpiY = 96);

}  // namespace corvane
