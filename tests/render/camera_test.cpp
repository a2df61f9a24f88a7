#include <gtest/gtest.h>

#include "case_name.h"
#include "render/camera.h"
#include "render_test_helpers.h"

namespace fg {
namespace {

using test::blankSurface;

GameState followState(double x, double y, double z, int32_t camX, int32_t camY) {
  GameState gs;
  gs.ball_moving = true;
  gs.ball_x = x;
  gs.ball_y = y;
  gs.ball_z = z;
  gs.camera_x = camX;
  gs.camera_y = camY;
  gs.frame_skip = 2;
  return gs;
}

struct FollowCase {
  const char* what;
  double x, y, z;
  int32_t camX, camY;
  int32_t wantX, wantY;
};

class CameraFollow : public ::testing::TestWithParam<FollowCase> {};

TEST_P(CameraFollow, KeepsDrawnBallInsideMargins) {
  const FollowCase& c = GetParam();
  GameState gs = followState(c.x, c.y, c.z, c.camX, c.camY);
  Surface back = blankSurface(640, 480);
  updateCamera(gs, back, 4000, 3000);
  EXPECT_EQ(gs.camera_x, c.wantX) << c.what;
  EXPECT_EQ(gs.camera_y, c.wantY) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Margins, CameraFollow,
    ::testing::Values(
        FollowCase{"inside: no move", 500, 500, 0, 200, 200, 200, 200},
        FollowCase{"left margin", 300, 500, 0, 200, 200, 172, 200},
        FollowCase{"exactly 128 from the left stays", 328, 500, 0, 200, 200, 200, 200},
        FollowCase{"right margin: 128 from the right edge", 900, 500, 0, 200, 200, 388, 200},
        FollowCase{"bottom margin", 500, 700, 0, 200, 200, 200, 348},
        FollowCase{"follows y - z, not the ground", 500, 400, 150, 200, 200, 200, 122},
        FollowCase{"clamped at the course's right edge", 3990, 500, 0, 200, 200, 3360, 200},
        FollowCase{"clamped at 0", 10, 10, 0, 200, 200, 0, 0}),
    fg::test::NamedBy(&FollowCase::what));

TEST(Camera, FollowDistanceDoesNotWrapRound) {
  // 1.5e9 - (-2e9) does not fit 32 bits; taken as a wrapped difference it
  // would look like a ball left of the camera.
  GameState gs = followState(1.5e9, 500, 0, -2000000000, 200);
  Surface back = blankSurface(640, 480);
  updateCamera(gs, back, 2000000000, 3000);
  EXPECT_EQ(gs.camera_x, 1500000000 - 640 + 128);
}

TEST(Camera, RecentresOnBallThenClamps) {
  GameState gs;
  gs.recentre_camera = true;
  gs.ball_x = 1000.5;
  gs.ball_y = 60;
  gs.ball_z = 80;  // ignored by the re-centre
  Surface back = blankSurface(640, 480);
  updateCamera(gs, back, 2000, 2000);
  EXPECT_FALSE(gs.recentre_camera);
  EXPECT_EQ(gs.camera_x, 680);  // round(680.5) is even
  EXPECT_EQ(gs.camera_y, 0);
}

TEST(Camera, CourseOfScreenSizePinsAtOriginWithoutClearing) {
  GameState gs;
  gs.scroll_right = gs.scroll_down = true;
  gs.frame_skip = 1;
  gs.mouse_x = gs.mouse_y = 300;
  Surface back = blankSurface(640, 480, 0x406080);
  updateCamera(gs, back, 640, 480);
  EXPECT_EQ(gs.camera_x, 0);
  EXPECT_EQ(gs.camera_y, 0);
  EXPECT_EQ(test::pixelsNot(back, 0, 0, 640, 480, test::pixelOf(0x406080)), 0);
}

TEST(Camera, NarrowCourseIsCentredOnBlackWhateverTheInput) {
  GameState gs;
  gs.frame_skip = 4;
  gs.mouse_x = 639;  // pushing right every frame
  gs.mouse_y = 240;
  Surface back = blankSurface(640, 480, 0xFFFFFF);
  for (int frame = 0; frame < 30; ++frame) {
    back = blankSurface(640, 480, 0xFFFFFF);
    updateCamera(gs, back, 501, 2000);
    // Equal bands (within one pixel) on both sides of the course.
    const int32_t left = -gs.camera_x, right = 640 - (left + 501);
    EXPECT_LE(std::abs(left - right), 1);
    EXPECT_EQ(test::pixelsNot(back, 0, 0, 640, 480, 0), 0);
  }
  EXPECT_EQ(gs.camera_x, (501 - 640) / 2);
}

TEST(Camera, LowCourseStillScrollsSideways) {
  GameState gs;
  gs.frame_skip = 1;
  gs.scroll_right = true;
  gs.mouse_x = gs.mouse_y = 300;
  Surface back = blankSurface(640, 480);
  for (int i = 0; i < 10; ++i) updateCamera(gs, back, 3000, 300);
  EXPECT_EQ(gs.camera_y, (300 - 480) / 2);
  EXPECT_GT(gs.camera_x, 0);
}

TEST(Camera, ResidualScrollSpeedDoesNotDrift) {
  GameState gs;
  gs.frame_skip = 1;
  gs.mouse_x = gs.mouse_y = 300;
  gs.camera_x = gs.camera_y = 500;
  gs.scroll_speed_x = 3;  // friction brings it to 1, which moves 1 / 8 = 0 pixels
  gs.scroll_speed_y = -3;
  Surface back = blankSurface(640, 480);
  updateCamera(gs, back, 3000, 3000);
  EXPECT_EQ(gs.scroll_speed_x, 1);
  EXPECT_EQ(gs.scroll_speed_y, -1);
  EXPECT_EQ(gs.camera_x, 500);
  EXPECT_EQ(gs.camera_y, 500);
  updateCamera(gs, back, 3000, 3000);
  EXPECT_EQ(gs.scroll_speed_x, 1);  // 1 - 2 = -1, then + 2: friction alone never settles it
  EXPECT_EQ(gs.camera_x, 500);
}

TEST(Camera, RightArrowBuildsUpToSixteenPixelsAtFrameSkipTwo) {
  GameState gs;
  gs.frame_skip = 2;
  gs.scroll_right = true;
  gs.mouse_x = gs.mouse_y = 300;
  Surface back = blankSurface(640, 480);
  std::vector<int32_t> speeds;
  for (int i = 0; i < 40; ++i) {
    updateCamera(gs, back, 100000, 3000);
    speeds.push_back(gs.scroll_speed_x);
  }
  EXPECT_EQ(speeds[0], 4);
  EXPECT_EQ(speeds[1], 8);
  EXPECT_EQ(speeds[31], 128);
  EXPECT_EQ(speeds[39], 128);
  const int32_t before = gs.camera_x;
  updateCamera(gs, back, 100000, 3000);
  EXPECT_EQ(gs.camera_x - before, 16);
}

TEST(Camera, ScrollSpeedKeptWhileBallMovesAndActsAgainAfter) {
  GameState gs;
  gs.frame_skip = 1;
  gs.scroll_speed_x = 64;
  gs.ball_moving = true;
  gs.ball_x = 1000;
  gs.ball_y = 1000;
  gs.camera_x = 700;
  gs.camera_y = 700;
  Surface back = blankSurface(640, 480);
  updateCamera(gs, back, 5000, 5000);
  EXPECT_EQ(gs.scroll_speed_x, 64);
  gs.ball_moving = false;
  gs.mouse_x = gs.mouse_y = 300;
  updateCamera(gs, back, 5000, 5000);
  EXPECT_EQ(gs.scroll_speed_x, 62);
  EXPECT_EQ(gs.camera_x, 707);
}

}  // namespace
}  // namespace fg
