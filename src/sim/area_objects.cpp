// Areas that drive the hole's objects and names: set name, switch, ball
// shade and the bonus stroke.
#include "sim/area_effects.h"
#include "sim/geometry.h"
#include "sim/sim_actions.h"
#include "state/sound_items.h"

namespace fg {

namespace {

// The switch's lamp and its lit state both sit at this place on the course.
constexpr int32_t kSwitchX = 883, kSwitchY = 409;

void placeSwitchObject(GameState& gs, SimHost& host, int32_t slot, int32_t image) {
  EffectSlot& e = gs.effects[slot];
  e.x = kSwitchX;
  e.y = kSwitchY;
  e.image = image;
  e.blend = 0;
  e.looping = true;
  host.slotWritten(gs, slot);
}

void hideSlot(GameState& gs, SimHost& host, int32_t slot) {
  gs.effects[slot].x = 0;
  gs.effects[slot].y = 0;
  host.slotWritten(gs, slot);
}

void clearSlot(GameState& gs, SimHost& host, int32_t slot) {
  EffectSlot& e = gs.effects[slot];
  e.x = 0;
  e.y = 0;
  e.image = 0;
  e.looping = false;
  e.blend = 0;
  e.pulse = 0;  // the frame counter is left alone
  host.slotWritten(gs, slot);
}

}  // namespace

void setNameEffect(GameState& gs, const arearec& a) {
  // Slot 0 is the hole the cup flow loads next; a slot outside 0 … 4 names
  // nothing, so the entry is ignored.
  if (a.p1 == 0) gs.current_hole = a.comment;
  else if (a.p1 >= 1 && a.p1 <= 4) gs.name_slots[a.p1] = a.comment;
}

void switchEffect(GameState& gs, SimHost& host, const arearec& a) {
  switch (a.p1) {
    case 1:
      placeSwitchObject(gs, host, 29, 5);
      break;
    case 2:
      hideSlot(gs, host, 29);
      if (!gs.trigger_sound_done) {
        playIfSoundOn(gs, host, kSoundSwitch);
        gs.trigger_sound_done = true;
      }
      placeSwitchObject(gs, host, 30, 6);
      break;
    case 3:
      if (gs.effects[30].x == 0) gs.trigger_sound_done = false;
      hideSlot(gs, host, 29);
      hideSlot(gs, host, 30);
      break;
    default:
      break;
  }
}

void ballShadeEffect(GameState& gs, const arearec& a) { gs.players[0].ball_shade = a.p1; }

void bonusStrokeEffect(GameState& gs, SimHost& host, int32_t n) {
  gs.areas[n].enabled = false;  // once per hole
  clearSlot(gs, host, 30);
  clearSlot(gs, host, 31);
  gs.effect_next = 1;
  const int32_t x = subWrap(roundHalfEven(gs.ball_x), 80);
  const int32_t y = subWrap(roundHalfEven(gs.ball_y), 62);
  spawnEffect(gs, host, x, y, 6, 255);
  spawnEffect(gs, host, x, y, 6, -192);
  startBanner(gs, host, "BONUS STROKE");
  PlayerRecord& p = gs.players[0];
  p.total_strokes = subWrap(p.total_strokes, 1);
  p.strokes = subWrap(p.strokes, 1);
  host.bonusStrokeTaken(gs);
  gs.ball_vz = 3.0;
  gs.ball_airborne = true;
  playIfSoundOn(gs, host, kSoundBonus);
}

}  // namespace fg
