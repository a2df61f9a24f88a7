#pragma once
// Wave lists: the sounds of a wave archive (".dxw"), addressed by index. Once
// the list is bound to a started sound device, each item plays either as one
// looping voice or as overlapping one-shot copies of its main voice.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "media/mixer.h"

namespace fg {

class SoundDevice;
class WaveList;

struct Wave {
  uint16_t formatTag = 0, channels = 0;
  uint32_t sampleRate = 0, byteRate = 0;
  uint16_t blockAlign = 0, bits = 0;
  std::vector<uint8_t> fmtExtra;  // bytes of the "fmt " chunk beyond the 16 above
  std::vector<uint8_t> data;      // sample bytes

  bool empty() const { return data.empty() && formatTag == 0 && channels == 0 && sampleRate == 0; }
  bool operator==(const Wave&) const = default;
};

// A RIFF WAVE file image; an empty span gives an empty wave.
Wave decodeWave(std::span<const uint8_t> bytes);
// The RIFF WAVE file image of a wave ("fmt " then "data").
std::vector<uint8_t> encodeWave(const Wave& w);
Wave makePcmWave(int rate, int bits, int channels, std::vector<uint8_t> samples);

class WaveItem {
 public:
  WaveItem() = default;
  WaveItem(const WaveItem&) = delete;
  WaveItem& operator=(const WaveItem&) = delete;
  ~WaveItem();

  std::string name;
  Wave wave;

  bool looped() const { return looped_; }
  void setLooped(bool v);  // a change stops the item
  int32_t maxPlayingCount() const { return maxPlayingCount_; }
  void setMaxPlayingCount(int32_t v);  // below 0 becomes 0; a change releases the copies

  // The game never waits; `wait` is accepted and ignored, since a voice only
  // advances when the platform's audio callback runs.
  void Play(bool wait = false);  // silent when the device is not started
  void Stop();
  bool isPlaying() const;  // main voice or any copy sounding
  // Which volume slider the item follows (its list's group unless set).
  VoiceGroup group() const { return group_; }
  void setGroup(VoiceGroup g);
  int copyCount() const { return static_cast<int>(copies_.size()); }

  // Device side: voices live from the device's start to its finalisation.
  void createVoices();
  void releaseVoices();
  bool hasVoices() const { return mainVoice_ >= 0; }
  int mainVoice() const { return mainVoice_; }
  const std::vector<int>& copies() const { return copies_; }  // voice ids in list order

 private:
  friend class WaveList;
  SoundDevice* device() const;

  WaveList* list_ = nullptr;
  bool looped_ = false;
  int32_t maxPlayingCount_ = 0;
  VoiceGroup group_ = VoiceGroup::Effects;
  int mainVoice_ = -1;
  std::vector<int> copies_;
};

class WaveList {
 public:
  WaveList() = default;
  WaveList(const WaveList&) = delete;
  WaveList& operator=(const WaveList&) = delete;
  ~WaveList();

  void loadFromFile(const std::string& path);  // clears first; items read before a fault stay
  void loadFromMemory(std::span<const uint8_t> bytes);
  WaveItem& item(int index);  // "List index out of bounds (%d)"
  const WaveItem& item(int index) const;
  int count() const { return static_cast<int>(items_.size()); }
  void clear();
  WaveItem& add();

  SoundDevice* device() const { return device_; }
  // The volume group every item added from now on follows.
  VoiceGroup group = VoiceGroup::Effects;

 private:
  friend class SoundDevice;
  void setDevice(SoundDevice* d) { device_ = d; }

  std::vector<std::unique_ptr<WaveItem>> items_;
  SoundDevice* device_ = nullptr;
};

}  // namespace fg
