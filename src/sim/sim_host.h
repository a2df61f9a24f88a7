#pragma once
// What the simulation asks of the game window. The simulation itself only
// changes the game state; sounds, the cursor and loading the next hole go
// through this interface. The game window implements it for play, the
// recording host (sim/recording_host.h) for tools and tests.
//
// Sound setting: the simulation checks `sound_on` itself before every call
// that the game makes only with sound on. A call to playSound therefore
// always means "play it now" (items 10 and 18 are played whatever the
// setting says).
#include <cstdint>

namespace fg {

struct GameState;

// Bits of SimHost::particlesSpawned: which fields a burst writes besides
// position, angle, speeds, bounces, active, colour and shadow.
constexpr uint32_t kBurstSetsZ = 1;
constexpr uint32_t kBurstSetsDot = 2;

class SimHost {
 public:
  virtual ~SimHost() = default;

  // Start item n of the `sounds` wave list (fire and forget).
  virtual void playSound(int32_t item) = 0;
  // Stop item n if it is playing and start it from the beginning.
  virtual void restartSound(int32_t item) { playSound(item); }
  // Start item n of the hole's own `bgsounds` wave list, looping or once.
  virtual void playBgSound(int32_t item, bool looping) = 0;
  // Move the system cursor to (surfaceWidth() / 2, surfaceHeight() / 2).
  virtual void centreCursor() = 0;
  // The complete hole start for gs.current_hole (archives, state, title
  // card, timer, hole-start sound). Called from inside the cup sequence.
  virtual void HoleInit(GameState& gs) = 0;
  virtual int32_t surfaceWidth() const = 0;
  virtual int32_t surfaceHeight() const = 0;

  // Notifications for recorders; the game window need not care. They come
  // right after the state has been written.
  virtual void effectSpawned(const GameState&, int32_t /*slot*/) {}  // ring effect or splash
  virtual void slotWritten(const GameState&, int32_t /*slot*/) {}    // fixed object placed or removed
  virtual void bannerStarted(const GameState&) {}
  // The bonus stroke pick-up has taken one stroke back (the scorecard tells a
  // one-putt hole from one made shorter by the bonus).
  virtual void bonusStrokeTaken(const GameState&) {}
  virtual void particlesSpawned(const GameState&, int32_t /*first*/, int32_t /*count*/,
                                uint32_t /*fields*/) {}
};

}  // namespace fg
