#pragma once
// The "events" array of an fgsim output line.
#include <string>
#include <vector>

#include "sim/recording_host.h"

namespace fg {

std::string eventsJson(const std::vector<SimEvent>& events);

}  // namespace fg
