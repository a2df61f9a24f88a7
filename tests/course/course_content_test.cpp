// The generated holes as the game reads them: the chain of cups, every area
// kind in play somewhere, the fixed objects sitting on what they belong to,
// and archives with every item the game draws from.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "case_name.h"
#include "media/image_list.h"
#include "media/wave_list.h"
#include "sim/geometry.h"
#include "sim/hole_file.h"
#include "test_paths.h"

namespace fg {
namespace {

const std::string kGameDir = fg::test::gameDir();
const char* const kHoles[] = {"training1",    "training2",    "course1hole1", "course1hole2",
                              "course1hole3", "course1hole4", "course1hole5", "course1hole6",
                              "course1hole7", "course1hole8", "course1hole9", "course2hole1",
                              "course2hole2", "course2hole3", "course2hole4", "course2hole5",
                              "course2hole6", "course2hole7", "course2hole8", "course2hole9"};

GameState loadHole(const std::string& name) {
  GameState gs;
  ReadHoleFile(gs, kGameDir, name + ".hole");
  return gs;
}

bool inside(const arearec& a, int32_t x, int32_t y) {
  if (a.r >= 1) return EllipseDistance(x, y, a.x1, a.y1) <= a.r;
  return InQuad(a.x1, a.y1, a.x2, a.y2, a.x3, a.y3, a.x4, a.y4, x, y);
}

std::vector<std::string> chainFrom(std::string hole) {
  std::vector<std::string> seen;
  while (hole != "done" && seen.size() < 20) {
    seen.push_back(hole);
    GameState gs = loadHole(hole);
    std::string next;
    for (int n = 1; n <= kAreaCount; ++n)
      if (gs.areas[n].enabled && gs.areas[n].kind == 5) next = gs.areas[n].comment;
    EXPECT_FALSE(next.empty()) << hole << " has no cup";
    if (next.empty()) break;
    hole = next;
  }
  return seen;
}

TEST(Courses, CupsChainTheHolesInOrder) {
  EXPECT_EQ(chainFrom("training1"), (std::vector<std::string>{"training1", "training2"}));
  std::vector<std::string> game = chainFrom("course1hole1");
  ASSERT_EQ(game.size(), 9u);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(game[i], "course1hole" + std::to_string(i + 1));
  std::vector<std::string> second = chainFrom("course2hole1");
  ASSERT_EQ(second.size(), 9u);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(second[i], "course2hole" + std::to_string(i + 1));
}

// The pars themselves come from the player model (player_bands_test).
TEST(Courses, ParsAreFromTwoToFive) {
  for (const char* h : kHoles) {
    GameState gs = loadHole(h);
    EXPECT_GE(gs.course_par, 2) << h;
    EXPECT_LE(gs.course_par, 5) << h;
  }
}

TEST(Courses, EveryAreaKindWithAnEffectIsPlayedSomewhere) {
  std::set<int32_t> kinds;
  std::set<int32_t> switch_states;
  for (const char* h : kHoles) {
    GameState gs = loadHole(h);
    for (int n = 1; n <= kAreaCount; ++n)
      if (gs.areas[n].enabled) {
        kinds.insert(gs.areas[n].kind);
        if (gs.areas[n].kind == 29) switch_states.insert(gs.areas[n].p1);
      }
  }
  for (int32_t k = 1; k <= 36; ++k)
    if (k != 13 && k != 31) { EXPECT_TRUE(kinds.count(k)) << "kind " << k << " is on no hole"; }
  EXPECT_EQ(switch_states, (std::set<int32_t>{1, 2, 3}));
}

TEST(Courses, TheBonusTokenHoversOverItsArea) {
  GameState gs = loadHole("course1hole1");
  bool found = false;
  for (int n = 1; n <= kAreaCount; ++n)
    if (gs.areas[n].enabled && gs.areas[n].kind == 35) found = inside(gs.areas[n], 620, 520);
  EXPECT_TRUE(found) << "no bonus area under the token drawn at (600, 500)";
}

TEST(Courses, TheSleeperLiesWhereHeWakesUp) {
  int holes = 0;
  for (const char* h : kHoles) {
    GameState gs = loadHole(h);
    for (int n = 1; n <= kAreaCount; ++n)
      if (gs.areas[n].enabled && gs.areas[n].kind == 36) {
        ++holes;
        EXPECT_TRUE(inside(gs.areas[n], 1006 + 30, 71 + 28)) << h;
      }
  }
  EXPECT_EQ(holes, 1);
}

TEST(Courses, TunnelsShowTheirMouthAndComeOutLower) {
  for (const char* h : kHoles) {
    GameState gs = loadHole(h);
    for (int n = 1; n <= kAreaCount; ++n) {
      const arearec& a = gs.areas[n];
      if (!a.enabled || a.kind != 26) continue;
      EXPECT_GT(a.y2, a.y1 + 40) << h << ": the ride needs a drop to its exit";
      EXPECT_EQ(a.p3, 11);
    }
  }
}

class HoleArchives : public ::testing::TestWithParam<const char*> {};

TEST_P(HoleArchives, HoldEveryItemTheGameDraws) {
  ImageList course;
  course.loadFromFile(kGameDir + GetParam() + ".dxg");
  ASSERT_GE(course.count(), 17);
  const Picture& pic = course.item(0).picture;
  EXPECT_EQ(pic.width % 24, 0);
  EXPECT_EQ(pic.height % 24, 0);
  EXPECT_FALSE(course.item(0).transparent);
  const PictureItem& fg = course.item(1);
  EXPECT_EQ(fg.picture.width, pic.width);
  EXPECT_EQ(fg.picture.height, pic.height);
  EXPECT_EQ(fg.patternWidth, 24);
  EXPECT_EQ(fg.patternHeight, 24);
  for (int i = 2; i <= 16; ++i) EXPECT_FALSE(course.item(i).picture.empty()) << "item " << i;

  // The cup's front rim is see-through over the hole itself.
  GameState gs = loadHole(GetParam());
  for (int n = 1; n <= kAreaCount; ++n) {
    const arearec& a = gs.areas[n];
    if (!a.enabled || a.kind != 5) continue;
    const Picture& rim = course.item(2).picture;
    int cx = a.x1 - a.x2, cy = a.y1 - a.y2 + 1;
    ASSERT_TRUE(cx > 0 && cx < rim.width && cy >= 0 && cy < rim.height);
    const uint8_t* p = &rim.rgb[(static_cast<size_t>(cy) * rim.width + cx) * 3];
    EXPECT_EQ(p[0] | p[1] | p[2], 0);
  }

  WaveList sounds;
  sounds.loadFromFile(kGameDir + GetParam() + ".dxw");
  ASSERT_EQ(sounds.count(), 2);
  const Wave& loop = sounds.item(0).wave;
  EXPECT_EQ(loop.sampleRate, 22050u);
  EXPECT_EQ(loop.bits, 16);
  EXPECT_EQ(loop.channels, 1);
  ASSERT_GE(loop.data.size(), 4u);
  auto sample = [&](size_t i) { return static_cast<int16_t>(loop.data[2 * i] | (loop.data[2 * i + 1] << 8)); };
  size_t last = loop.data.size() / 2 - 1;
  // Looping: the end runs into the start without a click.
  EXPECT_LT(std::abs(sample(last) - sample(0)), 2500);
  EXPECT_FALSE(sounds.item(1).wave.data.empty());
}

INSTANTIATE_TEST_SUITE_P(Course, HoleArchives, ::testing::ValuesIn(kHoles),
    fg::test::PrintedName());

// A hole smaller than the screen would sit in black bars.
TEST(Courses, EveryHoleFillsTheScreen) {
  for (const char* h : kHoles) {
    ImageList course;
    course.loadFromFile(kGameDir + h + ".dxg");
    const Picture& pic = course.item(0).picture;
    EXPECT_GE(pic.width, 640) << h;
    EXPECT_GE(pic.height, 480) << h;
  }
}

TEST(Courses, TheNightHoleTwinklesAndTheSwitchHoleHasItsLamps) {
  ImageList night;
  night.loadFromFile(kGameDir + "course1hole5.dxg");
  for (int i : {5, 6}) {
    const PictureItem& star = night.item(i);
    ASSERT_GT(star.patternWidth, 0);
    EXPECT_GE(star.picture.width / star.patternWidth, 2) << "item " << i << " does not twinkle";
  }
}

}  // namespace
}  // namespace fg
