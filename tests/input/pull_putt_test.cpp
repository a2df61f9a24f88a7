// The pull putt: press on the ball, drag away from the shot, release; the
// following frames swing the putter forward and strike.
#include "case_name.h"
#include "input_fixture.h"

#include "sim/geometry.h"

namespace fg::test {
namespace {

class PullPuttTest : public InputFixture {
 protected:
  // Press on the ball, drag by (dx, dy) from the parking point, one frame.
  void aim(int dx, int dy) {
    press();
    ASSERT_EQ(gs.putt_phase, 1);
    move(gs.aim_centre_x + dx, gs.aim_centre_y + dy);
    frame();
  }
};

struct ReleaseCase {
  int drag;
  double speedAtRelease;
  double shotSpeed;
  bool counted;
};

void PrintTo(const ReleaseCase& c, std::ostream* os) {
  *os << "drag " << c.drag;
}

class PullReleaseTest : public PullPuttTest, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(PullReleaseTest, ReleaseDistanceOverFortyIsTheShotUpToFour) {
  const ReleaseCase& c = GetParam();
  aim(c.drag, 0);
  release();
  EXPECT_EQ(gs.putt_phase, 2);
  EXPECT_DOUBLE_EQ(gs.ball_speed, c.speedAtRelease);
  EXPECT_GT(framesUntilStrike(), 0);
  EXPECT_DOUBLE_EQ(gs.ball_speed, c.shotSpeed);
  EXPECT_TRUE(gs.ball_moving);
  EXPECT_EQ(gs.players[0].strokes, c.counted ? 1 : 0);
  EXPECT_EQ(gs.players[0].total_strokes, c.counted ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Distances, PullReleaseTest,
                         ::testing::Values(ReleaseCase{0, 0.0, 0.0, false}, ReleaseCase{1, 0.025, 0.025, true},
                                           ReleaseCase{80, 2.0, 2.0, true}, ReleaseCase{159, 3.975, 3.975, true},
                                           ReleaseCase{160, 4.0, 4.0, true}, ReleaseCase{161, 4.025, 4.0, true},
                                           ReleaseCase{300, 7.5, 4.0, true}),
    fg::test::PrintedName());

struct PullBackCase {
  int dx, dy;
  double pullBack;
  int angle;
};

void PrintTo(const PullBackCase& c, std::ostream* os) {
  *os << "drag " << c.dx << "," << c.dy;
}

class PullBackTest : public PullPuttTest, public ::testing::WithParamInterface<PullBackCase> {};

TEST_P(PullBackTest, ShotGoesAgainstTheDragAndPullBackStopsAtNinety) {
  const PullBackCase& c = GetParam();
  aim(c.dx, c.dy);
  EXPECT_DOUBLE_EQ(gs.ball_speed, c.pullBack);
  EXPECT_EQ(gs.ball_angle, c.angle);
}

INSTANTIATE_TEST_SUITE_P(Drags, PullBackTest,
                         ::testing::Values(PullBackCase{100, 0, 50, 128}, PullBackCase{179, 0, 89.5, 128},
                                           PullBackCase{180, 0, 90, 128}, PullBackCase{181, 0, 90, 128},
                                           PullBackCase{-400, 0, 90, 0}, PullBackCase{0, 60, 30, 192},
                                           PullBackCase{0, -60, 30, 64}, PullBackCase{-30, -30, 21, 32}),
    fg::test::PrintedName());

TEST_F(PullPuttTest, ForwardSwingSpeedsUpTwoPixelsAFrame) {
  aim(180, 0);
  move(gs.aim_centre_x + 200, gs.aim_centre_y);
  release();
  EXPECT_EQ(gs.swing_left, 90);
  // 90 - 1 - 3 - 5 - … : the tenth step passes the ball.
  EXPECT_EQ(framesUntilStrike(), 10);
  EXPECT_EQ(gs.swing_speed, 1);
}

TEST_F(PullPuttTest, StrikeHandsTheBallOverAndCentresTheCursor) {
  aim(200, 0);
  gs.in_drag_area = true;
  gs.aim_centre_x = 7;  // the strike must not touch the parking point
  release();
  int before = host->centred;
  framesUntilStrike();
  EXPECT_TRUE(gs.ball_moving);
  EXPECT_EQ(gs.last_bounce_area, -1);
  EXPECT_EQ(gs.putt_phase, 0);
  EXPECT_EQ(gs.ball_angle, 128);
  EXPECT_DOUBLE_EQ(gs.ball_vz, 4.0 / 2 + 1);
  EXPECT_TRUE(gs.ball_airborne);
  EXPECT_EQ(host->centred, before + 1);
  EXPECT_EQ(gs.mouse_x, 320);
  EXPECT_EQ(gs.mouse_y, 240);
  EXPECT_EQ(gs.aim_centre_x, 7);
  EXPECT_EQ(puttSounds(), 1);
}

TEST_F(PullPuttTest, NoPutterSoundWithSoundOff) {
  gs.sound_on = false;
  aim(100, 0);
  release();
  framesUntilStrike();
  EXPECT_EQ(puttSounds(), 0);
  EXPECT_EQ(clicks(), 0);
}

TEST_F(PullPuttTest, PressOnTheBallClicksParksAndHoldsTheMouse) {
  move(330, 250);  // 14 pixels from the ball
  press();
  EXPECT_EQ(gs.putt_phase, 1);
  EXPECT_EQ(clicks(), 1);
  EXPECT_EQ(gs.aim_centre_x, 320);
  EXPECT_EQ(gs.aim_centre_y, 240);
  EXPECT_EQ(platform.cursorX(), 320);
  EXPECT_EQ(gs.mouse_x, 320);  // the parking made a move event
  EXPECT_TRUE(platform.captured);
  release();
  framesUntilStrike();
  EXPECT_FALSE(platform.captured);
}

struct PressCase {
  int x, y;
  int cameraX;
  bool moving;
  bool starts;
};

void PrintTo(const PressCase& c, std::ostream* os) {
  *os << "at " << c.x << "," << c.y << " camera " << c.cameraX << (c.moving ? " moving" : "");
}

class PullPressTest : public PullPuttTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PullPressTest, OnlyAPressWithin24PixelsOfTheRestingBallStarts) {
  const PressCase& c = GetParam();
  gs.camera_x = c.cameraX;
  gs.ball_moving = c.moving;
  move(c.x, c.y);
  press();
  EXPECT_EQ(gs.putt_phase, c.starts ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Presses, PullPressTest,
                         ::testing::Values(PressCase{343, 240, 0, false, true}, PressCase{344, 240, 0, false, false},
                                           PressCase{320, 216, 0, false, false}, PressCase{320, 240, 0, true, false},
                                           PressCase{220, 240, 100, false, true},  // the ball is in course pixels
                                           PressCase{320, 240, 100, false, false}),
    fg::test::PrintedName());

TEST_F(PullPuttTest, NewPressOnTheBallDuringTheSwingAimsAgain) {
  aim(180, 0);
  release();
  frame();
  ASSERT_EQ(gs.putt_phase, 2);
  int swingLeft = gs.swing_left;
  move(325, 240);
  press();
  EXPECT_EQ(gs.putt_phase, 1);
  EXPECT_EQ(clicks(), 2);
  move(320 - 40, 240);
  frame();
  EXPECT_EQ(gs.putt_phase, 1);
  EXPECT_EQ(gs.ball_angle, 0);
  EXPECT_DOUBLE_EQ(gs.ball_speed, 20);
  EXPECT_EQ(gs.swing_left, swingLeft);  // abandoned where it was
  EXPECT_EQ(gs.players[0].strokes, 0);
}

TEST_F(PullPuttTest, RightButtonCancelsWithoutAStroke) {
  aim(100, 0);
  press(MouseButton::Right);
  EXPECT_EQ(gs.putt_phase, 0);
  EXPECT_FALSE(platform.captured);
  release();
  for (int i = 0; i < 20; ++i) frame();
  EXPECT_FALSE(gs.ball_moving);
  EXPECT_EQ(gs.players[0].strokes, 0);
}

TEST_F(PullPuttTest, AimingDrawsTargetPutterAndGauge) {
  aim(-100, 0);  // shot to the right, pull-back 50
  const Surface& s = DXDraw.surface();
  // Target 75 pixels ahead: (395, 240) less (16, 13), added onto black.
  EXPECT_EQ(gs.aim_frame, 1);
  EXPECT_NE(s.at(379, 227), 0);
  EXPECT_NE(s.at(382, 230), 0);
  EXPECT_EQ(s.at(378, 227), 0);
  EXPECT_EQ(s.at(379, 226), 0);
  EXPECT_EQ(s.at(383, 231), 0);
  // Putter 50 pixels behind, turned to pattern AngleByte(128 - 0) / 8 = 16.
  EXPECT_EQ(drawnAt(s, 320 - 50 - 47, 240 - 125), (DrawnPattern{10, 16}));
  // Gauge round(50 / 3) = 17 at the target less (47, 56).
  EXPECT_EQ(drawnAt(s, 395 - 47, 240 - 56), (DrawnPattern{5, 17}));
}

TEST_F(PullPuttTest, TargetAnimationRunsThroughTenFrames) {
  aim(50, 0);
  std::vector<int> seen;
  for (int i = 0; i < 11; ++i) {
    seen.push_back(gs.aim_frame);
    frame();
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1}));
}

TEST_F(PullPuttTest, NoGaugeWhileAnAbandonedSwingIsLeft) {
  aim(180, 0);
  release();
  frame();
  move(320, 240);
  press();
  fillSurface(DXDraw.surface(), 0);
  move(220, 240);  // shot to the right, pull-back 50
  frame();
  EXPECT_GT(gs.swing_left, 0);
  EXPECT_EQ(drawnAt(DXDraw.surface(), 395 - 47, 240 - 56), DrawnPattern{});
}

TEST_F(PullPuttTest, DebugModeDrawsABlueCrossOnTheAimingPoint) {
  gs.debug_mode = true;
  aim(-100, 0);
  const Surface& s = DXDraw.surface();
  uint16_t blue = colorToPixel(0xFF0000, s.format);
  EXPECT_EQ(s.at(395 - 5, 240 - 5), blue);
  EXPECT_EQ(s.at(395, 240), blue);
  EXPECT_EQ(s.at(395 + 4, 240 - 4), blue);
  EXPECT_NE(s.at(395 + 5, 240 + 5), blue);  // a line leaves out its last pixel
}

TEST_F(PullPuttTest, PutterTurnsThrough32Directions) {
  aim(-100, 0);
  for (int a = 0; a < 256; a += 4) {
    gs.ball_angle = a;
    gs.putt_phase = 2;
    gs.swing_left = 200;
    gs.swing_speed = 1;
    fillSurface(DXDraw.surface(), 0);
    frame();  // draws the putter at r = 199
    int px = roundHalfEven(gs.ball_x - 199 * ByteCos(a)) - 47;
    int py = roundHalfEven(gs.ball_y - 199 * ByteSin(a)) - 125;
    if (px < 0 || py < 0) continue;
    EXPECT_EQ(drawnAt(DXDraw.surface(), px, py), (DrawnPattern{10, AngleByte(128 - a) / 8})) << a;
  }
}

}  // namespace
}  // namespace fg::test
