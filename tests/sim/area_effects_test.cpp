#include "sim/area_effects.h"

#include <gtest/gtest.h>

#include "case_name.h"
#include "sim/geometry.h"
#include "sim_test_helpers.h"
#include "state/sound_items.h"

namespace fg {
namespace {

using test::groundBall;

GameState ballIn(int32_t kind, double speed) {
  GameState gs = groundBall(500, 500);
  gs.ball_moving = true;
  gs.ball_speed = speed;
  gs.ball_angle = 10;
  gs.areas[5] = test::circleArea(kind, 500, 500, 20);
  gs.areas[5].comment = "course1hole2";
  return gs;
}

TEST(Cup, TooFastHopsOver) {
  GameState gs = ballIn(5, 2.2);
  RecordingHost host;
  AreaLoop(gs, host);
  EXPECT_FALSE(gs.holed_out);
  EXPECT_TRUE(gs.ball_airborne);
  EXPECT_NEAR(gs.ball_vz, 2.2 / 1.75, 1e-12);
  EXPECT_GE(gs.ball_angle, 2);
  EXPECT_LE(gs.ball_angle, 17);
  EXPECT_EQ(test::banners(host.events()), std::vector<std::string>{"TOO FAST TO GO IN"});
}

TEST(Cup, SlowBallDropsIn) {
  GameState gs = ballIn(5, 1.8);
  RecordingHost host;
  AreaLoop(gs, host);
  EXPECT_TRUE(gs.holed_out);
  EXPECT_EQ(gs.holed_area, 5);
  EXPECT_EQ(gs.current_hole, "course1hole2");
  EXPECT_EQ(gs.ball_speed, 1.0);
  EXPECT_EQ(test::sounds(host.events()), std::vector<int32_t>{kSoundCup});
}

TEST(Cup, AirborneBallPassesOver) {
  GameState gs = ballIn(5, 1.0);
  gs.ball_airborne = true;
  RecordingHost host;
  AreaLoop(gs, host);
  EXPECT_FALSE(gs.holed_out);
}

TEST(Tunnel, EntersWithoutChangingHole) {
  GameState gs = ballIn(26, 1.5);
  gs.current_hole = "here";
  RecordingHost host;
  AreaLoop(gs, host);
  EXPECT_TRUE(gs.in_tunnel);
  EXPECT_FALSE(gs.holed_out);
  EXPECT_EQ(gs.holed_area, 5);
  EXPECT_EQ(gs.current_hole, "here");
  EXPECT_EQ(gs.ball_speed, 1.0);
}

struct WaterCase {
  double vz;
  bool from_air;
};

void PrintTo(const WaterCase& c, std::ostream* os) {
  *os << (c.from_air ? "from the air vz " : "rolling vz ") << c.vz;
}
class WaterEntryTest : public ::testing::TestWithParam<WaterCase> {};
TEST_P(WaterEntryTest, SplashDirection) {
  GameState gs = ballIn(24, 1.0);
  gs.ball_angle = 100;
  gs.ball_vz = GetParam().vz;
  gs.areas[5].p1 = 40;
  gs.areas[5].p2 = 60;
  RecordingHost host;
  AreaLoop(gs, host);
  EXPECT_TRUE(gs.in_water);
  EXPECT_EQ(gs.drop_x, 40);
  EXPECT_EQ(gs.drop_y, 60);
  EXPECT_EQ(gs.ball_z, 0);
  EXPECT_EQ(gs.ball_vz, 0);
  EXPECT_EQ(test::sounds(host.events()), std::vector<int32_t>{kSoundSplash});
  bool allNear = true;
  for (int i = 1; i <= 33; ++i) {
    const Particle& p = gs.particles[i];
    int32_t off = AngleByte(p.angle - 100);
    if (off > 20 && off < 236) allNear = false;
    EXPECT_FALSE(p.dot);
    EXPECT_EQ(p.colour, 0xFDA461u);
    if (GetParam().from_air) {
      EXPECT_GE(p.vspeed, 5 + GetParam().vz - 1e-9);
    } else {
      EXPECT_LT(p.vspeed, 4.5);
    }
  }
  // With 33 draws out of 256 a splash from the air cannot stay within ±20.
  EXPECT_EQ(allNear, !GetParam().from_air);
}
INSTANTIATE_TEST_SUITE_P(Entries, WaterEntryTest,
                         ::testing::Values(WaterCase{-2.0, true}, WaterCase{0.0, false}, WaterCase{1.0, false}),
    fg::test::PrintedName());

TEST(Water, NotFromHighUpOrTwice) {
  GameState gs = ballIn(24, 1.0);
  gs.ball_z = 1.0;
  RecordingHost host;
  AreaLoop(gs, host);
  EXPECT_FALSE(gs.in_water);
  gs.ball_z = 0;
  AreaLoop(gs, host);
  uint32_t seed = gs.seed;
  AreaLoop(gs, host);
  EXPECT_EQ(gs.seed, seed);  // already in: no second splash
}

TEST(BonusStroke, OncePerHole) {
  GameState gs = ballIn(35, 1.0);
  gs.players[0].strokes = 0;
  gs.players[0].total_strokes = 0;
  gs.effects[30].x = 600;
  gs.effects[30].y = 500;
  gs.effects[31].x = 600;
  gs.effects[31].frame = 5;
  gs.effect_next = 17;
  RecordingHost host;
  AreaLoop(gs, host);
  AreaLoop(gs, host);
  EXPECT_EQ(gs.players[0].strokes, -1);
  EXPECT_EQ(gs.players[0].total_strokes, -1);
  EXPECT_FALSE(gs.areas[5].enabled);
  EXPECT_EQ(gs.effects[30].x, 0);
  EXPECT_EQ(gs.effects[31].x, 0);
  EXPECT_EQ(gs.effects[31].frame, 5);  // only the listed fields are cleared
  EXPECT_EQ(gs.effects[1].blend, 255);  // the ring restarts at 1
  EXPECT_EQ(gs.effects[2].blend, -192);
  EXPECT_EQ(gs.effect_next, 3);
  EXPECT_EQ(test::sounds(host.events()), std::vector<int32_t>{kSoundBonus});
  EXPECT_EQ(test::banners(host.events()), std::vector<std::string>{"BONUS STROKE"});
}

TEST(BumpyGround, CommentWithoutNumberSkipsOnlyTheDecoration) {
  // Find a seed whose first draw is 0 so the bump acts.
  uint32_t seed = 0;
  for (;; ++seed) {
    GameState probe;
    probe.seed = seed;
    if (RandBelow(probe, 8) == 0) break;
  }
  for (const char* comment : {"12", "twelve", ""}) {
    GameState gs = ballIn(30, 3.0);
    gs.seed = seed;
    gs.areas[5].p1 = 700;
    gs.areas[5].p2 = 800;
    gs.areas[5].comment = comment;
    RecordingHost host;
    AreaLoop(gs, host);
    EXPECT_TRUE(gs.ball_airborne) << comment;
    EXPECT_NEAR(gs.ball_speed, 2.7, 1e-12);
    int effects = test::countKind(host.events(), SimEvent::Kind::Effect);
    EXPECT_EQ(effects, std::string(comment) == "12" ? 2 : 1) << comment;
  }
}

TEST(SetName, SlotsAndOutOfRange) {
  GameState gs = ballIn(28, 1.0);
  gs.current_hole = "start";
  for (int32_t p1 : {-1, 5, 1000}) {
    gs.areas[5].p1 = p1;
    RecordingHost host;
    AreaLoop(gs, host);
  }
  EXPECT_EQ(gs.current_hole, "start");
  gs.areas[5].p1 = 3;
  RecordingHost host;
  AreaLoop(gs, host);
  EXPECT_EQ(gs.name_slots[3], "course1hole2");
  gs.areas[5].p1 = 0;
  AreaLoop(gs, host);
  EXPECT_EQ(gs.current_hole, "course1hole2");
}

TEST(Switch, SoundOnceUntilReset) {
  GameState gs = ballIn(29, 1.0);
  RecordingHost host;
  gs.areas[5].p1 = 2;
  AreaLoop(gs, host);
  AreaLoop(gs, host);
  EXPECT_EQ(test::sounds(host.events()), std::vector<int32_t>{kSoundSwitch});
  EXPECT_EQ(gs.effects[30].x, 883);
  EXPECT_EQ(gs.effects[30].image, 6);
  EXPECT_TRUE(gs.trigger_sound_done);
  gs.areas[5].p1 = 3;
  AreaLoop(gs, host);  // slot 30 still shown: the flag stays
  EXPECT_TRUE(gs.trigger_sound_done);
  AreaLoop(gs, host);  // now hidden: re-armed
  EXPECT_FALSE(gs.trigger_sound_done);
}

TEST(Ledge, LiftsAndMovesDown) {
  GameState gs = ballIn(33, 1.0);
  gs.areas[5].p1 = 20;
  RecordingHost host;
  applyAreaEffect(gs, host, 5);
  EXPECT_EQ(gs.ball_z, 20);
  EXPECT_EQ(gs.ball_y, 520);
  EXPECT_TRUE(gs.ball_airborne);
}

TEST(Teleporter, MovesAndThrows) {
  GameState gs = ballIn(25, 1.0);
  arearec& a = gs.areas[5];
  a.x2 = 100;
  a.y2 = 200;
  a.x3 = 100;
  a.y3 = 230;
  a.x4 = 300;
  a.y4 = 230;
  RecordingHost host;
  applyAreaEffect(gs, host, 5);
  EXPECT_EQ(gs.ball_x, 100);
  EXPECT_EQ(gs.ball_y, 200);
  EXPECT_EQ(gs.ball_speed, 2.0);  // 200 / 50, capped
  EXPECT_EQ(gs.ball_z, 30);
  EXPECT_GE(gs.ball_angle, -3);
  EXPECT_LE(gs.ball_angle, 4);
  EXPECT_TRUE(gs.recentre_camera);
  EXPECT_EQ(test::countKind(host.events(), SimEvent::Kind::Effect), 2);
  EXPECT_EQ(gs.effects[2].y, 200 - 28 - 30);
}

TEST(Hazards, ThrowersNeedTheGround) {
  for (int32_t kind : {12, 27}) {
    GameState gs = ballIn(kind, 1.0);
    gs.ball_z = 2;
    RecordingHost host;
    applyAreaEffect(gs, host, 5);
    EXPECT_EQ(gs.ball_vz, 0) << kind;
    gs.ball_z = 0;
    applyAreaEffect(gs, host, 5);
    EXPECT_EQ(gs.ball_vz, 6.0) << kind;
    EXPECT_EQ(gs.last_bounce_area, -1);
  }
}

TEST(Kicker, OnlyFastGroundBall) {
  GameState gs = ballIn(34, 3.6);
  RecordingHost host;
  applyAreaEffect(gs, host, 5);
  EXPECT_EQ(gs.ball_speed, 4.5);
  EXPECT_EQ(gs.ball_vz, 12.0);
  GameState slow = ballIn(34, 3.5);
  applyAreaEffect(slow, host, 5);
  EXPECT_FALSE(slow.ball_airborne);
}

}  // namespace
}  // namespace fg
