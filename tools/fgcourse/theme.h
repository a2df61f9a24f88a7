#pragma once
// Colours of each kind of hole, picked by the description's "theme" line.
#include <string>

#include "cairo_picture.h"

namespace fg {

struct Theme {
  Rgb rough, fairway, wall, wallLight, wallDark, water, sand, canopy, trunk;
  bool space = false;    // stars behind floating greens instead of grass
  bool harbour = false;  // sea round plank quays, lamplight, stone steps
};

const Theme& themeNamed(const std::string& name);

}  // namespace fg
