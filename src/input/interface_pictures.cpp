#include "input/interface_pictures.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "input/input_handlers.h"
#include "media/picture.h"
#include "state/gui_items.h"

namespace fg {

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// A list entry is a folder name; anything that would step out of "skins"
// is not one.
bool plainFolderName(const std::string& name) {
  return name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\\') == std::string::npos;
}

}  // namespace

std::string skinFolder(const LaunchpadControls& launchpad, const std::string& exeDir) {
  std::string folder = exeDir;
  size_t n = std::min({launchpad.skins.size(), launchpad.skin_selected.size(), kSkinListLimit});
  for (size_t i = 0; i < n; ++i) {
    if (launchpad.skin_selected[i] && plainFolderName(launchpad.skins[i]))
      folder = exeDir + "skins/" + launchpad.skins[i] + "/";
  }
  return folder;
}

std::string findSkinFile(const std::string& folder, const std::string& name) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::string exact = folder + name;
  if (fs::is_regular_file(exact, ec)) return exact;
  fs::directory_iterator it(folder, ec);
  if (ec) return {};
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return {};
    std::string entry = it->path().filename().string();
    if (sameIgnoringCase(entry, name) && it->is_regular_file(ec)) return it->path().string();
  }
  return {};
}

void loadInterfacePictures(GameContext& ctx) {
  ctx.gui.loadFromFile(ctx.exeDir + "gui.dxg");
  // The launch window always holds a texture; an empty one would leave the
  // ball without a surface, so the archive's own picture then stays.
  if (!ctx.launchpad.ball_texture.empty()) ctx.gui.item(kGuiBallTexture).setPicture(ctx.launchpad.ball_texture);
  std::string folder = skinFolder(ctx.launchpad, ctx.exeDir);
  for (size_t i = 0; i < kSkinFiles.size(); ++i) {
    std::string path = findSkinFile(folder, kSkinFiles[i]);
    if (path.empty()) continue;
    // Only the picture changes: pattern size, spacing and transparency stay
    // as "gui.dxg" has them.
    ctx.gui.item(static_cast<int>(i)).setPicture(loadBitmapFile(path));
  }
}

}  // namespace fg
