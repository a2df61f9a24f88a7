#pragma once
// The ".hole" files: ball start, par and the 99 interaction areas.
#include <cstddef>
#include <string>

#include "state/game_state.h"
#include "sim/ini_text.h"

namespace fg {

// Hole files are small; anything larger is not a hole file and reads as empty.
constexpr size_t kHoleFileLimit = 4u << 20;

// A hole's name comes from the previous hole's cup: it may only name files
// in the game's folder (no folders, no "." or "..", no NUL).
bool isPlainFileName(const std::string& name);

// The text of folder/fileName, or empty when the file is missing, is not a
// plain file, is too large, or the name tries to leave the folder.
std::string readHoleText(const std::string& folder, const std::string& fileName);

// Fills ball_x, ball_y (with the start scatter), course_par, adds the par to
// par_total and overwrites every field of areas[1 … 99]. A missing file gives
// the defaults: start near (320, 240), par 3, no area enabled.
void ReadHoleFile(GameState& gs, const std::string& folder, const std::string& fileName);
void readHoleFromText(GameState& gs, const IniText& ini);

}  // namespace fg
