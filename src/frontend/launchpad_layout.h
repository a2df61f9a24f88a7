#pragma once
// The launch window's control table: every control with its kind, its place
// in 640×480 back-buffer pixels, its caption, the panel it sits on and the
// piece of `LaunchpadControls` it shows and changes. The core's hit-testing,
// the description handed to the platform for drawing and the actions all
// read it, so a new control is one new row (plus its handler, if it has one).
#include <string>
#include <vector>

#include "media/rect.h"
#include "media/ui_layer.h"
#include "state/launchpad_controls.h"

namespace fg {

class Tlaunchpad;

enum class ControlKind : uint8_t {
  Picture, TabStrip, Tab, Panel, GroupBox, TextField, Button, ArrowButton, Radio, CheckBox, LevelBar, Slider,
  Label, List,
};

// Which panel shows a control; Window controls are always there.
enum class Panel : uint8_t { Window, Start, Setup, Quit, Practice };

enum class ControlId : uint8_t {
  hor_logo, menutab, tab_game, tab_training, tab_setup, tab_exit,
  start, player_box, name_label, name, balltexture, tex_inc, pullputt, pushputt, launch, Label3,
  course_box, course1, course2,
  setup, resolution_box, screen640, screen800, screen1024, fastwrite,
  sound_box, soundoff, sound8, sound16,
  speed_box, fskip_dec, frameskip, fskip_inc, skipintro, bgsounds, sharppixels, skin_label, skin,
  quit,
  bests, tab_practice, practice, practice_list, practice_preview, practice_info, practice_play,
  // Beyond the original window: the volume sliders, replays, the status line.
  volume_box, music_label, music_volume, effects_label, effects_volume, master_label, master_volume,
  watch, status,
};

struct Control {
  ControlId id;
  const char* name;   // the control's name in the window
  ControlKind kind;
  Panel panel;
  Rect rect;          // back-buffer pixels, right/bottom exclusive
  std::string caption;
  std::string hint;
  // The state the control shows and changes; null where it has none.
  bool LaunchpadControls::*checked = nullptr;                     // Radio, CheckBox
  int group = 0;                                                  // Radio: checking one unchecks its group
  int32_t LaunchpadControls::*level = nullptr;                    // LevelBar, Slider
  int32_t minimum = 0, maximum = 0, step = 1;                     // LevelBar, Slider
  std::string LaunchpadControls::*text = nullptr;                 // Label with changing text, TextField
  std::vector<std::string> LaunchpadControls::*rows = nullptr;    // List
  std::vector<bool> LaunchpadControls::*rowSelected = nullptr;    // List
  int rowHeight = kUiListRowHeight;                               // List
  std::shared_ptr<const std::vector<Picture>> LaunchpadControls::*rowPictures = nullptr;  // List
  LaunchTab tab = LaunchTab::None;                                // Tab
  // Button: its click handler. Slider: called after a move. CheckBox and
  // Radio: called after the state changed.
  void (Tlaunchpad::*onClick)() = nullptr;
  // A mouse button going down on it plays the click sound (any button).
  bool clicksOnPress = false;
};

// Row height of the skin list, in pixels.
constexpr int kListRowHeight = kUiListRowHeight;
// The practice list's rows hold a small picture of their hole.
constexpr int kThumbnailWidth = 32, kThumbnailHeight = 24;
constexpr int kPracticeRowHeight = kThumbnailHeight + 2;

const std::vector<Control>& launchpadControlTable();
const Control& controlOf(ControlId id);
// Checks (`on`) or unchecks a radio button as the control does: checking one
// unchecks the others of its group.
void setRadio(LaunchpadControls& state, ControlId id, bool on);
// Whether the control is shown with the controls' current state.
bool controlVisible(const Control& c, const LaunchpadControls& state);
// The topmost visible control under (x, y) that takes the mouse, or null.
const Control* hitTest(int x, int y, const LaunchpadControls& state);

}  // namespace fg
