// The INI text layer: any bytes as a file, then look-ups of names taken from
// the same bytes, and the number parsers on them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sim/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  fg::IniText ini(text);
  const std::string_view head = text.substr(0, std::min<size_t>(size, 8));
  const std::string_view tail = text.substr(size > 8 ? size - 8 : 0);
  for (std::string_view section : {head, tail, std::string_view("ball"), std::string_view("area1")}) {
    for (std::string_view key : {head, tail, std::string_view("x"), std::string_view("comment")}) {
      ini.find(section, key);
      ini.readString(section, key, "");
      ini.readInteger(section, key, 7);
      ini.readBool(section, key, false);
    }
  }
  fg::parseIniInteger(head);
  fg::parseIniInteger(text.substr(0, 64));
  fg::parseDecimal(text.substr(0, 64));
  return 0;
}
