// The launch window's controls as players meet them: drawn by ImGui over the
// picture, pressed with real SDL mouse and key events.
#include <filesystem>
#include <fstream>

#include "frontend/launchpad_window.h"
#include "media/application.h"
#include "platform/png_file.h"
#include "sdl_fixture.h"
#include "test_paths.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

class SdlLaunchpad : public test::SdlFixture {
 protected:
  void SetUp() override {
    SdlFixture::SetUp();
    if (IsSkipped()) return;
    if (!fs::exists(fs::path(fg::test::gameDir()) / "menu.dxw")) GTEST_SKIP() << "the game's content is not built";
    settings = storedSettings("fg_sdl_launchpad_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()),
                              {{"RunOnce", 1}, {"SkipIntro", 1}, {"PullPutt", 1}, {"screen640", 1}, {"FrameSkip", 75}});
    app = std::make_unique<Application>(*platform);
    pad = std::make_unique<Tlaunchpad>(*app, fg::test::gameDir(), settings.string());
    app->setTarget(pad.get());
    pad->show();
    frames(3);
  }
  void TearDown() override {
    pad.reset();
    app.reset();
  }
  // Lets the window draw `n` more pictures (it draws one every 15 ms).
  void frames(int n) {
    uint32_t end = SDL_GetTicks() + 16u * static_cast<uint32_t>(n);
    app->runUntil([&] { return static_cast<int32_t>(SDL_GetTicks() - end) >= 0; });
  }
  // Runs the window until `done`, for at most three seconds (a busy machine
  // draws fewer pictures).
  bool until(const std::function<bool()>& done) {
    uint32_t end = SDL_GetTicks() + 3000;
    app->runUntil([&] { return done() || static_cast<int32_t>(SDL_GetTicks() - end) >= 0; });
    return done();
  }
  void clickControl(ControlId id, Uint8 button = SDL_BUTTON_LEFT, int dy = 0) {
    const Rect r = controlOf(id).rect;
    int x = r.left + 6, y = r.top + 6 + dy;
    pushMotion(x, y);
    frames(1);
    pushButton(SDL_MOUSEBUTTONDOWN, button, x, y);
    pushButton(SDL_MOUSEBUTTONUP, button, x, y);
    frames(12);
  }
  // Whether a sound was started since the last look: the dummy sound
  // driver plays nothing audible, but the mixer counts what it was given.
  bool clickSounded() {
    uint64_t now = pad->DXSound.mixer().started();
    bool played = now != started_;
    started_ = now;
    return played;
  }
  uint64_t started_ = 0;

  fs::path settings;
  std::unique_ptr<Application> app;
  std::unique_ptr<Tlaunchpad> pad;
};

struct PressCase {
  const char* label;
  ControlId id;
  Uint8 button;
  bool sounds;    // the click sound plays
  bool acts;      // the control's state changes
};

class SdlLaunchpadPress : public SdlLaunchpad, public ::testing::WithParamInterface<PressCase> {};

// Any of the three buttons clicks on the boxes and the list; only the left
// one acts. The side buttons do nothing.
TEST_P(SdlLaunchpadPress, ClicksOnAnyButtonActsOnTheLeft) {
  const PressCase& c = GetParam();
  clickControl(ControlId::tab_setup);
  ASSERT_TRUE(until([&] { return pad->controls.setup_visible; }));
  clickSounded();
  auto state = [&] {
    const LaunchpadControls& s = pad->controls;
    std::vector<bool> all{s.screen800, s.skipintro, s.bgsounds, s.sharp_pixels};
    all.insert(all.end(), s.skin_selected.begin(), s.skin_selected.end());
    return all;
  };
  std::vector<bool> before = state();
  clickControl(c.id, c.button);
  EXPECT_EQ(clickSounded(), c.sounds);
  EXPECT_EQ(state() != before, c.acts);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, SdlLaunchpadPress,
    ::testing::Values(PressCase{"RadioLeft", ControlId::screen800, SDL_BUTTON_LEFT, true, true},
                      PressCase{"RadioRight", ControlId::screen800, SDL_BUTTON_RIGHT, true, false},
                      PressCase{"CheckBoxMiddle", ControlId::skipintro, SDL_BUTTON_MIDDLE, true, false},
                      PressCase{"CheckBoxLeft", ControlId::sharppixels, SDL_BUTTON_LEFT, true, true},
                      PressCase{"ListRight", ControlId::skin, SDL_BUTTON_RIGHT, true, false},
                      PressCase{"ListLeft", ControlId::skin, SDL_BUTTON_LEFT, true, true},
                      PressCase{"CheckBoxSideButton", ControlId::bgsounds, SDL_BUTTON_X1, false, false}),
    [](const auto& info) { return std::string(info.param.label); });

// Key taps shorter than a picture all count, and typed letters the HUD font
// has are kept.
TEST_F(SdlLaunchpad, NameFieldTakesEveryTapAndNordicCapitals) {
  const Rect r = controlOf(ControlId::name).rect;
  pushClick(SDL_BUTTON_LEFT, r.right - 3, (r.top + r.bottom) / 2);  // caret after the text
  frames(4);
  for (int i = 0; i < 2; ++i) {
    pushKey(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE);
    pushKey(SDL_KEYUP, SDL_SCANCODE_BACKSPACE);
  }
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  SDL_strlcpy(text.text.text, "\xC3\x85sa", sizeof text.text.text);
  push(text);
  EXPECT_TRUE(until([&] { return pad->controls.name == "Player\xC5sa"; })) << pad->controls.name;
}

// A press on a volume slider's left end turns that volume down; the others
// stay where they were.
TEST_F(SdlLaunchpad, SliderTakesAPressAsItsValue) {
  clickControl(ControlId::tab_setup);
  ASSERT_TRUE(until([&] { return pad->controls.setup_visible; }));
  clickControl(ControlId::music_volume);
  EXPECT_TRUE(until([&] { return pad->controls.music_volume < 30; })) << pad->controls.music_volume;
  EXPECT_EQ(pad->controls.effects_volume, 100);
}

// F12 on the launch window writes the picture on screen, named by date and
// time, into the pictures folder.
TEST_F(SdlLaunchpad, F12WritesThePictureOnScreen) {
  const fs::path folder = settings / "pictures" / "Fairglade";
  setenv("XDG_PICTURES_DIR", (settings / "pictures").c_str(), 1);
  pushKey(SDL_KEYDOWN, SDL_SCANCODE_F12);
  pushKey(SDL_KEYUP, SDL_SCANCODE_F12);
  bool written = until([&] { return fs::is_directory(folder) && !fs::is_empty(folder); });
  unsetenv("XDG_PICTURES_DIR");
  ASSERT_TRUE(written);
  const fs::path shot = fs::directory_iterator(folder)->path();
  EXPECT_EQ(shot.filename().string().rfind("fairglade-", 0), 0u) << shot;
  Picture p = readPngFile(shot.string());
  EXPECT_EQ(p.width, 640);
  EXPECT_EQ(p.height, 480);
}

}  // namespace
}  // namespace fg
