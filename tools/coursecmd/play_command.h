#pragma once
#include <string>
#include <vector>

namespace fg {

// "play HOLE [HOLE...] [--skill casual|good|expert] [--rounds N] [--seed N] [--each]":
// plays each hole (a name in gameDir or a path to its .hole file) with the
// player model and prints, per skill, the mean strokes, their spread and the
// share of rounds that end in GAME OVER; with several holes also that share
// for a game over all of them in order. Without --skill, all three skills;
// --each lists every round's strokes ("!" where the ball never dropped).
// Returns the exit code; throws GameError for a missing hole.
int playCommand(const std::vector<std::string>& args, const std::string& gameDir);

}  // namespace fg
