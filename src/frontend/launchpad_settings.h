#pragma once
// The launch window's settings: moved between its controls and the settings
// store, and the "Computer Speed" bar's steps.
#include <cstdint>
#include <string>

#include "frontend/registry_store.h"
#include "media/mixer.h"
#include "state/launchpad_controls.h"

namespace fg {

// The volume sliders' values, beside the game's own settings.
constexpr const char* kMusicVolume = "MusicVolume";
constexpr const char* kEffectsVolume = "EffectsVolume";
constexpr const char* kMasterVolume = "MasterVolume";

// Reads "RunOnce"; only when it is set are the others read, in the order
// "SkipIntro", "PushPutt", "PullPutt", "screen640", "screen800", "screen1024",
// "bgsounds", "FrameSkip". A read error stops there: what was read so far
// stays, and the whole store is first copied aside (setAsideDamagedSettings),
// since the next "Start Game" rewrites every value. The three volumes are
// read each only when stored; a bad one keeps its default.
void readSettings(RegistryStore& store, LaunchpadControls& c);
// Writes "RunOnce" and the other settings, then the three volumes. A value
// that cannot be written does not stop the others; the first failure is
// thrown after all were tried.
void writeSettings(RegistryStore& store, const LaunchpadControls& c);
// The sliders as the mixer takes them.
inline Volumes volumesOf(const LaunchpadControls& c) {
  return {c.master_volume, c.music_volume, c.effects_volume};
}

// Copies every stored value into a folder beside the store's key, named
// "<Application> (damaged settings)" (then "... 2", "... 3" when taken by a
// different copy). Returns the folder, or empty when there was nothing to keep.
std::string setAsideDamagedSettings(const RegistryStore& store);

// Any stored position is brought into the bar's range.
int32_t clampFrameSkip(int64_t position);
// `fskip_inc`: only from 75 or less, up by 25 to at most 100.
int32_t frameSkipIncrement(int32_t position);
// `fskip_dec`: down by 25, never below 25.
int32_t frameSkipDecrement(int32_t position);

}  // namespace fg
