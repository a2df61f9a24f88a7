#include "render/playing_field.h"

#include <utility>

#include "render/ball_renderer.h"
#include "render/effects.h"
#include "render/frame_phases.h"
#include "render/particles.h"
#include "sim/geometry.h"

namespace fg {

namespace {

constexpr uint32_t kDebugBlue = 0x00FF0000;  // RGB 0, 0, 255

// Area coordinates come from hole files and may be anything: the sums wrap
// as 32-bit values instead of overflowing.
int32_t add(int32_t a, int32_t b) { return addWrap(a, b); }
int32_t sub(int32_t a, int32_t b) { return subWrap(a, b); }

void cross(Canvas& canvas, int32_t x, int32_t y) {
  canvas.moveTo(sub(x, 5), sub(y, 5));
  canvas.lineTo(add(x, 5), add(y, 5));
  canvas.moveTo(add(x, 5), sub(y, 5));
  canvas.lineTo(sub(x, 5), add(y, 5));
}

// Ends, both edges of the 8-pixel band and a cross on each end point.
void wallOutline(const arearec& a, Canvas& canvas, int32_t cx, int32_t cy) {
  const int32_t w = PointAngle(a.x1, a.y1, a.x2, a.y2);
  const int32_t nx = roundHalfEven(ByteCos(w + 64) * 4), ny = roundHalfEven(ByteSin(w + 64) * 4);
  const int32_t x1 = sub(a.x1, cx), y1 = sub(a.y1, cy), x2 = sub(a.x2, cx), y2 = sub(a.y2, cy);
  canvas.ellipse(sub(x2, 5), sub(y2, 4), add(x2, 4), add(y2, 4));
  canvas.ellipse(sub(x1, 5), sub(y1, 4), add(x1, 4), add(y1, 4));
  canvas.moveTo(sub(x1, nx), sub(y1, ny));
  canvas.lineTo(sub(x2, nx), sub(y2, ny));
  canvas.moveTo(add(x2, nx), add(y2, ny));
  canvas.lineTo(add(x1, nx), add(y1, ny));
  cross(canvas, x1, y1);
  cross(canvas, x2, y2);
}

void areaOutline(const arearec& a, Canvas& canvas, int32_t cx, int32_t cy) {
  if (a.r >= 1) {
    canvas.ellipse(sub(sub(a.x1, a.r), cx), sub(sub(a.y1, a.r / 2), cy), sub(add(a.x1, a.r), cx),
                   sub(add(a.y1, a.r / 2), cy));
  } else if (a.x3 != 0 && a.x4 != 0) {
    const std::pair<int, int> pts[5] = {
        {sub(a.x1, cx), sub(a.y1, cy)}, {sub(a.x2, cx), sub(a.y2, cy)}, {sub(a.x3, cx), sub(a.y3, cy)},
        {sub(a.x4, cx), sub(a.y4, cy)}, {sub(a.x1, cx), sub(a.y1, cy)}};
    canvas.polyline(pts, 5);
  } else {
    wallOutline(a, canvas, cx, cy);
  }
}

}  // namespace

void drawDebugOverlay(const GameState& gs, Canvas& canvas) {
  const int32_t cx = gs.camera_x, cy = gs.camera_y;
  const int32_t bx = roundHalfEven(gs.ball_x), by = roundHalfEven(gs.ball_y);
  for (int i = 1; i <= kAreaCount; ++i) {
    canvas.setPenColor(kDebugBlue);
    canvas.setBrushClear();
    cross(canvas, sub(bx, cx), sub(by, cy));  // once per area, as the game always did
    if (gs.areas[i].enabled) areaOutline(gs.areas[i], canvas, cx, cy);
  }
}

void drawForegroundTiles(const GameState& gs, const ImageList& course, Surface& back) {
  if (course.count() < 2) return;
  const PictureItem& layer = course.item(1);
  const int64_t n = course.item(0).width() / kForegroundTile;
  const int64_t col = static_cast<int64_t>(roundHalfEven(gs.ball_x + 0.5)) / kForegroundTile;
  const int64_t row = static_cast<int64_t>(roundHalfEven(gs.ball_y + 0.5)) / kForegroundTile;
  const int64_t p = n * row + col;
  static constexpr int kOrder[9][2] = {{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1},
                                       {-1, 1}, {-1, -1}, {1, 1}, {1, -1}};
  for (const auto& [i, j] : kOrder) {
    const int64_t x = kForegroundTile * (col + i) - gs.camera_x;
    const int64_t y = kForegroundTile * (row + j) - gs.camera_y;
    const int64_t pattern = p + n * j + i;
    // Tiles off the 32-bit range or outside the layer are skipped.
    if (pattern < 0 || pattern >= layer.patternCount()) continue;
    if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX) continue;
    layer.BlitPattern(back, static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(pattern));
  }
}

void drawPlayingField(GameState& gs, const ImageList& course, const ImageList& gui, Surface& back,
                      Canvas& canvas, int32_t effectAdvance) {
  if (course.count() > 0) course.item(0).BlitPattern(back, subWrap(0, gs.camera_x), subWrap(0, gs.camera_y), 0);
  drawEffects(gs, course, back, effectAdvance);
  drawParticles(gs, canvas);
  drawBall(gs, gui, back);
  if (gs.debug_mode) drawDebugOverlay(gs, canvas);
  if (gs.foreground_tiles) drawForegroundTiles(gs, course, back);
}

void drawPlayingField(GameContext& ctx) {
  const int32_t advance = effectAdvance(ctx.gengine.FramesPerSecond(), ctx.render.effect_carry);
  drawPlayingField(ctx.gs, ctx.course, ctx.gui, ctx.DXDraw.surface(), ctx.DXDraw.canvas(), advance);
}

}  // namespace fg
