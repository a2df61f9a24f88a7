#include "sim/player_model.h"

#include <algorithm>
#include <cmath>

#include "sim/geometry.h"
#include "sim/recording_host.h"

namespace fg {
namespace {

// Player errors come from a generator of their own, the same on every
// machine, so the game's own random numbers run as they would in play.
class ErrorSource {
 public:
  explicit ErrorSource(uint64_t seed) : state_(seed) {}
  double normal() {
    const double u1 = (static_cast<double>(next() >> 11) + 1.0) / 9007199254740993.0;
    const double u2 = static_cast<double>(next() >> 11) / 9007199254740992.0;
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(2 * M_PI * u2);
  }

 private:
  uint64_t next() {  // splitmix64
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  uint64_t state_;
};

RoundResult playRound(const std::string& folder, const std::string& name, const PlayerOptions& opt,
                      ShotPlanner& planner, int round, uint32_t seed) {
  GameState gs = settledHoleStart(folder, name, 1, seed);
  ErrorSource err(seed * 0x2545f4914f6cdd1dULL + static_cast<uint64_t>(opt.skill));
  const HandNoise hand = skillNoise(opt.skill);
  RecordingHost host;
  host.setRecording(false);
  RoundResult r;
  double last_x = -1e9, last_y = -1e9;
  for (int k = 0; k < opt.max_strokes; ++k) {
    // Back where the last shot started: think again instead of repeating it.
    const bool again = std::fabs(gs.ball_x - last_x) < 4 && std::fabs(gs.ball_y - last_y) < 4;
    last_x = gs.ball_x;
    last_y = gs.ball_y;
    const PullShot aim = planner.choose(gs, again);
    const double za = err.normal(), zs = err.normal();
    const PullShot shot = playedShot(aim, za, zs, hand);
    const double from_x = gs.ball_x, from_y = gs.ball_y;
    const PuttEnd end = runPutt(gs, host, shot.angle, shot.speed, opt.plan.limits).end;
    r.strokes = gs.players[0].strokes;
    if (opt.on_shot) opt.on_shot({round, r.strokes, from_x, from_y, aim, shot, end, gs.ball_x, gs.ball_y});
    if (end == PuttEnd::Holed) {
      r.holed = true;
      return r;
    }
    if (end != PuttEnd::Rest) return r;  // never settles: as good as lost
    if (r.strokes >= gs.course_par) r.worst_at_rest = std::max(r.worst_at_rest, r.strokes - gs.course_par);
  }
  return r;
}

}  // namespace

HandNoise skillNoise(Skill skill) {
  switch (skill) {
    case Skill::Casual: return {3.0, 0.12};
    case Skill::Good: return {1.5, 0.06};
    case Skill::Expert: return {0.5, 0.02};
  }
  return {};
}

const char* skillName(Skill skill) {
  switch (skill) {
    case Skill::Casual: return "casual";
    case Skill::Good: return "good";
    case Skill::Expert: return "expert";
  }
  return "";
}

bool skillFromName(const std::string& name, Skill& skill) {
  for (Skill s : {Skill::Casual, Skill::Good, Skill::Expert})
    if (name == skillName(s)) {
      skill = s;
      return true;
    }
  return false;
}

SolverOptions PlayerOptions::coarsePlan() {
  SolverOptions o;
  o.angle_step = 8;
  o.speeds = {0.45, 0.8, 1.3, 2.0, 2.9, 4.0};
  return o;
}

HoleReport playHole(const std::string& folder, const std::string& name, const PlayerOptions& opt) {
  HoleReport rep;
  rep.hole = name;
  const GameState first = settledHoleStart(folder, name, 1, opt.seed);
  rep.par = first.course_par;
  ShotPlanner planner(first, opt.plan, skillNoise(opt.skill));
  int lost = 0;
  double sum = 0, sum2 = 0;
  for (int r = 0; r < opt.rounds; ++r) {
    RoundResult res = playRound(folder, name, opt, planner, r, opt.seed * 7919u + static_cast<uint32_t>(r) * 104729u);
    rep.rounds.push_back(res);
    sum += res.strokes;
    sum2 += static_cast<double>(res.strokes) * res.strokes;
    lost += !res.holed || res.worst_at_rest >= 2;
  }
  if (opt.rounds > 0) {
    rep.mean = sum / opt.rounds;
    rep.spread = std::sqrt(std::max(0.0, sum2 / opt.rounds - rep.mean * rep.mean));
    rep.game_over_share = static_cast<double>(lost) / opt.rounds;
  }
  rep.putts_tried = planner.puttsTried();
  return rep;
}

double gameOverShare(const std::vector<HoleReport>& holes) {
  if (holes.empty() || holes[0].rounds.empty()) return 0;
  const size_t rounds = holes[0].rounds.size();
  int lost = 0;
  for (size_t r = 0; r < rounds; ++r) {
    int32_t score = 0;  // strokes over par after the holes so far
    bool over = false;
    for (size_t h = 0; h < holes.size() && !over; ++h) {
      const RoundResult& res = holes[h].rounds.at(r);
      // The new hole's ball comes to rest at once with the score the last cup left.
      over = (h > 0 && score >= 2) || !res.holed || score + res.worst_at_rest >= 2;
      score += res.strokes - holes[h].par;
    }
    lost += over;
  }
  return static_cast<double>(lost) / static_cast<double>(rounds);
}

}  // namespace fg
