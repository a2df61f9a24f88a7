#include "hole_arg.h"

#include <filesystem>

#include "media/error.h"

namespace fg {

HoleRef findHole(const std::string& arg, const std::string& gameDir) {
  namespace fs = std::filesystem;
  fs::path folder = gameDir.empty() ? fs::current_path() : fs::path(gameDir);
  std::string name = arg;
  const fs::path given(arg);
  if (given.extension() == ".hole") {
    name = given.stem().string();
    if (given.has_parent_path()) folder = given.parent_path();
  }
  const fs::path file = folder / (name + ".hole");
  std::error_code ec;
  if (name.empty() || !fs::is_regular_file(file, ec))
    throw GameError("no hole \"" + name + "\": " + file.string() + " not found");
  HoleRef ref{folder.string(), name};
  if (ref.folder.back() != '/') ref.folder += '/';
  return ref;
}

}  // namespace fg
