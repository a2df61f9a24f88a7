#include "sim/hole_flow.h"

#include "sim/geometry.h"
#include "sim/sim_actions.h"

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
  playIfSoundOn(gs, host, 17);
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

void dropBack(GameState& gs, SimHost& host) {
  gs.last_bounce_area = -1;
  gs.ball_z = 80;
  gs.ball_vz = 0;
  gs.ball_angle = 0;
  gs.ball_speed = 0;
  gs.ball_airborne = true;
  gs.ball_moving = true;
  gs.in_water = false;
  gs.sink_timer = 15;
  gs.recentre_camera = true;
  gs.ball_x = gs.drop_x;
  gs.ball_y = gs.drop_y;
  spawnEffect(gs, host, subWrap(gs.drop_x, 17),
              subWrap(subWrap(roundHalfEven(gs.ball_y), 28), roundHalfEven(gs.ball_z)), 13, 192);
  playIfSoundOn(gs, host, 7);
}

}  // namespace

bool cupSequence(GameState& gs, SimHost& host) {
  if (!gs.holed_out) return false;
  const arearec none{};
  computeScore(gs);
  if (gs.ball_speed < 0.125) gs.ball_speed = 0.125;  // keeps rolling round inside
  gs.ball_vz = gs.ball_vz + 0.35;
  gs.ball_z = gs.ball_z - gs.ball_vz;
  containment(gs, holedArea(gs, none));
  if (gs.ball_z < -35) {
    if (gs.current_hole != "done") {
      host.HoleInit(gs);
    } else {
      // The last cup: the ball hangs at this depth and the sequence repeats
      // every frame, quietly after the first time.
      gs.ball_z = -35;
      gs.ball_vz = 0;
      if (!gs.players[0].finished) host.playSound(18);
      computeScore(gs);
      gs.players[0].finished = true;
    }
  }
  return true;
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
  cupSequence(gs, host);
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
  host.restartSound(10);  // whatever the sound setting
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
