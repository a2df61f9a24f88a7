#include "shell/game_pause.h"

#include <cstring>

#include "render/bitmap_text.h"
#include "state/gui_items.h"

namespace fg {

namespace {
constexpr const char* kWord = "PAUSED";
}

void GamePause::pause(GameContext& ctx) {
  if (paused_ || !ctx.gengine.Enabled()) return;
  paused_ = true;
  ctx.gengine.setEnabled(false);
  picture_ = ctx.DXDraw.surface();
  redraw(ctx);
}

void GamePause::resume(GameContext& ctx) {
  if (!paused_) return;
  paused_ = false;
  Surface& back = ctx.DXDraw.surface();
  if (back.width == picture_.width && back.height == picture_.height) back = picture_;
  // Enabling starts the timer's count afresh: the first frame comes one
  // interval from now, and no frame is owed for the time spent paused.
  ctx.gengine.setEnabled(true);
}

void GamePause::redraw(GameContext& ctx) {
  if (!paused_ || !ctx.DXDraw.CanDraw()) return;
  Surface& back = ctx.DXDraw.surface();
  if (back.width == picture_.width && back.height == picture_.height) back = picture_;
  // Placed as the end messages are: centred, the writer starting one glyph in.
  const PictureItem* large = ctx.menu.find(kMenuLargeFont);
  const int32_t g = large ? large->patternWidth : 0;
  const int32_t cells = static_cast<int32_t>(std::strlen(kWord)) + 1;
  if (large) writeLargeText(*large, back, kWord, (back.width - cells * g) / 2, back.height / 2 - 30);
  ctx.DXDraw.Flip();
}

}  // namespace fg
