#include "cairo_picture.h"

#include <algorithm>
#include <cmath>

#include "media/error.h"

namespace fg {

Rgb rgbFromHex(unsigned hex) {
  return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0};
}

Rgb shade(const Rgb& c, double f) {
  auto cl = [](double v) { return std::clamp(v, 0.0, 1.0); };
  return {cl(c.r * f), cl(c.g * f), cl(c.b * f)};
}

CairoImage::CairoImage(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
    throw GameError(formatMessage("Cannot make a %dx%d drawing surface", width, height));
}

CairoImage::~CairoImage() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void CairoImage::pixel(int x, int y, int& r, int& g, int& b, int& a) const {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const uint32_t p = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
  a = static_cast<int>(p >> 24);
  const int pr = (p >> 16) & 0xFF, pg = (p >> 8) & 0xFF, pb = p & 0xFF;
  if (a == 0) {
    r = g = b = 0;
    return;
  }
  r = std::min(255, (pr * 255 + a / 2) / a);
  g = std::min(255, (pg * 255 + a / 2) / a);
  b = std::min(255, (pb * 255 + a / 2) / a);
}

void CairoImage::setPixel(int x, int y, int r, int g, int b, int a) {
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const uint32_t pr = r * a / 255, pg = g * a / 255, pb = b * a / 255;
  *reinterpret_cast<uint32_t*>(data + y * stride + x * 4) =
      (static_cast<uint32_t>(a) << 24) | (pr << 16) | (pg << 8) | pb;
  cairo_surface_mark_dirty(surface_);
}

uint32_t* CairoImage::row(int y) {
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  return reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * cairo_image_surface_get_stride(surface_));
}

void CairoImage::markDirty() { cairo_surface_mark_dirty(surface_); }

void setSource(cairo_t* cr, const Rgb& c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

Picture toPicture(const CairoImage& img) {
  Picture p;
  p.width = img.width();
  p.height = img.height();
  p.rgb.resize(static_cast<size_t>(p.width) * p.height * 3);
  cairo_surface_flush(img.surface());
  const unsigned char* data = cairo_image_surface_get_data(img.surface());
  const int stride = cairo_image_surface_get_stride(img.surface());
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      const uint32_t v = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
      uint8_t* o = &p.rgb[(static_cast<size_t>(y) * p.width + x) * 3];
      o[0] = (v >> 16) & 0xFF;  // premultiplied colour is the colour over black
      o[1] = (v >> 8) & 0xFF;
      o[2] = v & 0xFF;
    }
  }
  return p;
}

void liftOffKey(uint8_t& r, uint8_t& g, uint8_t& b) {
  // 5-5-5 drops the low three bits of every channel: anything below 8 in all
  // three would turn into the key on the display.
  if (r < 8 && g < 8 && b < 8) r = g = b = 8;
}

Picture toKeyedPicture(const CairoImage& img, int alphaThreshold) {
  Picture p;
  p.width = img.width();
  p.height = img.height();
  p.rgb.assign(static_cast<size_t>(p.width) * p.height * 3, 0);
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      int r, g, b, a;
      img.pixel(x, y, r, g, b, a);
      if (a < alphaThreshold) continue;
      uint8_t* o = &p.rgb[(static_cast<size_t>(y) * p.width + x) * 3];
      o[0] = static_cast<uint8_t>(r);
      o[1] = static_cast<uint8_t>(g);
      o[2] = static_cast<uint8_t>(b);
      liftOffKey(o[0], o[1], o[2]);
    }
  }
  return p;
}

void pastePicture(Picture& dst, const Picture& src, int x, int y) {
  for (int sy = 0; sy < src.height; ++sy) {
    const int dy = y + sy;
    if (dy < 0 || dy >= dst.height) continue;
    for (int sx = 0; sx < src.width; ++sx) {
      const int dx = x + sx;
      if (dx < 0 || dx >= dst.width) continue;
      const uint8_t* s = &src.rgb[(static_cast<size_t>(sy) * src.width + sx) * 3];
      uint8_t* d = &dst.rgb[(static_cast<size_t>(dy) * dst.width + dx) * 3];
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
    }
  }
}

Picture blankPicture(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
  Picture p;
  p.width = width;
  p.height = height;
  p.rgb.resize(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < p.rgb.size(); i += 3) {
    p.rgb[i] = r;
    p.rgb[i + 1] = g;
    p.rgb[i + 2] = b;
  }
  return p;
}

Picture gridOfPatterns(const std::vector<Picture>& patterns, int columns) {
  if (patterns.empty() || columns <= 0) return {};
  const int w = patterns[0].width, h = patterns[0].height;
  const int n = static_cast<int>(patterns.size());
  const int cols = std::min(columns, n);
  const int rows = (n + cols - 1) / cols;
  Picture out = blankPicture(w * cols, h * rows);
  for (int i = 0; i < n; ++i) pastePicture(out, patterns[i], (i % cols) * w, (i / cols) * h);
  return out;
}

Picture cropPicture(const Picture& p, int x0, int y0, int w, int h) {
  Picture c = blankPicture(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int sx = x0 + x, sy = y0 + y;
      if (sx < 0 || sy < 0 || sx >= p.width || sy >= p.height) continue;
      std::copy_n(&p.rgb[(static_cast<size_t>(sy) * p.width + sx) * 3], 3,
                  &c.rgb[(static_cast<size_t>(y) * w + x) * 3]);
    }
  return c;
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void drawCentredText(cairo_t* cr, const std::string& text, double cx, double y, double size, bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, y);
  cairo_show_text(cr, text.c_str());
}

}  // namespace fg
