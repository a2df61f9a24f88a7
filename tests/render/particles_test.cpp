#include <gtest/gtest.h>

#include "case_name.h"
#include "render/particles.h"
#include "render_test_helpers.h"
#include "sim/geometry.h"

namespace fg {
namespace {

Particle flying(double z, double vspeed, int32_t bounces) {
  Particle p;
  p.active = true;
  p.x = 100;
  p.y = 100;
  p.z = z;
  p.vspeed = vspeed;
  p.bounces = bounces;
  p.speed = 1;
  p.colour = 0x00FFFFFF;
  return p;
}

struct DeathCase {
  const char* what;
  double z, vspeed;
  int32_t bounces;
  bool alive;
};

class ParticleDeath : public ::testing::TestWithParam<DeathCase> {};

TEST_P(ParticleDeath, Rules) {
  const DeathCase& c = GetParam();
  Particle p = flying(c.z, c.vspeed, c.bounces);
  moveParticle(p, 2, ParticleWalls{});
  EXPECT_EQ(p.active, c.alive) << c.what;
  if (!c.alive) {
    EXPECT_EQ(p.x, 0) << c.what;
    EXPECT_EQ(p.y, 0) << c.what;
    EXPECT_EQ(p.z, 0) << c.what;
    EXPECT_EQ(p.vspeed, 0) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParticleDeath,
    ::testing::Values(DeathCase{"in the air", 10, 0, 3, true},
                      DeathCase{"one bounce left dies at the first ground contact", 1, -4, 1, false},
                      DeathCase{"bounces left survive a hard landing", 1, -4, 3, true},
                      // lands: vspeed -0.6 -> 0.45, then gravity -> -0.05: soft
                      DeathCase{"soft landing dies whatever the bounces", 0.5, -0.6, 9, false},
                      // resting on the ground with a small upward speed
                      DeathCase{"gravity alone leaves exactly 0.5: still alive", 0, 0.0, 9, true},
                      DeathCase{"no bounces left", 10, 0, 0, false}),
    fg::test::NamedBy(&DeathCase::what));

struct TurnCase {
  int32_t kind;
  int32_t angle;
  int32_t expect;
};

void PrintTo(const TurnCase& c, std::ostream* os) {
  *os << "kind " << c.kind << " angle " << c.angle;
}

class ParticleWallTurn : public ::testing::TestWithParam<TurnCase> {};

TEST_P(ParticleWallTurn, ByKind) {
  const TurnCase& c = GetParam();
  GameState gs;
  arearec& wall = gs.areas[7];
  wall.enabled = true;
  wall.kind = c.kind;
  wall.x1 = 0;
  wall.y1 = 100;
  wall.x2 = 200;
  wall.y2 = 100;
  ParticleWalls walls;
  particleWalls(gs, walls);
  Particle p = flying(10, 0, 3);
  p.speed = 0;
  p.angle = c.angle;
  moveParticle(p, 1, walls);
  EXPECT_EQ(p.angle, c.expect) << "kind " << c.kind;
}

INSTANTIATE_TEST_SUITE_P(Kinds, ParticleWallTurn,
                         ::testing::Values(TurnCase{4, 32, 224}, TurnCase{1, 32, 186}, TurnCase{2, 32, 96},
                                           TurnCase{3, 32, 6}, TurnCase{6, 32, 160}, TurnCase{7, 32, 32},
                                           TurnCase{4, 200, 56}, TurnCase{5, 32, 32}, TurnCase{9, 32, 32}),
    fg::test::PrintedName());

TEST(Particles, OnlyPlainEnabledWallsTurn) {
  GameState gs;
  auto wall = [&](int i) -> arearec& {
    arearec& a = gs.areas[i];
    a.enabled = true;
    a.kind = 4;
    a.x1 = 0;
    a.y1 = 100;
    a.x2 = 200;
    a.y2 = 100;
    return a;
  };
  wall(1).enabled = false;
  wall(2).r = 5;
  wall(3).x3 = 4;
  wall(4).x4 = 4;
  ParticleWalls walls;
  particleWalls(gs, walls);
  EXPECT_EQ(walls.count, 0);
  wall(5);
  wall(6);  // two walls both act: 0 - (0 - 32) = 32
  particleWalls(gs, walls);
  Particle p = flying(10, 0, 3);
  p.speed = 0;
  p.angle = 32;
  moveParticle(p, 1, walls);
  EXPECT_EQ(p.angle, 32);
}

TEST(Particles, CachedWallBandMatchesTheWallTest) {
  // Walls at many angles; every point near them must give the same answer.
  // Also a wall of no length and walls reaching past where the box shortcut holds.
  const int32_t ends[][4] = {{0, 0, 100, 0},  {10, 10, 60, 90},    {80, 5, 3, 70},      {50, 50, 50, 0},
                             {0, 40, 90, 37}, {40, 40, 40, 40},    {-20000, 50, 90, 60}, {30, 20, 60, 16001}};
  for (const auto& e : ends) {
    GameState gs;
    arearec& a = gs.areas[1];
    a.enabled = true;
    a.kind = 1;
    a.x1 = e[0];
    a.y1 = e[1];
    a.x2 = e[2];
    a.y2 = e[3];
    ParticleWalls walls;
    particleWalls(gs, walls);
    ASSERT_EQ(walls.count, 1);
    for (int y = -10; y < 110; ++y)
      for (int x = -10; x < 110; ++x)
        ASSERT_EQ(onParticleWall(walls.list[0], x, y), OnWall(e[0], e[1], e[2], e[3], x, y)) << x << "," << y;
  }
}

TEST(Particles, DrawnAsStreakDotAndShadows) {
  GameState gs;
  gs.camera_x = 50;
  gs.camera_y = 50;
  Particle& streak = gs.particles[1];
  streak = flying(20, 0, 3);
  streak.angle = 0;
  streak.speed = 6;
  streak.shadow = true;
  Particle& dot = gs.particles[2];
  dot = flying(20, 0, 3);
  dot.y = 130;
  dot.speed = 0;
  dot.dot = true;
  dot.shadow = true;
  gs.particles[0] = flying(20, 0, 3);  // record 0 is never moved or drawn
  Surface back = test::blankSurface(200, 200);
  Canvas canvas(back);
  drawParticles(gs, canvas);
  const uint16_t white = test::pixelOf(0xFFFFFF);
  // Streak from (50, 50 - 20) to (56, 50 - 20), shadow on the ground.
  EXPECT_EQ(back.at(50, 30), white);
  EXPECT_EQ(back.at(55, 30), white);
  EXPECT_EQ(back.at(52, 50), test::pixelOf(0x35310B));
  EXPECT_EQ(back.at(50, 60), white);                      // the dot at (50, 80 - 20)
  EXPECT_EQ(back.at(50, 80), test::pixelOf(0xCF8200));    // its ground mark
  EXPECT_EQ(gs.particles[0].x, 100);
}

}  // namespace
}  // namespace fg
