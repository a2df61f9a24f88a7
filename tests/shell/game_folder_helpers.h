#pragma once
// A tiny game folder made in the test: interface archives with the items the
// game window reads, and holes whose archives hold a course picture and a
// title card.
#include <string>
#include <vector>

namespace fg::testing {

struct TestHole {
  std::string name;
  std::string holeText;  // the ".hole" file; empty writes none
  int width = 800, height = 600;
};

// Writes "menu.dxg", "sound.dxw", "gui.dxg" and each hole's three files into
// `dir` (created). Returns `dir` with a trailing '/'.
std::string makeGameFolder(const std::string& dir, const std::vector<TestHole>& holes);

}  // namespace fg::testing
