#pragma once
// The textured ball: built every frame from the 16 x 16 ball texture, turned
// by the rolling phase, bent round a sphere, cut to a disc and framed by its
// shadow and shading sprites.
#include <array>
#include <cstdint>

#include "media/image_list.h"
#include "media/surface.h"
#include "state/game_state.h"

namespace fg {

// Both tables are indexed by 16 * row + column of the ball block.
extern const std::array<uint8_t, 256> kBallRemap;     // texel bend round the sphere
extern const std::array<uint8_t, 256> kBallDiscMask;  // disc coverage; drawn where > 128

// Shadow, darkening sprite, body, shading sprite and area shade, in that
// order. Writes only players[0].ball_shade.
void drawBall(GameState& gs, const ImageList& gui, Surface& back);

}  // namespace fg
