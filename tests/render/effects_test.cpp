#include <gtest/gtest.h>

#include "case_name.h"
#include "render/effects.h"
#include "render_test_helpers.h"

namespace fg {
namespace {

using test::blankSurface;
using test::itemDesc;
using test::pixelOf;
using test::solidPicture;

// Course items: 0 a 5-pattern strip of 8x8 grey frames, 1 a single 8x8
// picture stored without a pattern size.
class Effects : public ::testing::Test {
 protected:
  void SetUp() override {
    test::loadList(course, {itemDesc(solidPicture(40, 8, 0x808080), 8, 8),
                            itemDesc(solidPicture(8, 8, 0x808080))});
    back = blankSurface(64, 64, 0x404040);
  }
  EffectSlot& place(int slot, int32_t x, int32_t y, int32_t image, int32_t blend, int32_t pulse = 0) {
    EffectSlot& e = gs.effects[slot];
    e.x = x;
    e.y = y;
    e.image = image;
    e.blend = blend;
    e.pulse = pulse;
    return e;
  }
  ImageList course;
  GameState gs;
  Surface back;
};

TEST_F(Effects, SlotAtOriginIsEmptyAndNeverDrawn) {
  EffectSlot& e = place(3, 0, 0, 0, 0);
  e.frame = 8;
  drawEffects(gs, course, back, 1);
  EXPECT_EQ(test::pixelsNot(back, 0, 0, 64, 64, pixelOf(0x404040)), 0);
  EXPECT_EQ(e.frame, 8);  // not advanced either
}

struct BlendCase {
  const char* what;
  int32_t blend, pulse;
  uint32_t expect;  // colour inside the 8x8 box on the 0x404040 background
};

class EffectBlend : public Effects, public ::testing::WithParamInterface<BlendCase> {};

TEST_P(EffectBlend, DrawsWithItsBlend) {
  const BlendCase& c = GetParam();
  place(5, 10, 10, 0, c.blend, c.pulse);
  drawEffects(gs, course, back, 1);
  EXPECT_EQ(back.at(12, 12), pixelOf(c.expect)) << c.what;
  EXPECT_EQ(back.at(9, 9), pixelOf(0x404040)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Blends, EffectBlend,
    ::testing::Values(BlendCase{"plain", 0, 0, 0x808080},
                      // blend 1: only the additive draw at alpha 1, (128 * 1) >> 8 = 0
                      BlendCase{"blend 1 is additive at alpha 1 only", 1, 0, 0x404040},
                      BlendCase{"additive 255", 255, 0, 0xC0C0C0},
                      BlendCase{"subtractive 255", -255, 0, 0x000000},
                      BlendCase{"subtractive 128", -128, 0, 0x000000},
                      // pulse 100: alpha 255 - |200 - 255| = 200, only the glow is drawn
                      BlendCase{"pulse alone", 0, 100, 0x717171},
                      BlendCase{"pulse at 255 is invisible", 0, 255, 0x404040}),
    fg::test::NamedBy(&BlendCase::what));

TEST_F(Effects, BlendOneNeverDrawnSubtractively) {
  // A bright item over a bright background: a subtractive draw would darken it.
  back = blankSurface(64, 64, 0xF0F0F0);
  place(5, 10, 10, 0, 1);
  drawEffects(gs, course, back, 1);
  EXPECT_EQ(back.at(12, 12), pixelOf(0xF0F0F0));
}

TEST_F(Effects, StoredPatternSizeMissingMeansNoBlendedDraw) {
  place(5, 10, 10, 1, 255);
  drawEffects(gs, course, back, 1);
  EXPECT_EQ(back.at(12, 12), pixelOf(0x404040));
}

TEST_F(Effects, PulseCyclesAndRestartsAtFour) {
  EffectSlot& e = place(5, 10, 10, 0, 0, 980);
  e.looping = true;
  drawEffects(gs, course, back, 1);
  EXPECT_EQ(e.pulse, 1000);
  drawEffects(gs, course, back, 1);
  EXPECT_EQ(e.pulse, 4);
}

TEST_F(Effects, FivePatternEffectEndsAfterTwentyAdvances) {
  EffectSlot& e = place(7, 10, 10, 0, 0);
  for (int i = 1; i < 20; ++i) {
    drawEffects(gs, course, back, 1);
    ASSERT_EQ(e.x, 10) << "ended early at advance " << i;
    EXPECT_EQ(e.frame, i);
  }
  drawEffects(gs, course, back, 1);
  EXPECT_EQ(e.x, 0);
  EXPECT_EQ(e.y, 0);
  EXPECT_EQ(e.frame, 0);
  EXPECT_EQ(e.image, 0);
}

TEST_F(Effects, LoopingEffectRestarts) {
  EffectSlot& e = place(7, 10, 10, 0, 0);
  e.looping = true;
  for (int i = 0; i < 20; ++i) drawEffects(gs, course, back, 1);
  EXPECT_EQ(e.x, 10);
  EXPECT_EQ(e.frame, 0);
}

TEST_F(Effects, LowerSlotsEndOnTop) {
  place(10, 10, 10, 0, 0);          // grey, drawn first
  place(2, 10, 10, 0, -255);        // subtracts it away again
  drawEffects(gs, course, back, 1);
  EXPECT_EQ(back.at(12, 12), pixelOf(0x000000));
}

TEST_F(Effects, MissingPictureEndsAtOnce) {
  EffectSlot& e = place(7, 10, 10, 40, 0);
  drawEffects(gs, course, back, 1);
  EXPECT_EQ(e.x, 0);
}

struct RateCase {
  int32_t fps;
  int32_t advance;
};

void PrintTo(const RateCase& c, std::ostream* os) {
  *os << c.fps << " fps";
}

class EffectRate : public ::testing::TestWithParam<RateCase> {};

TEST_P(EffectRate, AdvanceUpToSixty) {
  int32_t carry = 0;
  EXPECT_EQ(effectAdvance(GetParam().fps, carry), GetParam().advance);
  EXPECT_EQ(carry, 0);
}

INSTANTIATE_TEST_SUITE_P(Rates, EffectRate,
                         ::testing::Values(RateCase{0, 4}, RateCase{14, 4}, RateCase{15, 4}, RateCase{16, 3},
                                           RateCase{20, 3}, RateCase{29, 2}, RateCase{30, 2},
                                           RateCase{45, 1}, RateCase{60, 1}),
    fg::test::PrintedName());

class EffectRateAboveSixty : public ::testing::TestWithParam<int32_t> {};

TEST_P(EffectRateAboveSixty, KeepsFifteenPatternsPerSecond) {
  const int32_t fps = GetParam();
  int32_t carry = 0;
  int64_t quarters = 0;
  for (int frame = 0; frame < fps * 4; ++frame) quarters += effectAdvance(fps, carry);
  // Four seconds: 60 patterns, 240 quarters, whatever the rate.
  EXPECT_EQ(quarters, 240);
}

TEST_P(EffectRateAboveSixty, EveryNonLoopingEffectEnds) {
  const int32_t fps = GetParam();
  ImageList course;
  test::loadList(course, {itemDesc(solidPicture(40, 8, 0x808080), 8, 8)});
  GameState gs;
  Surface back = blankSurface(32, 32);
  gs.effects[26] = EffectSlot{4, 4, 0, 0, false, 192, 0};
  int32_t carry = 0;
  int frames = 0;
  while (gs.effects[26].x != 0 && frames < 100000) {
    drawEffects(gs, course, back, effectAdvance(fps, carry));
    ++frames;
  }
  // Five patterns at 15 per second: a third of a second.
  EXPECT_NEAR(frames, fps / 3.0, 1.0 + fps / 60.0);
}

INSTANTIATE_TEST_SUITE_P(HighRates, EffectRateAboveSixty, ::testing::Values(61, 75, 100, 144, 240, 1000, 5000),
    fg::test::PrintedName());

}  // namespace
}  // namespace fg
