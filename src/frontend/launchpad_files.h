#pragma once
// The folders beside the executable that the launch window lists: the
// interface skins ("skins") and the ball textures ("textures").
#include <string>
#include <vector>

#include "media/picture.h"

namespace fg {

// The skin list never holds more rows than the game window looks at.
constexpr size_t kMaxSkinRows = 256;
constexpr size_t kMaxTextures = 1024;

// Names of the plain sub-folders of `dir`: real folders (not links), not
// hidden, writable by their owner. Sorted by name ignoring case; at most
// kMaxSkinRows - 1 of them. A missing folder gives none.
std::vector<std::string> listSkinFolders(const std::string& dir);
// Names of the regular ".bmp" files of `dir` (extension in any case), sorted
// by name ignoring case.
std::vector<std::string> listTextureFiles(const std::string& dir);

// Case-blind name order, ties broken by the exact bytes so the order is total.
bool nameLessIgnoringCase(const std::string& a, const std::string& b);

// "Next" on the ball texture: the textures in name order, wrapping around.
// The folder is read again at each step, so files added meanwhile show up.
// The cycle keeps its own place, so a file that cannot be loaded is stepped
// over by the next step instead of being found again.
class TextureCycle {
 public:
  explicit TextureCycle(std::string dir) : dir_(std::move(dir)) {}
  // Starts again: the first texture's file name, or empty when there is none.
  std::string first();
  // The texture after the last one given (or the first after the last);
  // empty when there is none.
  std::string next();
  std::string pathOf(const std::string& file) const { return dir_ + file; }

 private:
  std::string dir_;  // with a trailing separator
  std::string at_;   // the file the cycle last gave
};

// The 16×16 ball texture the launch window starts with.
Picture defaultBallTexture();
// The 640×480 logo picture behind the launch window's controls.
Picture launchpadLogo();

}  // namespace fg
