#pragma once
// The pause of the game window: the frame timer stops, the last picture
// stays on screen with "PAUSED" written over it, and play picks up with the
// next tick after the same key, with no frames owed for the time away.
#include "media/surface.h"
#include "render/game_context.h"

namespace fg {

class GamePause {
 public:
  bool paused() const { return paused_; }
  // Only while the frame timer runs (not in a hole start or a title card).
  void pause(GameContext& ctx);
  void resume(GameContext& ctx);
  // Shows the paused picture again (the display may have been away).
  void redraw(GameContext& ctx);
  // The window closed while paused: nothing to restore.
  void forget() { paused_ = false; }

 private:
  bool paused_ = false;
  Surface picture_;  // the frame as it was, without the word over it
};

}  // namespace fg
