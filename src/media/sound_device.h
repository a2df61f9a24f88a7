#pragma once
// The sound device over the platform's audio output. Wave lists bound to it
// get their voices when it starts and lose them when it stops.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "media/mixer.h"
#include "media/platform.h"

namespace fg {

class WaveList;

class SoundDevice {
 public:
  explicit SoundDevice(Platform* platform);  // null platform: never starts (silent)
  ~SoundDevice();
  SoundDevice(const SoundDevice&) = delete;
  SoundDevice& operator=(const SoundDevice&) = delete;

  void bind(WaveList& list);
  void unbind(WaveList& list);
  std::function<void()> OnInitialize;  // e.g. sets the mixing format
  bool exclusive = false;
  // Messages "Primary Buffer cannot be made", "Sound Buffer cannot be made" …;
  // a failure leaves the device finalized.
  void Initialize();
  void Finalize();
  bool initialized() const { return initialized_; }
  void setMixingFormat(int rate, int bits, int channels);  // 22050/16/1 for the game window

  Mixer& mixer() { return *mixer_; }
  // The format the output runs at (valid while initialized).
  AudioSpec outputSpec() const { return got_; }

 private:
  void openOutput();

  Platform* platform_;
  std::unique_ptr<Mixer> mixer_;
  std::vector<WaveList*> lists_;
  bool initialized_ = false;
  bool audioOpen_ = false;
  std::optional<AudioSpec> wanted_;
  AudioSpec got_;
};

}  // namespace fg
