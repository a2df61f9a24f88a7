#pragma once
// The launch window's control table: every control with its kind, its place
// in 640×480 back-buffer pixels, its caption and the panel it sits on. Both
// the core's hit-testing and the platform's drawing of the controls use it.
#include <string>
#include <vector>

#include "frontend/launchpad_controls.h"
#include "media/rect.h"

namespace fg {

enum class ControlKind : uint8_t {
  Picture, TabStrip, Tab, Panel, GroupBox, TextField, Button, Radio, CheckBox, LevelBar, Label, List,
};

// Which panel shows a control; Window controls are always there.
enum class Panel : uint8_t { Window, Start, Setup, Quit };

enum class ControlId : uint8_t {
  hor_logo, menutab, tab_game, tab_training, tab_setup, tab_exit,
  start, player_box, name_label, name, balltexture, tex_inc, pullputt, pushputt, launch, Label3,
  setup, resolution_box, screen640, screen800, screen1024, fastwrite,
  sound_box, soundoff, sound8, sound16,
  speed_box, fskip_dec, frameskip, fskip_inc, skipintro, bgsounds, skin_label, skin,
  quit,
};

struct Control {
  ControlId id;
  const char* name;   // the control's name in the window
  ControlKind kind;
  Panel panel;
  Rect rect;          // back-buffer pixels, right/bottom exclusive
  std::string caption;
  std::string hint;
};

// Row height of the skin list, in pixels.
constexpr int kListRowHeight = 13;

const std::vector<Control>& launchpadControlTable();
const Control& controlOf(ControlId id);
// Whether the control is shown with the controls' current state.
bool controlVisible(const Control& c, const LaunchpadControls& state);
// The topmost visible control under (x, y) that takes the mouse, or null.
const Control* hitTest(int x, int y, const LaunchpadControls& state);

}  // namespace fg
