#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "media/error.h"
#include "platform/headless_platform.h"

namespace fg {

namespace {
struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

// A channel of n bits widened to 8, its high bits repeated into the low ones.
inline uint8_t expand(unsigned v, int bits) {
  unsigned x = v << (8 - bits);
  return static_cast<uint8_t>(x | (x >> bits));
}
}  // namespace

void writeSurfacePng(const std::string& path, const Surface& s) {
  if (s.empty()) throw GameError("Cannot write an empty picture to " + path);
  std::unique_ptr<FILE, FileCloser> f(std::fopen(path.c_str(), "wb"));
  if (!f) throw GameError("Cannot create " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, &info);
    throw GameError("Cannot write " + path);
  }
  std::vector<uint8_t> row(static_cast<size_t>(s.width) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw GameError("Cannot write " + path);
  }
  png_init_io(png, f.get());
  png_set_IHDR(png, info, s.width, s.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  bool is565 = s.format == PixelFormat::Rgb565;
  for (int y = 0; y < s.height; ++y) {
    const uint16_t* src = s.row(y);
    for (int x = 0; x < s.width; ++x) {
      unsigned p = src[x];
      uint8_t* d = &row[static_cast<size_t>(x) * 3];
      if (is565) {
        d[0] = expand((p >> 11) & 31, 5);
        d[1] = expand((p >> 5) & 63, 6);
      } else {
        d[0] = expand((p >> 10) & 31, 5);
        d[1] = expand((p >> 5) & 31, 5);
      }
      d[2] = expand(p & 31, 5);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
}

}  // namespace fg
