#include "render/star_field.h"

#include <cstdlib>

#include "render/frame_phases.h"
#include "sim/geometry.h"

namespace fg {

namespace {

// Parallax: the stars move at 4/3 of the camera's step, but a camera jump of
// more than 32 pixels in a frame leaves them alone.
void drift(GameState& gs, int32_t& pos, int32_t starsCamera, int32_t camera, int32_t s) {
  const int64_t moved = static_cast<int64_t>(starsCamera) - camera;
  if (std::llabs(moved) > 32) return;
  pos = addWrap(pos, RandBelow(gs, s + 1) + static_cast<int32_t>(moved * 4 / 3));
}

}  // namespace

void drawStars(GameState& gs, const ImageList& course, Surface& back, int32_t modeW, int32_t modeH) {
  const int32_t cx = gs.camera_x, cy = gs.camera_y;
  const int32_t w = back.width, h = back.height;
  const int32_t courseW = course.count() > 0 ? course.item(0).width() : 0;
  const int32_t courseH = course.count() > 0 ? course.item(0).height() : 0;
  const int32_t s = gs.frame_skip;
  for (Star& star : gs.stars) {
    drift(gs, star.x, gs.stars_camera_x, cx, s);
    drift(gs, star.y, gs.stars_camera_y, cy, s);
    // On a small course, stars leaving at the far edge come back at the near one.
    if (courseH < h && static_cast<int64_t>(courseH) - cy - 8 < star.y) star.y = -cy;
    if (courseW < w && static_cast<int64_t>(courseW) - cx - 8 < star.x) star.x = -cx;
    if (star.x > modeW) star.x = 0;
    if (star.y > modeH) star.y = 0;
    if (star.x < 0) star.x = w;
    if (star.y < 0) star.y = h;
    const PictureItem* picture =
        course.find(star.picture);
    if (RandBelow(gs, 4) > 2) {
      const int64_t next = static_cast<int64_t>(star.pattern) + 1;
      star.pattern = next >= (picture ? picture->patternCount() : 0) ? 0 : static_cast<int32_t>(next);
    }
    if (picture) {
      const Rect box{star.x, star.y, addWrap(star.x, picture->patternWidth), addWrap(star.y, picture->patternHeight)};
      picture->BlitAdditive(back, box, star.pattern, 255);
    }
  }
  gs.stars_camera_x = cx;
  gs.stars_camera_y = cy;
}

void drawStarField(GameContext& ctx) {
  if (ctx.gs.current_hole != kStarHole) return;
  drawStars(ctx.gs, ctx.course, ctx.DXDraw.surface(), ctx.DXDraw.modeWidth(), ctx.DXDraw.modeHeight());
}

}  // namespace fg
