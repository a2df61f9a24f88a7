#include "sim/round_card.h"

#include <cctype>
#include <charconv>

namespace fg {

std::string signedScore(int32_t value) {
  if (value > 0) return "+" + std::to_string(value);
  return std::to_string(value);
}

std::string resultName(const HoleScore& h) {
  if (!h.holed) return {};
  if (h.putts() == 1) return "HOLE IN ONE";
  const int64_t d = static_cast<int64_t>(h.strokes) - h.par;
  switch (d) {
    case -3: return "ALBATROSS";
    case -2: return "EAGLE";
    case -1: return "BIRDIE";
    case 0: return "PAR";
    case 1: return "BOGEY";
    default: break;
  }
  return d > 0 ? "+" + std::to_string(d) : std::to_string(d);
}

HoleName splitHoleName(std::string_view hole) {
  // Trailing digits are the hole's number; a "hole" just before them joins a
  // course name ending in its own number.
  size_t digits = hole.size();
  while (digits > 0 && std::isdigit(static_cast<unsigned char>(hole[digits - 1]))) --digits;
  if (digits == hole.size() || hole.size() - digits > 4) return {std::string(hole), 0};
  int32_t number = 0;
  std::from_chars(hole.data() + digits, hole.data() + hole.size(), number);
  std::string_view course = hole.substr(0, digits);
  if (course.size() > 4 && course.substr(course.size() - 4) == "hole") course.remove_suffix(4);
  if (course.empty()) return {std::string(hole), 0};
  return {std::string(course), number};
}

void RoundCard::startHole(std::string hole, int32_t par) {
  HoleScore h;
  h.hole = std::move(hole);
  h.par = par;
  holes_.push_back(std::move(h));
}

void RoundCard::update(int32_t strokes, bool holed) {
  if (holes_.empty()) return;
  holes_.back().strokes = strokes;
  holes_.back().holed = holed;
}

void RoundCard::bonusTaken() {
  if (!holes_.empty()) ++holes_.back().bonus;
}

int32_t RoundCard::parTotal() const {
  int64_t sum = 0;
  for (const HoleScore& h : holes_) sum += h.par;
  return static_cast<int32_t>(sum);
}

int32_t RoundCard::strokeTotal() const {
  int64_t sum = 0;
  for (const HoleScore& h : holes_) sum += h.strokes;
  return static_cast<int32_t>(sum);
}

std::string RoundCard::course() const { return holes_.empty() ? std::string() : splitHoleName(holes_.front().hole).course; }

}  // namespace fg
