// The six drawing phases through the game window's context, as the frame
// calls them.
#include <gtest/gtest.h>

#include "media/application.h"
#include "media/display_device.h"
#include "media/frame_timer.h"
#include "render/bitmap_text.h"
#include "render/frame_phases.h"
#include "render_test_helpers.h"
#include "sim/sim_actions.h"

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
  endOfGameCheck(ctx);
  EXPECT_FALSE(gs.players[0].finished);
  training = false;
  endOfGameCheck(ctx);
  EXPECT_TRUE(gs.players[0].finished);
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

// Colour bands that differ from pattern to pattern, never black.
uint32_t stripes(int x, int y, int w) { return 0x204060u + ((x / w) * 0x1F0B05u & 0x7F7F7Fu) + (y & 7) * 0x040404u; }

// Pictures of a small busy hole, its interface and its large font.
void loadBusyPictures(ImageList& course, ImageList& gui, ImageList& menu) {
  std::vector<ImageItemDesc> c;
  c.push_back(itemDesc(test::makePicture(400, 300, [](int x, int y) { return 0x103010u + ((x ^ y) & 31) * 0x010201u; })));
  c.push_back(itemDesc(test::makePicture(400, 300, [](int x, int y) { return (x / 12 + y / 12) % 5 == 0 ? 0x5A7A2Au : 0u; }),
                       24, 24));
  c.push_back(itemDesc(solidPicture(14, 5, 0xC08040)));
  c.push_back(itemDesc(solidPicture(10, 10, 0x4080C0)));
  c.push_back(itemDesc(test::makePicture(64, 16, [](int x, int y) { return stripes(x, y, 16); }), 16, 16));
  c.push_back(itemDesc(test::makePicture(8, 4, [](int x, int) { return x < 4 ? 0x606060u : 0xA0A0A0u; }), 4, 4));
  c.push_back(itemDesc(solidPicture(3, 3, 0x8080F0), 3, 3));
  c.push_back(itemDesc(test::makePicture(120, 20, [](int x, int y) { return stripes(x, y, 20); }), 20, 20));
  test::loadList(course, c);
  std::vector<ImageItemDesc> g;
  for (int i = 0; i < 18; ++i) g.push_back(itemDesc(solidPicture(1, 1, 0)));
  g[1] = itemDesc(test::makePicture(140, 70, [](int x, int y) { return (x + y) % 9 ? 0x303848u : 0u; }));
  g[3] = itemDesc(test::makePicture(110, 22, [](int x, int y) { return stripes(x, y, 22); }), 22, 22);
  g[4] = itemDesc(solidPicture(20, 10, 0xE0E020));
  g[7] = itemDesc(test::makePicture(67 * 5, 6, [](int x, int y) { return (x % 5 + y) % 3 ? stripes(x, y, 5) : 0u; }), 5, 6);
  g[8] = itemDesc(test::makePicture(12 * 6, 8, [](int x, int y) { return (x % 6 + y) % 2 ? 0xF0F0F0u : 0u; }), 6, 8);
  g[11] = itemDesc(test::makePicture(16, 16, [](int x, int y) { return ((x / 4 + y / 4) % 2) ? 0xF0F0F0u : 0xD02020u; }), 1, 1, false);
  g[15] = itemDesc(test::makePicture(16, 16, [](int x, int y) { return 0x101010u * ((x + y) / 4 + 1); }), 16, 16);
  g[16] = itemDesc(solidPicture(16, 16, 0x303030), 16, 16);
  g[17] = itemDesc(solidPicture(16, 16, 0x606060), 16, 16);
  test::loadList(gui, g);
  test::loadList(menu, {itemDesc(test::makePicture(61 * 12, 14, [](int x, int y) { return (x % 12 + y) % 4 ? 0xF08030u : 0u; }),
                                 12, 14)});
}

// A ball in flight over effects of every blend, a burst of particles, stars,
// a full HUD with a banner, and a game already lost.
void busyState(GameState& gs) {
  gs.current_hole = "course1hole5";
  gs.frame_skip = 2;
  gs.ball_x = 230.4;
  gs.ball_y = 180.6;
  gs.ball_z = 4;
  gs.ball_spin = 93;
  gs.ball_tex_u = 5.2;
  gs.ball_tex_v = 11.7;
  gs.ball_moving = true;
  gs.sink_timer = 15;
  gs.recentre_camera = true;
  gs.course_par = 3;
  gs.par_total = 3;
  gs.players[0].strokes = 12;
  gs.players[0].total_strokes = 12;
  gs.players[0].finished = true;
  gs.pull_putt = false;
  gs.button_down[1] = true;
  gs.mouse_x = 45;
  gs.mouse_y = 80;
  gs.effects[3] = EffectSlot{190, 150, 4, 4, true, 0, 0};
  gs.effects[10] = EffectSlot{250, 160, 7, 9, true, 200, 0};
  gs.effects[20] = EffectSlot{210, 200, 7, 0, true, -160, 0};
  gs.effects[30] = EffectSlot{150, 170, 3, 0, true, 0, 84};
  for (int i = 1; i < 12; ++i) {
    Particle& p = gs.particles[i];
    p = Particle{};
    p.active = true;
    p.bounces = 2;
    p.x = 240;
    p.y = 170;
    p.z = 5 + i;
    p.angle = i * 23;
    p.speed = 2.5;
    p.vspeed = 1;
    p.colour = 0x0000FFFF;
    p.shadow = i % 2 == 1;
    p.dot = i % 3 == 0;
  }
  for (int i = 0; i < kStarCount; ++i) gs.stars[i] = Star{(i * 67) % 320, (i * 41) % 240, 5 + i % 2, 0};
  test::FakeHost host;
  startBanner(gs, host, "FRAME SKIP 2");
}

TEST_F(Phases, BusyFrameMatchesItsGoldenPicture) {
  display.Finalize();
  loadBusyPictures(course, gui, menu);
  display.setMode(320, 240);
  display.Initialize();
  busyState(gs);
  launchpad.name = "Tess";
  for (int frame = 0; frame < 40; ++frame) {
    updateCamera(ctx);
    drawPlayingField(ctx);
    runHoleFlow(ctx);
    drawStarField(ctx);
    drawScoreHudAndBanner(ctx);
    endOfGameCheck(ctx);
  }
  EXPECT_EQ(gs.players[0].score, 9);
  EXPECT_TRUE(test::matchesGolden(back(), "frame_busy"));
}

}  // namespace
}  // namespace fg
