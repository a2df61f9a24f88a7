#include <gtest/gtest.h>

#include "case_name.h"
#include "render/hole_flow_drawing.h"
#include "render/hud.h"
#include "render_test_helpers.h"
#include "sim/geometry.h"
#include "sim/hole_flow.h"
#include "state/sound_items.h"

namespace fg {
namespace {

using test::FakeHost;
using test::itemDesc;
using test::pixelOf;
using test::solidPicture;

constexpr uint32_t kRimColour = 0xE08020;

// A course with its cup (area 1) at (200, 150), radius 10, rim picture at
// (190, 160); and a tunnel (area 2) whose entrance picture is item 3.
class HoleFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    test::loadList(course, {itemDesc(solidPicture(8, 8, 0x102030)), itemDesc(solidPicture(8, 8, 0x102030)),
                            itemDesc(solidPicture(20, 6, kRimColour)), itemDesc(solidPicture(12, 12, 0x20A0E0))});
    arearec& cup = gs.areas[1];
    cup.enabled = true;
    cup.kind = 99;
    cup.x1 = 200;
    cup.y1 = 150;
    cup.r = 10;
    cup.x2 = 190;
    cup.y2 = 160;
    arearec& tunnel = gs.areas[2];
    tunnel.enabled = true;
    tunnel.x1 = 300;
    tunnel.y1 = 100;
    tunnel.r = 10;
    tunnel.x2 = 300;
    tunnel.y2 = 400;
    tunnel.x3 = 300;
    tunnel.y3 = 390;
    tunnel.x4 = 300;
    tunnel.y4 = 300;
    tunnel.p1 = 280;
    tunnel.p2 = 90;
    tunnel.p3 = 3;
    gs.camera_x = 100;
    gs.camera_y = 50;
    gs.current_hole = "course1hole1";
    back = test::blankSurface(640, 480);
  }
  void holeOut(int32_t totalStrokes, int32_t parTotal) {
    gs.holed_out = true;
    gs.holed_area = 1;
    gs.ball_x = gs.ball_prev_x = 200;
    gs.ball_y = gs.ball_prev_y = 150;
    gs.ball_z = 0;
    gs.ball_moving = true;
    gs.players[0].total_strokes = totalStrokes;
    gs.players[0].strokes = totalStrokes;
    gs.par_total = parTotal;
    gs.course_par = parTotal;
  }
  int framesUntilHoleInit(int limit) {
    for (int f = 1; f <= limit; ++f) {
      back = test::blankSurface(640, 480);
      runHoleFlowAndDraw(gs, host, course, back);
      if (host.holeInits > 0) return f;
    }
    return -1;
  }
  ImageList course;
  GameState gs;
  FakeHost host;
  Surface back;
};

TEST_F(HoleFlow, HoleInOneOnParThreeScoresMinusTwoAndShowsIt) {
  holeOut(1, 3);
  runHoleFlowAndDraw(gs, host, course, back);
  EXPECT_EQ(gs.players[0].score, -2);
  EXPECT_EQ(hudNameLine("", 20, gs.players[0].score), " (-2)");
  // The rim goes on over the ball at the cup area's (x2, y2).
  EXPECT_EQ(back.at(90, 110), pixelOf(kRimColour));
  EXPECT_EQ(back.at(89, 110), pixelOf(0));
}

TEST_F(HoleFlow, CupStartsTheNamedHoleAfterTheBallHasFallen) {
  holeOut(4, 3);
  gs.current_hole = "course1hole2";
  const int frames = framesUntilHoleInit(100);
  // vz grows by 0.35 a frame; z passes -35 once 0.35 * n (n + 1) / 2 > 35.
  EXPECT_EQ(frames, 14);
  EXPECT_FALSE(gs.players[0].finished);
}

TEST_F(HoleFlow, RimIsDrawnWithTheHoleItBelongsTo) {
  holeOut(2, 3);
  gs.ball_z = -34;
  gs.ball_vz = 2;
  bool rimBeforeLoad = false;
  host.onHoleInit = [&](GameState& state) {
    rimBeforeLoad = back.at(90, 110) == pixelOf(kRimColour);
    // The next hole: other pictures, no cup entered.
    test::loadList(course, {itemDesc(solidPicture(8, 8, 0x102030))});
    state.holed_out = false;
    state.holed_area = 0;
  };
  runHoleFlowAndDraw(gs, host, course, back);
  EXPECT_EQ(host.holeInits, 1);
  EXPECT_TRUE(rimBeforeLoad);
}

TEST_F(HoleFlow, LastCupFinishesTheGameWithOneSound) {
  holeOut(5, 3);
  gs.current_hole = "done";
  gs.sound_on = false;  // 18 is played whatever the setting
  for (int f = 0; f < 30; ++f) runHoleFlowAndDraw(gs, host, course, back);
  EXPECT_EQ(host.holeInits, 0);
  EXPECT_TRUE(gs.players[0].finished);
  EXPECT_EQ(gs.players[0].score, 2);
  EXPECT_EQ(gs.ball_z, -35);
  EXPECT_EQ(std::count(host.played.begin(), host.played.end(), 18), 1);
}

TEST_F(HoleFlow, TunnelEntranceDrawnOverTheBall) {
  gs.in_tunnel = true;
  gs.holed_area = 2;
  gs.ball_x = gs.ball_prev_x = 300;
  gs.ball_y = gs.ball_prev_y = 100;
  runHoleFlowAndDraw(gs, host, course, back);
  EXPECT_EQ(back.at(180, 40), pixelOf(0x20A0E0));
  EXPECT_EQ(back.at(179, 40), pixelOf(0));
}

TEST_F(HoleFlow, TunnelRideCarriedIntoTheNextHoleDrawsNoEntrance) {
  gs.in_tunnel = true;
  gs.holed_area = 0;  // the new hole's start cleared it
  runHoleFlowAndDraw(gs, host, course, back);
  EXPECT_EQ(test::pixelsNot(back, 0, 0, 640, 480, pixelOf(0)), 0);
  EXPECT_FALSE(gs.in_tunnel);
}

struct EndCase {
  const char* what;
  int32_t score;
  bool moving, training;
  bool finished;
};

class EndOfGame : public HoleFlow, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndOfGame, GameOverOnlyAtRestOutsideTraining) {
  const EndCase& c = GetParam();
  gs.players[0].score = c.score;
  gs.ball_moving = c.moving;
  gs.sound_on = false;
  endOfGameCheck(gs, host, c.training);
  drawEndOfGameMessage(gs, nullptr, back);
  EXPECT_EQ(gs.players[0].finished, c.finished) << c.what;
  EXPECT_EQ(host.restarted.size(), c.finished ? 1u : 0u) << c.what;
  if (c.finished) { EXPECT_EQ(host.restarted[0], kSoundGameOver); }
}

INSTANTIATE_TEST_SUITE_P(Cases, EndOfGame,
                         ::testing::Values(EndCase{"two over at rest", 2, false, false, true},
                                           EndCase{"one over at rest", 1, false, false, false},
                                           EndCase{"two over still rolling", 2, true, false, false},
                                           EndCase{"two over in training", 2, false, true, false},
                                           EndCase{"far over at rest", 9, false, false, true}),
    fg::test::NamedBy(&EndCase::what));

TEST_F(HoleFlow, EndMessagesShimmerWithThreeRandomNumbers) {
  // Large font: 61 glyphs of 10 x 12, all white except the blank.
  ImageList menu;
  test::loadList(menu, {itemDesc(test::makePicture(610, 12, [](int x, int) { return x < 10 ? 0u : 0xFFFFFFu; }),
                                 10, 12)});
  gs.players[0].finished = true;
  gs.players[0].score = 3;
  GameState expected = gs;
  const int32_t r1 = RandBelow(expected, 1), r4 = RandBelow(expected, 4), r2 = RandBelow(expected, 2);
  drawEndOfGameMessage(gs, &menu.item(0), back);
  EXPECT_EQ(gs.seed, expected.seed);
  EXPECT_EQ(r1, 0);
  // "GAME OVER" centred as ten glyphs: (640 - 100) / 2 = 270, first glyph one advance on.
  const int32_t top = 240 - 30;
  EXPECT_NE(back.at(280 + r1, top), pixelOf(0));
  EXPECT_EQ(back.at(279, top + 5), pixelOf(0));
  EXPECT_NE(back.at(280 + r4 + 9, top + r2 + 11), pixelOf(0));
  EXPECT_EQ(back.at(280 + 4 * 10 + 5, top + 5), pixelOf(0));  // the blank between the words
}

struct MessageCase {
  const char* hole;
  int32_t score;
  bool drawn;
  int32_t firstX;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
  *os << c.hole << " score " << c.score;
}

class EndMessage : public HoleFlow, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(EndMessage, ChosenByHoleAndScore) {
  const MessageCase& c = GetParam();
  ImageList menu;
  test::loadList(menu, {itemDesc(solidPicture(610, 12, 0xFFFFFF), 10, 12)});
  gs.players[0].finished = true;
  gs.players[0].score = c.score;
  gs.current_hole = c.hole;
  drawEndOfGameMessage(gs, &menu.item(0), back);
  EXPECT_EQ(test::pixelsNot(back, 0, 0, 640, 480, pixelOf(0)) > 0, c.drawn) << c.hole;
  if (c.drawn) { EXPECT_NE(back.at(c.firstX, 215), pixelOf(0)); }
}

INSTANTIATE_TEST_SUITE_P(Messages, EndMessage,
                         ::testing::Values(MessageCase{"course1hole4", 2, true, 280},
                                           MessageCase{"done", 2, true, 265},  // (640 - 130) / 2 + 10
                                           MessageCase{"done", -1, true, 265},
                                           MessageCase{"course1hole4", 1, false, 0}),
    fg::test::PrintedName());

}  // namespace
}  // namespace fg
