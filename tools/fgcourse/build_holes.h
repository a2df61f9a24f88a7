#pragma once
#include <string>

namespace fg {

// Builds every description "<src>/<name>.txt" into "<out>/<name>.hole",
// ".dxg" and ".dxw"; writes the contact sheet when `sheet` is not empty.
// Returns the number of holes built.
int buildHoles(const std::string& src, const std::string& out, const std::string& sheet);

}  // namespace fg
