#pragma once
// Turning the ball away from a wall, with the force-field feedback for a
// ball that hits a wall high in the air.
#include <cstdint>

#include "state/game_state.h"
#include "sim/sim_host.h"

namespace fg {

// code: -1 reverse, or the byte angle whose negative is the mirror line
// (0, 19, 32, 64, 96, 109). 19 and 109 are the 2:1 diagonals and go through
// the mirror table.
void WallBounce(GameState& gs, SimHost& host, int32_t code);

// The mirror angle used for a code at the ball's current direction.
int32_t mirrorCode(int32_t code, int32_t ball_angle);

}  // namespace fg
