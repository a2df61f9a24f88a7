#pragma once
// The game-state variables a scenario may set in "initial", and the ones each
// output line shows.
#include <cstdint>
#include <string>

#include "json.h"
#include "state/game_state.h"

namespace fg {

// frame_skip + 1 sub-steps run each frame; beyond these a scenario of a few
// frames would run for minutes.
constexpr int32_t kFrameSkipLow = -1000;
constexpr int32_t kFrameSkipHigh = 1000;

// Sets one variable by its game-state name. Throws std::runtime_error for an
// unknown name or a value of the wrong type or range.
void setStateField(GameState& gs, const std::string& name, const JsonValue& value);

// The ball and simulation fields common to every output line.
void addStateFields(JsonLine& line, const GameState& gs);

}  // namespace fg
