#include "frontend/personal_bests.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <sstream>

#include "media/file_io.h"

namespace fg {

namespace {

constexpr const char* kHeader = "fairglade-bests 1";
constexpr int32_t kMinStrokes = -1000;
constexpr int32_t kMaxStrokes = 1000000;
constexpr size_t kMaxField = 256;

const char* kindWord(BestKind k) { return k == BestKind::Hole ? "hole" : "round"; }

// Tabs, line ends, '%' and other control bytes become %XX, so a player may
// call themselves anything and still take one field.
std::string escape(const std::string& s) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    if (c < 0x20 || c == '%' || c == 0x7F) {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

bool unescape(std::string_view s, std::string& out) {
  out.clear();
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%') {
      out += s[i];
      continue;
    }
    unsigned value = 0;
    if (i + 2 >= s.size()) return false;
    auto [end, ec] = std::from_chars(s.data() + i + 1, s.data() + i + 3, value, 16);
    if (ec != std::errc() || end != s.data() + i + 3) return false;
    out += static_cast<char>(value);
    i += 2;
  }
  return true;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (fields.size() < 8) {
    size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return fields;
}

// The whole file, or nullopt when it is not a plain file we may read (a link,
// a folder, a pipe) or is larger than any bests file can be.
enum class ReadState { Missing, Ok, Refused };
ReadState readBounded(const std::string& path, std::string& text) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? ReadState::Missing : ReadState::Refused;
  struct stat st{};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
            static_cast<size_t>(st.st_size) <= PersonalBests::kMaxFileBytes;
  text.clear();
  char buf[65536];
  while (ok) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    text.append(buf, static_cast<size_t>(n));
    ok = text.size() <= PersonalBests::kMaxFileBytes;
  }
  ::close(fd);
  return ok ? ReadState::Ok : ReadState::Refused;
}

bool exists(const std::string& path) {
  struct stat st{};
  return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

std::string bestsText(const std::vector<BestRecord>& records) {
  std::string out = std::string(kHeader) + "\n";
  for (const BestRecord& r : records) {
    out += kindWord(r.kind);
    out += '\t' + escape(r.player) + '\t' + escape(r.name) + '\t' + std::to_string(r.strokes) + '\n';
  }
  return out;
}

PersonalBests::PersonalBests(std::string folder) : folder_(std::move(folder)) {
  if (folder_.empty()) folder_ = dataFolder();
  while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
}

std::string PersonalBests::path() const { return folder_ + "/" + kFileName; }

bool PersonalBests::parseLine(const std::string& line) {
  auto f = splitTabs(line);
  if (f.size() != 4 || f[1].size() > kMaxField * 3 || f[2].size() > kMaxField * 3) return false;
  BestRecord r;
  if (f[0] == "hole") r.kind = BestKind::Hole;
  else if (f[0] == "round") r.kind = BestKind::Round;
  else return false;
  if (!unescape(f[1], r.player) || !unescape(f[2], r.name) || r.name.empty()) return false;
  auto [end, ec] = std::from_chars(f[3].data(), f[3].data() + f[3].size(), r.strokes);
  if (ec != std::errc() || end != f[3].data() + f[3].size() || r.strokes < kMinStrokes || r.strokes > kMaxStrokes)
    return false;
  offer(r.kind, r.player, r.name, r.strokes);
  return true;
}

std::string PersonalBests::load() {
  records_.clear();
  if (folder_.empty()) return {};
  std::string text;
  ReadState state = readBounded(path(), text);
  if (state == ReadState::Missing) return {};
  bool damaged = state == ReadState::Refused;
  if (!damaged) {
    std::istringstream in(text);
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (first) {
        first = false;
        if (line == kHeader) continue;
        damaged = true;  // no header: read what we can all the same
      }
      if (line.empty()) continue;
      if (!parseLine(line)) damaged = true;
    }
    if (!text.empty() && text.back() != '\n') damaged = true;  // cut off in the middle
  }
  if (!damaged) return {};
  std::string aside = setAside();
  save();
  if (aside.empty()) return "The personal bests file " + path() + " was damaged; the records that could be read were kept.";
  return "The personal bests file was damaged and has been kept as " + aside +
         "; the records that could be read were kept.";
}

// Renames the damaged file (or whatever stands in its place) to the first free
// "bests.damaged.N.txt", so an older damaged copy is never overwritten.
std::string PersonalBests::setAside() const {
  for (int n = 1; n < 100; ++n) {
    std::string target = folder_ + "/bests.damaged." + std::to_string(n) + ".txt";
    if (exists(target)) continue;
    if (::rename(path().c_str(), target.c_str()) == 0) return target;
    return {};
  }
  return {};
}

bool PersonalBests::save() const {
  if (memoryOnly_) return false;
  if (folder_.empty()) return false;
  std::vector<BestRecord> all;
  for (const auto& [key, strokes] : records_) all.push_back({std::get<0>(key), std::get<1>(key), std::get<2>(key), strokes});
  std::string text = bestsText(all);
  try {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    writeFileAtomically(path(), std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

std::optional<int32_t> PersonalBests::best(BestKind kind, const std::string& player, const std::string& name) const {
  auto it = records_.find(Key{kind, player, name});
  if (it == records_.end()) return std::nullopt;
  return it->second;
}

bool PersonalBests::offer(BestKind kind, const std::string& player, const std::string& name, int32_t strokes) {
  auto [it, inserted] = records_.try_emplace(Key{kind, player, name}, strokes);
  if (inserted) return true;
  if (strokes >= it->second) return false;
  it->second = strokes;
  return true;
}

std::vector<BestRecord> PersonalBests::of(const std::string& player) const {
  std::vector<BestRecord> out;
  for (const auto& [key, strokes] : records_)
    if (std::get<1>(key) == player) out.push_back({std::get<0>(key), player, std::get<2>(key), strokes});
  return out;
}

}  // namespace fg
