#include "manifest.h"

#include <cerrno>
#include <cstdlib>

#include "media/error.h"

namespace fg::pack {
namespace {

std::string trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

GameError lineError(int line, const std::string& what) {
  return GameError("manifest line " + std::to_string(line) + ": " + what);
}

}  // namespace

Manifest parseManifest(const std::string& text) {
  Manifest m;
  int line = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string raw = trim(text.substr(pos, end - pos));
    pos = end + 1;
    ++line;
    if (raw.empty() || raw[0] == '#') continue;
    if (raw == "[item]") {
      if (m.archive.empty()) throw lineError(line, "\"archive = image\" or \"archive = wave\" must come first");
      m.items.push_back({line, {}});
      continue;
    }
    size_t eq = raw.find('=');
    if (eq == std::string::npos) throw lineError(line, "expected \"key = value\"");
    std::string key = trim(raw.substr(0, eq)), value = trim(raw.substr(eq + 1));
    if (m.items.empty()) {
      if (key != "archive" || (value != "image" && value != "wave"))
        throw lineError(line, "\"archive = image\" or \"archive = wave\" must come first");
      m.archive = value;
      continue;
    }
    if (!m.items.back().values.emplace(key, value).second) throw lineError(line, "\"" + key + "\" given twice");
  }
  if (m.archive.empty()) throw GameError("manifest: no \"archive = image|wave\" line");
  return m;
}

std::string textValue(const ManifestItem& item, const std::string& key, const std::string& fallback) {
  auto it = item.values.find(key);
  return it == item.values.end() ? fallback : it->second;
}

long long integerValue(const ManifestItem& item, const std::string& key, long long fallback) {
  auto it = item.values.find(key);
  if (it == item.values.end()) return fallback;
  const char* s = it->second.c_str();
  char* end = nullptr;
  errno = 0;
  long long v = std::strtoll(s, &end, 0);
  if (errno || end == s || *end) throw lineError(item.line, "\"" + key + "\" is not a whole number");
  return v;
}

bool booleanValue(const ManifestItem& item, const std::string& key, bool fallback) {
  auto it = item.values.find(key);
  if (it == item.values.end()) return fallback;
  if (it->second == "true") return true;
  if (it->second == "false") return false;
  throw lineError(item.line, "\"" + key + "\" must be true or false");
}

}  // namespace fg::pack
