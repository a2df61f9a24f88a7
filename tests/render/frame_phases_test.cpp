// The six drawing phases through the game window's context, as the frame
// calls them.
#include <gtest/gtest.h>

#include "media/application.h"
#include "media/display_device.h"
#include "media/frame_timer.h"
#include "render/frame_phases.h"
#include "render_test_helpers.h"

namespace fg {
namespace {

using test::itemDesc;
using test::pixelOf;
using test::solidPicture;

class FakePlatform : public Platform {
 public:
  uint32_t clock() override { return now; }
  bool pollEvent(InputEvent&) override { return false; }
  void idlePass() override { now += 10; }
  bool applicationActive() override { return true; }
  bool openDisplay(int, int) override { return true; }
  void closeDisplay() override {}
  bool displayLost() override { return false; }
  bool restoreDisplay() override { return true; }
  void present(const Surface&) override { ++presents; }
  void setUiLayer(UiLayer*) override {}
  void setCursorPos(int, int) override {}
  void showCursor(bool) override {}
  void captureMouse(bool) override {}
  uint32_t doubleClickTime() override { return 500; }
  bool openAudio(AudioSource*, const AudioSpec*, AudioSpec*) override { return false; }
  void closeAudio() override {}
  std::unique_ptr<VideoDecoder> openVideo(const std::string&) override { return nullptr; }
  void showError(const std::string&) override {}
  uint32_t now = 0;
  int presents = 0;
};

class Phases : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<ImageItemDesc> c;
    c.push_back(itemDesc(solidPicture(800, 600, 0x305020)));
    for (int i = 1; i < 7; ++i) c.push_back(itemDesc(solidPicture(4, 4, 0)));
    c[5] = itemDesc(solidPicture(8, 4, 0x808080), 4, 4);  // two star patterns
    c[6] = itemDesc(solidPicture(8, 4, 0x808080), 4, 4);
    test::loadList(course, c);
    std::vector<ImageItemDesc> g;
    for (int i = 0; i < 18; ++i) g.push_back(itemDesc(solidPicture(1, 1, 0)));
    g[7] = itemDesc(solidPicture(67 * 4, 4, 0x00F000), 4, 4);
    g[8] = itemDesc(solidPicture(60, 6, 0x0000F0), 5, 6);
    test::loadList(gui, g);
    display.setMode(640, 480);
    display.bind(course);
    display.bind(gui);
    display.bind(menu);
    display.Initialize();
    gs.banner_pos = -1;
    gs.frame_skip = 2;
    gs.current_hole = "course1hole1";
  }
  Surface& back() { return display.surface(); }

  FakePlatform platform;
  Application app{platform};
  ImageList menu, gui, course;  // before the display, which lets go of them when it goes
  DisplayDevice display{&platform};
  FrameTimer timer{app};
  WaveList sounds, bgsounds;
  LaunchpadControls launchpad;
  test::FakeHost host;
  bool training = false;
  GameState gs;
  GameContext ctx{gs, menu, gui, course, sounds, bgsounds, display, timer, launchpad, host, platform, training,
                  "", [] {}};
};

TEST_F(Phases, HudReadsTheLaunchWindowNameEveryFrame) {
  launchpad.name = "ab";
  drawScoreHudAndBanner(ctx);
  // "AB (0)": six glyphs from x = 120.
  EXPECT_EQ(back().at(120 + 4 * 5, 31), pixelOf(0x00F000));
  EXPECT_NE(back().at(120 + 4 * 6, 31), pixelOf(0x00F000));
  launchpad.name = "abcd";
  display.Fill(0);
  drawScoreHudAndBanner(ctx);
  EXPECT_EQ(back().at(120 + 4 * 7, 31), pixelOf(0x00F000));
}

TEST_F(Phases, ScoreBroughtUpToDateBeforeTheHud) {
  gs.course_par = 3;
  gs.par_total = 7;
  gs.players[0].strokes = 3;
  gs.players[0].total_strokes = 9;
  drawScoreHudAndBanner(ctx);
  EXPECT_EQ(gs.players[0].score, 2);
  gs.players[0].strokes = 2;
  gs.players[0].total_strokes = 20;
  drawScoreHudAndBanner(ctx);
  EXPECT_EQ(gs.players[0].score, 2);  // par not used up on this hole: unchanged
}

TEST_F(Phases, StarsOnlyOnTheirHole) {
  gs.stars[0] = Star{100, 100, 5, 0};
  const GameState before = gs;
  drawStarField(ctx);
  EXPECT_EQ(gs.seed, before.seed);
  EXPECT_EQ(back().at(100, 100), pixelOf(0));
  gs.current_hole = "course1hole5";
  drawStarField(ctx);
  EXPECT_NE(gs.seed, before.seed);
  EXPECT_NE(back().at(101, 101), pixelOf(0));
}

TEST_F(Phases, EndCheckUsesTheWindowsTrainingFlag) {
  gs.players[0].score = 4;
  training = true;
  runEndOfGameCheck(ctx);
  EXPECT_FALSE(gs.players[0].finished);
  training = false;
  runEndOfGameCheck(ctx);
  EXPECT_TRUE(gs.players[0].finished);
}

TEST_F(Phases, CameraAndCourseOnTheBackBuffer) {
  gs.recentre_camera = true;
  gs.ball_x = 400;
  gs.ball_y = 300;
  gs.sink_timer = 15;
  updateCamera(ctx);
  EXPECT_EQ(gs.camera_x, 80);
  EXPECT_EQ(gs.camera_y, 60);
  drawPlayingField(ctx);
  EXPECT_EQ(back().at(0, 0), pixelOf(0x305020));
}

TEST_F(Phases, EffectAdvanceCarriedInTheContext) {
  // A rate above 60 is only measured after a while of fast frames.
  timer.setInterval(0);
  timer.OnTimer = [](int32_t) {};
  timer.setEnabled(true);
  for (int i = 0; i < 100; ++i) app.idle();
  ASSERT_EQ(timer.FramesPerSecond(), 100);
  for (int i = 0; i < 5; ++i) drawPlayingField(ctx);
  EXPECT_EQ(ctx.render.effect_carry, 0);  // 5 * 60 = 3 * 100
  drawPlayingField(ctx);
  EXPECT_EQ(ctx.render.effect_carry, 60);
}

}  // namespace
}  // namespace fg
