#pragma once
// A small JSON reader and writer for the scenario files of fgsim.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fg {

struct JsonMember;

struct JsonValue {
  enum class Type { Null, Bool, Number, String, Array, Object };
  Type type = Type::Null;
  bool boolean = false;
  double number = 0;
  std::string string;
  std::vector<JsonValue> array;
  std::vector<JsonMember> object;  // in file order

  // Member of an object, first occurrence; null when absent or not an object.
  const JsonValue* get(std::string_view key) const;
  bool isNumber() const { return type == Type::Number; }
  // The number as an integer when it is one and fits in [lo, hi].
  std::optional<int64_t> integer(int64_t lo, int64_t hi) const;
};

struct JsonMember {
  std::string key;
  JsonValue value;
};

// Throws std::runtime_error with a message naming the offset of the fault.
JsonValue parseJson(std::string_view text);

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
