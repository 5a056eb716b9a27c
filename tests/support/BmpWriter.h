// Builds BMP files in memory for tests: any size, depth and header form,
// with the four quadrants of the picture in chosen colours.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "corvane/Types.h"

namespace corvane::test {

struct BmpSpec {
  int width = 4;
  int height = 4;
  int bits = 24;
  bool core = false;            // 12-byte header
  bool topDown = false;
  unsigned colorsUsed = 0;      // written as is (information form only)
  int pixelsPerMetreX = 3780;
  int pixelsPerMetreY = 3780;
  std::vector<COLORREF> palette;  // first entries of the colour table
  COLORREF topLeft = RGB(255, 0, 0);
  COLORREF topRight = RGB(0, 255, 0);
  COLORREF bottomLeft = RGB(0, 0, 255);
  COLORREF bottomRight = RGB(255, 255, 255);
};

inline void PutLe(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline std::vector<std::uint8_t> MakeBmp(const BmpSpec& s) {
  const bool indexed = s.bits <= 8;
  std::vector<COLORREF> table = s.palette;
  for (COLORREF c : {s.topLeft, s.topRight, s.bottomLeft, s.bottomRight})
    if (indexed && std::find(table.begin(), table.end(), c) == table.end()) table.push_back(c);
  std::size_t entries = 0;
  if (s.colorsUsed) entries = s.colorsUsed;
  else if (indexed) entries = std::size_t{1} << s.bits;
  if (table.size() > entries && indexed && !s.colorsUsed) table.resize(entries);
  const std::size_t headerSize = s.core ? 12 : 40;
  const std::size_t entrySize = s.core ? 3 : 4;
  const std::size_t tableBytes = std::min<std::size_t>(entries, 4096) * entrySize;
  const std::size_t stride = ((static_cast<std::size_t>(s.width) * s.bits + 31) / 32) * 4;
  const std::size_t rowsAt = 14 + headerSize + tableBytes;
  std::vector<std::uint8_t> b(rowsAt + stride * s.height, 0);
  b[0] = 'B';
  b[1] = 'M';
  PutLe(b, 2, static_cast<std::uint32_t>(b.size()), 4);
  PutLe(b, 10, static_cast<std::uint32_t>(rowsAt), 4);
  PutLe(b, 14, static_cast<std::uint32_t>(headerSize), 4);
  if (s.core) {
    PutLe(b, 18, s.width, 2);
    PutLe(b, 20, s.height, 2);
    PutLe(b, 22, 1, 2);
    PutLe(b, 24, s.bits, 2);
  } else {
    PutLe(b, 18, s.width, 4);
    PutLe(b, 22, static_cast<std::uint32_t>(s.topDown ? -s.height : s.height), 4);
    PutLe(b, 26, 1, 2);
    PutLe(b, 28, s.bits, 2);
    PutLe(b, 38, static_cast<std::uint32_t>(s.pixelsPerMetreX), 4);
    PutLe(b, 42, static_cast<std::uint32_t>(s.pixelsPerMetreY), 4);
    PutLe(b, 46, s.colorsUsed, 4);
  }
  for (std::size_t i = 0; i < table.size() && i * entrySize < tableBytes; ++i) {
    const std::size_t at = 14 + headerSize + i * entrySize;
    b[at] = GetBValue(table[i]);
    b[at + 1] = GetGValue(table[i]);
    b[at + 2] = GetRValue(table[i]);
  }
  for (int y = 0; y < s.height; ++y) {
    const int fileRow = s.topDown ? y : s.height - 1 - y;
    const std::size_t row = rowsAt + static_cast<std::size_t>(fileRow) * stride;
    for (int x = 0; x < s.width; ++x) {
      const bool left = x < (s.width + 1) / 2, top = y < (s.height + 1) / 2;
      const COLORREF c = top ? (left ? s.topLeft : s.topRight) : (left ? s.bottomLeft : s.bottomRight);
      const std::uint32_t r = GetRValue(c), g = GetGValue(c), bl = GetBValue(c);
      if (indexed) {
        const auto found = std::find(table.begin(), table.end(), c);
        const std::uint32_t index = found == table.end() ? 0 : static_cast<std::uint32_t>(found - table.begin());
        const std::size_t bit = static_cast<std::size_t>(x) * s.bits;
        b[row + bit / 8] |= static_cast<std::uint8_t>(index << (8 - s.bits - bit % 8));
      } else if (s.bits == 16) {
        PutLe(b, row + 2 * x, ((r >> 3) << 10) | ((g >> 3) << 5) | (bl >> 3), 2);
      } else if (s.bits == 24) {
        b[row + 3 * x] = static_cast<std::uint8_t>(bl);
        b[row + 3 * x + 1] = static_cast<std::uint8_t>(g);
        b[row + 3 * x + 2] = static_cast<std::uint8_t>(r);
      } else if (s.bits == 32) {
        PutLe(b, row + 4 * x, (r << 16) | (g << 8) | bl, 4);
      }
    }
  }
  return b;
}

}  // namespace corvane::test
