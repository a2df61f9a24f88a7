// The files the game reads outside its archives: skins, ball textures, the
// launch window's logo and the intro videos.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "case_name.h"
#include "content_test_helpers.h"
#include "media/file_io.h"
#include "platform/avi_writer.h"

namespace fg {
namespace {

using content_test::gameFile;
namespace fs = std::filesystem;

int bitCountOf(const std::vector<uint8_t>& bmp) { return bmp.size() > 29 ? bmp[28] | (bmp[29] << 8) : 0; }

TEST(Skins, AtLeastTwoCompleteSkinsWithTheDefaultLayout) {
  ImageList gui;
  gui.loadFromFile(gameFile("gui.dxg"));
  const char* files[] = {"pointer.bmp", "panel.bmp",  "panelmin.bmp", "buttonsdown.bmp", "pushputt.bmp",
                         "gauge.bmp",   "target.bmp", "font.bmp",     "numbers.bmp"};
  int skins = 0;
  for (const auto& dir : fs::directory_iterator(gameFile("skins"))) {
    if (!dir.is_directory()) continue;
    ++skins;
    for (int i = 0; i < 9; ++i) {
      const Picture p = loadBitmapFile((dir.path() / files[i]).string());
      EXPECT_EQ(p.width, gui.item(i).picture.width) << dir.path() << " " << files[i];
      EXPECT_EQ(p.height, gui.item(i).picture.height) << dir.path() << " " << files[i];
      EXPECT_NE(p, gui.item(i).picture) << dir.path() << " " << files[i] << " looks like the default";
    }
  }
  EXPECT_GE(skins, 2);
}

TEST(BallTextures, SixOrMoreAndTheClassicBallComesFirst) {
  std::vector<std::string> names;
  for (const auto& f : fs::directory_iterator(gameFile("textures"))) names.push_back(f.path().filename().string());
  std::sort(names.begin(), names.end());
  ASSERT_GE(names.size(), 6u);
  EXPECT_EQ(names.front(), "classic.bmp");
  ImageList gui;
  gui.loadFromFile(gameFile("gui.dxg"));
  for (const std::string& n : names) {
    const std::vector<uint8_t> bytes = readWholeFile(gameFile("textures/" + n), kBitmapFileLimit);
    EXPECT_EQ(bitCountOf(bytes), 24) << n;
    const Picture p = decodeBitmapFile(bytes);
    EXPECT_EQ(p.width, 16) << n;
    EXPECT_EQ(p.height, 16) << n;
    if (n == "classic.bmp") { EXPECT_EQ(p, gui.item(11).picture) << "gui.dxg carries the default ball"; }
  }
}

TEST(Logo, EightBitAtTheLaunchWindowsSize) {
  const std::vector<uint8_t> bytes = readWholeFile(gameFile("logo.bmp"), kBitmapFileLimit);
  EXPECT_EQ(bitCountOf(bytes), 8);
  const Picture p = decodeBitmapFile(bytes);
  EXPECT_EQ(p.width, 640);
  EXPECT_EQ(p.height, 480);
}

struct VideoCase {
  const char* file;
  int frames;
  double seconds;
};

class IntroVideo : public ::testing::TestWithParam<VideoCase> {};

TEST_P(IntroVideo, DecodesWithPictureAndSound) {
  const VideoCase c = GetParam();
  const VideoInfo info = probeVideo(gameFile(c.file));
  EXPECT_EQ(info.width, 640);
  EXPECT_EQ(info.height, 480);
  EXPECT_EQ(info.videoFrames, c.frames);
  EXPECT_EQ(info.audioRate, 22050);
  EXPECT_NEAR(static_cast<double>(info.audioSamples) / 22050, c.seconds, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Files, IntroVideo,
                         ::testing::Values(VideoCase{"brackwater.avi", 75, 3.0}, VideoCase{"intro.avi", 200, 8.0}),
    fg::test::NamedBy(&VideoCase::file));

}  // namespace
}  // namespace fg
