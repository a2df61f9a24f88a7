// Areas that catch or throw the ball: cup, tunnel, launcher, water,
// teleporter, land mine, bumpy ground, kicker, ledge and the sleeper.
#include <cmath>

#include "sim/area_effects.h"
#include "sim/geometry.h"
#include "sim/ini_text.h"
#include "sim/sim_actions.h"
#include "state/sound_items.h"

namespace fg {

namespace {

int32_t ballX(const GameState& gs) { return roundHalfEven(gs.ball_x); }
int32_t ballY(const GameState& gs) { return roundHalfEven(gs.ball_y); }

// A ball too fast for the cup or tunnel jumps over it.
void hopOver(GameState& gs, SimHost& host) {
  startBanner(gs, host, "TOO FAST TO GO IN");
  gs.ball_vz = gs.ball_speed / 1.75;
  gs.ball_angle = addWrap(subWrap(gs.ball_angle, 8), RandBelow(gs, 16));
  gs.ball_airborne = true;
}

// Throws the ball up; the caller sets direction and speed.
void throwBall(GameState& gs, double speed, double vz) {
  gs.ball_speed = speed;
  gs.ball_vz = vz;
  gs.last_bounce_area = -1;
  gs.ball_moving = true;
}

// The teleporter's flash where the ball is, drawn at its height.
void teleportFlash(GameState& gs, SimHost& host) {
  spawnEffect(gs, host, subWrap(ballX(gs), 17),
              subWrap(subWrap(ballY(gs), 28), roundHalfEven(gs.ball_z)), 13, 255);
}

}  // namespace

void cupEffect(GameState& gs, SimHost& host, int32_t n) {
  if (gs.ball_speed > 2) {
    hopOver(gs, host);
    return;
  }
  if (gs.holed_out || gs.ball_airborne) return;
  playIfSoundOn(gs, host, kSoundCup);
  gs.holed_out = true;
  gs.holed_area = n;
  gs.current_hole = gs.areas[n].comment;
  if (gs.ball_speed > 1) gs.ball_speed = 1.0;
}

void tunnelEffect(GameState& gs, SimHost& host, int32_t n) {
  if (gs.ball_speed > 2) {
    hopOver(gs, host);
    return;
  }
  if (gs.in_tunnel || gs.ball_airborne) return;
  playIfSoundOn(gs, host, kSoundCup);
  gs.in_tunnel = true;
  gs.holed_area = n;
  if (gs.ball_speed > 1) gs.ball_speed = 1.0;
}

void launcherEffect(GameState& gs, SimHost& host, const arearec& a) {
  if (gs.holed_out || gs.ball_z >= 2) return;
  gs.ball_airborne = true;
  // 360, not 256: the directions 0 … 103 come up twice as often.
  gs.ball_angle = RandBelow(gs, 360);
  throwBall(gs, 1.5, 6.0);
  spawnEffect(gs, host, subWrap(a.x1, 27), subWrap(a.y1, 147), 3, 192);
  playIfSoundOn(gs, host, kSoundLauncher);
}

void waterEffect(GameState& gs, SimHost& host, const arearec& a) {
  if (gs.ball_z >= 1 || gs.in_water) return;
  playIfSoundOn(gs, host, kSoundSplash);
  gs.drop_x = a.p1;
  gs.drop_y = a.p2;
  gs.in_water = true;
  BurstStyle s;
  s.x = gs.ball_x;
  s.y = gs.ball_y + 6;
  s.z = 0;
  s.colour = rgbColour(97, 164, 253);
  s.fields = kBurstSetsZ | kBurstSetsDot;
  const bool from_air = std::fabs(gs.ball_vz) > 1;
  spawnBurst(gs, host, 1, 33, s, [&] {
    ParticleMotion m;
    if (from_air) {  // a splash in all directions
      m.angle = addWrap(RandBelow(gs, 256), gs.ball_angle);
      m.speed = RandBelow(gs, 250) / 100.0 + 2;
      m.vspeed = RandBelow(gs, 150) / 100.0 + 5 + gs.ball_vz;
    } else {  // a rolling ball sprays ahead of itself
      m.angle = addWrap(RandBelow(gs, 40) - 20, gs.ball_angle);
      m.speed = RandBelow(gs, 250) / 100.0 + gs.ball_speed + 2;
      m.vspeed = RandBelow(gs, 150) / 100.0 + 3;
    }
    return m;
  });
  gs.ball_z = 0;
  gs.ball_vz = 0;
}

void teleporterEffect(GameState& gs, SimHost& host, const arearec& a) {
  teleportFlash(gs, host);
  gs.ball_x = a.x2;
  gs.ball_y = a.y2;
  gs.ball_angle = subWrap(addWrap(PointAngle(a.x4, a.y4, a.x3, a.y3), 4), RandBelow(gs, 8));
  gs.ball_speed = PointDistance(a.x3, a.y3, a.x4, a.y4) / 50.0;
  if (gs.ball_speed > 2.0) gs.ball_speed = 2.0;
  gs.ball_z = absWrap(subWrap(a.y3, a.y2));
  gs.ball_airborne = true;
  teleportFlash(gs, host);
  gs.recentre_camera = true;
  playIfSoundOn(gs, host, kSoundTeleport);
}

void landMineEffect(GameState& gs, SimHost& host) {
  if (gs.holed_out || gs.ball_z >= 2) return;
  gs.ball_airborne = true;
  gs.ball_angle = subWrap(gs.ball_angle, RandBelow(gs, 128) + 64);
  throwBall(gs, 3.0, 6.0);
  BurstStyle s;
  s.x = gs.ball_x;
  s.y = gs.ball_y;
  s.bounces = 2;
  s.colour = rgbColour(100, 206, 69);
  s.fields = kBurstSetsDot;  // the height stays whatever the slot held
  spawnBurst(gs, host, 1, 33, s, [&] {
    ParticleMotion m;
    m.angle = RandBelow(gs, 256);
    m.speed = RandBelow(gs, 6) + 2;
    m.vspeed = RandBelow(gs, 6) + 2;
    return m;
  });
  startBanner(gs, host, "YOU HIT A LAND MINE");
  spawnEffect(gs, host, subWrap(ballX(gs), 55), subWrap(ballY(gs), 65), 3, 192);
  playIfSoundOn(gs, host, kSoundExplosion);
}

void bumpyGroundEffect(GameState& gs, SimHost& host, const arearec& a) {
  if (RandBelow(gs, 8) != 0) return;  // acts in one sub-step in eight
  if (gs.ball_speed > 2) gs.ball_speed = gs.ball_speed * 0.9;
  gs.ball_airborne = true;
  if (std::fabs(gs.ball_vz) < 0.5) gs.ball_vz = RandBelow(gs, 8) / 10.0;
  gs.ball_angle = subWrap(addWrap(gs.ball_angle, 2), RandBelow(gs, 4));
  gs.last_bounce_area = -1;
  gs.ball_moving = true;
  int32_t first = RandBelow(gs, 24);
  BurstStyle s;
  s.x = gs.ball_x;
  s.y = gs.ball_y;
  s.colour = rgbColour(175, 196, 201);
  s.fields = kBurstSetsDot;
  spawnBurst(gs, host, first, 9, s, [&] {
    ParticleMotion m;
    m.angle = RandBelow(gs, 256);
    m.speed = RandBelow(gs, 8) / 3.0;
    m.vspeed = RandBelow(gs, 8) / 3.0;
    return m;
  });
  int32_t dx = RandBelow(gs, 22);
  int32_t dy = RandBelow(gs, 22);
  spawnEffect(gs, host, subWrap(ballX(gs), dx), subWrap(subWrap(ballY(gs), 10), dy), 8, 128);
  if (a.p1 != 0 && a.p2 != 0) {
    // The decoration's image number is the comment; without a number there
    // is no decoration, the bump itself still happens.
    if (auto image = parseDecimal(a.comment)) spawnEffect(gs, host, a.p1, a.p2, *image, 0);
  }
  if (gs.sound_on) host.playSound(RandBelow(gs, 10) < 6 ? kSoundBump1 : kSoundBump2);
}

void kickerEffect(GameState& gs) {
  if (gs.ball_airborne) return;
  if (gs.ball_speed > 3.5) {
    gs.ball_speed = 4.5;
    gs.ball_vz = 12.0;
    gs.ball_airborne = true;
  }
}

void ledgeEffect(GameState& gs, const arearec& a) {
  // Raised and moved down by the same amount, the ball stays where it is
  // drawn and falls from there.
  gs.ball_z = gs.ball_z + a.p1;
  gs.ball_y = gs.ball_y + a.p1;
  gs.ball_airborne = true;
}

void sleeperEffect(GameState& gs, SimHost& host) {
  if (gs.ball_airborne) return;
  gs.ball_airborne = true;
  gs.ball_angle = 192 - RandBelow(gs, 64);
  throwBall(gs, 3.0, 6.0);
  startBanner(gs, host, "YOU WOKE THE CONSTRUCTION WORKER");
  spawnEffect(gs, host, 1006, 71, 7, 0);
  if (gs.sound_on) host.playBgSound(1, false);
}

}  // namespace fg
