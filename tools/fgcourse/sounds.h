#pragma once
// The hole's own sounds: a background loop that fits the place, and the
// construction worker's grumble.
#include <string>
#include <vector>

#include "media/archive_writer.h"

namespace fg {

constexpr int kSoundRate = 22050;

// Mono 16-bit samples of a loop whose end runs straight into its start.
std::vector<int16_t> ambienceLoop(const std::string& kind);
std::vector<int16_t> grumble();
std::vector<WaveItemDesc> holeSounds(const std::string& ambience);

}  // namespace fg
