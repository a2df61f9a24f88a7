#include "frontend/launchpad_files.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace fg {

namespace {

std::string lowered(const std::string& s) {
  std::string out(s);
  for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return out;
}

bool hasBmpExtension(const std::string& name) {
  return name.size() > 4 && lowered(name.substr(name.size() - 4)) == ".bmp";
}

template <typename Keep>
std::vector<std::string> listFolder(const std::string& dir, size_t limit, Keep keep) {
  std::vector<std::string> names;
  std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(dir.c_str()), ::closedir);
  if (!d) return names;
  std::string base = dir;
  if (!base.empty() && base.back() != '/') base += '/';
  // Read a bounded number of entries: a folder stuffed with thousands of
  // names must not stall the launch window.
  size_t seen = 0;
  while (dirent* e = ::readdir(d.get())) {
    if (++seen > 65536) break;
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st{};
    if (::lstat((base + name).c_str(), &st) != 0) continue;
    if (keep(name, st)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), nameLessIgnoringCase);
  if (names.size() > limit) names.resize(limit);
  return names;
}

}  // namespace

bool nameLessIgnoringCase(const std::string& a, const std::string& b) {
  std::string la = lowered(a), lb = lowered(b);
  return la != lb ? la < lb : a < b;
}

std::vector<std::string> listSkinFolders(const std::string& dir) {
  return listFolder(dir, kMaxSkinRows - 1, [](const std::string& name, const struct stat& st) {
    // Like a folder whose only attribute is "directory": no link, not hidden,
    // not read-only.
    return S_ISDIR(st.st_mode) && name[0] != '.' && (st.st_mode & S_IWUSR) != 0;
  });
}

std::vector<std::string> listTextureFiles(const std::string& dir) {
  return listFolder(dir, kMaxTextures, [](const std::string& name, const struct stat& st) {
    return hasBmpExtension(name) && (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode));
  });
}

std::string TextureCycle::first() {
  auto files = listTextureFiles(dir_);
  at_ = files.empty() ? std::string() : files.front();
  return at_;
}

std::string TextureCycle::next() {
  auto files = listTextureFiles(dir_);
  if (files.empty()) return at_ = {};
  auto it = std::upper_bound(files.begin(), files.end(), at_, nameLessIgnoringCase);
  at_ = it == files.end() ? files.front() : *it;
  return at_;
}

Picture defaultBallTexture() {
  // A white ball with a faint dimple grid, so the spin shows on the course.
  Picture p;
  p.width = p.height = 16;
  p.rgb.resize(16 * 16 * 3);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      bool dimple = (x % 4 == 1) && (y % 4 == 1);
      uint8_t v = dimple ? 200 : 245;
      uint8_t* px = &p.rgb[(y * 16 + x) * 3];
      px[0] = v;
      px[1] = v;
      px[2] = static_cast<uint8_t>(v - 10);
    }
  }
  return p;
}

}  // namespace fg
