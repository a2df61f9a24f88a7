#include "json.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cmath>
#include <stdexcept>

namespace fg {

namespace {

constexpr int kMaxDepth = 64;

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  JsonValue document() {
    JsonValue v = value(0);
    skipBlanks();
    if (pos_ != s_.size()) fail("trailing characters");
    return v;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error("JSON error at offset " + std::to_string(pos_) + ": " + what);
  }

  void skipBlanks() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r')) ++pos_;
  }

  bool take(char c) {
    skipBlanks();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  void expect(char c) {
    if (!take(c)) fail(std::string("expected '") + c + "'");
  }

  bool word(std::string_view w) {
    if (s_.substr(pos_, w.size()) != w) return false;
    pos_ += w.size();
    return true;
  }

  JsonValue value(int depth) {
    if (depth > kMaxDepth) fail("nested too deeply");
    skipBlanks();
    if (pos_ >= s_.size()) fail("unexpected end");
    JsonValue v;
    char c = s_[pos_];
    if (c == '{') return object(depth);
    if (c == '[') return array(depth);
    if (c == '"') {
      v.type = JsonValue::Type::String;
      v.string = string();
    } else if (word("true")) {
      v.type = JsonValue::Type::Bool;
      v.boolean = true;
    } else if (word("false")) {
      v.type = JsonValue::Type::Bool;
    } else if (word("null")) {
      v.type = JsonValue::Type::Null;
    } else {
      v.type = JsonValue::Type::Number;
      v.number = number();
    }
    return v;
  }

  JsonValue object(int depth) {
    JsonValue v;
    v.type = JsonValue::Type::Object;
    expect('{');
    if (take('}')) return v;
    do {
      skipBlanks();
      if (pos_ >= s_.size() || s_[pos_] != '"') fail("expected a key");
      std::string k = string();
      expect(':');
      v.object.push_back(JsonMember{std::move(k), value(depth + 1)});
    } while (take(','));
    expect('}');
    return v;
  }

  JsonValue array(int depth) {
    JsonValue v;
    v.type = JsonValue::Type::Array;
    expect('[');
    if (take(']')) return v;
    do {
      v.array.push_back(value(depth + 1));
    } while (take(','));
    expect(']');
    return v;
  }

  double number() {
    size_t start = pos_;
    while (pos_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '-' ||
                                s_[pos_] == '+' || s_[pos_] == '.' || s_[pos_] == 'e' || s_[pos_] == 'E')) {
      ++pos_;
    }
    double d = 0;
    auto [end, ec] = std::from_chars(s_.data() + start, s_.data() + pos_, d);
    if (start == pos_ || ec != std::errc() || end != s_.data() + pos_) fail("bad number");
    return d;
  }

  unsigned hex4() {
    if (pos_ + 4 > s_.size()) fail("short \\u escape");
    unsigned v = 0;
    for (int i = 0; i < 4; ++i) {
      char c = s_[pos_++];
      v <<= 4;
      if (c >= '0' && c <= '9') v |= static_cast<unsigned>(c - '0');
      else if (c >= 'a' && c <= 'f') v |= static_cast<unsigned>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') v |= static_cast<unsigned>(c - 'A' + 10);
      else fail("bad \\u escape");
    }
    return v;
  }

  static void appendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  void escape(std::string& out) {
    if (pos_ >= s_.size()) fail("unterminated string");
    char c = s_[pos_++];
    switch (c) {
      case '"': case '\\': case '/': out += c; break;
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 'u': {
        unsigned cp = hex4();
        if (cp >= 0xD800 && cp < 0xDC00 && word("\\u")) {
          unsigned low = hex4();
          if (low < 0xDC00 || low > 0xDFFF) fail("bad surrogate pair");
          cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        appendUtf8(out, cp);
        break;
      }
      default: fail("bad escape");
    }
  }

  std::string string() {
    ++pos_;  // opening quote
    std::string out;
    while (true) {
      if (pos_ >= s_.size()) fail("unterminated string");
      char c = s_[pos_++];
      if (c == '"') return out;
      if (c == '\\') escape(out);
      else if (static_cast<unsigned char>(c) < 0x20) fail("control character in string");
      else out += c;
    }
  }

  std::string_view s_;
  size_t pos_ = 0;
};

}  // namespace

const JsonValue* JsonValue::get(std::string_view key) const {
  if (type != Type::Object) return nullptr;
  for (const auto& [k, v] : object) {
    if (k == key) return &v;
  }
  return nullptr;
}

std::optional<int64_t> JsonValue::integer(int64_t lo, int64_t hi) const {
  if (type != Type::Number || !std::isfinite(number) || std::floor(number) != number) return std::nullopt;
  if (number < static_cast<double>(lo) || number > static_cast<double>(hi)) return std::nullopt;
  return static_cast<int64_t>(number);
}

JsonValue parseJson(std::string_view text) { return Parser(text).document(); }

std::string jsonNumber(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, end);
}

std::string jsonString(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

JsonLine& JsonLine::key(std::string_view k) {
  if (!first_) out_ += ',';
  first_ = false;
  out_ += jsonString(k);
  out_ += ':';
  return *this;
}

JsonLine& JsonLine::field(std::string_view k, double v) {
  key(k);
  out_ += jsonNumber(v);
  return *this;
}

JsonLine& JsonLine::field(std::string_view k, int64_t v) {
  key(k);
  out_ += std::to_string(v);
  return *this;
}

JsonLine& JsonLine::field(std::string_view k, bool v) {
  key(k);
  out_ += v ? "true" : "false";
  return *this;
}

JsonLine& JsonLine::field(std::string_view k, std::string_view v) {
  key(k);
  out_ += jsonString(v);
  return *this;
}

JsonLine& JsonLine::raw(std::string_view k, std::string_view json) {
  key(k);
  out_ += json;
  return *this;
}

}  // namespace fg
