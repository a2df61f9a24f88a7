#pragma once
// The items of the game window's interface archives, by what they show:
// `gui` ("gui.dxg", items 0 … 8 replaceable by a skin) and `menu`
// ("menu.dxg"). Every drawing, loading and input file uses these names; the
// content generator writes the archives in this order.
#include <cstdint>

namespace fg {

// `gui`
constexpr int32_t kGuiPointer = 0;        // the mouse pointer
constexpr int32_t kGuiPanel = 1;          // the full HUD panel
constexpr int32_t kGuiPanelMin = 2;       // the small HUD panel
constexpr int32_t kGuiButtonsDown = 3;    // pressed look of the five panel buttons, pattern i for button i + 1
constexpr int32_t kGuiPushPutt = 4;       // marker on the panel while the push putt is chosen
constexpr int32_t kGuiGauge = 5;          // the power gauge
constexpr int32_t kGuiTarget = 6;         // the aiming target
constexpr int32_t kGuiFont = 7;           // the HUD and banner font
constexpr int32_t kGuiDigits = 8;         // the large score digits
constexpr int32_t kGuiPutterShadow = 9;   // 32 directions, like the putter
constexpr int32_t kGuiPutter = 10;
constexpr int32_t kGuiBallTexture = 11;   // replaced by the launch window's texture
constexpr int32_t kGuiBallShading = 15;
constexpr int32_t kGuiBallDarkening = 16; // also the shade of a shaded area
constexpr int32_t kGuiBallShadow = 17;
constexpr int32_t kGuiItemCount = 18;
// The items a skin folder may replace: 0 … kGuiSkinItems - 1.
constexpr int32_t kGuiSkinItems = 9;

// `menu`
constexpr int32_t kMenuLargeFont = 0;     // the end-of-game letters
constexpr int32_t kMenuLoading = 1;       // shown while a hole loads
constexpr int32_t kMenuHelpPull = 2;      // help picture for the pull putt
constexpr int32_t kMenuHelpPush = 3;      // help picture for the push putt

}  // namespace fg
