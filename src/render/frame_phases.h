#pragma once
// The drawing phases of one game frame, in the order the frame runs them
// (the simulation sub-steps come first, the putting, help picture and pointer
// from the input subsystem in between, the flip last).
#include "render/game_context.h"

namespace fg {

void updateCamera(GameContext& ctx);           // pending re-centre, follow or free scroll, clamp
void drawPlayingField(GameContext& ctx);       // course, effects, particles, ball, debug, foreground
void runHoleFlow(GameContext& ctx);            // cup, tunnel and water sequences and their sprites
void drawStarField(GameContext& ctx);          // only on the hole that has one
void drawScoreHudAndBanner(GameContext& ctx);  // score against par, HUD, banner
void endOfGameCheck(GameContext& ctx);         // game over / finished and their messages

}  // namespace fg
