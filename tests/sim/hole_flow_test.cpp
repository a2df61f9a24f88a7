#include "sim/hole_flow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "case_name.h"
#include "sim/ball_step.h"
#include "sim/geometry.h"
#include "sim/putt_runner.h"
#include "sim_test_helpers.h"
#include "state/sound_items.h"

namespace fg {
namespace {

using test::groundBall;

// A host whose hole start only counts and resets the flags it owns.
class CountingHost : public RecordingHost {
 public:
  void HoleInit(GameState& gs) override {
    ++inits;
    gs.holed_out = false;
    gs.ball_z = 80;
  }
  int inits = 0;
};

GameState holedBall(const std::string& next) {
  GameState gs = groundBall(500, 500);
  gs.areas[4] = test::circleArea(5, 500, 500, 12);
  gs.holed_out = true;
  gs.holed_area = 4;
  gs.current_hole = next;
  gs.ball_speed = 1.0;
  gs.ball_moving = true;
  gs.par_total = 3;
  gs.players[0].total_strokes = 1;
  return gs;
}

TEST(CupSequence, FallsThenTheNextHoleIsDue) {
  GameState gs = holedBall("course1hole2");
  CountingHost host;
  int frames = 0;
  CupStep step = CupStep::Falling;
  while (step == CupStep::Falling && frames < 100) {
    ++frames;
    step = cupSequence(gs, host);
    EXPECT_EQ(gs.players[0].score, -2);  // a hole in one on par 3
  }
  // vz grows by 0.35 a frame: z = -0.35 * n (n + 1) / 2 passes -35 at n = 14.
  EXPECT_EQ(frames, 14);
  EXPECT_EQ(step, CupStep::NextHoleDue);
  EXPECT_EQ(host.inits, 0);  // the caller starts it
  EXPECT_TRUE(runCupSequence(gs, host));
  EXPECT_EQ(host.inits, 1);
}

TEST(CupSequence, NextHoleStartsFromTheFolder) {
  const auto dir = std::filesystem::temp_directory_path() / "fg_sim_next_hole";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "second.hole") << "[ball]\nx=50\ny=60\n[course]\npar=4\n";
  GameState gs = holedBall("second");
  gs.bgsound_on = true;
  RecordingHost host(dir.string());
  for (int i = 0; i < 14; ++i) runHoleFlow(gs, host);
  std::filesystem::remove_all(dir);
  EXPECT_EQ(host.holeInits(), 1);
  EXPECT_FALSE(gs.holed_out);
  EXPECT_EQ(gs.course_par, 4);
  EXPECT_EQ(gs.par_total, 7);
  EXPECT_EQ(gs.ball_z, 80);
  EXPECT_NEAR(gs.ball_x, 50, 25);
  const auto& ev = host.events();
  ASSERT_EQ(ev.size(), 3u);
  EXPECT_EQ(ev[0].kind, SimEvent::Kind::BgSound);
  EXPECT_TRUE(ev[0].looping);
  EXPECT_EQ(ev[1].kind, SimEvent::Kind::Effect);
  EXPECT_EQ(ev[1].slot.image, 13);
  EXPECT_EQ(test::sounds(ev), std::vector<int32_t>{kSoundTeleport});
}

TEST(CupSequence, LastCupFinishesOnceWithSoundWhateverTheSetting) {
  GameState gs = holedBall("done");
  gs.sound_on = false;
  CountingHost host;
  for (int i = 0; i < 30; ++i) cupSequence(gs, host);
  EXPECT_EQ(host.inits, 0);
  EXPECT_TRUE(gs.players[0].finished);
  EXPECT_EQ(gs.ball_z, -35);
  EXPECT_EQ(test::sounds(host.events()), std::vector<int32_t>{kSoundCompleted});
  EXPECT_STREQ(endOfGameMessage(gs), "YOU FINISHED");
}

TEST(CupSequence, RimKeepsBallInside) {
  GameState gs = holedBall("x");
  gs.ball_x = 520;  // outside r 12
  gs.ball_prev_x = 505;
  gs.ball_prev_y = 498;
  gs.ball_angle = 0;
  CountingHost host;
  cupSequence(gs, host);
  EXPECT_EQ(gs.ball_angle, 128);
  EXPECT_EQ(gs.ball_x, 504);
  EXPECT_EQ(gs.ball_y, 499);
}

GameState tunnelBall() {
  GameState gs = groundBall(200, 100);
  arearec& a = gs.areas[9];
  a = test::circleArea(26, 200, 100, 10);
  a.x2 = 400;
  a.y2 = 180;
  a.x3 = 400;
  a.y3 = 190;
  a.x4 = 500;
  a.y4 = 190;
  a.p4 = 12;
  gs.in_tunnel = true;
  gs.holed_area = 9;
  gs.ball_moving = true;
  gs.ball_speed = 1.0;
  return gs;
}

TEST(TunnelSequence, RideAndExit) {
  GameState gs = tunnelBall();
  RecordingHost host;
  int frames = 0;
  bool parked = false;
  while (gs.in_tunnel && frames < 1000) {
    ++frames;
    ASSERT_TRUE(tunnelSequence(gs, host));
    if (gs.in_tunnel && gs.ball_x == 5000) parked = true;
  }
  EXPECT_TRUE(parked);
  EXPECT_FALSE(gs.in_tunnel);
  EXPECT_EQ(gs.ball_x, 400);
  EXPECT_EQ(gs.ball_y, 180);
  EXPECT_EQ(gs.ball_z, 10);
  EXPECT_EQ(gs.ball_vz, 0.3);
  EXPECT_TRUE(gs.ball_airborne);
  EXPECT_EQ(gs.last_bounce_area, 12);
  EXPECT_GE(gs.ball_angle, -7);
  EXPECT_LE(gs.ball_angle, 8);
  EXPECT_GT(gs.ball_speed, 100.0 / 60 - 1e-9);
  EXPECT_LE(gs.ball_speed, 100.0 / 51 + 1e-9);
  EXPECT_EQ(test::sounds(host.events()), std::vector<int32_t>{kSoundTunnelExit});
  EXPECT_FALSE(tunnelSequence(gs, host));
}

TEST(TunnelSequence, FallSpeedStopsGrowingBelowForty) {
  GameState gs = tunnelBall();
  gs.areas[9].y2 = 100000;  // a long ride
  RecordingHost host;
  double vz = 0;
  for (int i = 0; i < 200; ++i) {
    tunnelSequence(gs, host);
    if (gs.ball_z < -40) {
      if (vz == 0) vz = gs.ball_vz;
      EXPECT_EQ(gs.ball_vz, vz);
    }
  }
}

TEST(WaterSequence, SinksSplashesAndDropsBack) {
  GameState gs = groundBall(300, 300);
  gs.in_water = true;
  gs.sink_timer = 15;
  gs.drop_x = 120;
  gs.drop_y = 140;
  gs.ball_speed = 0.4;
  gs.effect_next = 5;
  RecordingHost host;
  SplashClock splash(3);
  int frames = 0;
  while (gs.in_water && frames < 100) {
    ++frames;
    splash.age(gs);
    waterSequence(gs, host);
    if (gs.sink_timer == 7) {
      EXPECT_EQ(gs.ball_speed, 0);
    }
  }
  // 14 frames to sink to 1 and splash, 1 more to 0, then the splash runs out
  // 3 frames after it was placed.
  EXPECT_EQ(frames, 17);
  EXPECT_EQ(gs.ball_x, 120);
  EXPECT_EQ(gs.ball_y, 140);
  EXPECT_EQ(gs.ball_z, 80);
  EXPECT_EQ(gs.sink_timer, 15);
  EXPECT_TRUE(gs.ball_moving);
  EXPECT_TRUE(gs.ball_airborne);
  EXPECT_EQ(gs.effects[5].x, 103);
  EXPECT_EQ(gs.effects[5].y, 140 - 28 - 80);
  EXPECT_EQ(test::sounds(host.events()), std::vector<int32_t>{kSoundTeleport});
  ASSERT_EQ(test::countKind(host.events(), SimEvent::Kind::Effect), 2);
  EXPECT_EQ(host.events()[0].item, 26);
  EXPECT_EQ(host.events()[0].slot.x, 300 - 8);
  EXPECT_EQ(host.events()[0].slot.y, 314 - 25);
}

TEST(Score, UpdatedOnceParIsUsedUp) {
  GameState gs;
  gs.course_par = 3;
  gs.par_total = 6;
  gs.players[0].score = 1;
  gs.players[0].strokes = 2;
  gs.players[0].total_strokes = 7;
  updateScore(gs);
  EXPECT_EQ(gs.players[0].score, 1);
  gs.players[0].strokes = 3;
  gs.players[0].total_strokes = 8;
  updateScore(gs);
  EXPECT_EQ(gs.players[0].score, 2);
}

struct EndCase {
  bool moving;
  int32_t score;
  bool training;
  bool ends;
};

void PrintTo(const EndCase& c, std::ostream* os) {
  *os << "score " << c.score << (c.moving ? " moving" : " at rest") << (c.training ? " training" : "");
}
class EndOfGameTest : public ::testing::TestWithParam<EndCase> {};
TEST_P(EndOfGameTest, RestingTwoOverParEndsTheGame) {
  GameState gs;
  gs.ball_moving = GetParam().moving;
  gs.players[0].score = GetParam().score;
  gs.sound_on = false;
  RecordingHost host;
  EXPECT_EQ(endOfGameCheck(gs, host, GetParam().training), GetParam().ends);
  EXPECT_EQ(gs.players[0].finished, GetParam().ends);
  EXPECT_EQ(test::sounds(host.events()), GetParam().ends ? std::vector<int32_t>{kSoundGameOver} : std::vector<int32_t>{});
  if (GetParam().ends) {
    EXPECT_STREQ(endOfGameMessage(gs), "GAME OVER");
  }
  EXPECT_FALSE(endOfGameCheck(gs, host, GetParam().training));  // never twice
}
INSTANTIATE_TEST_SUITE_P(Cases, EndOfGameTest,
                         ::testing::Values(EndCase{false, 2, false, true}, EndCase{false, 1, false, false},
                                           EndCase{true, 5, false, false}, EndCase{false, 5, true, false}),
    fg::test::PrintedName());

TEST(PuttRunner, CopyRunsToRestAndLeavesOriginal) {
  GameState start = groundBall(100, 100);
  start.frame_skip = 2;
  GameState copy = start;
  RecordingHost host;
  host.setRecording(false);
  PuttOutcome out = runPutt(copy, host, 0, 1.0);
  EXPECT_EQ(out.end, PuttEnd::Rest);
  EXPECT_EQ(out.substeps, 200);
  EXPECT_EQ(out.frames, 67);
  EXPECT_EQ(copy.players[0].strokes, 1);
  EXPECT_EQ(start.ball_x, 100);
  EXPECT_TRUE(host.events().empty());
}

TEST(PuttRunner, StopsWhenHoled) {
  GameState gs = groundBall(100, 100);
  gs.areas[1] = test::circleArea(5, 140, 100, 8);
  gs.areas[1].comment = "next";
  RecordingHost host;
  PuttOutcome out = runPutt(gs, host, 0, 1.5);
  EXPECT_EQ(out.end, PuttEnd::Holed);
  EXPECT_EQ(gs.current_hole, "next");
  EXPECT_EQ(host.holeInits(), 0);
}

}  // namespace
}  // namespace fg
