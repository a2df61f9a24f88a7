#pragma once
// The launch window's controls as data. The game window does not get the
// settings handed over: while it starts it reads these controls directly, and
// its HUD reads the player name from here every frame.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/picture.h"

namespace fg {

// The "Computer Speed" bar's range. A position below 25 would give the game
// five or more sub-steps per frame, which it cannot take.
constexpr int32_t kFrameSkipMin = 25;
constexpr int32_t kFrameSkipMax = 100;
constexpr int32_t kFrameSkipStep = 25;

// Practice comes after the four tabs the window always had, so theirs keep
// their numbers and places.
enum class LaunchTab : int8_t { None = -1, Game = 0, Training = 1, Setup = 2, Exit = 3, Practice = 4 };

struct LaunchpadControls {
  // Game tab.
  std::string name = "Player 1";      // the player box's `name` field
  bool pullputt = true;               // radio pair: pull putt / push putt
  bool pushputt = false;
  bool course1 = true;                // radio pair: which course a game plays
  bool course2 = false;
  Picture ball_texture;               // the preview's picture, copied into `gui` item 11
  // Setup panel: resolution radios (one group; none checked keeps the mode).
  bool screen640 = true;
  bool screen800 = false;
  bool screen1024 = false;
  bool fastwrites = true;             // "Fast Writes": shown checked, never read
  bool sound8bit = false;             // sound radios: 8-bit / 16-bit / Off
  bool sound16bit = true;
  bool soundoff = false;
  int32_t frameskip = 75;             // "Computer Speed" bar position, 25 … 100
  bool skipintro = false;
  bool bgsounds = true;               // "Background Sounds"
  bool sharp_pixels = false;          // "Sharp Pixels": scale the picture by whole numbers only
  // Volume sliders, 0 … 100: the music and background sounds, the effects,
  // and all of it. Kept under names older versions do not read.
  int32_t music_volume = 100;
  int32_t effects_volume = 100;
  int32_t master_volume = 100;
  // Skin list: entry 0 is "[default interface]", then the skin folders.
  std::vector<std::string> skins{"[default interface]"};
  std::vector<bool> skin_selected{false};
  // The game window's `training_mode` follows the tab that started the game.
  bool training_tab = false;

  // What the window shows: the tab strip's tab and the panels over it.
  LaunchTab menutab = LaunchTab::Game;
  bool start_visible = false;         // panel with the player box and "Start Game"
  bool setup_visible = false;
  bool quit_visible = false;
  bool name_visible = false;          // the player box's text field
  std::string label3 = "The game ends if score is 2 over par";
  std::string texture_file;           // file name of the shown texture, empty for the built-in one
  std::string bests_text;             // the player's bests, on the Game tab

  // Practice tab: every hole of the game folder in course order.
  bool practice_visible = false;
  std::vector<std::string> practice_holes;  // file names, one per row
  std::vector<std::string> practice_rows;
  std::vector<bool> practice_selected;
  std::string practice_info;          // par and best of the chosen hole
  Picture practice_preview;           // a small picture of the chosen hole
  // A thumbnail per row, made once the first time the tab is shown.
  std::shared_ptr<const std::vector<Picture>> practice_thumbnails;
  std::string status = "F12 saves a screenshot";  // the status line above the tabs
};

}  // namespace fg
