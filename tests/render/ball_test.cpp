#include <gtest/gtest.h>

#include "render/ball_renderer.h"
#include "render_test_helpers.h"

namespace fg {
namespace {

using test::itemDesc;
using test::pixelOf;
using test::solidPicture;

// Every texel its own colour, none of them black.
uint32_t texelColour(int i) { return (((i & 15) * 16 + 8) << 16) | (((i >> 4) * 16 + 8) << 8) | 0x60; }

// gui with the ball's pictures: 11 the texture as 256 one-pixel patterns,
// 15 / 16 / 17 plain grey sprites; every other item a tiny filler.
void loadBallGui(ImageList& gui, bool withSprites) {
  std::vector<ImageItemDesc> items;
  for (int i = 0; i < 18; ++i) items.push_back(itemDesc(solidPicture(1, 1, 0x101010)));
  items[11] = itemDesc(test::makePicture(16, 16, [](int x, int y) { return texelColour(16 * y + x); }), 1, 1, false);
  if (withSprites) {
    items[15] = itemDesc(solidPicture(16, 16, 0x404040), 16, 16);
    items[16] = itemDesc(solidPicture(16, 16, 0x202020), 16, 16);
    items[17] = itemDesc(solidPicture(16, 16, 0x808080), 16, 16);
  } else {
    for (int i : {15, 16, 17}) items[i].picture = solidPicture(16, 16, 0);  // black: keyed away
  }
  test::loadList(gui, items);
}

GameState ballAt(double x, double y, double z) {
  GameState gs;
  gs.ball_x = x;
  gs.ball_y = y;
  gs.ball_z = z;
  gs.sink_timer = 15;
  return gs;
}

TEST(BallRenderer, TablesHoldTheDisc) {
  int drawn = 0;
  for (uint8_t v : kBallDiscMask) drawn += v > 128;
  EXPECT_EQ(drawn, 148);
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 16; ++c)
      if (r < 3 || r > 13 || c == 0 || c == 15) { EXPECT_EQ(kBallRemap[16 * r + c], 16 * r + c); }
  EXPECT_EQ(kBallRemap[16 * 4 + 4], 85);
  EXPECT_EQ(kBallRemap[16 * 11 + 12], 187);
  EXPECT_EQ(kBallRemap[16 * 13 + 6], 198);  // row 13 bends too, mirroring row 3
}

TEST(BallRenderer, UnturnedBallShowsRemappedTexelsInsideTheDisc) {
  ImageList gui;
  loadBallGui(gui, false);
  GameState gs = ballAt(40, 40, 0);
  Surface back = test::blankSurface(80, 80, 0x000080);
  drawBall(gs, gui, back);
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 16; ++c) {
      const uint16_t got = back.at(32 + c, 32 + r);
      if (kBallDiscMask[16 * r + c] > 128)
        EXPECT_EQ(got, pixelOf(texelColour(kBallRemap[16 * r + c]))) << c << "," << r;
      else
        EXPECT_EQ(got, pixelOf(0x000080)) << c << "," << r;
    }
}

TEST(BallRenderer, RollingOffsetsScrollTheTexture) {
  ImageList gui;
  loadBallGui(gui, false);
  GameState gs = ballAt(40, 40, 0);
  gs.ball_tex_u = 3.4;  // rounds to 3
  gs.ball_tex_v = 1.6;  // rounds to 2
  Surface back = test::blankSurface(80, 80);
  drawBall(gs, gui, back);
  const int r = 8, c = 8;
  EXPECT_EQ(back.at(32 + c, 32 + r), pixelOf(texelColour((kBallRemap[16 * r + c] - 35) & 255)));
}

TEST(BallRenderer, ShadowAtHeightNinety) {
  ImageList gui;
  loadBallGui(gui, true);
  GameState gs = ballAt(100, 100, 90);
  Surface back = test::blankSurface(200, 200, 0xFFFFFF);
  drawBall(gs, gui, back);
  // Shadow box from (96, 94): 25 wide, 16 high, alpha 98: (128 * 98) >> 8 = 49 taken off each channel.
  const uint16_t shade = pixelOf(0xC7CBC7);  // 248 - 49, 252 - 49, 248 - 49
  EXPECT_EQ(back.at(96, 94), shade);
  EXPECT_EQ(back.at(120, 109), shade);
  EXPECT_EQ(back.at(121, 100), pixelOf(0xFFFFFF));
  EXPECT_EQ(back.at(95, 100), pixelOf(0xFFFFFF));
  EXPECT_EQ(back.at(100, 110), pixelOf(0xFFFFFF));
}

TEST(BallRenderer, SinkTimerZeroDrawsNothingOfTheBody) {
  ImageList gui;
  loadBallGui(gui, false);
  GameState gs = ballAt(40, 40, 0);
  gs.in_water = true;
  gs.sink_timer = 0;
  Surface back = test::blankSurface(80, 80, 0x000080);
  drawBall(gs, gui, back);
  EXPECT_EQ(test::pixelsNot(back, 0, 0, 80, 80, pixelOf(0x000080)), 0);
  gs.sink_timer = 4;  // rows 0 … 4 only
  drawBall(gs, gui, back);
  EXPECT_GT(test::pixelsNot(back, 0, 32, 80, 37, pixelOf(0x000080)), 0);
  EXPECT_EQ(test::pixelsNot(back, 0, 37, 80, 80, pixelOf(0x000080)), 0);
}

TEST(BallRenderer, LargeSinkTimerStaysInsideTheBlock) {
  ImageList gui;
  loadBallGui(gui, false);
  GameState gs = ballAt(40, 40, 0);
  gs.sink_timer = 200;
  Surface back = test::blankSurface(80, 80, 0x000080);
  drawBall(gs, gui, back);
  EXPECT_EQ(test::pixelsNot(back, 0, 48, 80, 80, pixelOf(0x000080)), 0);
}

TEST(BallRenderer, AreaShadeClearedOnlyWhileMoving) {
  ImageList gui;
  loadBallGui(gui, true);
  GameState gs = ballAt(40, 40, 0);
  gs.players[0].ball_shade = 60;
  Surface back = test::blankSurface(80, 80, 0xFFFFFF);
  drawBall(gs, gui, back);
  EXPECT_EQ(gs.players[0].ball_shade, 60);
  gs.ball_moving = true;
  drawBall(gs, gui, back);
  EXPECT_EQ(gs.players[0].ball_shade, 0);
}

TEST(BallRenderer, GoldenAtSeveralSpins) {
  ImageList gui;
  loadBallGui(gui, true);
  Surface back = test::blankSurface(160, 40, 0x6A9A50);
  const uint8_t spins[] = {0, 37, 64, 200};
  for (int i = 0; i < 4; ++i) {
    GameState gs = ballAt(20 + 40 * i, 26, 3 * i);
    gs.ball_spin = spins[i];
    gs.ball_tex_u = i * 2.5;
    gs.ball_tex_v = 15.2 - i;
    drawBall(gs, gui, back);
  }
  EXPECT_TRUE(test::matchesGolden(back, "ball_spins"));
}

}  // namespace
}  // namespace fg
