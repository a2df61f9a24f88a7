// One ball sub-step over a hole with all 99 areas enabled: a mix of walls,
// quadrilaterals and round areas placed away from the ball, so every area is
// tested and none of them acts.
#include <benchmark/benchmark.h>

#include "state/game_state.h"
#include "sim/ball_step.h"
#include "sim/recording_host.h"

namespace {

fg::GameState busyHole() {
  fg::GameState gs;
  for (int n = 1; n <= fg::kAreaCount; ++n) {
    fg::arearec& a = gs.areas[n];
    a.enabled = true;
    const int32_t ox = 2000 + (n % 10) * 150, oy = 2000 + (n / 10) * 150;
    switch (n % 3) {
      case 0:  // wall segment at an odd angle
        a.kind = 1 + n % 4;
        a.x1 = ox;
        a.y1 = oy;
        a.x2 = ox + 90;
        a.y2 = oy + 37;
        break;
      case 1:  // quadrilateral slope
        a.kind = 15 + n % 8;
        a.x1 = ox;
        a.y1 = oy;
        a.x2 = ox + 80;
        a.y2 = oy;
        a.x3 = ox + 80;
        a.y3 = oy + 40;
        a.x4 = ox;
        a.y4 = oy + 40;
        break;
      default:  // round area
        a.kind = 14;
        a.x1 = ox;
        a.y1 = oy;
        a.r = 30;
        break;
    }
  }
  gs.ball_x = 500;
  gs.ball_y = 500;
  gs.ball_moving = true;
  gs.ball_speed = 1.0;
  gs.ball_angle = 37;
  gs.last_bounce_area = -1;
  gs.sound_on = true;
  return gs;
}

void BM_SubStep99Areas(benchmark::State& state) {
  fg::GameState start = busyHole();
  fg::GameState gs = start;
  fg::RecordingHost host;
  host.setRecording(false);
  for (auto _ : state) {
    if (!gs.ball_moving) gs = start;
    fg::BallSubStep(gs, host);
    benchmark::DoNotOptimize(gs.ball_x);
  }
}
BENCHMARK(BM_SubStep99Areas);

// The slow case: 99 long diagonal walls whose boxes all hold the ball, so
// every band test works out the wall's angle. The ball never touches one.
void BM_SubStep99WallsAroundBall(benchmark::State& state) {
  fg::GameState start = busyHole();
  for (int n = 1; n <= fg::kAreaCount; ++n) {
    fg::arearec& a = start.areas[n];
    a = fg::arearec{};
    a.enabled = true;
    a.kind = 2;
    a.x1 = 300 + n;
    a.y1 = 300;
    a.x2 = 700 + n;
    a.y2 = 700;  // the ball (x - y = 160) stays 40 or more pixels off every line
  }
  start.ball_x = 560;
  start.ball_y = 400;
  fg::GameState gs = start;
  fg::RecordingHost host;
  host.setRecording(false);
  for (auto _ : state) {
    if (!gs.ball_moving || gs.ball_x > 600) gs = start;
    fg::BallSubStep(gs, host);
    benchmark::DoNotOptimize(gs.ball_x);
  }
}
BENCHMARK(BM_SubStep99WallsAroundBall);

}  // namespace
