#pragma once
// The places on the HUD panel that react to the mouse, and where a pressed
// button is drawn. They are fixed screen rectangles, the same whether the
// panel is shown full or minimised; the HUD draws with them and the mouse
// handlers test against them.
#include <array>
#include <cstdint>

namespace fg {

// Left, top, width, height; a point on any of the four edges is inside, so
// neighbouring buttons share their common column.
struct HudArea {
  int32_t left, top, width, height;
  bool contains(int32_t x, int32_t y) const {
    return x >= left && x <= left + width && y >= top && y <= top + height;
  }
};

// Buttons 1 … 5 (index 0 … 4): replay banner, putting method, sound, help,
// centre view. A press counts inside the button; its pressed look (pattern i
// of `gui` kGuiButtonsDown, drawn at the button's top-left) stays while the
// mouse is inside the larger hold area.
constexpr int kHudButtonCount = 5;
inline constexpr std::array<HudArea, kHudButtonCount> kHudButtons{{
    {17, 76, 22, 22},
    {39, 76, 22, 22},
    {61, 76, 22, 22},
    {83, 76, 22, 22},
    {105, 76, 22, 22},
}};
constexpr HudArea holdArea(const HudArea& button) {
  return {button.left - 1, button.top, button.width + 4, button.height + 4};
}

inline constexpr HudArea kMethodIndicator{196, 49, 40, 16};
inline constexpr HudArea kTitleStrip{4, 4, 265, 15};   // double click: panel size
inline constexpr HudArea kCloseArea{269, 4, 275, 15};  // click: leave the game

}  // namespace fg
