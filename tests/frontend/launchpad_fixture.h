#pragma once
// A launch window on the headless platform, with a game folder made in the
// test: "menu.dxw" (music and click), optional textures, skins and videos.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frontend/intro_window.h"
#include "frontend/launchpad_window.h"
#include "frontend_test_helpers.h"
#include "media/application.h"
#include "platform/headless_platform.h"

namespace fg::test {

// Records the videos the intro asks for, and calls back at every picture put
// on screen.
class RecordingPlatform : public HeadlessPlatform {
 public:
  std::unique_ptr<VideoDecoder> openVideo(const std::string& path) override {
    opened.push_back(path);
    return HeadlessPlatform::openVideo(path);
  }
  void present(const Surface& back) override {
    HeadlessPlatform::present(back);
    if (onPresent) onPresent();
  }
  std::vector<std::string> opened;
  std::function<void()> onPresent;
};

void writeMenuSounds(const std::string& path);
void writeTexture(const std::string& path, uint8_t red);
// A video of `frames` solid pictures of w×h in the colour (r, g, b), 10 fps,
// with a second of sound when `sound`.
void writeSolidVideo(const std::string& path, int w, int h, int frames, uint8_t r, uint8_t g, uint8_t b,
                     bool sound = false);

class LaunchpadFixture : public ::testing::Test {
 protected:
  void SetUp() override { writeMenuSounds(game / "menu.dxw"); }
  // Makes the window (FormCreate runs) and the intro window beside it.
  Tlaunchpad& make() {
    pad = std::make_unique<Tlaunchpad>(app, game.path() + "/", settings.path());
    intro = std::make_unique<Tintro>(app, game.path() + "/");
    pad->intro = intro.get();
    app.setTarget(pad.get());
    return *pad;
  }
  // Presses and releases the left button at the middle of a control.
  void clickOn(ControlId id, int dy = 0) {
    const Rect r = controlOf(id).rect;
    platform.pushClick((r.left + r.right) / 2, (r.top + r.bottom) / 2 + dy);
    app.pumpMessages();
  }
  // Click sounds started since the sound device started: each click that
  // starts while the others still sound takes a voice of its own, and no
  // time passes between the clicks of these tests.
  int clicksHeard() const { return pad->DXSong.item(1).copyCount(); }
  void runFor(uint32_t ms) {
    uint32_t end = platform.clock() + ms;
    app.runUntil([&] { return static_cast<int32_t>(platform.clock() - end) >= 0; });
  }

  ScratchDir game;
  ScratchDir settings;
  RecordingPlatform platform;
  Application app{platform};
  std::unique_ptr<Tlaunchpad> pad;
  std::unique_ptr<Tintro> intro;
};

}  // namespace fg::test
