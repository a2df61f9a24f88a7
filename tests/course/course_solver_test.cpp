// Every hole of the training and both game courses can be finished within its par by pull putts,
// played with the real simulation from the hole's real start.
#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "sim/geometry.h"
#include "sim/putt_runner.h"
#include "sim/recording_host.h"
#include "sim/solver.h"
#include "test_paths.h"

namespace fg {
namespace {

const std::string kGameDir = fg::test::gameDir();

class HoleSolves : public ::testing::TestWithParam<const char*> {};

TEST_P(HoleSolves, WithinPar) {
  GameState gs = settledHoleStart(kGameDir, GetParam());
  ASSERT_FALSE(gs.ball_moving) << "the ball never settles at the start";
  SolverOptions opt;
  opt.max_strokes = gs.course_par;
  Solution s = solveFrom(gs, opt);
  ASSERT_TRUE(s.solved) << GetParam() << " has no way round in " << gs.course_par << " strokes";
  EXPECT_LE(s.strokes, gs.course_par);

  // Replaying the shots on a copy of the start holes out: the search and
  // the plain putt runner agree.
  RecordingHost host;
  host.setRecording(false);
  PuttEnd end = PuttEnd::Rest;
  for (const PullShot& shot : s.shots) end = runPutt(gs, host, shot.angle, shot.speed, opt.limits).end;
  EXPECT_EQ(end, PuttEnd::Holed);
}

INSTANTIATE_TEST_SUITE_P(Course, HoleSolves,
                         ::testing::Values("training1", "training2", "course1hole1", "course1hole2",
                                           "course1hole3", "course1hole4", "course1hole5", "course1hole6",
                                           "course1hole7", "course1hole8", "course1hole9", "course2hole1",
                                           "course2hole2", "course2hole3", "course2hole4", "course2hole5",
                                           "course2hole6", "course2hole7", "course2hole8", "course2hole9"),
    fg::test::PrintedName());

struct DragCase {
  int32_t dx, dy;
  int32_t angle;
  double speed;
};

void PrintTo(const DragCase& c, std::ostream* os) {
  *os << "drag " << c.dx << "," << c.dy;
}

class PullDrag : public ::testing::TestWithParam<DragCase> {};

// The ball leaves opposite to the drag at the drag length / 40, capped at 4.
TEST_P(PullDrag, GivesTheShot) {
  const DragCase& c = GetParam();
  PullShot s = pullShotFromDrag(c.dx, c.dy);
  EXPECT_EQ(s.angle, c.angle);
  EXPECT_DOUBLE_EQ(s.speed, c.speed);
}

INSTANTIATE_TEST_SUITE_P(Drags, PullDrag,
                         ::testing::Values(DragCase{-80, 0, 0, 2.0}, DragCase{80, 0, 128, 2.0},
                                           DragCase{0, -40, 64, 1.0}, DragCase{0, 40, 192, 1.0},
                                           DragCase{-160, 0, 0, 4.0}, DragCase{-170, 0, 0, 4.0},
                                           DragCase{30, 40, 166, 1.25}, DragCase{0, 0, 64, 0.0}),
    fg::test::PrintedName());

TEST(PullShotFor, EveryAngleHasAnExactDragAtEverySpeedTried) {
  for (double speed : SolverOptions{}.speeds)
    for (int32_t a = 0; a < 256; ++a) {
      PullShot s = pullShotFor(a, speed);
      ASSERT_EQ(s.angle, a) << "speed " << speed;
      // Short drags cannot point every way; from a length of 40 on they can.
      if (speed >= 1.0) { EXPECT_NEAR(s.speed, speed, 0.1) << "angle " << a; }
      PullShot again = pullShotFromDrag(s.drag_x, s.drag_y);
      EXPECT_EQ(again.angle, s.angle);
      EXPECT_EQ(again.speed, s.speed);
    }
}

TEST(Solver, LeavesTheCallersStateAlone) {
  GameState gs = settledHoleStart(kGameDir, "course1hole4");
  GameState copy = gs;
  SolverOptions opt;
  opt.max_strokes = 1;
  solveFrom(gs, opt);
  EXPECT_EQ(gs.seed, copy.seed);
  EXPECT_EQ(gs.ball_x, copy.ball_x);
  EXPECT_EQ(gs.players[0].strokes, copy.players[0].strokes);
}

TEST(Solver, ReportsNoneWhenTheCupCannotBeReached) {
  GameState gs = settledHoleStart(kGameDir, "course1hole4");
  // Wall the ball into a tiny box far from the cup.
  int32_t bx = roundHalfEven(gs.ball_x), by = roundHalfEven(gs.ball_y);
  const int32_t box[4][4] = {{bx - 20, by - 20, bx + 20, by - 20}, {bx + 20, by - 20, bx + 20, by + 20},
                             {bx + 20, by + 20, bx - 20, by + 20}, {bx - 20, by + 20, bx - 20, by - 20}};
  for (int i = 0; i < 4; ++i) {
    arearec& a = gs.areas[90 + i];
    a = arearec{};
    a.kind = i % 2 ? 2 : 4;
    a.x1 = box[i][0]; a.y1 = box[i][1]; a.x2 = box[i][2]; a.y2 = box[i][3];
    a.enabled = true;
  }
  SolverOptions opt;
  opt.max_strokes = 2;
  opt.angle_step = 8;
  Solution s = solveFrom(gs, opt);
  EXPECT_FALSE(s.solved);
  EXPECT_GT(s.putts_tried, 0);
}

}  // namespace
}  // namespace fg
