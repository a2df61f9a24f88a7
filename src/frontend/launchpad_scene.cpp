// The launch window's visible controls described for the platform to draw,
// each read from its row of the control table and the state it shows.
#include "frontend/launchpad_window.h"
#include "frontend/text_encoding.h"

namespace fg {

namespace {

UiKind uiKindOf(ControlKind k) {
  switch (k) {
    case ControlKind::Tab: return UiKind::Tab;
    case ControlKind::GroupBox: return UiKind::GroupBox;
    case ControlKind::TextField: return UiKind::TextField;
    case ControlKind::Button: return UiKind::Button;
    case ControlKind::ArrowButton: return UiKind::ArrowButton;
    case ControlKind::Radio: return UiKind::Radio;
    case ControlKind::CheckBox: return UiKind::CheckBox;
    case ControlKind::LevelBar: return UiKind::LevelBar;
    case ControlKind::Slider: return UiKind::Slider;
    case ControlKind::Label: return UiKind::Label;
    case ControlKind::List: return UiKind::List;
    case ControlKind::Picture:
    case ControlKind::TabStrip:
    case ControlKind::Panel: break;
  }
  return UiKind::Frame;
}

UiControl describe(const Control& c, const LaunchpadControls& s) {
  UiControl u;
  u.id = static_cast<int>(c.id);
  u.kind = uiKindOf(c.kind);
  u.rect = c.rect;
  u.caption = c.caption;
  u.hint = c.hint;
  if (c.kind == ControlKind::TabStrip) {
    // The strip's page ends where its tabs begin.
    u.rect.bottom = controlOf(ControlId::tab_game).rect.top;
  }
  if (c.kind == ControlKind::Tab) u.on = s.menutab == c.tab;
  if (c.kind == ControlKind::ArrowButton) u.value = c.caption == "<" ? -1 : 1;
  if (c.checked) u.on = s.*c.checked;
  if (c.level) {
    u.value = s.*c.level;
    u.minimum = c.minimum;
    u.maximum = c.maximum;
    u.step = c.step;
  }
  if (c.text) u.caption = cp1252ToUtf8(s.*c.text);
  if (c.kind == ControlKind::TextField) u.maxLength = Tlaunchpad::kMaxNameLength;
  if (c.rows) {
    u.rows = s.*c.rows;
    u.rowHeight = c.rowHeight;
    if (c.rowPictures) u.rowPictures = s.*c.rowPictures;
    const std::vector<bool>& sel = s.*c.rowSelected;
    for (size_t i = 0; i < sel.size() && i < u.rows.size(); ++i) {
      if (sel[i]) {
        u.selected = static_cast<int>(i);
        break;
      }
    }
  }
  return u;
}

}  // namespace

UiScene Tlaunchpad::uiScene() const {
  UiScene scene;
  for (const Control& c : launchpadControlTable()) {
    // The logo and the panels are the window's own picture; the ball
    // preview's picture too, with a frame around it.
    if (c.kind == ControlKind::Panel || c.id == ControlId::hor_logo) continue;
    if (!controlVisible(c, controls)) continue;
    scene.controls.push_back(describe(c, controls));
  }
  return scene;
}

}  // namespace fg
