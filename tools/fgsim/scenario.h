#pragma once
// fgsim scenarios: a hole, a number of frames and the putts to play.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "json.h"

namespace fg {

struct ScenarioPutt {
  int32_t angle = 0;
  double speed = 0;
  std::optional<int64_t> frame;  // due in the first frame >= this one
};

struct Scenario {
  std::string hole;
  std::string folder;  // where the scenario (and NAME.hole) lies
  int64_t frames = 100;
  int32_t frame_skip = 2;
  bool sound_on = true;
  int32_t splash_frames = 32;
  uint32_t seed = 0;
  int32_t effect_next = 0;
  JsonValue initial;  // object of game-state overrides, or null
  std::vector<ScenarioPutt> putts;
};

// Throws std::runtime_error with a readable message.
Scenario loadScenario(const std::string& path);
Scenario parseScenario(const JsonValue& doc, const std::string& folder);

// Runs the scenario and writes one JSON object per line.
void runScenario(const Scenario& sc, std::ostream& out);

}  // namespace fg
