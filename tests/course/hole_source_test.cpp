// The hole descriptions: wall kinds from directions, the hole file text the
// game reads back, and descriptions that must be refused rather than built.
#include <gtest/gtest.h>

#include "case_name.h"
#include "hole_source.h"
#include "media/error.h"
#include "sim/hole_file.h"
#include "sim/ini_text.h"

namespace fg {
namespace {

struct WallCase {
  int32_t x1, y1, x2, y2, kind;
};

void PrintTo(const WallCase& c, std::ostream* os) {
  *os << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
}

class WallKind : public ::testing::TestWithParam<WallCase> {};

TEST_P(WallKind, FollowsTheDirection) {
  const WallCase& c = GetParam();
  EXPECT_EQ(wallKindFor(c.x1, c.y1, c.x2, c.y2), c.kind);
  EXPECT_EQ(wallKindFor(c.x2, c.y2, c.x1, c.y1), c.kind) << "either way round";
}

INSTANTIATE_TEST_SUITE_P(Directions, WallKind,
                         ::testing::Values(WallCase{0, 10, 100, 10, 4}, WallCase{10, 0, 10, 90, 2},
                                           WallCase{0, 100, 100, 0, 6}, WallCase{0, 0, 80, 80, 7},
                                           WallCase{0, 100, 200, 0, 1}, WallCase{0, 0, 200, 100, 3},
                                           WallCase{0, 0, 100, 30, 0}, WallCase{5, 5, 5, 5, 0}),
    fg::test::PrintedName());

const char* kSmall = R"(name tiny
title "T" "small"
size 240 192
par 2
ball 60 100
border 20 20  220 20  220 170  20 170  20 20
water circle 120 90 20 drop=60,100
tunnel circle 60 60 10 exit=180,150 dir=180,150,200,150 nobounce=3
switch rect 30 120 20 20 state=2
bumps rect 150 40 30 30 decor=150,40,10
cup circle 180 60 8 next=done
tree 10 10 20
)";

TEST(HoleSource, HoleFileReadsBackAsWritten) {
  HoleSource h = parseHoleSource(kSmall);
  ASSERT_EQ(h.areas.size(), 9u);
  GameState gs;
  readHoleFromText(gs, IniText(holeFileText(h)));
  EXPECT_EQ(gs.course_par, 2);
  for (size_t i = 0; i < h.areas.size(); ++i) {
    const arearec& want = h.areas[i].rec;
    const arearec& got = gs.areas[i + 1];
    EXPECT_EQ(got.kind, want.kind) << i;
    EXPECT_EQ(got.x1, want.x1); EXPECT_EQ(got.y1, want.y1); EXPECT_EQ(got.r, want.r);
    EXPECT_EQ(got.x2, want.x2); EXPECT_EQ(got.y2, want.y2);
    EXPECT_EQ(got.x3, want.x3); EXPECT_EQ(got.y3, want.y3);
    EXPECT_EQ(got.x4, want.x4); EXPECT_EQ(got.y4, want.y4);
    EXPECT_EQ(got.p1, want.p1); EXPECT_EQ(got.p2, want.p2);
    EXPECT_EQ(got.p3, want.p3); EXPECT_EQ(got.p4, want.p4);
    EXPECT_TRUE(got.enabled);
    EXPECT_EQ(got.comment, want.comment);
  }
  EXPECT_FALSE(gs.areas[10].enabled);
  // The tunnel's mouth picture and the cup's rim sit where the pictures are cut.
  const arearec& tunnel = gs.areas[6];
  EXPECT_EQ(tunnel.p3, kTunnelPicture);
  EXPECT_EQ(tunnel.p1, rimLeft(tunnel));
  EXPECT_EQ(tunnel.p4, 3);
  EXPECT_EQ(gs.areas[9].comment, "done");
  EXPECT_EQ(gs.areas[8].comment, "10");
}

struct BadCase {
  const char* label;
  const char* line;
};

class RefusedLine : public ::testing::TestWithParam<BadCase> {};

TEST_P(RefusedLine, NamesTheLine) {
  std::string text = std::string("name bad\nsize 240 192\ncup circle 100 100 8\n") + GetParam().line + "\n";
  try {
    parseHoleSource(text);
    FAIL() << "accepted: " << GetParam().line;
  } catch (const GameError& e) {
    EXPECT_NE(std::string(e.what()).find("line 4"), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusedLine,
    ::testing::Values(BadCase{"UnknownWord", "teapot circle 1 2 3"},
                      BadCase{"CrookedWall", "wall seg 0 0 100 30"},
                      BadCase{"QuadOnTheLeftEdge", "sand quad 10 10 50 10 50 50 0 50"},
                      BadCase{"ShortQuad", "sand quad 10 10 50 10 50 50"},
                      BadCase{"WaterWithoutDrop", "water circle 50 50 10"},
                      BadCase{"NotANumber", "mine circle 5x 5 5"},
                      BadCase{"BadSlope", "slope up rect 10 10 20 20"},
                      BadCase{"ItemOutOfRange", "item 12 flag"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(HoleSource, RefusesMoreThanNinetyNineAreas) {
  std::string text = "name many\nsize 240 192\ncup circle 100 100 8\n";
  for (int i = 0; i < 99; ++i) text += "mine circle 50 50 5\n";
  EXPECT_THROW(parseHoleSource(text), GameError);
}

TEST(HoleSource, NeedsSizeInWholeTilesAndACup) {
  EXPECT_THROW(parseHoleSource("name a\nsize 250 192\ncup circle 100 100 8\n"), GameError);
  EXPECT_THROW(parseHoleSource("name a\nsize 240 192\n"), GameError);
  EXPECT_NO_THROW(parseHoleSource("name a\nsize 240 192\ncup circle 100 100 8\n"));
}

}  // namespace
}  // namespace fg
