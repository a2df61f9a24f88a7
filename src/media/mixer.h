#pragma once
// The software mixer behind the sound device: any number of PCM voices (8- or
// 16-bit, mono or stereo, each at its own rate) summed with saturation into
// the device's 16-bit output. The audio thread touches nothing but this
// object, and every entry point takes its lock.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/platform.h"

namespace fg {

struct VoiceFormat {
  int rate = 22050, bits = 16, channels = 1;
};

class Mixer : public AudioSource {
 public:
  using Samples = std::shared_ptr<const std::vector<uint8_t>>;

  // Fails with "Sound Buffer cannot be made" for a format it cannot play.
  int createVoice(Samples samples, VoiceFormat format);
  int duplicateVoice(int id);  // shares the sample data
  void releaseVoice(int id);
  void play(int id, bool looped);  // stop, rewind, then play once or looping
  void stop(int id);
  bool isPlaying(int id) const;
  void clear();

  void mix(int16_t* out, int frames, int channels, int rate) override;

 private:
  struct Voice {
    Samples samples;
    VoiceFormat format;
    size_t frames = 0;     // whole frames in the sample data
    uint64_t pos = 0;      // 32.32 fixed-point frame position
    bool live = false, playing = false, looped = false;
  };
  Voice* find(int id);
  const Voice* find(int id) const;
  static void addVoice(Voice& v, int32_t* acc, int frames, int channels, int rate);

  mutable std::mutex mutex_;
  std::vector<Voice> voices_;
  std::vector<int32_t> acc_;
};

bool isPlayableFormat(const VoiceFormat& f);

}  // namespace fg
