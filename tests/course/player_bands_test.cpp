// People play the holes with the player model: a good player scores within
// half a stroke of par on every hole, and along a course the holes grow
// harder step by step; a casual player finishes a game more often than not.
// Fixed seeds, so the same numbers every run; twenty rounds, as ten left a
// hole's mean too rough to judge a half stroke band.
#include <gtest/gtest.h>

#include <sstream>

#include "course_list.h"
#include "sim/player_model.h"

namespace fg {
namespace {

constexpr int kRounds = 20;

std::vector<HoleReport> play(const std::vector<std::string>& holes, Skill skill) {
  PlayerOptions opt;
  opt.skill = skill;
  opt.rounds = kRounds;
  std::vector<HoleReport> out;
  for (const std::string& h : holes) out.push_back(playHole(test::gameDir(), h, opt));
  return out;
}

std::string table(const std::vector<HoleReport>& good) {
  std::ostringstream o;
  for (const HoleReport& r : good) o << "\n  " << r.hole << " par " << r.par << " good mean " << r.mean;
  return o.str();
}

void expectGoodNearPar(const std::vector<HoleReport>& good) {
  for (const HoleReport& r : good) {
    EXPECT_NEAR(r.mean, r.par, 0.5) << r.hole << ": set its par from the good player's mean";
  }
}

class CourseBands : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(CourseBands, GoodPlayerScoresAboutParAndTheHolesGetHarder) {
  const std::vector<HoleReport> good = play(GetParam(), Skill::Good);
  expectGoodNearPar(good);
  // Strokes over par, fitted by a straight line over the holes: rising, and
  // no hole a big step harder than the one before.
  double si = 0, sd = 0, sid = 0;
  for (size_t i = 0; i < good.size(); ++i) {
    const double d = good[i].mean - good[i].par;
    si += static_cast<double>(i);
    sd += d;
    sid += static_cast<double>(i) * d;
    if (i > 0) {
      EXPECT_LE(d - (good[i - 1].mean - good[i - 1].par), 0.6) << good[i].hole << " is a leap" << table(good);
    }
  }
  const double n = static_cast<double>(good.size());
  EXPECT_GT(n * sid - si * sd, 0.0) << "the holes do not get harder along the course" << table(good);
}

TEST_P(CourseBands, CasualPlayerFinishesMostGames) {
  const double share = gameOverShare(play(GetParam(), Skill::Casual));
  EXPECT_LE(share, 0.5) << "a casual player loses " << share * 100 << "% of games on " << GetParam().front();
}

std::vector<std::vector<std::string>> coursesToPlay() { return test::courses(); }

INSTANTIATE_TEST_SUITE_P(Courses, CourseBands, ::testing::ValuesIn(coursesToPlay()),
                         [](const ::testing::TestParamInfo<std::vector<std::string>>& i) {
                           return i.param.front().substr(0, i.param.front().find("hole"));
                         });

TEST(TrainingBands, GoodPlayerScoresAboutPar) {
  std::vector<std::string> training;
  for (const std::string& h : test::allHoles())
    if (h.rfind("course", 0) != 0) training.push_back(h);
  expectGoodNearPar(play(training, Skill::Good));
}

}  // namespace
}  // namespace fg
