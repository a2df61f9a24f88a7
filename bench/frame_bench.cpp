// One frame of a busy 1024 x 768 hole, drawn headless: the whole course
// picture, all 46 effect slots in use with mixed blends, 33 particles, the
// ball, the foreground tiles, the full HUD with a running banner and the star
// field. Whole frames with and without the present, and each phase alone.
#include <benchmark/benchmark.h>

#include <memory>

#include "media/application.h"
#include "media/archive_writer.h"
#include "media/display_device.h"
#include "media/frame_timer.h"
#include "platform/headless_platform.h"
#include "render/ball_renderer.h"
#include "render/bitmap_text.h"
#include "render/effects.h"
#include "render/frame_phases.h"
#include "render/particles.h"
#include "render/playing_field.h"
#include "render/star_field.h"
#include "sim/geometry.h"
#include "sim/sim_actions.h"

namespace fg {
namespace {

constexpr int kW = 1024, kH = 768;
constexpr int kCourseW = 2048, kCourseH = 1536;

class QuietHost : public SimHost {
 public:
  void playSound(int32_t) override {}
  void playBgSound(int32_t, bool) override {}
  void centreCursor() override {}
  void HoleInit(GameState&) override {}
  int32_t surfaceWidth() const override { return kW; }
  int32_t surfaceHeight() const override { return kH; }
};

Picture picture(int w, int h, uint32_t seed, bool holes) {
  Picture p;
  p.width = w;
  p.height = h;
  p.rgb.resize(static_cast<size_t>(w) * h * 3);
  uint32_t s = seed;
  for (size_t i = 0; i < p.rgb.size(); i += 3) {
    s = s * 1664525u + 1013904223u;
    const bool hole = holes && (s >> 28) < 4;  // a quarter of the pixels keyed
    p.rgb[i] = hole ? 0 : static_cast<uint8_t>(32 + (s >> 24) % 200);
    p.rgb[i + 1] = hole ? 0 : static_cast<uint8_t>(32 + (s >> 16) % 200);
    p.rgb[i + 2] = hole ? 0 : static_cast<uint8_t>(32 + (s >> 8) % 200);
  }
  return p;
}

ImageItemDesc item(Picture p, int pw = 0, int ph = 0) {
  ImageItemDesc d;
  d.name = "bench";
  d.picture = std::move(p);
  d.patternWidth = pw;
  d.patternHeight = ph;
  return d;
}

void load(ImageList& list, const std::vector<ImageItemDesc>& items) {
  std::vector<uint8_t> bytes = writeImageArchive(items);
  list.loadFromMemory(bytes);
}

struct BusyHole {
  HeadlessPlatform platform;
  Application app{platform};
  ImageList menu, gui, course;  // before the display, which lets go of them when it goes
  DisplayDevice display{&platform};
  FrameTimer timer{app};
  WaveList sounds, bgsounds;
  LaunchpadControls launchpad;
  QuietHost host;
  bool training = false;
  GameState gs;
  GameContext ctx{gs, menu, gui, course, sounds, bgsounds, display, timer, launchpad, host, platform, training,
                  "", [] {}};
  std::array<Particle, kParticleSlots> burst{};

  BusyHole() {
    std::vector<ImageItemDesc> c;
    c.push_back(item(picture(kCourseW, kCourseH, 1, false)));
    c.push_back(item(picture(kCourseW, kCourseH, 2, true), 24, 24));
    c.push_back(item(picture(24, 12, 3, true)));
    c.push_back(item(picture(32, 32, 4, true)));
    c.push_back(item(picture(48 * 8, 48, 5, true), 48, 48));
    c.push_back(item(picture(8 * 4, 8, 6, true), 8, 8));
    c.push_back(item(picture(12 * 4, 12, 7, true), 12, 12));
    for (int i = 7; i < 16; ++i) {
      const int side = 32 + 8 * (i % 5);
      c.push_back(item(picture(side * 8, side, 10 + i, true), side, side));
    }
    load(course, c);
    std::vector<ImageItemDesc> g;
    for (int i = 0; i < 18; ++i) g.push_back(item(picture(4, 4, 50 + i, true)));
    g[1] = item(picture(270, 100, 60, true));
    g[2] = item(picture(270, 20, 61, true));
    g[3] = item(picture(110, 22, 62, true), 22, 22);
    g[4] = item(picture(40, 16, 63, true));
    g[7] = item(picture(67 * 8, 8, 64, true), 8, 8);
    g[8] = item(picture(12 * 12, 16, 65, true), 12, 16);
    g[11] = item(picture(16, 16, 66, false), 1, 1);
    for (int i : {15, 16, 17}) g[i] = item(picture(16, 16, 70 + i, true), 16, 16);
    load(gui, g);
    load(menu, {item(picture(61 * 24, 32, 80, true), 24, 32)});
    display.setMode(kW, kH);
    display.bind(menu);
    display.bind(gui);
    display.bind(course);
    display.Initialize();
    setUpState();
  }

  void setUpState() {
    gs.frame_skip = 2;
    gs.foreground_tiles = true;
    gs.pull_putt = false;
    gs.current_hole = kStarHole;
    gs.ball_x = 900.4;
    gs.ball_y = 700.6;
    gs.ball_z = 6;
    gs.ball_spin = 77;
    gs.ball_tex_u = 3.3;
    gs.ball_tex_v = 9.8;
    gs.ball_moving = true;
    gs.sink_timer = 15;
    gs.camera_x = 500;
    gs.camera_y = 400;
    gs.course_par = 4;
    gs.players[0].strokes = 3;
    gs.players[0].score = -1;
    launchpad.name = "Busy Bench Player";
    fillTables();
    refresh();
  }

  // Every effect slot, 60 plain walls, a full burst and the stars.
  void fillTables() {
    for (int i = 0; i < kEffectSlots; ++i) {
      EffectSlot& e = gs.effects[i];
      e.x = 520 + (i * 97) % 980;
      e.y = 420 + (i * 53) % 720;
      e.image = 4 + i % 12;
      e.looping = true;
      e.blend = i % 4 == 0 ? 0 : i % 4 == 1 ? 192 : i % 4 == 2 ? -128 : 255;
      e.pulse = i % 9 == 0 ? 40 : 0;
    }
    // Plain walls for the particles to test against.
    for (int i = 1; i <= 60; ++i) {
      arearec& a = gs.areas[i];
      a.enabled = true;
      a.kind = 1 + i % 7;
      a.x1 = 100 + 30 * i;
      a.y1 = 300 + (i % 5) * 40;
      a.x2 = a.x1 + 200;
      a.y2 = a.y1 + 20 * (i % 3);
    }
    for (int i = 1; i < kParticleSlots; ++i) {
      Particle& p = burst[i];
      p.active = true;
      p.bounces = 3;
      p.x = 900 + i;
      p.y = 700 - i;
      p.z = 10;
      p.angle = i * 7;
      p.speed = 1.5;
      p.vspeed = 3;
      p.colour = 0x00FFFFFF;
      p.shadow = i % 2 == 0;
      p.dot = i % 3 == 0;
    }
    for (int i = 0; i < kStarCount; ++i) {
      gs.stars[i] = Star{(i * 211) % kW, (i * 137) % kH, 5 + i % 2, 0};
    }
    gs.stars_camera_x = gs.camera_x;
    gs.stars_camera_y = gs.camera_y;
  }

  // Keeps the hole busy from one iteration to the next.
  void refresh() {
    gs.particles = burst;
    if (gs.banner_pos < 0 || gs.banner_pos > 60) startBanner(gs, host, "YOU WOKE THE CONSTRUCTION WORKER");
  }
};

BusyHole& hole() {
  static std::unique_ptr<BusyHole> h = std::make_unique<BusyHole>();
  return *h;
}

void frame(BusyHole& h, bool present) {
  h.refresh();
  updateCamera(h.ctx);
  drawPlayingField(h.ctx);
  runHoleFlow(h.ctx);
  drawStarField(h.ctx);
  drawScoreHudAndBanner(h.ctx);
  endOfGameCheck(h.ctx);
  if (present) h.display.Flip();
}

void BM_Frame(benchmark::State& state) {
  BusyHole& h = hole();
  for (auto _ : state) frame(h, false);
}
BENCHMARK(BM_Frame)->Unit(benchmark::kMicrosecond);

void BM_FrameWithPresent(benchmark::State& state) {
  BusyHole& h = hole();
  for (auto _ : state) frame(h, true);
}
BENCHMARK(BM_FrameWithPresent)->Unit(benchmark::kMicrosecond);

// The split by phase.
void BM_PhaseCamera(benchmark::State& state) {
  BusyHole& h = hole();
  for (auto _ : state) updateCamera(h.ctx);
}
BENCHMARK(BM_PhaseCamera)->Unit(benchmark::kMicrosecond);

void BM_PhaseCoursePicture(benchmark::State& state) {
  BusyHole& h = hole();
  for (auto _ : state) h.course.item(0).BlitPattern(h.display.surface(), -h.gs.camera_x, -h.gs.camera_y, 0);
}
BENCHMARK(BM_PhaseCoursePicture)->Unit(benchmark::kMicrosecond);

void BM_PhaseEffects(benchmark::State& state) {
  BusyHole& h = hole();
  for (auto _ : state) drawEffects(h.gs, h.course, h.display.surface(), 1);
}
BENCHMARK(BM_PhaseEffects)->Unit(benchmark::kMicrosecond);

void BM_PhaseParticles(benchmark::State& state) {
  BusyHole& h = hole();
  for (auto _ : state) {
    h.gs.particles = h.burst;
    drawParticles(h.gs, h.display.canvas());
  }
}
BENCHMARK(BM_PhaseParticles)->Unit(benchmark::kMicrosecond);

void BM_PhaseBall(benchmark::State& state) {
  BusyHole& h = hole();
  for (auto _ : state) drawBall(h.gs, h.gui, h.display.surface());
}
BENCHMARK(BM_PhaseBall)->Unit(benchmark::kMicrosecond);

void BM_PhaseForeground(benchmark::State& state) {
  BusyHole& h = hole();
  for (auto _ : state) drawForegroundTiles(h.gs, h.course, h.display.surface());
}
BENCHMARK(BM_PhaseForeground)->Unit(benchmark::kMicrosecond);

void BM_PhaseStars(benchmark::State& state) {
  BusyHole& h = hole();
  for (auto _ : state) drawStarField(h.ctx);
}
BENCHMARK(BM_PhaseStars)->Unit(benchmark::kMicrosecond);

void BM_PhaseHudAndBanner(benchmark::State& state) {
  BusyHole& h = hole();
  for (auto _ : state) {
    h.refresh();
    drawScoreHudAndBanner(h.ctx);
  }
}
BENCHMARK(BM_PhaseHudAndBanner)->Unit(benchmark::kMicrosecond);

void BM_PhasePresent(benchmark::State& state) {
  BusyHole& h = hole();
  for (auto _ : state) h.display.Flip();
}
BENCHMARK(BM_PhasePresent)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fg
