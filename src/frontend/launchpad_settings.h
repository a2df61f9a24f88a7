#pragma once
// The launch window's settings: moved between its controls and the settings
// store, and the "Computer Speed" bar's steps.
#include <cstdint>

#include "frontend/launchpad_controls.h"
#include "frontend/registry_store.h"

namespace fg {

// Reads "RunOnce"; only when it is set are the other eight read, in the order
// "SkipIntro", "PushPutt", "PullPutt", "screen640", "screen800", "screen1024",
// "bgsounds", "FrameSkip". A read error stops there: what was read so far stays.
void readSettings(RegistryStore& store, LaunchpadControls& c);
// Writes "RunOnce" and the eight settings.
void writeSettings(RegistryStore& store, const LaunchpadControls& c);

// Any stored position is brought into the bar's range.
int32_t clampFrameSkip(int64_t position);
// `fskip_inc`: only from 75 or less, up by 25 to at most 100.
int32_t frameSkipIncrement(int32_t position);
// `fskip_dec`: down by 25, never below 25.
int32_t frameSkipDecrement(int32_t position);

}  // namespace fg
