#include "media/canvas.h"

#include <algorithm>
#include <cstdlib>

namespace fg {

Canvas::Canvas(Surface& target) : target_(&target) { penPixel_ = colorToPixel(penColor_, target.format); }

void Canvas::setPenColor(uint32_t bgr) {
  penColor_ = bgr;
  penPixel_ = colorToPixel(bgr, target_->format);
}

// Only outlines are ever drawn, so the brush needs no state of its own.
void Canvas::setBrushClear() {}

void Canvas::moveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

void Canvas::plot(int x, int y, uint16_t value) {
  if (x >= 0 && y >= 0 && x < target_->width && y < target_->height) target_->row(y)[x] = value;
}

void Canvas::setPixel(int x, int y, uint32_t bgr) { plot(x, y, colorToPixel(bgr, target_->format)); }

// Bresenham from the pen to (x, y), leaving out the end point; the pen moves
// there. On a tie the minor coordinate waits one more step.
void Canvas::lineTo(int x, int y) {
  const int64_t dx = std::llabs(int64_t{x} - penX_), dy = std::llabs(int64_t{y} - penY_);
  const int sx = penX_ < x ? 1 : -1, sy = penY_ < y ? 1 : -1;
  // Coordinates come from data files too; absurd lengths are not walked.
  constexpr int64_t kMaxLength = int64_t{1} << 24;
  if (dx <= kMaxLength && dy <= kMaxLength) {
    const bool xMajor = dx >= dy;
    const int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    int64_t px = penX_, py = penY_, err = 2 * minor - major;
    const int64_t w = target_->width, h = target_->height;
    for (int64_t i = 0; i < major; ++i) {
      if (px >= 0 && py >= 0 && px < w && py < h) target_->row(static_cast<int>(py))[px] = penPixel_;
      // Once the line has left the surface moving away from it, it is done.
      if ((px < 0 && sx < 0 && xMajor) || (px >= w && sx > 0 && xMajor) || (py < 0 && sy < 0 && !xMajor) ||
          (py >= h && sy > 0 && !xMajor))
        break;
      if (err > 0) {
        if (xMajor) py += sy;
        else px += sx;
        err -= 2 * major;
      }
      err += 2 * minor;
      if (xMajor) px += sx;
      else py += sy;
    }
  }
  moveTo(x, y);
}

void Canvas::polyline(const std::pair<int, int>* pts, int n) {
  if (!pts || n < 2) return;
  const int keepX = penX_, keepY = penY_;
  moveTo(pts[0].first, pts[0].second);
  for (int i = 1; i < n; ++i) lineTo(pts[i].first, pts[i].second);
  moveTo(keepX, keepY);
}

// The outline of the ellipse inscribed in the box [left, right) x [top, bottom).
void Canvas::ellipse(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (int64_t{right} - left < 1 || int64_t{bottom} - top < 1) return;
  // Boxes far larger than any surface are not worth the walk round them.
  constexpr int64_t kMaxSide = 1 << 16;
  if (int64_t{right} - left > kMaxSide || int64_t{bottom} - top > kMaxSide) return;
  int64_t x0 = left, y0 = top, x1 = int64_t{right} - 1, y1 = int64_t{bottom} - 1;
  int64_t a = x1 - x0, b = y1 - y0, b1 = b & 1;
  int64_t dx = 4 * (1 - a) * b * b, dy = 4 * (b1 + 1) * a * a;
  int64_t err = dx + dy + b1 * a * a;
  y0 += (b + 1) / 2;
  y1 = y0 - b1;
  a *= 8 * a;
  b1 = 8 * b * b;
  auto put = [this](int64_t px, int64_t py) {
    if (px >= 0 && py >= 0 && px < target_->width && py < target_->height)
      target_->row(static_cast<int>(py))[px] = penPixel_;
  };
  do {
    put(x1, y0), put(x0, y0), put(x0, y1), put(x1, y1);
    const int64_t e2 = 2 * err;
    if (e2 <= dy) y0++, y1--, err += dy += a;
    if (e2 >= dx || 2 * err > dy) x0++, x1--, err += dx += b1;
  } while (x0 <= x1);
  while (y0 - y1 <= b) {  // the tips of very thin ellipses
    put(x0 - 1, y0), put(x1 + 1, y0++);
    put(x0 - 1, y1), put(x1 + 1, y1--);
  }
}

void fillSurface(Surface& s, uint16_t value) { std::fill(s.pixels.begin(), s.pixels.end(), value); }

}  // namespace fg
