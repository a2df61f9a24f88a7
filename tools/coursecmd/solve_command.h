#pragma once
#include <string>

namespace fg {

// "solve HOLE": loads the hole (a name in gameDir, or a path to its .hole
// file) as a game start does, searches for the fewest pull putts that hole
// out and prints one shot a line. Returns the process exit code (non-zero
// when no way round was found). Throws GameError when there is no such hole.
int solveCommand(const std::string& hole, const std::string& gameDir);

}  // namespace fg
