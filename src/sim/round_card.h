#pragma once
// The scorecard of a round: every hole played so far with its par, the
// strokes the game counted and the name of the result. The game window fills
// it as holes start and end; the scorecard picture and the personal bests
// read it. Par comes from the hole files only (`course_par` at hole start).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fg {

struct HoleScore {
  std::string hole;     // base name of the hole's files
  int32_t par = 0;
  int32_t strokes = 0;  // as the game counts them: putts less bonus strokes
  int32_t bonus = 0;    // bonus strokes picked up on this hole
  bool holed = false;   // false while playing, and for the hole a game over ended
  bool newBest = false;

  int32_t putts() const { return strokes + bonus; }
};

// "HOLE IN ONE" for a hole holed with its first putt (a bonus stroke taken on
// the way does not change that), else the strokes against par: "ALBATROSS",
// "EAGLE", "BIRDIE", "PAR", "BOGEY", then "+2", "+3" …; "-4" and below as
// numbers. Empty for a hole not holed.
std::string resultName(const HoleScore& h);

// Strokes against par as the HUD writes a score: "0", "+1", "-2".
std::string signedScore(int32_t value);

// Course and hole number from a hole's file name: "course2hole7" is course
// "course2", hole 7; "training1" is course "training", hole 1. A name of
// another shape is its own course with hole 0.
struct HoleName {
  std::string course;
  int32_t number = 0;
};
HoleName splitHoleName(std::string_view hole);

class RoundCard {
 public:
  void clear() { holes_.clear(); }
  // A hole starts: it becomes the current (last) row.
  void startHole(std::string hole, int32_t par);
  // The current hole's count as the game has it now.
  void update(int32_t strokes, bool holed);
  void bonusTaken();
  void markNewBest() {
    if (!holes_.empty()) holes_.back().newBest = true;
  }

  const std::vector<HoleScore>& holes() const { return holes_; }
  bool empty() const { return holes_.empty(); }
  int32_t parTotal() const;
  int32_t strokeTotal() const;
  // The course of the round: that of its first hole.
  std::string course() const;

 private:
  std::vector<HoleScore> holes_;
};

}  // namespace fg
