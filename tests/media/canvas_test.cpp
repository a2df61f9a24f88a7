#include <gtest/gtest.h>

#include "case_name.h"
#include "media/canvas.h"

namespace fg {
namespace {

constexpr uint16_t kBlue565 = 0x001F;

std::vector<std::pair<int, int>> litPixels(const Surface& s) {
  std::vector<std::pair<int, int>> lit;
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x)
      if (s.at(x, y)) lit.emplace_back(x, y);
  return lit;
}

struct LineCase {
  const char* label;
  int x0, y0, x1, y1;
  std::vector<std::pair<int, int>> lit;  // sorted by row, then column
};

class CanvasLine : public testing::TestWithParam<LineCase> {};

TEST_P(CanvasLine, LeavesOutTheLastPixel) {
  const LineCase& c = GetParam();
  Surface s(8, 8, PixelFormat::Rgb565);
  Canvas canvas(s);
  canvas.setPenColor(0xFF0000);  // blue in 0x00BBGGRR
  canvas.moveTo(c.x0, c.y0);
  canvas.lineTo(c.x1, c.y1);
  EXPECT_EQ(litPixels(s), c.lit);
  EXPECT_EQ(canvas.penX(), c.x1);
  EXPECT_EQ(canvas.penY(), c.y1);
  for (auto [x, y] : c.lit) EXPECT_EQ(s.at(x, y), kBlue565);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CanvasLine,
    testing::Values(LineCase{"right", 1, 1, 4, 1, {{1, 1}, {2, 1}, {3, 1}}},
                    LineCase{"left", 4, 1, 1, 1, {{2, 1}, {3, 1}, {4, 1}}},
                    LineCase{"down", 2, 0, 2, 3, {{2, 0}, {2, 1}, {2, 2}}},
                    LineCase{"diagonal", 0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
                    LineCase{"antiDiagonal", 3, 0, 0, 3, {{3, 0}, {2, 1}, {1, 2}}},
                    LineCase{"shallow", 0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
                    LineCase{"point", 3, 3, 3, 3, {}},
                    LineCase{"clipped", -3, 2, 2, 2, {{0, 2}, {1, 2}}},
                    LineCase{"farAway", -100000000, 5, -2000000000, 5, {}},
                    LineCase{"throughFromFar", -1000000, 6, 3, 6, {{0, 6}, {1, 6}, {2, 6}}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Canvas, PolylineJoinsSegments) {
  Surface s(8, 8, PixelFormat::Rgb565);
  Canvas canvas(s);
  canvas.setPenColor(0xFFFFFF);
  const std::pair<int, int> pts[] = {{0, 0}, {3, 0}, {3, 3}};
  canvas.polyline(pts, 3);
  EXPECT_EQ(litPixels(s), (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}}));
}

TEST(Canvas, SetPixelUsesItsOwnColourAndClips) {
  Surface s(4, 4, PixelFormat::Rgb555);
  Canvas canvas(s);
  canvas.setPixel(1, 2, 0x0000FF);
  canvas.setPixel(-1, 2, 0x0000FF);
  canvas.setPixel(4, 0, 0x0000FF);
  EXPECT_EQ(s.at(1, 2), 0x7C00);
  EXPECT_EQ(litPixels(s).size(), 1u);
}

struct EllipseCase {
  int left, top, right, bottom;
};

void PrintTo(const EllipseCase& c, std::ostream* os) {
  *os << c.left << "," << c.top << " to " << c.right << "," << c.bottom;
}

class CanvasEllipse : public testing::TestWithParam<EllipseCase> {};

TEST_P(CanvasEllipse, OutlineInsideTheBoxTouchingEverySide) {
  const EllipseCase& c = GetParam();
  Surface s(40, 40, PixelFormat::Rgb565);
  Canvas canvas(s);
  canvas.setPenColor(0xFFFFFF);
  canvas.setBrushClear();
  canvas.ellipse(c.left, c.top, c.right, c.bottom);
  auto lit = litPixels(s);
  ASSERT_FALSE(lit.empty());
  int minX = 99, maxX = -1, minY = 99, maxY = -1;
  for (auto [x, y] : lit) {
    minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
    // Mirror images across both centre lines are lit too.
    EXPECT_TRUE(s.at(c.left + c.right - 1 - x, y)) << x << "," << y;
    EXPECT_TRUE(s.at(x, c.top + c.bottom - 1 - y)) << x << "," << y;
  }
  EXPECT_EQ(minX, c.left);
  EXPECT_EQ(maxX, c.right - 1);
  EXPECT_EQ(minY, c.top);
  EXPECT_EQ(maxY, c.bottom - 1);
  // Transparent brush: the middle stays untouched.
  if (c.right - c.left > 4 && c.bottom - c.top > 4) {
    EXPECT_EQ(s.at((c.left + c.right) / 2, (c.top + c.bottom) / 2), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Boxes, CanvasEllipse,
                         testing::Values(EllipseCase{2, 2, 12, 8}, EllipseCase{5, 5, 16, 16},
                                         EllipseCase{0, 0, 40, 40}, EllipseCase{3, 10, 33, 13},
                                         EllipseCase{10, 3, 11, 20}, EllipseCase{7, 7, 9, 9},
                                         EllipseCase{1, 1, 30, 2}),
    fg::test::PrintedName());

TEST(Canvas, EllipsesOffTheSurfaceOrDegenerate) {
  Surface s(10, 10, PixelFormat::Rgb565);
  Canvas canvas(s);
  canvas.setPenColor(0xFFFFFF);
  canvas.ellipse(4, 4, 4, 9);  // no width
  EXPECT_TRUE(litPixels(s).empty());
  canvas.ellipse(-10, 2, 20, 8);  // partly visible
  canvas.ellipse(-2000000000, -5, 2000000000, 5);
  EXPECT_FALSE(litPixels(s).empty());
}

}  // namespace
}  // namespace fg
