#include "render/game_context.h"

#include "sim/sim_actions.h"
#include "state/sound_items.h"

namespace fg {

void playClick(GameContext& ctx) { playIfSoundOn(ctx.gs, ctx.host, kSoundClick); }

}  // namespace fg
