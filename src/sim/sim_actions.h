#pragma once
// The small writes that many effects share: ring effects, banner messages,
// sounds that depend on the sound setting, the ball's drop-in and particle
// bursts. Input handlers use the same ones.
#include <cstdint>
#include <string_view>

#include "state/game_state.h"
#include "state/sound_items.h"
#include "sim/sim_host.h"

namespace fg {

// Fill ring slot `effect_next` and advance the ring (1 … 25). Frame counter
// and pulse of the slot stay as they are.
void spawnEffect(GameState& gs, SimHost& host, int32_t x, int32_t y, int32_t image, int32_t blend);

// banner_text = 27 spaces + words, banner_pos = 0. A running message is
// replaced at once.
void startBanner(GameState& gs, SimHost& host, std::string_view words);
// HUD button 1: the current message again from its start.
inline void replayBanner(GameState& gs) { gs.banner_pos = 0; }

// Play `sounds` item n only while sound is on.
inline void playIfSoundOn(const GameState& gs, SimHost& host, int32_t item) {
  if (gs.sound_on) host.playSound(item);
}

// The ball falls in from a height of 80 where it stands, as at a hole start
// and when it comes back from the water: the state only.
void dropBallIn(GameState& gs);
// The flash of the drop-in around the ball, in the effect ring.
void spawnDropInEffect(GameState& gs, SimHost& host);

// Colour as stored in a particle: 0x00BBGGRR.
constexpr uint32_t rgbColour(uint32_t r, uint32_t g, uint32_t b) { return (b << 16) | (g << 8) | r; }

// Common fields of one burst; the per-particle angle and speeds are drawn by
// the caller's generator function in the order the effect needs.
struct BurstStyle {
  double x = 0, y = 0, z = 0;
  int32_t bounces = 1;
  uint32_t colour = 0;
  bool shadow = false;
  bool dot = false;
  uint32_t fields = 0;  // kBurstSetsZ / kBurstSetsDot
};

struct ParticleMotion {
  int32_t angle = 0;
  double speed = 0;
  double vspeed = 0;
};

template <typename Draw>
void spawnBurst(GameState& gs, SimHost& host, int32_t first, int32_t count, const BurstStyle& s, Draw draw) {
  for (int32_t i = first; i < first + count && i < kParticleSlots; ++i) {
    Particle& p = gs.particles[i];
    ParticleMotion m = draw();
    p.x = s.x;
    p.y = s.y;
    if (s.fields & kBurstSetsZ) p.z = s.z;
    p.angle = m.angle;
    p.speed = m.speed;
    p.vspeed = m.vspeed;
    p.bounces = s.bounces;
    p.active = true;
    p.colour = s.colour;
    p.shadow = s.shadow;
    if (s.fields & kBurstSetsDot) p.dot = s.dot;
  }
  host.particlesSpawned(gs, first, count, s.fields);
}

}  // namespace fg
