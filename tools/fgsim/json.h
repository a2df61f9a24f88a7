#pragma once
// The JSON of fgsim: scenario files in, one object per line out.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace fg {

// Scenario documents, read by nlohmann-json; objects keep their file order.
using JsonValue = nlohmann::ordered_json;

// At most this deep: a scenario is a few levels of objects and arrays.
constexpr int kMaxJsonDepth = 64;

// Throws std::runtime_error "JSON error ..." (with the offset of a syntax
// fault) for text that is not JSON, is nested deeper than kMaxJsonDepth, or
// holds a number too large for a double.
JsonValue parseJson(std::string_view text);

// The number as an integer when it is one and fits in [lo, hi].
std::optional<int64_t> jsonInteger(const JsonValue& v, int64_t lo, int64_t hi);

// Member of an object; null when absent or not an object.
const JsonValue* jsonMember(const JsonValue& v, const char* key);

// Output helpers: one JSON object per line, doubles in shortest round-trip
// form (null for NaN and infinities).
class JsonLine {
 public:
  JsonLine() { out_ = "{"; }
  JsonLine& key(std::string_view k);
  JsonLine& field(std::string_view k, double v);
  JsonLine& field(std::string_view k, int64_t v);
  JsonLine& field(std::string_view k, int32_t v) { return field(k, static_cast<int64_t>(v)); }
  JsonLine& field(std::string_view k, bool v);
  JsonLine& field(std::string_view k, std::string_view v);
  JsonLine& raw(std::string_view k, std::string_view json);
  std::string finish() { return out_ + "}"; }

 private:
  std::string out_;
  bool first_ = true;
};

std::string jsonNumber(double v);
std::string jsonString(std::string_view s);

}  // namespace fg
