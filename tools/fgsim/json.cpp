#include "json.h"

#include <charconv>
#include <cstdio>
#include <cmath>
#include <stdexcept>

namespace fg {

namespace {

[[noreturn]] void fail(size_t offset, const std::string& what) {
  throw std::runtime_error("JSON error at offset " + std::to_string(offset) + ": " + what);
}

// nlohmann's messages start with their own tag (and for syntax errors a line
// and column); the offset says the same for a one-line or a many-line file.
std::string reason(const nlohmann::json::exception& e) {
  std::string what = e.what();
  const size_t tag = what.find("] ");
  if (what.rfind("[json.exception.", 0) == 0 && tag != std::string::npos) what.erase(0, tag + 2);
  const size_t colon = what.find(": ");
  if (what.rfind("parse error", 0) == 0 && colon != std::string::npos) what.erase(0, colon + 2);
  return what;
}

}  // namespace

JsonValue parseJson(std::string_view text) {
  // The callback sees each level as it opens, before anything deeper is built.
  auto limits = [](int depth, JsonValue::parse_event_t, JsonValue&) {
    if (depth > kMaxJsonDepth) throw std::runtime_error("JSON error: nested too deeply");
    return true;
  };
  try {
    return JsonValue::parse(text.begin(), text.end(), limits);
  } catch (const nlohmann::json::parse_error& e) {
    fail(e.byte > 0 ? e.byte - 1 : 0, reason(e));
  } catch (const nlohmann::json::exception& e) {
    throw std::runtime_error("JSON error: " + reason(e));  // a number too large for a double
  }
}

std::optional<int64_t> jsonInteger(const JsonValue& v, int64_t lo, int64_t hi) {
  if (v.is_number_integer() && !v.is_number_unsigned()) {
    const int64_t i = v.get<int64_t>();
    if (i < lo || i > hi) return std::nullopt;
    return i;
  }
  if (v.is_number_unsigned()) {
    const uint64_t u = v.get<uint64_t>();
    if (hi < 0 || u > static_cast<uint64_t>(hi) || static_cast<int64_t>(u) < lo) return std::nullopt;
    return static_cast<int64_t>(u);
  }
  // A whole number written with a fraction or exponent ("5.0", "1e3") counts.
  if (!v.is_number_float()) return std::nullopt;
  const double d = v.get<double>();
  if (!std::isfinite(d) || std::floor(d) != d) return std::nullopt;
  if (d < static_cast<double>(lo) || d > static_cast<double>(hi) || std::fabs(d) >= 0x1p63) return std::nullopt;
  return static_cast<int64_t>(d);
}

const JsonValue* jsonMember(const JsonValue& v, const char* key) {
  if (!v.is_object()) return nullptr;
  auto it = v.find(key);
  return it == v.end() ? nullptr : &*it;
}

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
