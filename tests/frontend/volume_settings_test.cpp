// The volume sliders' settings: stored beside the game's own under new names,
// read only when there, and never able to spoil the old settings.
#include <gtest/gtest.h>

#include "frontend/launchpad_settings.h"
#include "frontend_test_helpers.h"

namespace fg {
namespace {

struct VolumeStoreCase {
  const char* name;
  bool runOnce;
  const char* music;    // stored text of "MusicVolume"; null: not stored
  const char* effects;  // of "EffectsVolume"
  Volumes expected;     // master, music, effects
};

class VolumeSettings : public ::testing::TestWithParam<VolumeStoreCase> {};

TEST_P(VolumeSettings, ReadOnlyWhenStoredAndSane) {
  const VolumeStoreCase& c = GetParam();
  test::ScratchDir root;
  std::string key = root / "Software/Brackwater/Fairglade Beta 3/";
  auto plant = [&](const char* name, const char* text) {
    if (text) test::writeText(key + name + "/" + name, text);
  };
  plant("RunOnce", c.runOnce ? "dword:1" : "dword:0");
  plant("FrameSkip", "dword:50");
  plant("MusicVolume", c.music);
  plant("EffectsVolume", c.effects);
  RegistryStore store(root.path());
  LaunchpadControls controls;
  ASSERT_NO_THROW(readSettings(store, controls));
  EXPECT_EQ(volumesOf(controls), c.expected);
  EXPECT_EQ(controls.frameskip, c.runOnce ? 50 : 75) << "the game's own settings read as before";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VolumeSettings,
    ::testing::Values(VolumeStoreCase{"older_version_settings", true, nullptr, nullptr, {100, 100, 100}},
                      VolumeStoreCase{"stored", true, "dword:30", "dword:0", {100, 30, 0}},
                      VolumeStoreCase{"damaged_keeps_default", true, "sz:loud", "dword:40", {100, 100, 40}},
                      VolumeStoreCase{"out_of_range_clamped", true, "dword:250", "dword:-4", {100, 100, 0}},
                      VolumeStoreCase{"not_before_run_once", false, "dword:30", "dword:30", {100, 100, 100}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VolumeSettingsWrite, RoundTrip) {
  test::ScratchDir root;
  RegistryStore store(root.path());
  LaunchpadControls written;
  written.music_volume = 12;
  written.effects_volume = 34;
  written.master_volume = 56;
  writeSettings(store, written);
  LaunchpadControls read;
  readSettings(store, read);
  EXPECT_EQ(volumesOf(read), (Volumes{56, 12, 34}));
}

}  // namespace
}  // namespace fg
