#pragma once
// The animated effect slots of the playing field: drawn from slot 45 down to
// 0 so lower slots end up on top, then advanced and ended.
#include <cstdint>

#include "media/image_list.h"
#include "media/surface.h"
#include "state/game_state.h"

namespace fg {

// Quarter patterns every effect advances this frame at the measured rate.
// From 15 to 60 frames per second it is 60 / rate, below 15 one whole
// pattern; above 60 the remainder of 60 / rate is carried in `carry` from
// frame to frame, so effects still run at about 15 patterns per second and
// every non-looping one ends.
int32_t effectAdvance(int32_t framesPerSecond, int32_t& carry);

// Draws every effect slot that is not empty, then advances it by `advance`
// quarter patterns and ends or restarts it after its last pattern.
void drawEffects(GameState& gs, const ImageList& course, Surface& back, int32_t advance);

}  // namespace fg
