#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "render_test_helpers.h"

namespace fg::test {

namespace {

std::string goldenPath(const std::string& name) { return std::string(FG_TEST_DATA) + "/golden/" + name + ".png"; }

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

bool writePng(const Surface& s, const std::string& path) {
  std::unique_ptr<FILE, FileCloser> f(std::fopen(path.c_str(), "wb"));
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, f.get());
  png_set_IHDR(png, info, s.width, s.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<uint8_t> row(static_cast<size_t>(s.width) * 3);
  for (int y = 0; y < s.height; ++y) {
    for (int x = 0; x < s.width; ++x) {
      uint32_t c = pixelToColor(s.at(x, y), s.format);
      row[x * 3] = c & 0xFF;
      row[x * 3 + 1] = (c >> 8) & 0xFF;
      row[x * 3 + 2] = (c >> 16) & 0xFF;
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

bool readPng(const std::string& path, Surface& out) {
  std::unique_ptr<FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
  if (!f) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_init_io(png, f.get());
  png_read_info(png, info);
  const int w = static_cast<int>(png_get_image_width(png, info));
  const int h = static_cast<int>(png_get_image_height(png, info));
  if (png_get_color_type(png, info) != PNG_COLOR_TYPE_RGB || png_get_bit_depth(png, info) != 8 || w > 4096 ||
      h > 4096) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  out.resize(w, h, kFormat);
  std::vector<uint8_t> row(static_cast<size_t>(w) * 3);
  for (int y = 0; y < h; ++y) {
    png_read_row(png, row.data(), nullptr);
    for (int x = 0; x < w; ++x) out.row(y)[x] = packRgb(row[x * 3], row[x * 3 + 1], row[x * 3 + 2], kFormat);
  }
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

}  // namespace

Picture makePicture(int w, int h, const std::function<uint32_t(int, int)>& colour) {
  Picture p;
  p.width = w;
  p.height = h;
  p.rgb.resize(static_cast<size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t c = colour(x, y);
      uint8_t* px = &p.rgb[(static_cast<size_t>(y) * w + x) * 3];
      px[0] = (c >> 16) & 0xFF;
      px[1] = (c >> 8) & 0xFF;
      px[2] = c & 0xFF;
    }
  return p;
}

Picture solidPicture(int w, int h, uint32_t rgb) {
  return makePicture(w, h, [rgb](int, int) { return rgb; });
}

ImageItemDesc itemDesc(Picture p, int32_t patternW, int32_t patternH, bool transparent) {
  ImageItemDesc d;
  d.name = "item";
  d.picture = std::move(p);
  d.patternWidth = patternW;
  d.patternHeight = patternH;
  d.transparent = transparent;
  return d;
}

void loadList(ImageList& list, const std::vector<ImageItemDesc>& items) {
  std::vector<uint8_t> bytes = writeImageArchive(items);
  list.loadFromMemory(bytes);
  list.displayInitialized(kFormat);
}

uint16_t pixelOf(uint32_t rgb) { return packRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF, kFormat); }

Surface blankSurface(int w, int h, uint32_t rgb) {
  Surface s(w, h, kFormat);
  std::fill(s.pixels.begin(), s.pixels.end(), pixelOf(rgb));
  return s;
}

int differingPixels(const Surface& a, const Surface& b) {
  if (a.width != b.width || a.height != b.height) return -1;
  int n = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] != b.pixels[i];
  return n;
}

int pixelsNot(const Surface& s, int left, int top, int right, int bottom, uint16_t value) {
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) n += s.at(x, y) != value;
  return n;
}

::testing::AssertionResult matchesGolden(const Surface& s, const std::string& name) {
  const std::string path = goldenPath(name);
  const bool update = std::getenv("FG_UPDATE_GOLDEN") != nullptr;
  Surface golden;
  if (!readPng(path, golden)) {
    if (update && writePng(s, path)) return ::testing::AssertionSuccess() << "written " << path;
    return ::testing::AssertionFailure() << "no golden picture " << path;
  }
  const int diff = differingPixels(s, golden);
  if (diff == 0) return ::testing::AssertionSuccess();
  if (update && writePng(s, path)) return ::testing::AssertionSuccess() << "rewritten " << path;
  writePng(s, path + ".actual.png");
  return ::testing::AssertionFailure() << name << ": " << diff << " pixels differ (see " << path
                                       << ".actual.png)";
}

}  // namespace fg::test
