// The launch window's controls under the pointer and the keyboard: which
// control a press lands on, what it does, and typing into the name field.
// What a control does is read from its row in the control table.
#include <algorithm>
#include <iostream>

#include "frontend/screenshot.h"

#include "frontend/launchpad_window.h"
#include "frontend/text_encoding.h"

namespace fg {

void Tlaunchpad::pressControl(ControlId id, int row) {
  const Control& c = controlOf(id);
  nameFocus_ = id == ControlId::name;
  if (c.clicksOnPress) skinMouseDown();
  if (c.rowSelected && row >= 0 && static_cast<size_t>(row) < (controls.*c.rows).size()) {
    // A single-choice list: the new row is the only one selected.
    std::vector<bool>& selected = controls.*c.rowSelected;
    selected.assign((controls.*c.rows).size(), false);
    selected[static_cast<size_t>(row)] = true;
    if (id == ControlId::practice_list) practiceChosen();
  }
}

void Tlaunchpad::activateControl(ControlId id) {
  const Control& c = controlOf(id);
  if (c.kind == ControlKind::Tab) {
    if (c.tab != controls.menutab) menutabTabChanged(c.tab);
    return;
  }
  if (c.checked && c.kind == ControlKind::CheckBox) controls.*c.checked = !(controls.*c.checked);
  if (c.kind == ControlKind::Radio) setRadio(controls, c.id, true);
  if (c.onClick) (this->*c.onClick)();
}

void Tlaunchpad::setControlValue(ControlId id, int32_t value) {
  const Control& c = controlOf(id);
  if (!c.level) return;
  controls.*c.level = std::clamp(value, c.minimum, c.maximum);
  if (c.onClick) (this->*c.onClick)();
}

void Tlaunchpad::setPlayerName(const std::string& text) {
  // The HUD draws the name with its bitmap font: the typed text in the
  // game's 8-bit encoding, what that font can draw, short enough to fit.
  controls.name = hudFontText(utf8ToCp1252(text), kMaxNameLength);
}

void Tlaunchpad::uiInput(const UiInput& in) { actions_.push_back(in); }

void Tlaunchpad::runAction(const UiInput& a) {
  const auto& table = launchpadControlTable();
  auto found = std::find_if(table.begin(), table.end(), [&](const Control& c) { return static_cast<int>(c.id) == a.id; });
  if (found == table.end()) return;
  const Control& c = *found;
  // Drawn controls act only while their panel shows them.
  if (!controlVisible(c, controls)) return;
  switch (a.what) {
    case UiInput::What::Press:
      if (a.button == MouseButton::Left) {
        pressControl(c.id, a.row);
      } else if (c.clicksOnPress) {
        // Any button clicks on the boxes, the list and two buttons; only the
        // left one acts.
        skinMouseDown();
      }
      break;
    case UiInput::What::Click: activateControl(c.id); break;
    case UiInput::What::Value: setControlValue(c.id, a.value); break;
    case UiInput::What::Text:
      if (c.text) setPlayerName(a.text);
      break;
  }
}

void Tlaunchpad::onMouseDown(MouseButton b, ShiftState, int x, int y) {
  havePressed_ = false;
  if (!visible_) return;
  const Control* c = hitTest(x, y, controls);
  if (b != MouseButton::Left) {
    // Any button clicks on the boxes and the list; only the left one acts.
    if (c && c->clicksOnPress) skinMouseDown();
    return;
  }
  if (!c) {
    nameFocus_ = false;
    return;
  }
  int row = -1;
  if (c->kind == ControlKind::List) row = (y - c->rect.top) / c->rowHeight;
  if (c->kind == ControlKind::Slider && c->rect.width() > 1) {
    int32_t span = c->maximum - c->minimum;
    setControlValue(c->id, c->minimum + span * (x - c->rect.left) / (c->rect.width() - 1));
  }
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
  if (nameFocus_ && controls.name_visible && controls.start_visible)
    setPlayerName(cp1252ToUtf8(controls.name) + text);
}

void Tlaunchpad::onKeyDown(int key, ShiftState) {
  if (key == vk::Back && nameFocus_ && !controls.name.empty()) controls.name.pop_back();
  if (key == vk::F12) screenshotKey();
}

void Tlaunchpad::screenshotKey() {
  try {
    std::string path = saveScreenshot(app_.platform());
    controls.status = "Screenshot saved: " + path;
  } catch (const std::exception& e) {
    controls.status = std::string("No screenshot: ") + e.what();
  }
  std::cout << controls.status << std::endl;
}

}  // namespace fg
