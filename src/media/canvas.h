#pragma once
// The back buffer's drawing canvas, with the classic desktop canvas rules: a
// line leaves out its last pixel, an ellipse outline lies inside its bounding
// box, and the brush is transparent so only outlines are drawn.
#include <cstdint>
#include <utility>

#include "media/pixel_format.h"
#include "media/surface.h"

namespace fg {

class Canvas {
 public:
  explicit Canvas(Surface& target);
  void setPenColor(uint32_t bgr);  // 0x00BBGGRR
  void setBrushClear();            // transparent brush (outlines only)
  void moveTo(int x, int y);
  void lineTo(int x, int y);
  void setPixel(int x, int y, uint32_t bgr);
  void ellipse(int left, int top, int right, int bottom);
  void polyline(const std::pair<int, int>* pts, int n);

  int penX() const { return penX_; }
  int penY() const { return penY_; }

 private:
  void plot(int x, int y, uint16_t value);

  Surface* target_;
  uint32_t penColor_ = 0;
  uint16_t penPixel_ = 0;
  int penX_ = 0, penY_ = 0;
};

// Sets every pixel of the surface to a value in the surface's own format.
void fillSurface(Surface& s, uint16_t value);

}  // namespace fg
