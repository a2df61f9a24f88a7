#include "sim/ini_text.h"

#include <algorithm>

namespace fg {

namespace {

std::string_view trimBlanks(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string lowerCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

IniText::IniText(std::string_view text) {
  // Editors may start a UTF-8 file with a byte-order mark; it is no part of
  // the first line.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Section* current = nullptr;  // null: before any section, or a repeated one
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    line = trimBlanks(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      size_t close = line.find(']');
      std::string name = lowerCase(trimBlanks(line.substr(1, close == std::string_view::npos ? line.npos : close - 1)));
      auto [it, fresh] = section_index_.try_emplace(name, sections_.size());
      if (fresh) {
        sections_.emplace_back();
        current = &sections_.back();
      } else {
        current = nullptr;  // a later copy of a section adds nothing
      }
      continue;
    }
    size_t eq = line.find('=');
    if (current == nullptr || eq == std::string_view::npos) continue;
    std::string key = lowerCase(trimBlanks(line.substr(0, eq)));
    std::string_view value = trimBlanks(line.substr(eq + 1));
    if (value.size() > kIniValueLimit) value = value.substr(0, kIniValueLimit);
    current->keys.try_emplace(std::move(key), value);
  }
}

std::optional<std::string_view> IniText::find(std::string_view section, std::string_view key) const {
  auto s = section_index_.find(lowerCase(section));
  if (s == section_index_.end()) return std::nullopt;
  const auto& keys = sections_[s->second].keys;
  auto k = keys.find(lowerCase(key));
  if (k == keys.end()) return std::nullopt;
  return std::string_view(k->second);
}

std::string IniText::readString(std::string_view section, std::string_view key, std::string_view dflt) const {
  auto v = find(section, key);
  return std::string(v ? *v : dflt);
}

int32_t IniText::readInteger(std::string_view section, std::string_view key, int32_t dflt) const {
  auto v = find(section, key);
  if (!v) return dflt;
  return parseIniInteger(*v).value_or(dflt);
}

bool IniText::readBool(std::string_view section, std::string_view key, bool dflt) const {
  return readInteger(section, key, dflt ? 1 : 0) != 0;
}

std::optional<int32_t> parseDecimal(std::string_view s) {
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  int64_t v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > int64_t{1} << 32) return std::nullopt;  // far out of range; stop growing
  }
  if (negative) v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(v);
}

std::optional<int32_t> parseIniInteger(std::string_view s) {
  std::string_view digits = s;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  size_t prefix = 0;
  if (!digits.empty() && digits.front() == '$') prefix = 1;
  else if (digits.size() >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) prefix = 2;
  if (prefix == 0) return parseDecimal(s);
  digits.remove_prefix(prefix);
  if (digits.empty()) return std::nullopt;
  uint32_t v = 0;
  for (char c : digits) {
    int d = hexDigit(c);
    if (d < 0 || v > 0x0FFFFFFFu) return std::nullopt;
    v = v * 16u + static_cast<uint32_t>(d);
  }
  if (negative) v = 0u - v;
  return static_cast<int32_t>(v);
}

}  // namespace fg
