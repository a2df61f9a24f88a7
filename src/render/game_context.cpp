#include "render/game_context.h"

namespace fg {

void playSoundIfOn(GameContext& ctx, int item) {
  if (!ctx.gs.sound_on) return;
  if (item < 0 || item >= ctx.sounds.count()) return;
  ctx.sounds.item(item).Play(false);
}

void playClick(GameContext& ctx) { playSoundIfOn(ctx, 5); }

}  // namespace fg
