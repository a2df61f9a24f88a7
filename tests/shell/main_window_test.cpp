// The game window's life: start, the title-card wait, frames skipped while
// the display cannot draw, closing and starting again.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "media/application.h"
#include "media/error.h"
#include "platform/headless_platform.h"
#include "shell/game_folder_helpers.h"
#include "shell/main_window.h"

namespace fg {
namespace {

const char* kHole =
    "[ball]\nx=400\ny=300\n[course]\npar=3\n"
    "[area1]\nkind=5\nx1=700\ny1=500\nr=20\nenabled=1\ncomment=done\n";

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest()
      : dir(testing::makeGameFolder(::testing::TempDir() + "/fg_shell_game_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name(),
                                    {{"course1hole1", kHole}, {"course1hole2", kHole}, {"course2hole1", kHole},
                                     {"training1", kHole}})),
        app(platform),
        main(app, launchpad, dir) {
    platform.setStep(10);
    app.setTarget(&main);
  }

  // Starts a game; a key pressed at 200 ms ends the title card.
  void show() {
    platform.setScript(parseInputScript("at 200 key SPACE\n"));
    main.FormShow();
  }

  std::string dir;
  HeadlessPlatform platform;
  Application app;
  LaunchpadControls launchpad;
  TMain main;
};

TEST_F(MainWindowTest, CreationSetsTheWindowsSettings) {
  EXPECT_TRUE(main.gs.sound_on);
  EXPECT_TRUE(main.gs.bgsound_on);
  EXPECT_TRUE(main.gs.foreground_tiles);
  EXPECT_FALSE(main.gs.debug_mode);
  EXPECT_FALSE(main.gengine.Enabled());
  EXPECT_EQ(main.gs.game_screen, kScreenPlay);
  EXPECT_FALSE(main.gs.pointer_visible);
  EXPECT_GT(main.menu.count(), 1);
}

TEST_F(MainWindowTest, TheTitleCardWaitsForInputWithTheTimerStopped) {
  show();
  EXPECT_GE(platform.clock(), 200u);  // nothing went on before the key
  EXPECT_EQ(main.gs.game_screen, kScreenPlay);
  EXPECT_TRUE(main.gengine.Enabled());
  EXPECT_EQ(main.gs.current_hole, "course1hole1");
  EXPECT_TRUE(main.gs.pointer_visible);
  EXPECT_EQ(main.gs.par_total, 3);
  // Loading picture and title card, each on both pages.
  EXPECT_EQ(platform.frames(), 4u);
}

TEST_F(MainWindowTest, TrainingShowsNoTitleCard) {
  main.training_mode = true;
  main.FormShow();
  EXPECT_EQ(platform.clock(), 0u);
  EXPECT_EQ(main.gs.game_screen, kScreenPlay);
  EXPECT_EQ(main.gs.current_hole, "training1");
  EXPECT_EQ(platform.frames(), 2u);
}

TEST_F(MainWindowTest, FramesAreSkippedWhileTheDisplayCannotDraw) {
  show();
  uint32_t presented = platform.frames();
  double z = main.gs.ball_z;
  platform.setDisplayLost(true);
  platform.setFailRestore(true);
  main.GengineTimer(1);
  EXPECT_EQ(platform.frames(), presented);
  EXPECT_EQ(main.gs.ball_z, z);  // no simulation either
  platform.setFailRestore(false);
  main.GengineTimer(1);
  EXPECT_EQ(platform.frames(), presented + 1);
}

TEST_F(MainWindowTest, SubstepsPerFrameFollowTheBar) {
  launchpad.frameskip = 50;
  show();
  EXPECT_EQ(main.gs.frame_skip, 3);
  EXPECT_EQ(main.gengine.Interval(), 33);
}

TEST_F(MainWindowTest, ClosingStopsTimerDisplayAndSoundThenEndsTheModalShow) {
  show();
  main.closeGameWindow();
  EXPECT_FALSE(main.gengine.Enabled());
  EXPECT_FALSE(main.DXDraw.initialized());
  EXPECT_FALSE(main.DXSound.initialized());
  EXPECT_FALSE(platform.displayOpen());
  EXPECT_EQ(main.modalResult, 1);
}

TEST_F(MainWindowTest, AGameStartedAfterClosingBeginsAtTheFirstHole) {
  show();
  main.gs.current_hole = "course1hole2";
  main.gs.players[0].strokes = 5;
  main.gs.players[0].total_strokes = 9;
  main.gs.players[0].score = 6;
  main.gs.debug_mode = true;
  main.gs.panel_minimised = true;
  main.closeGameWindow();
  main.modalResult = 0;
  platform.setScript(parseInputScript("at 400 key SPACE\n"));
  main.FormShow();
  EXPECT_EQ(main.gs.current_hole, "course1hole1");
  EXPECT_EQ(main.gs.players[0].strokes, 0);
  EXPECT_EQ(main.gs.players[0].total_strokes, 0);
  EXPECT_EQ(main.gs.players[0].score, 0);
  EXPECT_EQ(main.gs.par_total, 3);
  EXPECT_TRUE(main.gs.debug_mode);
  EXPECT_TRUE(main.gs.panel_minimised);
}

TEST_F(MainWindowTest, TheCourseRadioPicksTheFirstHoleAndTrainingKeepsItsOwn) {
  launchpad.course1 = false;
  launchpad.course2 = true;
  show();
  EXPECT_EQ(main.gs.current_hole, "course2hole1");
  main.closeGameWindow();
  main.modalResult = 0;
  main.training_mode = true;
  main.FormShow();
  EXPECT_EQ(main.gs.current_hole, "training1");
}

TEST_F(MainWindowTest, ResolutionRadiosPickTheMode) {
  launchpad.screen640 = false;
  launchpad.screen1024 = true;
  show();
  EXPECT_EQ(main.DXDraw.SurfaceWidth(), 1024);
  EXPECT_EQ(main.DXDraw.SurfaceHeight(), 768);
  main.closeGameWindow();
  // None checked: the display keeps the mode it had.
  launchpad.screen1024 = false;
  main.modalResult = 0;
  platform.setScript(parseInputScript("at 900 key SPACE\n"));
  main.FormShow();
  EXPECT_EQ(main.DXDraw.SurfaceWidth(), 1024);
}

// A next hole that cannot be loaded ends the game as a first hole that cannot
// does: the error goes to the caller and the launch window's turn comes, no
// loading picture left on screen. A name leaving the game folder opens nothing,
// even where the files it names exist.
class UnloadableNextHole : public MainWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnloadableNextHole, ClosesTheGameWindowWithTheError) {
  const std::string outside = ::testing::TempDir() + "/fg_shell_outside";
  testing::makeGameFolder(outside, {{"course1hole2", kHole}});
  show();
  main.gs.current_hole = GetParam();
  main.gs.holed_out = true;
  main.gs.holed_area = 1;
  main.gs.ball_z = -100;
  main.gs.ball_moving = false;  // the ball has dropped: only the cup sequence runs
  try {
    main.GengineTimer(1);
    FAIL() << "the next hole loaded";
  } catch (const GameError& e) {
    EXPECT_NE(std::string(e.what()).find("Cannot open file"), std::string::npos) << e.what();
  }
  EXPECT_EQ(main.modalResult, 1);
  EXPECT_FALSE(main.gengine.Enabled());
  EXPECT_FALSE(platform.displayOpen());
}

INSTANTIATE_TEST_SUITE_P(Names, UnloadableNextHole, ::testing::Values("course1hole9", "../fg_shell_outside/course1hole2"),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                           return i.index == 0 ? "MissingArchives" : "LeavesTheGameFolder";
                         });

}  // namespace
}  // namespace fg

namespace fg {
namespace {

// A file FormCreate needs is missing: its error is shown and the rest of
// FormCreate is skipped, but the window exists, and a game can start in it.
class MissingCreateFile : public ::testing::TestWithParam<const char*> {};

TEST_P(MissingCreateFile, LeavesAWindowThatStillPlays) {
  std::string dir = testing::makeGameFolder(::testing::TempDir() + "/fg_shell_missing_" + GetParam(),
                                            {{"course1hole1", kHole}});
  std::remove((dir + GetParam()).c_str());
  HeadlessPlatform platform;
  Application app(platform);
  LaunchpadControls launchpad;
  std::unique_ptr<TMain> main;
  ASSERT_NO_THROW(main = std::make_unique<TMain>(app, launchpad, dir));
  ASSERT_EQ(platform.errors().size(), 1u);
  EXPECT_NE(platform.errors()[0].find(GetParam()), std::string::npos) << platform.errors()[0];
  app.setTarget(main.get());
  platform.setScript(parseInputScript("at 200 key SPACE\n"));
  main->FormShow();
  EXPECT_EQ(main->gs.current_hole, "course1hole1");
  EXPECT_TRUE(main->gengine.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Files, MissingCreateFile, ::testing::Values("menu.dxg", "sound.dxw"),
                         [](const auto& info) {
                           std::string n = info.param;
                           return n.substr(0, n.find('.'));
                         });

}  // namespace
}  // namespace fg
