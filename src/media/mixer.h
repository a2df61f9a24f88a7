#pragma once
// The software mixer behind the sound device: any number of PCM voices (8- or
// 16-bit, mono or stereo, each at its own rate) summed with saturation into
// the device's 16-bit output. The audio thread touches nothing but this
// object, and every entry point takes its lock.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "media/platform.h"

namespace fg {

struct VoiceFormat {
  int rate = 22050, bits = 16, channels = 1;
};

// The volume a voice follows: the menu music and the holes' background
// sounds, or the effects.
enum class VoiceGroup : uint8_t { Effects = 0, Music = 1 };
constexpr int kVoiceGroups = 2;

// Volume slider positions, 0 … 100 each; 100 leaves the samples untouched.
struct Volumes {
  int master = 100, music = 100, effects = 100;
  bool operator==(const Volumes&) const = default;
};

// A slider position as a 16.16 amplitude factor: the square of the position,
// so equal steps sound like equal steps. 100 gives exactly 1.0 (65536).
int32_t volumeGain(int position);

class Mixer : public AudioSource {
 public:
  using Samples = std::shared_ptr<const std::vector<uint8_t>>;

  // Fails with "Sound Buffer cannot be made" for a format it cannot play.
  int createVoice(Samples samples, VoiceFormat format, VoiceGroup group = VoiceGroup::Effects);
  int duplicateVoice(int id);  // shares the sample data and the group
  void setGroup(int id, VoiceGroup group);
  void releaseVoice(int id);
  void play(int id, bool looped);  // stop, rewind, then play once or looping
  void stop(int id);
  bool isPlaying(int id) const;
  void clear();  // voices only: the volumes stay
  // How many plays were started since the mixer was made: what sounded can
  // be told even where the output is silent or plays too fast to catch.
  uint64_t started() const;

  // The volumes change smoothly over kRampMs of output, never in one step,
  // so moving a slider or muting makes no click. Muted is silence for all.
  void setVolumes(const Volumes& v);
  void setMuted(bool muted);
  Volumes volumes() const;
  bool muted() const;
  static constexpr int kRampMs = 20;

  void mix(int16_t* out, int frames, int channels, int rate) override;

 private:
  struct Voice {
    Samples samples;
    VoiceFormat format;
    size_t frames = 0;     // whole frames in the sample data
    uint64_t pos = 0;      // 32.32 fixed-point frame position
    bool live = false, playing = false, looped = false;
    VoiceGroup group = VoiceGroup::Effects;
  };
  void retarget();  // the gains the ramps head for, from volumes and mute
  void retargetNow();
  Voice* find(int id);
  const Voice* find(int id) const;
  static void addVoice(Voice& v, int32_t* acc, int frames, int channels, int rate);

  mutable std::mutex mutex_;
  std::vector<Voice> voices_;
  std::vector<int32_t> acc_[kVoiceGroups];
  Volumes volumes_;
  bool muted_ = false;
  int32_t target_[kVoiceGroups] = {65536, 65536};
  int32_t gain_[kVoiceGroups] = {65536, 65536};  // 16.16, where the ramps are now
  uint64_t started_ = 0;
};

bool isPlayableFormat(const VoiceFormat& f);

}  // namespace fg
