#pragma once
// The sprite blitter: keyed copies, nearest-pixel stretches and the three
// blends on 16-bit surfaces. Each draw picks one routine specialised for its
// blend, keying, source format and destination format, so the pixel loops
// never choose a mode per pixel.
#include <cstdint>

#include "media/rect.h"
#include "media/surface.h"

namespace fg {

class OpaqueRuns;

enum class BlendOp : uint8_t { Copy, Additive, Blended, Subtractive };

struct BlitSource {
  const Surface* image = nullptr;  // the uploaded picture
  Rect rect;                       // the pattern inside it
  bool keyed = false;
  uint16_t key = 0;  // raw source value that is not drawn when keyed
  // The picture's opaque runs for this key, when it has them, and the
  // pattern column `rect` lies in.
  const OpaqueRuns* runs = nullptr;
  int32_t runColumn = 0;
};

// Keyed copy of the whole source rectangle with its top-left at (x, y).
void blitCopy(Surface& dst, const BlitSource& src, int32_t x, int32_t y);
// Copy scaled to `dest` (nearest pixel, 16.16 steps).
void blitStretched(Surface& dst, const BlitSource& src, const Rect& dest);
// Blend scaled to `dest`; alpha <= 0 draws nothing, alpha >= 255 uses the
// full-strength form (a plain keyed copy for Blended).
void blitBlend(Surface& dst, const BlitSource& src, const Rect& dest, BlendOp op, int32_t alpha);

// True when a draw into `dest` cannot touch the surface: callers reject such
// draws before working out their source.
inline bool outsideSurface(const Surface& dst, const Rect& dest) {
  return dest.right <= 0 || dest.bottom <= 0 || dest.left >= dst.width || dest.top >= dst.height ||
         dest.right <= dest.left || dest.bottom <= dest.top;
}

// The pixel loops exist for SSE2 and, where the processor has it, AVX2. The
// wider one is chosen at start-up; FAIRGLADE_BLIT=sse2 in the environment
// forces the narrow one. Both give the same pixels.
enum class BlitPath : uint8_t { Sse2, Avx2 };
BlitPath blitPath();
bool blitPathAvailable(BlitPath path);
// For tests and benchmarks; a path the machine lacks is ignored.
void setBlitPath(BlitPath path);

}  // namespace fg
