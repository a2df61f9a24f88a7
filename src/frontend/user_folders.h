#pragma once
// Where the game keeps what it makes for the player besides the settings:
// the data folder (replays, records) and the screenshot folder.
#include <string>

namespace fg {

// $XDG_DATA_HOME/fairglade when that is an absolute path, else
// $HOME/.local/share/fairglade. Empty when neither can be found.
std::string dataFolder();
// $XDG_PICTURES_DIR/Fairglade (from the environment, else from the user's
// "user-dirs.dirs"), or the data folder when there is no pictures folder.
std::string screenshotFolder();

}  // namespace fg
