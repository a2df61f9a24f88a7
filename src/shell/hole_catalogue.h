#pragma once
// The holes found in the game folder, in course order, for the Practice tab
// and the bests on the Game tab: each hole's par is read from its own file,
// its picture from its own archive.
#include <cstdint>
#include <string>
#include <vector>

#include "frontend/personal_bests.h"
#include "media/picture.h"

namespace fg {

struct CatalogueHole {
  std::string name;    // file name without ".hole"
  std::string course;  // "course1", "training" …
  int32_t number = 0;
  int32_t par = 0;
};

// Every "<name>.hole" in `dir`, courses in name order (numbers by value),
// holes by number within their course. At most kMaxHoles.
constexpr size_t kMaxHoles = 200;
std::vector<CatalogueHole> findHoles(const std::string& dir);

// "Course 1 - Hole 3", "Training - Hole 2", or the file name.
std::string holeTitle(const CatalogueHole& h);

// The hole's course picture (item 0 of its archive) shrunk to w × h; empty
// when the archive cannot be read.
Picture holePreview(const std::string& dir, const std::string& hole, int w, int h);

// The player's bests as lines for the Game tab, one per course: the best
// round, then the best strokes of each hole in order ("-" for none yet).
std::string bestsSummary(const PersonalBests& bests, const std::string& player, const std::vector<CatalogueHole>& holes);

}  // namespace fg
