#include "sim/hole_start.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "sim/ball_step.h"
#include "sim/hole_file.h"
#include "sim/hole_flow.h"
#include "sim/ini_text.h"
#include "sim_test_helpers.h"

namespace fg {
namespace {

TEST(HoleStart, FirstRingEffectOfTheRunGoesToSlotZero) {
  GameState gs;
  gs.current_hole = "nowhere";
  RecordingHost host("/nonexistent-folder");
  holeStartState(gs, host, "/nonexistent-folder");
  EXPECT_EQ(gs.effects[0].image, 13);
  EXPECT_EQ(gs.effects[0].blend, 192);
  EXPECT_EQ(gs.effects[0].x, 324 - 17);
  EXPECT_EQ(gs.effects[0].y, 240 - 80 - 28);
  EXPECT_EQ(gs.effect_next, 1);
  holeStartState(gs, host, "/nonexistent-folder");
  EXPECT_EQ(gs.effect_next, 2);
  EXPECT_EQ(gs.effects[1].image, 13);
}

TEST(HoleStart, ResetsAndKeepsWhatItShould) {
  GameState gs = test::groundBall();
  gs.current_hole = "training2";
  gs.in_tunnel = true;
  gs.holed_out = true;
  gs.in_water = true;
  gs.sink_timer = 3;
  gs.ball_prev_x = 77;
  gs.players[2].strokes = 4;
  gs.players[0].total_strokes = 9;
  gs.effects[0].x = 5;
  gs.effects[40].x = 5;
  gs.effects[40].frame = 3;
  RecordingHost host;
  holeStartState(gs, host, "/nonexistent-folder");
  EXPECT_TRUE(gs.in_tunnel);  // only the ride clears it
  EXPECT_FALSE(gs.holed_out);
  EXPECT_FALSE(gs.in_water);
  EXPECT_EQ(gs.sink_timer, 15);
  EXPECT_EQ(gs.ball_prev_x, 77);
  EXPECT_EQ(gs.players[2].strokes, 0);
  EXPECT_EQ(gs.players[0].total_strokes, 9);
  EXPECT_EQ(gs.effects[0].x, 5);
  EXPECT_EQ(gs.effects[40].x, 0);
  EXPECT_EQ(gs.effects[40].frame, 0);
  EXPECT_EQ(gs.ball_z, 80);
  EXPECT_TRUE(gs.ball_moving);
  EXPECT_TRUE(gs.pointer_visible);
  EXPECT_EQ(gs.effects[31].x, 799);
  EXPECT_TRUE(gs.effects[31].looping);
}

TEST(HoleStart, NamesCompareExactly) {
  GameState gs;
  gs.current_hole = "Training1";
  RecordingHost host;
  placeFixedObjects(gs, host);
  for (const EffectSlot& e : gs.effects) EXPECT_EQ(e.x, 0);
}

// Any hole file must play without crashing, whatever its numbers: areas with
// extreme coordinates, odd kinds and shapes, thrown at a moving ball.
TEST(HoleRobustness, RandomAreasNeverCrash) {
  std::mt19937 rng(1234);
  const int32_t extremes[] = {0, 1, -1, 4, 500, -500, 46341, std::numeric_limits<int32_t>::max(),
                              std::numeric_limits<int32_t>::min()};
  auto pick = [&] {
    return rng() % 3 == 0 ? extremes[rng() % 9] : static_cast<int32_t>(rng() % 1200) - 100;
  };
  for (int round = 0; round < 40; ++round) {
    GameState gs = test::groundBall(rng() % 1000, rng() % 1000);
    for (int n = 1; n <= kAreaCount; ++n) {
      arearec& a = gs.areas[n];
      a.kind = static_cast<int32_t>(rng() % 40) - 2;
      a.x1 = pick(); a.y1 = pick(); a.x2 = pick(); a.y2 = pick();
      a.x3 = pick(); a.y3 = pick(); a.x4 = pick(); a.y4 = pick();
      a.r = rng() % 2 ? pick() : 0;
      a.p1 = pick(); a.p2 = pick(); a.p3 = pick(); a.p4 = pick();
      a.enabled = true;
      a.comment = rng() % 2 ? "17" : "x";
    }
    gs.ball_moving = true;
    gs.ball_speed = (rng() % 50) / 10.0;
    gs.ball_angle = pick();
    gs.frame_skip = 4;
    test::RecordingHostNoInit host;
    for (int frame = 0; frame < 300; ++frame) {
      runSimulationSubsteps(gs, host);
      runHoleFlow(gs, host);
      host.events().clear();
    }
    SUCCEED();
  }
}

}  // namespace
}  // namespace fg
