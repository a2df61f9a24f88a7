#pragma once
// The application object: owns the message loop that every nested loop shares
// (the modal show of a window, the title-card wait), delivers input to the
// window in front, and hands idle passes to the frame timers hooked into it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "media/platform.h"
#include "media/window.h"

namespace fg {

// A recorded round, seen by the message loop: told of everything a round
// depends on while it is recorded, and standing in for the platform's input
// and clock while it plays back. Frame timers and the loop report to it.
class InputTape {
 public:
  virtual ~InputTape() = default;
  virtual void eventDispatched(const InputEvent&) {}
  virtual void timerHooked(uint32_t /*now*/) {}  // a frame timer (re)started at that time
  virtual void timerTicked(uint32_t /*now*/) {}  // a frame timer ticked at that time
  // Playback: true while the tape gives the events and the clock.
  virtual bool playing() const { return false; }
  virtual bool pollEvent(InputEvent&) { return false; }
  virtual uint32_t clock() { return 0; }
};

class Application {
 public:
  explicit Application(Platform& platform);

  Platform& platform() { return platform_; }
  std::string Title;

  // The window that receives input; a modal show makes its window the target
  // until it ends, then gives input back to the previous one.
  void setTarget(Window* w) { target_ = w; }
  Window* target() const { return target_; }

  // Processes every pending event. False once the program is asked to quit.
  bool pumpMessages();
  // Runs the loop until `w.modalResult` is non-zero (or quit); input goes to w.
  int runModal(Window& w);
  // Runs the loop until `done()` is true or the program quits.
  void runUntil(const std::function<bool()>& done);
  // One idle pass: the idle handlers run, then the platform idles.
  void idle();

  // The clock the game's timers read: the platform's, or a playing tape's.
  uint32_t clock() { return tape_ && tape_->playing() ? tape_->clock() : platform_.clock(); }
  void setTape(InputTape* tape) { tape_ = tape; }
  InputTape* tape() const { return tape_; }

  // The loop's memory of the last click and the held buttons, which decides
  // whether the next press is a double click; a recorded round keeps it.
  struct ClickState {
    uint32_t time = 0;
    int x = -1000, y = -1000;
    bool pendingDouble = false, haveClick = false;
    bool left = false, right = false, middle = false;
  };
  ClickState clickState() const {
    return {lastClickTime_, lastClickX_, lastClickY_, pendingDouble_, haveClick_, held_.left, held_.right, held_.middle};
  }
  void setClickState(const ClickState& c) {
    lastClickTime_ = c.time;
    lastClickX_ = c.x;
    lastClickY_ = c.y;
    pendingDouble_ = c.pendingDouble;
    haveClick_ = c.haveClick;
    held_.left = c.left;
    held_.right = c.right;
    held_.middle = c.middle;
  }

  bool active() const { return active_; }
  bool terminated() const { return terminated_; }
  void terminate() { terminated_ = true; }

  // Idle handlers (the frame timers). Returned id removes it again. `dueIn`
  // tells how many milliseconds until the handler has work again, so the
  // platform may rest that long; without it the loop rests only a moment.
  int addIdleHandler(std::function<void()> handler, std::function<uint32_t()> dueIn = {});
  void removeIdleHandler(int id);
  // Activation listeners (frame timers pause while the application is inactive).
  int addActivationListener(std::function<void(bool)> listener);
  void removeActivationListener(int id);

  // An error that escaped a handler: shown, and the program goes on.
  void showError(const std::string& message);

 private:
  void dispatch(const InputEvent& e);
  void dispatchMouseDown(const InputEvent& e);
  void dispatchMouseUp(const InputEvent& e);

  Platform& platform_;
  InputTape* tape_ = nullptr;
  Window* target_ = nullptr;
  bool active_ = true;
  bool terminated_ = false;
  ShiftState held_;
  // Click shaping: a press and release on the same spot make a click; a second
  // press within the double-click time makes press, click, release, double
  // click, press, release, in the order the game's handlers rely on.
  uint32_t lastClickTime_ = 0;
  int lastClickX_ = -1000, lastClickY_ = -1000;
  bool pendingDouble_ = false;
  bool haveClick_ = false;
  struct Idle { int id; std::function<void()> fn; std::function<uint32_t()> dueIn; };
  struct Listener { int id; std::function<void(bool)> fn; };
  std::vector<Idle> idle_;
  std::vector<Listener> listeners_;
  int nextId_ = 1;
};

}  // namespace fg
