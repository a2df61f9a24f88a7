#include "platform/ffmpeg_video.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "case_name.h"
#include "launchpad_fixture.h"

namespace fg {
namespace {

TEST(FfmpegVideo, RefusesWhatIsNotAVideo) {
  test::ScratchDir d;
  test::writeText(d / "junk.avi", "RIFF\x10\0\0\0AVI LIST garbage garbage garbage");
  EXPECT_EQ(openFfmpegVideo(d / "junk.avi"), nullptr);
  EXPECT_EQ(openFfmpegVideo(d / "missing.avi"), nullptr);
}

// The intro's file is opened as an AVI file and nothing else: a playlist in
// its place must not lead the demuxer to a file it names, and a pipe must not
// make it wait.
TEST(FfmpegVideo, OpensNoFileThatTheIntroFileNames) {
  test::ScratchDir d;
  test::writeSolidVideo(d / "elsewhere.avi", 8, 8, 10, 1, 2, 3, false);
  ASSERT_NE(openFfmpegVideo(d / "elsewhere.avi"), nullptr);
  test::writeText(d / "brackwater.avi", "#EXTM3U\n#EXT-X-TARGETDURATION:10\n#EXTINF:10,\n" +
                                            (d / "elsewhere.avi") + "\n#EXT-X-ENDLIST\n");
  EXPECT_EQ(openFfmpegVideo(d / "brackwater.avi"), nullptr);
  ASSERT_EQ(::mkfifo((d / "intro.avi").c_str(), 0600), 0);
  EXPECT_EQ(openFfmpegVideo(d / "intro.avi"), nullptr);
}

TEST(FfmpegVideo, DeliversSoundAtTheDeviceFormat) {
  test::ScratchDir d;
  test::writeSolidVideo(d / "s.avi", 8, 8, 10, 1, 2, 3, true);
  auto v = openFfmpegVideo(d / "s.avi");
  ASSERT_NE(v, nullptr);
  ASSERT_NE(v->audio(), nullptr);
  std::vector<int16_t> out(2 * 4410, 123);
  v->audio()->mix(out.data(), 4410, 2, 44100);  // tells the decoder the format
  ASSERT_TRUE(v->advance(0));
  v->audio()->mix(out.data(), 4410, 2, 44100);
  int loud = 0;
  for (int16_t s : out) loud += std::abs(s) > 1000;
  EXPECT_GT(loud, 4000);
  EXPECT_EQ(v->rgb()[0], 1);
  EXPECT_EQ(v->rgb()[2], 3);
}

// A damaged or cut-off intro file must end playback, never hang or crash it.
class CutVideo : public ::testing::TestWithParam<int> {};

TEST_P(CutVideo, PlaysWhatIsThereAndEnds) {
  test::ScratchDir d;
  test::writeSolidVideo(d / "full.avi", 24, 16, 10, 9, 8, 7, true);
  std::string bytes = test::readText(d / "full.avi");
  size_t keep = bytes.size() * static_cast<size_t>(GetParam()) / 100;
  std::string cut = bytes.substr(0, keep);
  if (GetParam() == 101) {
    // Same length, the middle scrambled.
    cut = bytes;
    for (size_t i = cut.size() / 3; i < cut.size() * 2 / 3; i += 7) cut[i] = static_cast<char>(cut[i] ^ 0x5A);
  }
  test::writeText(d / "cut.avi", cut);
  auto v = openFfmpegVideo(d / "cut.avi");
  if (!v) return;  // refused outright: fine
  std::vector<int16_t> out(2 * 512);
  uint32_t ms = 0;
  for (; ms < 60000 && v->advance(ms); ms += 40) v->audio() ? v->audio()->mix(out.data(), 512, 2, 44100) : void();
  EXPECT_LT(ms, 60000u);
}

INSTANTIATE_TEST_SUITE_P(Lengths, CutVideo, ::testing::Values(5, 20, 50, 80, 99, 101),
    fg::test::PrintedName());

}  // namespace
}  // namespace fg
