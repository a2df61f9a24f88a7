#include <gtest/gtest.h>

#include "case_name.h"
#include "media/archive_writer.h"
#include "media/error.h"
#include "media/sound_device.h"
#include "media/wave_list.h"

namespace fg {
namespace {

// Only the audio calls matter here; the output runs when the test calls pull().
class FakePlatform : public Platform {
 public:
  AudioSource* source = nullptr;
  AudioSpec spec;
  bool wantedNull = true;
  bool refuseAudio = false;
  int opens = 0, closes = 0;

  std::vector<int16_t> pull(int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * spec.channels, 0x5555);
    if (source) source->mix(out.data(), frames, spec.channels, spec.rate);
    return out;
  }

  bool openAudio(AudioSource* s, const AudioSpec* wanted, AudioSpec* got) override {
    if (refuseAudio) return false;
    ++opens;
    source = s;
    wantedNull = wanted == nullptr;
    spec = wanted ? *wanted : AudioSpec{44100, 2};
    *got = spec;
    return true;
  }
  void closeAudio() override {
    ++closes;
    source = nullptr;
  }

  uint32_t clock() override { return 0; }
  bool pollEvent(InputEvent&) override { return false; }
  void idlePass() override {}
  bool applicationActive() override { return true; }
  bool openDisplay(int, int) override { return true; }
  void closeDisplay() override {}
  bool displayLost() override { return false; }
  bool restoreDisplay() override { return true; }
  void present(const Surface&) override {}
  void setUiLayer(UiLayer*) override {}
  void setCursorPos(int, int) override {}
  void showCursor(bool) override {}
  void captureMouse(bool) override {}
  uint32_t doubleClickTime() override { return 500; }
  std::unique_ptr<VideoDecoder> openVideo(const std::string&) override { return nullptr; }
  void showError(const std::string&) override {}
};

std::vector<uint8_t> pcm16(std::initializer_list<int16_t> samples) {
  std::vector<uint8_t> b;
  for (int16_t s : samples) b.push_back(static_cast<uint8_t>(s)), b.push_back(static_cast<uint8_t>(s >> 8));
  return b;
}

// A list with one 100-frame mono wave of constant `level` at 22050 Hz.
void fillList(WaveList& list, int32_t maxPlaying, bool looped, int16_t level = 1000) {
  WaveItemDesc d;
  d.looped = looped;
  d.maxPlayingCount = maxPlaying;
  std::vector<uint8_t> data;
  for (int i = 0; i < 100; ++i) data.push_back(static_cast<uint8_t>(level)), data.push_back(static_cast<uint8_t>(level >> 8));
  d.wave = makePcmWave(22050, 16, 1, data);
  list.loadFromMemory(writeWaveArchive({d}));
}

struct GameDevice {
  FakePlatform platform;
  SoundDevice device{&platform};
  WaveList list;
  GameDevice() {
    device.OnInitialize = [this] { device.setMixingFormat(22050, 16, 1); };
    device.bind(list);
  }
};

TEST(SoundDevice, GameWindowAsksForItsMixingFormat) {
  GameDevice g;
  g.device.Initialize();
  EXPECT_TRUE(g.device.initialized());
  EXPECT_FALSE(g.platform.wantedNull);
  EXPECT_EQ(g.platform.spec.rate, 22050);
  EXPECT_EQ(g.platform.spec.channels, 1);
  g.device.Finalize();
  EXPECT_EQ(g.platform.closes, 1);
  EXPECT_FALSE(g.device.initialized());
}

TEST(SoundDevice, LaunchWindowUsesTheDevicesOwnFormat) {
  FakePlatform platform;
  SoundDevice device(&platform);
  device.Initialize();
  EXPECT_TRUE(platform.wantedNull);
  EXPECT_EQ(device.outputSpec().rate, 44100);
}

TEST(SoundDevice, RefusedOutputFailsAndStaysFinalized) {
  GameDevice g;
  fillList(g.list, 0, false);
  g.platform.refuseAudio = true;
  try {
    g.device.Initialize();
    FAIL();
  } catch (const GameError& e) {
    EXPECT_EQ(std::string(e.what()), "Primary Buffer cannot be made");
  }
  EXPECT_FALSE(g.device.initialized());
  g.list.item(0).Play();  // silent, no error
  EXPECT_FALSE(g.list.item(0).isPlaying());
}

TEST(SoundDevice, NullPlatformNeverStarts) {
  SoundDevice device(nullptr);
  WaveList list;
  device.bind(list);
  fillList(list, 0, false);
  device.Initialize();
  EXPECT_FALSE(device.initialized());
  list.item(0).Play();
  EXPECT_FALSE(list.item(0).isPlaying());
}

TEST(WaveItem, UnboundItemCannotBeInitialized) {
  WaveList list;
  fillList(list, 0, false);
  try {
    list.item(0).Play();
    FAIL();
  } catch (const GameError& e) {
    EXPECT_EQ(std::string(e.what()), "WaveItem cannot be initialized");
  }
}

TEST(WaveItem, UnplayableFormatCannotBeMade) {
  GameDevice g;
  g.device.Initialize();
  WaveItemDesc d;
  d.wave = makePcmWave(22050, 12, 1, {1, 2, 3});
  try {
    g.list.loadFromMemory(writeWaveArchive({d}));
    FAIL();
  } catch (const GameError& e) {
    EXPECT_EQ(std::string(e.what()), "Sound Buffer cannot be made");
  }
  EXPECT_EQ(g.list.count(), 1);
}

struct VoiceCase {
  int32_t maxPlaying;
  int plays;
  int copies;
};

void PrintTo(const VoiceCase& c, std::ostream* os) {
  *os << "at most " << c.maxPlaying << " plays " << c.plays;
}

class OneShotCopies : public testing::TestWithParam<VoiceCase> {};

TEST_P(OneShotCopies, OverlapUpToTheLimit) {
  GameDevice g;
  fillList(g.list, GetParam().maxPlaying, false);
  g.device.Initialize();
  WaveItem& item = g.list.item(0);
  for (int i = 0; i < GetParam().plays; ++i) item.Play();
  EXPECT_EQ(item.copyCount(), GetParam().copies);
  EXPECT_TRUE(item.isPlaying());
  // Every copy adds its level to the mix.
  EXPECT_EQ(g.platform.pull(1)[0], 1000 * GetParam().copies);
}

INSTANTIATE_TEST_SUITE_P(Limits, OneShotCopies,
                         testing::Values(VoiceCase{0, 1, 1}, VoiceCase{0, 5, 5}, VoiceCase{2, 5, 2},
                                         VoiceCase{1, 3, 1}, VoiceCase{7, 3, 3}),
    fg::test::PrintedName());

TEST(WaveItem, BusyCopyIsTakenOverAndMovedToTheEnd) {
  GameDevice g;
  fillList(g.list, 2, false);
  g.device.Initialize();
  WaveItem& item = g.list.item(0);
  item.Play(), item.Play();
  const std::vector<int> first = item.copies();
  ASSERT_EQ(first.size(), 2u);
  g.platform.pull(40);  // both copies are 40 frames in
  item.Play();          // restarts the first copy and moves it to the end
  EXPECT_EQ(item.copies(), (std::vector<int>{first[1], first[0]}));
  g.platform.pull(70);  // the second copy ends, the restarted one plays on
  EXPECT_FALSE(g.device.mixer().isPlaying(first[1]));
  EXPECT_TRUE(g.device.mixer().isPlaying(first[0]));
  item.Play();  // a free copy is reused where it stands
  EXPECT_EQ(item.copies(), (std::vector<int>{first[1], first[0]}));
  EXPECT_TRUE(g.device.mixer().isPlaying(first[1]));
}

TEST(WaveItem, OneShotEndsLoopedRestarts) {
  GameDevice g;
  fillList(g.list, 0, false);
  g.device.Initialize();
  WaveItem& item = g.list.item(0);
  item.Play();
  auto out = g.platform.pull(150);
  EXPECT_EQ(out[99], 1000);
  EXPECT_EQ(out[100], 0);
  EXPECT_FALSE(item.isPlaying());

  item.setLooped(true);
  item.Play();
  out = g.platform.pull(250);
  EXPECT_EQ(out[249], 1000);
  EXPECT_TRUE(item.isPlaying());
  item.Play();  // restarts the one looping voice
  item.Play();
  EXPECT_EQ(g.platform.pull(1)[0], 1000);
  item.setLooped(false);  // a change stops the item
  EXPECT_FALSE(item.isPlaying());
}

TEST(WaveItem, StopAndLimitChanges) {
  GameDevice g;
  fillList(g.list, 0, false);
  g.list.item(0).Stop();  // never played: nothing happens
  g.device.Initialize();
  WaveItem& item = g.list.item(0);
  item.Stop();
  item.Play(), item.Play(), item.Play();
  item.setMaxPlayingCount(3);
  EXPECT_EQ(item.copyCount(), 0);  // a change releases the copies
  EXPECT_FALSE(item.isPlaying());
  item.setMaxPlayingCount(-4);
  EXPECT_EQ(item.maxPlayingCount(), 0);
  item.Play();
  item.Stop();
  EXPECT_FALSE(item.isPlaying());
}

TEST(WaveItem, FinalizeReleasesVoicesAndReinitializeRebuildsThem) {
  GameDevice g;
  fillList(g.list, 0, true);
  g.device.Initialize();
  EXPECT_TRUE(g.list.item(0).hasVoices());
  g.list.item(0).Play();
  g.device.Finalize();
  EXPECT_FALSE(g.list.item(0).hasVoices());
  EXPECT_FALSE(g.list.item(0).isPlaying());
  g.device.Initialize();
  EXPECT_TRUE(g.list.item(0).hasVoices());
  EXPECT_FALSE(g.list.item(0).isPlaying());
}

TEST(Mixer, FormatsRatesAndSaturation) {
  Mixer m;
  // 8-bit stereo at 11025 Hz into 22050 Hz mono: each frame twice, channels averaged.
  int a = m.createVoice(std::make_shared<const std::vector<uint8_t>>(std::vector<uint8_t>{128 + 10, 128 + 30, 0, 0}),
                        {11025, 8, 2});
  m.play(a, false);
  std::vector<int16_t> out(4);
  m.mix(out.data(), 4, 1, 22050);
  EXPECT_EQ(out, (std::vector<int16_t>{20 * 256, 20 * 256, -128 * 256, -128 * 256}));
  // Loud voices saturate instead of wrapping.
  auto loud = std::make_shared<const std::vector<uint8_t>>(pcm16({30000, -30000}));
  int b = m.createVoice(loud, {22050, 16, 1});
  int c = m.duplicateVoice(b);
  m.play(b, false), m.play(c, false);
  std::vector<int16_t> stereo(4);
  m.mix(stereo.data(), 2, 2, 22050);
  EXPECT_EQ(stereo, (std::vector<int16_t>{32767, 32767, -32768, -32768}));
  EXPECT_FALSE(m.isPlaying(b));
  EXPECT_THROW(m.createVoice(loud, {22050, 24, 1}), GameError);
  EXPECT_THROW(m.createVoice(loud, {0, 16, 1}), GameError);
  EXPECT_THROW(m.createVoice(loud, {22050, 16, 3}), GameError);
}

}  // namespace
}  // namespace fg
