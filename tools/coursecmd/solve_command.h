#pragma once
#include <string>

namespace fg {

// "fgcourse solve HOLE": loads the hole as a game start does, searches for
// the fewest pull putts that hole out and prints one shot a line. Returns the
// process exit code (non-zero when no way round was found).
int solveCommand(const std::string& hole, const std::string& gameDir);

}  // namespace fg
