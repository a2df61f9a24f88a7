#pragma once
// `gengine`: the frame timer. It ticks from the message loop's idle passes,
// paced by an interval in milliseconds, and measures the frame rate that the
// effect animation reads.
#include <cstdint>
#include <functional>

#include "media/application.h"

namespace fg {

class FrameTimer {
 public:
  explicit FrameTimer(Application& app);
  ~FrameTimer();
  FrameTimer(const FrameTimer&) = delete;
  FrameTimer& operator=(const FrameTimer&) = delete;

  bool Enabled() const { return enabled_; }
  void setEnabled(bool value);
  bool ActiveOnly = true;
  int32_t Interval() const { return interval_; }
  void setInterval(int32_t ms);
  int32_t FramesPerSecond() const { return fps_; }
  bool running() const { return idleId_ != 0; }
  // The frame-rate measurement carries over from one start to the next; a
  // recorded round keeps where it stood so its playback starts the same.
  struct RateState {
    int32_t fps = 0, framesInWindow = 0;
  };
  RateState rateState() const { return {fps_, framesInWindow_}; }
  void setRateState(const RateState& r) {
    fps_ = r.fps;
    framesInWindow_ = r.framesInWindow;
  }

  // The game loop; receives the lag count (whole intervals since the last tick).
  std::function<void(int32_t lagCount)> OnTimer;

  // One idle pass; public so tests can drive the timer against a fake clock.
  void idlePass();
  // Milliseconds until the next tick is due; 0 when it is due now.
  uint32_t dueIn();

 private:
  void hook();
  void unhook();
  void activationChanged(bool active);

  Application& app_;
  bool enabled_ = true;
  int32_t interval_ = 1000;
  int32_t divisor_ = 1000;
  uint32_t lastTick_ = 0;
  uint32_t windowStart_ = 0;
  int32_t framesInWindow_ = 0;
  int32_t fps_ = 0;
  int idleId_ = 0;
  int listenerId_ = 0;
  bool inTick_ = false;
};

}  // namespace fg
