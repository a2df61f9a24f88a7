#pragma once
// The night harbour theme's painting, called by the course picture for
// holes of that theme.
#include "course_picture.h"

namespace fg {

// Moonlit ripples on the sea and deck planks over the quays.
void paintHarbourGround(cairo_t* cr, const HoleSource& h, const Theme& t);
// Warm light on the ground round every lamp.
void paintHarbourLights(cairo_t* cr, const HoleSource& h);
// The harbour's own look of an area; false when the common look is kept.
bool paintHarbourArea(cairo_t* cr, const arearec& a, const Theme& t);
// Boats, crates, bollards, buoys and the lighthouse; false for other scenery.
bool paintHarbourDecor(cairo_t* cr, const Decor& d);

}  // namespace fg
