#include "pixel_font.h"

#include <algorithm>
#include <cmath>

#include "media/error.h"

namespace fg {

namespace {

// The font writer's character map; 29 and 30 are both blank, 59 a second "=".
const std::string kFontMap =
    std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ\"at  0123456789<>=()-`!_+\\/{}^&%.=$#") +
    "\xC5\xD6\xC4?*";

int to255(double v) { return std::clamp(static_cast<int>(std::lround(v * 255)), 0, 255); }

}  // namespace

PixelFont::PixelFont(std::vector<Glyph> glyphs) : glyphs_(std::move(glyphs)) {
  if (static_cast<int>(glyphs_.size()) != kGlyphCount)
    throw GameError(formatMessage("The HUD font needs %d glyphs, the recipe has %d", kGlyphCount,
                                  static_cast<int>(glyphs_.size())));
  for (const Glyph& g : glyphs_)
    if (g.rows.size() > 9 || g.rows.empty())
      throw GameError("Glyph \"" + g.name + "\" must have 1 to 9 rows");
}

int PixelFont::patternOf(char c) {
  const size_t at = kFontMap.find(c);
  return at == std::string::npos ? 30 : static_cast<int>(at);
}

bool PixelFont::ink(int pattern, int x, int y) const {
  if (pattern < 0 || pattern >= kGlyphCount || x < 0 || x > 4) return false;
  const auto& rows = glyphs_[pattern].rows;
  // Rows end on the baseline, row 8 of the cell; row 9 is left for the shadow.
  const int first = 9 - static_cast<int>(rows.size());
  const int r = y - first;
  if (r < 0 || r >= static_cast<int>(rows.size())) return false;
  const std::string& row = rows[r];
  return x < static_cast<int>(row.size()) && row[x] == '#';
}

void PixelFont::draw(CairoImage& img, int x, int y, const std::string& text, const Rgb& top,
                     const Rgb& bottom, const Rgb& shadow) const {
  for (size_t i = 0; i < text.size(); ++i)
    drawPattern(img, x + static_cast<int>(i) * kAdvance, y, patternOf(text[i]), top, bottom, shadow);
}

void PixelFont::drawPattern(CairoImage& img, int cx, int y, int p, const Rgb& top,
                            const Rgb& bottom, const Rgb& shadow) const {
  {
    for (int gy = 0; gy < kHeight; ++gy)
      for (int gx = 0; gx < kAdvance; ++gx) {
        const int px = cx + gx, py = y + gy;
        if (px < 0 || py < 0 || px >= img.width() || py >= img.height()) continue;
        if (ink(p, gx, gy)) {
          const Rgb c = top.mix(bottom, std::clamp((gy - 2) / 6.0, 0.0, 1.0));
          img.setPixel(px, py, to255(c.r), to255(c.g), to255(c.b), 255);
        } else if (ink(p, gx - 1, gy - 1)) {
          img.setPixel(px, py, to255(shadow.r), to255(shadow.g), to255(shadow.b), 255);
        }
      }
  }
}

Picture PixelFont::fontPicture(const Theme& theme) const {
  CairoImage img(kGlyphCount * kAdvance, kHeight);
  for (int p = 0; p < kGlyphCount; ++p)
    drawPattern(img, p * kAdvance, 0, p, theme.textTop, theme.textBottom, theme.textShadow);
  return toKeyedPicture(img);
}

}  // namespace fg
