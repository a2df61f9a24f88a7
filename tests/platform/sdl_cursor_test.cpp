// The system pointer over each screen a player meets, with the real windows
// on the SDL platform: shown over the launch window only; hidden over the
// intro, the loading picture, the title card, play and aiming, where the
// game draws its own pointer.
#include <cmath>
#include <filesystem>
#include <utility>
#include <vector>

#include "frontend/intro_window.h"
#include "frontend/launchpad_window.h"
#include "frontend/registry_store.h"
#include "media/application.h"
#include "sdl_fixture.h"
#include "shell/main_window.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

// Tells the test about every picture shown.
class ProbePlatform : public SdlPlatform {
 public:
  ProbePlatform() : SdlPlatform(true) {}
  void present(const Surface& back) override {
    SdlPlatform::present(back);
    if (onPresent) onPresent();
  }
  void setUiLayer(UiLayer* layer) override {
    layer_ = layer;
    SdlPlatform::setUiLayer(layer);
  }
  std::function<void()> onPresent;
  UiLayer* layer_ = nullptr;
};

class SdlCursor : public test::SdlFixture {
 protected:
  std::unique_ptr<SdlPlatform> makePlatform() override { return std::make_unique<ProbePlatform>(); }
  ProbePlatform& probe() { return static_cast<ProbePlatform&>(*platform); }
};

TEST_F(SdlCursor, ShownOnlyOverTheLaunchWindow) {
  fs::path game(FG_GAME_DIR);
  if (!fs::exists(game / "gui.dxg") || !fs::exists(game / "brackwater.avi")) GTEST_SKIP() << "content not built";
  fs::path settings = fs::path(::testing::TempDir()) / "fg_sdl_cursor";
  fs::remove_all(settings);
  std::string dir = game.string() + "/";
  Application app(*platform);
  Tlaunchpad pad(app, dir, settings.string());
  TMain main(app, pad.controls, dir);
  Tintro intro(app, dir);
  pad.intro = &intro;
  pad.runGame = [&] { main.ShowModal(); };
  app.setTarget(&pad);

  std::vector<std::pair<std::string, bool>> seen;  // screen, pointer shown
  int launches = 0;
  bool started = false, aimed = false, putted = false, left = false;
  uint32_t deadline = SDL_GetTicks() + 30000;
  auto note = [&](const std::string& screen) {
    bool shown = SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE;
    if (seen.empty() || seen.back() != std::make_pair(screen, shown)) seen.emplace_back(screen, shown);
  };
  probe().onPresent = [&] {
    if (static_cast<int32_t>(SDL_GetTicks() - deadline) > 0) app.terminate();
    const GameState& gs = main.gs;
    if (main.DXDraw.initialized()) {
      if (gs.game_screen == kScreenTitleCard) {
        note("title card");
        pushKey(SDL_KEYDOWN, SDL_SCANCODE_PERIOD);  // a key the game once dropped
        pushKey(SDL_KEYUP, SDL_SCANCODE_PERIOD);
      } else if (gs.putt_phase == 1) {
        note("aiming");
        if (!putted) {
          putted = true;
          pushMotion(gs.aim_centre_x - 40, gs.aim_centre_y - 30);
          pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, gs.aim_centre_x - 40, gs.aim_centre_y - 30);
        }
      } else {
        note("game");
        if (putted && !left) {
          left = true;
          pushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE);
          pushKey(SDL_KEYUP, SDL_SCANCODE_ESCAPE);
        }
        if (gs.pointer_visible && !gs.ball_moving && !aimed) {
          aimed = true;
          int x = static_cast<int>(std::lround(gs.ball_x)) - gs.camera_x;
          int y = static_cast<int>(std::lround(gs.ball_y)) - gs.camera_y;
          pushMotion(x, y);
          pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, x, y);
        }
      }
    } else if (probe().layer_) {
      note("launch window");
      if (!started) {
        started = true;
        ++launches;
        const Rect r = controlOf(ControlId::launch).rect;
        pushClick(SDL_BUTTON_LEFT, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
      } else if (putted) {
        app.terminate();
      }
    } else {
      note("intro");
    }
  };
  pushKey(SDL_KEYDOWN, SDL_SCANCODE_KP_5);  // ends the intro once its pause is over
  pushKey(SDL_KEYUP, SDL_SCANCODE_KP_5);
  pad.show();
  app.runUntil([] { return false; });

  const std::vector<std::pair<std::string, bool>> expected{
      {"intro", false},      {"launch window", true}, {"game", false},          {"title card", false},
      {"game", false},       {"aiming", false},       {"game", false},          {"launch window", true}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(launches, 1);
}

}  // namespace
}  // namespace fg
