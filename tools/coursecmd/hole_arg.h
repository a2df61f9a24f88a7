#pragma once
// The hole a course command is given: a name looked for in the game folder,
// or a path to its ".hole" file.
#include <string>

namespace fg {

struct HoleRef {
  std::string folder;  // ends in '/'
  std::string name;
};

// Throws GameError naming the hole and the file looked for when there is no
// such hole file.
HoleRef findHole(const std::string& arg, const std::string& gameDir);

}  // namespace fg
