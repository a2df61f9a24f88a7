#pragma once
// The area loop that closes every sub-step, and the effects of the area kinds.
#include <cstdint>

#include "state/game_state.h"
#include "sim/sim_host.h"

namespace fg {

// Walks areas 1 … 99 in order and applies the effect of each area the ball
// is in; also bounces the ball off the end points of wall segments.
void AreaLoop(GameState& gs, SimHost& host);

// Whether the ball's rounded ground position lies in the area's shape.
bool ballInside(const GameState& gs, const arearec& a);

// The effect of area n (1 … 99) on the ball, without the inside test.
void applyAreaEffect(GameState& gs, SimHost& host, int32_t n);

// Effects by theme (area_hazards.cpp, area_objects.cpp).
void cupEffect(GameState& gs, SimHost& host, int32_t n);
void tunnelEffect(GameState& gs, SimHost& host, int32_t n);
void launcherEffect(GameState& gs, SimHost& host, const arearec& a);
void waterEffect(GameState& gs, SimHost& host, const arearec& a);
void teleporterEffect(GameState& gs, SimHost& host, const arearec& a);
void landMineEffect(GameState& gs, SimHost& host);
void bumpyGroundEffect(GameState& gs, SimHost& host, const arearec& a);
void kickerEffect(GameState& gs);
void ledgeEffect(GameState& gs, const arearec& a);
void sleeperEffect(GameState& gs, SimHost& host);

void setNameEffect(GameState& gs, const arearec& a);
void switchEffect(GameState& gs, SimHost& host, const arearec& a);
void ballShadeEffect(GameState& gs, const arearec& a);
void bonusStrokeEffect(GameState& gs, SimHost& host, int32_t n);

}  // namespace fg
