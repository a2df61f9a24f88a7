// FormKeyDown / FormKeyUp: the single-key commands of the game window.
#include <string>

#include "input/input_handlers.h"
#include "input/putting_actions.h"
#include "sim/sim_actions.h"

namespace fg {

namespace {

// F5 walks the frame limit 0 -> 66 -> 33 -> 0 ms. Any other interval is left
// alone: the game only ever sets these three.
void cycleFrameLimit(GameContext& ctx) {
  playClick(ctx);
  switch (ctx.gengine.Interval()) {
    case 0:
      ctx.gengine.setInterval(66);
      startBanner(ctx.gs, ctx.host, "FRAME LIMITING ON (15 FPS)");
      break;
    case 66:
      ctx.gengine.setInterval(33);
      startBanner(ctx.gs, ctx.host, "FRAME LIMITING ON (30 FPS)");
      break;
    case 33:
      ctx.gengine.setInterval(0);
      startBanner(ctx.gs, ctx.host, "FRAME LIMITING OFF (60 FPS)");
      break;
    default:
      break;
  }
}

void cycleFrameSkip(GameContext& ctx) {
  playClick(ctx);
  GameState& gs = ctx.gs;
  gs.frame_skip = gs.frame_skip >= 4 ? 1 : gs.frame_skip + 1;
  startBanner(ctx.gs, ctx.host, "FRAME SKIP " + std::to_string(gs.frame_skip));
}

void toggleSound(GameContext& ctx) {
  ctx.gs.sound_on = !ctx.gs.sound_on;
  if (ctx.gs.sound_on) playClick(ctx);
  startBanner(ctx.gs, ctx.host, ctx.gs.sound_on ? "SOUND ON" : "SOUND OFF");
}

// Turning it on does not restart the loop; the next hole start does.
void toggleBackgroundSound(GameContext& ctx) {
  playClick(ctx);
  playClick(ctx);
  ctx.gs.bgsound_on = !ctx.gs.bgsound_on;
  if (!ctx.gs.bgsound_on && ctx.bgsounds.count() > 0) ctx.bgsounds.item(0).Stop();
  startBanner(ctx.gs, ctx.host, ctx.gs.bgsound_on ? "BACKGROUND SOUND ON" : "BACKGROUND SOUND OFF");
}

// The arrows scroll the view only while the ball rests.
bool setScrollFlag(GameState& gs, int key, bool value) {
  switch (key) {
    case vk::Up: gs.scroll_up = value; return true;
    case vk::Down: gs.scroll_down = value; return true;
    case vk::Right: gs.scroll_right = value; return true;
    case vk::Left: gs.scroll_left = value; return true;
    default: return false;
  }
}

void playKey(GameContext& ctx, int key) {
  GameState& gs = ctx.gs;
  switch (key) {
    case vk::Escape: leaveGame(ctx); break;
    case vk::Space:
      playClick(ctx);
      gs.panel_minimised = !gs.panel_minimised;
      break;
    case vk::Home:
      gs.recentre_camera = true;
      playClick(ctx);
      break;
    case vk::F10:
      playClick(ctx);
      gs.debug_mode = !gs.debug_mode;
      startBanner(ctx.gs, ctx.host, gs.debug_mode ? "DEBUG MODE ON" : "DEBUG MODE OFF");
      break;
    case vk::F9:
      playClick(ctx);
      ctx.training_mode = true;
      startBanner(ctx.gs, ctx.host, "CHEAT MODE ENABLED (INFINITE STROKES)");
      break;
    case vk::F6: cycleFrameSkip(ctx); break;
    case vk::F5: cycleFrameLimit(ctx); break;
    case vk::F4: toggleSound(ctx); break;
    case vk::F3: toggleBackgroundSound(ctx); break;
    case vk::F1:
      if (gs.game_screen != kScreenPlay) break;
      playClick(ctx);
      gs.game_screen = kScreenHelp;
      break;
    default:
      if (!gs.ball_moving) setScrollFlag(gs, key, true);
      break;
  }
}

}  // namespace

void FormKeyDown(GameContext& ctx, int key, ShiftState) {
  GameState& gs = ctx.gs;
  // Any key ends a title card and does nothing else.
  if (gs.game_screen == kScreenTitleCard) {
    gs.game_screen = kScreenPlay;
    return;
  }
  // F8 works on the help picture too, which then shows the other method.
  if (key == vk::F8) {
    switchPuttMethod(ctx);
    return;
  }
  if (gs.game_screen == kScreenHelp) {
    gs.game_screen = kScreenPlay;
    parkCursor(ctx);
    return;
  }
  playKey(ctx, key);
}

void FormKeyUp(GameContext& ctx, int key, ShiftState) {
  // Releasing an arrow always clears its flag, even while the ball moves.
  setScrollFlag(ctx.gs, key, false);
}

}  // namespace fg
