#pragma once
// The heads-up display in the top-left corner: panel, name and score, par,
// strokes, pressed buttons and the push-putt mark. Screen coordinates.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "media/image_list.h"
#include "media/surface.h"
#include "state/game_state.h"

namespace fg {

// The name line: the first n characters of the name with a … z upper-cased
// (nothing else changes), then " (", the score, ")".
std::string hudNameLine(std::string_view name, size_t n, int32_t score);

// The hold area of HUD button i (0 … 4), edges included: a pressed button
// keeps its look while the mouse stays inside it.
bool insideButtonHold(int i, int32_t x, int32_t y);

// Draws the full or the small panel for `playerName` and clears the
// `button_down` flags of buttons the mouse has left.
void drawHud(GameState& gs, const ImageList& gui, Surface& back, std::string_view playerName);

}  // namespace fg
