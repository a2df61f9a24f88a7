#include "frontend/launchpad_layout.h"

#include <algorithm>

namespace fg {

namespace {

Rect box(int x, int y, int w, int h) { return Rect{x, y, x + w, y + h}; }

// The panels sit over the tab strip's page at (15, 27); their children are
// placed relative to that corner.
constexpr int kPanelX = 15, kPanelY = 27;
Rect inPanel(int x, int y, int w, int h) { return box(kPanelX + x, kPanelY + y, w, h); }

std::vector<Control> buildTable() {
  using K = ControlKind;
  using P = Panel;
  using I = ControlId;
  return {
      {I::hor_logo, "hor_logo", K::Picture, P::Window, box(0, 0, 640, 480), "", ""},
      {I::menutab, "menutab", K::TabStrip, P::Window, box(8, 25, 401, 206), "", ""},
      // Tabs along the bottom edge of the strip.
      {I::tab_game, "menutab", K::Tab, P::Window, box(10, 211, 46, 20), "Game", ""},
      {I::tab_training, "menutab", K::Tab, P::Window, box(56, 211, 72, 20), "Training", ""},
      {I::tab_setup, "menutab", K::Tab, P::Window, box(128, 211, 52, 20), "Setup", ""},
      {I::tab_exit, "menutab", K::Tab, P::Window, box(180, 211, 46, 20), "Exit", ""},

      {I::start, "start", K::Panel, P::Start, inPanel(0, 0, 386, 182), "", ""},
      {I::player_box, "playerbox", K::GroupBox, P::Start, inPanel(4, 4, 240, 118), "Player", ""},
      {I::name_label, "Label1", K::Label, P::Start, inPanel(56, 33, 40, 14), "Name", ""},
      {I::name, "name", K::TextField, P::Start, inPanel(97, 31, 130, 17), "", ""},
      {I::balltexture, "balltexture", K::Picture, P::Start, inPanel(64, 55, 32, 32), "", ""},
      {I::tex_inc, "tex_inc", K::Button, P::Start, inPanel(110, 63, 48, 18), "Next", ""},
      {I::pullputt, "pullputt", K::Radio, P::Start, inPanel(24, 98, 90, 15), "Pull Putt", ""},
      {I::pushputt, "pushputt", K::Radio, P::Start, inPanel(120, 98, 90, 15), "Push Putt", ""},
      {I::launch, "launch", K::Button, P::Start, inPanel(256, 72, 100, 24), "Start Game", ""},
      {I::Label3, "Label3", K::Label, P::Start, inPanel(64, 144, 300, 14), "", ""},

      {I::setup, "setup", K::Panel, P::Setup, inPanel(0, 0, 386, 182), "", ""},
      {I::resolution_box, "resbox", K::GroupBox, P::Setup, inPanel(4, 2, 148, 80), "Resolution", ""},
      {I::screen640, "screen640", K::Radio, P::Setup, inPanel(12, 16, 120, 15), "640x480x16", ""},
      {I::screen800, "screen800", K::Radio, P::Setup, inPanel(12, 31, 120, 15), "800x600x16", ""},
      {I::screen1024, "screen1024", K::Radio, P::Setup, inPanel(12, 46, 120, 15), "1024x768x16", ""},
      {I::fastwrite, "fastwrite", K::CheckBox, P::Setup, inPanel(12, 62, 120, 15), "Fast Writes",
       "Requires a video card\r\ncapable of 2D hardware\r\nacceleration"},
      {I::sound_box, "soundbox", K::GroupBox, P::Setup, inPanel(160, 2, 100, 64), "Sound", ""},
      {I::soundoff, "soundoff", K::Radio, P::Setup, inPanel(168, 16, 80, 15), "Off", ""},
      {I::sound8, "sound8", K::Radio, P::Setup, inPanel(168, 31, 80, 15), "8-bit", ""},
      {I::sound16, "sound16", K::Radio, P::Setup, inPanel(168, 46, 80, 15), "16-bit", ""},
      {I::speed_box, "speedbox", K::GroupBox, P::Setup, inPanel(4, 86, 200, 44), "Computer Speed", ""},
      {I::fskip_dec, "fskip_dec", K::Button, P::Setup, inPanel(10, 104, 20, 18), "<", ""},
      {I::frameskip, "frameskip", K::LevelBar, P::Setup, inPanel(34, 106, 136, 14), "", ""},
      {I::fskip_inc, "fskip_inc", K::Button, P::Setup, inPanel(174, 104, 20, 18), ">", ""},
      {I::skipintro, "skipintro", K::CheckBox, P::Setup, inPanel(8, 136, 150, 15), "Skip Intro", ""},
      {I::bgsounds, "bgsounds", K::CheckBox, P::Setup, inPanel(8, 152, 150, 15), "Background Sounds", ""},
      {I::skin_label, "Label2", K::Label, P::Setup, inPanel(224, 98, 150, 14), "Select Skin", ""},
      {I::skin, "skin", K::List, P::Setup, inPanel(224, 112, 152, 68), "", ""},

      {I::quit, "quit", K::Button, P::Quit, box(104, 106, 210, 26), "Click Here to Confirm Exit", ""},
  };
}

bool takesMouse(ControlKind k) {
  switch (k) {
    case ControlKind::Tab:
    case ControlKind::TextField:
    case ControlKind::Button:
    case ControlKind::Radio:
    case ControlKind::CheckBox:
    case ControlKind::List:
      return true;
    default:
      return false;
  }
}

}  // namespace

const std::vector<Control>& launchpadControlTable() {
  static const std::vector<Control> table = buildTable();
  return table;
}

const Control& controlOf(ControlId id) {
  const auto& t = launchpadControlTable();
  return *std::find_if(t.begin(), t.end(), [id](const Control& c) { return c.id == id; });
}

bool controlVisible(const Control& c, const LaunchpadControls& s) {
  switch (c.panel) {
    case Panel::Window: return true;
    case Panel::Start: return s.start_visible && (c.id != ControlId::name || s.name_visible);
    case Panel::Setup: return s.setup_visible;
    case Panel::Quit: return s.quit_visible;
  }
  return false;
}

const Control* hitTest(int x, int y, const LaunchpadControls& s) {
  const auto& t = launchpadControlTable();
  // Later rows lie on top of earlier ones.
  for (auto it = t.rbegin(); it != t.rend(); ++it) {
    const Rect& r = it->rect;
    if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
    if (!takesMouse(it->kind) || !controlVisible(*it, s)) continue;
    return &*it;
  }
  return nullptr;
}

}  // namespace fg
