#pragma once
// The per-frame sequences after the ball drops into the cup, a tunnel or
// water, the score against par and the end-of-game check. State side only:
// the cup's front rim, the tunnel entrance and the end messages are drawn by
// the renderer.
#include <cstdint>

#include "state/game_state.h"
#include "sim/sim_host.h"

namespace fg {

// What one frame of the cup sequence came to. When the ball has fallen deep
// enough the next hole is due: the caller draws what still belongs to this
// hole (the cup's rim) and then starts the next one with host.HoleInit.
enum class CupStep { Idle, Falling, NextHoleDue };
CupStep cupSequence(GameState& gs, SimHost& host);
// The cup sequence with the next hole started when it is due, for callers
// that draw nothing. Returns whether it ran this frame.
bool runCupSequence(GameState& gs, SimHost& host);

// Each returns whether it ran this frame (its flag was set on entry).
bool tunnelSequence(GameState& gs, SimHost& host);
bool waterSequence(GameState& gs, SimHost& host);

// The three in frame order. The cup may start the next hole; the other two
// then see the new hole's state.
void runHoleFlow(GameState& gs, SimHost& host);

// Every frame before the HUD: the score is brought up to date once the hole's
// par has been used up.
void updateScore(GameState& gs);

// Every frame after the banner: a ball at rest two or more over par ends the
// game, outside training. Returns whether it ended the game now.
bool endOfGameCheck(GameState& gs, SimHost& host, bool training_mode);

// The message the renderer shows while the game is finished: "GAME OVER",
// "YOU FINISHED", or nullptr for none.
const char* endOfGameMessage(const GameState& gs);

}  // namespace fg
