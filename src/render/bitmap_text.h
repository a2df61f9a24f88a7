#pragma once
// The three picture-font writers of the game screen and the scrolling message
// banner. There is no system font on the full-screen display: every letter is
// a pattern of a picture, and each writer starts one advance to the right of
// the x it is given.
#include <cstdint>
#include <string_view>

#include "media/image_list.h"
#include "media/surface.h"
#include "state/game_state.h"

namespace fg {

struct GameContext;

// Pattern of a character in the HUD font (`gui` kGuiFont). Characters outside
// the font's map take pattern 30, a blank.
int32_t fontPattern(unsigned char c);
// Pattern of a character in the score digits (`gui` kGuiDigits), or -1 for a
// character that is not drawn but still takes its place.
int32_t digitPattern(unsigned char c);
// Pattern of a character in the large font (`menu` kMenuLargeFont).
int32_t largePattern(unsigned char c);

// The font writer: advance = the font's stored pattern width.
void writeFontText(const PictureItem& font, Surface& dst, std::string_view text, int32_t x, int32_t y);
// The digit writer: advance = stored pattern width + 1.
void writeDigitText(const PictureItem& digits, Surface& dst, std::string_view text, int32_t x, int32_t y);
// The large writer: additive at alpha 170 into glyph boxes of the stored
// pattern size.
void writeLargeText(const PictureItem& large, Surface& dst, std::string_view text, int32_t x, int32_t y);

// Banners are started with startBanner (sim/sim_actions.h).
// Windows of the banner on the two panel sizes.
constexpr int32_t kBannerWindowSmall = 21;
constexpr int32_t kBannerWindowFull = 28;

// One banner frame: ends a message that has run out, otherwise advances it
// and writes the visible window of it with `font` on the name line.
void drawBanner(GameState& gs, const PictureItem* font, Surface& dst);
void drawBanner(GameContext& ctx);

}  // namespace fg
