#pragma once
// Keeps the scorecard of the game being played and offers its results to the
// personal bests: a hole when its ball drops, the round when the last cup is
// reached. Only real games count; a game that started on the training course,
// or in which the cheat key was used, leaves the bests alone.
#include <string>

#include "frontend/personal_bests.h"
#include "render/scorecard_drawing.h"
#include "state/game_state.h"
#include "sim/round_card.h"

namespace fg {

class RoundKeeper {
 public:
  // A game starts. `bests` may be null (no data folder).
  void gameStarted(const std::string& player, PersonalBests* bests, bool counts);
  // In a hole start, before the next hole's state: the hole whose ball has
  // just dropped is entered with its final count.
  void holeEnding(const GameState& gs, bool trainingNow);
  // After the hole start's title card: the new hole becomes the current row.
  void holeStarted(const GameState& gs);
  void bonusTaken() { card_.bonusTaken(); }
  // Every frame once the game is over: the current hole's count, and once,
  // the last hole and the round offered to the bests.
  void gameOver(const GameState& gs, bool trainingNow);

  const RoundCard& card() const { return card_; }
  ScorecardLook look() const;

 private:
  void offerHole();
  void save();

  RoundCard card_;
  std::string player_;
  PersonalBests* bests_ = nullptr;
  bool counts_ = false;
  bool closed_ = false;
  bool roundNewBest_ = false;
};

}  // namespace fg
