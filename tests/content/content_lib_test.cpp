// The drawing, bitmap and synthesis helpers other content tools build on.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "bitmap_files.h"
#include "cairo_picture.h"
#include "font_text.h"
#include "media/archive_writer.h"
#include "media/error.h"
#include "platform/avi_writer.h"
#include "synth.h"

namespace fg {
namespace {

TEST(KeyedPicture, DarkInkIsLiftedOffTheKeyAndClearPixelsBecomeIt) {
  CairoImage img(4, 1);
  img.setPixel(0, 0, 0, 0, 0, 255);    // opaque black ink
  img.setPixel(1, 0, 200, 10, 10, 255);
  img.setPixel(2, 0, 255, 255, 255, 40);  // mostly clear
  const Picture p = toKeyedPicture(img);
  EXPECT_EQ((std::vector<uint8_t>{p.rgb[0], p.rgb[1], p.rgb[2]}), (std::vector<uint8_t>{8, 8, 8}));
  EXPECT_EQ(p.rgb[3], 200);
  EXPECT_EQ((std::vector<uint8_t>{p.rgb[6], p.rgb[7], p.rgb[8], p.rgb[9]}), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(GridOfPatterns, RowByRow) {
  std::vector<Picture> parts;
  for (uint8_t i = 1; i <= 5; ++i) parts.push_back(blankPicture(2, 3, i, i, i));
  const Picture g = gridOfPatterns(parts, 2);
  EXPECT_EQ(g.width, 4);
  EXPECT_EQ(g.height, 9);
  EXPECT_EQ(g.rgb[(3 * 4 + 2) * 3], 4);  // pattern 3 at column 1, row 1
  EXPECT_EQ(g.rgb[(6 * 4 + 0) * 3], 5);
  EXPECT_EQ(g.rgb[(6 * 4 + 2) * 3], 0);  // nothing after the last pattern
}

TEST(EightBitBitmap, RoundTripsThroughTheGamesDecoder) {
  CairoImage img(37, 11);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 37, 11);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.2, 0.1);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.1, 0.4, 1);
  cairo_set_source(img.cr(), g);
  cairo_paint(img.cr());
  cairo_pattern_destroy(g);
  const Picture reduced = reduceTo256Colours(toPicture(img));
  EXPECT_LE(countColours(reduced), 256);
  const std::vector<uint8_t> file = encodeBitmapFile8(reduced);
  EXPECT_EQ(file[28], 8);
  EXPECT_EQ(decodeBitmapFile(file), reduced);
}

TEST(Synth, PcmIsNormalisedAndFaded) {
  Tone t;
  t.shape = Shape::Square;
  t.seconds = 0.1;
  t.attack = 0;
  t.release = 0;
  const std::vector<uint8_t> bytes = toPcm16(makeTone(t), 0.5, 0.003);
  ASSERT_EQ(bytes.size(), 2u * 2205);
  int peak = 0;
  for (size_t i = 0; i < bytes.size(); i += 2)
    peak = std::max(peak, std::abs(static_cast<int>(static_cast<int16_t>(bytes[i] | (bytes[i + 1] << 8)))));
  EXPECT_EQ(peak, 16384);  // exactly half of full scale, rounded
  EXPECT_EQ(bytes[0] | (bytes[1] << 8), 0);
  EXPECT_EQ(bytes[bytes.size() - 2] | (bytes.back() << 8), 0);
}

TEST(Synth, SilenceStaysSilentAndNoiseRepeats) {
  const std::vector<uint8_t> quiet = toPcm16(Sound::silence(0.01));
  EXPECT_EQ(std::count(quiet.begin(), quiet.end(), 0), static_cast<long>(quiet.size()));
  NoiseSource a(9), b(9);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(a.next(), b.next());
}

TEST(Synth, MixGrowsTheSoundToFitAndAdds) {
  Sound a = Sound::silence(0.1);
  Sound b = Sound::silence(0.1);
  b.samples.assign(b.samples.size(), 0.25f);
  a.mix(b, 0.05);
  a.mix(b, 0.05);
  EXPECT_NEAR(a.seconds(), 0.15, 1e-3);
  EXPECT_FLOAT_EQ(a.samples.back(), 0.5f);
  EXPECT_FLOAT_EQ(a.samples.front(), 0.0f);
}

TEST(Synth, WaveFormatIsMono16BitPcm) {
  const Wave w = toWave16(Sound::silence(0.02));
  EXPECT_EQ(w.formatTag, 1);
  EXPECT_EQ(w.channels, 1);
  EXPECT_EQ(w.bits, 16);
  EXPECT_EQ(w.sampleRate, static_cast<uint32_t>(kSampleRate));
  EXPECT_EQ(w.data.size(), 2u * 441);
}

}  // namespace
}  // namespace fg

namespace fg {
namespace {

TEST(PastePicture, ClipsAtEveryEdge) {
  Picture dst = blankPicture(4, 4);
  pastePicture(dst, blankPicture(3, 3, 9, 9, 9), -2, 3);
  int set = 0;
  for (size_t i = 0; i < dst.rgb.size(); i += 3) set += dst.rgb[i] == 9;
  EXPECT_EQ(set, 1);  // only (0, 3)
  EXPECT_EQ(dst.rgb[(3 * 4 + 0) * 3], 9);
}

double amplitudeOf(const Sound& s) { return s.peak(); }

TEST(Synth, FiltersPassTheirOwnBand) {
  Tone low;
  low.freqStart = low.freqEnd = 100;
  low.seconds = 0.5;
  Tone high = low;
  high.freqStart = high.freqEnd = 6000;
  Sound a = makeTone(low), b = makeTone(high);
  lowPass(a, 1000);
  lowPass(b, 1000);
  EXPECT_GT(amplitudeOf(a), 0.8);
  EXPECT_LT(amplitudeOf(b), 0.3);
  Sound c = makeTone(low), d = makeTone(high);
  highPass(c, 500);
  highPass(d, 500);
  EXPECT_LT(amplitudeOf(c), 0.3);
  EXPECT_GT(amplitudeOf(d), 0.8);
}

TEST(AviWriter, WritesAVideoTheDecoderReadsBack) {
  const std::string path = ::testing::TempDir() + "fg_avi_writer_test.avi";
  {
    AviWriter avi(path, 64, 48, 25, kSampleRate);
    for (int f = 0; f < 5; ++f) {
      avi.addFrame(blankPicture(64, 48, static_cast<uint8_t>(f * 40), 100, 200));
      avi.addAudio(std::vector<int16_t>(882, static_cast<int16_t>(f * 100)));
    }
    avi.finish();
  }
  const VideoInfo info = probeVideo(path);
  EXPECT_EQ(info.width, 64);
  EXPECT_EQ(info.height, 48);
  EXPECT_EQ(info.videoFrames, 5);
  EXPECT_EQ(info.audioSamples, 5 * 882);
  EXPECT_EQ(info.audioRate, kSampleRate);
  std::remove(path.c_str());
}

TEST(AviWriter, RefusesFramesOfAnotherSizeAndLeavesNoFile) {
  const std::string path = ::testing::TempDir() + "fg_avi_writer_bad.avi";
  {
    AviWriter avi(path, 32, 32, 25, 0);
    EXPECT_THROW(avi.addFrame(blankPicture(16, 16)), GameError);
  }
  EXPECT_FALSE(std::ifstream(path).good());
  EXPECT_FALSE(std::ifstream(path + ".part").good());
}

TEST(ProbeVideo, FailsOnAFileThatIsNotAVideo) {
  const std::string path = ::testing::TempDir() + "fg_not_a_video.avi";
  std::ofstream(path) << "RIFF this is not a video";
  EXPECT_THROW(probeVideo(path), GameError);
  std::remove(path.c_str());
}

TEST(FontFace, MeasuresTextAndNamesAMissingFont) {
  FontFace font("DejaVuSans-Bold.ttf");
  CairoImage img(8, 8);
  EXPECT_GT(font.textWidth(img.cr(), 20, "WW"), font.textWidth(img.cr(), 20, "W"));
  EXPECT_THROW(FontFace("NoSuchFont.ttf"), GameError);
}

}  // namespace
}  // namespace fg
