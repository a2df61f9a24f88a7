#pragma once
// One simulation sub-step of the ball: ground motion with the slope force of
// the previous sub-step, friction, water and drag braking, the rest test, the
// vertical bounce and the ramp edges, closed by the area loop.
#include "state/game_state.h"
#include "sim/sim_host.h"

namespace fg {

// Does nothing unless ball_moving. Returns whether it ran.
bool BallSubStep(GameState& gs, SimHost& host);

// The frame's simulation phase: frame_skip + 1 sub-steps (none when
// frame_skip is negative); each does nothing once the ball rests.
void runSimulationSubsteps(GameState& gs, SimHost& host);

// Steps 1 … 15 of the sub-step, without the area loop (exposed for tests).
void ballMotion(GameState& gs, SimHost& host);

}  // namespace fg
