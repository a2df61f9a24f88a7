// Random input across the whole program for a few virtual minutes: clicks,
// drags, typing and keys over the launch window, the intro and the holes.
// Nothing may crash, the frames must keep coming, and memory must stay flat.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/launchpad_layout.h"
#include "platform/headless_platform.h"
#include "shell/paths.h"
#include "shell/program.h"
#include "test_paths.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

long residentKb() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// Notes the memory in use every few hundred pictures.
class SoakPlatform : public HeadlessPlatform {
 public:
  struct Sample {
    uint32_t ms;
    long kb;
  };
  void present(const Surface& back) override {
    HeadlessPlatform::present(back);
    if (frames() % 250 == 0) samples.push_back({clock(), residentKb()});
  }
  std::vector<Sample> samples;
};

std::string centre(ControlId id) {
  const Rect& r = controlOf(id).rect;
  return std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2);
}

// Every few seconds the game is started again (from the Game or the Training
// tab); in between, random presses, drags, clicks, typing and keys anywhere
// but on the exit button (and no pause key, which would hold play for long).
std::string randomScript(uint32_t seed, uint32_t untilMs) {
  std::mt19937 rng(seed);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
  const Rect quit = controlOf(ControlId::quit).rect;
  const char* keys[] = {"SPACE", "ESCAPE", "F1", "F2", "F3", "F4", "F5", "F9", "F12", "LEFT", "RIGHT", "UP",
                        "DOWN", "RETURN", "A", "S", "B", "M", "7", "PAGEUP", "HOME", "TAB", "BACK"};
  std::ostringstream s;
  s << "step 10\n";
  uint32_t at = 500, nextStart = 3000;
  auto point = [&] {
    int x, y;
    do {
      x = pick(1100) - 40, y = pick(820) - 30;
    } while (x >= quit.left - 4 && x < quit.right + 4 && y >= quit.top - 4 && y < quit.bottom + 4);
    return std::to_string(x) + " " + std::to_string(y);
  };
  while (at < untilMs) {
    if (at >= nextStart) {
      s << "at " << at << " click " << centre(pick(3) ? ControlId::tab_game : ControlId::tab_training) << "\n";
      s << "at " << at + 100 << " click " << centre(ControlId::launch) << "\n";
      at += 400;
      nextStart = at + 4000 + static_cast<uint32_t>(pick(12000));
      continue;
    }
    switch (pick(6)) {
      case 0: s << "at " << at << " key " << keys[pick(std::size(keys))] << "\n"; break;
      case 1: s << "at " << at << " click " << point() << (pick(5) ? "" : " right") << "\n"; break;
      case 2: s << "at " << at << " dblclick " << point() << "\n"; break;
      case 3: s << "at " << at << " text " << "Ab c" << pick(100) << "\n"; break;
      default: {  // a drag: press, a few moves, release
        s << "at " << at << " press " << point() << "\n";
        for (int i = 0; i < 4; ++i) s << "at " << (at += 30) << " move " << point() << "\n";
        s << "at " << (at += 30) << " release " << point() << "\n";
      }
    }
    at += 60 + static_cast<uint32_t>(pick(400));
  }
  return s.str();
}

TEST(RandomInputSoak, NoCrashNoStallFlatMemory) {
  const fs::path game(fg::test::gameDir());
  if (!fs::exists(game / "gui.dxg") || !fs::exists(game / "course1hole1.dxg") || !fs::exists(game / "intro.avi"))
    GTEST_SKIP() << "the game content is not built";
  constexpr uint32_t kRunMs = 180000;
  const fs::path settings = fs::path(::testing::TempDir()) / "fg_soak_settings";
  fs::remove_all(settings);
  setExeDirOverride(game.string());
  SoakPlatform platform;
  platform.setStep(10);
  platform.setScript(parseInputScript(randomScript(20261208, kRunMs)));
  platform.setTimeLimit(kRunMs);
  ProgramOptions options;
  options.settingsRoot = settings.string();
  EXPECT_EQ(runProgram(platform, options), 0);
  setExeDirOverride("");
  fs::remove_all(settings);

  // No stall: the clock reached the end and pictures kept coming throughout.
  EXPECT_GE(platform.clock(), kRunMs);
  ASSERT_GE(platform.samples.size(), 6u);
  for (size_t i = 1; i < platform.samples.size(); ++i)
    EXPECT_LE(platform.samples[i].ms - platform.samples[i - 1].ms, 60000u) << "few pictures for a minute before sample " << i;
  // Flat memory: after the first third (content loaded, caches warm) it grows
  // by no more than a few megabytes.
  const size_t third = platform.samples.size() / 3;
  long settled = platform.samples[third].kb, peak = settled;
  for (size_t i = third; i < platform.samples.size(); ++i) peak = std::max(peak, platform.samples[i].kb);
  std::printf("soak: %zu frames, memory %ld kB at first, %ld kB after a third, %ld kB at most after\n",
              static_cast<size_t>(platform.frames()), platform.samples.front().kb, settled, peak);
  EXPECT_LE(peak - settled, 16 * 1024);
}

}  // namespace
}  // namespace fg
