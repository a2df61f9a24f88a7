// The system pointer through a whole visit, driven by SDL events: shown over
// the launch window, hidden while the intro or the game (which draws its own
// pointer) owns the screen.
#include <filesystem>
#include <map>

#include "frontend/intro_window.h"
#include "frontend/launchpad_window.h"
#include "sdl_fixture.h"
#include "shell/main_window.h"
#include "test_paths.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

class SdlPointer : public test::SdlFixture {
 protected:
  void SetUp() override {
    SdlFixture::SetUp();
    if (IsSkipped()) return;
    if (!fs::exists(fs::path(fg::test::gameDir()) / "brackwater.avi")) GTEST_SKIP() << "the game's content is not built";
    settings = storedSettings("fg_sdl_pointer", {{"RunOnce", 1}, {"PullPutt", 1}, {"screen640", 1}, {"sound16", 1},
                                                  {"SkipIntro", 0}, {"FrameSkip", 75}});
  }

  fs::path settings;
};

const char* owner(bool intro, bool game, bool launch) {
  return intro ? "intro" : game ? "game" : launch ? "launch window" : nullptr;
}

TEST_F(SdlPointer, ShownOverTheLaunchWindowOnly) {
  const std::string dir = fg::test::gameDir();
  SDL_ShowCursor(SDL_ENABLE);
  Application app(*platform);
  Tlaunchpad pad(app, dir, settings.string());
  TMain game(app, pad.controls, dir);
  Tintro intro(app, dir);
  pad.intro = &intro;
  pad.runGame = [&] { game.ShowModal(); };
  app.setTarget(&pad);

  // Each stage, once reached, is noted with the pointer's state and given
  // the input that leads to the next one.
  std::vector<std::string> seen;
  std::map<std::string, int> wrongPasses;  // passes where the owner's pointer rule was broken
  int stage = 0;
  uint32_t pressed = 0;
  auto note = [&](const char* what, bool shown) { seen.push_back(std::string(what) + (shown ? " shown" : " hidden")); };
  const uint32_t end = SDL_GetTicks() + 20000;
  int watcher = app.addIdleHandler([&] {
    // A stage never reached ends every loop, the game's and the intro's too.
    if (static_cast<int32_t>(SDL_GetTicks() - end) >= 0) app.terminate();
    const bool shown = SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE;
    const bool inGame = app.target() == &game;
    const bool inLaunch = app.target() == &pad && pad.visible() && pad.introDone();
    if (const char* who = owner(app.target() == &intro, inGame, inLaunch); who && shown != inLaunch) ++wrongPasses[who];
    const Rect launch = controlOf(ControlId::launch).rect;
    const int ballX = static_cast<int>(game.gs.ball_x) - game.gs.camera_x;
    const int ballY = static_cast<int>(game.gs.ball_y) - game.gs.camera_y;
    switch (stage) {
      case 0:
        if (app.target() != &intro) return;
        note("intro", shown);
        pushKey(SDL_KEYDOWN, SDL_SCANCODE_PERIOD);
        break;
      case 1:
        if (!inLaunch) return;
        note("launch window", shown);
        pushClick(SDL_BUTTON_LEFT, (launch.left + launch.right) / 2, (launch.top + launch.bottom) / 2);
        break;
      case 2:
        if (!inGame || game.gs.game_screen != kScreenTitleCard) return;
        note("title card", shown);
        pushKey(SDL_KEYDOWN, SDL_SCANCODE_PERIOD);
        break;
      case 3:
        if (!inGame || game.gs.game_screen != kScreenPlay) return;
        note("play", shown);
        break;
      case 4:
        // A press on the ball once it rests, again until aiming begins.
        if (!inGame) return;
        if (game.gs.putt_phase == 0) {
          if (game.gs.ball_moving || SDL_GetTicks() - pressed < 250) return;
          pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, ballX, ballY);
          pushMotion(ballX, ballY);
          pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, ballX, ballY);
          pressed = SDL_GetTicks();
          return;
        }
        note("aiming", shown);
        pushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE);
        break;
      case 5:
        if (!inLaunch) return;
        note("launch window", shown);
        break;
      default:
        return;
    }
    ++stage;
  });
  pad.show();
  app.runUntil([&] { return stage > 5; });
  app.removeIdleHandler(watcher);

  EXPECT_EQ(seen, (std::vector<std::string>{"intro hidden", "launch window shown", "title card hidden", "play hidden",
                                             "aiming hidden", "launch window shown"}));
  EXPECT_TRUE(wrongPasses.empty()) << "intro " << wrongPasses["intro"] << ", game " << wrongPasses["game"]
                                   << ", launch window " << wrongPasses["launch window"] << " passes";
}

}  // namespace
}  // namespace fg
