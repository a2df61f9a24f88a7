// Hole values at the very ends of the 32-bit range: the simulation wraps, and
// the tools built on it must not overflow where it does not.
#include <gtest/gtest.h>

#include <cstdint>

#include "sim/solver.h"

namespace fg {
namespace {

TEST(ExtremeValues, SolverMapsAreasAtTheEndsOfTheRange) {
  GameState gs;
  arearec& wall = gs.areas[1];
  wall.kind = 1;
  wall.enabled = true;
  wall.x1 = INT32_MAX, wall.y1 = 10, wall.x2 = INT32_MAX, wall.y2 = 20;
  arearec& round = gs.areas[2];
  round.kind = 23;
  round.enabled = true;
  round.x1 = INT32_MIN, round.y1 = 10, round.r = 10;
  arearec& cup = gs.areas[3];
  cup.kind = 5;
  cup.enabled = true;
  cup.x1 = 60, cup.y1 = 40, cup.r = 8;
  gs.ball_x = 40, gs.ball_y = 40;
  gs.ball_moving = false;
  gs.ball_airborne = false;
  SolverOptions o;
  o.max_strokes = 1;
  o.speeds = {1.0};
  o.angle_step = 64;
  o.threads = 1;
  solveFrom(gs, o);  // the sanitizer run fails here when a bound overflows
}

}  // namespace
}  // namespace fg
