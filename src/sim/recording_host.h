#pragma once
// A SimHost without a window: it writes down what the simulation asked for,
// in order, and runs the state side of a hole start from a folder of hole
// files. Used by the course tools, the putt runner and the tests.
#include <string>
#include <vector>

#include "state/game_state.h"
#include "sim/sim_actions.h"
#include "sim/sim_host.h"

namespace fg {

struct SimEvent {
  enum class Kind { Sound, BgSound, Banner, Effect, Slot, CursorCentre, Particles };
  Kind kind = Kind::Sound;
  int32_t item = 0;      // sound / bgsound item, effect or particle slot
  bool looping = false;  // bgsound, slot
  EffectSlot slot;       // effect, slot: the slot after the write
  std::string text;      // banner words, without the leading spaces
  // Particles: the burst's common fields (z or dot absent when left as they were).
  int32_t count = 0;
  Particle first;
  bool has_z = false, has_dot = false;
  std::vector<ParticleMotion> motions;
};

class RecordingHost : public SimHost {
 public:
  explicit RecordingHost(std::string hole_folder = {}, int32_t width = 640, int32_t height = 480)
      : folder_(std::move(hole_folder)), width_(width), height_(height) {}

  void playSound(int32_t item) override;
  void playBgSound(int32_t item, bool looping) override;
  void centreCursor() override;
  // Background loop (when on), the state side of the hole start, then the
  // hole-start sound (when on). Counts the calls.
  void HoleInit(GameState& gs) override;
  int32_t surfaceWidth() const override { return width_; }
  int32_t surfaceHeight() const override { return height_; }

  void effectSpawned(const GameState& gs, int32_t slot) override;
  void slotWritten(const GameState& gs, int32_t slot) override;
  void bannerStarted(const GameState& gs) override;
  void particlesSpawned(const GameState& gs, int32_t first, int32_t count, uint32_t fields) override;

  std::vector<SimEvent>& events() { return events_; }
  std::vector<SimEvent> takeEvents();
  int holeInits() const { return hole_inits_; }
  const std::string& folder() const { return folder_; }
  // When off, events are not kept (the putt runner needs none).
  void setRecording(bool on) { recording_ = on; }

 private:
  void add(SimEvent e);

  std::string folder_;
  int32_t width_, height_;
  std::vector<SimEvent> events_;
  int hole_inits_ = 0;
  bool recording_ = true;
};

}  // namespace fg
