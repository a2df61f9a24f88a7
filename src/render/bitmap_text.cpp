#include "render/bitmap_text.h"

#include <algorithm>
#include <string>

#include "render/game_context.h"
#include "sim/geometry.h"
#include "state/gui_items.h"

namespace fg {

namespace {

// The font's glyphs in picture order. Two blanks, only "a" and "t" in lower
// case, the three Nordic capitals as their Windows-1252 bytes, and a second
// "=" at 59 that a lookup never reaches because the first one is found at 43.
constexpr char kFontMap[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ\"at  0123456789<>=()-`!_+\\/{}^&%.=$#\xC5\xD6\xC4?*";
static_assert(sizeof(kFontMap) - 1 == 67);

constexpr int32_t kFontBlank = 30;
constexpr int32_t kLargeAlpha = 170;

struct FontTable {
  int8_t pattern[256];
  constexpr FontTable() : pattern{} {
    for (int c = 0; c < 256; ++c) pattern[c] = kFontBlank;
    // Backwards, so the first occurrence wins.
    for (int i = static_cast<int>(sizeof(kFontMap)) - 2; i >= 0; --i)
      pattern[static_cast<unsigned char>(kFontMap[i])] = static_cast<int8_t>(i);
  }
};
constexpr FontTable kFontTable;


// x + i * advance; a picture may carry any pattern width, so the sum wraps
// instead of overflowing.
int32_t place(int32_t x, size_t i, int32_t advance) {
  return addWrap(x, mulWrap(static_cast<int32_t>(i), advance));
}

}  // namespace

int32_t fontPattern(unsigned char c) { return kFontTable.pattern[c]; }

int32_t digitPattern(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c == '-') return 11;
  return -1;
}

int32_t largePattern(unsigned char c) { return c >= 32 && c <= 92 ? c - 32 : 0; }

void writeFontText(const PictureItem& font, Surface& dst, std::string_view text, int32_t x, int32_t y) {
  const int32_t advance = font.patternWidth;
  for (size_t i = 1; i <= text.size(); ++i)
    font.BlitPattern(dst, place(x, i, advance), y,
                     fontPattern(static_cast<unsigned char>(text[i - 1])));
}

void writeDigitText(const PictureItem& digits, Surface& dst, std::string_view text, int32_t x, int32_t y) {
  const int32_t advance = addWrap(digits.patternWidth, 1);
  for (size_t i = 1; i <= text.size(); ++i) {
    int32_t p = digitPattern(static_cast<unsigned char>(text[i - 1]));
    if (p >= 0) digits.BlitPattern(dst, place(x, i, advance), y, p);
  }
}

void writeLargeText(const PictureItem& large, Surface& dst, std::string_view text, int32_t x, int32_t y) {
  const int32_t w = large.patternWidth, h = large.patternHeight;
  for (size_t i = 1; i <= text.size(); ++i) {
    const int32_t left = place(x, i, w);
    large.BlitAdditive(dst, Rect{left, y, addWrap(left, w), addWrap(y, h)},
                       largePattern(static_cast<unsigned char>(text[i - 1])), kLargeAlpha);
  }
}

void drawBanner(GameState& gs, const PictureItem* font, Surface& dst) {
  const int64_t length = static_cast<int64_t>(gs.banner_text.size());
  if (4 * length < gs.banner_pos) gs.banner_pos = -1;
  if (gs.banner_pos == -1) return;
  gs.banner_pos += 1;
  // Start positions 0 and 1 both mean the first character.
  const size_t start = static_cast<size_t>(std::max(1, gs.banner_pos / 4)) - 1;
  const size_t window = gs.panel_minimised ? kBannerWindowSmall : kBannerWindowFull;
  std::string_view visible;
  if (start < gs.banner_text.size()) visible = std::string_view(gs.banner_text).substr(start, window);
  if (!font) return;
  if (gs.panel_minimised)
    writeFontText(*font, dst, visible, 80, 9);
  else
    writeFontText(*font, dst, visible, 116, 31);
}

void drawBanner(GameContext& ctx) { drawBanner(ctx.gs, ctx.gui.find(kGuiFont), ctx.DXDraw.surface()); }

}  // namespace fg
