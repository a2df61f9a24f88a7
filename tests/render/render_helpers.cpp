#include <gtest/gtest.h>

#include <cstdlib>

#include "media/error.h"
#include "platform/headless_platform.h"
#include "platform/png_file.h"
#include "render_test_helpers.h"
#include "test_paths.h"

namespace fg::test {

namespace {

std::string goldenPath(const std::string& name) { return fg::test::testDataDir() + "/golden/" + name + ".png"; }

bool writePng(const Surface& s, const std::string& path) {
  try {
    writeSurfacePng(path, s);
    return true;
  } catch (const GameError&) {
    return false;
  }
}

bool readPng(const std::string& path, Surface& out) {
  try {
    out = pictureSurface(readPngFile(path), kFormat);
    return true;
  } catch (const GameError&) {
    return false;
  }
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
