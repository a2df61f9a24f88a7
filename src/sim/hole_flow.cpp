#include "sim/hole_flow.h"

#include "sim/geometry.h"
#include "sim/sim_actions.h"
#include "state/sound_items.h"

namespace fg {

namespace {

constexpr int32_t kSplashSlot = 26;

// The cup or tunnel area the ball went into; an empty area if the number is
// not one of the hole's.
const arearec& holedArea(const GameState& gs, const arearec& none) {
  if (gs.holed_area < 1 || gs.holed_area > kAreaCount) return none;
  return gs.areas[gs.holed_area];
}

// Keeps a ball rolling round inside the cup or tunnel within its rim.
void containment(GameState& gs, const arearec& a) {
  if (EllipseDistance(roundHalfEven(gs.ball_x), roundHalfEven(gs.ball_y), a.x1, a.y1) <= a.r) return;
  gs.ball_angle = addWrap(gs.ball_angle, 128);
  gs.ball_x = a.x1 >= gs.ball_x ? gs.ball_prev_x + 1 : gs.ball_prev_x - 1;
  gs.ball_y = a.y1 >= gs.ball_y ? gs.ball_prev_y + 1 : gs.ball_prev_y - 1;
}

void computeScore(GameState& gs) {
  PlayerRecord& p = gs.players[0];
  p.score = subWrap(p.total_strokes, gs.par_total);
}

void tunnelExit(GameState& gs, SimHost& host, const arearec& a) {
  playIfSoundOn(gs, host, kSoundTunnelExit);
  gs.ball_x = a.x2;
  gs.ball_y = a.y2;
  gs.ball_angle = subWrap(addWrap(AngleByte(PointAngle(a.x4, a.y4, a.x3, a.y3)), 8), RandBelow(gs, 16));
  gs.ball_speed = PointDistance(a.x3, a.y3, a.x4, a.y4) / static_cast<double>(60 - RandBelow(gs, 10));
  if (gs.ball_speed > 2.0) gs.ball_speed = 2.0;
  gs.ball_z = absWrap(subWrap(a.y3, a.y2));
  gs.ball_vz = 0.3;
  gs.ball_airborne = true;
  gs.last_bounce_area = a.p4;  // the wall the ball must not bounce off at once
  gs.in_tunnel = false;
}

// Back from the water: the ball falls in at the drop-back point exactly as at
// a hole start. No penalty stroke.
void dropBack(GameState& gs, SimHost& host) {
  dropBallIn(gs);
  gs.ball_x = gs.drop_x;
  gs.ball_y = gs.drop_y;
  spawnDropInEffect(gs, host);
  playIfSoundOn(gs, host, kSoundTeleport);
}

}  // namespace

CupStep cupSequence(GameState& gs, SimHost& host) {
  if (!gs.holed_out) return CupStep::Idle;
  const arearec none{};
  computeScore(gs);
  if (gs.ball_speed < 0.125) gs.ball_speed = 0.125;  // keeps rolling round inside
  gs.ball_vz = gs.ball_vz + 0.35;
  gs.ball_z = gs.ball_z - gs.ball_vz;
  containment(gs, holedArea(gs, none));
  if (gs.ball_z >= -35) return CupStep::Falling;
  if (gs.current_hole != "done") return CupStep::NextHoleDue;
  // The last cup: the ball hangs at this depth and the sequence repeats
  // every frame, quietly after the first time.
  gs.ball_z = -35;
  gs.ball_vz = 0;
  if (!gs.players[0].finished) host.playSound(kSoundCompleted);
  computeScore(gs);
  gs.players[0].finished = true;
  return CupStep::Falling;
}

bool runCupSequence(GameState& gs, SimHost& host) {
  const CupStep step = cupSequence(gs, host);
  if (step == CupStep::NextHoleDue) host.HoleInit(gs);
  return step != CupStep::Idle;
}

bool tunnelSequence(GameState& gs, SimHost& host) {
  if (!gs.in_tunnel) return false;
  const arearec none{};
  const arearec& a = holedArea(gs, none);
  if (gs.ball_speed < 0.125) gs.ball_speed = 0.125;
  if (gs.ball_z > -40) gs.ball_vz = gs.ball_vz + 0.2;
  gs.ball_z = gs.ball_z - gs.ball_vz;
  containment(gs, a);
  if (gs.ball_z < -30) gs.ball_x = 5000;  // parked off the course while it travels
  if (gs.ball_y - gs.ball_z > a.y2) tunnelExit(gs, host, a);
  return true;
}

bool waterSequence(GameState& gs, SimHost& host) {
  if (!gs.in_water) return false;
  if (gs.sink_timer > 0) {
    gs.sink_timer = static_cast<uint8_t>(gs.sink_timer - 1);
    gs.ball_y = gs.ball_y + 1;
  }
  if (gs.sink_timer == 7) gs.ball_speed = 0;
  if (gs.sink_timer == 1) {
    EffectSlot& e = gs.effects[kSplashSlot];
    e.x = subWrap(roundHalfEven(gs.ball_x), 8);
    e.y = subWrap(roundHalfEven(gs.ball_y), 25);
    e.image = 4;
    e.looping = false;
    e.blend = 192;
    host.effectSpawned(gs, kSplashSlot);
  }
  const EffectSlot& splash = gs.effects[kSplashSlot];
  if (splash.x == 0 && splash.y == 0 && gs.sink_timer == 0) dropBack(gs, host);
  return true;
}

void runHoleFlow(GameState& gs, SimHost& host) {
  runCupSequence(gs, host);
  tunnelSequence(gs, host);
  waterSequence(gs, host);
}

void updateScore(GameState& gs) {
  if (gs.players[0].strokes >= gs.course_par) computeScore(gs);
}

bool endOfGameCheck(GameState& gs, SimHost& host, bool training_mode) {
  PlayerRecord& p = gs.players[0];
  if (gs.ball_moving || p.score < 2 || p.finished || training_mode) return false;
  p.finished = true;
  host.restartSound(kSoundGameOver);  // whatever the sound setting
  return true;
}

const char* endOfGameMessage(const GameState& gs) {
  const PlayerRecord& p = gs.players[0];
  if (!p.finished) return nullptr;
  if (gs.current_hole == "done") return "YOU FINISHED";
  if (p.score >= 2) return "GAME OVER";
  return nullptr;
}

}  // namespace fg
