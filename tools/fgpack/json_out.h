#pragma once
// A small JSON text builder for fgpack's listing.
#include <cstdint>
#include <string>

namespace fg::pack {

// A JSON string literal; bytes outside ASCII are taken as Latin-1, the
// archives' own code page near enough for names.
std::string jsonString(const std::string& s);

}  // namespace fg::pack
