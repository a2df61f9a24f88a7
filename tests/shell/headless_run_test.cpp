// The whole program run headless twice from one script: launch window, Start
// Game, the title card, a few frames of play. Both runs must write the very
// same screenshots.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "frontend/launchpad_layout.h"
#include "test_paths.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

class HeadlessRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game = fs::path(fg::test::gameDir());
    if (!fs::exists(game / "fairglade") || !fs::exists(game / "gui.dxg") || !fs::exists(game / "course1hole1.dxg"))
      GTEST_SKIP() << "the game and its content are not built";
    // Each test its own folder: ctest runs them side by side.
    work = fs::path(::testing::TempDir()) /
           ("fg_headless_run_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(work);
    fs::create_directories(work);
    const Rect& r = controlOf(ControlId::launch).rect;
    std::ofstream(work / "play.script") << "step 10\n"
                                        << "at 2000 key ESCAPE\n"  // ends the intro
                                        << "at 3000 click " << (r.left + r.right) / 2 << " "
                                        << (r.top + r.bottom) / 2 << "\n"
                                        << "at 6000 key SPACE\n"  // ends the title card
                                        << "at 6500 shot play_a.png\n"
                                        << "at 9000 shot play_b.png\n"
                                        << "at 9500 key ESCAPE\n"
                                        << "at 11000 shot launch_again.png\n"
                                        << "at 11500 quit\n";
  }

  int run(const std::string& name) {
    fs::path shots = work / name;
    fs::create_directories(shots);
    std::string cmd = (game / "fairglade").string() + " --headless --script " + (work / "play.script").string() +
                      " --shots " + shots.string() + " --settings " + (work / (name + "_settings")).string() +
                      " > " + (work / (name + ".log")).string() + " 2>&1";
    return std::system(cmd.c_str());
  }

  fs::path game, work;
};

TEST_F(HeadlessRunTest, TheSameScriptGivesTheSamePictures) {
  ASSERT_EQ(run("first"), 0) << readAll(work / "first.log");
  ASSERT_EQ(run("second"), 0) << readAll(work / "second.log");
  for (const char* shot : {"play_a.png", "play_b.png", "launch_again.png"}) {
    std::string a = readAll(work / "first" / shot), b = readAll(work / "second" / shot);
    ASSERT_FALSE(a.empty()) << shot << " was not written";
    EXPECT_EQ(a, b) << shot << " differs between two runs";
  }
  // The game was played between the two shots: the pictures differ.
  EXPECT_NE(readAll(work / "first" / "play_a.png"), readAll(work / "first" / "play_b.png"));
}

struct BadCommandLine {
  const char* name;
  const char* args;
  friend void PrintTo(const BadCommandLine& b, std::ostream* os) { *os << b.args; }
};

class CommandLine : public testing::TestWithParam<BadCommandLine> {};

// A malformed option is named with the usage and exit status 2; before, a
// word where a number belongs ended the program with an uncaught exception
// and "--step -1" became a step of 49 days.
TEST_P(CommandLine, RefusesWithUsageAndStatus2) {
  const fs::path game(fg::test::gameDir());
  if (!fs::exists(game / "fairglade")) GTEST_SKIP() << "the game is not built";
  const fs::path log = fs::path(::testing::TempDir()) / (std::string("fg_command_line_") + GetParam().name);
  const std::string cmd = (game / "fairglade").string() + " --headless --time-limit 10 " + GetParam().args +
                          " > " + log.string() + " 2>&1";
  const int status = std::system(cmd.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_NE(readAll(log).find("Usage: fairglade"), std::string::npos) << readAll(log);
}

INSTANTIATE_TEST_SUITE_P(Options, CommandLine,
                         testing::Values(BadCommandLine{"StepWord", "--step abc"},
                                         BadCommandLine{"NegativeStep", "--step -1"},
                                         BadCommandLine{"LimitWithUnit", "--time-limit 10s"},
                                         BadCommandLine{"LimitBeyond32Bits", "--time-limit 4294967296"},
                                         BadCommandLine{"ShotEveryZero", "--shot-every 0"},
                                         BadCommandLine{"ShotEveryWord", "--shot-every often"},
                                         BadCommandLine{"ReplayWithoutFile", "--replay"},
                                         BadCommandLine{"MissingValue", "--step"},
                                         BadCommandLine{"Unknown", "--fast"}),
                         [](const testing::TestParamInfo<BadCommandLine>& i) { return std::string(i.param.name); });

// The tour script through the whole program, started from a folder of its
// own with relative folders for shots and settings: every picture it takes is
// the one it names.
TEST_F(HeadlessRunTest, TheTourEndsBackOnTheLaunchWindow) {
  fs::path tour = fs::path(fg::test::testDataDir()) / "scripts/tour.script";
  std::string cmd = "cd " + work.string() + " && " + (game / "fairglade").string() + " --headless --script " +
                    tour.string() + " --shots shots --settings settings > tour.log 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0) << readAll(work / "tour.log");
  auto shot = [&](const char* name) { return readAll(work / "shots" / name); };
  for (const char* name : {"launch.png", "title_card.png", "hud_full_banner.png", "hud_small_banner.png",
                           "help_pull.png", "help_push.png", "launch_again.png"})
    ASSERT_FALSE(shot(name).empty()) << name << " was not written";
  EXPECT_EQ(shot("launch_again.png"), shot("launch.png")) << "the tour ends on the launch window";
  EXPECT_NE(shot("title_card.png"), shot("hud_full_banner.png"));
  EXPECT_NE(shot("hud_full_banner.png"), shot("hud_small_banner.png"));
  EXPECT_NE(shot("help_pull.png"), shot("help_push.png"));
  EXPECT_NE(shot("help_push.png"), shot("launch_again.png"));
  // "Start Game" stored the settings under the relative folder.
  EXPECT_TRUE(fs::exists(work / "settings/Software/Brackwater/Fairglade Beta 3/RunOnce/RunOnce"));
}

}  // namespace
}  // namespace fg
