#include "sim/course_guard.h"

#include "sim/sim_actions.h"
#include "state/sound_items.h"

namespace fg {

bool CourseGuard::keepOnCourse(GameState& gs, SimHost& host, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return false;
  if (gs.ball_moving || gs.in_water || gs.in_tunnel || gs.holed_out) return false;
  const bool inside = gs.ball_x >= 0 && gs.ball_y >= 0 && gs.ball_x < width && gs.ball_y < height;
  if (inside) {
    hole_ = gs.current_hole;
    x_ = gs.ball_x;
    y_ = gs.ball_y;
    return false;
  }
  if (hole_ != gs.current_hole) return false;  // no rest on this hole yet to go back to
  gs.ball_x = gs.ball_prev_x = x_;
  gs.ball_y = gs.ball_prev_y = y_;
  dropBallIn(gs);
  spawnDropInEffect(gs, host);
  playIfSoundOn(gs, host, kSoundTeleport);
  return true;
}

}  // namespace fg
