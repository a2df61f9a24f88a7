#include "render/ball_renderer.h"

#include "sim/geometry.h"
#include "state/gui_items.h"

namespace fg {

namespace {

constexpr int kBallSize = 16;
constexpr double kFixedOne = 65536.0;


// The body: the texture sampled along a grid turned by the rolling phase
// round texel (8, 8), bent by the remap table, scrolled by the rolling
// offsets and cut to the disc. Rows below `sink_timer` are left out, which is
// how a ball sinking in water disappears from below.
void drawBody(const GameState& gs, const PictureItem& texture, Surface& back, int32_t x0, int32_t y0) {
  const int32_t spin = -static_cast<int32_t>(gs.ball_spin);
  const double cs = ByteCos(spin), sn = ByteSin(spin);
  const uint32_t dcs = static_cast<uint32_t>(roundHalfEven(cs * kFixedOne));
  const uint32_t dsn = static_cast<uint32_t>(roundHalfEven(sn * kFixedOne));
  const int32_t scroll = 16 * roundHalfEven(gs.ball_tex_v) + roundHalfEven(gs.ball_tex_u);
  // The block has 16 rows; a larger timer than the usual 15 draws them all.
  const int lastRow = gs.sink_timer < kBallSize ? gs.sink_timer : kBallSize - 1;
  int k = 0;
  for (int r = 0; r <= lastRow; ++r) {
    uint32_t u = static_cast<uint32_t>(roundHalfEven((8 - 8 * cs - (r - 8) * sn) * kFixedOne));
    uint32_t v = static_cast<uint32_t>(roundHalfEven((8 - 8 * sn + (r - 8) * cs) * kFixedOne));
    for (int c = 0; c < kBallSize; ++c, ++k) {
      if (kBallDiscMask[k] > 128) {
        // Logical shifts: negative grid coordinates wrap round the texture.
        const uint32_t t0 = (16u * (v >> 16) + (u >> 16)) & 255u;
        const int32_t t = AngleByte(subWrap(kBallRemap[t0], scroll));
        const int32_t x = addWrap(x0, c), y = addWrap(y0, r);
        texture.BlitStretched(back, Rect{x, y, addWrap(x, 1), addWrap(y, 1)}, t);
      }
      u += dcs;
      v += dsn;
    }
  }
}

}  // namespace

void drawBall(GameState& gs, const ImageList& gui, Surface& back) {
  const int32_t bx = roundHalfEven(gs.ball_x), by = roundHalfEven(gs.ball_y), bz = roundHalfEven(gs.ball_z);
  const int32_t cx = gs.camera_x, cy = gs.camera_y;
  // Wrapping sums: a ball thrown far off a strange hole must not overflow them.
  const int32_t x0 = subWrap(subWrap(bx, cx), 8), y0 = subWrap(subWrap(subWrap(by, cy), 8), bz);
  const Rect block{x0, y0, addWrap(x0, kBallSize), addWrap(y0, kBallSize)};
  PlayerRecord& player = gs.players[0];

  if (!gs.holed_out && !gs.in_water && !gs.in_tunnel) {
    // The shadow stays on the ground, widening and fading as the ball rises.
    if (const PictureItem* shadow = gui.find(kGuiBallShadow)) {
      const int32_t left = subWrap(subWrap(bx, cx), 4), top = subWrap(subWrap(by, cy), 6);
      const int32_t width = addWrap(16, roundHalfEven(gs.ball_z / 10));
      shadow->BlitSubtractive(back, Rect{left, top, addWrap(left, width), addWrap(top, 16)}, 0,
                              subWrap(128, roundHalfEven(gs.ball_z / 3)));
    }
  }
  const PictureItem* darkening = gui.find(kGuiBallDarkening);
  if (!gs.in_water && darkening) darkening->BlitSubtractive(back, block, 0, 32);
  if (const PictureItem* texture = gui.find(kGuiBallTexture)) drawBody(gs, *texture, back, x0, y0);
  if (gs.in_water) return;
  if (const PictureItem* shading = gui.find(kGuiBallShading)) shading->BlitSubtractive(back, block, 0, 128);
  if (player.ball_shade > 0) {
    if (darkening) darkening->BlitSubtractive(back, block, 0, player.ball_shade);
    // A shaded area sets it again in the next sub-steps while the ball is in
    // it; a ball at rest keeps its shade.
    if (gs.ball_moving) player.ball_shade = 0;
  }
}

}  // namespace fg
