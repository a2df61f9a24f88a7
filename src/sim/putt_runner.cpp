#include "sim/putt_runner.h"

#include "sim/ball_step.h"
#include "sim/geometry.h"
#include "sim/hole_flow.h"
#include "sim/sim_actions.h"
#include "state/sound_items.h"

namespace fg {

void strikeBall(GameState& gs, SimHost& host, bool pull_putt) {
  gs.ball_moving = true;
  gs.last_bounce_area = -1;
  gs.swing_speed = 1;
  gs.putt_phase = 0;
  if (gs.ball_speed > 0.005) {
    PlayerRecord& p = gs.players[0];
    p.total_strokes = addWrap(p.total_strokes, 1);
    p.strokes = addWrap(p.strokes, 1);
  }
  if (gs.in_drag_area) {
    gs.ball_vz = gs.ball_speed / 2 + 1;
    gs.ball_airborne = true;
  }
  if (pull_putt) playIfSoundOn(gs, host, kSoundPutt);
  host.centreCursor();
}

void SplashClock::age(GameState& gs) {
  EffectSlot& e = gs.effects[26];
  if (e.x == 0 && e.y == 0) {
    age_ = 0;
    return;
  }
  if (++age_ >= frames_) {
    e = EffectSlot{};
    age_ = 0;
  }
}

PuttOutcome runPutt(GameState& gs, SimHost& host, int32_t angle, double speed, const PuttLimits& limits) {
  gs.ball_angle = angle;
  gs.ball_speed = speed;
  strikeBall(gs, host, true);
  SplashClock splash(limits.splash_frames);
  PuttOutcome out;
  const int64_t per_frame = gs.frame_skip < 0 ? 0 : static_cast<int64_t>(gs.frame_skip) + 1;
  while (out.frames < limits.max_frames) {
    ++out.frames;
    for (int64_t i = 0; i < per_frame; ++i) {
      if (BallSubStep(gs, host)) ++out.substeps;
    }
    splash.age(gs);
    if (gs.holed_out) {
      out.end = PuttEnd::Holed;
      return out;
    }
    tunnelSequence(gs, host);
    waterSequence(gs, host);
    if (!gs.ball_moving && !gs.in_water && !gs.in_tunnel) {
      out.end = PuttEnd::Rest;
      return out;
    }
  }
  out.end = PuttEnd::Limit;
  return out;
}

}  // namespace fg
