#include "shell/round_tape.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "shell/main_window.h"
#include "shell/round_state.h"

namespace fg {

void writeRoundShot(Platform& platform, const RoundShots* shots, uint32_t n) {
  if (!shots || shots->folder.empty()) return;
  if (n != kEndShot && (shots->every == 0 || n % shots->every != 0)) return;
  char name[32];
  if (n == kEndShot)
    std::snprintf(name, sizeof name, "end.png");
  else
    std::snprintf(name, sizeof name, "frame-%06u.png", n);
  std::filesystem::create_directories(shots->folder);
  platform.saveScreenshot((std::filesystem::path(shots->folder) / name).string());
}

void RoundRecorder::eventDispatched(const InputEvent& e) {
  // Closing the program ends the recording; a playback must not end the program.
  if (e.type == EventType::Quit) return;
  TapeEntry t;
  t.time = e.time;
  t.event = e;
  out_.entries.push_back(std::move(t));
}

void RoundRecorder::timerHooked(uint32_t now) {
  TapeEntry t;
  t.kind = TapeEntry::Kind::Hook;
  t.time = now;
  out_.entries.push_back(t);
}

void RoundRecorder::timerTicked(uint32_t now) {
  // The picture now on screen is the one the frame before drew.
  if (frames_ > 0) writeRoundShot(platform_, shots_, frames_);
  ++frames_;
  TapeEntry t;
  t.kind = TapeEntry::Kind::Tick;
  t.time = now;
  out_.entries.push_back(t);
}

RoundPlayer::RoundPlayer(Platform& platform, const Replay& replay, bool paced, const RoundShots* shots)
    : platform_(platform), replay_(replay), paced_(paced), shots_(shots) {
  realStart_ = platform_.clock();
  now_ = replay_.entries.empty() ? 0 : replay_.entries.front().time;
}

void RoundPlayer::drainPlatform() {
  // The viewer's own input does not reach the game: Escape stops watching,
  // closing the program still closes it.
  InputEvent e;
  while (platform_.pollEvent(e)) {
    if (e.type == EventType::Quit) quit_ = true;
    if (e.type == EventType::KeyDown && e.key == vk::Escape) end();
  }
}

void RoundPlayer::pace(uint32_t time) {
  if (!paced_ || replay_.entries.empty()) return;
  const uint32_t due = time - replay_.entries.front().time;
  while (!ended_ && !quit_ && platform_.clock() - realStart_ < due) {
    platform_.idlePass();
    drainPlatform();
  }
}

bool RoundPlayer::pollEvent(InputEvent& e) {
  drainPlatform();
  if (quit_) {
    quit_ = false;
    e = InputEvent{};
    e.type = EventType::Quit;
    return true;
  }
  if (ended_) return false;
  if (next_ >= replay_.entries.size()) {
    end();
    return false;
  }
  const TapeEntry& t = replay_.entries[next_];
  pace(t.time);
  if (ended_ || t.kind != TapeEntry::Kind::Event) return false;  // a timer takes the next one
  ++next_;
  now_ = t.time;
  e = t.event;
  return true;
}

uint32_t RoundPlayer::clock() {
  // A timer reading the clock is the next recorded start or tick.
  if (next_ < replay_.entries.size() && replay_.entries[next_].kind != TapeEntry::Kind::Event)
    return replay_.entries[next_].time;
  return now_;
}

void RoundPlayer::consume(TapeEntry::Kind kind, uint32_t now) {
  if (next_ < replay_.entries.size() && replay_.entries[next_].kind == kind && replay_.entries[next_].time == now) {
    ++next_;
    now_ = now;
    return;
  }
  if (divergences_++ == 0 && !ended_)
    std::cerr << "The replay went its own way at frame " << frames_ << std::endl;
}

void RoundPlayer::timerHooked(uint32_t now) { consume(TapeEntry::Kind::Hook, now); }

void RoundPlayer::timerTicked(uint32_t now) {
  if (frames_ > 0) writeRoundShot(platform_, shots_, frames_);
  ++frames_;
  consume(TapeEntry::Kind::Tick, now);
}

void RoundPlayer::end() {
  if (ended_) return;
  ended_ = true;
  if (onEnd) onEnd();
}

namespace {

std::string chosenSkin(const LaunchpadControls& c) {
  std::string skin;
  for (size_t i = 1; i < c.skins.size() && i < c.skin_selected.size(); ++i)
    if (c.skin_selected[i]) skin = c.skins[i];
  return skin;
}

// The settings a game reads, lent from a recording and given back after.
void lendSettings(LaunchpadControls& c, const Replay& r) {
  const LaunchpadControls& s = r.settings;
  c.name = s.name;
  c.pullputt = s.pullputt;
  c.pushputt = s.pushputt;
  c.ball_texture = s.ball_texture;
  c.screen640 = s.screen640;
  c.screen800 = s.screen800;
  c.screen1024 = s.screen1024;
  c.soundoff = s.soundoff;
  c.frameskip = s.frameskip;
  c.bgsounds = s.bgsounds;
  c.skins = {"[default interface]"};
  c.skin_selected = {false};
  if (!r.skin.empty()) {
    c.skins.push_back(r.skin);
    c.skin_selected.push_back(true);
  }
}

}  // namespace

Replay recordRound(TMain& game, Application& app, const RoundShots* shots) {
  Replay r;
  GameContext& ctx = game.context();
  r.seed = game.gs.seed;
  r.training = game.training_mode;
  r.settings = ctx.launchpad;
  r.skin = chosenSkin(ctx.launchpad);
  r.rate = game.gengine.rateState();
  r.effectCarry = ctx.render.effect_carry;
  r.click = app.clickState();
  r.state = saveRoundState(game.gs);
  if (game.bests) r.bests = game.bests->of(ctx.launchpad.name);
  RoundRecorder recorder(app.platform(), r, shots);
  InputTape* previous = app.tape();
  app.setTape(&recorder);
  try {
    game.ShowModal();
  } catch (...) {
    app.setTape(previous);
    throw;
  }
  app.setTape(previous);
  writeRoundShot(app.platform(), shots, kEndShot);
  const PlayerRecord& p = game.gs.players[0];
  r.result = {p.finished, p.total_strokes, p.score, game.gs.current_hole};
  return r;
}

int playRound(TMain& game, Application& app, const Replay& replay, bool paced, const RoundShots* shots) {
  GameContext& ctx = game.context();
  LaunchpadControls saved = ctx.launchpad;
  const bool savedTraining = game.training_mode;
  lendSettings(ctx.launchpad, replay);
  game.training_mode = replay.training;
  loadRoundState(game.gs, replay.state);
  game.gs.seed = replay.seed;
  game.gengine.setRateState(replay.rate);
  ctx.render.effect_carry = replay.effectCarry;
  const Application::ClickState savedClick = app.clickState();
  app.setClickState(replay.click);

  // The bests as they stood when the round was played, kept off the file.
  PersonalBests* const savedBests = game.bests;
  PersonalBests shadow;
  shadow.keepInMemory();
  for (const BestRecord& b : replay.bests) shadow.offer(b.kind, replay.settings.name, b.name, b.strokes);
  game.bests = &shadow;

  RoundPlayer player(app.platform(), replay, paced, shots);
  player.onEnd = [&game] {
    if (game.modalResult == 0) game.closeGameWindow();
  };
  InputTape* previous = app.tape();
  app.setTape(&player);
  auto restore = [&] {
    app.setTape(previous);
    app.setClickState(savedClick);
    game.bests = savedBests;
    ctx.launchpad = saved;
    game.training_mode = savedTraining;
  };
  try {
    game.ShowModal();
  } catch (...) {
    restore();
    throw;
  }
  restore();
  writeRoundShot(app.platform(), shots, kEndShot);
  return player.divergences();
}

}  // namespace fg
