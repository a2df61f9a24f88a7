#pragma once
// One row of a blit where source and destination advance together: the
// common case (unscaled draws and keyed copies), vectorised with SSE2 where
// the compiler offers it, with a scalar tail that uses the same arithmetic.
#include <cstdint>

#include "media/blend_ops.h"

namespace fg::rows {

template <typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline void blendRowScalar(uint16_t* d, const uint16_t* s, int n, uint16_t key, int a) {
  for (int x = 0; x < n; ++x) {
    uint16_t p = s[x];
    if (Keyed && p == key) continue;
    d[x] = blend::apply<Op, SF, DF>(p, d[x], a);
  }
}

template <typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline void blendRow(uint16_t* d, const uint16_t* s, int n, uint16_t key, int a) {
  blendRowScalar<Op, Keyed, SF, DF>(d, s, n, key, a);
}

}  // namespace fg::rows
