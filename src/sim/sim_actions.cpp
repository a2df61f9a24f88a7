#include "sim/sim_actions.h"

#include "sim/geometry.h"

namespace fg {

void spawnEffect(GameState& gs, SimHost& host, int32_t x, int32_t y, int32_t image, int32_t blend) {
  // The ring is 0 … 25 (0 only before the very first effect of a run); a
  // value from anywhere else restarts it rather than writing past the table.
  if (gs.effect_next < 0 || gs.effect_next > 25) gs.effect_next = 1;
  int32_t slot = gs.effect_next;
  EffectSlot& e = gs.effects[slot];
  e.x = x;
  e.y = y;
  e.image = image;
  e.looping = false;
  e.blend = blend;
  gs.effect_next = gs.effect_next + 1 > 25 ? 1 : gs.effect_next + 1;
  host.effectSpawned(gs, slot);
}

void startBanner(GameState& gs, SimHost& host, std::string_view words) {
  gs.banner_text.assign(kBannerLead, ' ');
  gs.banner_text.append(words);
  gs.banner_pos = 0;
  host.bannerStarted(gs);
}

void dropBallIn(GameState& gs) {
  gs.last_bounce_area = -1;
  gs.ball_z = 80.0;
  gs.ball_vz = 0;
  gs.ball_angle = 0;
  gs.ball_speed = 0;
  gs.ball_airborne = true;
  gs.ball_moving = true;
  gs.in_water = false;
  gs.sink_timer = 15;
  gs.recentre_camera = true;
}

void spawnDropInEffect(GameState& gs, SimHost& host) {
  spawnEffect(gs, host, subWrap(roundHalfEven(gs.ball_x), 17),
              subWrap(subWrap(roundHalfEven(gs.ball_y), roundHalfEven(gs.ball_z)), 28), 13, 192);
}

}  // namespace fg
