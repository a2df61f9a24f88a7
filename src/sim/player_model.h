#pragma once
// A model of people playing a hole: at every rest the player takes the
// solver's choice of shot and plays it with the errors of his skill, an
// angle and a strength a little off, through the real simulation, until the
// ball drops or ten strokes are spent. Many rounds give the strokes a hole
// really costs, which sets the pars and the order of the holes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sim/solver.h"

namespace fg {

enum class Skill { Casual, Good, Expert };

HandNoise skillNoise(Skill skill);
const char* skillName(Skill skill);
// "casual", "good" or "expert"; false for anything else.
bool skillFromName(const std::string& name, Skill& skill);

// One shot as a player made it, for course authors looking for where a
// hole punishes a shaky hand.
struct ShotRecord {
  int round = 0;
  int32_t strokes = 0;        // counted after the shot
  double from_x = 0, from_y = 0;
  PullShot aimed, played;
  PuttEnd end = PuttEnd::Rest;
  double to_x = 0, to_y = 0;  // where it rested
};

struct PlayerOptions {
  Skill skill = Skill::Good;
  int rounds = 20;
  uint32_t seed = 1;
  int max_strokes = 10;
  // Coarser than the solver's own search: a player's plan need not be the
  // very best, and a whole course of rounds must stay quick.
  SolverOptions plan = coarsePlan();
  std::function<void(const ShotRecord&)> on_shot;  // told of every shot when set
  static SolverOptions coarsePlan();
};

struct RoundResult {
  int32_t strokes = 0;        // on this hole, when the ball dropped or the player gave up
  bool holed = false;
  int32_t worst_at_rest = -99;  // most strokes over par at a rest, counted once par is used up
};

struct HoleReport {
  std::string hole;
  int32_t par = 0;
  std::vector<RoundResult> rounds;
  double mean = 0;            // strokes
  double spread = 0;          // standard deviation of the strokes
  double game_over_share = 0; // rounds ending in GAME OVER when the hole is a game's first
  int64_t putts_tried = 0;    // by the planner
};

// Plays `rounds` rounds of hole `name` from folder (hole files); round r
// scatters the start with its own seed, so results depend only on the options.
HoleReport playHole(const std::string& folder, const std::string& name, const PlayerOptions& opt);

// The share of rounds in which a game over these holes, played in order,
// ends in GAME OVER: the score counted as the game counts it, round r of
// every hole making round r of the game. All reports need equal rounds.
double gameOverShare(const std::vector<HoleReport>& holes);

}  // namespace fg
