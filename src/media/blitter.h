#pragma once
// The sprite blitter: keyed copies, nearest-pixel stretches and the three
// blends on 16-bit surfaces. Each draw picks one routine specialised for its
// blend, keying, source format and destination format, so the pixel loops
// never choose a mode per pixel.
#include <cstdint>

#include "media/rect.h"
#include "media/surface.h"

namespace fg {

enum class BlendOp : uint8_t { Copy, Additive, Blended, Subtractive };

struct BlitSource {
  const Surface* image = nullptr;  // the uploaded picture
  Rect rect;                       // the pattern inside it
  bool keyed = false;
  uint16_t key = 0;  // raw source value that is not drawn when keyed
};

// Keyed copy of the whole source rectangle with its top-left at (x, y).
void blitCopy(Surface& dst, const BlitSource& src, int32_t x, int32_t y);
// Copy scaled to `dest` (nearest pixel, 16.16 steps).
void blitStretched(Surface& dst, const BlitSource& src, const Rect& dest);
// Blend scaled to `dest`; alpha <= 0 draws nothing, alpha >= 255 uses the
// full-strength form (a plain keyed copy for Blended).
void blitBlend(Surface& dst, const BlitSource& src, const Rect& dest, BlendOp op, int32_t alpha);

}  // namespace fg
