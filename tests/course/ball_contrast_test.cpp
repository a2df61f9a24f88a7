// Every ball texture stands out on every hole's ground: most of its pixels
// are far in colour from the grass round the hole's tee.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "course_list.h"
#include "media/file_io.h"
#include "media/image_list.h"
#include "media/picture.h"
#include "sim/hole_file.h"

namespace fg {
namespace {

// Colour distance weighted as the eye weighs it ("redmean"): 0 … about 765.
double colourDistance(const uint8_t* a, const uint8_t* b) {
  const double r = (a[0] + b[0]) / 2.0, dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
  return std::sqrt((2 + r / 256) * dr * dr + 4 * dg * dg + (2 + (255 - r) / 256) * db * db);
}

// The middle colour, channel by channel, of the course round the tee.
std::array<uint8_t, 3> groundAtTee(const std::string& hole) {
  GameState gs;
  ReadHoleFile(gs, test::gameDir(), hole + ".hole");
  ImageList course;
  course.loadFromFile(test::gameDir() + hole + ".dxg");
  const Picture& p = course.item(0).picture;
  std::array<std::vector<uint8_t>, 3> ch;
  for (int y = static_cast<int>(gs.ball_y) - 12; y < gs.ball_y + 12; ++y)
    for (int x = static_cast<int>(gs.ball_x) - 24; x < gs.ball_x + 24; ++x)
      if (x >= 0 && y >= 0 && x < p.width && y < p.height)
        for (int c = 0; c < 3; ++c) ch[c].push_back(p.rgb[(static_cast<size_t>(y) * p.width + x) * 3 + c]);
  std::array<uint8_t, 3> mid{};
  for (int c = 0; c < 3; ++c) {
    std::nth_element(ch[c].begin(), ch[c].begin() + ch[c].size() / 2, ch[c].end());
    mid[c] = ch[c][ch[c].size() / 2];
  }
  return mid;
}

TEST(BallTextures, StandOutOnEveryHole) {
  const std::string dir = test::gameDir() + "textures";
  ASSERT_TRUE(std::filesystem::is_directory(dir));
  for (const std::string& hole : test::allHoles()) {
    const std::array<uint8_t, 3> ground = groundAtTee(hole);
    for (const auto& f : std::filesystem::directory_iterator(dir)) {
      const std::vector<uint8_t> bytes = readWholeFile(f.path().string(), kBitmapFileLimit);
      const Picture tex = decodeBitmapFile(bytes);
      int far = 0;
      for (size_t i = 0; i < tex.rgb.size(); i += 3) far += colourDistance(&tex.rgb[i], ground.data()) >= 180;
      EXPECT_GE(far * 10, static_cast<int>(tex.rgb.size() / 3) * 6)
          << f.path().filename() << " melts into " << hole << "'s ground (" << int(ground[0]) << ", "
          << int(ground[1]) << ", " << int(ground[2]) << "): " << far << " of " << tex.rgb.size() / 3
          << " pixels stand out";
    }
  }
}

}  // namespace
}  // namespace fg
