#include "sim/round_card.h"

#include <gtest/gtest.h>

#include <vector>

namespace fg {
namespace {

struct Played {
  int32_t par, strokes, bonus;
  bool holed;
};

struct RoundCase {
  const char* name;
  std::vector<Played> holes;
  std::vector<const char*> results;
  int32_t parTotal, strokeTotal;
};

class RoundCardTable : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundCardTable, NamesEveryHoleAndAddsUpTheRound) {
  const RoundCase& c = GetParam();
  RoundCard card;
  int n = 0;
  for (const Played& p : c.holes) {
    card.startHole("course1hole" + std::to_string(++n), p.par);
    // The strike counts a stroke, the pick-up takes one back, in play order.
    for (int32_t s = 1; s <= p.strokes + p.bonus; ++s) card.update(s, false);
    for (int32_t b = 0; b < p.bonus; ++b) card.bonusTaken();
    card.update(p.strokes, p.holed);
  }
  ASSERT_EQ(card.holes().size(), c.results.size());
  for (size_t i = 0; i < c.results.size(); ++i) EXPECT_EQ(resultName(card.holes()[i]), c.results[i]) << "hole " << i + 1;
  EXPECT_EQ(card.parTotal(), c.parTotal);
  EXPECT_EQ(card.strokeTotal(), c.strokeTotal);
  EXPECT_EQ(card.course(), "course1");
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, RoundCardTable,
    ::testing::Values(
        RoundCase{"EveryName", {{3, 1, 0, true}, {5, 3, 0, true}, {3, 2, 0, true}, {3, 3, 0, true}, {3, 4, 0, true},
                                {3, 5, 0, true}, {2, 6, 0, true}, {5, 2, 0, true}, {6, 1, 0, true}},
                  {"HOLE IN ONE", "EAGLE", "BIRDIE", "PAR", "BOGEY", "+2", "+4", "ALBATROSS", "HOLE IN ONE"}, 33, 27},
        // One putt and the bonus stroke on its way: counted 0, still a hole in one.
        RoundCase{"OnePuttWithBonus", {{3, 0, 1, true}}, {"HOLE IN ONE"}, 3, 0},
        // Two putts less the bonus count one: an eagle, not a hole in one.
        RoundCase{"TwoPuttsWithBonus", {{3, 1, 1, true}}, {"EAGLE"}, 3, 1},
        RoundCase{"FarUnderPar", {{7, 2, 0, true}}, {"-5"}, 7, 2},
        // The game ended on the third hole: it has strokes but no result.
        RoundCase{"GameOverMidHole", {{3, 3, 0, true}, {3, 5, 0, true}, {3, 2, 0, false}}, {"PAR", "+2", ""}, 9, 10}),
    [](const auto& info) { return std::string(info.param.name); });

struct NameCase {
  const char* hole;
  const char* course;
  int32_t number;
};
class HoleNames : public ::testing::TestWithParam<NameCase> {};
TEST_P(HoleNames, SplitIntoCourseAndNumber) {
  HoleName h = splitHoleName(GetParam().hole);
  EXPECT_EQ(h.course, GetParam().course);
  EXPECT_EQ(h.number, GetParam().number);
}
INSTANTIATE_TEST_SUITE_P(Names, HoleNames,
                         ::testing::Values(NameCase{"course1hole3", "course1", 3}, NameCase{"course2hole9", "course2", 9},
                                           NameCase{"course1hole12", "course1", 12}, NameCase{"training2", "training", 2},
                                           NameCase{"done", "done", 0}, NameCase{"", "", 0}, NameCase{"7", "7", 0},
                                           NameCase{"hole99999999999", "hole99999999999", 0}));

}  // namespace
}  // namespace fg
