#include "sim/wall_bounce.h"

#include <gtest/gtest.h>

#include "case_name.h"
#include "sim/area_effects.h"
#include "sim/geometry.h"
#include "sim_test_helpers.h"
#include "state/sound_items.h"

namespace fg {
namespace {

using test::groundBall;

struct BounceCase {
  int32_t code, angle, want_byte;
};

void PrintTo(const BounceCase& c, std::ostream* os) {
  *os << "code " << c.code << " angle " << c.angle;
}
class WallBounceAngleTest : public ::testing::TestWithParam<BounceCase> {};
TEST_P(WallBounceAngleTest, MirrorsDirection) {
  GameState gs = groundBall();
  gs.ball_angle = GetParam().angle;
  RecordingHost host;
  WallBounce(gs, host, GetParam().code);
  EXPECT_EQ(AngleByte(gs.ball_angle), GetParam().want_byte);
}
INSTANTIATE_TEST_SUITE_P(Codes, WallBounceAngleTest,
                         ::testing::Values(BounceCase{64, 0, 128}, BounceCase{0, 64, 192},
                                           BounceCase{19, 200, 248}, BounceCase{109, 20, 18},
                                           BounceCase{-1, 10, 138}, BounceCase{32, 0, 192},
                                           BounceCase{96, 0, 64}),
    fg::test::PrintedName());

struct MirrorCase {
  int32_t fold, m19, m109;
};

void PrintTo(const MirrorCase& c, std::ostream* os) {
  *os << "fold " << c.fold;
}
class MirrorTableTest : public ::testing::TestWithParam<MirrorCase> {};
TEST_P(MirrorTableTest, BandEdges) {
  EXPECT_EQ(mirrorCode(19, GetParam().fold), GetParam().m19);
  EXPECT_EQ(mirrorCode(109, GetParam().fold), GetParam().m109);
}
INSTANTIATE_TEST_SUITE_P(Bands, MirrorTableTest,
                         ::testing::Values(MirrorCase{0, 32, 96}, MirrorCase{8, 32, 96}, MirrorCase{9, 38, 102},
                                           MirrorCase{24, 45, 109}, MirrorCase{25, 42, 107},
                                           MirrorCase{56, 34, 99}, MirrorCase{57, 32, 96},
                                           MirrorCase{72, 32, 96}, MirrorCase{112, 19, 83},
                                           MirrorCase{113, 26, 90}, MirrorCase{128, 32, 96},
                                           MirrorCase{129, 32, 96}, MirrorCase{200, 32, 96}),
    fg::test::PrintedName());

TEST(WallBounce, UnreducedResult) {
  GameState gs = groundBall();
  gs.ball_angle = 200;
  RecordingHost host;
  WallBounce(gs, host, 19);
  EXPECT_EQ(gs.ball_angle, -264);
}

TEST(WallBounce, HighBallGetsForceFieldFeedback) {
  GameState gs = groundBall();
  gs.ball_z = 12;
  RecordingHost host;
  WallBounce(gs, host, 64);
  auto events = host.takeEvents();
  EXPECT_EQ(test::sounds(events), std::vector<int32_t>{kSoundForceField});
  EXPECT_EQ(test::banners(events), std::vector<std::string>{"FORCE FIELDS KEEP BALL IN PLAY"});
  EXPECT_EQ(test::countKind(events, SimEvent::Kind::Effect), 0);  // code 64 has no picture
  EXPECT_EQ(gs.banner_text, std::string(27, ' ') + "FORCE FIELDS KEEP BALL IN PLAY");
  EXPECT_EQ(gs.banner_pos, 0);
}

TEST(WallBounce, AtHeightTenOnlyTheKnock) {
  GameState gs = groundBall();
  gs.ball_z = 10;
  gs.banner_pos = -1;
  RecordingHost host;
  WallBounce(gs, host, 64);
  EXPECT_EQ(test::sounds(host.events()), std::vector<int32_t>{kSoundWall});
  EXPECT_EQ(gs.banner_pos, -1);
}

TEST(WallBounce, SoundOffStillShowsFeedback) {
  GameState gs = groundBall();
  gs.sound_on = false;
  gs.ball_z = 20;
  gs.ball_x = 100.4;
  gs.ball_y = 200.6;
  RecordingHost host;
  WallBounce(gs, host, 0);
  auto events = host.takeEvents();
  EXPECT_TRUE(test::sounds(events).empty());
  ASSERT_EQ(test::countKind(events, SimEvent::Kind::Effect), 1);
  const EffectSlot& e = gs.effects[1];
  EXPECT_EQ(e.x, 100 - 30);
  EXPECT_EQ(e.y, 201 - 20 - 30);
  EXPECT_EQ(e.image, 16);
  EXPECT_EQ(e.blend, 192);
  EXPECT_EQ(gs.effect_next, 2);
}

TEST(WallBounce, SlowsAndPutsBack) {
  GameState gs = groundBall(300, 300);
  gs.ball_prev_x = 290;
  gs.ball_prev_y = 295;
  gs.ball_speed = 3.0;
  RecordingHost host;
  WallBounce(gs, host, 64);
  EXPECT_DOUBLE_EQ(gs.ball_speed, 2.7);
  EXPECT_EQ(gs.ball_x, 290);
  EXPECT_EQ(gs.ball_y, 295);
}

TEST(AreaLoop, ShortWallBouncesAtBothEnds) {
  GameState gs = groundBall(98, 100);  // off the band, 2 and 3 pixels from the ends
  gs.ball_angle = 0;
  gs.ball_speed = 1.0;
  gs.areas[1] = test::wallArea(2, 100, 100, 101, 100);
  RecordingHost host;
  AreaLoop(gs, host);
  EXPECT_EQ(gs.ball_angle, 256);
  EXPECT_NEAR(gs.ball_speed, 0.81, 1e-12);
  EXPECT_EQ(gs.last_bounce_area, -1);
  EXPECT_EQ(test::sounds(host.events()), (std::vector<int32_t>{1, 1}));
}

TEST(AreaLoop, WallBouncesOnceUntilRearmed) {
  GameState gs = groundBall(50, 100);
  gs.ball_angle = 64;
  gs.ball_speed = 2.0;
  gs.areas[3] = test::wallArea(4, 0, 100, 100, 100);
  RecordingHost host;
  AreaLoop(gs, host);
  EXPECT_EQ(gs.last_bounce_area, 3);
  EXPECT_EQ(AngleByte(gs.ball_angle), 192);
  AreaLoop(gs, host);  // still inside: no second bounce
  EXPECT_EQ(AngleByte(gs.ball_angle), 192);
  gs.areas[4] = test::circleArea(17, 50, 100, 10);  // a slope re-arms the wall
  AreaLoop(gs, host);
  EXPECT_EQ(gs.last_bounce_area, -1);
  AreaLoop(gs, host);
  EXPECT_EQ(AngleByte(gs.ball_angle), 64);
}

}  // namespace
}  // namespace fg
