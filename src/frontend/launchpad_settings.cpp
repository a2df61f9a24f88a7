#include "frontend/launchpad_settings.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <map>

#include "frontend/launchpad_layout.h"
#include "media/error.h"
#include "media/file_io.h"

namespace fg {

namespace {

// name -> text of every value file under a key folder; bounded, and only
// plain files short enough to be values.
std::map<std::string, std::string> storedValues(const std::string& key) {
  namespace fs = std::filesystem;
  constexpr size_t kMaxSettings = 256, kValueLimit = 64;
  std::map<std::string, std::string> out;
  std::error_code ec;
  fs::directory_iterator it(key, ec);
  for (size_t n = 0; !ec && it != fs::directory_iterator() && n < kMaxSettings; it.increment(ec), ++n) {
    const fs::path sub = it->path();
    std::error_code kind;
    if (!fs::is_directory(fs::symlink_status(sub, kind))) continue;
    const std::string name = sub.filename().string();
    try {
      out[name] = readTextFile((sub / name).string(), kValueLimit);
    } catch (const GameError&) {
    }
  }
  return out;
}

// A volume is read only when it was stored, and a damaged one keeps the
// default: the new values must never spoil reading the old ones.
void readVolume(RegistryStore& store, const char* name, int32_t& volume) {
  try {
    if (store.hasValue(name)) volume = std::clamp(store.readInteger(name), 0, 100);
  } catch (const std::exception&) {
  }
}

void readStoredSettings(RegistryStore& store, LaunchpadControls& c) {
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
  // The course a game plays: 2 is the harbour; absent or anything else is
  // the first course, so a setup stored before there were two still works.
  setRadio(c, store.readInteger("Course") == 2 ? ControlId::course2 : ControlId::course1, true);
  readVolume(store, kMusicVolume, c.music_volume);
  readVolume(store, kEffectsVolume, c.effects_volume);
  readVolume(store, kMasterVolume, c.master_volume);
  store.close();
}

}  // namespace

void readSettings(RegistryStore& store, LaunchpadControls& c) {
  try {
    readStoredSettings(store, c);
  } catch (const GameError&) {
    // The message and what happens next stay as they are; only the player's
    // values are kept somewhere before "Start Game" writes over them.
    try {
      setAsideDamagedSettings(store);
    } catch (const std::exception&) {
    }
    throw;
  }
}

std::string setAsideDamagedSettings(const RegistryStore& store) {
  const std::string key = store.keyFolder();
  const auto values = storedValues(key);
  if (values.empty()) return {};
  for (int n = 1; n <= 20; ++n) {
    const std::string copy = key + " (damaged settings" + (n > 1 ? " " + std::to_string(n) : "") + ")";
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(copy, ec))) {
      if (storedValues(copy) == values) return copy;  // this very store is kept already
      continue;
    }
    for (const auto& [name, text] : values) {
      std::filesystem::create_directories(copy + "/" + name);
      writeFileAtomically(copy + "/" + name + "/" + name, text);
    }
    return copy;
  }
  return {};
}

void writeSettings(RegistryStore& store, const LaunchpadControls& c) {
  std::exception_ptr failure;
  auto write = [&](const char* name, int32_t value) {
    try {
      store.writeInteger(name, value);
    } catch (const GameError&) {
      if (!failure) failure = std::current_exception();
    }
  };
  store.open();
  write("RunOnce", 1);
  write("SkipIntro", c.skipintro);
  write("PullPutt", c.pullputt);
  write("PushPutt", c.pushputt);
  write("screen640", c.screen640);
  write("screen800", c.screen800);
  write("screen1024", c.screen1024);
  write("bgsounds", c.bgsounds);
  write("FrameSkip", c.frameskip);
  write("SharpPixels", c.sharp_pixels);
  write("Course", c.course2 ? 2 : 1);
  write(kMusicVolume, c.music_volume);
  write(kEffectsVolume, c.effects_volume);
  write(kMasterVolume, c.master_volume);
  store.close();
  if (failure) std::rethrow_exception(failure);
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
