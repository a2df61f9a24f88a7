#pragma once
// Drawing pictures with Cairo and turning them into the game's pictures.
// Every content tool draws into a CairoImage, then converts it: opaque over
// black, keyed (black is the colour key, so dark pixels are lifted off it),
// or cut into patterns and laid out in the grid an image item expects.
#include <cairo/cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "media/picture.h"

namespace fg {

struct Rgb {
  double r = 0, g = 0, b = 0;  // 0..1
  Rgb mix(const Rgb& o, double t) const { return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t}; }
  Rgb scaled(double k) const { return {r * k, g * k, b * k}; }
};
// Lighter or darker by `f`, each channel kept within 0..1.
Rgb shade(const Rgb& c, double f);
Rgb rgbFromHex(unsigned hex);  // 0xRRGGBB

// An ARGB Cairo surface with its context; cleared to transparent black.
class CairoImage {
 public:
  CairoImage(int width, int height);
  ~CairoImage();
  CairoImage(const CairoImage&) = delete;
  CairoImage& operator=(const CairoImage&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  // Straight (not premultiplied) colour and alpha of one pixel, 0..255.
  void pixel(int x, int y, int& r, int& g, int& b, int& a) const;
  void setPixel(int x, int y, int r, int g, int b, int a);
  // Direct access to a row of premultiplied ARGB pixels for per-pixel
  // passes; call markDirty() when done writing.
  uint32_t* row(int y);
  void markDirty();

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

void setSource(cairo_t* cr, const Rgb& c, double alpha = 1.0);

// The image composited over black: for opaque pictures and additive sprites.
Picture toPicture(const CairoImage& img);
// Pixels below the alpha threshold become the black key; the others keep
// their straight colour, lifted so they never equal the key after the
// display's 16-bit conversion.
Picture toKeyedPicture(const CairoImage& img, int alphaThreshold = 128);
// The darkest colour a keyed sprite may use: survives 5-5-5 and 5-6-5.
void liftOffKey(uint8_t& r, uint8_t& g, uint8_t& b);

// Copies `src` into `dst` at (x, y), clipped.
void pastePicture(Picture& dst, const Picture& src, int x, int y);
Picture blankPicture(int width, int height, uint8_t r = 0, uint8_t g = 0, uint8_t b = 0);
// Lays equal-sized patterns out row by row, `columns` to a row.
Picture gridOfPatterns(const std::vector<Picture>& patterns, int columns);
// Copies a rectangle of a picture; parts outside it are black.
Picture cropPicture(const Picture& p, int x, int y, int w, int h);

// Rounded rectangle path.
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// One line of text in Cairo's own sans face, centred on cx, baseline at y.
void drawCentredText(cairo_t* cr, const std::string& text, double cx, double y, double size, bool bold);

}  // namespace fg
