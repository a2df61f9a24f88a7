#pragma once
// 24-bit PNG files for fgpack, through libpng's simplified interface.
#include <string>

#include "media/picture.h"

namespace fg::pack {

void writePng(const std::string& path, const Picture& p);
// Any PNG the library reads, as 8-bit RGB (alpha dropped, greys widened).
Picture readPng(const std::string& path);

}  // namespace fg::pack
