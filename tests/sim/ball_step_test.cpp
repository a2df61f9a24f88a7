#include "sim/ball_step.h"

#include <gtest/gtest.h>

#include <cmath>

#include "case_name.h"
#include "sim/geometry.h"
#include "sim/hole_start.h"
#include "sim_test_helpers.h"
#include "state/sound_items.h"

namespace fg {
namespace {

using test::groundBall;

TEST(BallSubStep, DropFromHoleStartLandsFiveTimes) {
  GameState gs = groundBall();
  resetHoleState(gs);
  RecordingHost host;
  std::vector<int> landings;
  std::vector<double> rebounds;
  int dustBursts = 0;
  int steps = 0;
  while (gs.ball_moving && steps < 1000) {
    ++steps;
    BallSubStep(gs, host);
    for (const SimEvent& e : host.takeEvents()) {
      if (e.kind == SimEvent::Kind::Sound && e.item == kSoundLanding) {
        landings.push_back(steps);
        rebounds.push_back(gs.ball_vz + 0.2);  // before this step's gravity
      }
      if (e.kind == SimEvent::Kind::Particles) {
        ++dustBursts;
        EXPECT_EQ(e.item, 28);
        EXPECT_EQ(e.count, 6);
      }
    }
    if (steps == 1) {
      EXPECT_EQ(gs.ball_angle, 192);  // the zero vector
    }
  }
  EXPECT_EQ(landings, (std::vector<int>{29, 65, 88, 102, 110}));
  ASSERT_EQ(rebounds.size(), 5u);
  EXPECT_NEAR(rebounds[0], 3.64, 1e-9);
  EXPECT_NEAR(rebounds[1], 2.314, 1e-3);
  EXPECT_NEAR(rebounds[2], 1.486, 1e-3);
  EXPECT_EQ(dustBursts, 2);
  EXPECT_FALSE(gs.ball_airborne);
  EXPECT_EQ(steps, 111);  // at rest in the sub-step after the last landing
}

TEST(BallSubStep, PuttAtOneRestsInSubStep200) {
  GameState gs = groundBall();
  gs.ball_moving = true;
  gs.ball_speed = 1.0;
  RecordingHost host;
  int steps = 0;
  while (gs.ball_moving && steps < 1000) {
    ++steps;
    BallSubStep(gs, host);
  }
  EXPECT_EQ(steps, 200);
  EXPECT_EQ(gs.ball_speed, 0.0);
  auto events = host.takeEvents();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().kind, SimEvent::Kind::CursorCentre);
  EXPECT_FALSE(BallSubStep(gs, host));  // at rest: nothing runs
}

TEST(BallSubStep, SlopeKeepsBallMoving) {
  GameState gs = groundBall();
  gs.ball_moving = true;
  gs.slope_angle = 64;
  gs.slope_force = 0.025;
  RecordingHost host;
  ballMotion(gs, host);
  EXPECT_TRUE(gs.ball_moving);
  EXPECT_EQ(gs.ball_angle, 64);
  EXPECT_NEAR(gs.ball_speed, 0.02, 1e-12);
  EXPECT_EQ(gs.slope_angle, 0);  // consumed
}

TEST(BallSubStep, WaterCutsSpeedThenBrakes) {
  GameState gs = groundBall();
  gs.ball_moving = true;
  gs.ball_speed = 3.0;
  gs.in_water = true;
  RecordingHost host;
  ballMotion(gs, host);
  EXPECT_EQ(gs.ball_speed, 0.5);
  ballMotion(gs, host);
  EXPECT_NEAR(gs.ball_speed, 0.5 - 0.005 - 0.065, 1e-12);
}

TEST(BallSubStep, FastEntryIntoDragArea) {
  GameState gs = groundBall();
  gs.ball_moving = true;
  gs.ball_speed = 3.0;
  gs.in_drag_area = true;
  RecordingHost host;
  ballMotion(gs, host);
  EXPECT_EQ(gs.ball_speed, 2.0);
  auto events = host.takeEvents();
  EXPECT_EQ(test::sounds(events), std::vector<int32_t>{kSoundLanding});
  ASSERT_EQ(test::countKind(events, SimEvent::Kind::Particles), 1);
  EXPECT_TRUE(gs.particles[1].dot);
  EXPECT_TRUE(gs.particles[33].shadow);
  EXPECT_EQ(gs.particles[5].colour, 0xD6F4FFu);
  EXPECT_FALSE(gs.in_drag_area);
}

TEST(BallSubStep, SoundOffPlaysNothing) {
  GameState gs = groundBall();
  gs.sound_on = false;
  resetHoleState(gs);
  RecordingHost host;
  for (int i = 0; i < 40; ++i) BallSubStep(gs, host);
  EXPECT_TRUE(test::sounds(host.events()).empty());
}

TEST(BallSubStep, TextureWrap) {
  GameState gs = groundBall();
  gs.ball_moving = true;
  gs.ball_tex_u = 16.3;
  gs.ball_tex_v = 16;
  RecordingHost host;
  ballMotion(gs, host);  // speed 0: vy 0, so only the wrap acts
  EXPECT_NEAR(gs.ball_tex_u, 0.3, 1e-12);
  EXPECT_EQ(gs.ball_tex_v, 16);
}

struct RampCase {
  double speed;
  int32_t angle_after;
  bool airborne;
  double vz;
};

void PrintTo(const RampCase& c, std::ostream* os) {
  *os << "speed " << c.speed;
}
class RampEdgeTest : public ::testing::TestWithParam<RampCase> {};
TEST_P(RampEdgeTest, LeavingPlusRampAt170) {
  GameState gs = groundBall();
  gs.ball_moving = true;
  gs.ball_angle = 170;
  gs.ball_speed = GetParam().speed + 0.005;  // friction of this sub-step
  gs.ramp_tag = 0;
  gs.ramp_tag_prev = 13;
  RecordingHost host;
  ballMotion(gs, host);
  EXPECT_EQ(gs.ball_angle, GetParam().angle_after);
  EXPECT_EQ(gs.ball_airborne, GetParam().airborne);
  EXPECT_NEAR(gs.ball_vz, GetParam().vz, 1e-9);
  EXPECT_EQ(gs.ramp_tag_prev, 0);
}
INSTANTIATE_TEST_SUITE_P(Speeds, RampEdgeTest,
                         ::testing::Values(RampCase{2.5, 157, true, 2.3}, RampCase{1.95, 157, false, 0.0}),
    fg::test::PrintedName());

TEST(RampEdge, TurnOnlyOnceAfterTagChange) {
  GameState gs = groundBall();
  gs.ball_moving = true;
  gs.ball_angle = 0;
  gs.ball_speed = 1.0;
  gs.ramp_tag = 13;  // entering a +13 ramp
  gs.ramp_tag_prev = 0;
  RecordingHost host;
  ballMotion(gs, host);
  int32_t k = roundHalfEven(std::fabs(ByteCos(-19)) * 15);
  EXPECT_EQ(gs.ball_angle, k);
  gs.ramp_tag = 13;  // still on the ramp, as the area loop says
  ballMotion(gs, host);
  EXPECT_EQ(gs.ball_angle, k);
}

TEST(RunSubsteps, FrameSkipCounts) {
  for (int32_t skip : {-1, 0, 2, 4}) {
    GameState gs = groundBall();
    gs.ball_moving = true;
    gs.ball_speed = 3.0;
    gs.frame_skip = skip;
    RecordingHost host;
    runSimulationSubsteps(gs, host);
    int expected = skip < 0 ? 0 : skip + 1;
    EXPECT_NEAR(gs.ball_x, 500 + expected * 3.0 - 0.005 * (expected * (expected - 1) / 2.0), 1e-9) << skip;
  }
}

}  // namespace
}  // namespace fg
