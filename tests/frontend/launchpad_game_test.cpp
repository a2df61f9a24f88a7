// The whole front end with the real game window, driven by a timed input
// script on the headless platform: intro skipped by a key, Setup changed,
// a game started and left, and the launch window back with its music.
#include <gtest/gtest.h>

#include <filesystem>

#include "launchpad_fixture.h"
#include "shell/main_window.h"
#include "test_paths.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

class GameRoundTrip : public test::LaunchpadFixture {
 protected:
  void SetUp() override {
    // The built game content; the interface and the holes come from the build.
    for (const char* f : {"gui.dxg", "menu.dxg", "sound.dxw", "menu.dxw", "brackwater.avi", "intro.avi",
                          "course1hole1.dxg", "course1hole1.dxw", "course1hole1.hole"}) {
      fs::path from = fs::path(fg::test::gameDir()) / f;
      if (!fs::exists(from)) GTEST_SKIP() << "game content not built: " << from;
      fs::copy_file(from, game / f, fs::copy_options::overwrite_existing);
    }
  }
  void at(uint32_t ms, EventType type, int key = 0, int x = 0, int y = 0) {
    ScriptStep s;
    s.when = ms;
    s.event.type = type;
    s.event.key = key;
    s.event.x = x;
    s.event.y = y;
    script.push_back(s);
  }
  void keyAt(uint32_t ms, int key) {
    at(ms, EventType::KeyDown, key);
    at(ms + 20, EventType::KeyUp, key);
  }
  void clickAt(uint32_t ms, ControlId id) {
    const Rect r = controlOf(id).rect;
    int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    at(ms, EventType::MouseDown, 0, x, y);
    at(ms + 20, EventType::MouseUp, 0, x, y);
  }

  std::vector<ScriptStep> script;
};

TEST_F(GameRoundTrip, SetupStartPlayEscapeAndBack) {
  keyAt(1700, vk::Space);                  // ends the intro during the logo
  clickAt(2000, ControlId::tab_setup);
  clickAt(2100, ControlId::screen800);
  clickAt(2200, ControlId::fskip_inc);
  clickAt(2300, ControlId::tab_game);
  clickAt(2400, ControlId::launch);
  keyAt(3000, vk::Space);                  // dismisses the hole's title card
  keyAt(4000, vk::Escape);                 // leaves the game
  ScriptStep quit;
  quit.when = 5000;
  quit.kind = ScriptStep::Kind::Quit;
  script.push_back(quit);
  platform.setScript(script);

  test::writeTexture(game / "textures/ball.bmp", 200);
  Tlaunchpad& pad = make();
  TMain main(app, pad.controls, game.path() + "/");
  int games = 0;
  uint32_t backAt = 0;
  bool sawCard = false;
  pad.runGame = [&] {
    ++games;
    // A frame of play on screen: the timer runs only once the card is gone.
    platform.onPresent = [&] { sawCard = sawCard || (main.gengine.Enabled() && main.gs.game_screen == kScreenPlay); };
    main.ShowModal();
    platform.onPresent = nullptr;
    backAt = platform.clock();
  };
  pad.show();
  app.runUntil([] { return false; });

  EXPECT_TRUE(platform.errors().empty()) << platform.errors().front();
  EXPECT_EQ(platform.opened.size(), 1u) << "intro shown once, and skipped during the logo";
  EXPECT_EQ(games, 1);
  EXPECT_TRUE(sawCard) << "frames ran after the title card";
  EXPECT_GE(backAt, 4000u);
  EXPECT_LT(backAt, 4200u);
  EXPECT_TRUE(pad.controls.screen800);
  EXPECT_EQ(pad.controls.frameskip, 100);
  EXPECT_EQ(main.DXDraw.SurfaceWidth(), 800);
  EXPECT_FALSE(main.DXDraw.initialized());
  // Back on the launch window: its display, and the music from the start.
  EXPECT_TRUE(pad.DXinterface.initialized());
  EXPECT_TRUE(pad.visible());
  EXPECT_TRUE(pad.DXSong.item(0).isPlaying());
  EXPECT_EQ(platform.lastFrame().width, 640);
  RegistryStore stored(settings.path());
  stored.open();
  EXPECT_EQ(stored.readInteger("screen800"), 1);
  EXPECT_EQ(stored.readInteger("FrameSkip"), 100);
}

}  // namespace
}  // namespace fg
