// The game window's single-key commands.
#include "case_name.h"
#include "input_fixture.h"

#include "media/archive_writer.h"

namespace fg::test {
namespace {

class KeyboardTest : public InputFixture {};

TEST_F(KeyboardTest, AnyKeyOnATitleCardOnlyEndsIt) {
  for (int k : {vk::Escape, vk::F8, vk::F1, vk::Space}) {
    gs.game_screen = kScreenTitleCard;
    key(k);
    EXPECT_EQ(gs.game_screen, kScreenPlay) << k;
  }
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(gs.pull_putt);
  EXPECT_FALSE(gs.panel_minimised);
  EXPECT_EQ(clicks(), 0);
}

TEST_F(KeyboardTest, F8OnTheHelpPictureSwapsThePicture) {
  key(vk::F1);
  ASSERT_EQ(gs.game_screen, kScreenHelp);
  drawHelpPicture(*ctx);
  const Surface& s = DXDraw.surface();
  uint16_t pull = s.at(320, 240);
  EXPECT_EQ(s.at(0, 0), 0);
  EXPECT_EQ(pull, s.at(315, 235));   // the 10 x 10 picture sits in the middle
  EXPECT_EQ(s.at(314, 235), 0);
  key(vk::F8);
  EXPECT_EQ(gs.game_screen, kScreenHelp);
  EXPECT_FALSE(gs.pull_putt);
  EXPECT_EQ(bannerWords(), "PUSH PUTT METHOD");
  drawHelpPicture(*ctx);
  EXPECT_NE(s.at(320, 240), pull);
  EXPECT_EQ(s.at(320, 240), colorToPixel(0x000000F0u + 3 * 0x2000, s.format));
}

TEST_F(KeyboardTest, EscapeOnTheHelpPictureOnlyLeavesIt) {
  key(vk::F1);
  move(10, 10);
  key(vk::Escape);
  EXPECT_EQ(gs.game_screen, kScreenPlay);
  EXPECT_EQ(closes, 0);
  EXPECT_EQ(gs.mouse_x, 320);  // the cursor is parked on the way out
  key(vk::Escape);
  EXPECT_EQ(closes, 1);
}

TEST_F(KeyboardTest, HelpKeyOnlyFromPlay) {
  key(vk::F1);
  EXPECT_EQ(gs.game_screen, kScreenHelp);
  EXPECT_EQ(clicks(), 1);
  gs.game_screen = 0;
  key(vk::F1);
  EXPECT_EQ(gs.game_screen, 0);
  EXPECT_EQ(clicks(), 1);
}

struct SkipCase {
  int from, to;
};

void PrintTo(const SkipCase& c, std::ostream* os) {
  *os << "from " << c.from << " to " << c.to;
}

class FrameSkipTest : public KeyboardTest, public ::testing::WithParamInterface<SkipCase> {};

TEST_P(FrameSkipTest, F6CountsOneToFour) {
  gs.frame_skip = GetParam().from;
  gengine.setInterval(33);
  key(vk::F6);
  EXPECT_EQ(gs.frame_skip, GetParam().to);
  EXPECT_EQ(bannerWords(), "FRAME SKIP " + std::to_string(GetParam().to));
  EXPECT_EQ(gs.banner_pos, 0);
  EXPECT_EQ(gengine.Interval(), 33);
  EXPECT_EQ(clicks(), 1);
}

INSTANTIATE_TEST_SUITE_P(Steps, FrameSkipTest,
                         ::testing::Values(SkipCase{1, 2}, SkipCase{2, 3}, SkipCase{3, 4}, SkipCase{4, 1}),
    fg::test::PrintedName());

TEST_F(KeyboardTest, F5CyclesTheFrameLimit) {
  gengine.setInterval(0);
  std::vector<std::pair<int, std::string>> seen;
  for (int i = 0; i < 4; ++i) {
    key(vk::F5);
    seen.emplace_back(gengine.Interval(), bannerWords());
  }
  EXPECT_EQ(seen, (std::vector<std::pair<int, std::string>>{{66, "FRAME LIMITING ON (15 FPS)"},
                                                            {33, "FRAME LIMITING ON (30 FPS)"},
                                                            {0, "FRAME LIMITING OFF (60 FPS)"},
                                                            {66, "FRAME LIMITING ON (15 FPS)"}}));
  EXPECT_EQ(gs.frame_skip, 2);
}

struct ToggleCase {
  int key;
  bool GameState::*flag;
  const char* on;
  const char* off;
};

void PrintTo(const ToggleCase& c, std::ostream* os) {
  *os << "key " << c.key;
}

class ToggleKeyTest : public KeyboardTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(ToggleKeyTest, KeyFlipsItsSettingAndNamesIt) {
  const ToggleCase& c = GetParam();
  bool before = gs.*c.flag;
  key(c.key);
  EXPECT_NE(gs.*c.flag, before);
  if (c.on) {
    EXPECT_EQ(bannerWords(), gs.*c.flag ? c.on : c.off);
  } else {
    EXPECT_EQ(gs.banner_pos, -1);
  }
  key(c.key);
  EXPECT_EQ(gs.*c.flag, before);
  if (c.on) { EXPECT_EQ(bannerWords(), gs.*c.flag ? c.on : c.off); }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ToggleKeyTest,
    ::testing::Values(ToggleCase{vk::Space, &GameState::panel_minimised, nullptr, nullptr},
                      ToggleCase{vk::F10, &GameState::debug_mode, "DEBUG MODE ON", "DEBUG MODE OFF"},
                      ToggleCase{vk::F4, &GameState::sound_on, "SOUND ON", "SOUND OFF"},
                      ToggleCase{vk::F3, &GameState::bgsound_on, "BACKGROUND SOUND ON", "BACKGROUND SOUND OFF"},
                      ToggleCase{vk::F8, &GameState::pull_putt, "PULL PUTT METHOD", "PUSH PUTT METHOD"}),
    fg::test::PrintedName());

TEST_F(KeyboardTest, SoundKeyClicksOnlyWhenTurningOn) {
  key(vk::F4);
  EXPECT_EQ(clicks(), 0);
  key(vk::F4);
  EXPECT_EQ(clicks(), 1);
}

TEST_F(KeyboardTest, BackgroundSoundKeyClicksTwiceAndStopsTheLoop) {
  std::vector<WaveItemDesc> loop(1);
  loop[0].wave = makePcmWave(11025, 8, 1, std::vector<uint8_t>(1000, 128));
  bgsounds.loadFromMemory(writeWaveArchive(loop));
  bgsounds.item(0).setLooped(true);
  bgsounds.item(0).Play();
  gs.bgsound_on = true;
  key(vk::F3);
  EXPECT_EQ(clicks(), 2);
  EXPECT_FALSE(bgsounds.item(0).isPlaying());
  key(vk::F3);
  EXPECT_TRUE(gs.bgsound_on);
  EXPECT_FALSE(bgsounds.item(0).isPlaying());  // the next hole starts it again
}

TEST_F(KeyboardTest, HomeAsksForTheViewOnTheBall) {
  key(vk::Home);
  EXPECT_TRUE(gs.recentre_camera);
  EXPECT_EQ(clicks(), 1);
}

TEST_F(KeyboardTest, F9IsCheatModeForTheRestOfTheWindow) {
  key(vk::F9);
  EXPECT_TRUE(training_mode);
  EXPECT_EQ(bannerWords(), "CHEAT MODE ENABLED (INFINITE STROKES)");
  EXPECT_EQ(clicks(), 1);
}

TEST_F(KeyboardTest, ArrowsScrollOnlyWhileTheBallRests) {
  keyDown(vk::Up);
  keyDown(vk::Left);
  EXPECT_TRUE(gs.scroll_up);
  EXPECT_TRUE(gs.scroll_left);
  gs.ball_moving = true;
  keyDown(vk::Down);
  keyDown(vk::Right);
  EXPECT_FALSE(gs.scroll_down);
  EXPECT_FALSE(gs.scroll_right);
  keyUp(vk::Up);
  keyUp(vk::Left);
  EXPECT_FALSE(gs.scroll_up);
  EXPECT_FALSE(gs.scroll_left);
  EXPECT_EQ(clicks(), 0);
}

TEST_F(KeyboardTest, OtherKeysDoNothing) {
  GameState before = gs;
  for (int k : {int('A'), int('Z'), vk::F2, vk::F7, vk::F11, vk::F12, vk::Return, vk::Tab})
    key(k);
  EXPECT_EQ(gs.banner_pos, before.banner_pos);
  EXPECT_EQ(gs.game_screen, before.game_screen);
  EXPECT_EQ(gs.frame_skip, before.frame_skip);
  EXPECT_EQ(closes, 0);
  EXPECT_EQ(clicks(), 0);
}

TEST_F(KeyboardTest, EscapeClosesAndGivesTheMouseBack) {
  move(320, 240);
  press();
  ASSERT_TRUE(platform.captured);
  key(vk::Escape);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(platform.captured);
}

}  // namespace
}  // namespace fg::test
