// The push putt: release on the ball, steer sideways, release, pull back,
// release, push forward past the parking point.
#include "case_name.h"
#include "input_fixture.h"

namespace fg::test {
namespace {

class PushPuttTest : public InputFixture {
 protected:
  PushPuttTest() { gs.pull_putt = false; }
  // 0 -> 1 on the ball, steer by dx, 1 -> 2, pull back by `back` -> 3,
  // release -> 4. The pointer is left `back` below the parking point.
  void setUp(int dx, int back) {
    click();
    ASSERT_EQ(gs.putt_phase, 1);
    move(320 + dx, 240);
    frame();
    click();
    ASSERT_EQ(gs.putt_phase, 2);
    move(320, 240 + back);
    frame();
    ASSERT_EQ(gs.putt_phase, 3);
    frame();
    pause();
    click();
    ASSERT_EQ(gs.putt_phase, 4);
  }
};

TEST_F(PushPuttTest, FullPathFromTheBallToTheStrike) {
  click();
  EXPECT_EQ(gs.putt_phase, 1);
  EXPECT_TRUE(platform.captured);
  move(310, 240);
  frame();
  EXPECT_EQ(gs.ball_angle, 138);  // ten pixels left turns the aim ten steps
  click();
  EXPECT_EQ(gs.putt_phase, 2);
  EXPECT_EQ(gs.mouse_x, 320);  // parked again
  frame();
  EXPECT_EQ(gs.putt_phase, 2);
  EXPECT_DOUBLE_EQ(gs.ball_speed, 5);  // at least 5
  EXPECT_DOUBLE_EQ(gs.backswing, 0);
  move(320, 340);
  frame();
  EXPECT_EQ(gs.putt_phase, 3);
  EXPECT_DOUBLE_EQ(gs.backswing, 0);
  frame();
  EXPECT_DOUBLE_EQ(gs.backswing, 50);
  EXPECT_DOUBLE_EQ(gs.ball_speed, 50);
  pause();
  click();
  EXPECT_EQ(gs.putt_phase, 4);
  EXPECT_EQ(gs.mouse_y, 340);  // not parked for the push
  frame();
  EXPECT_EQ(gs.putt_phase, 4);
  move(320, 230);  // a push of 110 pixels in one move
  EXPECT_EQ(framesUntilStrike(1), 1);
  EXPECT_TRUE(gs.ball_moving);
  EXPECT_EQ(gs.ball_angle, 138);
  EXPECT_DOUBLE_EQ(gs.ball_speed, 50.0 / 22);  // the back-swing limits 110 / 10
  EXPECT_EQ(gs.players[0].strokes, 1);
  EXPECT_EQ(puttSounds(), 1);
  EXPECT_EQ(clicks(), 3);
  EXPECT_FALSE(platform.captured);
  EXPECT_EQ(gs.mouse_x, 320);
  EXPECT_EQ(gs.mouse_y, 240);
}

TEST_F(PushPuttTest, SlowPushGivesItsOwnSpeed) {
  setUp(0, 180);  // back-swing 90 allows up to 90 / 22
  move(320, 250);
  move(320, 230);
  framesUntilStrike(1);
  EXPECT_DOUBLE_EQ(gs.ball_speed, 2.0);
  EXPECT_EQ(gs.players[0].strokes, 1);
}

TEST_F(PushPuttTest, LastMoveOfZeroPixelsStrikesAtZeroWithoutAStroke) {
  setUp(0, 60);
  move(320, 230);
  move(320, 230);
  EXPECT_EQ(framesUntilStrike(1), 1);
  EXPECT_DOUBLE_EQ(gs.ball_speed, 0);
  EXPECT_TRUE(gs.ball_moving);
  EXPECT_EQ(gs.players[0].strokes, 0);
  EXPECT_EQ(gs.players[0].total_strokes, 0);
}

TEST_F(PushPuttTest, NoStrikeUntilThePointerPassesTheParkingPoint) {
  setUp(0, 60);
  move(320, 240);
  frame();
  EXPECT_EQ(gs.putt_phase, 4);
  EXPECT_DOUBLE_EQ(gs.ball_speed, 0);
  move(320, 239);
  frame();
  EXPECT_EQ(gs.putt_phase, 0);
  EXPECT_DOUBLE_EQ(gs.ball_speed, 1.0 / 10);
}

struct BackCase {
  int back;
  int phase;
  double speed;
};

void PrintTo(const BackCase& c, std::ostream* os) {
  *os << "back " << c.back << " phase " << c.phase;
}

class PushBackSwingTest : public PushPuttTest, public ::testing::WithParamInterface<BackCase> {};

TEST_P(PushBackSwingTest, MoreThanFifteenIsReady) {
  click();
  click();
  ASSERT_EQ(gs.putt_phase, 2);
  move(320, 240 + GetParam().back);
  frame();
  EXPECT_EQ(gs.putt_phase, GetParam().phase);
  EXPECT_DOUBLE_EQ(gs.ball_speed, GetParam().speed);
}

INSTANTIATE_TEST_SUITE_P(Lengths, PushBackSwingTest,
                         ::testing::Values(BackCase{-50, 2, 5}, BackCase{9, 2, 5}, BackCase{30, 2, 15},
                                           BackCase{31, 3, 15.5}, BackCase{400, 3, 90}),
    fg::test::PrintedName());

class PushCancelTest : public PushPuttTest, public ::testing::WithParamInterface<int> {};

TEST_P(PushCancelTest, RightClickInAnyPhaseCancelsWithoutAStroke) {
  int phase = GetParam();
  if (phase >= 1) click();
  if (phase >= 2) click();
  if (phase >= 3) {
    move(320, 300);
    frame();
  }
  if (phase >= 4) {
    pause();
    click();
  }
  ASSERT_EQ(gs.putt_phase, phase);
  click(MouseButton::Right);
  EXPECT_EQ(gs.putt_phase, 0);
  EXPECT_FALSE(platform.captured);
  move(320, 100);
  for (int i = 0; i < 5; ++i) frame();
  EXPECT_FALSE(gs.ball_moving);
  EXPECT_EQ(gs.players[0].strokes, 0);
}

INSTANTIATE_TEST_SUITE_P(Phases, PushCancelTest, ::testing::Values(1, 2, 3, 4),
    fg::test::PrintedName());

TEST_F(PushPuttTest, ReleaseAwayFromTheBallOrWhileItMovesDoesNothing) {
  move(345, 240);
  click();
  EXPECT_EQ(gs.putt_phase, 0);
  gs.ball_moving = true;
  move(320, 240);
  click();
  EXPECT_EQ(gs.putt_phase, 0);
  EXPECT_EQ(clicks(), 0);
}

TEST_F(PushPuttTest, ReleaseDuringBackSwingOrPushDoesNothing) {
  click();
  click();
  move(320, 250);
  frame();
  pause();
  click();
  EXPECT_EQ(gs.putt_phase, 2);
  move(320, 300);
  frame();
  pause();
  click();
  ASSERT_EQ(gs.putt_phase, 4);
  pause();
  click();
  EXPECT_EQ(gs.putt_phase, 4);
  EXPECT_EQ(clicks(), 3);
}

TEST_F(PushPuttTest, SwitchingMethodKeepsThePhase) {
  click();
  ASSERT_EQ(gs.putt_phase, 1);
  key(vk::F8);
  EXPECT_TRUE(gs.pull_putt);
  EXPECT_EQ(gs.putt_phase, 1);
  EXPECT_EQ(bannerWords(), "PULL PUTT METHOD");
  move(320, 300);
  frame();  // now read as pull-putt aiming
  EXPECT_EQ(gs.ball_angle, 192);
  EXPECT_DOUBLE_EQ(gs.ball_speed, 30);
  key(vk::F8);
  EXPECT_FALSE(gs.pull_putt);
  EXPECT_EQ(gs.putt_phase, 1);
  EXPECT_EQ(bannerWords(), "PUSH PUTT METHOD");
}

TEST_F(PushPuttTest, AimingDrawsPutterTwelvePixelsBehindWithoutGauge) {
  click();
  move(320, 240);
  frame();  // aim 128: the putter lies 12 pixels right of the ball
  const Surface& s = DXDraw.surface();
  EXPECT_EQ(drawnAt(s, 320 + 12 - 47, 240 - 125), (DrawnPattern{10, 0}));
  EXPECT_EQ(drawnAt(s, 245 - 47, 240 - 56), DrawnPattern{});
}

}  // namespace
}  // namespace fg::test
