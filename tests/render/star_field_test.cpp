#include <gtest/gtest.h>

#include "render/playing_field.h"
#include "render/star_field.h"
#include "render_test_helpers.h"
#include "sim/geometry.h"

namespace fg {
namespace {

using test::itemDesc;
using test::solidPicture;

class Stars : public ::testing::Test {
 protected:
  void SetUp() override { loadCourse(700, 500); }
  void loadCourse(int w, int h) {
    std::vector<ImageItemDesc> c;
    c.push_back(itemDesc(solidPicture(w, h, 0x203040)));
    for (int i = 1; i < 7; ++i) c.push_back(itemDesc(solidPicture(4, 4, 0)));
    c[5] = itemDesc(solidPicture(12, 4, 0x808080), 4, 4);  // three patterns
    c[6] = itemDesc(solidPicture(4, 4, 0x808080), 4, 4);   // one pattern
    test::loadList(course, c);
    gs.frame_skip = 2;
    for (Star& s : gs.stars) s = Star{10, 10, 5, 0};
  }
  void draw() { drawStars(gs, course, back, 640, 480); }
  ImageList course;
  GameState gs;
  Surface back = test::blankSurface(640, 480);
};

TEST_F(Stars, ParallaxDriftAndTwinkleInGeneratorOrder) {
  gs.camera_x = 100;
  gs.camera_y = 200;
  gs.stars_camera_x = 106;  // the camera moved 6 left: stars move 8 right
  gs.stars_camera_y = 197;  // and 3 down: stars move 4 up
  GameState expect = gs;
  draw();
  for (int i = 0; i < kStarCount; ++i) {
    const int32_t dx = RandBelow(expect, 3) + 8;
    const int32_t dy = RandBelow(expect, 3) - 4;
    const bool twinkle = RandBelow(expect, 4) > 2;
    EXPECT_EQ(gs.stars[i].x, 10 + dx) << i;
    EXPECT_EQ(gs.stars[i].y, 10 + dy) << i;
    EXPECT_EQ(gs.stars[i].pattern, twinkle ? 1 : 0) << i;
  }
  EXPECT_EQ(gs.seed, expect.seed);
  EXPECT_EQ(gs.stars_camera_x, 100);
  EXPECT_EQ(gs.stars_camera_y, 200);
}

TEST_F(Stars, CameraJumpLeavesThemAndDrawsNoDriftNumbers) {
  gs.camera_x = 500;
  gs.stars_camera_x = 400;
  gs.camera_y = gs.stars_camera_y = 0;
  GameState expect = gs;
  draw();
  for (int i = 0; i < kStarCount; ++i) {
    RandBelow(expect, 3);  // y only
    RandBelow(expect, 4);
  }
  EXPECT_EQ(gs.seed, expect.seed);
  EXPECT_EQ(gs.stars[0].x, 10);
}

TEST_F(Stars, WrapRoundTheScreen) {
  gs.frame_skip = 0;  // RandBelow(1): no random drift
  gs.stars[0] = Star{641, 481, 5, 0};
  gs.stars[1] = Star{-1, -1, 5, 0};
  gs.stars[2] = Star{640, 480, 5, 0};
  draw();
  EXPECT_EQ(gs.stars[0].x, 0);
  EXPECT_EQ(gs.stars[0].y, 0);
  EXPECT_EQ(gs.stars[1].x, 640);
  EXPECT_EQ(gs.stars[1].y, 480);
  EXPECT_EQ(gs.stars[2].x, 640);
  EXPECT_EQ(gs.stars[2].y, 480);
}

TEST_F(Stars, SmallCourseSendsThemBackToItsNearEdge) {
  loadCourse(400, 300);
  gs.frame_skip = 0;
  gs.camera_x = (400 - 640) / 2;  // -120
  gs.camera_y = (300 - 480) / 2;  // -90
  gs.stars_camera_x = gs.camera_x;
  gs.stars_camera_y = gs.camera_y;
  gs.stars[0] = Star{513, 383, 5, 0};  // beyond 400 + 120 - 8 and 300 + 90 - 8
  gs.stars[1] = Star{512, 382, 5, 0};
  draw();
  EXPECT_EQ(gs.stars[0].x, 120);
  EXPECT_EQ(gs.stars[0].y, 90);
  EXPECT_EQ(gs.stars[1].x, 512);
  EXPECT_EQ(gs.stars[1].y, 382);
}

TEST(ForegroundTiles, NineTilesRoundTheBallInOrder) {
  // A 5 x 4 grid of 24-pixel tiles, each its own colour.
  ImageList course;
  test::loadList(course, {itemDesc(solidPicture(120, 96, 0x101010)),
                          itemDesc(test::makePicture(120, 96, [](int x, int y) {
                                     return 0x200000u + ((y / 24) * 5 + x / 24) * 8;
                                   }), 24, 24)});
  GameState gs;
  gs.ball_x = 50;  // column 2
  gs.ball_y = 40;  // row 1
  Surface back = test::blankSurface(120, 96);
  drawForegroundTiles(gs, course, back);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 5; ++col) {
      const bool drawn = col >= 1 && col <= 3 && row <= 2;
      const uint16_t want = drawn ? test::pixelOf(0x200000u + (row * 5 + col) * 8) : test::pixelOf(0);
      EXPECT_EQ(back.at(col * 24 + 5, row * 24 + 5), want) << col << "," << row;
    }
}

TEST(ForegroundTiles, BallInTheTopLeftTileSkipsPatternsBeforeTheFirst) {
  ImageList course;
  test::loadList(course, {itemDesc(solidPicture(48, 48, 0x101010)),
                          itemDesc(solidPicture(48, 48, 0x808080), 24, 24)});
  GameState gs;
  gs.ball_x = 3;
  gs.ball_y = 3;
  Surface back = test::blankSurface(48, 48);
  drawForegroundTiles(gs, course, back);
  EXPECT_EQ(back.at(30, 30), test::pixelOf(0x808080));
}

}  // namespace
}  // namespace fg
