// Placeholders until the drawing phases are written; each file that defines
// a phase for real removes its line here.
#include "render/frame_phases.h"

namespace fg {
void updateCamera(GameContext&) {}
void drawPlayingField(GameContext& ctx) {
  if (ctx.course.count() > 0) ctx.course.item(0).BlitPattern(ctx.DXDraw.surface(), -ctx.gs.camera_x, -ctx.gs.camera_y, 0);
}
void runHoleFlow(GameContext&) {}
void drawStarField(GameContext&) {}
void drawScoreHudAndBanner(GameContext&) {}
void runEndOfGameCheck(GameContext&) {}
}  // namespace fg
