// ExtractIconExA on Windows: icon files and the icon resources of programs
// and libraries are read by the system layer's own reader, which answers
// the layer's icon images.  PNG-compressed images need a decoder that this
// folder does not have yet: they are skipped, and an icon made only of them
// is not extracted.
#include "system/gdi/Icon.h"

namespace corvane {

bool DecodePng(const std::uint8_t*, std::size_t, IconImage&) { return false; }

UINT ExtractIconExA(LPCSTR file, int index, HICON* large, HICON* small, UINT count) {
  return ExtractIconsFromFile(file, index, large, small, count);
}

}  // namespace corvane
