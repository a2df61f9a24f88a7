// The display's mouse handlers. Every handler takes the pointer from
// mouse_x/mouse_y, the position of the last move event, not from the
// coordinates of the press, release or click itself.
#include "render/hud_areas.h"
#include "input/input_handlers.h"
#include "input/putting_actions.h"
#include "sim/geometry.h"
#include "sim/sim_actions.h"

namespace fg {

namespace {

bool onButton(const GameState& gs, int index) { return kHudButtons[index].contains(gs.mouse_x, gs.mouse_y); }

void pushPuttRelease(GameContext& ctx) {
  GameState& gs = ctx.gs;
  switch (gs.putt_phase) {
    case 0:
      if (pointerNearBall(gs) && !gs.ball_moving) beginAiming(ctx);
      break;
    case 1:
      playClick(ctx);
      gs.putt_phase = 2;
      parkCursor(ctx);
      break;
    case 3:
      playClick(ctx);
      gs.putt_phase = 4;
      break;
    default:
      break;
  }
}

// Sound from the panel: the banner is rewritten to the new state.
void panelSoundButton(GameContext& ctx) {
  GameState& gs = ctx.gs;
  gs.sound_on = !gs.sound_on;
  if (gs.sound_on) playClick(ctx);
  startBanner(ctx.gs, ctx.host, gs.sound_on ? "SOUND ON" : "SOUND OFF");
  gs.button_down[2] = false;
}

}  // namespace

void DXDrawMouseMove(GameContext& ctx, ShiftState, int x, int y) {
  GameState& gs = ctx.gs;
  gs.mouse_step = PointDistance(gs.mouse_x, gs.mouse_y, x, y);
  gs.mouse_x = x;
  gs.mouse_y = y;
}

void DXDrawMouseDown(GameContext& ctx, MouseButton button, ShiftState, int, int) {
  GameState& gs = ctx.gs;
  if (gs.game_screen == kScreenTitleCard) {
    gs.game_screen = kScreenPlay;
    return;
  }
  if (button == MouseButton::Right) {
    cancelPutt(ctx);
    return;
  }
  if (gs.players[0].finished || button == MouseButton::Middle) return;
  if (gs.game_screen == kScreenHelp) {
    gs.game_screen = kScreenPlay;
    parkCursor(ctx);
    return;
  }
  // A press on the ball starts (or restarts, mid-swing) a pull putt.
  if (gs.pull_putt && pointerNearBall(gs) && !gs.ball_moving) beginAiming(ctx);
  if (gs.putt_phase != 0) return;
  // Every button under the pointer looks pressed; the click decides.
  for (int i = 0; i < 5; ++i) {
    if (onButton(gs, i)) gs.button_down[i] = true;
  }
}

void DXDrawMouseUp(GameContext& ctx, MouseButton button, ShiftState, int, int) {
  GameState& gs = ctx.gs;
  if (gs.game_screen == kScreenTitleCard) {
    gs.game_screen = kScreenPlay;
    return;
  }
  if (button == MouseButton::Right) {
    cancelPutt(ctx);
    return;
  }
  if (gs.players[0].finished || button == MouseButton::Middle) return;
  if (!gs.pull_putt) {
    pushPuttRelease(ctx);
    return;
  }
  if (gs.putt_phase != 1) return;
  // The pull-back becomes the swing; half the release distance over 20 the speed.
  gs.swing_left = roundHalfEven(gs.ball_speed);
  gs.ball_speed = PointDistance(gs.aim_centre_x, gs.aim_centre_y, gs.mouse_x, gs.mouse_y) / 2.0 / 20.0;
  gs.putt_phase = 2;
}

void DXDrawClick(GameContext& ctx) {
  GameState& gs = ctx.gs;
  if (gs.game_screen == kScreenTitleCard) {
    gs.game_screen = kScreenPlay;
    return;
  }
  if (gs.players[0].finished) {
    leaveGame(ctx);
    return;
  }
  if (gs.putt_phase != 0 || gs.ball_moving) return;
  // Buttons share their edge columns; the first match wins except that the
  // help button lets the click go on to the next test.
  if (onButton(gs, 0)) {
    replayBanner(gs);
    playClick(ctx);
    gs.button_down[0] = false;
    return;
  }
  if (kMethodIndicator.contains(gs.mouse_x, gs.mouse_y)) {
    switchPuttMethod(ctx);
    return;
  }
  if (onButton(gs, 1)) {
    switchPuttMethod(ctx);
    gs.button_down[1] = false;
    return;
  }
  if (onButton(gs, 2)) {
    panelSoundButton(ctx);
    return;
  }
  if (onButton(gs, 3)) {
    playClick(ctx);
    gs.button_down[3] = false;
    gs.game_screen = kScreenHelp;
  }
  if (onButton(gs, 4)) {
    gs.recentre_camera = true;
    playClick(ctx);
    gs.button_down[4] = false;
    return;
  }
  if (kCloseArea.contains(gs.mouse_x, gs.mouse_y)) leaveGame(ctx);
}

// Works in every state, mid-putt and after the finish included.
void DXDrawDblClick(GameContext& ctx) {
  GameState& gs = ctx.gs;
  if (!kTitleStrip.contains(gs.mouse_x, gs.mouse_y)) return;
  playClick(ctx);
  gs.panel_minimised = !gs.panel_minimised;
}

}  // namespace fg
