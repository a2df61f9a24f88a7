// The cheat key through the real game window: it outlives the game it was
// pressed in, so the next game starts on the training course.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "input_fixture.h"
#include "media/archive_writer.h"
#include "shell/main_window.h"

namespace fg::test {
namespace {

void writeHoleArchives(const std::string& exe, const std::string& hole) {
  std::vector<ImageItemDesc> items(13);
  for (size_t i = 0; i < items.size(); ++i) {
    items[i].name = "course" + std::to_string(i);
    items[i].picture = solidPicture(i == 0 ? 800 : 8, i == 0 ? 600 : 8, 0x00204060u);
    items[i].transparent = false;
  }
  writeFileAtomically(exe + hole + ".dxg", writeImageArchive(items));
  std::vector<WaveItemDesc> waves(1);
  waves[0].wave = makePcmWave(11025, 8, 1, std::vector<uint8_t>(64, 128));
  writeFileAtomically(exe + hole + ".dxw", writeWaveArchive(waves));
}

TEST(CheatKeyGame, NextGameStartsOnTheTrainingCourse) {
  auto dir = std::filesystem::temp_directory_path() / ("fg_input_cheat_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::string exe = dir.string() + "/";
  writeGameFiles(exe);
  writeHoleArchives(exe, "course1hole1");
  writeHoleArchives(exe, "training1");

  HeadlessPlatform platform;
  Application app(platform);
  LaunchpadControls launchpad;
  launchpad.ball_texture = solidPicture(2, 2, 0x00808080u);
  {
    TMain game(app, launchpad, exe);
    platform.pushKey('A');  // ends the title card
    platform.pushKey(vk::F9);
    platform.pushKey(vk::Escape);
    EXPECT_EQ(game.ShowModal(), 1);
    EXPECT_TRUE(game.training_mode);
    EXPECT_EQ(game.gs.current_hole, "course1hole1");

    platform.pushKey(vk::Escape);
    EXPECT_EQ(game.ShowModal(), 1);
    EXPECT_EQ(game.gs.current_hole, "training1");
    EXPECT_EQ(game.gs.game_screen, kScreenPlay);  // no title card in training
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace fg::test
