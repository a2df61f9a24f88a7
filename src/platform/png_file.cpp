#include "platform/png_file.h"

#include <png.h>

#include <cstring>
#include <vector>

#include "media/error.h"
#include "media/file_io.h"
#include "media/pixel_format.h"
#include "platform/headless_platform.h"

namespace fg {

namespace {
// A channel of n bits widened to 8, its high bits repeated into the low ones.
inline uint8_t expand(unsigned v, int bits) {
  unsigned x = v << (8 - bits);
  return static_cast<uint8_t>(x | (x >> bits));
}
}  // namespace

void writePngFile(const std::string& path, const Picture& p) {
  if (p.empty() || p.rgb.size() != static_cast<size_t>(p.width) * p.height * 3)
    throw GameError("Cannot write an empty picture to \"" + path + "\"");
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(p.width);
  image.height = static_cast<png_uint_32>(p.height);
  image.format = PNG_FORMAT_RGB;
  // Made in memory, then written through the one safe writer.
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, p.rgb.data(), 0, nullptr))
    throw GameError("Cannot write \"" + path + "\": " + image.message);
  std::vector<uint8_t> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, p.rgb.data(), 0, nullptr))
    throw GameError("Cannot write \"" + path + "\": " + image.message);
  bytes.resize(size);
  writeFileAtomically(path, bytes);
}

Picture readPngFile(const std::string& path) {
  const std::vector<uint8_t> bytes = readWholeFile(path, kBitmapFileLimit);
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
    throw GameError("Cannot read \"" + path + "\": " + image.message);
  if (image.width > static_cast<png_uint_32>(kMaxPictureSide) ||
      image.height > static_cast<png_uint_32>(kMaxPictureSide)) {
    png_image_free(&image);
    throw GameError("Picture too large: \"" + path + "\"");
  }
  image.format = PNG_FORMAT_RGB;
  Picture p;
  p.width = static_cast<int>(image.width);
  p.height = static_cast<int>(image.height);
  p.rgb.resize(PNG_IMAGE_SIZE(image));
  png_color black{0, 0, 0};
  if (!png_image_finish_read(&image, &black, p.rgb.data(), 0, nullptr))
    throw GameError("Cannot read \"" + path + "\": " + image.message);
  return p;
}

Picture surfacePicture(const Surface& s) {
  Picture p;
  p.width = s.width;
  p.height = s.height;
  p.rgb.resize(static_cast<size_t>(s.width) * s.height * 3);
  const bool is565 = s.format == PixelFormat::Rgb565;
  for (int y = 0; y < s.height; ++y) {
    const uint16_t* src = s.row(y);
    for (int x = 0; x < s.width; ++x) {
      const unsigned v = src[x];
      uint8_t* d = &p.rgb[(static_cast<size_t>(y) * s.width + x) * 3];
      d[0] = is565 ? expand((v >> 11) & 31, 5) : expand((v >> 10) & 31, 5);
      d[1] = is565 ? expand((v >> 5) & 63, 6) : expand((v >> 5) & 31, 5);
      d[2] = expand(v & 31, 5);
    }
  }
  return p;
}

Surface pictureSurface(const Picture& p, PixelFormat format) {
  Surface s(p.width, p.height, format);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const uint8_t* c = &p.rgb[(static_cast<size_t>(y) * p.width + x) * 3];
      s.row(y)[x] = packRgb(c[0], c[1], c[2], format);
    }
  return s;
}

void writeSurfacePng(const std::string& path, const Surface& s) {
  if (s.empty()) throw GameError("Cannot write an empty picture to " + path);
  writePngFile(path, surfacePicture(s));
}

}  // namespace fg
