#include "sim/ball_step.h"

#include <cmath>

#include "sim/area_effects.h"
#include "sim/geometry.h"
#include "sim/sim_actions.h"
#include "state/sound_items.h"

namespace fg {

namespace {

// Pushes the ball position and the rolling texture on by one sub-step.
void integrate(GameState& gs) {
  // The trail point moves on once the ball is 2 or more pixels from it.
  if (!PointDistanceAtMost(roundHalfEven(gs.ball_prev_x), roundHalfEven(gs.ball_prev_y),
                           roundHalfEven(gs.ball_x), roundHalfEven(gs.ball_y), 1)) {
    gs.ball_prev_x = gs.ball_x;
    gs.ball_prev_y = gs.ball_y;
  }
  double vx = ByteCos(gs.ball_angle) * gs.ball_speed;
  double fx = ByteCos(gs.slope_angle) * gs.slope_force;
  double vy = ByteSin(gs.ball_angle) * gs.ball_speed;
  double fy = ByteSin(gs.slope_angle) * gs.slope_force;
  if (gs.ball_z > 1.5) {  // slopes only act on a ball on the ground
    fx = 0;
    fy = 0;
  }
  vx = vx + fx;
  vy = vy + fy;
  gs.ball_angle = VectorAngle(vx, vy);
  gs.ball_speed = std::sqrt(vx * vx + vy * vy);
  gs.ball_x = gs.ball_x + vx;
  gs.ball_y = gs.ball_y + vy;

  gs.ball_spin = static_cast<uint8_t>(static_cast<uint32_t>(gs.ball_spin) +
                                      static_cast<uint32_t>(roundHalfEven(2.75 * vx)));
  gs.ball_tex_u = gs.ball_tex_u + ByteSin(gs.ball_spin) * (vy / 2);
  gs.ball_tex_v = gs.ball_tex_v + ByteCos(gs.ball_spin) * (vy / 2);
  if (gs.ball_tex_u > 16) gs.ball_tex_u = gs.ball_tex_u - 16;
  if (gs.ball_tex_u < 0) gs.ball_tex_u = gs.ball_tex_u + 16;
  if (gs.ball_tex_v > 16) gs.ball_tex_v = gs.ball_tex_v - 16;
  if (gs.ball_tex_v < 0) gs.ball_tex_v = gs.ball_tex_v + 16;
}

void dragBurst(GameState& gs, SimHost& host) {
  BurstStyle s;
  s.x = gs.ball_x;
  s.y = gs.ball_y + 6;
  s.z = 0;
  s.colour = rgbColour(255, 244, 214);
  s.shadow = true;
  s.dot = true;
  s.fields = kBurstSetsZ | kBurstSetsDot;
  spawnBurst(gs, host, 1, 33, s, [&] {
    ParticleMotion m;
    m.angle = addWrap(RandBelow(gs, 100) - 50, gs.ball_angle);
    m.speed = RandBelow(gs, 250) / 100.0 + 5;
    m.vspeed = RandBelow(gs, 150) / 100.0 + 2;
    return m;
  });
}

void brake(GameState& gs, SimHost& host) {
  gs.ball_speed = gs.ball_speed - 0.005;
  if (gs.in_water) {
    if (gs.ball_speed > 0.5) gs.ball_speed = 0.5;
    else gs.ball_speed = gs.ball_speed - 0.065;
  }
  if (gs.in_drag_area) {
    if (gs.ball_speed > 2.5) {
      gs.ball_speed = 2.0;
      playIfSoundOn(gs, host, kSoundLanding);
      dragBurst(gs, host);
    } else {
      gs.ball_speed = gs.ball_speed - 0.025;
    }
  }
  if (gs.ball_speed < 0) gs.ball_speed = 0;
  if (gs.ball_speed == 0 && !gs.ball_airborne && gs.slope_angle == 0) {
    gs.ball_moving = false;
    host.centreCursor();
  }
}

void landingDust(GameState& gs, SimHost& host) {
  BurstStyle s;
  s.x = gs.ball_x;
  s.y = gs.ball_y + 6;
  s.z = 0;
  s.colour = rgbColour(111, 238, 53);
  s.shadow = false;
  s.fields = kBurstSetsZ;  // the dot flag stays as it was
  spawnBurst(gs, host, 28, 6, s, [&] {
    ParticleMotion m;
    m.angle = RandBelow(gs, 360);
    m.speed = 2.95;
    m.vspeed = 0.75;
    return m;
  });
}

void fly(GameState& gs, SimHost& host) {
  if (!gs.ball_airborne) return;
  gs.ball_z = gs.ball_z + gs.ball_vz;
  if (gs.ball_z < 0) {
    gs.ball_vz = gs.ball_vz * -0.65;
    gs.ball_z = 0;
    if (gs.ball_vz >= 1.5) landingDust(gs, host);
    playIfSoundOn(gs, host, kSoundLanding);
  }
  gs.ball_vz = gs.ball_vz - 0.2;
  if (gs.ball_z == 0 && std::fabs(gs.ball_vz) < 0.5) gs.ball_airborne = false;
}

int32_t rampTurn(const GameState& gs) {
  return roundHalfEven(std::fabs(ByteCos(subWrap(gs.ball_angle, 19))) * 15);
}

bool inRange(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

void takeOff(GameState& gs) {
  gs.ball_vz = 0.92 * gs.ball_speed;
  gs.ball_airborne = true;
}

// The ball turns where it leaves or enters a ramp, and may jump off its edge.
void rampEdges(GameState& gs) {
  const int32_t prev = gs.ramp_tag_prev, tag = gs.ramp_tag;
  if (!gs.ball_airborne && prev == 13 && tag == 0) gs.ball_angle = subWrap(gs.ball_angle, rampTurn(gs));
  if (!gs.ball_airborne && prev == 0 && tag == 13) gs.ball_angle = addWrap(gs.ball_angle, rampTurn(gs));
  if (!gs.ball_airborne && prev == -13 && tag == 0) gs.ball_angle = addWrap(gs.ball_angle, rampTurn(gs));
  if (!gs.ball_airborne && prev == 0 && tag == -13) gs.ball_angle = subWrap(gs.ball_angle, rampTurn(gs));
  // The ranges are compared on the unreduced angle, as the game does.
  const int32_t a = gs.ball_angle;
  if (!gs.ball_airborne && prev == -13 && tag == 0 && gs.ball_speed > 2 &&
      (inRange(a, 209, 239) || inRange(a, 1, 31))) {
    takeOff(gs);
  }
  if (!gs.ball_airborne && prev == 13 && tag == 0 && gs.ball_speed > 2 &&
      (inRange(a, 145, 175) || inRange(a, 97, 127))) {
    takeOff(gs);
  }
}

}  // namespace

void ballMotion(GameState& gs, SimHost& host) {
  integrate(gs);
  brake(gs, host);
  fly(gs, host);
  rampEdges(gs);
  gs.ramp_tag_prev = gs.ramp_tag;
  gs.ramp_tag = 0;
  gs.slope_angle = 0;
  gs.slope_force = 0;
  gs.in_drag_area = false;
}

bool BallSubStep(GameState& gs, SimHost& host) {
  if (!gs.ball_moving) return false;
  ballMotion(gs, host);
  AreaLoop(gs, host);
  return true;
}

void runSimulationSubsteps(GameState& gs, SimHost& host) {
  const int64_t count = static_cast<int64_t>(gs.frame_skip) + 1;
  for (int64_t i = 0; i < count; ++i) BallSubStep(gs, host);
}

}  // namespace fg
