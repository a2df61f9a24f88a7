#include "solve_command.h"

#include <cstdio>

#include "hole_arg.h"
#include "sim/solver.h"

namespace fg {

int solveCommand(const std::string& hole, const std::string& gameDir) {
  const HoleRef ref = findHole(hole, gameDir);
  GameState gs = settledHoleStart(ref.folder, ref.name);
  Solution s = solveFrom(gs);
  for (const PullShot& shot : s.shots)
    std::printf("angle %d speed %.3f drag %d %d\n", shot.angle, shot.speed, shot.drag_x, shot.drag_y);
  if (!s.solved) {
    std::printf("no solution within %d strokes (%lld putts tried)\n", SolverOptions{}.max_strokes,
                static_cast<long long>(s.putts_tried));
    return 1;
  }
  // The strokes counted are the putts less any bonus stroke picked up.
  const int putts = static_cast<int>(s.shots.size());
  const int bonus = putts - s.strokes;
  std::string made = std::to_string(putts) + (putts == 1 ? " putt" : " putts");
  if (bonus > 0) made += " less " + std::to_string(bonus) + (bonus == 1 ? " bonus stroke" : " bonus strokes");
  std::printf("solved in %d strokes (%s; par %d, %lld putts tried)\n", s.strokes, made.c_str(), gs.course_par,
              static_cast<long long>(s.putts_tried));
  return 0;
}

}  // namespace fg
