#pragma once
// The application object: owns the message loop that every nested loop shares
// (the modal show of a window, the title-card wait), delivers input to the
// window in front, and hands idle passes to the frame timers hooked into it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/window.h"

namespace fg {

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
