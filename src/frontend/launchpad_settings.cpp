#include "frontend/launchpad_settings.h"

#include <algorithm>

namespace fg {

namespace {

// A radio group keeps exactly one button checked whatever the stored values say.
void settleResolution(LaunchpadControls& c) {
  if (c.screen1024) {
    c.screen640 = c.screen800 = false;
  } else if (c.screen800) {
    c.screen640 = false;
  }
}

}  // namespace

void readSettings(RegistryStore& store, LaunchpadControls& c) {
  store.open();
  bool runOnce = store.readBoolean("RunOnce");
  store.close();
  if (!runOnce) return;
  store.open();
  c.skipintro = store.readBoolean("SkipIntro");
  c.pushputt = store.readBoolean("PushPutt");
  c.pullputt = store.readBoolean("PullPutt");
  // The pair is one radio group: with both or neither stored, pull putt wins
  // (it is what the game uses when push putt is not checked).
  if (c.pullputt == c.pushputt) {
    c.pullputt = true;
    c.pushputt = false;
  }
  c.screen640 = store.readBoolean("screen640");
  c.screen800 = store.readBoolean("screen800");
  c.screen1024 = store.readBoolean("screen1024");
  settleResolution(c);
  c.bgsounds = store.readBoolean("bgsounds");
  c.frameskip = clampFrameSkip(store.readInteger("FrameSkip"));
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
