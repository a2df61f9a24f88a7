#include "media/mixer.h"

#include <algorithm>

#include "media/error.h"

namespace fg {

bool isPlayableFormat(const VoiceFormat& f) {
  return f.rate > 0 && f.rate <= 384000 && (f.bits == 8 || f.bits == 16) && (f.channels == 1 || f.channels == 2);
}

Mixer::Voice* Mixer::find(int id) {
  if (id < 0 || id >= static_cast<int>(voices_.size()) || !voices_[id].live) return nullptr;
  return &voices_[id];
}

const Mixer::Voice* Mixer::find(int id) const {
  if (id < 0 || id >= static_cast<int>(voices_.size()) || !voices_[id].live) return nullptr;
  return &voices_[id];
}

int Mixer::createVoice(Samples samples, VoiceFormat format) {
  Voice v;
  if (samples && !samples->empty()) {
    if (!isPlayableFormat(format)) throw GameError("Sound Buffer cannot be made");
    v.frames = samples->size() / (static_cast<size_t>(format.bits / 8) * format.channels);
  }
  v.samples = std::move(samples);
  v.format = format;
  v.live = true;
  std::lock_guard lock(mutex_);
  auto slot = std::find_if(voices_.begin(), voices_.end(), [](const Voice& x) { return !x.live; });
  if (slot != voices_.end()) {
    *slot = std::move(v);
    return static_cast<int>(slot - voices_.begin());
  }
  voices_.push_back(std::move(v));
  return static_cast<int>(voices_.size() - 1);
}

int Mixer::duplicateVoice(int id) {
  Samples samples;
  VoiceFormat format;
  {
    std::lock_guard lock(mutex_);
    const Voice* v = find(id);
    if (!v) throw GameError("Sound Buffer cannot be made");
    samples = v->samples;
    format = v->format;
  }
  return createVoice(std::move(samples), format);
}

void Mixer::releaseVoice(int id) {
  std::lock_guard lock(mutex_);
  if (Voice* v = find(id)) *v = Voice();
}

void Mixer::play(int id, bool looped) {
  std::lock_guard lock(mutex_);
  if (Voice* v = find(id)) {
    v->pos = 0;
    v->looped = looped;
    v->playing = v->frames > 0;
  }
}

void Mixer::stop(int id) {
  std::lock_guard lock(mutex_);
  if (Voice* v = find(id)) v->playing = false;
}

bool Mixer::isPlaying(int id) const {
  std::lock_guard lock(mutex_);
  const Voice* v = find(id);
  return v && v->playing;
}

void Mixer::clear() {
  std::lock_guard lock(mutex_);
  voices_.clear();
}

namespace {

int32_t sampleAt(const uint8_t* p, int bits) {
  if (bits == 8) return (static_cast<int32_t>(p[0]) - 128) * 256;
  return static_cast<int16_t>(p[0] | (p[1] << 8));
}

}  // namespace

// Nearest-sample rate conversion in 32.32 fixed point; a mono voice goes to
// every output channel, a stereo voice to a mono output as the mean of both.
void Mixer::addVoice(Voice& v, int32_t* acc, int frames, int channels, int rate) {
  const uint64_t step = (static_cast<uint64_t>(v.format.rate) << 32) / static_cast<uint64_t>(rate);
  const int bytes = v.format.bits / 8;
  const int frameBytes = bytes * v.format.channels;
  const uint8_t* data = v.samples->data();
  for (int i = 0; i < frames; ++i) {
    uint64_t frame = v.pos >> 32;
    if (frame >= v.frames) {
      if (!v.looped) {
        v.playing = false;
        return;
      }
      v.pos %= static_cast<uint64_t>(v.frames) << 32;
      frame = v.pos >> 32;
    }
    const uint8_t* p = data + frame * frameBytes;
    int32_t left = sampleAt(p, v.format.bits);
    int32_t right = v.format.channels == 2 ? sampleAt(p + bytes, v.format.bits) : left;
    if (channels == 1) {
      acc[i] += (left + right) / 2;
    } else {
      for (int c = 0; c < channels; ++c) acc[i * channels + c] += (c & 1) ? right : left;
    }
    v.pos += step;
  }
  if ((v.pos >> 32) >= v.frames && !v.looped) v.playing = false;
}

void Mixer::mix(int16_t* out, int frames, int channels, int rate) {
  if (frames <= 0 || channels <= 0) return;
  const size_t n = static_cast<size_t>(frames) * channels;
  std::lock_guard lock(mutex_);
  acc_.assign(n, 0);
  if (rate > 0)
    for (Voice& v : voices_)
      if (v.live && v.playing) addVoice(v, acc_.data(), frames, channels, rate);
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<int16_t>(std::clamp<int32_t>(acc_[i], -32768, 32767));
}

}  // namespace fg
