// Placeholders until the input subsystem is written; each file that defines
// a handler for real removes its line here.
#include "input/input_handlers.h"
#include "platform/platform.h"

namespace fg {
void loadInterfacePictures(GameContext& ctx) { ctx.gui.loadFromFile(ctx.exeDir + "gui.dxg"); }
void puttingPhase(GameContext&) {}
void drawHelpPicture(GameContext&) {}
void drawPointer(GameContext&) {}
void FormKeyDown(GameContext& ctx, int key, ShiftState) {
  if (ctx.gs.game_screen == kScreenTitleCard) {
    ctx.gs.game_screen = kScreenPlay;
    return;
  }
  if (key == vk::Escape) ctx.closeGameWindow();
}
void FormKeyUp(GameContext&, int, ShiftState) {}
void DXDrawMouseMove(GameContext&, ShiftState, int, int) {}
void DXDrawMouseDown(GameContext& ctx, MouseButton, ShiftState, int, int) {
  if (ctx.gs.game_screen == kScreenTitleCard) ctx.gs.game_screen = kScreenPlay;
}
void DXDrawMouseUp(GameContext&, MouseButton, ShiftState, int, int) {}
void DXDrawClick(GameContext&) {}
void DXDrawDblClick(GameContext&) {}
}  // namespace fg
