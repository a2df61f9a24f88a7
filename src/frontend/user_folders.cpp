#include "frontend/user_folders.h"

#include <cstdlib>
#include <fstream>

#include "frontend/registry_store.h"

namespace fg {

namespace {

std::string homeFolder() {
  const char* home = std::getenv("HOME");
  return home && home[0] == '/' ? std::string(home) : std::string();
}

// XDG_PICTURES_DIR="$HOME/Pictures" in the user's folder list, as the desktop
// writes it. Only the two forms that file may hold are understood.
std::string picturesFromUserDirs() {
  std::string root = configRoot();
  if (root.empty()) return {};
  std::ifstream in(root + "/user-dirs.dirs");
  std::string line;
  for (int n = 0; n < 200 && std::getline(in, line); ++n) {
    const std::string key = "XDG_PICTURES_DIR=\"";
    if (line.rfind(key, 0) != 0 || line.size() < key.size() + 1 || line.back() != '"') continue;
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    if (value.rfind("$HOME", 0) == 0) {
      std::string home = homeFolder();
      if (home.empty()) return {};
      value = home + value.substr(5);
    }
    // "$HOME/" alone means the desktop has no pictures folder.
    if (value.empty() || value[0] != '/' || value == homeFolder() || value == homeFolder() + "/") return {};
    return value;
  }
  return {};
}

}  // namespace

std::string dataFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/fairglade";
  std::string home = homeFolder();
  return home.empty() ? std::string() : home + "/.local/share/fairglade";
}

std::string screenshotFolder() {
  const char* env = std::getenv("XDG_PICTURES_DIR");
  std::string pictures = env && env[0] == '/' ? std::string(env) : picturesFromUserDirs();
  if (!pictures.empty()) return pictures + "/Fairglade";
  return dataFolder();
}

}  // namespace fg
