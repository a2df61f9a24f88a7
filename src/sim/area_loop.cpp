#include "sim/area_effects.h"

#include "sim/geometry.h"
#include "sim/wall_bounce.h"

namespace fg {

namespace {

bool isSegment(const arearec& a) { return a.r < 1 && a.x3 == 0 && a.x4 == 0; }

int32_t ballX(const GameState& gs) { return roundHalfEven(gs.ball_x); }
int32_t ballY(const GameState& gs) { return roundHalfEven(gs.ball_y); }

// A ball that touches either end of a wall segment is sent straight back.
// Both ends are tested with the position as it is after the first test.
void wallEnds(GameState& gs, SimHost& host, const arearec& a, int32_t n) {
  if (n != gs.last_bounce_area && PointDistanceAtMost(a.x1, a.y1, ballX(gs), ballY(gs), 3)) {
    WallBounce(gs, host, -1);
    gs.last_bounce_area = -1;
  }
  if (n != gs.last_bounce_area && PointDistanceAtMost(a.x2, a.y2, ballX(gs), ballY(gs), 3)) {
    WallBounce(gs, host, -1);
    gs.last_bounce_area = -1;
  }
}

void wall(GameState& gs, SimHost& host, int32_t n, int32_t code) {
  if (n == gs.last_bounce_area) return;
  WallBounce(gs, host, code);
  gs.last_bounce_area = n;
}

void ramp(GameState& gs, int32_t tag, int32_t angle) {
  gs.ramp_tag = tag;
  gs.slope_angle = angle;
  gs.slope_force = 0.02;
  gs.last_bounce_area = -1;
}

void funnel(GameState& gs, const arearec& a) {
  if (gs.ball_airborne || gs.holed_out) return;
  gs.slope_angle = PointAngle(a.x1, a.y1, ballX(gs), ballY(gs));
  gs.slope_force = gs.ball_speed * 0.025 + 0.025;
}

// Kinds 15 … 22. The rightward slope is 1, not 0: 0 means no slope.
constexpr int32_t kSlopeAngles[8] = {1, 19, 64, 109, 128, 147, 192, 237};

void slope(GameState& gs, int32_t kind) {
  gs.slope_angle = kSlopeAngles[kind - 15];
  gs.slope_force = 0.025;
  gs.last_bounce_area = -1;
}

}  // namespace

bool ballInside(const GameState& gs, const arearec& a) {
  bool inside = false;
  if (a.enabled && isSegment(a)) inside = OnWall(a.x1, a.y1, a.x2, a.y2, ballX(gs), ballY(gs));
  if (a.enabled && a.r < 1 && a.x3 != 0 && a.x4 != 0 &&
      InQuad(a.x1, a.y1, a.x2, a.y2, a.x3, a.y3, a.x4, a.y4, ballX(gs), ballY(gs))) {
    inside = true;
  }
  if (a.enabled && a.r >= 1 && EllipseDistanceAtMost(ballX(gs), ballY(gs), a.x1, a.y1, a.r)) inside = true;
  return inside;
}

void applyAreaEffect(GameState& gs, SimHost& host, int32_t n) {
  const arearec& a = gs.areas[n];
  switch (a.kind) {
    case 1: wall(gs, host, n, 19); break;
    case 2: wall(gs, host, n, 64); break;
    case 3: wall(gs, host, n, 109); break;
    case 4: wall(gs, host, n, 0); break;
    case 5: cupEffect(gs, host, n); break;
    case 6: wall(gs, host, n, 32); break;
    case 7: wall(gs, host, n, 96); break;
    case 8: ramp(gs, -13, 96); break;
    case 9: ramp(gs, 13, 1); break;
    case 10: ramp(gs, 13, 32); break;
    case 11: ramp(gs, -13, 128); break;
    case 12: launcherEffect(gs, host, a); break;
    case 14: funnel(gs, a); break;
    case 15: case 16: case 17: case 18: case 19: case 20: case 21: case 22: slope(gs, a.kind); break;
    case 23:
      if (gs.ball_z < 0.5) gs.in_drag_area = true;
      break;
    case 24: waterEffect(gs, host, a); break;
    case 25: teleporterEffect(gs, host, a); break;
    case 26: tunnelEffect(gs, host, n); break;
    case 27: landMineEffect(gs, host); break;
    case 28: setNameEffect(gs, a); break;
    case 29: switchEffect(gs, host, a); break;
    case 30: bumpyGroundEffect(gs, host, a); break;
    case 32: ballShadeEffect(gs, a); break;
    case 33: ledgeEffect(gs, a); break;
    case 34: kickerEffect(gs); break;
    case 35: bonusStrokeEffect(gs, host, n); break;
    case 36: sleeperEffect(gs, host); break;
    default: break;  // 0, 13, 31, negative and unknown kinds do nothing
  }
}

void AreaLoop(GameState& gs, SimHost& host) {
  for (int32_t n = 1; n <= kAreaCount; ++n) {
    const arearec& a = gs.areas[n];
    if (!a.enabled) continue;
    bool inside = ballInside(gs, a);
    if (!inside && isSegment(a)) wallEnds(gs, host, a, n);
    if (inside) applyAreaEffect(gs, host, n);
  }
}

}  // namespace fg
