#pragma once
// PNG files: the one writer every program uses (screenshots, golden
// pictures, content previews, unpacked archives) and a reader for 24-bit
// pictures. Throws GameError with the path when a file cannot be made or read.
#include <string>

#include "media/picture.h"
#include "media/surface.h"

namespace fg {

void writePngFile(const std::string& path, const Picture& p);
// Any PNG libpng reads, as 8-bit RGB: alpha composed onto black, greys widened.
Picture readPngFile(const std::string& path);

// A 16-bit surface as 24-bit colour, each channel's high bits repeated into
// the low ones, as a monitor shows them.
Picture surfacePicture(const Surface& s);
// The picture packed into a surface of `format` (the low bits dropped).
Surface pictureSurface(const Picture& p, PixelFormat format);

}  // namespace fg
