#include "frontend/launchpad_layout.h"

#include <algorithm>

#include "frontend/launchpad_window.h"

namespace fg {

namespace {

Rect box(int x, int y, int w, int h) { return Rect{x, y, x + w, y + h}; }

// The panels sit over the tab strip's page at (15, 27); their children are
// placed relative to that corner.
constexpr int kPanelX = 15, kPanelY = 27;
Rect inPanel(int x, int y, int w, int h) { return box(kPanelX + x, kPanelY + y, w, h); }

using I = ControlId;
using K = ControlKind;
using P = Panel;
using L = LaunchpadControls;
using Handler = void (Tlaunchpad::*)();

Control plain(I id, const char* name, K kind, P panel, Rect r, std::string caption = {}) {
  return Control{.id = id, .name = name, .kind = kind, .panel = panel, .rect = r, .caption = std::move(caption), .hint = {}};
}

Control label(I id, const char* name, P panel, Rect r, std::string caption, std::string L::*text = nullptr) {
  Control c = plain(id, name, K::Label, panel, r, std::move(caption));
  c.text = text;
  return c;
}

Control tab(I id, Rect r, std::string caption, LaunchTab which) {
  Control c = plain(id, "menutab", K::Tab, P::Window, r, std::move(caption));
  c.tab = which;
  return c;
}

Control button(I id, const char* name, K kind, P panel, Rect r, std::string caption, Handler onClick,
               bool clicksOnPress = false) {
  Control c = plain(id, name, kind, panel, r, std::move(caption));
  c.onClick = onClick;
  c.clicksOnPress = clicksOnPress;
  return c;
}

Control radio(I id, const char* name, P panel, Rect r, std::string caption, bool L::*checked, int group) {
  Control c = plain(id, name, K::Radio, panel, r, std::move(caption));
  c.checked = checked;
  c.group = group;
  c.clicksOnPress = true;
  return c;
}

Control checkBox(I id, const char* name, P panel, Rect r, std::string caption, bool L::*checked,
                 std::string hint = {}, Handler onClick = nullptr) {
  Control c = plain(id, name, K::CheckBox, panel, r, std::move(caption));
  c.checked = checked;
  c.hint = std::move(hint);
  c.onClick = onClick;
  c.clicksOnPress = true;
  return c;
}

Control levelBar(I id, const char* name, P panel, Rect r, int32_t L::*level, int32_t lo, int32_t hi, int32_t step) {
  Control c = plain(id, name, K::LevelBar, panel, r);
  c.level = level;
  c.minimum = lo;
  c.maximum = hi;
  c.step = step;
  return c;
}

Control list(I id, const char* name, P panel, Rect r, std::vector<std::string> L::*rows,
             std::vector<bool> L::*selected) {
  Control c = plain(id, name, K::List, panel, r);
  c.rows = rows;
  c.rowSelected = selected;
  c.clicksOnPress = true;
  return c;
}

// A list whose rows each begin with a small picture.
Control pictureList(I id, const char* name, P panel, Rect r, std::vector<std::string> L::*rows,
                    std::vector<bool> L::*selected, std::shared_ptr<const std::vector<Picture>> L::*pictures,
                    int rowHeight) {
  Control c = list(id, name, panel, r, rows, selected);
  c.rowPictures = pictures;
  c.rowHeight = rowHeight;
  return c;
}

// A volume slider of the Setup panel, 0 … 100.
Control slider(I id, const char* name, Rect r, int32_t L::*level) {
  Control c = plain(id, name, K::Slider, P::Setup, r);
  c.level = level;
  c.minimum = 0;
  c.maximum = 100;
  c.step = 5;
  c.onClick = &Tlaunchpad::volumeChanged;
  return c;
}

Control textField(I id, const char* name, P panel, Rect r, std::string L::*text) {
  Control c = plain(id, name, K::TextField, panel, r);
  c.text = text;
  return c;
}

// Radio groups.
enum : int { kPuttGroup = 1, kScreenGroup, kSoundGroup, kCourseGroup };

std::vector<Control> buildTable() {
  using T = Tlaunchpad;
  return {
      plain(I::hor_logo, "hor_logo", K::Picture, P::Window, box(0, 0, 640, 480)),
      plain(I::menutab, "menutab", K::TabStrip, P::Window, box(8, 25, 401, 206)),
      // Tabs along the bottom edge of the strip.
      tab(I::tab_game, box(10, 211, 46, 20), "Game", LaunchTab::Game),
      tab(I::tab_training, box(56, 211, 72, 20), "Training", LaunchTab::Training),
      tab(I::tab_setup, box(128, 211, 52, 20), "Setup", LaunchTab::Setup),
      tab(I::tab_exit, box(180, 211, 46, 20), "Exit", LaunchTab::Exit),
      tab(I::tab_practice, box(226, 211, 66, 20), "Practice", LaunchTab::Practice),

      plain(I::start, "start", K::Panel, P::Start, inPanel(0, 0, 386, 182)),
      plain(I::player_box, "playerbox", K::GroupBox, P::Start, inPanel(4, 4, 240, 118), "Player"),
      label(I::name_label, "Label1", P::Start, inPanel(56, 33, 40, 14), "Name"),
      textField(I::name, "name", P::Start, inPanel(97, 31, 130, 17), &L::name),
      plain(I::balltexture, "balltexture", K::Picture, P::Start, inPanel(64, 55, 32, 32)),
      button(I::tex_inc, "tex_inc", K::Button, P::Start, inPanel(110, 63, 48, 18), "Next", &T::tex_incClick),
      radio(I::pullputt, "pullputt", P::Start, inPanel(24, 98, 90, 15), "Pull Putt", &L::pullputt, kPuttGroup),
      radio(I::pushputt, "pushputt", P::Start, inPanel(120, 98, 90, 15), "Push Putt", &L::pushputt, kPuttGroup),
      button(I::launch, "launch", K::Button, P::Start, inPanel(256, 72, 100, 24), "Start Game", &T::launchClick, true),
      label(I::Label3, "Label3", P::Start, inPanel(64, 144, 300, 14), "", &L::label3),
      // Which course a game plays: the meadow course or the harbour at night.
      plain(I::course_box, "coursebox", K::GroupBox, P::Start, inPanel(252, 4, 130, 60), "Course"),
      radio(I::course1, "course1", P::Start, inPanel(260, 20, 110, 15), "1 Fairglade", &L::course1, kCourseGroup),
      radio(I::course2, "course2", P::Start, inPanel(260, 38, 110, 15), "2 Harbour Lights", &L::course2,
            kCourseGroup),

      plain(I::setup, "setup", K::Panel, P::Setup, inPanel(0, 0, 386, 182)),
      plain(I::resolution_box, "resbox", K::GroupBox, P::Setup, inPanel(4, 2, 148, 80), "Resolution"),
      radio(I::screen640, "screen640", P::Setup, inPanel(12, 16, 120, 15), "640x480x16", &L::screen640, kScreenGroup),
      radio(I::screen800, "screen800", P::Setup, inPanel(12, 31, 120, 15), "800x600x16", &L::screen800, kScreenGroup),
      radio(I::screen1024, "screen1024", P::Setup, inPanel(12, 46, 120, 15), "1024x768x16", &L::screen1024,
            kScreenGroup),
      checkBox(I::fastwrite, "fastwrite", P::Setup, inPanel(12, 62, 120, 15), "Fast Writes", &L::fastwrites,
               "Requires a video card\r\ncapable of 2D hardware\r\nacceleration"),
      plain(I::sound_box, "soundbox", K::GroupBox, P::Setup, inPanel(160, 2, 100, 64), "Sound"),
      radio(I::soundoff, "soundoff", P::Setup, inPanel(168, 16, 80, 15), "Off", &L::soundoff, kSoundGroup),
      radio(I::sound8, "sound8", P::Setup, inPanel(168, 31, 80, 15), "8-bit", &L::sound8bit, kSoundGroup),
      radio(I::sound16, "sound16", P::Setup, inPanel(168, 46, 80, 15), "16-bit", &L::sound16bit, kSoundGroup),
      plain(I::speed_box, "speedbox", K::GroupBox, P::Setup, inPanel(4, 86, 200, 44), "Computer Speed"),
      button(I::fskip_dec, "fskip_dec", K::ArrowButton, P::Setup, inPanel(10, 104, 20, 18), "<", &T::fskip_decClick),
      levelBar(I::frameskip, "frameskip", P::Setup, inPanel(34, 106, 136, 14), &L::frameskip, kFrameSkipMin,
               kFrameSkipMax, kFrameSkipStep),
      button(I::fskip_inc, "fskip_inc", K::ArrowButton, P::Setup, inPanel(174, 104, 20, 18), ">", &T::fskip_incClick),
      checkBox(I::skipintro, "skipintro", P::Setup, inPanel(8, 136, 150, 15), "Skip Intro", &L::skipintro),
      checkBox(I::bgsounds, "bgsounds", P::Setup, inPanel(8, 152, 150, 15), "Background Sounds", &L::bgsounds),
      checkBox(I::sharppixels, "sharppixels", P::Setup, inPanel(8, 168, 150, 14), "Sharp Pixels", &L::sharp_pixels,
               "Scale the picture by whole numbers only", &T::sharppixelsClick),
      label(I::skin_label, "Label2", P::Setup, inPanel(224, 98, 150, 14), "Select Skin"),
      list(I::skin, "skin", P::Setup, inPanel(224, 112, 152, 68), &L::skins, &L::skin_selected),

      button(I::quit, "quit", K::Button, P::Quit, box(104, 106, 210, 26), "Click Here to Confirm Exit", &T::quitClick,
             true),

      // Under the line about game over, clear of the course choice.
      label(I::bests, "bests", P::Start, inPanel(64, 158, 316, 24), "", &L::bests_text),

      plain(I::practice, "practice", K::Panel, P::Practice, inPanel(0, 0, 386, 182)),
      pictureList(I::practice_list, "practicelist", P::Practice, inPanel(4, 4, 196, 174), &L::practice_rows,
                  &L::practice_selected, &L::practice_thumbnails, kPracticeRowHeight),
      plain(I::practice_preview, "practicepreview", K::Picture, P::Practice, inPanel(210, 4, 170, 114)),
      label(I::practice_info, "practiceinfo", P::Practice, inPanel(210, 122, 170, 28), "", &L::practice_info),
      button(I::practice_play, "practiceplay", K::Button, P::Practice, inPanel(245, 152, 100, 24), "Play Hole",
             &T::practiceClick, true),
      // Added controls, in the space the original window left free.
      plain(I::volume_box, "volumebox", K::GroupBox, P::Setup, inPanel(266, 2, 116, 92), "Volume"),
      label(I::music_label, "musiclabel", P::Setup, inPanel(272, 18, 46, 14), "Music"),
      slider(I::music_volume, "musicvolume", inPanel(320, 18, 56, 14), &L::music_volume),
      label(I::effects_label, "effectslabel", P::Setup, inPanel(272, 42, 46, 14), "Effects"),
      slider(I::effects_volume, "effectsvolume", inPanel(320, 42, 56, 14), &L::effects_volume),
      label(I::master_label, "masterlabel", P::Setup, inPanel(272, 66, 46, 14), "Master"),
      slider(I::master_volume, "mastervolume", inPanel(320, 66, 56, 14), &L::master_volume),
      button(I::watch, "watch", K::Button, P::Start, inPanel(256, 104, 120, 24), "Watch last round", &T::watchClick,
             true),
      label(I::status, "status", P::Window, box(10, 6, 620, 14), "", &L::status),
  };
}

bool takesMouse(ControlKind k) {
  switch (k) {
    case ControlKind::Tab:
    case ControlKind::TextField:
    case ControlKind::Button:
    case ControlKind::ArrowButton:
    case ControlKind::Slider:
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

void setRadio(LaunchpadControls& s, ControlId id, bool on) {
  const Control& c = controlOf(id);
  if (c.kind != ControlKind::Radio || !c.checked) return;
  if (on) {
    for (const Control& other : launchpadControlTable())
      if (other.kind == ControlKind::Radio && other.group == c.group && other.checked) s.*other.checked = false;
  }
  s.*c.checked = on;
}

bool controlVisible(const Control& c, const LaunchpadControls& s) {
  switch (c.panel) {
    case Panel::Window: return true;
    case Panel::Start: return s.start_visible && (c.id != ControlId::name || s.name_visible);
    case Panel::Setup: return s.setup_visible;
    case Panel::Quit: return s.quit_visible;
    case Panel::Practice: return s.practice_visible;
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
