#include <algorithm>
#include <filesystem>

#include "course_list.h"
#include "sim/hole_file.h"
#include "test_paths.h"

namespace fg::test {

std::vector<std::string> allHoles() {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(fg::test::testDataDir() + "/../content/holes"))
    if (e.path().extension() == ".txt") names.push_back(e.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::vector<std::string>> courses() {
  std::vector<std::vector<std::string>> out;
  for (const std::string& first : allHoles()) {
    if (first.rfind("course", 0) != 0 || first.size() < 6 || first.substr(first.size() - 5) != "hole1") continue;
    std::vector<std::string> chain;
    for (std::string h = first; h != "done" && !h.empty() && chain.size() < 20;) {
      chain.push_back(h);
      GameState gs;
      ReadHoleFile(gs, gameDir(), h + ".hole");
      h.clear();
      for (int n = 1; n <= kAreaCount; ++n)
        if (gs.areas[n].enabled && gs.areas[n].kind == 5) h = gs.areas[n].comment;
    }
    out.push_back(chain);
  }
  return out;
}

}  // namespace fg::test
