#include "sim/solver.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <map>
#include <queue>
#include <thread>

#include "sim/ball_step.h"
#include "sim/geometry.h"
#include "sim/hole_start.h"
#include "sim/recording_host.h"

namespace fg {
namespace {

constexpr int32_t kMaxDrag = 160;  // a longer drag gives no more speed
constexpr int kCell = 4;           // course pixels per cell of the distance map
constexpr double kFar = 1e9;

bool isWallKind(int32_t k) { return k == 1 || k == 2 || k == 3 || k == 4 || k == 6 || k == 7; }
bool isWallShape(const arearec& a) { return a.r < 1 && a.x3 == 0 && a.x4 == 0; }

bool inArea(const arearec& a, int32_t x, int32_t y) {
  if (a.r >= 1) return EllipseDistance(x, y, a.x1, a.y1) <= a.r;
  if (a.x3 != 0 && a.x4 != 0) return InQuad(a.x1, a.y1, a.x2, a.y2, a.x3, a.y3, a.x4, a.y4, x, y);
  if (a.x3 == 0 && a.x4 == 0) return OnWall(a.x1, a.y1, a.x2, a.y2, x, y);
  return false;
}

// Worked out in 64 bits and held to 32: an area may lie anywhere a hole file
// can put it, even at the very ends of the range.
void areaBounds(const arearec& a, int32_t& x0, int32_t& y0, int32_t& x1, int32_t& y1) {
  auto fit = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  if (a.r >= 1) {
    const int64_t cx = a.x1, cy = a.y1, r = a.r;
    x0 = fit(cx - r); x1 = fit(cx + r); y0 = fit(cy - r / 2 - 1); y1 = fit(cy + r / 2 + 1);
    return;
  }
  int64_t lx = std::min(a.x1, a.x2), hx = std::max(a.x1, a.x2);
  int64_t ly = std::min(a.y1, a.y2), hy = std::max(a.y1, a.y2);
  if (a.x3 != 0 && a.x4 != 0) {
    lx = std::min<int64_t>({lx, a.x3, a.x4}); hx = std::max<int64_t>({hx, a.x3, a.x4});
    ly = std::min<int64_t>({ly, a.y3, a.y4}); hy = std::max<int64_t>({hy, a.y3, a.y4});
  }
  x0 = fit(lx - 5); y0 = fit(ly - 5); x1 = fit(hx + 5); y1 = fit(hy + 5);
}

// Path length from every spot of the hole to the cup, going round walls,
// through tunnels and teleporters, and loath to cross water or hazards.
// It only ranks rest positions; the simulation decides what really happens.
class DistanceMap {
 public:
  explicit DistanceMap(const GameState& gs) {
    for (int n = 1; n <= kAreaCount; ++n) {
      const arearec& a = gs.areas[n];
      if (!a.enabled) continue;
      int32_t x0, y0, x1, y1;
      areaBounds(a, x0, y0, x1, y1);
      w_ = std::max(w_, x1 / kCell + 2);
      h_ = std::max(h_, y1 / kCell + 2);
    }
    w_ = std::clamp(w_, 1, 2000);
    h_ = std::clamp(h_, 1, 2000);
    cost_.assign(static_cast<size_t>(w_) * h_, 1.0);
    dist_.assign(cost_.size(), kFar);
    std::vector<int> targets;
    std::multimap<int, int> jumps;  // exit cell -> entrance cells
    for (int n = 1; n <= kAreaCount; ++n) {
      const arearec& a = gs.areas[n];
      if (!a.enabled) continue;
      double c = isWallKind(a.kind) && isWallShape(a) ? kFar
                 : (a.kind == 24 || a.kind == 27 || a.kind == 12 || a.kind == 36) ? 6.0
                                                                                  : 0.0;
      forCells(a, [&](int i) {
        if (c > 0) cost_[i] = std::max(cost_[i], c);
        if (a.kind == 5) targets.push_back(i);
        if ((a.kind == 25 || a.kind == 26) && inside(a.x2 / kCell, a.y2 / kCell))
          jumps.emplace(index(a.x2 / kCell, a.y2 / kCell), i);
      });
    }
    using Item = std::pair<double, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> q;
    for (int t : targets) {
      dist_[t] = 0;
      q.emplace(0.0, t);
    }
    while (!q.empty()) {
      auto [d, i] = q.top();
      q.pop();
      if (d > dist_[i]) continue;
      auto relax = [&](int j, double nd) {
        if (nd < dist_[j]) {
          dist_[j] = nd;
          q.emplace(nd, j);
        }
      };
      for (auto [it, end] = jumps.equal_range(i); it != end; ++it) relax(it->second, d + 2);
      int x = i % w_, y = i / w_;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          if ((dx == 0 && dy == 0) || !inside(x + dx, y + dy)) continue;
          int j = index(x + dx, y + dy);
          if (cost_[j] >= kFar) continue;
          double step = (dx && dy ? 1.4142 : 1.0) * kCell * std::max(cost_[i], cost_[j]);
          relax(j, d + step);
        }
    }
  }

  double at(double x, double y) const {
    int cx = static_cast<int>(x) / kCell, cy = static_cast<int>(y) / kCell;
    if (x < 0 || y < 0 || !inside(cx, cy)) return kFar;
    return dist_[index(cx, cy)];
  }

 private:
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  int index(int x, int y) const { return y * w_ + x; }

  template <typename F>
  void forCells(const arearec& a, F f) {
    int32_t x0, y0, x1, y1;
    areaBounds(a, x0, y0, x1, y1);
    for (int cy = std::max(0, y0 / kCell); cy <= std::min(h_ - 1, y1 / kCell); ++cy)
      for (int cx = std::max(0, x0 / kCell); cx <= std::min(w_ - 1, x1 / kCell); ++cx) {
        // A cell counts when any of its corners or its centre is inside, so
        // thin wall bands leave no gaps between cells.
        bool hit = inArea(a, cx * kCell + kCell / 2, cy * kCell + kCell / 2);
        for (int k = 0; k < 4 && !hit; ++k)
          hit = inArea(a, cx * kCell + (k & 1) * (kCell - 1), cy * kCell + (k >> 1) * (kCell - 1));
        if (hit) f(index(cx, cy));
      }
  }

  int w_ = 1, h_ = 1;
  std::vector<double> cost_, dist_;
};

// For every byte angle and drag length, one drag that gives it (or none).
struct DragTable {
  std::vector<std::pair<int16_t, int16_t>> drag;  // [angle * 161 + length]
  std::vector<bool> has;
  DragTable() : drag(256 * (kMaxDrag + 1)), has(256 * (kMaxDrag + 1), false) {
    for (int32_t dy = -kMaxDrag; dy <= kMaxDrag; ++dy)
      for (int32_t dx = -kMaxDrag; dx <= kMaxDrag; ++dx) {
        int32_t len = PointDistance(0, 0, dx, dy);
        if (len > kMaxDrag || len == 0) continue;
        size_t k = static_cast<size_t>(pullShotFromDrag(dx, dy).angle) * (kMaxDrag + 1) + len;
        if (!has[k]) {
          has[k] = true;
          drag[k] = {static_cast<int16_t>(dx), static_cast<int16_t>(dy)};
        }
      }
  }
};

const DragTable& dragTable() {
  static const DragTable t;
  return t;
}

struct Node {
  GameState gs;
  std::vector<PullShot> shots;
  int32_t strokes = 0;
  double rank = 0;
};

struct Trial {
  PuttEnd end = PuttEnd::Limit;
  GameState gs;
};

// Every shot from one rest position, shared out over the threads. Results
// land by shot index, so the outcome never depends on thread timing.
std::vector<Trial> tryShots(const GameState& from, const std::vector<PullShot>& shots, const SolverOptions& opt) {
  std::vector<Trial> trials(shots.size());
  std::atomic<size_t> next{0};
  auto work = [&] {
    RecordingHost host;
    host.setRecording(false);
    for (size_t t; (t = next.fetch_add(1)) < shots.size();) {
      trials[t].gs = from;
      trials[t].end = runPutt(trials[t].gs, host, shots[t].angle, shots[t].speed, opt.limits).end;
    }
  };
  std::vector<std::thread> pool;
  for (int i = 1; i < std::max(1, opt.threads); ++i) pool.emplace_back(work);
  work();
  for (auto& th : pool) th.join();
  return trials;
}

}  // namespace

PullShot pullShotFromDrag(int32_t dx, int32_t dy) {
  PullShot s;
  s.drag_x = dx;
  s.drag_y = dy;
  // The shot goes opposite to the drag; its speed is the drag length / 2 / 20.
  s.angle = AngleByte(PointAngle(dx, dy, 0, 0) + 128);
  s.speed = std::min(4.0, PointDistance(0, 0, dx, dy) / 2.0 / 20.0);
  return s;
}

PullShot pullShotFor(int32_t angle, double speed) {
  const DragTable& t = dragTable();
  int32_t want = std::clamp(static_cast<int32_t>(std::lround(speed * 40)), 1, kMaxDrag);
  for (int32_t off = 0; off <= kMaxDrag; ++off)
    for (int32_t len : {want - off, want + off}) {
      if (len < 1 || len > kMaxDrag) continue;
      size_t k = static_cast<size_t>(AngleByte(angle)) * (kMaxDrag + 1) + len;
      if (t.has[k]) return pullShotFromDrag(t.drag[k].first, t.drag[k].second);
    }
  return pullShotFromDrag(0, 0);
}

Solution solveFrom(const GameState& start, const SolverOptions& opt) {
  Solution sol;
  DistanceMap map(start);
  std::vector<PullShot> shots;
  for (int32_t a = 0; a < 256; a += std::max(1, opt.angle_step))
    for (double s : opt.speeds) {
      PullShot p = pullShotFor(a, s);
      if (p.angle == a && p.speed > 0.005) shots.push_back(p);
    }
  std::vector<Node> frontier(1);
  frontier[0].gs = start;
  const int32_t base_strokes = start.players[0].strokes;
  for (int depth = 1; depth <= opt.max_strokes && !frontier.empty(); ++depth) {
    std::map<std::pair<int, int>, Node> distinct;
    // Nodes in rank order; the first one from which some putt holes out
    // ends the search, so the usual case tries only a node or two.
    for (size_t f = 0; f < frontier.size(); ++f) {
      std::vector<Trial> trials = tryShots(frontier[f].gs, shots, opt);
      sol.putts_tried += static_cast<int64_t>(trials.size());
      int best = -1;
      for (size_t t = 0; t < trials.size(); ++t)
        if (trials[t].end == PuttEnd::Holed &&
            (best < 0 || trials[t].gs.players[0].strokes < trials[best].gs.players[0].strokes))
          best = static_cast<int>(t);
      if (best >= 0) {
        sol.solved = true;
        sol.shots = frontier[f].shots;
        sol.shots.push_back(shots[best]);
        sol.strokes = trials[best].gs.players[0].strokes - base_strokes;
        return sol;
      }
      if (depth == opt.max_strokes) continue;
      for (size_t t = 0; t < trials.size(); ++t) {
        Trial& tr = trials[t];
        if (tr.end != PuttEnd::Rest) continue;
        double d = map.at(tr.gs.ball_x, tr.gs.ball_y);
        if (d >= kFar) continue;
        int32_t strokes = tr.gs.players[0].strokes - base_strokes;
        double rank = d + 300.0 * strokes;
        auto key = std::make_pair(static_cast<int>(tr.gs.ball_x) / 6, static_cast<int>(tr.gs.ball_y) / 6);
        auto it = distinct.find(key);
        if (it != distinct.end() && it->second.rank <= rank) continue;
        Node n;
        n.gs = std::move(tr.gs);
        n.shots = frontier[f].shots;
        n.shots.push_back(shots[t]);
        n.strokes = strokes;
        n.rank = rank;
        distinct[key] = std::move(n);
      }
    }
    // Keep the best few distinct rest positions for the next stroke.
    std::vector<Node> next_frontier;
    for (auto& [k, n] : distinct) next_frontier.push_back(std::move(n));
    std::stable_sort(next_frontier.begin(), next_frontier.end(),
                     [](const Node& a, const Node& b) { return a.rank < b.rank; });
    if (static_cast<int>(next_frontier.size()) > opt.beam) next_frontier.resize(opt.beam);
    frontier = std::move(next_frontier);
  }
  return sol;
}

PullShot playedShot(const PullShot& aim, double za, double zs, const HandNoise& hand) {
  PullShot s;
  s.angle = AngleByte(aim.angle + static_cast<int32_t>(std::lround(za * hand.angle_sigma)));
  // The drag is whole pixels long: 40 to a unit of speed, at most 160.
  s.speed = std::clamp(std::round(aim.speed * (1 + zs * hand.speed_share) * 40) / 40, 1 / 40.0, 4.0);
  return s;
}

struct ShotPlanner::Impl {
  // A shot tried from the spot being planned, and what it came to.
  struct Tried {
    PullShot shot;
    bool holed = false;
    double rank = kFar;  // of the rest it leaves; kFar when it never rests
    int safety = 0;      // holing shots round a holing one in its fine grid
  };
  static constexpr int kFine = 3;        // finer angles each side of a candidate, 2 apart
  static constexpr int kCandidates = 4;  // coarse shots looked at more closely
  static constexpr int kHoling = 4;      // holing shots weighed against the player's errors
  static constexpr int kLayUps = 8;      // and shots that leave the ball short
  // The player's errors each shot is weighed over, in standard deviations:
  // the middles of five equally likely slices of a normal spread.
  static constexpr double kSpread[5] = {-1.28, -0.52, 0.0, 0.52, 1.28};

  SolverOptions opt;
  HandNoise hand;
  DistanceMap map;
  std::map<std::pair<int, int>, PullShot> chosen;
  int64_t tried = 0;

  Impl(const GameState& hole, const SolverOptions& o, HandNoise h) : opt(o), hand(h), map(hole) {}

  std::vector<Tried> run(const GameState& at, const std::vector<PullShot>& shots) {
    std::vector<Trial> trials = tryShots(at, shots, opt);
    tried += static_cast<int64_t>(trials.size());
    std::vector<Tried> out(shots.size());
    for (size_t t = 0; t < shots.size(); ++t) {
      out[t].shot = shots[t];
      out[t].holed = trials[t].end == PuttEnd::Holed;
      if (trials[t].end == PuttEnd::Rest)
        out[t].rank = map.at(trials[t].gs.ball_x, trials[t].gs.ball_y) +
                      300.0 * (trials[t].gs.players[0].strokes - at.players[0].strokes);
    }
    return out;
  }

  // Coarse shots over every direction and strength, then a finer grid round
  // the best few.
  std::vector<Tried> search(const GameState& at) {
    std::vector<PullShot> coarse;
    for (int32_t a = 0; a < 256; a += std::max(1, opt.angle_step))
      for (double sp : opt.speeds) {
        PullShot p = pullShotFor(a, sp);
        if (p.angle == a && p.speed > 0.005) coarse.push_back(p);
      }
    std::vector<Tried> all = run(at, coarse);
    std::vector<size_t> order(all.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
      return all[a].holed != all[b].holed ? all[a].holed : all[a].rank < all[b].rank;
    });
    std::vector<PullShot> centres;
    for (size_t c = 0; c < order.size() && c < kCandidates; ++c) centres.push_back(all[order[c]].shot);
    for (const PullShot& centre : centres) {
      std::vector<PullShot> fine;
      for (int da = -kFine; da <= kFine; ++da)
        for (double k : {0.88, 1.0, 1.12})
          fine.push_back(pullShotFor(AngleByte(centre.angle + 2 * da), std::min(4.0, centre.speed * k)));
      std::vector<Tried> near = run(at, fine);
      for (int i = 0; i < static_cast<int>(near.size()); ++i) {
        if (!near[i].holed) continue;
        for (int da = -1; da <= 1; ++da)
          for (int dk = -1; dk <= 1; ++dk) {
            const int a = i / 3 + da, k = i % 3 + dk;
            if (a >= 0 && a <= 2 * kFine && k >= 0 && k < 3) near[i].safety += near[a * 3 + k].holed;
          }
      }
      all.insert(all.end(), near.begin(), near.end());
    }
    return all;
  }

  // The few best holing shots, most holing neighbours first, then the few
  // that leave the nearest rests.
  static std::vector<PullShot> shortlist(std::vector<Tried> all) {
    std::stable_sort(all.begin(), all.end(), [](const Tried& a, const Tried& b) {
      if (a.holed != b.holed) return a.holed;
      return a.holed ? a.safety > b.safety : a.rank < b.rank;
    });
    std::vector<PullShot> out;
    int holing = 0, layups = 0;
    for (const Tried& t : all) {
      int& n = t.holed ? holing : layups;
      if (n >= (t.holed ? kHoling : kLayUps) || (!t.holed && t.rank >= kFar)) continue;
      bool seen = false;
      for (const PullShot& o : out) seen |= o.angle == t.shot.angle && o.speed == t.shot.speed;
      if (seen) continue;
      out.push_back(t.shot);
      ++n;
    }
    return out;
  }

  PullShot plan(const GameState& at) {
    std::vector<Tried> all = search(at);
    if (all.empty()) return PullShot{};
    std::vector<PullShot> picks = shortlist(all);
    if (picks.empty()) return all.front().shot;
    if (picks.size() == 1) return picks.front();
    // Each pick played over the spread of errors; a holing shot is worth a
    // stroke (300) more than a rest at the cup's edge.
    std::vector<PullShot> played;
    for (const PullShot& p : picks)
      for (double za : kSpread)
        for (double zs : kSpread) played.push_back(playedShot(p, za, zs, hand));
    const std::vector<Tried> out = run(at, played);
    const size_t per = std::size(kSpread) * std::size(kSpread);
    size_t best = 0;
    double best_cost = kFar;
    for (size_t p = 0; p < picks.size(); ++p) {
      double cost = 0;
      for (size_t i = p * per; i < (p + 1) * per; ++i) cost += out[i].holed ? 0.0 : std::min(out[i].rank, 3000.0);
      if (cost < best_cost) {
        best_cost = cost;
        best = p;
      }
    }
    return picks[best];
  }
};

ShotPlanner::ShotPlanner(const GameState& hole, const SolverOptions& opt, HandNoise hand)
    : impl_(std::make_unique<Impl>(hole, opt, hand)) {}
ShotPlanner::~ShotPlanner() = default;

PullShot ShotPlanner::choose(const GameState& at, bool fresh) {
  auto key = std::make_pair(static_cast<int>(std::floor(at.ball_x / 4)), static_cast<int>(std::floor(at.ball_y / 4)));
  auto it = impl_->chosen.find(key);
  if (it != impl_->chosen.end() && !fresh) return it->second;
  PullShot s = impl_->plan(at);
  impl_->chosen[key] = s;
  return s;
}

int64_t ShotPlanner::puttsTried() const { return impl_->tried; }

GameState settledHoleStart(const std::string& folder, const std::string& name, int32_t frame_skip, uint32_t seed) {
  GameState gs;
  gs.seed = seed;
  gs.current_hole = name;
  gs.frame_skip = frame_skip;
  gs.pull_putt = true;
  RecordingHost host(folder);
  host.setRecording(false);
  host.HoleInit(gs);
  for (int frame = 0; frame < 20000 && gs.ball_moving; ++frame) runSimulationSubsteps(gs, host);
  return gs;
}

}  // namespace fg
