#include <gtest/gtest.h>

#include "render/playing_field.h"
#include "render_test_helpers.h"

namespace fg {
namespace {

const uint16_t kBlue = test::pixelOf(0x0000FF);

TEST(DebugOverlay, BallCrossAndAreaOutlinesMinusTheCamera) {
  GameState gs;
  gs.camera_x = 100;
  gs.camera_y = 100;
  gs.ball_x = 150;
  gs.ball_y = 150;
  arearec& round = gs.areas[1];
  round.enabled = true;
  round.x1 = 250;
  round.y1 = 150;
  round.r = 21;  // r / 2 truncated: 10
  arearec& quad = gs.areas[2];
  quad.enabled = true;
  quad.x1 = 120;
  quad.y1 = 220;
  quad.x2 = 180;
  quad.y2 = 220;
  quad.x3 = 180;
  quad.y3 = 260;
  quad.x4 = 120;
  quad.y4 = 260;
  arearec& off = gs.areas[3];
  off.x1 = 300;
  off.y1 = 280;
  off.r = 10;  // disabled: only the ball cross is drawn for it
  Surface back = test::blankSurface(300, 200);
  Canvas canvas(back);
  drawDebugOverlay(gs, canvas);
  EXPECT_EQ(back.at(45, 45), kBlue);   // the cross at (50, 50)
  EXPECT_EQ(back.at(54, 46), kBlue);
  EXPECT_EQ(back.at(50, 50), kBlue);
  EXPECT_EQ(back.at(150, 40), kBlue);  // ellipse box (129, 40)-(171, 60): its top
  EXPECT_EQ(back.at(129, 50), kBlue);  // its left edge
  EXPECT_EQ(back.at(40, 120), kBlue);  // quadrilateral corner (20, 120) … edges
  EXPECT_EQ(back.at(20, 140), kBlue);
  EXPECT_EQ(back.at(200, 180), test::pixelOf(0));
}

TEST(DebugOverlay, WallDrawnAsBandWithEndMarks) {
  GameState gs;
  arearec& wall = gs.areas[9];
  wall.enabled = true;
  wall.x1 = 20;
  wall.y1 = 50;
  wall.x2 = 120;
  wall.y2 = 50;
  gs.ball_x = 200;
  gs.ball_y = 150;
  Surface back = test::blankSurface(250, 200);
  Canvas canvas(back);
  drawDebugOverlay(gs, canvas);
  EXPECT_EQ(back.at(70, 46), kBlue);  // both band edges, 4 pixels off the line
  EXPECT_EQ(back.at(70, 54), kBlue);
  EXPECT_EQ(back.at(70, 50), test::pixelOf(0));
  EXPECT_EQ(back.at(20, 50), kBlue);  // crosses on the end points
  EXPECT_EQ(back.at(120, 50), kBlue);
}

}  // namespace
}  // namespace fg
