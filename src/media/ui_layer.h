#pragma once
// Controls a window hands the platform to draw over its picture, and what the
// player did to them, handed back. The window describes every control each
// time it is drawn (kind, place in back-buffer pixels, caption, state); the
// platform draws whatever it is given and reports presses, clicks, new values
// and edited text by the control's number. The window acts on them later,
// between pictures, never inside the platform's drawing.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/picture.h"
#include "media/rect.h"

namespace fg {

enum class MouseButton : uint8_t { Left = 1, Right = 2, Middle = 3 };

enum class UiKind : uint8_t {
  Frame,        // a plain border (a picture's box, a tab strip's page)
  GroupBox,     // a border with its caption on the top edge
  Label,        // caption as text
  Tab,          // a tab of a strip; `on` when it is the selected one
  Button,       // caption on a button
  ArrowButton,  // a button with an arrow glyph; `value` < 0 points left
  Radio,        // `on` when checked
  CheckBox,     // `on` when checked; `hint` as its tooltip
  LevelBar,     // shows `value` within `minimum` … `maximum`, ticks every `step`
  Slider,       // like a level bar, but dragged; reports a new value
  List,         // `rows`, `selected` the chosen row or -1; `rowPictures` beside them
  TextField,    // `caption` is the text (UTF-8), at most `maxLength` characters
};

// Height of a list's row, in pixels: the window finds the row a scripted
// click lands on with it.
constexpr int kUiListRowHeight = 13;

struct UiControl {
  int id = 0;  // the window's number for the control, handed back with input
  UiKind kind = UiKind::Label;
  Rect rect;   // back-buffer pixels, right/bottom exclusive
  std::string caption;
  std::string hint;
  bool on = false;
  int32_t value = 0, minimum = 0, maximum = 0, step = 1;
  std::vector<std::string> rows;
  int selected = -1;
  int rowHeight = kUiListRowHeight;
  // A small picture at the left of each row (by index; an empty one leaves
  // its place blank). Shared, so describing the scene copies no pixels.
  std::shared_ptr<const std::vector<Picture>> rowPictures;
  size_t maxLength = 0;
};

// Everything to draw, in order: later controls lie over earlier ones.
struct UiScene {
  std::vector<UiControl> controls;
};

struct UiInput {
  enum class What : uint8_t {
    Press,  // a mouse button went down on the control (`row` on a list)
    Click,  // the left button went down and up on it: its action
    Value,  // a slider was moved to `value`
    Text,   // a text field's text became `text` (UTF-8)
  };
  What what = What::Click;
  int id = 0;
  MouseButton button = MouseButton::Left;
  int row = -1;
  int32_t value = 0;
  std::string text;
};

class UiLayer {
 public:
  virtual ~UiLayer() = default;
  // The controls as they are to be drawn now.
  virtual UiScene uiScene() const = 0;
  // What the player did; the window keeps it for its next idle pass.
  virtual void uiInput(const UiInput& input) = 0;
};

}  // namespace fg
