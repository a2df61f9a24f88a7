#include "media/wave_list.h"

#include <algorithm>
#include <exception>

#include "media/archive_reader.h"
#include "media/error.h"
#include "media/file_io.h"
#include "media/mixer.h"
#include "media/sound_device.h"

namespace fg {
namespace {

constexpr const char* kSoundBuffer = "Sound Buffer";

Mixer* mixerOf(SoundDevice* d) { return d && d->initialized() ? &d->mixer() : nullptr; }

}  // namespace

WaveItem::~WaveItem() { releaseVoices(); }

SoundDevice* WaveItem::device() const { return list_ ? list_->device() : nullptr; }

void WaveItem::setLooped(bool v) {
  if (v == looped_) return;
  Stop();
  looped_ = v;
}

void WaveItem::setMaxPlayingCount(int32_t v) {
  v = std::max(v, 0);
  if (v == maxPlayingCount_) return;
  maxPlayingCount_ = v;
  if (Mixer* m = mixerOf(device()))
    for (int id : copies_) m->releaseVoice(id);
  copies_.clear();
}

void WaveItem::createVoices() {
  Mixer* m = mixerOf(device());
  if (!m || hasVoices()) return;
  // The main voice holds its own copy of the samples; copies share it.
  auto samples = std::make_shared<const std::vector<uint8_t>>(wave.data);
  if (!samples->empty() && wave.formatTag != 1) throw GameError(formatMessage("%s cannot be made", kSoundBuffer));
  VoiceFormat f{static_cast<int>(wave.sampleRate), wave.bits, wave.channels};
  mainVoice_ = m->createVoice(std::move(samples), f, group_);
  copies_.clear();
}

void WaveItem::setGroup(VoiceGroup g) {
  group_ = g;
  if (Mixer* m = mixerOf(device())) {
    if (mainVoice_ >= 0) m->setGroup(mainVoice_, g);
    for (int id : copies_) m->setGroup(id, g);
  }
}

void WaveItem::releaseVoices() {
  if (Mixer* m = mixerOf(device())) {
    if (mainVoice_ >= 0) m->releaseVoice(mainVoice_);
    for (int id : copies_) m->releaseVoice(id);
  }
  mainVoice_ = -1;
  copies_.clear();
}

void WaveItem::Play(bool) {
  SoundDevice* dev = device();
  if (!dev) throw GameError(formatMessage("%s cannot be initialized", "WaveItem"));
  Mixer* m = mixerOf(dev);
  if (!m) return;  // the device did not start: silence
  if (!hasVoices()) createVoices();
  if (looped_) {
    m->play(mainVoice_, true);
    return;
  }
  int chosen = -1;
  for (int id : copies_)
    if (!m->isPlaying(id)) {
      chosen = id;
      break;
    }
  if (chosen < 0) {
    if (maxPlayingCount_ == 0 || copyCount() < maxPlayingCount_) {
      chosen = m->duplicateVoice(mainVoice_);
      copies_.push_back(chosen);
    } else {
      // Every copy is busy: the oldest one starts over and goes to the end.
      chosen = copies_.front();
      copies_.erase(copies_.begin());
      copies_.push_back(chosen);
    }
  }
  m->play(chosen, false);
}

void WaveItem::Stop() {
  Mixer* m = mixerOf(device());
  if (!m || !hasVoices()) return;
  m->stop(mainVoice_);
  for (int id : copies_) m->stop(id);
}

bool WaveItem::isPlaying() const {
  Mixer* m = mixerOf(device());
  if (!m || !hasVoices()) return false;
  if (m->isPlaying(mainVoice_)) return true;
  return std::any_of(copies_.begin(), copies_.end(), [m](int id) { return m->isPlaying(id); });
}

WaveList::~WaveList() {
  items_.clear();
  if (device_) device_->unbind(*this);
}

void WaveList::loadFromFile(const std::string& path) {
  clear();
  std::vector<uint8_t> bytes = readWholeFile(path, kArchiveFileLimit);
  loadFromMemory(bytes);
}

void WaveList::loadFromMemory(std::span<const uint8_t> bytes) {
  clear();
  WaveArchiveSink sink;
  sink.clear = [this] { items_.clear(); };
  sink.add = [this]() -> WaveItem& { return add(); };
  std::exception_ptr fault;
  try {
    readWaveArchive(bytes, sink);
  } catch (const GameError&) {
    fault = std::current_exception();
  }
  // On a started device every item gets its voice at once.
  if (mixerOf(device_))
    for (auto& item : items_) item->createVoices();
  if (fault) std::rethrow_exception(fault);
}

WaveItem& WaveList::item(int index) {
  if (index < 0 || index >= count()) throw GameError(formatMessage("List index out of bounds (%d)", index));
  return *items_[index];
}

const WaveItem& WaveList::item(int index) const {
  if (index < 0 || index >= count()) throw GameError(formatMessage("List index out of bounds (%d)", index));
  return *items_[index];
}

void WaveList::clear() { items_.clear(); }

WaveItem& WaveList::add() {
  auto& item = *items_.emplace_back(std::make_unique<WaveItem>());
  item.list_ = this;
  item.group_ = group;
  return item;
}

}  // namespace fg
