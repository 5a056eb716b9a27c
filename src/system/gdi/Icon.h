// Icons: handles, extraction from icon files and Windows programs and
// libraries, and their destruction.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "system/Win32.h"

namespace corvane {

// The pixels of one icon: top-down rows of non-premultiplied 0xAARRGGBB.
struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  // A drawing backend may keep its own form of the pixels here.
  mutable std::shared_ptr<void> rendered;
};
typedef IconImage* HICON;

// As the shell function: with index -1 and no arrays, answers how many icons
// the file holds; otherwise extracts up to count icons from index on into
// the arrays (either may be null) and answers how many were extracted.  A
// file that cannot be read, or holds no icon, answers 0.
// Each platform folder provides it; both read the file with
// ExtractIconsFromFile for now.
UINT ExtractIconExA(LPCSTR file, int index, HICON* large, HICON* small, UINT count);
BOOL DestroyIcon(HICON icon);
// ExtractIconExA on the system layer's own reader: icon files and the icon
// resources of Windows programs and libraries (files up to 256 MiB).
UINT ExtractIconsFromFile(LPCSTR file, int index, HICON* large, HICON* small, UINT count);

// The icon images of a file's bytes, in the order ExtractIconExA numbers
// them.  An icon file (.ico) holds one icon; a Windows program or library
// holds one per icon group of its resources.  Safe on any bytes: whatever
// cannot be read is left out.
std::size_t CountIconsInData(const std::uint8_t* data, std::size_t size);
// Decodes icon number index: the large image is the biggest one of the
// icon, the small one the image nearest to 16 by 16.  false when the icon
// cannot be decoded.
bool DecodeIconFromData(const std::uint8_t* data, std::size_t size, std::size_t index, IconImage* large,
                        IconImage* small);

// Decodes one image of an icon resource: a PNG stream or a DIB with its
// AND mask.  false when the bytes are not a readable image.
bool DecodeIconImage(const std::uint8_t* data, std::size_t size, IconImage& image);
// PNG decoding is the platform's: false when the bytes are not a PNG it can
// read, and always false where the platform folder has no decoder yet.
bool DecodePng(const std::uint8_t* data, std::size_t size, IconImage& image);

}  // namespace corvane
