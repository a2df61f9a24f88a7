#include "input/putting_actions.h"

#include "sim/geometry.h"
#include "sim/putt_runner.h"
#include "sim/sim_actions.h"

namespace fg {

void parkCursor(GameContext& ctx) {
  ctx.gs.aim_centre_x = ctx.DXDraw.SurfaceWidth() / 2;
  ctx.gs.aim_centre_y = ctx.DXDraw.SurfaceHeight() / 2;
  ctx.platform.setCursorPos(ctx.gs.aim_centre_x, ctx.gs.aim_centre_y);
}

void beginAiming(GameContext& ctx) {
  playClick(ctx);
  ctx.gs.putt_phase = 1;
  parkCursor(ctx);
  ctx.platform.captureMouse(true);
}

void cancelPutt(GameContext& ctx) {
  ctx.gs.putt_phase = 0;
  ctx.platform.captureMouse(false);
}

void strikePutt(GameContext& ctx) {
  strikeBall(ctx.gs, ctx.host, ctx.gs.pull_putt);
  ctx.platform.captureMouse(false);
}

void switchPuttMethod(GameContext& ctx) {
  playClick(ctx);
  ctx.gs.pull_putt = !ctx.gs.pull_putt;
  startBanner(ctx.gs, ctx.host, ctx.gs.pull_putt ? "PULL PUTT METHOD" : "PUSH PUTT METHOD");
}

bool pointerNearBall(const GameState& gs) {
  return PointDistance(roundHalfEven(gs.ball_x), roundHalfEven(gs.ball_y), addWrap(gs.mouse_x, gs.camera_x),
                       addWrap(gs.mouse_y, gs.camera_y)) < 24;
}

void leaveGame(GameContext& ctx) {
  ctx.platform.captureMouse(false);
  ctx.closeGameWindow();
}

}  // namespace fg
