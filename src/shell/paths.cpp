#include "shell/paths.h"

#include <unistd.h>

#include <filesystem>
#include <vector>

namespace fg {

namespace {
// A file every game folder has.
constexpr const char* kProbeFile = "gui.dxg";

std::string& overrideDir() {
  static std::string dir;
  return dir;
}
}  // namespace

void setExeDirOverride(const std::string& dir) {
  overrideDir() = dir;
  if (!dir.empty() && dir.back() != '/') overrideDir() += '/';
}

std::string gameFolderFor(const std::string& programDir) {
  // Installed, the program sits in <prefix>/bin and its files in
  // <prefix>/share/fairglade; in the build folder they lie beside it.
  std::error_code ec;
  if (std::filesystem::exists(programDir + kProbeFile, ec)) return programDir;
  std::string shared = programDir + "../share/fairglade/";
  if (std::filesystem::exists(shared + kProbeFile, ec)) {
    std::filesystem::path clean = std::filesystem::weakly_canonical(shared, ec);
    return ec ? shared : clean.string() + "/";
  }
  return programDir;
}

std::string exeDir() {
  if (!overrideDir().empty()) return overrideDir();
  std::vector<char> buf(4096);
  ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return "./";
  std::filesystem::path p(std::string(buf.data(), static_cast<size_t>(n)));
  std::string dir = p.parent_path().string();
  return gameFolderFor(dir.empty() ? "/" : dir + "/");
}

}  // namespace fg
