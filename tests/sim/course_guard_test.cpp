// The last guard: a ball resting off the course picture goes back to where
// it last rested on this hole; nothing else is ever touched.
#include <gtest/gtest.h>

#include "sim/course_guard.h"
#include "sim_test_helpers.h"
#include "state/sound_items.h"

namespace fg {
namespace {

GameState restingAt(double x, double y) {
  GameState gs = test::groundBall(x, y);
  gs.ball_moving = false;
  gs.sound_on = true;
  gs.current_hole = "course1hole4";
  gs.players[0].strokes = 2;
  return gs;
}

TEST(CourseGuard, PutsALostBallBackWhereItLastRestedWithTheStrokeCounted) {
  RecordingHost host;
  CourseGuard guard;
  GameState gs = restingAt(300, 200);
  EXPECT_FALSE(guard.keepOnCourse(gs, host, 672, 504));
  gs.ball_x = 143;
  gs.ball_y = 998;
  ASSERT_TRUE(guard.keepOnCourse(gs, host, 672, 504));
  EXPECT_DOUBLE_EQ(gs.ball_x, 300);
  EXPECT_DOUBLE_EQ(gs.ball_y, 200);
  EXPECT_DOUBLE_EQ(gs.ball_prev_y, 200);
  EXPECT_TRUE(gs.ball_moving);
  EXPECT_DOUBLE_EQ(gs.ball_z, 80);  // falls in as after the water
  EXPECT_EQ(gs.players[0].strokes, 2);
  EXPECT_EQ(test::sounds(host.events()), std::vector<int32_t>{kSoundTeleport});
}

struct LeftAlone {
  const char* name;
  int32_t width, height;  // of the course picture; 0 when none is loaded
  bool moving;
  const char* rested_on;  // the hole of the last rest the guard saw
};

class CourseGuardLeaves : public ::testing::TestWithParam<LeftAlone> {};

TEST_P(CourseGuardLeaves, TheBallAlone) {
  const LeftAlone& c = GetParam();
  RecordingHost host;
  CourseGuard guard;
  GameState first = restingAt(300, 200);
  first.current_hole = c.rested_on;
  guard.keepOnCourse(first, host, 672, 504);
  GameState gs = restingAt(-5, 250);
  gs.ball_moving = c.moving;
  EXPECT_FALSE(guard.keepOnCourse(gs, host, c.width, c.height));
  EXPECT_DOUBLE_EQ(gs.ball_x, -5);
  EXPECT_TRUE(host.events().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CourseGuardLeaves,
    ::testing::Values(LeftAlone{"BareHoleFile", 0, 0, false, "course1hole4"},
                      LeftAlone{"StillRolling", 672, 504, true, "course1hole4"},
                      LeftAlone{"NoRestOnThisHoleYet", 672, 504, false, "course1hole3"}),
    [](const ::testing::TestParamInfo<LeftAlone>& i) { return std::string(i.param.name); });

}  // namespace
}  // namespace fg
