// Putts swept over every hole through the real simulation: no ball may come
// to rest outside its hole, and every cup takes most putts aimed at it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "course_list.h"
#include "hole_source.h"
#include "sim/geometry.h"
#include "sim/putt_runner.h"
#include "sim/recording_host.h"
#include "sim/solver.h"
#include "test_paths.h"

namespace fg {
namespace {

const PuttLimits kLimits{3000, 32};

bool isWall(const arearec& a) {
  return a.enabled && a.r < 1 && a.x3 == 0 && a.x4 == 0 &&
         (a.kind == 1 || a.kind == 2 || a.kind == 3 || a.kind == 4 || a.kind == 6 || a.kind == 7);
}

// The ball resting on the spot, the rest of the state as the hole began.
GameState restingAt(const GameState& start, double x, double y) {
  GameState gs = start;
  gs.ball_x = gs.ball_prev_x = x;
  gs.ball_y = gs.ball_prev_y = y;
  gs.ball_z = gs.ball_vz = gs.ball_speed = 0;
  gs.ball_airborne = gs.ball_moving = false;
  return gs;
}

class HoleSweep : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    start_ = settledHoleStart(test::gameDir(), GetParam());
    src_ = loadHoleSource(fg::test::testDataDir() + "/../content/holes/" + GetParam() + ".txt");
    host_.setRecording(false);
  }
  // Off the picture, or off every mown fairway: beyond the walls, on grass
  // no shot can bring it back from. A ball touching a wall from inside lies
  // on its line, so a few pixels' edge counts as inside.
  bool outside(const GameState& gs) const {
    if (gs.ball_x < 0 || gs.ball_y < 0 || gs.ball_x >= src_.width || gs.ball_y >= src_.height) return true;
    for (const std::vector<int32_t>& f : src_.fairways)
      if (onFairway(f, gs.ball_x, gs.ball_y)) return false;
    return true;
  }
  static bool onFairway(const std::vector<int32_t>& p, double x, double y) {
    bool in = false;
    for (size_t i = 0, j = p.size() - 2; i + 1 < p.size(); j = i, i += 2) {
      const double xi = p[i], yi = p[i + 1], xj = p[j], yj = p[j + 1];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
      const double len2 = (xj - xi) * (xj - xi) + (yj - yi) * (yj - yi);
      const double t = len2 > 0 ? std::clamp(((x - xi) * (xj - xi) + (y - yi) * (yj - yi)) / len2, 0.0, 1.0) : 0;
      if (std::hypot(x - xi - t * (xj - xi), y - yi - t * (yj - yi)) < 6) return true;
    }
    return in;
  }
  GameState start_;
  HoleSource src_;
  RecordingHost host_;
};

// Every 8th angle at six speeds, from the tee and from eight resting points
// spread over the hole (each the farthest from those already taken).
TEST_P(HoleSweep, NoBallRestsOutsideTheHole) {
  std::vector<std::pair<double, double>> rests;
  std::ostringstream escapes;
  int escaped = 0;
  auto sweepFrom = [&](const GameState& from) {
    for (int32_t a = 0; a < 256; a += 8)
      for (double speed : {0.5, 1.2, 1.9, 2.6, 3.3, 4.0}) {
        GameState gs = from;
        if (runPutt(gs, host_, a, speed, kLimits).end != PuttEnd::Rest) continue;
        if (!outside(gs)) {
          rests.emplace_back(gs.ball_x, gs.ball_y);
        } else if (++escaped <= 3) {
          escapes << " from (" << from.ball_x << ", " << from.ball_y << ") angle " << a << " speed " << speed
                  << " rests at (" << gs.ball_x << ", " << gs.ball_y << ");";
        }
      }
  };
  sweepFrom(start_);
  std::vector<std::pair<double, double>> spots{{start_.ball_x, start_.ball_y}};
  const std::vector<std::pair<double, double>> fromTee = rests;
  for (int k = 0; k < 8 && !fromTee.empty(); ++k) {
    double best = -1;
    std::pair<double, double> pick;
    for (const auto& r : fromTee) {
      double nearest = 1e18;
      for (const auto& s : spots) nearest = std::min(nearest, std::hypot(r.first - s.first, r.second - s.second));
      if (nearest > best) {
        best = nearest;
        pick = r;
      }
    }
    spots.push_back(pick);
    sweepFrom(restingAt(start_, pick.first, pick.second));
  }
  EXPECT_EQ(escaped, 0) << GetParam() << " (" << src_.width << "x" << src_.height << "):" << escapes.str();
}

// Twelve directions, four speeds from 0.8 to 2, from 40 pixels out; a
// direction whose way in crosses a wall or starts off the hole is left out.
TEST_P(HoleSweep, CupsTakeMostPuttsAimedAtThem) {
  for (int n = 1; n <= kAreaCount; ++n) {
    const arearec& cup = start_.areas[n];
    if (!cup.enabled || cup.kind != 5) continue;
    int tried = 0, taken = 0;
    for (int k = 0; k < 12; ++k) {
      const int32_t a = k * 256 / 12;
      const double x = cup.x1 - 40 * ByteCos(a), y = cup.y1 - 40 * ByteSin(a);
      bool blocked = x < 0 || y < 0 || x >= src_.width || y >= src_.height;
      for (int step = 0; step <= 40 && !blocked; step += 2)
        for (int w = 1; w <= kAreaCount && !blocked; ++w)
          blocked = isWall(start_.areas[w]) &&
                    OnWall(start_.areas[w].x1, start_.areas[w].y1, start_.areas[w].x2, start_.areas[w].y2,
                           static_cast<int32_t>(std::lround(x + step * ByteCos(a))),
                           static_cast<int32_t>(std::lround(y + step * ByteSin(a))));
      if (blocked) continue;
      for (double speed : {0.8, 1.2, 1.6, 2.0}) {
        GameState gs = restingAt(start_, x, y);
        ++tried;
        taken += runPutt(gs, host_, a, speed, kLimits).end == PuttEnd::Holed && gs.holed_area == n;
      }
    }
    EXPECT_GE(tried, 24) << GetParam() << " cup " << n << ": too few ways in to judge";
    EXPECT_GE(taken * 2, tried) << GetParam() << " cup " << n << " takes " << taken << " of " << tried;
  }
}

INSTANTIATE_TEST_SUITE_P(Holes, HoleSweep, ::testing::ValuesIn(test::allHoles()),
                         [](const ::testing::TestParamInfo<std::string>& i) { return i.param; });

}  // namespace
}  // namespace fg

namespace fg {
namespace {

// A full-speed tee shot the casual player found: it met the dog-leg's corner
// where the walls turn, slipped out past it and rolled off over the grass
// beyond the fence, still inside the picture, where the sweep above does not
// look. The corner is bevelled now.
TEST(HoleEscapes, TheDogLegCornerHoldsAFullSpeedShot) {
  GameState gs = settledHoleStart(test::gameDir(), "course1hole1", 1, 8386239);
  RecordingHost host;
  host.setRecording(false);
  ASSERT_EQ(runPutt(gs, host, 30, 4.0, kLimits).end, PuttEnd::Rest);
  EXPECT_GE(gs.ball_y, 120) << "rests at (" << gs.ball_x << ", " << gs.ball_y << "), above the fence";
}

}  // namespace
}  // namespace fg
