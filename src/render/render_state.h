#pragma once
// What the drawing keeps from one frame to the next besides the game state.
#include <cstdint>

namespace fg {

struct RenderState {
  // Quarter patterns owed to the effects: above 60 frames per second the
  // whole-number step 60 / rate is 0, so the remainder is carried from frame
  // to frame and the animations keep their 15 patterns per second.
  int32_t effect_carry = 0;
};

}  // namespace fg
