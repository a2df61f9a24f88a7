#include "media/frame_timer.h"

#include <algorithm>
#include <cmath>

namespace fg {

FrameTimer::FrameTimer(Application& app) : app_(app) {
  listenerId_ = app_.addActivationListener([this](bool active) { activationChanged(active); });
  // A timer starts enabled; the game window's is switched off before it is used.
  enabled_ = false;
  setEnabled(true);
}

FrameTimer::~FrameTimer() {
  unhook();
  app_.removeActivationListener(listenerId_);
}

void FrameTimer::setEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  unhook();
  if (enabled_ && (!ActiveOnly || app_.active())) hook();
}

void FrameTimer::setInterval(int32_t ms) {
  interval_ = std::max(ms, 0);
  divisor_ = std::max(ms, 1);
}

void FrameTimer::hook() {
  unhook();
  uint32_t now = app_.clock();
  if (InputTape* tape = app_.tape()) tape->timerHooked(now);
  lastTick_ = now;
  windowStart_ = now;
  idleId_ = app_.addIdleHandler([this] { idlePass(); }, [this] { return dueIn(); });
}

void FrameTimer::unhook() {
  if (idleId_ != 0) app_.removeIdleHandler(idleId_);
  idleId_ = 0;
}

void FrameTimer::activationChanged(bool active) {
  if (!enabled_ || !ActiveOnly) return;
  // Resuming resets both times, so the first tick after a pause has no backlog.
  if (active)
    hook();
  else
    unhook();
}

uint32_t FrameTimer::dueIn() {
  uint32_t since = app_.clock() - lastTick_;
  auto interval = static_cast<uint32_t>(interval_);
  return since < interval ? interval - since : 0;
}

void FrameTimer::idlePass() {
  if (inTick_) return;  // ticks never overlap, even from a nested loop
  uint32_t now = app_.clock();
  uint32_t since = now - lastTick_;
  if (since < static_cast<uint32_t>(interval_)) return;
  if (InputTape* tape = app_.tape()) tape->timerTicked(now);
  uint32_t lag = since / static_cast<uint32_t>(divisor_);
  lastTick_ = now;

  ++framesInWindow_;
  uint32_t window = std::max<uint32_t>(now - windowStart_, 1);
  if (window >= 200) {
    // Halves go to the even neighbour, as the rate was always rounded.
    double rate = static_cast<double>(framesInWindow_) * 1000.0 / static_cast<double>(now - windowStart_);
    fps_ = static_cast<int32_t>(std::nearbyint(rate));
    framesInWindow_ = 0;
    windowStart_ = now;
  }
  if (OnTimer) {
    inTick_ = true;
    try {
      OnTimer(static_cast<int32_t>(std::max<uint32_t>(lag, 1)));
    } catch (...) {
      inTick_ = false;
      throw;
    }
    inTick_ = false;
  }
}

}  // namespace fg
