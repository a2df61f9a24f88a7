#include "sim/hole_start.h"

#include <string_view>

#include "sim/geometry.h"
#include "sim/hole_file.h"
#include "sim/sim_actions.h"

namespace fg {

namespace {

struct FixedObject {
  std::string_view hole;
  int32_t slot, x, y, image, blend, frame, pulse;
};

constexpr FixedObject kFixedObjects[] = {
    {"training1", 28, 332, 664, 4, 0, 0, 0},
    {"training1", 29, 96, 171, 5, 0, 0, 4},
    {"training1", 33, 782, 289, 9, 0, 0, 800},
    {"training1", 34, 1154, 372, 10, 0, 0, 4},
    {"training2", 31, 799, 397, 7, 0, 0, 0},
    {"course1hole2", 31, 252, 489, 8, 0, 0, 0},
    // The bonus-stroke pick-up; area kind 35 removes both.
    {"course1hole1", 31, 600, 500, 5, -128, 0, 0},
    {"course1hole1", 30, 600, 500, 5, 255, 0, 0},
    {"course1hole3", 29, 930, 240, 9, 192, 0, 0},
    {"course1hole3", 31, 470, 808, 9, -220, 0, 0},
    {"course1hole3", 32, 520, 822, 9, -220, 7, 0},
    {"course1hole3", 33, 236, 127, 9, -220, 0, 0},
    {"course1hole3", 34, 171, 125, 9, 250, 7, 0},
};

}  // namespace

void resetHoleState(GameState& gs) {
  for (PlayerRecord& p : gs.players) p.strokes = 0;
  gs.pointer_visible = true;
  gs.putt_phase = 0;
  gs.camera_x = 0;
  gs.camera_y = 0;
  dropBallIn(gs);
  gs.holed_out = false;
  gs.holed_area = 0;
  gs.trigger_sound_done = false;
}

void placeFixedObjects(GameState& gs, SimHost& host) {
  for (const FixedObject& f : kFixedObjects) {
    if (gs.current_hole != f.hole) continue;
    EffectSlot& e = gs.effects[f.slot];
    e = EffectSlot{};
    e.x = f.x;
    e.y = f.y;
    e.image = f.image;
    e.blend = f.blend;
    e.frame = f.frame;
    e.pulse = f.pulse;
    e.looping = true;
    host.slotWritten(gs, f.slot);
  }
}

void holeStartState(GameState& gs, SimHost& host, const std::string& folder) {
  ReadHoleFile(gs, folder, gs.current_hole + ".hole");
  resetHoleState(gs);
  for (int i = 1; i < kEffectSlots; ++i) gs.effects[i] = EffectSlot{};
  spawnDropInEffect(gs, host);
  placeFixedObjects(gs, host);
}

}  // namespace fg
