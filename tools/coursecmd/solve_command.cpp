#include "solve_command.h"

#include <cstdio>
#include <filesystem>

#include "sim/solver.h"

namespace fg {

int solveCommand(const std::string& hole, const std::string& gameDir) {
  std::string folder = gameDir;
  if (folder.empty()) folder = std::filesystem::current_path().string();
  if (folder.back() != '/') folder += '/';
  GameState gs = settledHoleStart(folder, hole);
  Solution s = solveFrom(gs);
  for (const PullShot& shot : s.shots)
    std::printf("angle %d speed %.3f drag %d %d\n", shot.angle, shot.speed, shot.drag_x, shot.drag_y);
  if (!s.solved) {
    std::printf("no solution within %d strokes (%lld putts tried)\n", SolverOptions{}.max_strokes,
                static_cast<long long>(s.putts_tried));
    return 1;
  }
  std::printf("solved in %d strokes (par %d, %lld putts tried)\n", s.strokes, gs.course_par,
              static_cast<long long>(s.putts_tried));
  return 0;
}

}  // namespace fg
