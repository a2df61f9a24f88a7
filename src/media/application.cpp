#include "media/application.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace fg {

namespace {
constexpr int kDoubleClickSlop = 4;  // pixels a second press may be off the first
// The rest between idle passes when no handler says when it has work.
constexpr uint32_t kRestMs = 1;
}

Application::Application(Platform& platform) : platform_(platform) {
  active_ = platform_.applicationActive();
}

bool Application::pumpMessages() {
  InputEvent e;
  while (!terminated_ && (tape_ && tape_->playing() ? tape_->pollEvent(e) : platform_.pollEvent(e))) {
    try {
      if (tape_) tape_->eventDispatched(e);
      dispatch(e);
    } catch (const std::exception& err) {
      showError(err.what());
    }
  }
  return !terminated_;
}

void Application::idle() {
  // Copy: a handler may unhook itself (a timer disabled inside its own tick).
  auto handlers = idle_;
  for (auto& h : handlers) {
    if (terminated_) break;
    bool still = std::any_of(idle_.begin(), idle_.end(), [&](const Idle& i) { return i.id == h.id; });
    if (!still) continue;
    try {
      h.fn();
    } catch (const std::exception& err) {
      showError(err.what());
    }
  }
  // The platform may rest until the first handler has work again.
  uint32_t quiet = idle_.empty() ? kRestMs : UINT32_MAX;
  for (const Idle& i : idle_) quiet = std::min(quiet, i.dueIn ? i.dueIn() : kRestMs);
  platform_.idleFor(quiet);
}

int Application::runModal(Window& w) {
  Window* previous = target_;
  target_ = &w;
  w.modalResult = 0;
  while (!terminated_ && w.modalResult == 0) {
    pumpMessages();
    if (terminated_ || w.modalResult != 0) break;
    idle();
  }
  target_ = previous;
  return w.modalResult;
}

void Application::runUntil(const std::function<bool()>& done) {
  while (!terminated_ && !done()) {
    pumpMessages();
    if (terminated_ || done()) break;
    idle();
  }
}

int Application::addIdleHandler(std::function<void()> handler, std::function<uint32_t()> dueIn) {
  idle_.push_back({nextId_, std::move(handler), std::move(dueIn)});
  return nextId_++;
}

void Application::removeIdleHandler(int id) {
  std::erase_if(idle_, [id](const Idle& i) { return i.id == id; });
}

int Application::addActivationListener(std::function<void(bool)> listener) {
  listeners_.push_back({nextId_, std::move(listener)});
  return nextId_++;
}

void Application::removeActivationListener(int id) {
  std::erase_if(listeners_, [id](const Listener& l) { return l.id == id; });
}

void Application::showError(const std::string& message) { platform_.showError(message); }

void Application::dispatch(const InputEvent& e) {
  held_.shift = e.shift;
  held_.ctrl = e.ctrl;
  held_.alt = e.alt;
  switch (e.type) {
    case EventType::Quit:
      terminated_ = true;
      return;
    case EventType::Activate:
    case EventType::Deactivate: {
      active_ = e.type == EventType::Activate;
      auto listeners = listeners_;
      for (auto& l : listeners) l.fn(active_);
      if (target_) target_->onActivate(active_);
      return;
    }
    default:
      break;
  }
  if (!target_) return;
  switch (e.type) {
    case EventType::KeyDown: target_->onKeyDown(e.key, held_); break;
    case EventType::KeyUp: target_->onKeyUp(e.key, held_); break;
    case EventType::TextInput: target_->onTextInput(e.text); break;
    case EventType::MouseMove: target_->onMouseMove(held_, e.x, e.y); break;
    case EventType::MouseDown: dispatchMouseDown(e); break;
    case EventType::MouseUp: dispatchMouseUp(e); break;
    default: break;
  }
}

void Application::dispatchMouseDown(const InputEvent& e) {
  Window* w = target_;
  bool left = e.button == MouseButton::Left;
  if (left) held_.left = true;
  if (e.button == MouseButton::Right) held_.right = true;
  if (e.button == MouseButton::Middle) held_.middle = true;
  if (!left) {
    w->onMouseDown(e.button, held_, e.x, e.y);
    return;
  }
  // In 64 bits: scripted and replayed positions may lie anywhere in 32.
  bool isDouble = haveClick_ && (e.time - lastClickTime_) <= platform_.doubleClickTime() &&
                  std::abs(int64_t{e.x} - lastClickX_) <= kDoubleClickSlop &&
                  std::abs(int64_t{e.y} - lastClickY_) <= kDoubleClickSlop;
  if (isDouble) {
    // The second press of a double click: no click of its own.
    haveClick_ = false;
    pendingDouble_ = true;
    w->onDblClick();
    if (target_ == w) w->onMouseDown(e.button, held_, e.x, e.y);
    return;
  }
  pendingDouble_ = false;
  haveClick_ = true;
  lastClickTime_ = e.time;
  lastClickX_ = e.x;
  lastClickY_ = e.y;
  w->onMouseDown(e.button, held_, e.x, e.y);
}

void Application::dispatchMouseUp(const InputEvent& e) {
  Window* w = target_;
  if (e.button == MouseButton::Left) held_.left = false;
  if (e.button == MouseButton::Right) held_.right = false;
  if (e.button == MouseButton::Middle) held_.middle = false;
  if (e.button == MouseButton::Left && !pendingDouble_) {
    w->onClick();
    if (target_ != w) return;  // the click closed or switched the window
  }
  pendingDouble_ = false;
  w->onMouseUp(e.button, held_, e.x, e.y);
}

}  // namespace fg
