#pragma once
// Shared set-ups for the simulation tests: a ball on flat ground, areas built
// in code, and counting what the recording host saw.
#include <algorithm>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "sim/recording_host.h"

namespace fg::test {

// A ball resting on flat ground at (x, y), sound on, no areas.
inline GameState groundBall(double x = 500, double y = 500) {
  GameState gs;
  gs.ball_x = x;
  gs.ball_y = y;
  gs.ball_prev_x = x;
  gs.ball_prev_y = y;
  gs.last_bounce_area = -1;
  gs.sound_on = true;
  gs.effect_next = 1;
  return gs;
}

inline arearec circleArea(int32_t kind, int32_t x, int32_t y, int32_t r) {
  arearec a;
  a.kind = kind;
  a.x1 = x;
  a.y1 = y;
  a.r = r;
  a.enabled = true;
  return a;
}

inline arearec wallArea(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  arearec a;
  a.kind = kind;
  a.x1 = x1;
  a.y1 = y1;
  a.x2 = x2;
  a.y2 = y2;
  a.enabled = true;
  return a;
}

// Axis-aligned box as a quadrilateral area.
inline arearec boxArea(int32_t kind, int32_t left, int32_t top, int32_t right, int32_t bottom) {
  arearec a;
  a.kind = kind;
  a.x1 = left;
  a.y1 = top;
  a.x2 = right;
  a.y2 = top;
  a.x3 = right;
  a.y3 = bottom;
  a.x4 = left;
  a.y4 = bottom;
  a.enabled = true;
  return a;
}

inline std::vector<int32_t> sounds(const std::vector<SimEvent>& events) {
  std::vector<int32_t> out;
  for (const SimEvent& e : events) {
    if (e.kind == SimEvent::Kind::Sound) out.push_back(e.item);
  }
  return out;
}

inline int countKind(const std::vector<SimEvent>& events, SimEvent::Kind kind) {
  return static_cast<int>(std::count_if(events.begin(), events.end(), [&](const SimEvent& e) { return e.kind == kind; }));
}

inline std::vector<std::string> banners(const std::vector<SimEvent>& events) {
  std::vector<std::string> out;
  for (const SimEvent& e : events) {
    if (e.kind == SimEvent::Kind::Banner) out.push_back(e.text);
  }
  return out;
}

}  // namespace fg::test

namespace fg::test {

// A recorder whose hole start only clears the cup flag, for runs that must
// stay on the hole they were given.
class RecordingHostNoInit : public RecordingHost {
 public:
  void HoleInit(GameState& gs) override { gs.holed_out = false; }
};

}  // namespace fg::test
