#pragma once
// Running a putt to its end on a copy of the game state: the strike of the
// putting code, then whole frames (sub-steps, the splash running out, the
// tunnel and water sequences) until the ball rests, drops into the cup or a
// frame limit is reached. For course tools that search for good putts.
#include <cstdint>

#include "state/game_state.h"
#include "sim/sim_host.h"

namespace fg {

// The strike that hands the ball to the simulation: counts the stroke when
// the ball leaves faster than 0.005, lifts a ball struck from a drag area,
// plays the putter sound (pull putt, sound on) and centres the cursor.
// ball_angle and ball_speed must already hold the shot.
void strikeBall(GameState& gs, SimHost& host, bool pull_putt);

// Stands in for the renderer's ageing of the water splash in slot 26: the
// slot empties after `frames` frames.
class SplashClock {
 public:
  explicit SplashClock(int32_t frames = 32) : frames_(frames) {}
  void age(GameState& gs);

 private:
  int32_t frames_;
  int32_t age_ = 0;
};

struct PuttLimits {
  int64_t max_frames = 20000;
  int32_t splash_frames = 32;
};

enum class PuttEnd { Rest, Holed, Limit };

struct PuttOutcome {
  PuttEnd end = PuttEnd::Limit;
  int64_t frames = 0;
  int64_t substeps = 0;
};

// Strikes a pull putt at (angle, speed) from gs and runs frames of
// gs.frame_skip + 1 sub-steps. Stops as soon as the ball is holed (before
// the cup sequence would load the next hole) or rests on the course.
PuttOutcome runPutt(GameState& gs, SimHost& host, int32_t angle, double speed,
                    const PuttLimits& limits = {});

}  // namespace fg
