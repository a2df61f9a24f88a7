// The input scripts under tests/scripts played through the real game window
// on the built game files: one putt with each method, first press to rest.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <unistd.h>

#include "media/application.h"
#include "platform/headless_platform.h"
#include "shell/main_window.h"
#include "test_paths.h"

namespace fg::test {
namespace {

struct ScriptRun {
  GameState end;
  std::set<int32_t> phases;  // putting phases of the frames shown on screen
  std::vector<std::string> shots;
};

std::string readScript(const std::string& name) {
  std::ifstream in(fg::test::testDataDir() + "/scripts/" + name);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Calls back at every picture put on screen.
class WatchedPlatform : public HeadlessPlatform {
 public:
  std::function<void()> onPresent;
  void present(const Surface& back) override {
    HeadlessPlatform::present(back);
    if (onPresent) onPresent();
  }
};

ScriptRun play(const std::string& name, bool training, const std::filesystem::path& shots) {
  std::string text = readScript(name);
  WatchedPlatform platform;
  platform.setStep(scriptStepMs(text, 10));
  platform.setScript(parseInputScript(text));
  platform.setShotFolder(shots.string());
  platform.setTimeLimit(20000);
  Application app(platform);
  LaunchpadControls launchpad;
  ScriptRun run;
  TMain game(app, launchpad, fg::test::gameDir());
  game.training_mode = training;
  platform.onPresent = [&] { run.phases.insert(game.gs.putt_phase); };
  game.ShowModal();
  run.end = game.gs;
  run.shots = platform.shotsWritten();
  return run;
}

class ScriptedPlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(fg::test::gameDir() + "course1hole1.dxg") ||
        !std::filesystem::exists(fg::test::gameDir() + "gui.dxg"))
      GTEST_SKIP() << "game content not built";
    shots = std::filesystem::temp_directory_path() / ("fg_input_shots_" + std::to_string(::getpid()));
    std::filesystem::create_directories(shots);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(shots, ec);
  }
  std::filesystem::path shots;
};

TEST_F(ScriptedPlayTest, PullPuttFromPressToRest) {
  ScriptRun run = play("pull_putt.script", false, shots);
  EXPECT_EQ(run.end.current_hole, "course1hole1");
  EXPECT_EQ(run.phases, (std::set<int32_t>{0, 1, 2}));
  EXPECT_EQ(run.end.players[0].strokes, 1);
  EXPECT_FALSE(run.end.ball_moving);
  EXPECT_EQ(run.end.putt_phase, 0);
  EXPECT_GT(run.end.ball_x, 204 + 100);  // it went right
  EXPECT_EQ(run.shots.size(), 3u);
}

TEST_F(ScriptedPlayTest, PushPuttFromClickToRest) {
  ScriptRun run = play("push_putt.script", true, shots);
  EXPECT_EQ(run.end.current_hole, "training1");
  EXPECT_FALSE(run.end.pull_putt);
  EXPECT_EQ(run.phases, (std::set<int32_t>{0, 1, 2, 3, 4}));
  EXPECT_EQ(run.end.players[0].strokes, 1);
  EXPECT_FALSE(run.end.ball_moving);
  EXPECT_EQ(run.end.putt_phase, 0);
  EXPECT_GT(run.end.ball_x, 244 + 50);
  EXPECT_EQ(run.shots.size(), 4u);
}

}  // namespace
}  // namespace fg::test
