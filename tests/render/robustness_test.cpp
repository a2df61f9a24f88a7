// Strange hole data and odd game states through every drawing step: nothing
// may crash, overflow or draw outside the back buffer (run under the
// sanitizers to see it).
#include <gtest/gtest.h>

#include <random>

#include "render/ball_renderer.h"
#include "render/bitmap_text.h"
#include "render/camera.h"
#include "render/effects.h"
#include "render/hole_flow_drawing.h"
#include "render/hud.h"
#include "render/playing_field.h"
#include "render/star_field.h"
#include "render_test_helpers.h"
#include "sim/hole_flow.h"

namespace fg {
namespace {

using test::itemDesc;
using test::solidPicture;

int32_t anyInt(std::mt19937& rng) {
  switch (rng() % 4) {
    case 0: return static_cast<int32_t>(rng());
    case 1: return static_cast<int32_t>(rng() % 2001) - 1000;
    case 2: return rng() % 2 ? INT32_MAX - static_cast<int32_t>(rng() % 40) : INT32_MIN + static_cast<int32_t>(rng() % 40);
    default: return static_cast<int32_t>(rng() % 200001) - 100000;
  }
}

double anyDouble(std::mt19937& rng) {
  switch (rng() % 3) {
    case 0: return static_cast<double>(anyInt(rng)) * 1.5;
    case 1: return (rng() % 100000) / 100.0 - 500;
    default: return (rng() % 1000) / 10.0;
  }
}

void scramble(GameState& gs, std::mt19937& rng) {
  for (int i = 1; i <= kAreaCount; ++i) {
    arearec& a = gs.areas[i];
    a.enabled = rng() % 2;
    a.kind = static_cast<int32_t>(rng() % 40);
    // Coordinates moderate enough that debug lines stay quick to walk.
    for (int32_t* v : {&a.x1, &a.y1, &a.x2, &a.y2, &a.x3, &a.y3, &a.x4, &a.y4})
      *v = rng() % 3 ? static_cast<int32_t>(rng() % 4001) - 2000 : 0;
    a.r = rng() % 3 ? 0 : static_cast<int32_t>(rng() % 300);
    for (int32_t* v : {&a.p1, &a.p2, &a.p3, &a.p4}) *v = anyInt(rng);
  }
  for (EffectSlot& e : gs.effects)
    e = EffectSlot{anyInt(rng), anyInt(rng), anyInt(rng), anyInt(rng), rng() % 2 == 0, anyInt(rng), anyInt(rng)};
  for (int i = 0; i < kParticleSlots; ++i) {
    Particle& p = gs.particles[i];
    p.active = rng() % 2;
    p.bounces = anyInt(rng);
    p.x = (rng() % 3000) - 1000.0;
    p.y = (rng() % 3000) - 1000.0;
    p.z = (rng() % 100) - 10.0;
    p.angle = anyInt(rng);
    p.speed = (rng() % 100) / 10.0;
    p.vspeed = (rng() % 100) / 10.0 - 5;
    p.colour = rng();
    p.shadow = rng() % 2;
    p.dot = rng() % 2;
  }
  for (Star& s : gs.stars) s = Star{anyInt(rng), anyInt(rng), anyInt(rng), anyInt(rng)};
  gs.ball_x = anyDouble(rng);
  gs.ball_y = anyDouble(rng);
  gs.ball_z = anyDouble(rng);
  gs.ball_spin = static_cast<uint8_t>(rng());
  gs.ball_tex_u = (rng() % 160) / 10.0;
  gs.ball_tex_v = (rng() % 160) / 10.0;
  gs.sink_timer = static_cast<uint8_t>(rng());
  gs.camera_x = anyInt(rng);
  gs.camera_y = anyInt(rng);
  gs.stars_camera_x = anyInt(rng);
  gs.stars_camera_y = anyInt(rng);
  gs.scroll_speed_x = static_cast<int32_t>(rng() % 1000) - 500;
  gs.frame_skip = static_cast<int32_t>(rng() % 4) + 1;
  gs.players[0].ball_shade = anyInt(rng);
  gs.players[0].score = anyInt(rng);
  gs.players[0].strokes = anyInt(rng);
  gs.course_par = anyInt(rng);
  gs.holed_area = anyInt(rng) % 120;
  gs.in_water = rng() % 2;
  gs.holed_out = rng() % 4 == 0;
  gs.in_tunnel = rng() % 4 == 0;
  gs.debug_mode = rng() % 2;
  gs.foreground_tiles = true;
  gs.panel_minimised = rng() % 2;
  gs.banner_pos = anyInt(rng) % 300;
  gs.banner_text = std::string(rng() % 80, static_cast<char>(rng()));
  gs.mouse_x = anyInt(rng);
  gs.mouse_y = anyInt(rng);
  for (bool& b : gs.button_down) b = rng() % 2;
}

TEST(Robustness, StrangeStatesDrawSafely) {
  ImageList course, gui, menu;
  std::vector<ImageItemDesc> c;
  c.push_back(itemDesc(solidPicture(300, 200, 0x204020)));
  c.push_back(itemDesc(solidPicture(300, 200, 0x406040), 24, 24));
  for (int i = 2; i < 8; ++i) c.push_back(itemDesc(solidPicture(32, 8, 0x808080), 8, 8));
  test::loadList(course, c);
  std::vector<ImageItemDesc> g;
  for (int i = 0; i < 18; ++i) g.push_back(itemDesc(solidPicture(16, 16, 0x606060), i == 11 ? 1 : 0, i == 11 ? 1 : 0));
  test::loadList(gui, g);
  test::loadList(menu, {itemDesc(solidPicture(61 * 8, 8, 0xFFFFFF), 8, 8)});
  std::mt19937 rng(20240611);
  test::FakeHost host;
  for (int round = 0; round < 150; ++round) {
    GameState gs;
    scramble(gs, rng);
    Surface back = test::blankSurface(200, 150);
    Canvas canvas(back);
    updateCamera(gs, back, static_cast<int32_t>(rng() % 400), static_cast<int32_t>(rng() % 300));
    if (rng() % 2) scramble(gs, rng);  // the camera clamps; try wild cameras too
    drawPlayingField(gs, course, gui, back, canvas, static_cast<int32_t>(rng() % 5));
    runHoleFlowAndDraw(gs, host, course, back);
    drawStars(gs, course, back, 200, 150);
    drawHud(gs, gui, back, std::string(rng() % 30, 'q'));
    drawBanner(gs, &gui.item(7), back);
    endOfGameCheck(gs, host, rng() % 2);
    drawEndOfGameMessage(gs, &menu.item(0), back);
    ASSERT_EQ(back.pixels.size(), 200u * 150u);
  }
}

}  // namespace
}  // namespace fg
