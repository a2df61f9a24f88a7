#include <gtest/gtest.h>

#include "case_name.h"
#include "render/hud.h"
#include "render_test_helpers.h"

namespace fg {
namespace {

using test::itemDesc;
using test::solidPicture;

TEST(HudName, CutUpperCasedAndScored) {
  EXPECT_EQ(hudNameLine("Player 1", 20, 0), "PLAYER 1 (0)");
  EXPECT_EQ(hudNameLine("abcdefghijklmnopqrstuvwxyz", 20, -3), "ABCDEFGHIJKLMNOPQRST (-3)");
  EXPECT_EQ(hudNameLine("abcdefghijklmnopqrstuvwxyz", 16, 12), "ABCDEFGHIJKLMNOP (12)");
  EXPECT_EQ(hudNameLine("", 20, 5), " (5)");
  // Only a … z change: accented letters and digits stay as they are.
  EXPECT_EQ(hudNameLine("\xe5sa-9_z", 20, 0), "\xe5SA-9_Z (0)");
}

// gui for the HUD: each picture a solid colour so its placement can be read.
class Hud : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<ImageItemDesc> items;
    for (int i = 0; i < 9; ++i) items.push_back(itemDesc(solidPicture(1, 1, 0)));
    items[1] = itemDesc(solidPicture(4, 4, 0x101010));        // panel, small so the texts stay visible
    items[2] = itemDesc(solidPicture(4, 4, 0x202020));        // small panel
    items[3] = itemDesc(test::makePicture(110, 22, [](int x, int) { return 0x300000u + (x / 22) * 0x20; }), 22, 22);
    items[4] = itemDesc(solidPicture(40, 16, 0x404040));      // push-putt mark
    items[7] = itemDesc(solidPicture(67 * 4, 4, 0x00F000), 4, 4);  // font: every glyph green
    items[8] = itemDesc(solidPicture(12 * 5, 6, 0x0000F0), 5, 6);  // digits: every glyph blue
    test::loadList(gui, items);
    gs.banner_pos = -1;
    gs.pull_putt = true;
    gs.course_par = 3;
  }
  Surface draw() {
    Surface back = test::blankSurface(320, 120);
    drawHud(gs, gui, back, name);
    return back;
  }
  bool green(const Surface& s, int x, int y) { return s.at(x, y) == test::pixelOf(0x00F000); }
  bool blue(const Surface& s, int x, int y) { return s.at(x, y) == test::pixelOf(0x0000F0); }
  ImageList gui;
  GameState gs;
  std::string name = "Ann";
};

struct ScoreCase {
  int32_t score;
  int32_t x;  // where the digit writer starts
  int chars;
};

void PrintTo(const ScoreCase& c, std::ostream* os) {
  *os << "score " << c.score;
}

class HudScore : public Hud, public ::testing::WithParamInterface<ScoreCase> {};

TEST_P(HudScore, DigitWriterPlace) {
  const ScoreCase& c = GetParam();
  gs.players[0].score = c.score;
  Surface back = draw();
  EXPECT_FALSE(blue(back, c.x + 5, 27));
  for (int i = 1; i <= c.chars; ++i) EXPECT_TRUE(blue(back, c.x + 6 * i, 27)) << i;
  EXPECT_FALSE(blue(back, c.x + 6 * (c.chars + 1), 27));
}

INSTANTIATE_TEST_SUITE_P(Scores, HudScore,
                         ::testing::Values(ScoreCase{-3, 22, 2}, ScoreCase{7, 32, 1}, ScoreCase{0, 32, 1},
                                           ScoreCase{10, 22, 2}, ScoreCase{-12, 22, 3}),
    fg::test::PrintedName());

struct StrokeCase {
  bool small;
  int32_t strokes;
  int32_t x, y;
};

void PrintTo(const StrokeCase& c, std::ostream* os) {
  *os << (c.small ? "small panel " : "full panel ") << c.strokes;
}

class HudStrokes : public Hud, public ::testing::WithParamInterface<StrokeCase> {};

TEST_P(HudStrokes, TenOrMoreMoveFivePixelsLeft) {
  const StrokeCase& c = GetParam();
  gs.panel_minimised = c.small;
  gs.players[0].strokes = c.strokes;
  Surface back = draw();
  EXPECT_FALSE(green(back, c.x + 3, c.y));
  EXPECT_TRUE(green(back, c.x + 4, c.y));
}

INSTANTIATE_TEST_SUITE_P(Strokes, HudStrokes,
                         ::testing::Values(StrokeCase{false, 9, 118, 48}, StrokeCase{false, 10, 113, 48},
                                           StrokeCase{true, 9, 206, 9}, StrokeCase{true, 10, 201, 9}),
    fg::test::PrintedName());

TEST_F(Hud, NameLineOnlyWithoutBanner) {
  Surface back = draw();
  EXPECT_TRUE(green(back, 120, 31));
  gs.banner_pos = 5;
  back = draw();
  EXPECT_FALSE(green(back, 120, 31));
}

TEST_F(Hud, PushPuttMarkOnlyOnTheFullPanel) {
  gs.pull_putt = false;
  Surface back = draw();
  EXPECT_EQ(back.at(193, 60), test::pixelOf(0x404040));
  gs.panel_minimised = true;
  back = draw();
  EXPECT_NE(back.at(193, 60), test::pixelOf(0x404040));
  EXPECT_EQ(back.at(5, 5), test::pixelOf(0x202020));
}

TEST_F(Hud, PressedButtonHeldOnlyInsideItsHoldArea) {
  gs.button_down[2] = true;
  gs.mouse_x = 86;  // hold area of button 3: x 60 … 86, y 76 … 102
  gs.mouse_y = 102;
  Surface back = draw();
  EXPECT_TRUE(gs.button_down[2]);
  EXPECT_EQ(back.at(61, 76), test::pixelOf(0x300040));
  gs.mouse_x = 87;
  back = draw();
  EXPECT_FALSE(gs.button_down[2]);
  EXPECT_NE(back.at(61, 76), test::pixelOf(0x300040));
  gs.mouse_x = 70;  // back on the button: the flag stays cleared
  back = draw();
  EXPECT_FALSE(gs.button_down[2]);
}

TEST(HudButtons, HoldAreas) {
  EXPECT_TRUE(insideButtonHold(0, 16, 76));
  EXPECT_TRUE(insideButtonHold(0, 42, 102));
  EXPECT_FALSE(insideButtonHold(0, 15, 80));
  EXPECT_FALSE(insideButtonHold(0, 30, 75));
  EXPECT_TRUE(insideButtonHold(4, 130, 90));
  EXPECT_FALSE(insideButtonHold(4, 131, 90));
  EXPECT_FALSE(insideButtonHold(5, 140, 90));
}

}  // namespace
}  // namespace fg
