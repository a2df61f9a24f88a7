#include "frontend/launchpad_settings.h"

#include <algorithm>

#include "frontend/launchpad_layout.h"

namespace fg {

void readSettings(RegistryStore& store, LaunchpadControls& c) {
  store.open();
  bool runOnce = store.readBoolean("RunOnce");
  store.close();
  if (!runOnce) return;
  store.open();
  c.skipintro = store.readBoolean("SkipIntro");
  // Radio buttons take stored values as the controls do: checking one
  // unchecks the rest of its group, so a read that fails half way still
  // leaves one method checked.
  setRadio(c, ControlId::pushputt, store.readBoolean("PushPutt"));
  setRadio(c, ControlId::pullputt, store.readBoolean("PullPutt"));
  // Neither stored: pull putt, which is what the game uses when push putt
  // is not checked.
  if (!c.pullputt && !c.pushputt) c.pullputt = true;
  setRadio(c, ControlId::screen640, store.readBoolean("screen640"));
  setRadio(c, ControlId::screen800, store.readBoolean("screen800"));
  setRadio(c, ControlId::screen1024, store.readBoolean("screen1024"));
  c.bgsounds = store.readBoolean("bgsounds");
  c.frameskip = clampFrameSkip(store.readInteger("FrameSkip"));
  // Not among the original settings: an absent value is the default (off).
  c.sharp_pixels = store.readBoolean("SharpPixels");
  store.close();
}

void writeSettings(RegistryStore& store, const LaunchpadControls& c) {
  store.open();
  store.writeBoolean("RunOnce", true);
  store.writeBoolean("SkipIntro", c.skipintro);
  store.writeBoolean("PullPutt", c.pullputt);
  store.writeBoolean("PushPutt", c.pushputt);
  store.writeBoolean("screen640", c.screen640);
  store.writeBoolean("screen800", c.screen800);
  store.writeBoolean("screen1024", c.screen1024);
  store.writeBoolean("bgsounds", c.bgsounds);
  store.writeInteger("FrameSkip", c.frameskip);
  store.writeBoolean("SharpPixels", c.sharp_pixels);
  store.close();
}

int32_t clampFrameSkip(int64_t position) {
  return static_cast<int32_t>(std::clamp<int64_t>(position, kFrameSkipMin, kFrameSkipMax));
}

int32_t frameSkipIncrement(int32_t position) {
  if (position > kFrameSkipMax - kFrameSkipStep) return position;
  return std::min(position + kFrameSkipStep, kFrameSkipMax);
}

int32_t frameSkipDecrement(int32_t position) {
  if (position <= kFrameSkipMin) return position;
  return std::max(position - kFrameSkipStep, kFrameSkipMin);
}

}  // namespace fg
