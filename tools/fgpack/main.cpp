// fgpack: list, extract and pack the game's image (".dxg") and wave (".dxw")
// archives.
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include "fgpack.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: fgpack list FILE\n"
               "       fgpack extract FILE DIR\n"
               "       fgpack pack [--any-path] MANIFEST OUT\n"
               "         --any-path  read pictures and waves from outside the manifest's folder too\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string cmd = argv[1];
  try {
    if (cmd == "list" && argc == 3) {
      std::string fault;
      std::string json = fg::pack::listArchive(argv[2], fault);
      std::cout << json << "\n";
      if (!fault.empty()) {
        std::cout.flush();
        std::cerr << fault << "\n";
        return 1;
      }
      return 0;
    }
    if (cmd == "extract" && argc == 4) {
      fg::pack::extractArchive(argv[2], argv[3]);
      return 0;
    }
    if (cmd == "pack" && argc == 4) {
      fg::pack::packArchive(argv[2], argv[3]);
      return 0;
    }
    if (cmd == "pack" && argc == 5 && std::strcmp(argv[2], "--any-path") == 0) {
      fg::pack::packArchive(argv[3], argv[4], true);
      return 0;
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return usage();
}
