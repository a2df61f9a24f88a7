#pragma once
// Cairo drawing helpers shared by the course pictures: an owned image
// surface, conversion to the archive's pictures, and a tiny deterministic
// noise so every build writes the same bytes.
#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>

#include "media/picture.h"

namespace fg {

struct Rgb { double r, g, b; };

class Layer {
 public:
  Layer(int w, int h);
  ~Layer();
  Layer(const Layer&) = delete;
  Layer& operator=(const Layer&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return w_; }
  int height() const { return h_; }
  // Direct pixel access (premultiplied ARGB, native endian); flushes first.
  uint32_t* row(int y);
  void markDirty();

 private:
  int w_, h_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Opaque conversion: every pixel kept, alpha ignored.
Picture toPicture(Layer& l);
// Keyed conversion for sprites: pixels under half coverage become the black
// key; kept pixels are nudged off black so the 16-bit copy never keys them.
Picture toKeyedPicture(Layer& l);
// Copies a rectangle of a picture (outside parts black).
Picture cropPicture(const Picture& p, int x, int y, int w, int h);
// Lays pictures of equal size side by side as animation patterns.
Picture stripOf(const Picture* frames, int count);

void setColour(cairo_t* cr, Rgb c, double a = 1.0);
Rgb mix(Rgb a, Rgb b, double t);
Rgb shade(Rgb c, double f);

// Smooth value noise in [0, 1) from integer lattice hashes; same input, same
// output on every machine.
double valueNoise(double x, double y, uint32_t salt);
uint32_t hash32(uint32_t x);

// Writes a PNG of the picture (contact sheet, previews).
void writePng(const Picture& p, const std::string& path);

void drawText(cairo_t* cr, const std::string& text, double cx, double y, double size, bool bold);

}  // namespace fg
