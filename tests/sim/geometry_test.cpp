#include "sim/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "case_name.h"
#include "state/game_state.h"

namespace fg {
namespace {

TEST(CosTable, QuarterTurns) {
  EXPECT_EQ(ByteCos(0), 1.0);
  EXPECT_EQ(ByteCos(128), -1.0);
  EXPECT_EQ(ByteSin(64), 1.0);
  EXPECT_EQ(ByteSin(-64), -1.0);
  // Worked out in extended precision, the zero crossings keep a trace of pi's
  // last bits; they must be far below anything the course can show.
  EXPECT_NEAR(ByteSin(0), 0.0, 1e-18);
  EXPECT_NEAR(ByteCos(64), 0.0, 1e-18);
  EXPECT_EQ(ByteCos(300), ByteCos(44));
  EXPECT_EQ(ByteSin(-1), ByteSin(255));
}

struct RoundCase {
  double v;
  int32_t want;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
  *os << c.v;
}
class RoundTest : public ::testing::TestWithParam<RoundCase> {};
TEST_P(RoundTest, HalvesGoToEven) { EXPECT_EQ(roundHalfEven(GetParam().v), GetParam().want); }
INSTANTIATE_TEST_SUITE_P(Values, RoundTest,
                         ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2},
                                           RoundCase{-3.5, -4}, RoundCase{0.49999999999999994, 0},
                                           RoundCase{2.6, 3}, RoundCase{-0.4, 0}, RoundCase{1e300, 0}),
    fg::test::PrintedName());

TEST(RoundTest, NaNGivesZero) { EXPECT_EQ(roundHalfEven(std::nan("")), 0); }

struct AngleCase {
  int32_t ax, ay, bx, by, want;
};

void PrintTo(const AngleCase& c, std::ostream* os) {
  *os << c.ax << "," << c.ay << " to " << c.bx << "," << c.by;
}
class PointAngleTest : public ::testing::TestWithParam<AngleCase> {};
TEST_P(PointAngleTest, DirectionFromBToA) {
  const AngleCase& c = GetParam();
  EXPECT_EQ(PointAngle(c.ax, c.ay, c.bx, c.by), c.want);
}
INSTANTIATE_TEST_SUITE_P(Examples, PointAngleTest,
                         ::testing::Values(AngleCase{5, 5, 5, 5, 192}, AngleCase{5, 6, 5, 5, 64},
                                           AngleCase{10, 0, 0, 0, 0}, AngleCase{0, 0, 10, 0, 128},
                                           AngleCase{10, -10, 0, 0, 224}, AngleCase{-10, 10, 0, 0, 96},
                                           AngleCase{-10, -10, 0, 0, 160}, AngleCase{10, 10, 0, 0, 32},
                                           AngleCase{10, -1, 0, 0, 252}, AngleCase{100, 1, 0, 0, 0},
                                           AngleCase{100, -1, 0, 0, 0}),
    fg::test::PrintedName());

TEST(VectorAngle, CasesOnDoubles) {
  EXPECT_EQ(VectorAngle(0.0, 0.0), 192);
  EXPECT_EQ(VectorAngle(0.0, 2.0), 64);
  EXPECT_EQ(VectorAngle(-0.0, -2.0), 192);
  EXPECT_EQ(VectorAngle(1.0, 0.0), 0);
  EXPECT_EQ(VectorAngle(-1.0, 0.0), 128);
  EXPECT_EQ(VectorAngle(1e-300, 1.0), 64);
  EXPECT_EQ(VectorAngle(std::nan(""), 1.0), 0);
}

TEST(Distances, WorkedExamples) {
  EXPECT_EQ(PointDistance(0, 0, 3, 4), 5);
  EXPECT_EQ(EllipseDistance(0, 0, 0, 3), 6);
  EXPECT_EQ(EllipseDistance(0, 0, 4, 0), 4);
  EXPECT_EQ(PointDistance(0, 0, 1, 1), 1);
  // Far points: the 32-bit sum of squares must not turn into a negative root.
  EXPECT_EQ(PointDistance(0, 0, 40000, 30000), 50000);
}

struct QuadCase {
  int32_t px, py;
  bool want;
};

void PrintTo(const QuadCase& c, std::ostream* os) {
  *os << c.px << "," << c.py;
}
class InQuadTest : public ::testing::TestWithParam<QuadCase> {};
TEST_P(InQuadTest, BothWindings) {
  const QuadCase& c = GetParam();
  EXPECT_EQ(InQuad(0, 0, 10, 0, 10, 10, 0, 10, c.px, c.py), c.want);
  EXPECT_EQ(InQuad(0, 10, 10, 10, 10, 0, 0, 0, c.px, c.py), c.want);
}
INSTANTIATE_TEST_SUITE_P(UnitSquare, InQuadTest,
                         ::testing::Values(QuadCase{10, 5, true}, QuadCase{5, 5, true}, QuadCase{11, 5, false},
                                           QuadCase{0, 0, true}, QuadCase{5, -1, false}),
    fg::test::PrintedName());

struct WallCase {
  int32_t px, py;
  bool want;
};

void PrintTo(const WallCase& c, std::ostream* os) {
  *os << c.px << "," << c.py;
}
class OnWallTest : public ::testing::TestWithParam<WallCase> {};
TEST_P(OnWallTest, EightPixelBand) {
  EXPECT_EQ(OnWall(0, 0, 100, 0, GetParam().px, GetParam().py), GetParam().want);
}
INSTANTIATE_TEST_SUITE_P(Horizontal, OnWallTest,
                         ::testing::Values(WallCase{50, 4, true}, WallCase{50, 5, false}, WallCase{-1, 0, false},
                                           WallCase{50, -4, true}, WallCase{100, 0, true},
                                           WallCase{101, 0, false}),
    fg::test::PrintedName());

TEST(Folding, AngleByteAndFoldAngle) {
  EXPECT_EQ(FoldAngle(200), 72);
  EXPECT_EQ(FoldAngle(128), 128);
  EXPECT_EQ(FoldAngle(129), 1);
  EXPECT_EQ(FoldAngle(-1), 127);
  EXPECT_EQ(AngleByte(-1), 255);
  EXPECT_EQ(AngleByte(-264), 248);
}

TEST(RandBelow, SequenceFromProgramStart) {
  GameState gs;
  // seed 1, then 134775814, then 134775814 * 134775813 + 1 (mod 2^32).
  EXPECT_EQ(RandBelow(gs, 256), 0);
  EXPECT_EQ(gs.seed, 1u);
  EXPECT_EQ(RandBelow(gs, 256), 8);
  uint32_t third = 134775814u * 134775813u + 1u;
  EXPECT_EQ(RandBelow(gs, 256), static_cast<int32_t>((uint64_t{third} * 256) >> 32));
  EXPECT_EQ(gs.seed, third);
}

TEST(RandBelow, StaysBelowN) {
  GameState gs;
  for (int i = 0; i < 1000; ++i) {
    int32_t v = RandBelow(gs, 22);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 22);
  }
}

}  // namespace
}  // namespace fg

namespace fg {
namespace {

// The band test as first written: angle, rounded offsets, quadrilateral.
bool onWallByQuad(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t px, int32_t py) {
  int32_t a = PointAngle(x1, y1, x2, y2);
  int32_t ox = roundHalfEven(ByteCos(a + 64) * 4);
  int32_t oy = roundHalfEven(ByteSin(a + 64) * 4);
  return InQuad(x1 + ox, y1 + oy, x2 + ox, y2 + oy, x2 - ox, y2 - oy, x1 - ox, y1 - oy, px, py);
}

TEST(Shortcuts, OnWallMatchesTheQuadrilateral) {
  uint32_t state = 99;
  auto next = [&](int32_t span) {
    state = state * 1664525u + 1013904223u;
    return static_cast<int32_t>((state >> 8) % static_cast<uint32_t>(span)) - span / 2;
  };
  for (int i = 0; i < 20000; ++i) {
    int32_t x1 = next(60), y1 = next(60);
    int32_t x2 = i % 50 == 0 ? x1 : next(60), y2 = i % 50 == 0 ? y1 : next(60);
    int32_t px = next(200), py = next(80);
    ASSERT_EQ(OnWall(x1, y1, x2, y2, px, py), onWallByQuad(x1, y1, x2, y2, px, py))
        << x1 << "," << y1 << " " << x2 << "," << y2 << " p " << px << "," << py;
  }
  // A wall of no length: its flat band reaches along the line.
  EXPECT_TRUE(OnWall(10, 10, 10, 10, 500, 10));
}

TEST(Shortcuts, DistanceTestsMatchTheRoundedRoot) {
  for (int32_t dx = -60; dx <= 60; ++dx) {
    for (int32_t dy = -60; dy <= 60; ++dy) {
      for (int32_t limit : {-1, 0, 1, 3, 4, 17, 40}) {
        ASSERT_EQ(PointDistanceAtMost(dx, dy, 0, 0, limit), PointDistance(dx, dy, 0, 0) <= limit);
        ASSERT_EQ(EllipseDistanceAtMost(dx, dy, 0, 0, limit), EllipseDistance(dx, dy, 0, 0) <= limit);
      }
    }
  }
  EXPECT_TRUE(PointDistanceAtMost(0, 0, 40000, 30000, 50000));
  EXPECT_FALSE(PointDistanceAtMost(0, 0, 40000, 30000, 49999));
}

}  // namespace
}  // namespace fg
