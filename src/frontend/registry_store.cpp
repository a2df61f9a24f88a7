#include "frontend/registry_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <vector>

#include "media/error.h"

namespace fg {

namespace {

// A stored value is a handful of bytes; anything longer is not ours.
constexpr size_t kMaxValueBytes = 64;
constexpr const char* kDwordTag = "dword";

bool isFolder(const std::string& path) {
  struct stat st{};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Setting names become folder and file names: nothing that could climb out
// of the key folder or hide a file.
bool validName(const std::string& name) {
  if (name.empty() || name.size() > 200 || name == "." || name == "..") return false;
  for (char c : name) {
    if (c == '/' || c == '\0') return false;
  }
  return true;
}

// Creates `path` and its parents as folders; false if something else is in the way.
bool makeFolders(const std::string& path) {
  for (size_t pos = 1; pos <= path.size(); ++pos) {
    if (pos != path.size() && path[pos] != '/') continue;
    std::string part = path.substr(0, pos);
    if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    if (!isFolder(part)) return false;
  }
  return true;
}

enum class ReadResult { Ok, Missing, NoData, WrongType };

ReadResult readValue(const std::string& subkey, const std::string& name, int32_t& out) {
  struct stat st{};
  if (::stat(subkey.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return ReadResult::Missing;
  std::string file = subkey + "/" + name;
  // Non-blocking so a pipe planted there cannot hang the game.
  int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return ReadResult::NoData;
  char buf[kMaxValueBytes + 1];
  ssize_t got = -1;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
      static_cast<size_t>(st.st_size) <= kMaxValueBytes) {
    got = ::read(fd, buf, sizeof buf);
  }
  ::close(fd);
  if (got <= 0 || static_cast<size_t>(got) > kMaxValueBytes) return ReadResult::NoData;
  std::string_view text(buf, static_cast<size_t>(got));
  size_t colon = text.find(':');
  if (colon == std::string_view::npos) return ReadResult::NoData;
  if (text.substr(0, colon) != kDwordTag) return ReadResult::WrongType;
  std::string_view digits = text.substr(colon + 1);
  while (!digits.empty() && (digits.back() == '\n' || digits.back() == '\r' || digits.back() == ' ')) {
    digits.remove_suffix(1);
  }
  int64_t value = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
    return ReadResult::NoData;
  }
  if (value < INT32_MIN || value > INT32_MAX) return ReadResult::NoData;
  out = static_cast<int32_t>(value);
  return ReadResult::Ok;
}

bool writeAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Temporary file, flush, rename: a crash or a full disk leaves either the old
// value or the new one, never half of one.
bool writeValue(const std::string& subkey, const std::string& name, int32_t value) {
  if (!makeFolders(subkey)) return false;
  std::string tmpl = subkey + "/." + name + ".XXXXXX";
  std::vector<char> path(tmpl.begin(), tmpl.end());
  path.push_back('\0');
  int fd = ::mkstemp(path.data());
  if (fd < 0) return false;
  std::string text = std::string(kDwordTag) + ":" + std::to_string(value) + "\n";
  bool ok = writeAll(fd, text) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  std::string target = subkey + "/" + name;
  if (ok) ok = ::rename(path.data(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(path.data());
    return false;
  }
  int dir = ::open(subkey.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace

std::string configRoot() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.config";
  return {};
}

std::string settingsFolder() { return RegistryStore().keyFolder(); }

RegistryStore::RegistryStore(std::string root) : root_(std::move(root)) {
  if (root_.empty()) root_ = configRoot();
  while (root_.size() > 1 && root_.back() == '/') root_.pop_back();
}

std::string RegistryStore::keyFolder() const {
  return root_ + "/" + Group + "/" + Company + "/" + Application;
}

void RegistryStore::open() {
  // The root may not exist yet (first run on a fresh account); it only must
  // not be something other than a folder.
  struct stat st{};
  bool usable = !root_.empty() && root_[0] == '/' &&
                (::stat(root_.c_str(), &st) != 0 ? errno == ENOENT : S_ISDIR(st.st_mode));
  opened_ = usable;
}

void RegistryStore::close() { opened_ = false; }

int32_t RegistryStore::readInteger(const std::string& name) const {
  if (!opened_) throw GameError("Registry not opened");
  if (!validName(name)) throw GameError(formatMessage("Failed to get data for '%s'", name.c_str()));
  int32_t value = 0;
  switch (readValue(keyFolder() + "/" + name, name, value)) {
    case ReadResult::Ok: return value;
    case ReadResult::Missing: return 0;
    case ReadResult::WrongType:
      throw GameError(formatMessage("Invalid data type for '%s'", name.c_str()));
    case ReadResult::NoData: break;
  }
  throw GameError(formatMessage("Failed to get data for '%s'", name.c_str()));
}

bool RegistryStore::readBoolean(const std::string& name) const { return readInteger(name) != 0; }

void RegistryStore::writeInteger(const std::string& name, int32_t value) const {
  if (!opened_) return;
  if (!validName(name) || !writeValue(keyFolder() + "/" + name, name, value)) {
    throw GameError(formatMessage("Failed to set data for '%s'", name.c_str()));
  }
}

void RegistryStore::writeBoolean(const std::string& name, bool value) const {
  writeInteger(name, value ? 1 : 0);
}

}  // namespace fg
