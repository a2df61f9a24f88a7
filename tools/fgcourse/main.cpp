// fgcourse: builds the holes from content/holes and solves them.
//   fgcourse build SRC_DIR OUT_DIR [SHEET.png]
//   fgcourse solve HOLE [GAME_DIR]
#include <cstdio>
#include <string>

#include "build_holes.h"
#include "media/error.h"
#include "solve_command.h"

int main(int argc, char** argv) {
  try {
    std::string cmd = argc > 1 ? argv[1] : "";
    if (cmd == "build" && (argc == 4 || argc == 5)) {
      int n = fg::buildHoles(argv[2], argv[3], argc == 5 ? argv[4] : "");
      std::printf("built %d holes\n", n);
      return 0;
    }
    if (cmd == "solve" && (argc == 3 || argc == 4)) return fg::solveCommand(argv[2], argc == 4 ? argv[3] : "");
    std::fprintf(stderr, "usage: fgcourse build SRC_DIR OUT_DIR [SHEET.png]\n"
                         "       fgcourse solve HOLE [GAME_DIR]\n");
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fgcourse: %s\n", e.what());
    return 1;
  }
}
