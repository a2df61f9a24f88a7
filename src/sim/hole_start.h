#pragma once
// The state side of a hole start: the game window's HoleInit wraps this with
// the frame timer, the loading picture, the archives, the title card and the
// hole-start sound.
#include <string>

#include "state/game_state.h"
#include "sim/sim_host.h"

namespace fg {

// Reads folder/<current_hole>.hole, resets the per-hole state, empties effect
// slots 1 … 45, places the arrival effect and the hole's fixed objects.
void holeStartState(GameState& gs, SimHost& host, const std::string& folder);

// The per-hole resets alone (strokes, putt, camera, ball drop-in, flags).
void resetHoleState(GameState& gs);

// The animated objects that some holes place by name in slots 28 … 34.
void placeFixedObjects(GameState& gs, SimHost& host);

}  // namespace fg
