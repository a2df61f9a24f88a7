#pragma once
// Recording a round as it is played, and playing a recorded one back through
// the game window exactly as it went: the same frames at the same clock
// times, the same input between them, from the same seed and state.
#include <functional>
#include <string>

#include "media/application.h"
#include "shell/replay_file.h"

namespace fg {

class TMain;

// Pictures of a round: every `every`-th frame as "frame-NNNNNN.png" (none
// when 0) and the picture it ended on as "end.png", into `folder`.
struct RoundShots {
  std::string folder;
  uint32_t every = 0;
};

class RoundRecorder : public InputTape {
 public:
  RoundRecorder(Platform& platform, Replay& out, const RoundShots* shots = nullptr)
      : platform_(platform), out_(out), shots_(shots) {}
  void eventDispatched(const InputEvent& e) override;
  void timerHooked(uint32_t now) override;
  void timerTicked(uint32_t now) override;
  uint32_t frames() const { return frames_; }

 private:
  Platform& platform_;
  Replay& out_;
  const RoundShots* shots_;
  uint32_t frames_ = 0;
};

class RoundPlayer : public InputTape {
 public:
  // `paced`: wait for the real clock to catch up with the recorded times
  // (watching in a window); headless renders as fast as it can.
  RoundPlayer(Platform& platform, const Replay& replay, bool paced, const RoundShots* shots = nullptr);

  bool playing() const override { return true; }
  bool pollEvent(InputEvent& e) override;
  uint32_t clock() override;
  void timerHooked(uint32_t now) override;
  void timerTicked(uint32_t now) override;

  // Called once when the recording has run out, or the viewer pressed
  // Escape: the game window closes.
  std::function<void()> onEnd;
  bool ended() const { return ended_; }
  // Frames whose time or place differed from the recording (0 for a faithful playback).
  int divergences() const { return divergences_; }
  uint32_t frames() const { return frames_; }

 private:
  void drainPlatform();
  void pace(uint32_t time);
  void consume(TapeEntry::Kind kind, uint32_t now);
  void end();

  Platform& platform_;
  const Replay& replay_;
  bool paced_;
  const RoundShots* shots_;
  size_t next_ = 0;
  uint32_t now_ = 0;
  uint32_t realStart_ = 0;
  bool ended_ = false;
  bool quit_ = false;
  int divergences_ = 0;
  uint32_t frames_ = 0;
};

// Writes the picture on screen as frame `n` when `n` is a multiple of the
// shots' step, or as "end.png" when `n` is kEndShot.
constexpr uint32_t kEndShot = 0xFFFFFFFFu;
void writeRoundShot(Platform& platform, const RoundShots* shots, uint32_t n);

// A game in the game window as ShowModal plays it, recorded. `skin` names
// the chosen skin folder (empty for the default interface).
Replay recordRound(TMain& game, Application& app, const RoundShots* shots = nullptr);
// Plays a recorded round in the game window; the launch window's settings
// are lent to it and given back afterwards. Returns the divergences.
int playRound(TMain& game, Application& app, const Replay& replay, bool paced, const RoundShots* shots = nullptr);

}  // namespace fg
