#pragma once
// Starting a banner message from a key or a panel button, the same way every
// other part of the game starts one.
#include <string_view>

#include "render/bitmap_text.h"
#include "render/game_context.h"

namespace fg {

inline void showBanner(GameContext& ctx, std::string_view words) { startBanner(ctx.gs, words); }

}  // namespace fg
