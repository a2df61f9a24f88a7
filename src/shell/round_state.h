#pragma once
// What a round starts from besides the settings: the game state as the last
// game left it. Much of it is set again when the game window opens, but not
// all (the banner, the particles, the mouse, the ball's spin …), so a
// recorded round keeps all of it as text lines and its playback starts from
// the very same state.
#include <string>
#include <vector>

#include "state/game_state.h"

namespace fg {

// One line per plain field ("ball_spin 12") and one per table record
// ("particle 3 …"); the hole's areas are left out, since every round loads
// its first hole before its first frame. Doubles are written exactly.
std::vector<std::string> saveRoundState(const GameState& gs);
// Fields named in `lines` are set; unknown names and bad values are skipped,
// so a recording stays playable when the state gains a field.
void loadRoundState(GameState& gs, const std::vector<std::string>& lines);

}  // namespace fg
