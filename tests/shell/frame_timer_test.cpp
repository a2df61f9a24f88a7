// The frame timer against the headless platform's virtual clock.
#include <gtest/gtest.h>

#include <vector>

#include "case_name.h"
#include "media/application.h"
#include "media/frame_timer.h"
#include "platform/headless_platform.h"
#include "shell/main_window.h"

namespace fg {
namespace {

struct Tick {
  uint32_t at;
  int32_t lag;
};

class FrameTimerTest : public ::testing::Test {
 protected:
  FrameTimerTest() : app(platform), timer(app) {
    platform.setStep(10);
    timer.setEnabled(false);
    timer.OnTimer = [this](int32_t lag) { ticks.push_back({platform.clock(), lag}); };
  }
  void runUntil(uint32_t ms) {
    while (platform.clock() < ms) {
      app.pumpMessages();
      app.idle();
    }
  }
  HeadlessPlatform platform;
  Application app;
  FrameTimer timer;
  std::vector<Tick> ticks;
};

TEST_F(FrameTimerTest, Interval33TicksAtFirstPassAfterTheInterval) {
  timer.setInterval(33);
  timer.setEnabled(true);
  runUntil(125);
  ASSERT_EQ(ticks.size(), 3u);
  EXPECT_EQ(ticks[0].at, 40u);
  EXPECT_EQ(ticks[1].at, 80u);
  EXPECT_EQ(ticks[2].at, 120u);
  for (const Tick& t : ticks) EXPECT_EQ(t.lag, 1);
}

TEST_F(FrameTimerTest, IntervalZeroAfterAStallCarriesTheLag) {
  timer.setInterval(0);
  timer.setEnabled(true);
  app.idle();  // tick at 0, clock moves to 10
  ticks.clear();
  platform.advance(240);  // a 250 ms stall since the last tick
  app.idle();
  ASSERT_EQ(ticks.size(), 1u);
  EXPECT_EQ(ticks[0].lag, 250);
}

TEST_F(FrameTimerTest, FramesPerSecondIsMeasuredOverWindowsOf200ms) {
  timer.setInterval(0);
  timer.setEnabled(true);
  runUntil(199);
  EXPECT_EQ(timer.FramesPerSecond(), 0);
  runUntil(1000);
  // One tick per 10 ms pass.
  EXPECT_EQ(timer.FramesPerSecond(), 100);
}

TEST_F(FrameTimerTest, PausesWhileInactiveAndResumesWithoutBacklog) {
  timer.setInterval(33);
  timer.setEnabled(true);
  runUntil(100);
  size_t before = ticks.size();
  platform.setActive(false);
  runUntil(1000);
  EXPECT_EQ(ticks.size(), before);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_FALSE(timer.running());
  platform.setActive(true);
  app.pumpMessages();
  runUntil(1100);
  ASSERT_GT(ticks.size(), before);
  EXPECT_EQ(ticks[before].lag, 1);  // no backlog from the pause
  EXPECT_GE(ticks[before].at, 1033u);
}

TEST_F(FrameTimerTest, EnablingWhileInactiveWaitsForActivation) {
  platform.setActive(false);
  app.pumpMessages();
  timer.setInterval(0);
  timer.setEnabled(true);
  runUntil(100);
  EXPECT_TRUE(ticks.empty());
  platform.setActive(true);
  app.pumpMessages();
  runUntil(200);
  EXPECT_FALSE(ticks.empty());
}

struct PacingCase {
  int32_t position, interval, frame_skip;
};

void PrintTo(const PacingCase& c, std::ostream* os) {
  *os << "bar " << c.position;
}
class PacingTest : public ::testing::TestWithParam<PacingCase> {};

TEST_P(PacingTest, BarGivesIntervalAndSubsteps) {
  FramePacing p = pacingFromBar(GetParam().position);
  EXPECT_EQ(p.interval, GetParam().interval);
  EXPECT_EQ(p.frame_skip, GetParam().frame_skip);
}

// 50 and 75 share the 33 ms interval but run 4 and 3 sub-steps.
INSTANTIATE_TEST_SUITE_P(Bar, PacingTest,
                         ::testing::Values(PacingCase{25, 66, 4}, PacingCase{50, 33, 3}, PacingCase{75, 33, 2},
                                           PacingCase{100, 0, 1}, PacingCase{99, 33, 2}, PacingCase{30, 66, 4}),
    fg::test::PrintedName());

}  // namespace
}  // namespace fg
