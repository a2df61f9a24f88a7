#pragma once
// A window of the game as the message loop sees it: handlers for input, named
// after the events they receive. The loop calls them on the one logic thread.
#include <string>

#include "media/platform.h"

namespace fg {

struct ShiftState {
  bool shift = false, ctrl = false, alt = false;
  bool left = false, right = false, middle = false;  // buttons held
};

class Window {
 public:
  virtual ~Window() = default;
  virtual void onKeyDown(int /*key*/, ShiftState) {}
  virtual void onKeyUp(int /*key*/, ShiftState) {}
  virtual void onTextInput(const std::string&) {}
  virtual void onMouseMove(ShiftState, int /*x*/, int /*y*/) {}
  virtual void onMouseDown(MouseButton, ShiftState, int /*x*/, int /*y*/) {}
  virtual void onMouseUp(MouseButton, ShiftState, int /*x*/, int /*y*/) {}
  virtual void onClick() {}
  virtual void onDblClick() {}
  virtual void onActivate(bool /*active*/) {}
  // Non-zero ends a modal show of this window.
  int modalResult = 0;
};

}  // namespace fg
