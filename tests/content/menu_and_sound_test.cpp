// menu.dxg, sound.dxw and menu.dxw as the game and the launch window load them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "case_name.h"
#include "content_test_helpers.h"
#include "media/wave_list.h"

namespace fg {
namespace {

using content_test::gameFile;

std::vector<int> samples16(const Wave& w) {
  std::vector<int> s(w.data.size() / 2);
  for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<int16_t>(w.data[2 * i] | (w.data[2 * i + 1] << 8));
  return s;
}

int peakOf(const std::vector<int>& s) {
  int p = 0;
  for (int v : s) p = std::max(p, std::abs(v));
  return p;
}

TEST(MenuArchive, LargeFontLoadingAndHelpPictures) {
  ImageList menu;
  menu.loadFromFile(gameFile("menu.dxg"));
  menu.displayInitialized(PixelFormat::Rgb565);
  ASSERT_EQ(menu.count(), 4);
  EXPECT_EQ(menu.item(0).patternCount(), 92 - 32 + 1);
  EXPECT_EQ(content_test::inkOf(menu.item(0), 0), 0);             // the space
  EXPECT_GT(content_test::inkOf(menu.item(0), 'G' - 32), 100);   // "GAME OVER" must read
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(menu.item(i).patternCount(), 1);
    EXPECT_LE(menu.item(i).width(), 640) << i;  // centred on the smallest display
    EXPECT_LE(menu.item(i).height(), 480) << i;
  }
  EXPECT_NE(menu.item(2).picture, menu.item(3).picture);
}

class SoundItem : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    list_ = new WaveList;
    list_->loadFromFile(gameFile("sound.dxw"));
  }
  static void TearDownTestSuite() { delete list_; }
  static WaveList* list_;
};
WaveList* SoundItem::list_ = nullptr;

bool isUsedSound(int i) { return i != 4 && i != 6 && i != 8 && i != 19 && i != 20; }

TEST_P(SoundItem, CleanMonoPcm) {
  ASSERT_EQ(list_->count(), 22);
  const Wave& w = list_->item(GetParam()).wave;
  EXPECT_EQ(w.formatTag, 1);
  EXPECT_EQ(w.channels, 1);
  EXPECT_EQ(w.sampleRate, 22050u);
  EXPECT_EQ(w.bits, 16);
  const std::vector<int> s = samples16(w);
  ASSERT_FALSE(s.empty());
  EXPECT_LT(s.size(), 22050u * 4) << "sounds stay short";
  EXPECT_LT(peakOf(s), 32767 * 9 / 10) << "peaks stay below full scale";
  EXPECT_EQ(s.front(), 0) << "fades in";
  EXPECT_EQ(s.back(), 0) << "fades out";
  if (isUsedSound(GetParam()))
    EXPECT_GT(peakOf(s), 8000);
  else
    EXPECT_EQ(peakOf(s), 0);
}

INSTANTIATE_TEST_SUITE_P(All, SoundItem, ::testing::Range(0, 22),
    fg::test::PrintedName());

TEST(SoundArchive, UsedSoundsAreDistinct) {
  WaveList list;
  list.loadFromFile(gameFile("sound.dxw"));
  for (int a = 0; a < list.count(); ++a)
    for (int b = a + 1; b < list.count(); ++b)
      if (isUsedSound(a) && isUsedSound(b)) {
        EXPECT_NE(list.item(a).wave.data, list.item(b).wave.data) << a << " " << b;
      }
}

TEST(MenuMusic, LoopsWithoutASeam) {
  WaveList list;
  list.loadFromFile(gameFile("menu.dxw"));
  ASSERT_EQ(list.count(), 2);
  EXPECT_TRUE(list.item(0).looped());
  EXPECT_FALSE(list.item(1).looped());
  const Wave& w = list.item(0).wave;
  const std::vector<int> s = samples16(w);
  const double seconds = static_cast<double>(s.size()) / w.sampleRate;
  EXPECT_GE(seconds, 20.0);
  EXPECT_LE(seconds, 40.0);
  EXPECT_LT(peakOf(s), 32767 * 9 / 10);
  // The jump from the last sample back to the first is no larger than the
  // steps inside the music.
  int largestStep = 0;
  for (size_t i = 1; i < s.size(); ++i) largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
  EXPECT_LE(std::abs(s.front() - s.back()), largestStep);
  EXPECT_GT(peakOf(samples16(list.item(1).wave)), 8000) << "the click";
}

}  // namespace
}  // namespace fg
