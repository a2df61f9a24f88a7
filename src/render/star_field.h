#pragma once
// The star field in front of the one hole that has one: stars drift, move a
// little faster than the course when it scrolls, wrap round and twinkle.
#include <cstdint>

#include "media/image_list.h"
#include "media/surface.h"
#include "state/game_state.h"

namespace fg {

// The hole whose stars are drawn.
constexpr const char* kStarHole = "course1hole5";

// Moves, twinkles and draws the 50 stars on a drawing area the size of
// `back`; modeW, modeH are the display mode's size. Draws random numbers from
// the shared generator in a fixed order.
void drawStars(GameState& gs, const ImageList& course, Surface& back, int32_t modeW, int32_t modeH);

}  // namespace fg
