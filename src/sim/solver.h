#pragma once
// A course solver: from any game state with the ball at rest, it searches
// pull putts with the real simulation and returns a shortest run of them that
// holes out. Used by "fgcourse solve", the course tests and the tests that
// play the whole game with the mouse.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "sim/putt_runner.h"

namespace fg {

// One pull putt as the player makes it: the pointer is dragged from the
// parking point by (drag_x, drag_y) and released there. The ball leaves the
// opposite way at the rounded drag length / 40, at most 4.
struct PullShot {
  int32_t drag_x = 0, drag_y = 0;
  int32_t angle = 0;   // byte angle the drag gives the ball
  double speed = 0;    // speed the drag gives the ball
};

// The shot a drag of (dx, dy) pixels makes.
PullShot pullShotFromDrag(int32_t dx, int32_t dy);
// The drags that give exactly `angle` with a length as close to
// `speed` × 40 as the pixel grid allows (lengths up to 160).
PullShot pullShotFor(int32_t angle, double speed);

struct SolverOptions {
  int max_strokes = 6;     // deepest search
  int beam = 8;            // rest positions kept per depth
  int angle_step = 2;      // byte-angle spacing of the tried shots
  std::vector<double> speeds = {0.35, 0.55, 0.8, 1.05, 1.35, 1.7, 2.05, 2.5, 3.0, 3.5, 4.0};
  int threads = 2;
  PuttLimits limits{3000, 32};
};

struct Solution {
  bool solved = false;
  std::vector<PullShot> shots;
  int32_t strokes = 0;      // strokes counted on the way (a bonus takes one off)
  int64_t putts_tried = 0;
};

// Searches from `start` (ball at rest on its hole). The state is copied; the
// caller's state and its random seed are left alone.
Solution solveFrom(const GameState& start, const SolverOptions& opt = {});

// How unsteady a player's hand is: the spread of his aim in byte-angle
// units and of his strength as a share of the speed he meant.
struct HandNoise {
  double angle_sigma = 0;
  double speed_share = 0;
};

// The shot a hand actually plays when it means `aim` and errs by `za` and
// `zs` standard deviations: whole byte angles, and the drag's whole pixels.
PullShot playedShot(const PullShot& aim, double za, double zs, const HandNoise& hand);

// The solver's choice of one next shot, for a player who then plays it with
// his own errors. From a rest it tries coarse shots in every direction
// (opt.angle_step, opt.speeds), then a finer grid round the best few. The
// few best holing shots (most holing neighbours first) and the few that
// leave the ball nearest the cup by the way round are then each played over
// a fixed spread of the player's own errors, and the one that does best on
// average is taken: a shaky hand lays up where a narrow way in would punish
// its misses. Choices are remembered per few-pixel spot, so a player coming
// back to a spot plays the same shot.
class ShotPlanner {
 public:
  ShotPlanner(const GameState& hole, const SolverOptions& opt, HandNoise hand);
  ~ShotPlanner();
  ShotPlanner(const ShotPlanner&) = delete;
  ShotPlanner& operator=(const ShotPlanner&) = delete;

  // `fresh` plans again from exactly here instead of taking the spot's
  // remembered shot: for a player whose last shot from this spot failed.
  PullShot choose(const GameState& at, bool fresh = false);
  int64_t puttsTried() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Convenience for tools: a fresh game state on hole `name` read from
// `folder`, with the ball dropped in and settled, as a player first sees it.
// `seed` starts the game's random generator, which scatters the ball's start.
GameState settledHoleStart(const std::string& folder, const std::string& name, int32_t frame_skip = 1,
                           uint32_t seed = 0);

}  // namespace fg
