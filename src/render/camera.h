#pragma once
// The camera: which part of the hole picture is on screen this frame.
#include <cstdint>

#include "media/surface.h"
#include "state/game_state.h"

namespace fg {

// Follow mode keeps the drawn ball this far from every screen edge.
constexpr int32_t kFollowMargin = 128;

// One frame of the camera on a drawing area the size of `back`, over a hole
// picture of courseW x courseH: pending re-centre, follow or free scroll,
// clamping, and for a course smaller than the screen the black border (the
// whole of `back` is filled) and the centring.
void updateCamera(GameState& gs, Surface& back, int32_t courseW, int32_t courseH);

}  // namespace fg
