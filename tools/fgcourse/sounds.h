#pragma once
// The hole's own sounds: a background loop that fits the place, and the
// construction worker's grumble, made with the content synthesiser.
#include <string>
#include <vector>

#include "media/archive_writer.h"

namespace fg {

std::vector<WaveItemDesc> holeSounds(const std::string& ambience);

}  // namespace fg
