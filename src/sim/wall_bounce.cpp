#include "sim/wall_bounce.h"

#include "sim/geometry.h"
#include "sim/sim_actions.h"
#include "state/sound_items.h"

namespace fg {

namespace {

// Mirror angles of the two diagonal wall codes by folded ball direction: the
// diagonals of the slanted view are not symmetric lines, so the bounce is
// looked up per 8-step band of the direction.
struct MirrorBand {
  int32_t last_fold;  // bands cover up to and including this folded angle
  int32_t code19;
  int32_t code109;
};

constexpr MirrorBand kMirrorTable[] = {
    {8, 32, 96},    {16, 38, 102},  {24, 45, 109},  {32, 42, 107},  {40, 39, 104},
    {48, 37, 102},  {56, 34, 99},   {72, 32, 96},   {80, 29, 94},   {88, 26, 91},
    {96, 24, 89},   {104, 21, 86},  {112, 19, 83},  {120, 26, 90},  {128, 32, 96},
};

void forceFieldFeedback(GameState& gs, SimHost& host, int32_t code) {
  int32_t image = code == 0 ? 16 : code == 19 ? 14 : code == 109 ? 15 : 0;
  if (image != 0) {
    spawnEffect(gs, host, subWrap(roundHalfEven(gs.ball_x), 30),
                subWrap(subWrap(roundHalfEven(gs.ball_y), roundHalfEven(gs.ball_z)), 30), image, 192);
  }
  playIfSoundOn(gs, host, kSoundForceField);
  startBanner(gs, host, "FORCE FIELDS KEEP BALL IN PLAY");
}

}  // namespace

int32_t mirrorCode(int32_t code, int32_t ball_angle) {
  if (code != 19 && code != 109) return code;
  int32_t f = FoldAngle(ball_angle);
  for (const MirrorBand& band : kMirrorTable) {
    if (f <= band.last_fold) return code == 19 ? band.code19 : band.code109;
  }
  return code;  // not reached: a folded angle is at most 128
}

void WallBounce(GameState& gs, SimHost& host, int32_t code) {
  if (gs.ball_z > 10.0) forceFieldFeedback(gs, host, code);
  else playIfSoundOn(gs, host, kSoundWall);

  if (code == -1) {
    gs.ball_angle = addWrap(gs.ball_angle, 128);
  } else {
    int32_t m = mirrorCode(code, gs.ball_angle);
    gs.ball_angle = subWrap(mulWrap(-2, m), gs.ball_angle);
  }
  gs.ball_speed = gs.ball_speed * 0.9;
  gs.ball_x = gs.ball_prev_x;
  gs.ball_y = gs.ball_prev_y;
}

}  // namespace fg
