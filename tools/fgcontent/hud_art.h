#pragma once
// The HUD pictures of the interface archive and the skins: the panels, the
// pressed buttons, the push-putt mark, the score digits and the font.
// Everything the game writes onto a panel lands on a field drawn for it; the
// panel is shown at (4, 4), so a screen position p is p - 4 in the picture.
#include "cairo_picture.h"
#include "font_text.h"
#include "pixel_font.h"
#include "recipes.h"

namespace fg {

constexpr int kPanelWidth = 541;   // screen x 4 .. 544: the title strip and the close area
constexpr int kPanelHeight = 100;  // screen y 4 .. 103: below the buttons' hold areas
constexpr int kPanelMinHeight = 18;
constexpr int kButtonSize = 22;
constexpr int kButtonCount = 5;
constexpr int kDigitWidth = 9, kDigitHeight = 17;
constexpr int kPushMarkWidth = 47, kPushMarkHeight = 17;

struct HudFonts {
  const PixelFont& pixel;
  const FontFace& bold;       // icons
  const FontFace& condensed;  // score digits
};

Picture drawPanel(const Theme& t, const HudFonts& f);
Picture drawPanelMin(const Theme& t, const HudFonts& f);
// Five 22 x 22 patterns in a row: buttons 1..5 pressed.
Picture drawButtonsDown(const Theme& t, const HudFonts& f);
Picture drawPushPuttMark(const Theme& t, const HudFonts& f);
// Twelve 9 x 17 patterns "0123456789 -".
Picture drawScoreDigits(const Theme& t, const HudFonts& f);

}  // namespace fg
