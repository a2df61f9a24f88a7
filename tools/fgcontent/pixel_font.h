#pragma once
// The HUD's pixel font: 5 x 7 glyphs (9 rows with accents) in 6 x 10 cells,
// drawn with a top-to-bottom colour ramp and a drop shadow to the lower
// right. The same glyphs label the panels, so panel captions and the game's
// own text match.
#include <string>
#include <vector>

#include "cairo_picture.h"
#include "recipes.h"

namespace fg {

class PixelFont {
 public:
  static constexpr int kAdvance = 6;
  static constexpr int kHeight = 10;
  static constexpr int kGlyphCount = 67;

  explicit PixelFont(std::vector<Glyph> glyphs);

  // Pattern of a character by the font writer's map (first match; unknown -> 30).
  static int patternOf(char c);
  bool ink(int pattern, int x, int y) const;  // x 0..4, y 0..9

  // Draws the text with the first character's cell at (x, y).
  void draw(CairoImage& img, int x, int y, const std::string& text, const Rgb& top,
            const Rgb& bottom, const Rgb& shadow) const;
  void drawPattern(CairoImage& img, int x, int y, int pattern, const Rgb& top, const Rgb& bottom,
                   const Rgb& shadow) const;
  static int width(const std::string& text) { return static_cast<int>(text.size()) * kAdvance; }

  // The font picture: 67 patterns of 6 x 10 in one row, keyed on black.
  Picture fontPicture(const Theme& theme) const;

 private:
  std::vector<Glyph> glyphs_;
};

}  // namespace fg
