#pragma once
// The scorecard picture: a panel cut from the HUD's own panel art with the
// round written on it in the HUD font, one row per hole (par, strokes, the
// result's name, "NEW BEST") and the total. The game shows it where it waits
// for the player anyway: under a hole's title card and under the end message.
#include <cstdint>
#include <string>

#include "media/image_list.h"
#include "media/rect.h"
#include "media/surface.h"
#include "sim/round_card.h"

namespace fg {

struct ScorecardLook {
  bool heading = true;      // "SCORECARD" and the player's name on top
  std::string player;       // upper-cased as on the HUD
  bool withTotal = true;
  bool roundNewBest = false;  // "NEW BEST" on the total row
};

// The size the card needs for `rows` holes.
int32_t scorecardWidth(const PictureItem& font);
int32_t scorecardHeight(const PictureItem& font, size_t rows, const ScorecardLook& look);

// Draws the card centred across `area`, from its top. When the holes do not
// all fit, the latest ones are shown. Draws nothing without the font (`gui`
// item 7); the panel (`gui` item 1) is left out when missing.
void drawScorecard(const RoundCard& card, const ScorecardLook& look, const ImageList& gui, Surface& back,
                   const Rect& area);

}  // namespace fg
