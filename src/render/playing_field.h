#pragma once
// The playing field of one frame: hole picture, effects, particles, ball,
// debug overlay and the foreground tiles round the ball.
#include <cstdint>

#include "media/canvas.h"
#include "media/image_list.h"
#include "media/surface.h"
#include "state/game_state.h"

namespace fg {

// Width and height of a foreground tile of `course` item 1.
constexpr int32_t kForegroundTile = 24;

// Everything of the playing field with the effects advanced by
// `effectAdvance` quarter patterns (see effectAdvance()).
void drawPlayingField(GameState& gs, const ImageList& course, const ImageList& gui, Surface& back,
                      Canvas& canvas, int32_t effectAdvance);

// Outlines of every area and a cross on the ball, in blue.
void drawDebugOverlay(const GameState& gs, Canvas& canvas);

// The nine tiles of the foreground layer round the ball, so scenery in front
// of the ball covers it.
void drawForegroundTiles(const GameState& gs, const ImageList& course, Surface& back);

}  // namespace fg
