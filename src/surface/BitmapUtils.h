// Bitmap and drawing utilities: BMP files loaded into bitmap blocks, their
// headers and palettes, copying them to a drawing surface and drawing them
// into a rectangle (centred, tiled or stretched) at their physical size;
// rectangle arithmetic between coordinate frames; the screen's pixels per
// inch.
#pragma once

#include <cstdio>
#include <vector>

#include "system/gdi/Dc.h"

namespace corvane {

// A loaded bitmap: the BMP file without its 14-byte file header, followed by
// 14 zero bytes (the block is as long as the whole file).  It begins with
// the bitmap header, then the colour table, then the pixel rows.  Blocks are
// only made from files whose header, colour table and rows all lie inside
// the block, so every query and blit below stays within it.
struct BitmapBlock {
  std::vector<BYTE> bytes;
  DibLayout layout;
};
typedef BitmapBlock* HBITMAPBLOCK;

// Background modes: bits 16 and 17 of a style word.
constexpr DWORD BKGND_MODE_MASK = 0x30000;
constexpr DWORD BKGND_TILED = 0x00000;
constexpr DWORD BKGND_CENTERED = 0x10000;
constexpr DWORD BKGND_STRETCHED = 0x20000;

// Null when the file cannot be opened or read, or is not a bitmap this
// system can draw.
HBITMAPBLOCK LoadBmpFile(LPCSTR path);
HBITMAPBLOCK ReadBmpFromFile(std::FILE* file);
HBITMAPBLOCK ReadBmpFromMemory(const void* data, std::size_t length);
void FreeBitmapBlock(HBITMAPBLOCK block);

// Header queries on the block's bytes (a "locked" block).
int BmpPixelWidth(const BYTE* block);
int BmpPixelHeight(const BYTE* block);
WORD BmpColorCount(const BYTE* block);
DWORD BmpColorTableSize(const BYTE* block);
const BYTE* BmpPixelBits(const BYTE* block);

CSize BmpDimensions(HBITMAPBLOCK block);
CSize BmpResolution(HBITMAPBLOCK block);
BOOL BmpMakePalette(HBITMAPBLOCK block, CPalette* palette);
int BmpBlit(CDC* dc, LPCRECT dest, HBITMAPBLOCK block, LPCRECT source, CPalette* palette);
void BmpDrawInRect(CDC* dc, LPCRECT dest, HBITMAPBLOCK block, DWORD style);

// Rectangle arithmetic.  A frame stands for a coordinate system: its
// top-left corner is the origin, its width and height the extent.
void ScaleRectToFrame(LPRECT out, LPCRECT destFrame, LPCRECT rect, LPCRECT sourceFrame);
// The same, then flipped within the destination frame: maps between a
// frame whose vertical axis points up and one whose axis points down.
void ScaleRectToFrameFlipped(LPRECT out, LPCRECT destFrame, LPCRECT rect, LPCRECT sourceFrame);
void FlipRectInFrame(LPRECT rect, LPCRECT frame);
// Fits the size of rect into bounds keeping its proportions, never
// enlarging it; the result sits at the bounds' top-left corner.
void FitSizeInRect(LPRECT out, LPCRECT bounds, LPCRECT rect);
void CenterRectInRect(LPRECT rect, LPCRECT frame);
CSize ScaleSizeRatio(CSize size, CSize denominator, CSize numerator);

// The screen's pixels per inch, asked of the system once.
CSize GetScreenPixelsPerInch();

}  // namespace corvane
