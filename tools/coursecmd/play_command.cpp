#include "play_command.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "hole_arg.h"
#include "media/error.h"
#include "sim/player_model.h"

namespace fg {
namespace {

struct PlayArgs {
  std::vector<std::string> holes;
  std::vector<Skill> skills;
  int rounds = 40;
  uint32_t seed = 1;
  bool each = false;  // every round's strokes too
  bool shots = false;  // every shot of every round
};

long numberArg(const std::string& option, const std::string& text, long lo, long hi) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < lo || v > hi)
    throw GameError(option + " wants a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                    ", not \"" + text + "\"");
  return v;
}

PlayArgs parse(const std::vector<std::string>& args) {
  PlayArgs p;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--each") {
      p.each = true;
    } else if (a == "--shots") {
      p.shots = true;
    } else if (a == "--skill" || a == "--rounds" || a == "--seed") {
      if (!hasValue) throw GameError(a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--skill") {
        Skill s;
        if (!skillFromName(v, s)) throw GameError("unknown skill \"" + v + "\" (casual, good or expert)");
        p.skills.push_back(s);
      } else if (a == "--rounds") {
        p.rounds = static_cast<int>(numberArg(a, v, 1, 10000));
      } else {
        p.seed = static_cast<uint32_t>(numberArg(a, v, 0, 0x7fffffff));
      }
    } else if (a.rfind("--", 0) == 0) {
      throw GameError("unknown option " + a);
    } else {
      p.holes.push_back(a);
    }
  }
  if (p.holes.empty()) throw GameError("play needs a hole");
  if (p.skills.empty()) p.skills = {Skill::Casual, Skill::Good, Skill::Expert};
  return p;
}

}  // namespace

int playCommand(const std::vector<std::string>& args, const std::string& gameDir) {
  const PlayArgs p = parse(args);
  std::vector<HoleRef> refs;
  for (const std::string& h : p.holes) refs.push_back(findHole(h, gameDir));
  for (Skill skill : p.skills) {
    PlayerOptions opt;
    opt.skill = skill;
    opt.rounds = p.rounds;
    opt.seed = p.seed;
    if (p.shots)
      opt.on_shot = [](const ShotRecord& s) {
        static const char* const kEnds[] = {"rest", "holed", "never rests"};
        std::printf("  round %d stroke %d from %.0f,%.0f aim %d/%.3f played %d/%.3f %s %.0f,%.0f\n", s.round,
                    s.strokes, s.from_x, s.from_y, s.aimed.angle, s.aimed.speed, s.played.angle, s.played.speed,
                    kEnds[std::min(2, static_cast<int>(s.end))], s.to_x, s.to_y);
      };
    std::vector<HoleReport> reports;
    for (const HoleRef& ref : refs) {
      HoleReport r = playHole(ref.folder, ref.name, opt);
      std::printf("%-14s par %d  %-6s  mean %.2f  spread %.2f  game over %3.0f%%  (%d rounds)\n", r.hole.c_str(),
                  r.par, skillName(skill), r.mean, r.spread, 100 * r.game_over_share, p.rounds);
      if (p.each) {
        std::printf("  strokes:");
        for (const RoundResult& round : r.rounds) std::printf(" %d%s", round.strokes, round.holed ? "" : "!");
        std::printf("\n");
      }
      std::fflush(stdout);
      reports.push_back(std::move(r));
    }
    if (reports.size() > 1)
      std::printf("%-6s  game over in %.0f%% of games over these %zu holes\n", skillName(skill),
                  100 * gameOverShare(reports), reports.size());
  }
  return 0;
}

}  // namespace fg
