// The scorecard and personal bests through the game window's own hole starts,
// pause with its frame timer, and a practice hole.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "frontend/personal_bests.h"
#include "input/added_keys.h"
#include "media/application.h"
#include "platform/headless_platform.h"
#include "shell/game_folder_helpers.h"
#include "shell/main_window.h"
#include "test_paths.h"

namespace fg {
namespace {

std::string hole(const char* next) {
  return std::string("[ball]\nx=400\ny=300\n[course]\npar=3\n[area1]\nkind=5\nx1=700\ny1=500\nr=20\nenabled=1\ncomment=") +
         next + "\n";
}

class GameFlowTest : public ::testing::Test {
 protected:
  GameFlowTest()
      : name(::testing::UnitTest::GetInstance()->current_test_info()->name()),
        dir(testing::makeGameFolder(::testing::TempDir() + "/fg_flow_" + name,
                                    {{"course1hole1", hole("course1hole2")},
                                     {"course1hole2", hole("done")},
                                     {"training1", hole("done")}})),
        data(::testing::TempDir() + "/fg_flow_data_" + name),
        bests(data),
        app(platform),
        main(app, launchpad, dir) {
    std::filesystem::remove_all(data);
    platform.setStep(10);
    app.setTarget(&main);
    main.bests = &bests;
  }

  // Starts a game; a key a little later ends each title card.
  void start() {
    pressSoon();
    main.FormShow();
  }
  void pressSoon() { platform.setScript(parseInputScript("at " + std::to_string(platform.clock() + 100) + " key SPACE\n")); }

  // The ball drops into the cup after `putts` strokes and `bonus` pick-ups;
  // the frame then starts the next hole (and its title card) or ends the game.
  void holeOut(int32_t putts, int32_t bonus) {
    PlayerRecord& p = main.gs.players[0];
    p.strokes = putts - bonus;
    p.total_strokes += putts - bonus;
    for (int i = 0; i < bonus; ++i) main.bonusStrokeTaken(main.gs);
    main.gs.holed_out = true;
    main.gs.holed_area = 1;
    main.gs.ball_z = -40;
    main.gs.ball_moving = false;
    main.gs.current_hole = main.gs.areas[1].comment;
    pressSoon();
    main.GengineTimer(1);
  }

  std::vector<std::string> results() const {
    std::vector<std::string> out;
    for (const HoleScore& h : main.rounds().card().holes())
      out.push_back(resultName(h) + (h.newBest ? " NEW BEST" : ""));
    return out;
  }

  // Frames put on screen by idle passes over `ms` of virtual time.
  int framesOver(uint32_t ms) {
    const uint32_t before = platform.frames();
    for (uint32_t end = platform.clock() + ms; platform.clock() < end;) {
      app.pumpMessages();
      app.idle();
    }
    return static_cast<int>(platform.frames() - before);
  }

  std::string name, dir, data;
  PersonalBests bests;
  HeadlessPlatform platform;
  Application app;
  LaunchpadControls launchpad;
  TMain main;
};

bool anyLitBelow(const Surface& s, int top) {
  for (int y = top; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x)
      if (s.at(x, y) != 0) return true;
  return false;
}

// Keeps the picture that was on screen when each key came.
class KeyWitness : public HeadlessPlatform {
 public:
  Surface atKey;
  bool pollEvent(InputEvent& e) override {
    if (!HeadlessPlatform::pollEvent(e)) return false;
    if (e.type == EventType::KeyDown) atKey = lastFrame();
    return true;
  }
};

// With the game's own pictures: the card under the second title card (none
// under the first), and the word over a paused frame.
TEST(GamePictures, CardUnderTheTitleAndPausedOverThePlay) {
  const std::string dir = fg::test::gameDir();
  if (!std::filesystem::exists(dir + "course1hole2.dxg")) GTEST_SKIP() << "content not built";
  KeyWitness platform;
  Application app(platform);
  LaunchpadControls launchpad;
  TMain main(app, launchpad, dir);
  app.setTarget(&main);
  const int below = 480 / 2 + 100;  // under a title card of 180 rows
  platform.setScript(parseInputScript("at 100 key SPACE\n"));
  main.FormShow();
  EXPECT_FALSE(anyLitBelow(platform.atKey, below));
  main.gs.players[0].strokes = 2;
  main.gs.holed_out = true;
  main.gs.ball_z = -40;
  main.gs.ball_moving = false;
  main.gs.current_hole = "course1hole2";
  platform.setScript(parseInputScript("at " + std::to_string(platform.clock() + 100) + " key SPACE\n"));
  main.GengineTimer(1);
  EXPECT_TRUE(anyLitBelow(platform.atKey, below));

  const Surface played = platform.lastFrame();
  main.onKeyDown(kPauseKey, {});
  EXPECT_NE(platform.lastFrame().pixels, played.pixels);
}

TEST_F(GameFlowTest, TheCardFollowsTheRoundAndBeatenRecordsAreNewBests) {
  start();
  holeOut(2, 0);
  holeOut(4, 1);  // four putts, one taken back by the bonus: par
  ASSERT_TRUE(main.gs.players[0].finished);
  EXPECT_EQ(results(), (std::vector<std::string>{"BIRDIE", "PAR"}));
  EXPECT_EQ(main.rounds().card().strokeTotal(), 5);
  EXPECT_FALSE(main.rounds().look().roundNewBest);  // a first round has nothing to beat

  main.closeGameWindow();
  main.modalResult = 0;
  start();
  // A hole's record is marked as soon as its ball drops, so the card under
  // the next title card already says so.
  holeOut(1, 0);
  EXPECT_EQ(results(), (std::vector<std::string>{"HOLE IN ONE NEW BEST", ""}));
  holeOut(2, 0);
  EXPECT_EQ(results(), (std::vector<std::string>{"HOLE IN ONE NEW BEST", "BIRDIE NEW BEST"}));
  EXPECT_TRUE(main.rounds().look().roundNewBest);

  // Kept on disk, for this player only.
  PersonalBests stored(data);
  ASSERT_EQ(stored.load(), "");
  EXPECT_EQ(stored.best(BestKind::Hole, "Player 1", "course1hole1"), 1);
  EXPECT_EQ(stored.best(BestKind::Hole, "Player 1", "course1hole2"), 2);
  EXPECT_EQ(stored.best(BestKind::Round, "Player 1", "course1"), 3);
}

TEST_F(GameFlowTest, AGameOverCardShowsTheUnfinishedHoleAndKeepsNoRoundBest) {
  start();
  holeOut(5, 0);
  main.gs.players[0].strokes = 2;
  main.gs.players[0].total_strokes = 7;
  main.gs.players[0].score = 2;
  main.gs.ball_moving = false;
  main.GengineTimer(1);
  ASSERT_TRUE(main.gs.players[0].finished);
  EXPECT_EQ(results(), (std::vector<std::string>{"+2", ""}));
  EXPECT_EQ(main.rounds().card().holes()[1].strokes, 2);
  PersonalBests stored(data);
  stored.load();
  EXPECT_EQ(stored.best(BestKind::Round, "Player 1", "course1"), std::nullopt);
  EXPECT_EQ(stored.best(BestKind::Hole, "Player 1", "course1hole2"), std::nullopt);
}

TEST_F(GameFlowTest, TheCheatKeyKeepsTheRestOfTheGameOutOfTheBests) {
  start();
  holeOut(2, 0);
  main.onKeyDown(vk::F9, {});
  holeOut(1, 0);
  PersonalBests stored(data);
  stored.load();
  EXPECT_EQ(stored.best(BestKind::Hole, "Player 1", "course1hole1"), 2);
  EXPECT_EQ(stored.best(BestKind::Hole, "Player 1", "course1hole2"), std::nullopt);
  EXPECT_EQ(stored.best(BestKind::Round, "Player 1", "course1"), std::nullopt);
}

TEST_F(GameFlowTest, PauseStopsTheFramesKeepsThePictureAndOwesNoFramesAfter) {
  start();
  const int before = framesOver(500);
  ASSERT_GT(before, 10);
  const Surface played = platform.lastFrame();
  const double z = main.gs.ball_z;
  main.onKeyDown(kPauseKey, {});
  ASSERT_TRUE(main.paused());
  EXPECT_EQ(framesOver(10000), 0);
  EXPECT_EQ(main.gs.ball_z, z);
  main.onMouseDown(MouseButton::Left, {}, 320, 240);  // input waits too
  main.onKeyDown(kPauseKeyAlt, {});
  EXPECT_FALSE(main.paused());
  EXPECT_EQ(main.DXDraw.surface().pixels, played.pixels);  // the word is gone again
  // The same pace as before: ten seconds away are not made up.
  EXPECT_NEAR(framesOver(500), before, 1);
}

TEST_F(GameFlowTest, LosingFocusPausesAndOnlyThePauseKeyResumes) {
  start();
  framesOver(100);
  platform.setActive(false);
  app.pumpMessages();
  EXPECT_TRUE(main.paused());
  platform.setActive(true);
  EXPECT_EQ(framesOver(50), 1);   // the paused picture, shown again on coming back
  EXPECT_EQ(framesOver(300), 0);  // and no game frame after it
  EXPECT_TRUE(main.paused());
  main.onKeyDown('X', {});
  EXPECT_TRUE(main.paused());
  main.onKeyDown(kPauseKey, {});
  EXPECT_GT(framesOver(300), 0);
}

TEST_F(GameFlowTest, OnATitleCardThePauseKeyOnlyEndsTheCard) {
  platform.setScript(parseInputScript("at 100 key P\n"));
  main.FormShow();
  EXPECT_FALSE(main.paused());
  EXPECT_EQ(main.gs.game_screen, kScreenPlay);
}

TEST_F(GameFlowTest, PracticePlaysOneHoleOverWithoutGameOverAndRestartsOnItsKey) {
  main.beginPractice("course1hole2");
  main.FormShow();  // no title card to wait for
  EXPECT_EQ(main.gs.current_hole, "course1hole2");
  // Far over par, at rest: no game over.
  main.gs.players[0].strokes = 9;
  main.gs.players[0].total_strokes = 9;
  main.gs.ball_moving = false;
  framesOver(100);
  EXPECT_FALSE(main.gs.players[0].finished);
  // Its cup says "done", yet the hole starts again, naming the result.
  holeOut(2, 0);
  EXPECT_FALSE(main.gs.players[0].finished);
  EXPECT_EQ(main.gs.current_hole, "course1hole2");
  EXPECT_EQ(main.gs.players[0].strokes, 0);
  EXPECT_NE(main.gs.banner_text.find("BIRDIE - 2 STROKES"), std::string::npos);
  main.gs.players[0].strokes = 4;
  main.onKeyDown(kRestartKey, {});
  EXPECT_EQ(main.gs.players[0].strokes, 0);
  EXPECT_EQ(main.gs.current_hole, "course1hole2");
  main.closeGameWindow();
  main.endPractice();
  EXPECT_FALSE(main.training_mode);
  PersonalBests stored(data);
  stored.load();
  EXPECT_TRUE(stored.of("Player 1").empty());  // practice keeps no bests
}

}  // namespace
}  // namespace fg
