#include "render/camera.h"

#include <algorithm>

#include "media/canvas.h"
#include "render/frame_phases.h"
#include "sim/geometry.h"

namespace fg {

namespace {

// Keeps the point where the ball is drawn inside the margins. The distances
// are taken in 64 bits so a ball far off the camera cannot wrap round.
void followBall(GameState& gs, int32_t w, int32_t h) {
  const int32_t bx = roundHalfEven(gs.ball_x);
  const int32_t by = roundHalfEven(gs.ball_y - gs.ball_z);  // a ball in the air is drawn higher
  auto diff = [](int32_t a, int32_t b) { return static_cast<int64_t>(a) - static_cast<int64_t>(b); };
  if (diff(bx, gs.camera_x) < kFollowMargin) gs.camera_x = subWrap(bx, kFollowMargin);
  if (diff(by, gs.camera_y) < kFollowMargin) gs.camera_y = subWrap(by, kFollowMargin);
  if (diff(bx, gs.camera_x) >= static_cast<int64_t>(w) - kFollowMargin)
    gs.camera_x = addWrap(subWrap(bx, w), kFollowMargin);
  if (diff(by, gs.camera_y) >= static_cast<int64_t>(h) - kFollowMargin)
    gs.camera_y = addWrap(subWrap(by, h), kFollowMargin);
}

// Friction: a positive speed loses 2s, then a negative one gains 2s; the
// second test sees the result of the first.
void brake(int32_t& speed, int32_t s) {
  if (speed > 0) speed -= 2 * s;
  if (speed < 0) speed += 2 * s;
}

void freeScroll(GameState& gs, int32_t w, int32_t h) {
  const int32_t s = gs.frame_skip;
  if (gs.mouse_x > w - 4 || gs.scroll_right) gs.scroll_speed_x += 4 * s;
  if (gs.mouse_y > h - 4 || gs.scroll_down) gs.scroll_speed_y += 4 * s;
  if (gs.mouse_x < 4 || gs.scroll_left) gs.scroll_speed_x -= 4 * s;
  if (gs.mouse_y < 4 || gs.scroll_up) gs.scroll_speed_y -= 4 * s;
  brake(gs.scroll_speed_y, s);
  brake(gs.scroll_speed_x, s);
  // A negative frame skip would give an empty range; the upper end wins then.
  const int32_t limit = 64 * s;
  gs.scroll_speed_x = std::min(std::max(gs.scroll_speed_x, -limit), limit);
  gs.scroll_speed_y = std::min(std::max(gs.scroll_speed_y, -limit), limit);
  // Speeds are eighths of a pixel; a remainder below 8 moves nothing.
  gs.camera_x = addWrap(gs.camera_x, gs.scroll_speed_x / 8);
  gs.camera_y = addWrap(gs.camera_y, gs.scroll_speed_y / 8);
}

}  // namespace

void updateCamera(GameState& gs, Surface& back, int32_t courseW, int32_t courseH) {
  const int32_t w = back.width, h = back.height;
  if (gs.recentre_camera) {
    gs.camera_x = roundHalfEven(gs.ball_x - w / 2);
    gs.camera_y = roundHalfEven(gs.ball_y - h / 2);
    gs.recentre_camera = false;
  }
  if (gs.ball_moving || gs.putt_phase != 0)
    followBall(gs, w, h);
  else
    freeScroll(gs, w, h);

  if (gs.camera_x < 0) gs.camera_x = 0;
  if (gs.camera_y < 0) gs.camera_y = 0;
  if (gs.camera_x > courseW - w) gs.camera_x = courseW - w;
  if (gs.camera_y > courseH - h) gs.camera_y = courseH - h;

  if (courseW < w || courseH < h) {
    fillSurface(back, 0);
    if (courseW < w) gs.camera_x = (courseW - w) / 2;
    if (courseH < h) gs.camera_y = (courseH - h) / 2;
  }
}

void updateCamera(GameContext& ctx) {
  int32_t cw = 0, ch = 0;
  if (ctx.course.count() > 0) {
    cw = ctx.course.item(0).width();
    ch = ctx.course.item(0).height();
  }
  updateCamera(ctx.gs, ctx.DXDraw.surface(), cw, ch);
}

}  // namespace fg
