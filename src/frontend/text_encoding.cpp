#include "frontend/text_encoding.h"

#include <cstdint>

namespace fg {

namespace {

// Code points of the Windows-1252 bytes 0x80 … 0x9F; 0 where the byte is unused.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int cp1252Of(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] && kHigh[i] == cp) return 0x80 + i;
  return -1;
}

// The next code point of `s` from `i`, moving `i` past it; -1 for a broken
// or overlong sequence (one byte is skipped then).
long nextCodePoint(const std::string& s, size_t& i) {
  auto byte = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
  uint8_t b = byte(i++);
  if (b < 0x80) return b;
  int more = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : -1;
  if (more < 0 || b >= 0xF5) return -1;
  long cp = b & (0x3F >> more);
  for (int k = 0; k < more; ++k) {
    if (i >= s.size() || (byte(i) & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (byte(i++) & 0x3F);
  }
  static constexpr long kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[more] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
  return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string utf8ToCp1252(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    long cp = nextCodePoint(text, i);
    int b = cp < 0 ? -1 : cp1252Of(static_cast<char32_t>(cp));
    if (b >= 0) out += static_cast<char>(b);
  }
  return out;
}

std::string cp1252ToUtf8(const std::string& text) {
  std::string out;
  for (char ch : text) {
    auto b = static_cast<uint8_t>(ch);
    char32_t cp = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b;
    if (cp) appendUtf8(out, cp);
  }
  return out;
}

std::string hudFontText(const std::string& cp1252, size_t maxLength) {
  std::string out;
  for (char ch : cp1252) {
    auto b = static_cast<uint8_t>(ch);
    bool drawn = (b >= 0x20 && b < 0x7F) || b == 0xC5 || b == 0xD6 || b == 0xC4;
    if (drawn && out.size() < maxLength) out += ch;
  }
  return out;
}

}  // namespace fg
