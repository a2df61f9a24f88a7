// fgsim: runs the game's own ball simulation on a hole file without a window
// and prints what happens, one JSON object per line.
#include <cstring>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "scenario.h"
#include "play_command.h"
#include "solve_command.h"

namespace {

constexpr const char* kUsage =
    "usage: fgsim run SCENARIO.json\n"
    "       fgsim solve HOLE [GAME_DIR]   shortest pull-putt round of a hole, one shot a line\n"
    "       fgsim play HOLE [HOLE...] [--skill casual|good|expert] [--rounds N] [--seed N] [--each] [--shots]\n"
    "                                     strokes people of each skill take (player model)\n"
    "       fgsim --help\n"
    "\n"
    "A HOLE is a name looked for beside fgsim (or in GAME_DIR) or a path to\n"
    "its .hole file.\n"
    "\n"
    "Runs the ball simulation of a hole and prints one JSON object per line:\n"
    "  init     the state after the hole start and the scenario's overrides\n"
    "  putt     a putt struck at the start of a frame\n"
    "  substep  after every simulation sub-step that ran\n"
    "  flow     after a cup, tunnel or water sequence ran in a frame\n"
    "  final    the score and hole state at the end\n"
    "\n"
    "Scenario keys: hole (NAME.hole beside the scenario), frames (100),\n"
    "frame_skip (2), sound_on (true), splash_frames (32), seed (0),\n"
    "effect_next (0), initial {game-state name: value}, putts [{angle, speed,\n"
    "frame}]. A putt without frame is played as soon as the ball rests.\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << kUsage;
    return 0;
  }
  if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "solve") == 0) {
    // The hole's files are looked for beside the program unless a folder is given.
    std::string dir = argc == 4 ? argv[3] : std::filesystem::canonical("/proc/self/exe").parent_path().string();
    try {
      return fg::solveCommand(argv[2], dir);
    } catch (const std::exception& e) {
      std::cerr << "fgsim: " << e.what() << '\n';
      return 1;
    }
  }
  if (argc >= 3 && std::strcmp(argv[1], "play") == 0) {
    try {
      return fg::playCommand(std::vector<std::string>(argv + 2, argv + argc),
                             std::filesystem::canonical("/proc/self/exe").parent_path().string());
    } catch (const std::exception& e) {
      std::cerr << "fgsim: " << e.what() << '\n';
      return 1;
    }
  }
  if (argc != 3 || std::strcmp(argv[1], "run") != 0) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    fg::Scenario sc = fg::loadScenario(argv[2]);
    std::ios::sync_with_stdio(false);
    fg::runScenario(sc, std::cout);
    std::cout.flush();
  } catch (const std::exception& e) {
    std::cerr << "fgsim: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
