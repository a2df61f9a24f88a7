#include "paint.h"

#include <algorithm>
#include <cmath>

#include "media/error.h"

namespace fg {

Layer::Layer(int w, int h) : w_(w), h_(h) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cr_ = cairo_create(surface_);
}

Layer::~Layer() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

uint32_t* Layer::row(int y) {
  cairo_surface_flush(surface_);
  unsigned char* d = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  return reinterpret_cast<uint32_t*>(d + static_cast<size_t>(y) * stride);
}

void Layer::markDirty() { cairo_surface_mark_dirty(surface_); }

namespace {
void unpremultiply(uint32_t px, uint8_t& r, uint8_t& g, uint8_t& b, uint8_t& a) {
  a = px >> 24;
  uint32_t pr = (px >> 16) & 255, pg = (px >> 8) & 255, pb = px & 255;
  if (a == 0) { r = g = b = 0; return; }
  r = static_cast<uint8_t>(std::min<uint32_t>(255, (pr * 255 + a / 2) / a));
  g = static_cast<uint8_t>(std::min<uint32_t>(255, (pg * 255 + a / 2) / a));
  b = static_cast<uint8_t>(std::min<uint32_t>(255, (pb * 255 + a / 2) / a));
}
}  // namespace

Picture toPicture(Layer& l) {
  Picture p;
  p.width = l.width();
  p.height = l.height();
  p.rgb.resize(static_cast<size_t>(p.width) * p.height * 3);
  for (int y = 0; y < p.height; ++y) {
    const uint32_t* src = l.row(y);
    uint8_t* dst = &p.rgb[static_cast<size_t>(y) * p.width * 3];
    for (int x = 0; x < p.width; ++x) {
      dst[3 * x] = (src[x] >> 16) & 255;
      dst[3 * x + 1] = (src[x] >> 8) & 255;
      dst[3 * x + 2] = src[x] & 255;
    }
  }
  return p;
}

Picture toKeyedPicture(Layer& l) {
  Picture p;
  p.width = l.width();
  p.height = l.height();
  p.rgb.assign(static_cast<size_t>(p.width) * p.height * 3, 0);
  for (int y = 0; y < p.height; ++y) {
    const uint32_t* src = l.row(y);
    uint8_t* dst = &p.rgb[static_cast<size_t>(y) * p.width * 3];
    for (int x = 0; x < p.width; ++x) {
      uint8_t r, g, b, a;
      unpremultiply(src[x], r, g, b, a);
      if (a < 128) continue;
      // 16-bit keeps the high five or six bits: below 8 on every channel is key.
      if (r < 8 && g < 8 && b < 8) r = g = b = 8;
      dst[3 * x] = r;
      dst[3 * x + 1] = g;
      dst[3 * x + 2] = b;
    }
  }
  return p;
}

Picture cropPicture(const Picture& p, int x0, int y0, int w, int h) {
  Picture c;
  c.width = w;
  c.height = h;
  c.rgb.assign(static_cast<size_t>(w) * h * 3, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int sx = x0 + x, sy = y0 + y;
      if (sx < 0 || sy < 0 || sx >= p.width || sy >= p.height) continue;
      std::copy_n(&p.rgb[(static_cast<size_t>(sy) * p.width + sx) * 3], 3,
                  &c.rgb[(static_cast<size_t>(y) * w + x) * 3]);
    }
  return c;
}

Picture stripOf(const Picture* frames, int count) {
  Picture s;
  s.width = frames[0].width * count;
  s.height = frames[0].height;
  s.rgb.assign(static_cast<size_t>(s.width) * s.height * 3, 0);
  for (int f = 0; f < count; ++f)
    for (int y = 0; y < s.height; ++y)
      std::copy_n(&frames[f].rgb[static_cast<size_t>(y) * frames[f].width * 3], frames[f].width * 3,
                  &s.rgb[(static_cast<size_t>(y) * s.width + f * frames[0].width) * 3]);
  return s;
}

void setColour(cairo_t* cr, Rgb c, double a) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb shade(Rgb c, double f) {
  auto cl = [](double v) { return std::clamp(v, 0.0, 1.0); };
  return {cl(c.r * f), cl(c.g * f), cl(c.b * f)};
}

uint32_t hash32(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

double valueNoise(double x, double y, uint32_t salt) {
  double fx = std::floor(x), fy = std::floor(y);
  int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
  double tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  auto at = [&](int32_t a, int32_t b) {
    return (hash32(static_cast<uint32_t>(a) * 73856093U ^ static_cast<uint32_t>(b) * 19349663U ^ salt) & 0xffff) / 65536.0;
  };
  double v0 = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
  double v1 = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
  return v0 + (v1 - v0) * ty;
}

void writePng(const Picture& p, const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, p.width, p.height);
  unsigned char* d = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < p.height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(d + static_cast<size_t>(y) * stride);
    for (int x = 0; x < p.width; ++x) {
      const uint8_t* c = &p.rgb[(static_cast<size_t>(y) * p.width + x) * 3];
      row[x] = 0xff000000u | (uint32_t(c[0]) << 16) | (uint32_t(c[1]) << 8) | c[2];
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_status_t st = cairo_surface_write_to_png(s, path.c_str());
  cairo_surface_destroy(s);
  if (st != CAIRO_STATUS_SUCCESS) throw GameError("cannot write " + path);
}

void drawText(cairo_t* cr, const std::string& text, double cx, double y, double size, bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, y);
  cairo_show_text(cr, text.c_str());
}

}  // namespace fg
