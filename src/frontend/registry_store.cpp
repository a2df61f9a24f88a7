#include "frontend/registry_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "media/error.h"
#include "media/file_io.h"

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

ReadResult readValue(const std::string& subkey, const std::string& name, int32_t& out) {
  struct stat st{};
  if (::stat(subkey.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return ReadResult::Missing;
  std::string text;
  try {
    text = readTextFile(subkey + "/" + name, kMaxValueBytes);
  } catch (const GameError&) {
    return ReadResult::NoData;  // not a plain file, or too long to be ours
  }
  return parseStoredValue(text, out);
}

// Through the one safe writer: a crash or a full disk leaves either the old
// value or the new one, never half of one, and a link at the name is replaced.
bool writeValue(const std::string& subkey, const std::string& name, int32_t value) {
  if (!makeFolders(subkey)) return false;
  try {
    writeFileAtomically(subkey + "/" + name, std::string(kDwordTag) + ":" + std::to_string(value) + "\n");
  } catch (const GameError&) {
    return false;
  }
  return true;
}

}  // namespace

ReadResult parseStoredValue(std::string_view text, int32_t& out) {
  if (text.empty() || text.size() > kMaxValueBytes) return ReadResult::NoData;
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
  // A folder given relative to where the program was started ("--settings
  // out/settings") means that one, fixed now: the store must not follow a
  // later change of the current folder. Without a current folder it stays
  // relative, and open() refuses it.
  if (!root_.empty() && root_[0] != '/') {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(root_, ec);
    if (!ec) root_ = full.lexically_normal().string();
  }
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

bool RegistryStore::hasValue(const std::string& name) const {
  struct stat st{};
  return opened_ && validName(name) && ::stat((keyFolder() + "/" + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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
