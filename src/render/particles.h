#pragma once
// The particle bursts: moved, bounced on the ground, turned by plain walls
// and drawn as streaks or dots with the back buffer's canvas, once a frame.
#include <cstdint>
#include <array>

#include "media/canvas.h"
#include "state/game_state.h"

namespace fg {

// A plain wall segment a particle turns on, with its band offsets worked out
// once per frame instead of once per particle.
struct ParticleWall {
  int32_t x1, y1, x2, y2;
  int32_t ox, oy;      // the band's half-width offset, as the wall test forms it
  int32_t turn;        // new angle = (turn - angle) mod 256
  // The band's box, grown by its 4-pixel half-width, when the wall has length
  // and lies where no cross product can overflow: a point outside it is off
  // the band without the full test (the same shortcut the wall test takes).
  bool boxed;
  int32_t left, top, right, bottom;
};

// The enabled plain wall segments (r < 1, x3 = x4 = 0) of kinds that turn
// particles, in area order. Fixed size: nothing is allocated during play.
struct ParticleWalls {
  std::array<ParticleWall, kAreaCount> list;
  int count = 0;
  const ParticleWall* begin() const { return list.data(); }
  const ParticleWall* end() const { return list.data() + count; }
};
void particleWalls(const GameState& gs, ParticleWalls& walls);
bool onParticleWall(const ParticleWall& w, int32_t px, int32_t py);

// One frame of one particle: move, decay, fall and bounce, die, turn on
// walls. Does not draw.
void moveParticle(Particle& p, int32_t frameSkip, const ParticleWalls& walls);

// Records 1 … 33: each active one is moved and, if still alive, drawn.
void drawParticles(GameState& gs, Canvas& canvas);

}  // namespace fg
