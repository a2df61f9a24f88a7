// The launch window's controls under the pointer and the keyboard: which
// control a press lands on, what it does, and typing into the name field.
#include <algorithm>

#include "frontend/launchpad_window.h"

namespace fg {

namespace {

bool isClickingControl(ControlKind k, ControlId id) {
  // The handler shared by the boxes, the list and two buttons: a click sound
  // as soon as the button goes down.
  return k == ControlKind::Radio || k == ControlKind::CheckBox || k == ControlKind::List ||
         id == ControlId::quit || id == ControlId::launch;
}

LaunchTab tabOf(ControlId id) {
  switch (id) {
    case ControlId::tab_game: return LaunchTab::Game;
    case ControlId::tab_training: return LaunchTab::Training;
    case ControlId::tab_setup: return LaunchTab::Setup;
    case ControlId::tab_exit: return LaunchTab::Exit;
    default: return LaunchTab::None;
  }
}

}  // namespace

void Tlaunchpad::pressControl(ControlId id, int row) {
  const Control& c = controlOf(id);
  nameFocus_ = id == ControlId::name;
  if (isClickingControl(c.kind, id)) skinMouseDown();
  if (id == ControlId::skin && row >= 0 && static_cast<size_t>(row) < controls.skins.size()) {
    // A single-choice list: the new row is the only one selected.
    std::fill(controls.skin_selected.begin(), controls.skin_selected.end(), false);
    controls.skin_selected[static_cast<size_t>(row)] = true;
  }
}

void Tlaunchpad::checkRadio(ControlId id) {
  auto& c = controls;
  switch (id) {
    case ControlId::pullputt: c.pullputt = true; c.pushputt = false; break;
    case ControlId::pushputt: c.pushputt = true; c.pullputt = false; break;
    case ControlId::screen640: c.screen640 = true; c.screen800 = c.screen1024 = false; break;
    case ControlId::screen800: c.screen800 = true; c.screen640 = c.screen1024 = false; break;
    case ControlId::screen1024: c.screen1024 = true; c.screen640 = c.screen800 = false; break;
    case ControlId::soundoff: c.soundoff = true; c.sound8bit = c.sound16bit = false; break;
    case ControlId::sound8: c.sound8bit = true; c.soundoff = c.sound16bit = false; break;
    case ControlId::sound16: c.sound16bit = true; c.soundoff = c.sound8bit = false; break;
    default: break;
  }
}

void Tlaunchpad::activateControl(ControlId id) {
  LaunchTab tab = tabOf(id);
  if (tab != LaunchTab::None) {
    if (tab != controls.menutab) menutabTabChanged(tab);
    return;
  }
  switch (id) {
    case ControlId::fastwrite: controls.fastwrites = !controls.fastwrites; break;
    case ControlId::skipintro: controls.skipintro = !controls.skipintro; break;
    case ControlId::bgsounds: controls.bgsounds = !controls.bgsounds; break;
    case ControlId::tex_inc: tex_incClick(); break;
    case ControlId::fskip_inc: fskip_incClick(); break;
    case ControlId::fskip_dec: fskip_decClick(); break;
    case ControlId::launch: launchClick(); break;
    case ControlId::quit: quitClick(); break;
    default: checkRadio(id); break;
  }
}

void Tlaunchpad::setPlayerName(const std::string& text) {
  // The HUD draws the name with its bitmap font: printable ASCII only, and
  // short enough to fit the panel.
  std::string clean;
  for (char ch : text) {
    if (ch >= 0x20 && ch < 0x7F && clean.size() < kMaxNameLength) clean += ch;
  }
  controls.name = clean;
}

void Tlaunchpad::onMouseDown(MouseButton b, ShiftState, int x, int y) {
  havePressed_ = false;
  if (!visible_) return;
  const Control* c = hitTest(x, y, controls);
  if (b != MouseButton::Left) {
    // Any button clicks on the boxes and the list; only the left one acts.
    if (c && isClickingControl(c->kind, c->id)) skinMouseDown();
    return;
  }
  if (!c) {
    nameFocus_ = false;
    return;
  }
  int row = -1;
  if (c->kind == ControlKind::List) row = (y - c->rect.top) / kListRowHeight;
  pressed_ = c->id;
  havePressed_ = true;
  pressControl(c->id, row);
}

void Tlaunchpad::onMouseUp(MouseButton b, ShiftState, int x, int y) {
  if (b != MouseButton::Left || !havePressed_) return;
  havePressed_ = false;
  const Control* c = hitTest(x, y, controls);
  if (c && c->id == pressed_) activateControl(c->id);
}

void Tlaunchpad::onTextInput(const std::string& text) {
  if (nameFocus_ && controls.name_visible && controls.start_visible) setPlayerName(controls.name + text);
}

void Tlaunchpad::onKeyDown(int key, ShiftState) {
  if (key == vk::Back && nameFocus_ && !controls.name.empty()) controls.name.pop_back();
}

}  // namespace fg
