// ExtractIconExA and PNG decoding on Linux: icon files and the icon
// resources of Windows programs and libraries are read by the system layer's
// own reader; PNG-compressed images are decoded by cairo.
#include <cairo.h>

#include <cstring>
#include <new>
#include <vector>

#include "system/gdi/Icon.h"

namespace corvane {

namespace {
struct PngSource {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at;
};

cairo_status_t ReadPng(void* closure, unsigned char* out, unsigned int length) {
  auto* source = static_cast<PngSource*>(closure);
  if (length > source->size - source->at) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(out, source->data + source->at, length);
  source->at += length;
  return CAIRO_STATUS_SUCCESS;
}

std::uint32_t Be32(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}
}  // namespace

bool DecodePng(const std::uint8_t* data, std::size_t size, IconImage& image) {
  // The image header is checked before anything is allocated: icons are at
  // most 1024 pixels a side.
  if (!data || size < 33 || std::memcmp(data + 12, "IHDR", 4) != 0) return false;
  const std::uint32_t width = Be32(data + 16), height = Be32(data + 20);
  if (width == 0 || height == 0 || width > 1024 || height > 1024) return false;
  PngSource source{data, size, 0};
  cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(ReadPng, &source);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return false;
  }
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* pixels = cairo_image_surface_get_data(surface);
  const cairo_format_t format = cairo_image_surface_get_format(surface);
  bool ok = pixels && w > 0 && h > 0 && (format == CAIRO_FORMAT_ARGB32 || format == CAIRO_FORMAT_RGB24);
  if (ok) {
    image.width = w;
    image.height = h;
    image.pixels.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(pixels + static_cast<std::size_t>(y) * stride);
      for (int x = 0; x < w; ++x) {
        std::uint32_t p = row[x];
        std::uint32_t a = format == CAIRO_FORMAT_RGB24 ? 255 : p >> 24;
        std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        if (a != 0 && a != 255) {  // cairo keeps colours premultiplied
          r = (r * 255 + a / 2) / a;
          g = (g * 255 + a / 2) / a;
          b = (b * 255 + a / 2) / a;
        }
        image.pixels[static_cast<std::size_t>(y) * w + x] = (a << 24) | (r << 16) | (g << 8) | b;
      }
    }
  }
  cairo_surface_destroy(surface);
  return ok;
}

UINT ExtractIconExA(LPCSTR file, int index, HICON* large, HICON* small, UINT count) {
  return ExtractIconsFromFile(file, index, large, small, count);
}

}  // namespace corvane
