#pragma once
// The drawing side of the cup, tunnel and water sequences and of the end of
// the game; the sequences themselves are in sim/hole_flow.h.
#include <cstdint>

#include "media/image_list.h"
#include "media/surface.h"
#include "state/game_state.h"
#include "sim/sim_host.h"

namespace fg {

// `course` item 2 at the cup area's (x2, y2): the cup's front rim over the ball.
void drawCupRim(const GameState& gs, const ImageList& course, Surface& back);
// `course` item p3 at the tunnel area's (p1, p2): the entrance over the ball.
void drawTunnelEntrance(const GameState& gs, const ImageList& course, Surface& back);

// The three sequences with their sprites. The cup's rim goes on before the
// cup may start the next hole, so it is drawn with the hole it belongs to.
void runHoleFlowAndDraw(GameState& gs, SimHost& host, const ImageList& course, Surface& back);

// While the game is finished, its message twice with the large writer, the
// second copy shifted at random so it shimmers. The frame runs it right after
// the end-of-game check (frame_phases.h).
void drawEndOfGameMessage(GameState& gs, const PictureItem* largeFont, Surface& back);

}  // namespace fg
