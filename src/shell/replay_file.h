#pragma once
// A recorded round as text, in the words of the headless input scripts
// ("at 1500 keydown F1", "at 2000 press 320 240 right" …) with what a round
// needs besides: the random generator's seed, the launch window's settings
// the game reads, the state the round starts from, and when the frame timer
// started and ticked, so a playback runs the very same frames.
#include <cstdint>
#include <string>
#include <vector>

#include "frontend/personal_bests.h"
#include "media/application.h"
#include "media/frame_timer.h"
#include "media/platform.h"
#include "state/launchpad_controls.h"

namespace fg {

struct TapeEntry {
  enum class Kind : uint8_t { Event, Hook, Tick } kind = Kind::Event;
  uint32_t time = 0;  // the game's clock when it happened
  InputEvent event;   // Event only
};

struct RoundResult {
  bool finished = false;  // "YOU FINISHED" or "GAME OVER" was reached
  int32_t strokes = 0;    // player 1's total strokes
  int32_t score = 0;      // against par
  std::string hole;       // the hole the round ended on
};

struct Replay {
  uint32_t seed = 0;
  bool training = false;
  // Only the fields a game reads are kept: name, putting method, speed,
  // resolution, sound off, background sounds, skin and ball texture.
  LaunchpadControls settings;
  std::string skin;  // the chosen skin folder, empty for the default interface
  FrameTimer::RateState rate;
  int32_t effectCarry = 0;
  Application::ClickState click;
  std::vector<std::string> state;  // saveRoundState()
  // The player's bests the round was played against (the scorecard's "NEW BEST").
  std::vector<BestRecord> bests;
  std::vector<TapeEntry> entries;
  RoundResult result;
};

// Largest replay file read (a long round at 60 frames a second is far less).
constexpr size_t kMaxReplayBytes = 64u << 20;

std::string formatReplay(const Replay& r);
// Throws GameError "Replay line N: …" on a line it cannot read.
Replay parseReplay(const std::string& text);

}  // namespace fg
