// The frame's putting update: each phase of both methods reads the pointer,
// sets the aim and pull-back, draws the aiming sprites and, at the end of the
// swing or push, strikes. Also the help picture and the mouse pointer.
#include <algorithm>

#include "input/input_handlers.h"
#include "input/putting_actions.h"
#include "sim/geometry.h"
#include "sim/sim_actions.h"
#include "state/gui_items.h"
#include "state/sound_items.h"

namespace fg {

namespace {

constexpr double kMaxPullBack = 90;


struct AimPoint {
  int32_t x, y;  // the point 75 pixels ahead of the ball, on the display
};

AimPoint aimPoint(const GameState& gs) {
  return {roundHalfEven(gs.ball_x + 75 * ByteCos(gs.ball_angle)) - gs.camera_x,
          roundHalfEven(gs.ball_y + 75 * ByteSin(gs.ball_angle)) - gs.camera_y};
}

void drawTarget(GameContext& ctx, AimPoint t) {
  GameState& gs = ctx.gs;
  gs.aim_frame = gs.aim_frame + 1 > 9 ? 0 : gs.aim_frame + 1;
  const PictureItem* p = ctx.gui.find(kGuiTarget);
  if (!p) return;
  Rect r{t.x - 16, t.y - 13, t.x - 16 + p->width(), t.y - 13 + p->height()};
  p->BlitAdditive(ctx.DXDraw.surface(), r, gs.aim_frame / 3, 192);
}

// The putter r pixels behind the ball (in front of it when r is negative),
// turned to one of 32 directions, over its shadow.
void drawPutter(GameContext& ctx, double r) {
  const GameState& gs = ctx.gs;
  int32_t pattern = AngleByte(128 - gs.ball_angle) / 8;
  int32_t px = roundHalfEven(gs.ball_x - r * ByteCos(gs.ball_angle)) - gs.camera_x - 47;
  int32_t py = roundHalfEven(gs.ball_y - r * ByteSin(gs.ball_angle)) - gs.camera_y - 125;
  if (const PictureItem* shadow = ctx.gui.find(kGuiPutterShadow))
    shadow->BlitSubtractive(ctx.DXDraw.surface(), Rect{px, py, px + 96, py + 142}, pattern, 255);
  if (const PictureItem* putter = ctx.gui.find(kGuiPutter))
    putter->BlitPattern(ctx.DXDraw.surface(), px, py, pattern);
}

// Only shown while no pull-putt swing is under way.
void drawGauge(GameContext& ctx, AimPoint t) {
  const GameState& gs = ctx.gs;
  if (gs.swing_left > 0) return;
  if (const PictureItem* p = ctx.gui.find(kGuiGauge))
    p->BlitPattern(ctx.DXDraw.surface(), t.x - 47, t.y - 56, roundHalfEven(gs.ball_speed / 3));
}

void drawDebugCross(GameContext& ctx, AimPoint t) {
  Canvas& c = ctx.DXDraw.canvas();
  c.setPenColor(0xFF0000);
  c.setBrushClear();
  c.moveTo(t.x - 5, t.y - 5);
  c.lineTo(t.x + 5, t.y + 5);
  c.moveTo(t.x + 5, t.y - 5);
  c.lineTo(t.x - 5, t.y + 5);
}

void pullPuttFrame(GameContext& ctx) {
  GameState& gs = ctx.gs;
  if (gs.putt_phase == 1) {
    // The shot goes opposite to the drag from the parking point.
    int32_t drag = PointAngle(gs.mouse_x, gs.mouse_y, gs.aim_centre_x, gs.aim_centre_y);
    gs.ball_angle = AngleByte(drag + 128);
    gs.ball_speed = std::min(PointDistance(gs.aim_centre_x, gs.aim_centre_y, gs.mouse_x, gs.mouse_y) * 0.5,
                             kMaxPullBack);
    AimPoint t = aimPoint(gs);
    drawTarget(ctx, t);
    drawPutter(ctx, gs.ball_speed);
    drawGauge(ctx, t);
    if (gs.debug_mode) drawDebugCross(ctx, t);
  } else if (gs.putt_phase == 2) {
    gs.swing_left = subWrap(gs.swing_left, gs.swing_speed);
    gs.swing_speed = addWrap(gs.swing_speed, 2);
    drawPutter(ctx, gs.swing_left);
    if (gs.swing_left < 1) {
      gs.ball_speed = std::min(gs.ball_speed, 4.0);
      strikePutt(ctx);
    }
  }
}

double pullBack(const GameState& gs) { return (gs.mouse_y - gs.aim_centre_y) * 0.5; }

void pushPuttFrame(GameContext& ctx) {
  GameState& gs = ctx.gs;
  switch (gs.putt_phase) {
    case 1: {
      // One step of aim per pixel sideways, pointing left at the parking point.
      gs.ball_angle = AngleByte(gs.aim_centre_x - gs.mouse_x + 128);
      drawTarget(ctx, aimPoint(gs));
      drawPutter(ctx, 12);
      break;
    }
    case 2:
    case 3: {
      double back = std::clamp(pullBack(gs), 5.0, kMaxPullBack);
      gs.backswing = gs.putt_phase == 2 ? 0 : back;
      gs.ball_speed = back;
      AimPoint t = aimPoint(gs);
      drawTarget(ctx, t);
      drawPutter(ctx, gs.ball_speed);
      drawGauge(ctx, t);
      if (gs.putt_phase == 2 && gs.ball_speed > 15) gs.putt_phase = 3;
      break;
    }
    case 4: {
      gs.ball_speed = std::min(pullBack(gs), kMaxPullBack);
      gs.backswing = std::min(gs.backswing, kMaxPullBack);
      drawTarget(ctx, aimPoint(gs));
      drawPutter(ctx, gs.ball_speed);
      // Pushed above the parking point: the push's own speed, at most what
      // the back-swing allows.
      if (gs.swing_left <= 0 && gs.ball_speed < 0) {
        playIfSoundOn(ctx.gs, ctx.host, kSoundPutt);
        gs.ball_speed = gs.mouse_step / 10.0;
        if (gs.backswing / 22 < gs.ball_speed) gs.ball_speed = gs.backswing / 22;
        strikePutt(ctx);
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace

void puttingPhase(GameContext& ctx) {
  if (ctx.gs.pull_putt) pullPuttFrame(ctx);
  else pushPuttFrame(ctx);
}

void drawHelpPicture(GameContext& ctx) {
  ctx.DXDraw.Fill(0);
  int index = ctx.gs.pull_putt ? kMenuHelpPull : kMenuHelpPush;
  if (index >= ctx.menu.count()) return;
  const PictureItem& p = ctx.menu.item(index);
  p.BlitPattern(ctx.DXDraw.surface(), (ctx.DXDraw.SurfaceWidth() - p.width()) / 2,
                (ctx.DXDraw.SurfaceHeight() - p.height()) / 2, 0);
}

void drawPointer(GameContext& ctx) {
  const GameState& gs = ctx.gs;
  if (!gs.pointer_visible || gs.putt_phase != 0 || gs.ball_moving) return;
  if (const PictureItem* p = ctx.gui.find(kGuiPointer))
    p->BlitPattern(ctx.DXDraw.surface(), gs.mouse_x, gs.mouse_y, 0);
}

}  // namespace fg
