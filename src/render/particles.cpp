#include "render/particles.h"

#include <algorithm>
#include <cmath>

#include "sim/geometry.h"

namespace fg {

namespace {

constexpr uint32_t kStreakShadow = 0x000B3135;  // RGB 53, 49, 11
constexpr uint32_t kDotShadow = 0x000082CF;     // RGB 207, 130, 0

// New angle = (turn - angle) for the kinds of plain wall that turn a
// particle; -1 for the kinds that leave it alone.
int32_t wallTurn(int32_t kind) {
  switch (kind) {
    case 1: return 218;
    case 2: return 128;
    case 3: return 38;
    case 4: return 0;
    case 6: return 192;
    case 7: return 64;
    default: return -1;
  }
}

void kill(Particle& p) {
  p.active = false;
  p.vspeed = 0;
  p.z = 0;
  p.x = 0;
  p.y = 0;
}

void drawParticle(const Particle& p, Canvas& canvas, int32_t cx, int32_t cy) {
  // Positions are taken relative to the camera first, then rounded.
  auto sx = [cx](double v) { return roundHalfEven(v - cx); };
  auto sy = [cy](double v) { return roundHalfEven(v - cy); };
  if (p.shadow && !p.dot) {
    canvas.setPenColor(kStreakShadow);
    canvas.moveTo(sx(p.prev_x), sy(p.prev_y));
    canvas.lineTo(sx(p.x), sy(p.y));
  }
  if (p.shadow && p.dot) canvas.setPixel(sx(p.x), sy(p.y), kDotShadow);
  if (p.dot) {
    canvas.setPixel(sx(p.x), sy(p.y - p.z), p.colour);
  } else {
    canvas.setPenColor(p.colour);
    canvas.moveTo(sx(p.prev_x), sy(p.prev_y - p.prev_z));
    canvas.lineTo(sx(p.x), sy(p.y - p.z));
  }
}

}  // namespace

void particleWalls(const GameState& gs, ParticleWalls& walls) {
  walls.count = 0;
  for (int i = 1; i <= kAreaCount; ++i) {
    const arearec& a = gs.areas[i];
    if (!a.enabled || a.r >= 1 || a.x3 != 0 || a.x4 != 0) continue;
    const int32_t turn = wallTurn(a.kind);
    if (turn < 0) continue;
    const int32_t angle = PointAngle(a.x1, a.y1, a.x2, a.y2);
    const bool boxed = (a.x1 != a.x2 || a.y1 != a.y2) && crossSafe(a.x1) && crossSafe(a.y1) && crossSafe(a.x2) &&
                       crossSafe(a.y2);
    walls.list[walls.count++] = {a.x1, a.y1, a.x2, a.y2, roundHalfEven(ByteCos(angle + 64) * 4),
                                 roundHalfEven(ByteSin(angle + 64) * 4), turn, boxed,
                                 std::min(a.x1, a.x2) - 4, std::min(a.y1, a.y2) - 4,
                                 std::max(a.x1, a.x2) + 4, std::max(a.y1, a.y2) + 4};
  }
}

bool onParticleWall(const ParticleWall& w, int32_t px, int32_t py) {
  // Most walls are far from a particle: this keeps a burst cheap.
  if (w.boxed && crossSafe(px) && crossSafe(py) &&
      (px < w.left || px > w.right || py < w.top || py > w.bottom))
    return false;
  return InQuad(addWrap(w.x1, w.ox), addWrap(w.y1, w.oy), addWrap(w.x2, w.ox), addWrap(w.y2, w.oy),
                subWrap(w.x2, w.ox), subWrap(w.y2, w.oy), subWrap(w.x1, w.ox), subWrap(w.y1, w.oy), px, py);
}

void moveParticle(Particle& p, int32_t frameSkip, const ParticleWalls& walls) {
  p.prev_x = p.x;
  p.prev_y = p.y;
  p.prev_z = p.z;
  p.x = p.x + ByteCos(p.angle) * p.speed;
  p.y = p.y + ByteSin(p.angle) * p.speed / 2;  // the slanted view halves vertical distances
  p.speed = p.speed - 0.012 / (5 - frameSkip);
  if (p.speed < 0) p.speed = 0;
  p.z = p.z + p.vspeed;
  if (p.z < 0) {
    p.vspeed = -0.75 * p.vspeed;
    p.z = 0;
    p.bounces = subWrap(p.bounces, 1);
  }
  p.vspeed = p.vspeed - 0.5;
  if ((p.z == 0 && std::fabs(p.vspeed) < 0.5) || p.bounces <= 0) kill(p);
  // Every wall is tried, so two walls may both turn the particle this frame.
  const int32_t px = roundHalfEven(p.x), py = roundHalfEven(p.y);
  const bool safe = crossSafe(px) && crossSafe(py);
  for (const ParticleWall& w : walls) {
    if (safe && w.boxed && (px < w.left || px > w.right || py < w.top || py > w.bottom)) continue;
    if (onParticleWall(w, px, py)) p.angle = AngleByte(subWrap(w.turn, p.angle));
  }
}

void drawParticles(GameState& gs, Canvas& canvas) {
  ParticleWalls walls;
  bool wallsBuilt = false;
  for (int i = 1; i < kParticleSlots; ++i) {
    Particle& p = gs.particles[i];
    if (!p.active) continue;
    if (!wallsBuilt) {
      particleWalls(gs, walls);
      wallsBuilt = true;
    }
    moveParticle(p, gs.frame_skip, walls);
    if (p.active) drawParticle(p, canvas, gs.camera_x, gs.camera_y);
  }
}

}  // namespace fg
