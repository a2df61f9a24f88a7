// The volume sliders in the mixer: each group's sum scaled by its slider and
// the master, mute silencing all, and changes while sound plays ramped so
// the output never jumps.
#include <gtest/gtest.h>

#include <cstdlib>

#include "media/mixer.h"

namespace fg {
namespace {

constexpr int kRate = 22050;

Mixer::Samples constant(int16_t value, int frames) {
  auto b = std::make_shared<std::vector<uint8_t>>();
  for (int i = 0; i < frames; ++i) {
    b->push_back(static_cast<uint8_t>(value));
    b->push_back(static_cast<uint8_t>(value >> 8));
  }
  return b;
}

// An effect at 10000 and music at 20000, both looping, mono at 22050 Hz.
struct TwoVoices {
  Mixer mixer;
  TwoVoices() {
    mixer.play(mixer.createVoice(constant(10000, 100), {kRate, 16, 1}, VoiceGroup::Effects), true);
    mixer.play(mixer.createVoice(constant(20000, 100), {kRate, 16, 1}, VoiceGroup::Music), true);
  }
  std::vector<int16_t> pull(int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames));
    mixer.mix(out.data(), frames, 1, kRate);
    return out;
  }
};

struct VolumeCase {
  const char* name;
  Volumes volumes;
  bool muted;
  int expected;  // the steady output sample
};

class VolumeMix : public ::testing::TestWithParam<VolumeCase> {};

TEST_P(VolumeMix, SlidersScaleTheirGroups) {
  const VolumeCase& c = GetParam();
  TwoVoices v;
  v.mixer.setVolumes(c.volumes);
  v.mixer.setMuted(c.muted);
  // The voices started above, so let any ramp finish first.
  v.pull(kRate * Mixer::kRampMs / 1000 + 2);
  std::vector<int16_t> out = v.pull(64);
  for (int16_t s : out) ASSERT_NEAR(s, c.expected, 1) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VolumeMix,
    ::testing::Values(VolumeCase{"full_is_untouched", {100, 100, 100}, false, 30000},
                      VolumeCase{"music_off", {100, 0, 100}, false, 10000},
                      VolumeCase{"effects_off", {100, 100, 0}, false, 20000},
                      VolumeCase{"effects_half_is_a_quarter", {100, 100, 50}, false, 22500},
                      VolumeCase{"master_half_scales_both", {50, 100, 100}, false, 7500},
                      VolumeCase{"master_and_group_multiply", {50, 50, 100}, false, 3750},
                      VolumeCase{"muted", {100, 100, 100}, true, 0},
                      VolumeCase{"out_of_range_is_clamped", {300, -5, 100}, false, 10000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VolumeRamp, ChangesWhilePlayingGlideWithoutAJump) {
  for (bool mute : {true, false}) {
    TwoVoices v;
    v.pull(100);
    if (mute) {
      v.mixer.setMuted(true);
    } else {
      v.mixer.setVolumes({100, 0, 100});  // music off: 30000 -> 10000
    }
    std::vector<int16_t> out = v.pull(kRate * Mixer::kRampMs / 1000 + 10);
    const int target = mute ? 0 : 10000;
    // No step larger than an even glide over the ramp time (plus rounding).
    const int fall = 30000 - target;
    const int maxStep = fall * 1000 / (kRate * Mixer::kRampMs) + 2;
    int previous = 30000;
    for (size_t i = 0; i < out.size(); ++i) {
      ASSERT_LE(std::abs(out[i] - previous), maxStep) << "frame " << i << (mute ? " muting" : " music off");
      previous = out[i];
    }
    EXPECT_GT(out[out.size() / 4], target + fall / 2) << "a ramp, not a cut";
    EXPECT_NEAR(out.back(), target, 1) << "the ramp ends within its time";
  }
}

}  // namespace
}  // namespace fg
