#include "system/gdi/RasterSurface.h"

#include "system/AtomicFile.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace corvane {

namespace {

// An image surface that is freed with its last owner.
class RasterBitmap : public BitmapSurface {
 public:
  explicit RasterBitmap(cairo_surface_t* surface) : m_surface(surface) {}
  ~RasterBitmap() override { cairo_surface_destroy(m_surface); }
  int Width() const override { return cairo_image_surface_get_width(m_surface); }
  int Height() const override { return cairo_image_surface_get_height(m_surface); }
  cairo_surface_t* Surface() const { return m_surface; }

 private:
  cairo_surface_t* m_surface;
};

std::shared_ptr<RasterBitmap> MakeBitmap(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  return std::make_shared<RasterBitmap>(surface);
}

void SetColor(cairo_t* cr, COLORREF color) {
  cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

// Path of a rectangle with elliptic corners of ew by eh inside (x, y, w, h).
void RoundedPath(cairo_t* cr, double x, double y, double w, double h, double ew, double eh) {
  const double rx = std::min(ew / 2, w / 2), ry = std::min(eh / 2, h / 2);
  if (rx <= 0 || ry <= 0) {
    cairo_rectangle(cr, x, y, w, h);
    return;
  }
  auto corner = [&](double cx, double cy, double from, double to) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, from, to);
    cairo_restore(cr);
  };
  cairo_new_sub_path(cr);
  corner(x + w - rx, y + ry, -M_PI / 2, 0);
  corner(x + w - rx, y + h - ry, 0, M_PI / 2);
  corner(x + rx, y + h - ry, M_PI / 2, M_PI);
  corner(x + rx, y + ry, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

class RasterDevice : public DcDevice {
 public:
  RasterDevice(std::shared_ptr<RasterBitmap> own, int dpiX, int dpiY)
      : m_target(std::move(own)), m_dpiX(dpiX), m_dpiY(dpiY) {}
  ~RasterDevice() override {
    if (m_cr) cairo_destroy(m_cr);
  }

  RasterBitmap* Target() const { return m_target.get(); }

  int GetDeviceCaps(int index) const override {
    switch (index) {
      case LOGPIXELSX: return m_dpiX;
      case LOGPIXELSY: return m_dpiY;
      case HORZRES: return m_target ? m_target->Width() : 0;
      case VERTRES: return m_target ? m_target->Height() : 0;
      case BITSPIXEL: return 32;
      default: return 0;
    }
  }

  std::unique_ptr<DcDevice> CreateCompatibleDevice() override {
    return std::make_unique<RasterDevice>(nullptr, m_dpiX, m_dpiY);
  }

  std::shared_ptr<BitmapSurface> CreateCompatibleBitmap(int width, int height) override {
    return MakeBitmap(width, height);
  }

  void BitmapSelected(const DcState& state) override {
    auto bitmap = state.bitmap ? std::dynamic_pointer_cast<RasterBitmap>(state.bitmap->bitmap) : nullptr;
    if (bitmap == m_target) return;
    if (m_cr) cairo_destroy(m_cr);
    m_cr = nullptr;
    m_target = std::move(bitmap);
  }

  void Rectangle(const DcState& state, const CRect& r) override {
    cairo_t* cr = Begin(state);
    if (!cr) return;
    Shape(cr, state, r, [&](double x, double y, double w, double h) { cairo_rectangle(cr, x, y, w, h); });
    End(cr);
  }

  void RoundRect(const DcState& state, const CRect& r, CPoint e) override {
    cairo_t* cr = Begin(state);
    if (!cr) return;
    Shape(cr, state, r, [&](double x, double y, double w, double h) { RoundedPath(cr, x, y, w, h, e.x, e.y); });
    End(cr);
  }

  void FillRect(const DcState& state, const CRect& r, const GdiObjectData& brush) override {
    if (brush.null || r.IsRectEmpty()) return;
    cairo_t* cr = Begin(state);
    if (!cr) return;
    SetColor(cr, brush.color);
    cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
    cairo_fill(cr);
    End(cr);
  }

  int DrawText(const DcState& state, std::string_view text, CRect& rect, UINT format) override {
    cairo_t* cr = m_cr ? m_cr : Context();
    // Measuring needs no target; a scratch context serves a memory surface
    // without a bitmap.
    cairo_surface_t* scratch = nullptr;
    if (!cr) {
      scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
      cr = cairo_create(scratch);
    }
    cairo_save(cr);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    Layout(layout, state, text, rect, format);
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    if (format & DT_CALCRECT) {
      rect.right = rect.left + width;
      rect.bottom = rect.top + height;
    } else if (m_target && !scratch) {
      ApplyClip(cr, state);
      if (!(format & DT_NOCLIP)) {
        cairo_rectangle(cr, rect.left, rect.top, rect.Width(), rect.Height());
        cairo_clip(cr);
      }
      double x = rect.left, y = rect.top;
      if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) y = rect.top + (rect.Height() - height) / 2.0;
        else if (format & DT_BOTTOM) y = rect.bottom - height;
      }
      if (!(format & (DT_WORDBREAK)) && !(format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS))) {
        // Without a width the layout is as wide as its text; place it.
        if (format & DT_CENTER) x = rect.left + (rect.Width() - width) / 2.0;
        else if (format & DT_RIGHT) x = rect.right - width;
      }
      if (state.bkMode == OPAQUE) {
        PangoRectangle ink, logical;
        pango_layout_get_pixel_extents(layout, &ink, &logical);
        SetColor(cr, state.bkColor);
        cairo_rectangle(cr, x + logical.x, y + logical.y, logical.width, logical.height);
        cairo_fill(cr);
      }
      SetColor(cr, state.textColor);
      cairo_move_to(cr, x, y);
      pango_cairo_show_layout(cr, layout);
    }
    g_object_unref(layout);
    cairo_restore(cr);
    if (scratch) {
      cairo_destroy(cr);
      cairo_surface_destroy(scratch);
    }
    return height;
  }

  BOOL DrawIcon(const DcState& state, const CRect& dest, const IconImage& icon, UINT) override {
    if (dest.IsRectEmpty()) return TRUE;
    cairo_surface_t* image = IconSurface(icon);
    if (!image) return FALSE;
    cairo_t* cr = Begin(state);
    if (!cr) return FALSE;
    cairo_rectangle(cr, dest.left, dest.top, dest.Width(), dest.Height());
    cairo_clip(cr);
    cairo_translate(cr, dest.left, dest.top);
    cairo_scale(cr, static_cast<double>(dest.Width()) / icon.width, static_cast<double>(dest.Height()) / icon.height);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    End(cr);
    return TRUE;
  }

  BOOL StretchBlt(const DcState& state, const CRect& dest, const DcState&, DcDevice& source, const CRect& src,
                  DWORD) override {
    auto* raster = dynamic_cast<RasterDevice*>(&source);
    if (!raster || !raster->Target()) return FALSE;
    Blit(state, dest, raster->Target()->Surface(), src);
    return TRUE;
  }

  int StretchDib(const DcState& state, const CRect& dest, const DibImage& image, const CRect& src,
                 DWORD) override {
    // The decoded pixels are already in cairo's native 0xAARRGGBB form.
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(image.pixels.data())), CAIRO_FORMAT_RGB24,
        image.width, image.height, image.width * 4);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(surface);
      return 0;
    }
    Blit(state, dest, surface, src);
    cairo_surface_destroy(surface);
    return src.Height();
  }

 private:
  cairo_t* Context() {
    if (!m_cr && m_target) m_cr = cairo_create(m_target->Surface());
    return m_cr;
  }

  void ApplyClip(cairo_t* cr, const DcState& state) {
    if (!state.clip) return;
    cairo_rectangle(cr, state.clip->left, state.clip->top, state.clip->Width(), state.clip->Height());
    cairo_clip(cr);
  }

  cairo_t* Begin(const DcState& state) {
    cairo_t* cr = Context();
    if (!cr) return nullptr;
    cairo_save(cr);
    ApplyClip(cr, state);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    return cr;
  }

  void End(cairo_t* cr) { cairo_restore(cr); }

  // Fills with the brush and outlines with the pen, both inside r: the pen's
  // width lies within the rectangle, whose right and bottom edges are
  // excluded.
  template <typename PathFn>
  void Shape(cairo_t* cr, const DcState& state, const CRect& r, PathFn path) {
    if (r.IsRectEmpty()) return;
    const double pen = state.HasPen() ? std::max(1, state.pen->penWidth) : 0.0;
    if (state.HasBrush()) {
      SetColor(cr, state.brush->color);
      path(r.left, r.top, r.Width(), r.Height());
      cairo_fill(cr);
    }
    if (pen > 0) {
      SetColor(cr, state.pen->color);
      cairo_set_line_width(cr, pen);
      const double inset = pen / 2;
      const double w = r.Width() - pen, h = r.Height() - pen;
      if (w <= 0 || h <= 0) {
        cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
        cairo_fill(cr);
        return;
      }
      if (pen == 1) cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
      path(r.left + inset, r.top + inset, w, h);
      cairo_stroke(cr);
      cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    }
  }

  void Blit(const DcState& state, const CRect& dest, cairo_surface_t* source, const CRect& src) {
    if (dest.Width() == 0 || dest.Height() == 0 || src.Width() == 0 || src.Height() == 0) return;
    cairo_t* cr = Begin(state);
    if (!cr) return;
    CRect d = dest;
    d.NormalizeRect();
    cairo_rectangle(cr, d.left, d.top, d.Width(), d.Height());
    cairo_clip(cr);
    cairo_translate(cr, dest.left, dest.top);
    cairo_scale(cr, static_cast<double>(dest.Width()) / src.Width(), static_cast<double>(dest.Height()) / src.Height());
    cairo_set_source_surface(cr, source, -src.left, -src.top);
    // Colour on colour: rows and columns are dropped or repeated, never
    // blended; the other modes smooth.
    cairo_pattern_set_filter(cairo_get_source(cr),
                             state.stretchMode == HALFTONE ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr, src.left, src.top, src.Width(), src.Height());
    cairo_clip(cr);
    cairo_paint(cr);
    End(cr);
  }

  static cairo_surface_t* IconSurface(const IconImage& icon) {
    if (icon.width <= 0 || icon.height <= 0 ||
        icon.pixels.size() != static_cast<std::size_t>(icon.width) * icon.height)
      return nullptr;
    if (icon.rendered) return static_cast<cairo_surface_t*>(icon.rendered.get());
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, icon.width, icon.height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(surface);
      return nullptr;
    }
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < icon.height; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
      for (int x = 0; x < icon.width; ++x) {
        const std::uint32_t p = icon.pixels[static_cast<std::size_t>(y) * icon.width + x];
        const std::uint32_t a = p >> 24;
        const std::uint32_t r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, b = (p & 0xFF) * a / 255;
        row[x] = (a << 24) | (r << 16) | (g << 8) | b;
      }
    }
    cairo_surface_mark_dirty(surface);
    icon.rendered = std::shared_ptr<void>(surface, [](void* s) { cairo_surface_destroy(static_cast<cairo_surface_t*>(s)); });
    return surface;
  }

  void Layout(PangoLayout* layout, const DcState& state, std::string_view text, const CRect& rect, UINT format) {
    LOGFONT lf{};
    if (state.font) lf = state.font->font;
    PangoFontDescription* font = pango_font_description_new();
    std::string face(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    // Fontconfig substitutes what is installed for a face that is not, and
    // falls back per character for scripts the face lacks.
    pango_font_description_set_family(font, face.empty() ? "Sans" : face.c_str());
    const int height = lf.lfHeight == 0 ? 16 : std::min(std::abs(lf.lfHeight), 4096);
    // A negative height is the character height; a positive one the cell
    // height, of which the character takes about six sevenths.
    const double pixels = lf.lfHeight < 0 ? height : height * 6.0 / 7.0;
    pango_font_description_set_absolute_size(font, std::max(1.0, pixels) * PANGO_SCALE);
    pango_font_description_set_weight(font, static_cast<PangoWeight>(lf.lfWeight > 0 ? std::clamp<int>(lf.lfWeight, 100, 1000)
                                                                                     : 400));
    pango_font_description_set_style(font, lf.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    if (lf.lfUnderline || lf.lfStrikeOut) {
      PangoAttrList* attrs = pango_attr_list_new();
      if (lf.lfUnderline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
      if (lf.lfStrikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
      pango_layout_set_attributes(layout, attrs);
      pango_attr_list_unref(attrs);
    }
    // Text is kept as UTF-8; bytes that are not valid UTF-8 are shown as
    // replacement characters rather than dropped.
    std::string valid;
    const char* end = nullptr;
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), &end)) {
      valid.assign(text);
    } else {
      gchar* fixed = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
      valid = fixed;
      g_free(fixed);
    }
    if (format & DT_SINGLELINE) {
      for (char& c : valid)
        if (c == '\n' || c == '\r') c = ' ';
    }
    pango_layout_set_text(layout, valid.c_str(), static_cast<int>(valid.size()));
    const bool wrap = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    const bool ellipsis = format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS);
    if ((wrap || ellipsis) && rect.Width() > 0 && !(format & DT_CALCRECT && !wrap)) {
      pango_layout_set_width(layout, rect.Width() * PANGO_SCALE);
      pango_layout_set_alignment(layout, (format & DT_CENTER)  ? PANGO_ALIGN_CENTER
                                         : (format & DT_RIGHT) ? PANGO_ALIGN_RIGHT
                                                               : PANGO_ALIGN_LEFT);
    }
    if (wrap) pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    if (ellipsis && wrap && (format & DT_NOCLIP)) {
      // Unclipped wrapped text runs below its rectangle as it needs; a word
      // too long for a line breaks between characters instead of being cut.
    } else if (ellipsis) {
      pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
      // Lines that would run below the rectangle end in an ellipsis (at
      // least one line is always shown).
      pango_layout_set_height(layout, wrap ? std::max(1, rect.Height()) * PANGO_SCALE : -1);
    }
  }

  std::shared_ptr<RasterBitmap> m_target;
  cairo_t* m_cr = nullptr;
  int m_dpiX, m_dpiY;
};

RasterDevice* RasterOf(CDC* dc) { return dc ? dynamic_cast<RasterDevice*>(dc->Device()) : nullptr; }

}  // namespace

std::unique_ptr<CDC> CreateRasterDC(int width, int height, int dpiX, int dpiY) {
  if (width <= 0 || height <= 0 || width > 32767 || height > 32767 || 1LL * width * height > (64LL << 20))
    return nullptr;
  auto bitmap = MakeBitmap(width, height);
  if (!bitmap) return nullptr;
  cairo_t* cr = cairo_create(bitmap->Surface());
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_destroy(cr);
  return std::make_unique<CDC>(
      std::make_unique<RasterDevice>(std::move(bitmap), dpiX > 0 ? dpiX : 96, dpiY > 0 ? dpiY : 96));
}

COLORREF GetRasterPixel(CDC* dc, int x, int y) {
  RasterDevice* device = RasterOf(dc);
  if (!device || !device->Target()) return CLR_INVALID;
  cairo_surface_t* surface = device->Target()->Surface();
  cairo_surface_flush(surface);
  if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(surface) || y >= cairo_image_surface_get_height(surface))
    return CLR_INVALID;
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const auto p = *reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) *
                                                                     cairo_image_surface_get_stride(surface) +
                                                         4 * static_cast<std::size_t>(x));
  return RGB(static_cast<BYTE>((p >> 16) & 0xFF), static_cast<BYTE>((p >> 8) & 0xFF), static_cast<BYTE>(p & 0xFF));
}

bool WriteRasterPng(CDC* dc, const char* path) {
  RasterDevice* device = RasterOf(dc);
  if (!device || !device->Target() || !path) return false;
  cairo_surface_flush(device->Target()->Surface());
  // The image is encoded in memory and replaces the file whole.
  std::string png;
  auto append = [](void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
  };
  if (cairo_surface_write_to_png_stream(device->Target()->Surface(), append, &png) != CAIRO_STATUS_SUCCESS)
    return false;
  return ReplaceFileContent(path, png);
}

int CountUnrenderableCharacters(const LOGFONT& font, const char* text) {
  if (!text) return 0;
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  cairo_t* cr = cairo_create(scratch);
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* description = pango_font_description_new();
  std::string face(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
  pango_font_description_set_family(description, face.empty() ? "Sans" : face.c_str());
  pango_font_description_set_absolute_size(description, 16 * PANGO_SCALE);
  pango_layout_set_font_description(layout, description);
  pango_font_description_free(description);
  pango_layout_set_text(layout, text, -1);
  const int unknown = pango_layout_get_unknown_glyphs_count(layout);
  g_object_unref(layout);
  cairo_destroy(cr);
  cairo_surface_destroy(scratch);
  return unknown;
}

}  // namespace corvane
