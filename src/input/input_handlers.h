#pragma once
// The game window's input: asset loading and skins, keyboard commands, mouse
// aiming and putting. Handlers keep the game's own names.
#include "media/window.h"
#include "render/game_context.h"

namespace fg {

// Window show, before the display starts: "gui.dxg", the ball texture into
// item 11, then the chosen skin's bitmaps.
void loadInterfacePictures(GameContext& ctx);

void puttingPhase(GameContext& ctx);     // frame phase: putting update, aiming sprites, strike
void drawHelpPicture(GameContext& ctx);  // frame phase: only while game_screen is 3
void drawPointer(GameContext& ctx);      // frame phase: the mouse pointer picture

void FormKeyDown(GameContext& ctx, int key, ShiftState shift);
void FormKeyUp(GameContext& ctx, int key, ShiftState shift);
void DXDrawMouseMove(GameContext& ctx, ShiftState shift, int x, int y);
void DXDrawMouseDown(GameContext& ctx, MouseButton button, ShiftState shift, int x, int y);
void DXDrawMouseUp(GameContext& ctx, MouseButton button, ShiftState shift, int x, int y);
void DXDrawClick(GameContext& ctx);
void DXDrawDblClick(GameContext& ctx);

}  // namespace fg
