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

int32_t volumeGain(int position) {
  int32_t p = std::clamp(position, 0, 100);
  return static_cast<int32_t>(static_cast<int64_t>(p) * p * 65536 / 10000);
}

int Mixer::createVoice(Samples samples, VoiceFormat format, VoiceGroup group) {
  Voice v;
  v.group = group;
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
  VoiceGroup group;
  {
    std::lock_guard lock(mutex_);
    const Voice* v = find(id);
    if (!v) throw GameError("Sound Buffer cannot be made");
    samples = v->samples;
    format = v->format;
    group = v->group;
  }
  return createVoice(std::move(samples), format, group);
}

void Mixer::setGroup(int id, VoiceGroup group) {
  std::lock_guard lock(mutex_);
  if (Voice* v = find(id)) v->group = group;
}

void Mixer::retarget() {
  const int32_t master = muted_ ? 0 : volumeGain(volumes_.master);
  const int32_t music = volumeGain(volumes_.music), effects = volumeGain(volumes_.effects);
  target_[static_cast<int>(VoiceGroup::Effects)] = static_cast<int32_t>(static_cast<int64_t>(master) * effects >> 16);
  target_[static_cast<int>(VoiceGroup::Music)] = static_cast<int32_t>(static_cast<int64_t>(master) * music >> 16);
}

void Mixer::retargetNow() {
  retarget();
  // While nothing sounds there is nothing to smooth: the new volume holds at
  // once, so a sound started next does not begin at the old one.
  if (std::none_of(voices_.begin(), voices_.end(), [](const Voice& v) { return v.live && v.playing; }))
    std::copy(std::begin(target_), std::end(target_), std::begin(gain_));
}

void Mixer::setVolumes(const Volumes& v) {
  std::lock_guard lock(mutex_);
  volumes_ = v;
  retargetNow();
}

void Mixer::setMuted(bool muted) {
  std::lock_guard lock(mutex_);
  muted_ = muted;
  retargetNow();
}

Volumes Mixer::volumes() const {
  std::lock_guard lock(mutex_);
  return volumes_;
}

bool Mixer::muted() const {
  std::lock_guard lock(mutex_);
  return muted_;
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
    if (v->playing) ++started_;
  }
}

uint64_t Mixer::started() const {
  std::lock_guard lock(mutex_);
  return started_;
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
  for (auto& acc : acc_) acc.assign(n, 0);
  if (rate > 0)
    for (Voice& v : voices_)
      if (v.live && v.playing) addVoice(v, acc_[static_cast<int>(v.group)].data(), frames, channels, rate);
  // Each group's sum is scaled by its gain, which walks toward its target by
  // at most one ramp step per output frame.
  const int32_t step = std::max<int32_t>(1, static_cast<int32_t>(65536LL * 1000 / (std::max(rate, 1) * kRampMs)));
  for (int f = 0; f < frames; ++f) {
    for (int g = 0; g < kVoiceGroups; ++g)
      gain_[g] = gain_[g] < target_[g] ? std::min(gain_[g] + step, target_[g]) : std::max(gain_[g] - step, target_[g]);
    for (int c = 0; c < channels; ++c) {
      const size_t i = static_cast<size_t>(f) * channels + c;
      int64_t sum = 0;
      for (int g = 0; g < kVoiceGroups; ++g) sum += static_cast<int64_t>(acc_[g][i]) * gain_[g];
      out[i] = static_cast<int16_t>(std::clamp<int64_t>(sum >> 16, -32768, 32767));
    }
  }
}

}  // namespace fg
