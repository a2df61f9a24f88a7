// Tick spacing of the frame timer on the players' platform: SDL's clock and
// its idle passes, no display (dummy video driver). The mean spacing must stay
// within 0.05 ms of the interval: the idle loop may rest, but not oversleep a
// tick. Counters: mean and worst spacing in milliseconds, and the share of
// the wall time the loop spent on the processor.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "media/application.h"
#include "media/frame_timer.h"
#include "platform/sdl_platform.h"

namespace {

double cpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void BM_TickSpacing(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const auto interval = static_cast<int32_t>(state.range(0));
  constexpr int kTicks = 30;
  fg::SdlPlatform platform(true);
  fg::Application app(platform);
  fg::FrameTimer timer(app);
  using Clock = std::chrono::steady_clock;
  std::vector<double> spacing;
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    std::vector<Clock::time_point> ticks;
    timer.OnTimer = [&](int32_t) { ticks.push_back(Clock::now()); };
    timer.setInterval(interval);
    timer.setEnabled(true);
    double cpu0 = cpuSeconds();
    auto wall0 = Clock::now();
    app.runUntil([&] { return ticks.size() > kTicks; });
    timer.setEnabled(false);
    cpu += cpuSeconds() - cpu0;
    wall += std::chrono::duration<double>(Clock::now() - wall0).count();
    for (size_t i = 1; i < ticks.size(); ++i)
      spacing.push_back(std::chrono::duration<double, std::milli>(ticks[i] - ticks[i - 1]).count());
  }
  double sum = 0, worst = 0;
  for (double s : spacing) {
    sum += s;
    worst = std::max(worst, s);
  }
  state.counters["mean_ms"] = spacing.empty() ? 0 : sum / static_cast<double>(spacing.size());
  state.counters["worst_ms"] = worst;
  state.counters["cpu_share"] = wall > 0 ? cpu / wall : 0;
}

BENCHMARK(BM_TickSpacing)->Arg(33)->Arg(66)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
