#pragma once
// A read-only INI text as the hole files use it: sections in square
// brackets, key=value lines, ";" comment lines, blanks around names and
// values ignored, LF or CRLF line ends. Section and key names match without
// regard to case, and the first occurrence of a section or of a key within it
// wins. Values are cut to 2047 characters, the size the game reads through.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace fg {

constexpr size_t kIniValueLimit = 2047;

class IniText {
 public:
  IniText() = default;
  explicit IniText(std::string_view text);

  // The value of section/key, or nothing when either is missing.
  std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

  std::string readString(std::string_view section, std::string_view key, std::string_view dflt) const;
  int32_t readInteger(std::string_view section, std::string_view key, int32_t dflt) const;
  bool readBool(std::string_view section, std::string_view key, bool dflt) const;

 private:
  struct Section {
    std::unordered_map<std::string, std::string> keys;
  };
  std::unordered_map<std::string, size_t> section_index_;
  std::vector<Section> sections_;
};

// Decimal with an optional sign, or hexadecimal after 0x, 0X or "$" (sign
// allowed before the prefix), as a signed 32-bit value; hexadecimal may use
// all 32 bits ($FFFFFFFF is -1). Anything else gives nothing.
std::optional<int32_t> parseIniInteger(std::string_view text);

// Strict decimal with an optional sign, within 32 bits.
std::optional<int32_t> parseDecimal(std::string_view text);

}  // namespace fg
