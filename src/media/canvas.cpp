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

// Bresenham from the pen to (x, y), leaving out the end point; the pen moves there.
void Canvas::lineTo(int x, int y) {
  int64_t x0 = penX_, y0 = penY_;
  const int64_t x1 = x, y1 = y;
  const int64_t dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  // Coordinates come from data files too; absurd lengths are not walked.
  constexpr int64_t kMaxLength = int64_t{1} << 24;
  if (dx > kMaxLength || -dy > kMaxLength) {
    moveTo(x, y);
    return;
  }
  int64_t err = dx + dy;
  const int64_t w = target_->width, h = target_->height;
  while (x0 != x1 || y0 != y1) {
    if (x0 >= 0 && y0 >= 0 && x0 < w && y0 < h) target_->row(static_cast<int>(y0))[x0] = penPixel_;
    // A line far outside the surface has nothing left to draw once it has
    // moved away from it.
    if ((x0 < 0 && sx < 0) || (x0 >= w && sx > 0) || (y0 < 0 && sy < 0) || (y0 >= h && sy > 0)) break;
    const int64_t e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
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
  if (right - left < 1 || bottom - top < 1) return;
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
  while (y0 - y1 < b) {  // the tips of very flat ellipses
    put(x0 - 1, y0), put(x1 + 1, y0++);
    put(x0 - 1, y1), put(x1 + 1, y1--);
  }
}

void fillSurface(Surface& s, uint16_t value) { std::fill(s.pixels.begin(), s.pixels.end(), value); }

}  // namespace fg
