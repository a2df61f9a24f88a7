// The walls on the course picture cover exactly the pixels whose ground
// position bounces the ball: what a player sees is what the ball meets.
#include <gtest/gtest.h>

#include <cmath>

#include "media/image_list.h"
#include "sim/geometry.h"
#include "sim/hole_file.h"
#include "test_paths.h"
#include "theme.h"

namespace fg {
namespace {

const std::string kGameDir = fg::test::gameDir();

// One of the wall's three shades under the grain: the three channels scaled
// by one common factor.
bool wallColoured(const uint8_t* p, const Theme& t) {
  for (const Rgb& c : {t.wall, t.wallLight, t.wallDark}) {
    double f = (p[0] + p[1] + p[2]) / (255.0 * (c.r + c.g + c.b));
    if (f < 0.9 || f > 1.1) continue;
    if (std::fabs(p[0] - c.r * 255 * f) < 4 && std::fabs(p[1] - c.g * 255 * f) < 4 &&
        std::fabs(p[2] - c.b * 255 * f) < 4)
      return true;
  }
  return false;
}

struct HoleTheme {
  const char* hole;
  const char* theme;
};

class WallPaint : public ::testing::TestWithParam<HoleTheme> {};

TEST_P(WallPaint, CoversTheBandExactly) {
  ImageList course;
  course.loadFromFile(kGameDir + GetParam().hole + ".dxg");
  const Picture& pic = course.item(0).picture;
  const Picture& fg = course.item(1).picture;
  const Theme& theme = themeNamed(GetParam().theme);
  GameState gs;
  ReadHoleFile(gs, kGameDir, std::string(GetParam().hole) + ".hole");
  auto onAnyWall = [&](int x, int y) {
    for (int n = 1; n <= kAreaCount; ++n) {
      const arearec& a = gs.areas[n];
      if (a.enabled && a.r < 1 && a.x3 == 0 && a.x4 == 0 && OnWall(a.x1, a.y1, a.x2, a.y2, x, y)) return true;
    }
    return false;
  };
  int inside = 0, outside = 0, checked = 0;
  for (int n = 1; n <= kAreaCount; ++n) {
    const arearec& a = gs.areas[n];
    if (!a.enabled || a.r >= 1 || a.x3 != 0 || a.x4 != 0) continue;
    for (int y = std::min(a.y1, a.y2) - 6; y <= std::max(a.y1, a.y2) + 6; ++y)
      for (int x = std::min(a.x1, a.x2) - 6; x <= std::max(a.x1, a.x2) + 6; ++x) {
        if (x < 0 || y < 0 || x >= pic.width || y >= pic.height) continue;
        size_t i = (static_cast<size_t>(y) * pic.width + x) * 3;
        if (fg.rgb[i] | fg.rgb[i + 1] | fg.rgb[i + 2]) continue;  // scenery in front
        bool band = onAnyWall(x, y);
        bool painted = wallColoured(&pic.rgb[i], theme);
        ++checked;
        if (band && !painted) ++inside;
        if (!band && painted) ++outside;
      }
  }
  EXPECT_GT(checked, 1000);
  EXPECT_EQ(inside, 0) << "band pixels without wall paint";
  EXPECT_EQ(outside, 0) << "wall paint off the band";
}

INSTANTIATE_TEST_SUITE_P(
    Course, WallPaint,
    ::testing::Values(HoleTheme{"training1", "meadow"}, HoleTheme{"training2", "meadow"},
                      HoleTheme{"course1hole1", "meadow"}, HoleTheme{"course1hole2", "meadow"},
                      HoleTheme{"course1hole3", "forest"}, HoleTheme{"course1hole4", "meadow"},
                      HoleTheme{"course1hole5", "space"}, HoleTheme{"course1hole6", "lake"},
                      HoleTheme{"course1hole7", "site"}, HoleTheme{"course1hole8", "lake"},
                      HoleTheme{"course1hole9", "meadow"}, HoleTheme{"course2hole1", "harbour"},
                      HoleTheme{"course2hole7", "harbour"}, HoleTheme{"course2hole9", "harbour"}),
    [](const auto& info) { return std::string(info.param.hole); });

}  // namespace
}  // namespace fg
