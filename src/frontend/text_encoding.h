#pragma once
// The game keeps its text in 8-bit Windows-1252, as its bitmap fonts are laid
// out; typed text arrives as UTF-8 and the platform's controls show UTF-8.
#include <cstddef>
#include <string>

namespace fg {

// Each character with a Windows-1252 byte becomes that byte; the others
// (and broken sequences) are dropped.
std::string utf8ToCp1252(const std::string& text);
std::string cp1252ToUtf8(const std::string& text);
// What the HUD's font can draw of `text` (printable ASCII and its three
// Nordic capitals Å, Ö, Ä), at most `maxLength` characters.
std::string hudFontText(const std::string& cp1252, size_t maxLength);

}  // namespace fg
