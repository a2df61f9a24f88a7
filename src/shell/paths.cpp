#include "shell/paths.h"

#include <unistd.h>

#include <filesystem>
#include <vector>

namespace fg {

namespace {
std::string& overrideDir() {
  static std::string dir;
  return dir;
}
}  // namespace

void setExeDirOverride(const std::string& dir) {
  overrideDir() = dir;
  if (!dir.empty() && dir.back() != '/') overrideDir() += '/';
}

std::string exeDir() {
  if (!overrideDir().empty()) return overrideDir();
  std::vector<char> buf(4096);
  ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return "./";
  std::filesystem::path p(std::string(buf.data(), static_cast<size_t>(n)));
  std::string dir = p.parent_path().string();
  return dir.empty() ? "/" : dir + "/";
}

}  // namespace fg
