#include "render/hole_flow_drawing.h"

#include <cstring>

#include "render/bitmap_text.h"
#include "render/frame_phases.h"
#include "sim/geometry.h"
#include "sim/hole_flow.h"
#include "state/gui_items.h"

namespace fg {

namespace {

const arearec* holedArea(const GameState& gs) {
  if (gs.holed_area < 1 || gs.holed_area > kAreaCount) return nullptr;
  return &gs.areas[gs.holed_area];
}

void drawItem(const ImageList& course, int32_t item, Surface& back, int32_t x, int32_t y) {
  if (item >= 0 && item < course.count()) course.item(item).BlitPattern(back, x, y, 0);
}

}  // namespace

// Both sprites belong to the area the ball went into; with no such area (a
// tunnel ride carried over into the next hole) there is nothing to draw, and
// area fields of zero would otherwise put the whole course picture back on.
void drawCupRim(const GameState& gs, const ImageList& course, Surface& back) {
  if (const arearec* a = holedArea(gs))
    drawItem(course, 2, back, subWrap(a->x2, gs.camera_x), subWrap(a->y2, gs.camera_y));
}

void drawTunnelEntrance(const GameState& gs, const ImageList& course, Surface& back) {
  if (const arearec* a = holedArea(gs))
    drawItem(course, a->p3, back, subWrap(a->p1, gs.camera_x), subWrap(a->p2, gs.camera_y));
}

void runHoleFlowAndDraw(GameState& gs, SimHost& host, const ImageList& course, Surface& back) {
  // The rim goes on before the next hole starts, while this hole's pictures
  // are still loaded.
  const CupStep cup = cupSequence(gs, host);
  if (cup != CupStep::Idle) drawCupRim(gs, course, back);
  if (cup == CupStep::NextHoleDue) host.HoleInit(gs);
  // The entrance is drawn after the sequence: leaving the tunnel moves only
  // the ball, not the area the entrance is read from.
  if (tunnelSequence(gs, host)) drawTunnelEntrance(gs, course, back);
  waterSequence(gs, host);  // its splash is an effect slot, drawn with the others
}

void drawEndOfGameMessage(GameState& gs, const PictureItem* largeFont, Surface& back) {
  const char* message = endOfGameMessage(gs);
  if (!message) return;
  const int32_t w = back.width, h = back.height;
  const int32_t g = largeFont ? largeFont->patternWidth : 0;
  // The centring counts one glyph more than the text: the writer starts one
  // advance to the right.
  const int64_t cells = static_cast<int64_t>(std::strlen(message)) + 1;
  const int32_t left = static_cast<int32_t>((w - cells * g) / 2), top = h / 2 - 30;
  // Random numbers are drawn even without the picture: the generator is shared.
  const int32_t x1 = addWrap(left, RandBelow(gs, 1));
  const int32_t x2 = addWrap(left, RandBelow(gs, 4));
  const int32_t y2 = top + RandBelow(gs, 2);
  if (!largeFont) return;
  writeLargeText(*largeFont, back, message, x1, top);
  writeLargeText(*largeFont, back, message, x2, y2);
}

void runHoleFlow(GameContext& ctx) { runHoleFlowAndDraw(ctx.gs, ctx.host, ctx.course, ctx.DXDraw.surface()); }

void endOfGameCheck(GameContext& ctx) {
  endOfGameCheck(ctx.gs, ctx.host, ctx.training_mode);
  drawEndOfGameMessage(ctx.gs, ctx.menu.find(kMenuLargeFont), ctx.DXDraw.surface());
}

}  // namespace fg

