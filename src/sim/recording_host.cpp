#include "sim/recording_host.h"

#include "sim/hole_start.h"
#include "sim/sim_actions.h"
#include "state/sound_items.h"

namespace fg {

void RecordingHost::add(SimEvent e) {
  if (recording_) events_.push_back(std::move(e));
}

std::vector<SimEvent> RecordingHost::takeEvents() {
  std::vector<SimEvent> out;
  out.swap(events_);
  return out;
}

void RecordingHost::playSound(int32_t item) {
  SimEvent e;
  e.kind = SimEvent::Kind::Sound;
  e.item = item;
  add(std::move(e));
}

void RecordingHost::playBgSound(int32_t item, bool looping) {
  SimEvent e;
  e.kind = SimEvent::Kind::BgSound;
  e.item = item;
  e.looping = looping;
  add(std::move(e));
}

void RecordingHost::centreCursor() {
  SimEvent e;
  e.kind = SimEvent::Kind::CursorCentre;
  add(std::move(e));
}

void RecordingHost::HoleInit(GameState& gs) {
  ++hole_inits_;
  if (gs.bgsound_on) playBgSound(0, true);
  holeStartState(gs, *this, folder_);
  playIfSoundOn(gs, *this, kSoundTeleport);
}

void RecordingHost::effectSpawned(const GameState& gs, int32_t slot) {
  SimEvent e;
  e.kind = SimEvent::Kind::Effect;
  e.item = slot;
  e.slot = gs.effects[slot];
  add(std::move(e));
}

void RecordingHost::slotWritten(const GameState& gs, int32_t slot) {
  SimEvent e;
  e.kind = SimEvent::Kind::Slot;
  e.item = slot;
  e.slot = gs.effects[slot];
  e.looping = e.slot.looping;
  add(std::move(e));
}

void RecordingHost::bannerStarted(const GameState& gs) {
  SimEvent e;
  e.kind = SimEvent::Kind::Banner;
  e.text = gs.banner_text.size() > kBannerLead ? gs.banner_text.substr(kBannerLead) : std::string{};
  add(std::move(e));
}

void RecordingHost::particlesSpawned(const GameState& gs, int32_t first, int32_t count, uint32_t fields) {
  if (!recording_) return;
  SimEvent e;
  e.kind = SimEvent::Kind::Particles;
  e.item = first;
  e.count = count;
  e.has_z = (fields & kBurstSetsZ) != 0;
  e.has_dot = (fields & kBurstSetsDot) != 0;
  for (int32_t i = first; i < first + count && i < kParticleSlots; ++i) {
    const Particle& p = gs.particles[i];
    if (i == first) e.first = p;
    e.motions.push_back({p.angle, p.speed, p.vspeed});
  }
  add(std::move(e));
}

}  // namespace fg
