#include "sim/hole_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "case_name.h"
#include "sim/area_effects.h"
#include "sim/geometry.h"
#include "sim/ini_text.h"

namespace fg {
namespace {

struct IntCase {
  const char* text;
  int32_t want;  // with default 77
};
class IniIntegerTest : public ::testing::TestWithParam<IntCase> {};
TEST_P(IniIntegerTest, ReadsOrDefaults) {
  std::string file = std::string("[area1]\nx1=") + GetParam().text + "\n";
  IniText ini(file);
  EXPECT_EQ(ini.readInteger("area1", "x1", 77), GetParam().want) << GetParam().text;
}
INSTANTIATE_TEST_SUITE_P(
    Values, IniIntegerTest,
    ::testing::Values(IntCase{"0x10", 16}, IntCase{"$10", 16}, IntCase{"0X1f", 31}, IntCase{"-12", -12},
                      IntCase{"+12", 12}, IntCase{"  42  ", 42}, IntCase{"abc", 77}, IntCase{"12abc", 77},
                      IntCase{"1.5", 77}, IntCase{"true", 77}, IntCase{"", 77}, IntCase{"$FFFFFFFF", -1},
                      IntCase{"$100000000", 77}, IntCase{"2147483647", 2147483647},
                      IntCase{"-2147483648", INT32_MIN}, IntCase{"2147483648", 77}, IntCase{"0x", 77},
                      IntCase{"-$10", -16}, IntCase{"0000000000012", 12}),
    [](const auto& info) { return "case" + std::to_string(info.index) + "_" + fg::test::caseName(info.param.text); });

TEST(IniText, SectionsAndKeysIgnoreCaseFirstWins) {
  IniText ini(
      "; a comment\r\n"
      "[Ball]\r\n"
      "X = 100\r\n"
      "x=999\r\n"
      ";y=5\r\n"
      "[ball]\r\n"
      "y=300\r\n"
      "[BALL]\r\n"
      "y = 200\r\n");
  EXPECT_EQ(ini.readInteger("ball", "x", 0), 100);
  // The second [ball] section is a repeat and adds nothing.
  EXPECT_EQ(ini.readInteger("BALL", "y", 7), 7);
}

TEST(IniText, ByteOrderMarkIsSkipped) {
  IniText ini("\xEF\xBB\xBF[ball]\nx=12\n");
  EXPECT_EQ(ini.readInteger("ball", "x", 0), 12);
}

TEST(IniText, ValuesCutTo2047Characters) {
  std::string longValue(3000, 'a');
  IniText ini("[area1]\ncomment=" + longValue + "\n");
  EXPECT_EQ(ini.readString("area1", "comment", "").size(), 2047u);
}

TEST(IniText, BooleanIsNonZeroInteger) {
  IniText ini("[a]\non=2\noff=0\nword=yes\n");
  EXPECT_TRUE(ini.readBool("a", "on", false));
  EXPECT_FALSE(ini.readBool("a", "off", true));
  EXPECT_FALSE(ini.readBool("a", "word", false));
  EXPECT_FALSE(ini.readBool("a", "missing", false));
}

TEST(IniText, GarbageNeverThrows) {
  std::string junk;
  for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) % 256);
  IniText ini(junk + "\n[\n]\n=\n[x\nk=v");
  EXPECT_EQ(ini.readInteger("x", "k", 3), 3);
}

GameState loaded(const std::string& text, uint32_t seed = 0) {
  GameState gs;
  gs.seed = seed;
  readHoleFromText(gs, IniText(text));
  return gs;
}

TEST(ReadHole, AreasFromFileAndEnabledRule) {
  GameState gs = loaded(
      "[course]\npar=5\n"
      "[area1]\nkind=2\nx1=0x10\ny1=$10\nx2=abc\nenabled=2\ncomment=course1hole2\n"
      "[area2]\nkind=4\nx1=1\ny1=1\nx2=50\ny2=1\n"
      "[area0]\nkind=9\nenabled=1\n"
      "[area100]\nkind=9\nenabled=1\n");
  EXPECT_EQ(gs.course_par, 5);
  EXPECT_EQ(gs.par_total, 5);
  EXPECT_EQ(gs.areas[1].kind, 2);
  EXPECT_EQ(gs.areas[1].x1, 16);
  EXPECT_EQ(gs.areas[1].y1, 16);
  EXPECT_EQ(gs.areas[1].x2, 0);
  EXPECT_TRUE(gs.areas[1].enabled);
  EXPECT_EQ(gs.areas[1].comment, "course1hole2");
  EXPECT_FALSE(gs.areas[2].enabled);  // every other key present, enabled absent
  EXPECT_EQ(gs.areas[0].kind, 0);
  for (int n = 3; n <= kAreaCount; ++n) EXPECT_FALSE(gs.areas[n].enabled);
}

TEST(ReadHole, EveryFieldOverwritten) {
  GameState gs;
  gs.areas[7].kind = 5;
  gs.areas[7].enabled = true;
  gs.areas[7].comment = "old";
  gs.areas[7].p6 = 9;
  readHoleFromText(gs, IniText(""));
  EXPECT_EQ(gs.areas[7].kind, 0);
  EXPECT_FALSE(gs.areas[7].enabled);
  EXPECT_EQ(gs.areas[7].comment, "");
  EXPECT_EQ(gs.areas[7].p6, 0);
}

TEST(ReadHole, ParAddsUpEvenForTheSameHole) {
  GameState gs;
  for (int i = 0; i < 3; ++i) readHoleFromText(gs, IniText("[course]\npar=5\n"));
  EXPECT_EQ(gs.par_total, 15);
}

TEST(ReadHole, StartScatteredOnTheRing) {
  for (uint32_t seed = 0; seed < 200; ++seed) {
    GameState gs = loaded("[ball]\nx=100\ny=50\n", seed * 2654435761u);
    double dx = gs.ball_x - 100, dy = (gs.ball_y - 50) * 2;
    double d = std::sqrt(dx * dx + dy * dy);
    EXPECT_GE(d, 4 - 1e-9);
    EXPECT_LE(d, 25 + 1e-9);
  }
}

TEST(ReadHole, DefaultsWithoutFile) {
  GameState gs;
  ReadHoleFile(gs, "/nonexistent-folder", "nothing.hole");
  EXPECT_EQ(gs.course_par, 3);
  // Seed 0: angle 0, distance 4.
  EXPECT_DOUBLE_EQ(gs.ball_x, 324);
  EXPECT_DOUBLE_EQ(gs.ball_y, 240 + ByteSin(0) * 2);
}

class HoleFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("fg_sim_hole_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void write(const std::string& name, const std::string& text) { std::ofstream(dir_ / name, std::ios::binary) << text; }
  std::filesystem::path dir_;
};

TEST_F(HoleFolder, ReadsFromTheGivenFolderOnly) {
  write("h.hole", "[course]\npar=4\n");
  GameState gs;
  ReadHoleFile(gs, dir_.string(), "h.hole");
  EXPECT_EQ(gs.course_par, 4);
  std::filesystem::create_directories(dir_ / "sub");
  write("sub/x.hole", "[course]\npar=9\n");
  GameState other;
  ReadHoleFile(other, dir_.string(), "sub/x.hole");
  EXPECT_EQ(other.course_par, 3);
}

TEST_F(HoleFolder, OversizedFileReadsAsEmpty) {
  write("big.hole", "[course]\npar=4\n" + std::string(kHoleFileLimit, ';'));
  EXPECT_EQ(readHoleText(dir_.string(), "big.hole"), "");
}

TEST_F(HoleFolder, DirectoryNamedLikeAHoleIsNoFile) {
  std::filesystem::create_directories(dir_ / ".hole");
  EXPECT_EQ(readHoleText(dir_.string(), ".hole"), "");
}

TEST(AreaShape, PartialQuadIsNeverEntered) {
  GameState gs;
  gs.ball_x = 5;
  gs.ball_y = 0;
  arearec a;
  a.enabled = true;
  a.kind = 17;
  a.x1 = 0;
  a.y1 = 0;
  a.x2 = 10;
  a.y2 = 0;
  a.x3 = 5;
  a.y3 = 10;
  a.x4 = 0;
  a.y4 = 10;
  EXPECT_FALSE(ballInside(gs, a));
  a.x4 = 1;
  EXPECT_TRUE(ballInside(gs, a));
  a.enabled = false;
  EXPECT_FALSE(ballInside(gs, a));
}

}  // namespace
}  // namespace fg
