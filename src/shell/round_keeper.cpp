#include "shell/round_keeper.h"

namespace fg {

void RoundKeeper::gameStarted(const std::string& player, PersonalBests* bests, bool counts) {
  card_.clear();
  player_ = player;
  bests_ = bests;
  counts_ = counts;
  closed_ = false;
  roundNewBest_ = false;
}

void RoundKeeper::holeEnding(const GameState& gs, bool trainingNow) {
  if (trainingNow) counts_ = false;
  if (card_.empty() || !gs.holed_out) return;
  card_.update(gs.players[0].strokes, true);
  offerHole();
}

void RoundKeeper::holeStarted(const GameState& gs) { card_.startHole(gs.current_hole, gs.course_par); }

void RoundKeeper::gameOver(const GameState& gs, bool trainingNow) {
  if (closed_ || card_.empty()) return;
  if (trainingNow) counts_ = false;
  closed_ = true;
  const bool holed = gs.holed_out && gs.current_hole == "done";
  card_.update(gs.players[0].strokes, holed);
  if (!holed) return;
  offerHole();
  if (!counts_ || !bests_) return;
  const bool first = !bests_->best(BestKind::Round, player_, card_.course()).has_value();
  if (!bests_->offer(BestKind::Round, player_, card_.course(), card_.strokeTotal())) return;
  roundNewBest_ = !first;
  save();
}

void RoundKeeper::offerHole() {
  if (!counts_ || !bests_) return;
  const HoleScore& h = card_.holes().back();
  const bool first = !bests_->best(BestKind::Hole, player_, h.hole).has_value();
  if (!bests_->offer(BestKind::Hole, player_, h.hole, h.strokes)) return;
  // A first record is kept but is not called a new best: there was none to beat.
  if (!first) card_.markNewBest();
  save();
}

void RoundKeeper::save() {
  if (bests_) bests_->save();
}

ScorecardLook RoundKeeper::look() const {
  ScorecardLook look;
  look.player = player_;
  look.roundNewBest = roundNewBest_;
  return look;
}

}  // namespace fg
