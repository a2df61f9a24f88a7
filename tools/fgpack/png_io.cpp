#include "png_io.h"

#include <png.h>

#include <cstring>

#include "media/error.h"

namespace fg::pack {

void writePng(const std::string& path, const Picture& p) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(p.width);
  image.height = static_cast<png_uint_32>(p.height);
  image.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&image, path.c_str(), 0, p.rgb.data(), 0, nullptr))
    throw GameError("Cannot write \"" + path + "\": " + image.message);
}

Picture readPng(const std::string& path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str()))
    throw GameError("Cannot read \"" + path + "\": " + image.message);
  if (image.width > static_cast<png_uint_32>(kMaxPictureSide) || image.height > static_cast<png_uint_32>(kMaxPictureSide)) {
    png_image_free(&image);
    throw GameError("Picture too large: \"" + path + "\"");
  }
  image.format = PNG_FORMAT_RGB;
  Picture p;
  p.width = static_cast<int>(image.width);
  p.height = static_cast<int>(image.height);
  p.rgb.resize(PNG_IMAGE_SIZE(image));
  // Transparent pixels are composed onto black.
  png_color black{0, 0, 0};
  if (!png_image_finish_read(&image, &black, p.rgb.data(), 0, nullptr))
    throw GameError("Cannot read \"" + path + "\": " + image.message);
  return p;
}

}  // namespace fg::pack
