// How long one putt and one solver search take on a small walled green with
// a funnel round the cup: the course tests and the scripted game lean on both.
#include <benchmark/benchmark.h>

#include "sim/ball_step.h"
#include "sim/hole_file.h"
#include "sim/ini_text.h"
#include "sim/putt_runner.h"
#include "sim/recording_host.h"
#include "sim/solver.h"

namespace fg {
namespace {

const char* kGreen = R"([ball]
x=110
y=330
[course]
par=2
[area1]
kind=4
x1=40
y1=80
x2=560
y2=80
enabled=1
[area2]
kind=2
x1=560
y1=80
x2=560
y2=380
enabled=1
[area3]
kind=4
x1=560
y1=380
x2=40
y2=380
enabled=1
[area4]
kind=2
x1=40
y1=380
x2=40
y2=80
enabled=1
[area5]
kind=14
x1=420
y1=240
r=120
enabled=1
[area6]
kind=5
x1=420
y1=240
r=9
comment=done
enabled=1
)";

GameState restingOnGreen() {
  GameState gs;
  gs.frame_skip = 1;
  readHoleFromText(gs, IniText(kGreen));
  RecordingHost host;
  host.setRecording(false);
  gs.ball_moving = true;
  gs.ball_airborne = true;
  gs.ball_z = 80;
  while (gs.ball_moving) runSimulationSubsteps(gs, host);
  return gs;
}

void BM_OnePutt(benchmark::State& state) {
  const GameState start = restingOnGreen();
  RecordingHost host;
  host.setRecording(false);
  for (auto _ : state) {
    GameState gs = start;
    benchmark::DoNotOptimize(runPutt(gs, host, 250, 2.0).substeps);
  }
}
BENCHMARK(BM_OnePutt);

void BM_SolveGreen(benchmark::State& state) {
  const GameState start = restingOnGreen();
  SolverOptions opt;
  opt.threads = 1;
  for (auto _ : state) benchmark::DoNotOptimize(solveFrom(start, opt).strokes);
}
BENCHMARK(BM_SolveGreen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fg
