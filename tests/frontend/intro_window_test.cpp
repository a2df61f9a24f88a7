#include "frontend/intro_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "launchpad_fixture.h"
#include "media/pixel_format.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

class IntroTest : public test::LaunchpadFixture {
 protected:
  std::string logo() { return game / "brackwater.avi"; }
  std::string main() { return game / "intro.avi"; }
  // Input due at a virtual time.
  void keyAt(uint32_t ms) { at(ms, EventType::KeyDown); }
  void at(uint32_t ms, EventType type, MouseButton b = MouseButton::Left) {
    ScriptStep s;
    s.when = ms;
    s.event.type = type;
    s.event.key = vk::Space;
    s.event.button = b;
    script.push_back(s);
    platform.setScript(script);
  }
  // The intro alone, on a display of its own.
  void playIntro() {
    display.Initialize();
    intro = std::make_unique<Tintro>(app, game.path() + "/");
    intro->showModal(display);
  }
  uint32_t colorAt(int x, int y) {
    const Surface& s = platform.lastFrame();
    return pixelToColor(s.at(x, y), s.format);
  }

  std::vector<ScriptStep> script;
  DisplayDevice display{&platform};
};

TEST_F(IntroTest, KeyDuringTheLogoEndsTheWholeIntro) {
  test::writeSolidVideo(logo(), 32, 32, 30, 0, 0, 255);   // 3 s
  test::writeSolidVideo(main(), 32, 32, 30, 0, 255, 0);
  keyAt(2000);
  playIntro();
  EXPECT_EQ(platform.opened, std::vector<std::string>{logo()});
  EXPECT_GE(platform.clock(), 2000u);
  EXPECT_LT(platform.clock(), 2200u);
  EXPECT_EQ(intro->fileName(), "");
  EXPECT_TRUE(platform.cursorVisible());
}

TEST_F(IntroTest, MouseButtonDuringTheLogoEndsIt) {
  test::writeSolidVideo(logo(), 32, 32, 30, 0, 0, 255);
  test::writeSolidVideo(main(), 32, 32, 30, 0, 255, 0);
  at(1700, EventType::MouseDown, MouseButton::Right);
  playIntro();
  EXPECT_EQ(platform.opened, std::vector<std::string>{logo()});
}

TEST_F(IntroTest, KeyDuringThePauseIsHandledAfterIt) {
  test::writeSolidVideo(logo(), 32, 32, 30, 0, 0, 255);
  keyAt(100);
  playIntro();
  EXPECT_GE(platform.clock(), Tintro::kPauseMs);
  EXPECT_LT(platform.clock(), Tintro::kPauseMs + 100);
}

TEST_F(IntroTest, SmallVideoIsShownCentredOnBlack) {
  test::writeSolidVideo(logo(), 64, 48, 30, 255, 0, 0);
  keyAt(1900);
  playIntro();
  EXPECT_EQ(intro->playerLeft(), 320 - 32);
  EXPECT_EQ(intro->playerTop(), 240 - 24);
  // The last picture presented is the video's, inside its box only.
  EXPECT_EQ(colorAt(320, 240), 0x0000F8u);
  EXPECT_EQ(colorAt(288, 216), 0x0000F8u);
  EXPECT_EQ(colorAt(351, 263), 0x0000F8u);
  EXPECT_EQ(colorAt(287, 240), 0u);
  EXPECT_EQ(colorAt(352, 240), 0u);
  EXPECT_EQ(colorAt(320, 215), 0u);
  EXPECT_EQ(colorAt(320, 264), 0u);
  EXPECT_EQ(colorAt(0, 0), 0u);
}

TEST_F(IntroTest, LargeVideoIsCutByTheScreenEdges) {
  test::writeSolidVideo(logo(), 700, 500, 10, 0, 255, 0);
  keyAt(1700);
  playIntro();
  EXPECT_EQ(intro->playerLeft(), 320 - 350);
  EXPECT_EQ(intro->playerTop(), 240 - 250);
  EXPECT_EQ(colorAt(0, 0), 0x00FC00u);
  EXPECT_EQ(colorAt(639, 479), 0x00FC00u);
}

TEST_F(IntroTest, BothVideosPlayOneAfterTheOtherWithTheirSound) {
  test::writeSolidVideo(logo(), 16, 16, 5, 255, 0, 0, true);
  test::writeSolidVideo(main(), 16, 16, 5, 0, 0, 255);
  playIntro();
  EXPECT_EQ(platform.opened, (std::vector<std::string>{logo(), main()}));
  EXPECT_GE(platform.clock(), Tintro::kPauseMs + 1000);
  EXPECT_FALSE(platform.audioOpen());
  EXPECT_EQ(platform.cursorX(), Tintro::kParkX);
  EXPECT_EQ(platform.cursorY(), Tintro::kParkY);
}

TEST_F(IntroTest, MissingSecondVideoLeavesTheWindowBlackUntilAKey) {
  test::writeSolidVideo(logo(), 16, 16, 3, 255, 0, 0);
  keyAt(6000);
  playIntro();
  EXPECT_EQ(platform.opened, (std::vector<std::string>{logo(), main()}));
  ASSERT_EQ(platform.errors().size(), 1u);
  EXPECT_NE(platform.errors()[0].find("intro.avi"), std::string::npos);
  EXPECT_GE(platform.clock(), 6000u);
  EXPECT_EQ(colorAt(320, 240), 0u);
}

TEST_F(IntroTest, MissingLogoEndsTheIntroButNotTheLaunchWindow) {
  test::writeTexture(game / "textures/ball.bmp", 200);
  Tlaunchpad& pad = make();
  pad.show();
  ASSERT_EQ(platform.errors().size(), 1u);
  EXPECT_NE(platform.errors()[0].find("brackwater.avi"), std::string::npos);
  EXPECT_TRUE(pad.introDone());
  EXPECT_TRUE(pad.DXinterface.initialized());
  EXPECT_TRUE(pad.controls.start_visible);
  EXPECT_TRUE(pad.DXSong.item(0).isPlaying());
  EXPECT_TRUE(platform.cursorVisible());
}

TEST_F(IntroTest, LaunchWindowShowsTheIntroOnceUnlessSkipped) {
  test::writeSolidVideo(logo(), 16, 16, 3, 255, 0, 0);
  test::writeSolidVideo(main(), 16, 16, 3, 0, 255, 0);
  Tlaunchpad& pad = make();
  pad.show();
  EXPECT_EQ(platform.opened.size(), 2u);
  pad.runGame = [] {};
  pad.launchClick();
  EXPECT_EQ(platform.opened.size(), 2u);
}

TEST_F(IntroTest, SkipIntroShowsNothing) {
  test::writeSolidVideo(logo(), 16, 16, 3, 255, 0, 0);
  Tlaunchpad& pad = make();
  pad.controls.skipintro = true;
  pad.show();
  EXPECT_TRUE(platform.opened.empty());
  EXPECT_EQ(platform.clock(), 0u);
}

}  // namespace
}  // namespace fg
