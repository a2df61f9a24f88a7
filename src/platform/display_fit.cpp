#include "platform/display_fit.h"

#include <algorithm>
#include <cstdint>

namespace fg {

Rect fitPicture(int outW, int outH, int w, int h, bool sharpPixels) {
  if (outW <= 0 || outH <= 0 || w <= 0 || h <= 0) return Rect{};
  int64_t vw = 0, vh = 0;
  int whole = std::min(outW / w, outH / h);
  if (sharpPixels && whole >= 1) {
    vw = static_cast<int64_t>(w) * whole;
    vh = static_cast<int64_t>(h) * whole;
  } else if (static_cast<int64_t>(outW) * h <= static_cast<int64_t>(outH) * w) {
    // Width decides; a whole-number scale is just the case where it divides.
    vw = outW;
    vh = std::max<int64_t>(1, (static_cast<int64_t>(h) * outW + w / 2) / w);
  } else {
    vh = outH;
    vw = std::max<int64_t>(1, (static_cast<int64_t>(w) * outH + h / 2) / h);
  }
  auto left = static_cast<int32_t>((outW - vw) / 2), top = static_cast<int32_t>((outH - vh) / 2);
  return Rect{left, top, left + static_cast<int32_t>(vw), top + static_cast<int32_t>(vh)};
}

}  // namespace fg
