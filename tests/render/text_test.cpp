#include <gtest/gtest.h>

#include "case_name.h"
#include "render/bitmap_text.h"
#include "render_test_helpers.h"
#include "sim/sim_actions.h"

namespace fg {
namespace {

using test::itemDesc;

// Glyph i is a 4x4 block of its own colour, so a drawn pixel tells which
// pattern was chosen.
uint32_t glyphColour(int i) { return ((i & 7) << 21) | (((i >> 3) & 15) << 12) | 0xC0; }

Picture glyphStrip(int count, int w, int h) {
  return test::makePicture(count * w, h, [w](int x, int) { return glyphColour(x / w); });
}

// The pattern whose colour is at (x, y), or -1 for the background.
int glyphAt(const Surface& s, int x, int y) {
  const uint32_t c = pixelToColor(s.at(x, y), s.format);
  if ((c >> 16) != 0xC0) return -1;
  return static_cast<int>(((c >> 5) & 7) | (((c >> 12) & 15) << 3));
}

TEST(FontMap, OddCases) {
  EXPECT_EQ(fontPattern('"'), 26);
  EXPECT_EQ(fontPattern('a'), 27);  // the only lower-case letters
  EXPECT_EQ(fontPattern('t'), 28);
  EXPECT_EQ(fontPattern(' '), 29);  // the first of the two blanks
  EXPECT_EQ(fontPattern('9'), 40);
  EXPECT_EQ(fontPattern('='), 43);  // the second "=" at 59 is never chosen
  EXPECT_EQ(fontPattern('`'), 47);
  EXPECT_EQ(fontPattern('.'), 58);
  EXPECT_EQ(fontPattern('#'), 61);
  EXPECT_EQ(fontPattern(0xC5), 62);
  EXPECT_EQ(fontPattern(0xD6), 63);
  EXPECT_EQ(fontPattern(0xC4), 64);
  EXPECT_EQ(fontPattern('*'), 66);
  // Not in the map: blank pattern 30.
  for (unsigned char c : {'b', 'z', ',', ':', '\0', '\xFF', '\xE5'}) EXPECT_EQ(fontPattern(c), 30) << int(c);
  for (int c = 0; c < 256; ++c) EXPECT_NE(fontPattern(static_cast<unsigned char>(c)), 59);
}

TEST(FontWriter, StartsOneAdvanceRightAndBlanksUnknownLowerCase) {
  ImageList list;
  test::loadList(list, {itemDesc(glyphStrip(67, 4, 4), 4, 4)});
  Surface back = test::blankSurface(64, 8);
  writeFontText(list.item(0), back, "Hello", 10, 2);
  EXPECT_EQ(glyphAt(back, 10, 2), -1);
  EXPECT_EQ(glyphAt(back, 14, 2), 7);  // H
  for (int i = 2; i <= 5; ++i) EXPECT_EQ(glyphAt(back, 10 + 4 * i, 2), 30);
  Surface empty = test::blankSurface(64, 8);
  writeFontText(list.item(0), empty, "", 10, 2);
  EXPECT_EQ(test::differingPixels(empty, test::blankSurface(64, 8)), 0);
}

TEST(DigitWriter, BlankKeepsItsPlaceAndMinusIsPatternEleven) {
  ImageList list;
  test::loadList(list, {itemDesc(glyphStrip(12, 4, 4), 4, 4)});
  Surface back = test::blankSurface(64, 8);
  writeDigitText(list.item(0), back, " 7", 0, 0);
  EXPECT_EQ(glyphAt(back, 5, 0), -1);
  EXPECT_EQ(glyphAt(back, 10, 0), 7);  // x + 2 * (4 + 1)
  writeDigitText(list.item(0), back, "-3x", 20, 0);
  EXPECT_EQ(glyphAt(back, 25, 0), 11);
  EXPECT_EQ(glyphAt(back, 30, 0), 3);
  EXPECT_EQ(glyphAt(back, 35, 0), -1);
}

TEST(LargeWriter, AdditiveAtAlpha170AndLowerCaseBlank) {
  // Pattern 0 (the blank) black, so keyed away; every other glyph white.
  ImageList list;
  test::loadList(list, {itemDesc(test::makePicture(61 * 6, 8, [](int x, int) { return x < 6 ? 0u : 0xFFFFFFu; }),
                                 6, 8)});
  Surface back = test::blankSurface(80, 10, 0x101010);
  writeLargeText(list.item(0), back, "AbC", 0, 1);
  EXPECT_EQ(largePattern('A'), 33);
  EXPECT_EQ(largePattern('\\'), 60);
  EXPECT_EQ(largePattern('b'), 0);
  EXPECT_EQ(largePattern(']'), 0);
  // 0x10 + ((248 * 170) >> 8 = 164) = 180; green 0x10 + (252 * 170 >> 8 = 167) = 183.
  EXPECT_EQ(back.at(6, 1), test::pixelOf(0xB4B7B4));
  EXPECT_EQ(back.at(12, 1), test::pixelOf(0x101010));  // "b" drawn as the blank
  EXPECT_EQ(back.at(18, 8), test::pixelOf(0xB4B7B4));
  EXPECT_EQ(back.at(18, 9), test::pixelOf(0x101010));
}

class Banner : public ::testing::Test {
 protected:
  void SetUp() override { test::loadList(font, {itemDesc(glyphStrip(67, 4, 4), 4, 4)}); }
  int runUntilEnded(int limit) {
    int frames = 0;
    for (;;) {
      Surface back = test::blankSurface(300, 50);
      drawBanner(gs, &font.item(0), back);
      if (gs.banner_pos == -1) return frames;
      if (++frames > limit) return -1;
    }
  }
  ImageList font;
  GameState gs;
  test::FakeHost host;
};

TEST_F(Banner, FortyThreeCharactersEndAfter173Frames) {
  startBanner(gs, host, "PUSH PUTT METHOD");
  ASSERT_EQ(gs.banner_text.size(), 43u);
  EXPECT_EQ(gs.banner_text.substr(0, 28), std::string(27, ' ') + "P");
  EXPECT_EQ(runUntilEnded(1000), 173);
}

TEST_F(Banner, FirstMessageOfAProcessRunsOneEmptyFrame) {
  EXPECT_EQ(runUntilEnded(10), 1);
}

TEST_F(Banner, ReplayShowsTheSameMessageAgain) {
  startBanner(gs, host, "SOUND ON");
  runUntilEnded(1000);
  replayBanner(gs);
  EXPECT_EQ(gs.banner_pos, 0);
  EXPECT_EQ(runUntilEnded(1000), 4 * 35 + 1);
}

struct WindowCase {
  bool small;
  int32_t posBefore;
  int firstGlyph;   // pattern at the first place of the window
  int lastPlace;    // 1-based place of the last glyph drawn
};

void PrintTo(const WindowCase& c, std::ostream* os) {
  *os << (c.small ? "small panel at " : "full panel at ") << c.posBefore;
}

class BannerWindow : public Banner, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(BannerWindow, ScrollsOneCharacterEveryFourFrames) {
  const WindowCase& c = GetParam();
  gs.banner_text = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  gs.banner_pos = c.posBefore;
  gs.panel_minimised = c.small;
  Surface back = test::blankSurface(300, 50);
  drawBanner(gs, &font.item(0), back);
  const int x = c.small ? 80 : 116, y = c.small ? 9 : 31;
  EXPECT_EQ(glyphAt(back, x + 4, y), c.firstGlyph);
  EXPECT_NE(glyphAt(back, x + 4 * c.lastPlace, y), -1);
  EXPECT_EQ(glyphAt(back, x + 4 * (c.lastPlace + 1), y), -1);
}

INSTANTIATE_TEST_SUITE_P(Windows, BannerWindow,
                         ::testing::Values(WindowCase{false, 0, 0, 28},    // pos 1: first character
                                           WindowCase{false, 6, 0, 28},    // pos 7: still the first
                                           WindowCase{false, 7, 1, 28},    // pos 8: from "B"
                                           WindowCase{true, 7, 1, 21},
                                           WindowCase{false, 131, 37, 4},  // pos 132: from "6"
                                           WindowCase{true, 139, 39, 2}),
    fg::test::PrintedName());  // pos 140: "89"

}  // namespace
}  // namespace fg
