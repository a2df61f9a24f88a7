#pragma once
// The small actions the keyboard, the mouse handlers and the per-frame
// putting update share.
#include "render/game_context.h"

namespace fg {

// Puts the aiming centre in the middle of the display and moves the system
// cursor there; the move event that follows updates mouse_x and mouse_y.
void parkCursor(GameContext& ctx);
// Starts setting up a putt: click, phase 1, cursor parked and (in a window)
// held by the game so a drag past the edge keeps reporting moves.
void beginAiming(GameContext& ctx);
// Right button: back to no putt, no stroke.
void cancelPutt(GameContext& ctx);
// Hands the ball to the simulation with the shot in ball_angle/ball_speed.
void strikePutt(GameContext& ctx);
// Click sound, method swapped, banner naming the new method; the phase stays.
void switchPuttMethod(GameContext& ctx);
// The pointer lies within 24 pixels of the ball (course coordinates).
bool pointerNearBall(const GameState& gs);
// The common ending of a game, with the mouse given back first.
void leaveGame(GameContext& ctx);

}  // namespace fg
