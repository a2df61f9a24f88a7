#pragma once
// Per-pixel blend arithmetic on 8-bit channels widened from 16-bit pixels.
// Kept in one header so the scalar loops and the vector loops agree.
#include <algorithm>
#include <cstdint>

#include "media/pixel_format.h"

namespace fg::blend {

// a is the draw's alpha, 1 … 254 for the partial forms.
struct Copy {
  static uint32_t channel(uint32_t s, uint32_t, int) { return s; }
  static uint32_t blue(uint32_t s, uint32_t, int) { return s; }
};
struct AddFull {
  static uint32_t channel(uint32_t s, uint32_t d, int) { return std::min<uint32_t>(s + d, 255); }
  static uint32_t blue(uint32_t s, uint32_t d, int a) { return channel(s, d, a); }
};
struct AddPart {
  static uint32_t channel(uint32_t s, uint32_t d, int a) { return std::min<uint32_t>(((s * a) >> 8) + d, 255); }
  static uint32_t blue(uint32_t s, uint32_t d, int a) { return channel(s, d, a); }
};
struct BlendPart {
  static uint32_t channel(uint32_t s, uint32_t d, int a) { return (s * a + d * (255 - a)) >> 8; }
  // Blue is computed from the difference; the shift of a negative product
  // rounds towards minus infinity, which the game's pictures rely on.
  static uint32_t blue(uint32_t s, uint32_t d, int a) {
    return static_cast<uint32_t>(static_cast<int32_t>(d) + ((static_cast<int32_t>(s) - static_cast<int32_t>(d)) * a >> 8));
  }
};
struct SubFull {
  static uint32_t channel(uint32_t s, uint32_t d, int) { return d > s ? d - s : 0; }
  static uint32_t blue(uint32_t s, uint32_t d, int a) { return channel(s, d, a); }
};
struct SubPart {
  static uint32_t channel(uint32_t s, uint32_t d, int a) {
    uint32_t t = (s * a) >> 8;
    return d > t ? d - t : 0;
  }
  static uint32_t blue(uint32_t s, uint32_t d, int a) { return channel(s, d, a); }
};

template <typename Op, PixelFormat SF, PixelFormat DF>
inline uint16_t apply(uint16_t s, uint16_t d, int a) {
  using S = PixelTraits<SF>;
  using D = PixelTraits<DF>;
  if constexpr (std::is_same_v<Op, Copy>) {
    if constexpr (SF == DF) return s;
    else return D::pack(S::red(s), S::green(s), S::blue(s));
  } else {
    return D::pack(Op::channel(S::red(s), D::red(d), a), Op::channel(S::green(s), D::green(d), a),
                   Op::blue(S::blue(s), D::blue(d), a));
  }
}

}  // namespace fg::blend
