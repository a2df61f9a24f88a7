#include "media/sound_device.h"

#include <algorithm>

#include "media/error.h"
#include "media/wave_list.h"

namespace fg {

SoundDevice::SoundDevice(Platform* platform) : platform_(platform), mixer_(std::make_unique<Mixer>()) {}

SoundDevice::~SoundDevice() {
  Finalize();
  for (WaveList* list : lists_) list->setDevice(nullptr);
}

void SoundDevice::bind(WaveList& list) {
  if (list.device() == this) return;
  if (list.device()) list.device()->unbind(list);
  lists_.push_back(&list);
  list.setDevice(this);
  if (initialized_)
    for (int i = 0; i < list.count(); ++i) list.item(i).createVoices();
}

void SoundDevice::unbind(WaveList& list) {
  auto it = std::find(lists_.begin(), lists_.end(), &list);
  if (it == lists_.end()) return;
  for (int i = 0; i < list.count(); ++i) list.item(i).releaseVoices();
  lists_.erase(it);
  list.setDevice(nullptr);
}

void SoundDevice::openOutput() {
  const AudioSpec* wanted = wanted_ ? &*wanted_ : nullptr;
  AudioSpec got;
  if (!platform_->openAudio(mixer_.get(), wanted, &got))
    throw GameError(formatMessage("%s cannot be made", "Primary Buffer"));
  got_ = got;
  audioOpen_ = true;
}

void SoundDevice::Initialize() {
  if (initialized_) Finalize();
  // Without a platform there is no output: the device stays silent.
  if (!platform_) return;
  try {
    wanted_.reset();
    if (OnInitialize) OnInitialize();
    openOutput();
    initialized_ = true;
    for (WaveList* list : lists_)
      for (int i = 0; i < list->count(); ++i) list->item(i).createVoices();
  } catch (...) {
    Finalize();
    throw;
  }
}

void SoundDevice::Finalize() {
  if (audioOpen_) platform_->closeAudio();
  audioOpen_ = false;
  for (WaveList* list : lists_)
    for (int i = 0; i < list->count(); ++i) list->item(i).releaseVoices();
  mixer_->clear();
  initialized_ = false;
}

void SoundDevice::setMixingFormat(int rate, int /*bits*/, int channels) {
  // The output is always 16-bit; the rate and channel count are asked of
  // the platform when the output opens (again, if it is already open).
  AudioSpec spec;
  spec.rate = rate;
  spec.channels = channels;
  wanted_ = spec;
  if (audioOpen_) {
    platform_->closeAudio();
    audioOpen_ = false;
    openOutput();
  }
}

}  // namespace fg
