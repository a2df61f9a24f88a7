// The HUD panel under the mouse: presses mark buttons, clicks act, the title
// strip's double click, the close area, and the game states that come first.
#include "case_name.h"
#include "input_fixture.h"

namespace fg::test {
namespace {

class HudClickTest : public InputFixture {};

enum class Effect { None, Replay, Method, Sound, Help, Centre, HelpAndCentre, Close };

struct AreaCase {
  int x, y;
  Effect effect;
  bool minimised;
};

void PrintTo(const AreaCase& c, std::ostream* os) {
  *os << "(" << c.x << ", " << c.y << ")" << (c.minimised ? " small panel" : "");
}

class HudAreaTest : public HudClickTest, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(HudAreaTest, ClickActsByPlace) {
  const AreaCase& c = GetParam();
  gs.panel_minimised = c.minimised;
  gs.banner_text = "old";
  gs.banner_pos = 40;
  clickAt(c.x, c.y);
  Effect e = c.effect;
  EXPECT_EQ(gs.banner_pos, e == Effect::None || e == Effect::Help || e == Effect::Centre ||
                                   e == Effect::HelpAndCentre || e == Effect::Close
                               ? 40
                               : 0);
  EXPECT_EQ(gs.pull_putt, e != Effect::Method);
  if (e == Effect::Method) { EXPECT_EQ(bannerWords(), "PUSH PUTT METHOD"); }
  EXPECT_EQ(gs.sound_on, e != Effect::Sound);
  if (e == Effect::Sound) { EXPECT_EQ(bannerWords(), "SOUND OFF"); }
  if (e == Effect::Replay) { EXPECT_EQ(gs.banner_text, "old"); }
  EXPECT_EQ(gs.game_screen, e == Effect::Help || e == Effect::HelpAndCentre ? kScreenHelp : kScreenPlay);
  EXPECT_EQ(gs.recentre_camera, e == Effect::Centre || e == Effect::HelpAndCentre);
  EXPECT_EQ(closes, e == Effect::Close ? 1 : 0);
  EXPECT_EQ(gs.panel_minimised, c.minimised);
  int expectedClicks = e == Effect::None || e == Effect::Sound || e == Effect::Close ? 0
                       : e == Effect::HelpAndCentre                                 ? 2
                                                                                    : 1;
  EXPECT_EQ(clicks(), expectedClicks);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, HudAreaTest,
    ::testing::Values(AreaCase{17, 76, Effect::Replay, false}, AreaCase{28, 98, Effect::Replay, false},
                      AreaCase{39, 80, Effect::Replay, false},  // shared edge: button 1 only
                      AreaCase{40, 80, Effect::Method, false}, AreaCase{61, 80, Effect::Method, false},
                      AreaCase{62, 80, Effect::Sound, false}, AreaCase{83, 80, Effect::Sound, false},
                      AreaCase{90, 80, Effect::Help, false}, AreaCase{105, 80, Effect::HelpAndCentre, false},
                      AreaCase{127, 98, Effect::Centre, false}, AreaCase{128, 80, Effect::None, false},
                      AreaCase{50, 99, Effect::None, false}, AreaCase{16, 80, Effect::None, false},
                      AreaCase{196, 49, Effect::Method, false}, AreaCase{236, 65, Effect::Method, false},
                      AreaCase{237, 65, Effect::None, false}, AreaCase{269, 4, Effect::Close, false},
                      AreaCase{544, 19, Effect::Close, false}, AreaCase{545, 10, Effect::None, false},
                      AreaCase{100, 10, Effect::None, false}, AreaCase{39, 80, Effect::Replay, true},
                      AreaCase{50, 80, Effect::Method, true}, AreaCase{70, 80, Effect::Sound, true},
                      AreaCase{90, 80, Effect::Help, true}, AreaCase{110, 80, Effect::Centre, true},
                      AreaCase{200, 50, Effect::Method, true}, AreaCase{300, 10, Effect::Close, true}),
    fg::test::PrintedName());

TEST_F(HudClickTest, PressOnSharedEdgeMarksBothButtonsClickActsAsTheFirst) {
  move(39, 80);
  press();
  EXPECT_TRUE(gs.button_down[0]);
  EXPECT_TRUE(gs.button_down[1]);
  EXPECT_FALSE(gs.button_down[2]);
  release();
  EXPECT_FALSE(gs.button_down[0]);
  EXPECT_TRUE(gs.button_down[1]);  // left for the HUD to clear
  EXPECT_TRUE(gs.pull_putt);
  EXPECT_EQ(gs.banner_pos, 0);
}

TEST_F(HudClickTest, ClickOnSharedEdgeOfFourAndFiveActsAsBoth) {
  move(105, 90);
  press();
  EXPECT_TRUE(gs.button_down[3]);
  EXPECT_TRUE(gs.button_down[4]);
  release();
  EXPECT_FALSE(gs.button_down[3]);
  EXPECT_FALSE(gs.button_down[4]);
  EXPECT_EQ(gs.game_screen, kScreenHelp);
  EXPECT_TRUE(gs.recentre_camera);
}

TEST_F(HudClickTest, SoundButtonTurningSoundOnClicks) {
  gs.sound_on = false;
  clickAt(70, 80);
  EXPECT_TRUE(gs.sound_on);
  EXPECT_EQ(bannerWords(), "SOUND ON");
  EXPECT_EQ(gs.banner_pos, 0);
  EXPECT_EQ(clicks(), 1);
}

TEST_F(HudClickTest, ButtonsAreDeadDuringAPuttOrWhileTheBallMoves) {
  gs.putt_phase = 3;
  gs.pull_putt = false;
  move(20, 80);
  press();
  EXPECT_FALSE(gs.button_down[0]);
  release();
  EXPECT_EQ(gs.banner_pos, -1);
  gs.putt_phase = 0;
  gs.ball_moving = true;
  pause();
  clickAt(300, 10);
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(gs.button_down[0] == false);
}

TEST_F(HudClickTest, AnyClickClosesOnceTheGameIsFinished) {
  gs.players[0].finished = true;
  gs.ball_moving = true;
  move(320, 240);
  press();
  EXPECT_EQ(gs.putt_phase, 0);  // not even on the ball
  release();
  EXPECT_EQ(closes, 1);
}

TEST_F(HudClickTest, TitleStripDoubleClickTogglesThePanelInAnyState) {
  gs.putt_phase = 2;
  gs.players[0].finished = true;
  doubleClickAt(100, 10);
  EXPECT_TRUE(gs.panel_minimised);
  pause();
  doubleClickAt(4, 19);
  EXPECT_FALSE(gs.panel_minimised);
  pause();
  doubleClickAt(270, 10);
  EXPECT_FALSE(gs.panel_minimised);
}

TEST_F(HudClickTest, TitleCardEndsOnAnyPressAndNothingElse) {
  gs.game_screen = kScreenTitleCard;
  move(320, 240);
  press();
  EXPECT_EQ(gs.game_screen, kScreenPlay);
  EXPECT_EQ(gs.putt_phase, 0);
  release();
  EXPECT_EQ(gs.putt_phase, 0);
}

TEST_F(HudClickTest, LeftPressLeavesHelpPictureThenTheClickIsPlay) {
  gs.game_screen = kScreenHelp;
  move(20, 80);
  press();
  EXPECT_EQ(gs.game_screen, kScreenPlay);
  EXPECT_FALSE(gs.button_down[0]);
  EXPECT_EQ(gs.mouse_x, 320);  // parked
  release();                   // the click is now on the ball, not the button
  EXPECT_EQ(gs.banner_pos, -1);
}

TEST_F(HudClickTest, RightPressOnHelpPictureCancelsAndKeepsIt) {
  gs.game_screen = kScreenHelp;
  gs.putt_phase = 1;
  press(MouseButton::Right);
  EXPECT_EQ(gs.putt_phase, 0);
  EXPECT_EQ(gs.game_screen, kScreenHelp);
}

TEST_F(HudClickTest, MiddleButtonDoesNothing) {
  move(320, 240);
  press(MouseButton::Middle);
  release(MouseButton::Middle);
  EXPECT_EQ(gs.putt_phase, 0);
  EXPECT_EQ(clicks(), 0);
}

TEST_F(HudClickTest, MouseMoveRecordsPositionAndStep) {
  move(323, 244);
  EXPECT_EQ(gs.mouse_step, 5);
  EXPECT_EQ(gs.mouse_x, 323);
  EXPECT_EQ(gs.mouse_y, 244);
}

TEST_F(HudClickTest, PointerDrawnOnlyWhenIdleAndAtRest) {
  move(100, 300);
  drawPointer(*ctx);
  EXPECT_EQ(drawnAt(DXDraw.surface(), 100, 300), (DrawnPattern{0, 0}));
  fillSurface(DXDraw.surface(), 0);
  gs.ball_moving = true;
  drawPointer(*ctx);
  EXPECT_EQ(drawnAt(DXDraw.surface(), 100, 300), DrawnPattern{});
  gs.ball_moving = false;
  gs.putt_phase = 1;
  drawPointer(*ctx);
  EXPECT_EQ(drawnAt(DXDraw.surface(), 100, 300), DrawnPattern{});
  gs.putt_phase = 0;
  gs.pointer_visible = false;
  drawPointer(*ctx);
  EXPECT_EQ(drawnAt(DXDraw.surface(), 100, 300), DrawnPattern{});
}

}  // namespace
}  // namespace fg::test
