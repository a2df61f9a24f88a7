#pragma once
// The interface pictures of a game: "gui.dxg", the ball texture chosen in the
// launch window, and the skin bitmaps that replace single pictures.
#include <array>
#include <string>

#include "state/gui_items.h"
#include "state/launchpad_controls.h"

namespace fg {

// The skin file of each replaceable `gui` item, item 0 first.
inline constexpr std::array<const char*, kGuiSkinItems> kSkinFiles{
    "pointer.bmp", "panel.bmp",  "panelmin.bmp", "buttonsdown.bmp", "pushputt.bmp",
    "gauge.bmp",   "target.bmp", "font.bmp",     "numbers.bmp",
};

// Only the first 256 entries of the skin list count.
constexpr size_t kSkinListLimit = 256;

// The folder the skin files are read from, with a trailing '/': the last
// selected entry of the skin list under exeDir + "skins/", or exeDir itself
// when nothing is selected.
std::string skinFolder(const LaunchpadControls& launchpad, const std::string& exeDir);

// The file `name` in `folder`, matched without regard to case when the exact
// name is not there (skins are often made on systems that ignore case).
// Empty when no such regular file exists.
std::string findSkinFile(const std::string& folder, const std::string& name);

}  // namespace fg
