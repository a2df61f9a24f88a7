#pragma once
// The last guard against a lost ball. The layouts keep every ball on its
// hole, but should one ever come to rest outside the hole's picture, where
// nobody can see or reach it, it is put back where it last rested and falls
// in there as it does after the water. The stroke that lost it stays
// counted. The game applies it once a frame with the course picture's size;
// without a picture (bare hole files in tools and tests) it does nothing, so
// those simulations run exactly as the hole files say.
#include <cstdint>
#include <string>

#include "sim/sim_host.h"
#include "state/game_state.h"

namespace fg {

class CourseGuard {
 public:
  // True when it put the ball back. width and height 0: no picture loaded.
  bool keepOnCourse(GameState& gs, SimHost& host, int32_t width, int32_t height);

 private:
  std::string hole_;  // the hole the remembered rest belongs to
  double x_ = 0, y_ = 0;
};

}  // namespace fg
