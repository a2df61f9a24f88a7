#include "frontend/screenshot.h"

#include <cstdio>
#include <filesystem>

#include "frontend/user_folders.h"
#include "media/error.h"

namespace fg {

std::string screenshotName(const std::tm& t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "fairglade-%04d%02d%02d-%02d%02d%02d.png", t.tm_year + 1900, t.tm_mon + 1,
                t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
  return buf;
}

std::string saveScreenshot(Platform& platform, const std::string& folder) {
  namespace fs = std::filesystem;
  std::string dir = folder.empty() ? screenshotFolder() : folder;
  if (dir.empty()) throw GameError("There is no folder for screenshots");
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir, ec)) throw GameError("Cannot create the folder \"" + dir + "\"");

  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::string name = screenshotName(local);
  fs::path path = fs::path(dir) / name;
  // Two shots in one second keep both pictures.
  for (int n = 2; fs::exists(fs::symlink_status(path, ec)) && n < 1000; ++n)
    path = fs::path(dir) / (name.substr(0, name.size() - 4) + "-" + std::to_string(n) + ".png");
  if (!platform.saveScreenshot(path.string())) throw GameError("There is no picture to save");
  return path.string();
}

}  // namespace fg
