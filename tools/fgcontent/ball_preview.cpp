#include "ball_preview.h"

#include <algorithm>

#include "cairo_picture.h"

namespace fg {

namespace {

// Rows 0..7 of the ball's disc coverage; rows 8..15 mirror them.
const int kDisc[8][16] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 52, 128, 192, 237, 237, 192, 128, 52, 0, 0, 0, 0},
    {0, 0, 0, 103, 213, 255, 255, 255, 255, 255, 255, 213, 103, 0, 0, 0},
    {0, 0, 103, 241, 255, 255, 255, 255, 255, 255, 255, 255, 241, 103, 0, 0},
    {0, 52, 213, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 213, 52, 0},
    {0, 128, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 128, 0},
    {0, 192, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 192, 0},
    {0, 237, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 237, 0}};

void subtract(Picture& dst, const Picture& sprite, int x0, int y0, int alpha) {
  for (int y = 0; y < sprite.height; ++y)
    for (int x = 0; x < sprite.width; ++x) {
      const uint8_t* s = &sprite.rgb[(y * sprite.width + x) * 3];
      if (s[0] == 0 && s[1] == 0 && s[2] == 0) continue;
      uint8_t* d = &dst.rgb[((y0 + y) * dst.width + x0 + x) * 3];
      for (int c = 0; c < 3; ++c) d[c] = static_cast<uint8_t>(std::max(0, d[c] - ((s[c] * alpha) >> 8)));
    }
}

}  // namespace

Picture ballPreview(const std::vector<BallTexture>& textures, const Picture& shading, const Picture& darkening,
                    const Picture& shadow) {
  const int cell = 28;
  Picture scene = blankPicture(cell * static_cast<int>(textures.size()), cell, 72, 150, 80);
  for (size_t i = 0; i < textures.size(); ++i) {
    const int bx = static_cast<int>(i) * cell + 12, by = 14;
    subtract(scene, shadow, bx - 4, by - 6, 128);
    subtract(scene, darkening, bx - 8, by - 8, 32);
    const Picture& tex = textures[i].picture;
    for (int r = 0; r < 16; ++r)
      for (int c = 0; c < 16; ++c) {
        if (kDisc[r < 8 ? r : 15 - r][c] <= 128) continue;
        std::copy_n(&tex.rgb[(r * 16 + c) * 3], 3, &scene.rgb[((by - 8 + r) * scene.width + bx - 8 + c) * 3]);
      }
    subtract(scene, shading, bx - 8, by - 8, 128);
  }
  return scene;
}

}  // namespace fg
