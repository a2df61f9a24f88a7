// Sprite blitter throughput beside its peers, measured in one run: SDL's
// run-length encoded blitter (its fastest path for keyed copies and keyed
// alpha blends) and memcpy of the same pixel count. Every sprite is random
// colours in an inscribed ellipse, keyed outside, drawn through a picture item
// the way the game draws, in both 16-bit formats. After the runs a table of
// ratios is printed from the medians (or the single runs).
//
// Rerun pinned, with repetitions interleaved so load hits all sides alike:
//   taskset -c 1 build/game/blit_bench --benchmark_repetitions=5
//       --benchmark_enable_random_interleaving=true
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "media/blitter.h"
#include "media/image_list.h"

namespace {

using fg::PixelFormat;

constexpr int kBackW = 1024, kBackH = 768;
struct Size {
  int w, h;
};
constexpr Size kSizes[] = {{16, 16}, {96, 142}, {640, 480}, {1024, 768}};
constexpr PixelFormat kFormats[] = {PixelFormat::Rgb565, PixelFormat::Rgb555};

const char* formatName(PixelFormat f) { return f == PixelFormat::Rgb565 ? "565" : "555"; }
std::string sizeName(Size s) { return std::to_string(s.w) + "x" + std::to_string(s.h); }
std::string name(const char* what, PixelFormat f, Size s) {
  return std::string(what) + "/" + formatName(f) + "/" + sizeName(s);
}

// Random colours (never the black key) inside the inscribed ellipse.
fg::Picture ellipse(int w, int h) {
  fg::Picture p;
  p.width = w, p.height = h;
  p.rgb.assign(static_cast<size_t>(w) * h * 3, 0);
  std::mt19937 rng(7);
  const double rx = w / 2.0, ry = h / 2.0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double dx = (x + 0.5 - rx) / rx, dy = (y + 0.5 - ry) / ry;
      uint8_t* q = p.rgb.data() + (static_cast<size_t>(y) * w + x) * 3;
      if (dx * dx + dy * dy <= 1.0)
        for (int c = 0; c < 3; ++c) q[c] = static_cast<uint8_t>(8 + rng() % 248);
    }
  return p;
}

struct Ours {
  fg::PictureItem item;
  fg::Surface back;
  Ours(int w, int h, PixelFormat f) : back(kBackW, kBackH, f) {
    item.picture = ellipse(w, h);
    item.upload(f);
  }
};

uint32_t sdlFormat(PixelFormat f) { return f == PixelFormat::Rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB555; }

// SDL surfaces holding the same pixels, keyed on the same value, RLE on.
struct Sdl {
  SDL_Surface* src;
  SDL_Surface* back;
  Sdl(int w, int h, PixelFormat f, int alpha) {
    Ours ours(w, h, f);
    src = SDL_CreateRGBSurfaceWithFormat(0, w, h, 16, sdlFormat(f));
    back = SDL_CreateRGBSurfaceWithFormat(0, kBackW, kBackH, 16, sdlFormat(f));
    for (int y = 0; y < h; ++y)
      std::memcpy(static_cast<uint8_t*>(src->pixels) + y * src->pitch, ours.item.image().row(y),
                  static_cast<size_t>(w) * 2);
    SDL_SetColorKey(src, SDL_TRUE, ours.item.key());
    if (alpha < 255) {
      SDL_SetSurfaceBlendMode(src, SDL_BLENDMODE_BLEND);
      SDL_SetSurfaceAlphaMod(src, static_cast<uint8_t>(alpha));
    } else {
      SDL_SetSurfaceBlendMode(src, SDL_BLENDMODE_NONE);
    }
    SDL_SetSurfaceRLE(src, 1);
  }
  ~Sdl() {
    SDL_FreeSurface(src);
    SDL_FreeSurface(back);
  }
};

void pixels(benchmark::State& state, Size s) { state.SetItemsProcessed(state.iterations() * s.w * s.h); }

void oursCopy(benchmark::State& state, PixelFormat f, Size s) {
  Ours o(s.w, s.h, f);
  for (auto _ : state) {
    o.item.BlitPattern(o.back, 0, 0, 0);
    benchmark::DoNotOptimize(o.back.pixels.data());
  }
  pixels(state, s);
}

void oursBlend(benchmark::State& state, PixelFormat f, Size s, fg::BlendOp op) {
  Ours o(s.w, s.h, f);
  const fg::Rect r{0, 0, s.w, s.h};
  for (auto _ : state) {
    if (op == fg::BlendOp::Blended) o.item.BlitBlended(o.back, r, 0, 128);
    else if (op == fg::BlendOp::Additive) o.item.BlitAdditive(o.back, r, 0, 128);
    else o.item.BlitSubtractive(o.back, r, 0, 128);
    benchmark::DoNotOptimize(o.back.pixels.data());
  }
  pixels(state, s);
}

// A picture of half the size drawn at the listed size.
void oursStretch(benchmark::State& state, PixelFormat f, Size s) {
  Ours o(s.w / 2, s.h / 2, f);
  for (auto _ : state) {
    o.item.BlitStretched(o.back, {0, 0, s.w, s.h}, 0);
    benchmark::DoNotOptimize(o.back.pixels.data());
  }
  pixels(state, s);
}

void sdlRle(benchmark::State& state, PixelFormat f, Size s, int alpha) {
  Sdl sdl(s.w, s.h, f, alpha);
  for (auto _ : state) {
    SDL_Rect d{0, 0, s.w, s.h};
    SDL_BlitSurface(sdl.src, nullptr, sdl.back, &d);
    benchmark::DoNotOptimize(sdl.back->pixels);
  }
  pixels(state, s);
}

void memcpyPeer(benchmark::State& state, Size s) {
  std::vector<uint16_t> a(static_cast<size_t>(s.w) * s.h, 1), b(a.size(), 2);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), a.size() * 2);
    benchmark::DoNotOptimize(b.data());
  }
  pixels(state, s);
}

// Fixed cost per call, through a picture of 8x8 patterns: a draw clipped
// away entirely, and a one-pixel blend (a picture of 1x1 patterns).
void callClipped(benchmark::State& state) {
  fg::PictureItem item;
  item.picture = ellipse(32, 32);
  item.patternWidth = item.patternHeight = 8;
  fg::Surface back(kBackW, kBackH, PixelFormat::Rgb565);
  item.upload(PixelFormat::Rgb565);
  int32_t x = -20;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    item.BlitAdditive(back, {x, -20, x + 8, -12}, 5, 128);
  }
}

void callOnePixel(benchmark::State& state) {
  fg::PictureItem item;
  item.picture = ellipse(16, 16);
  item.patternWidth = item.patternHeight = 1;
  fg::Surface back(kBackW, kBackH, PixelFormat::Rgb565);
  item.upload(PixelFormat::Rgb565);
  int32_t x = 3;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    item.BlitAdditive(back, {x, 3, x + 1, 4}, 119, 128);
    benchmark::DoNotOptimize(back.pixels.data());
  }
}

void sdlClipped(benchmark::State& state) {
  Sdl sdl(8, 8, PixelFormat::Rgb565, 128);
  for (auto _ : state) {
    SDL_Rect d{-20, -20, 8, 8};
    SDL_BlitSurface(sdl.src, nullptr, sdl.back, &d);
    benchmark::DoNotOptimize(sdl.back->pixels);
  }
}

void registerAll() {
  using benchmark::RegisterBenchmark;
  for (PixelFormat f : kFormats)
    for (Size s : kSizes) {
      RegisterBenchmark(name("copy/ours", f, s).c_str(), oursCopy, f, s);
      RegisterBenchmark(name("copy/sdl_rle", f, s).c_str(), sdlRle, f, s, 255);
      RegisterBenchmark(name("copy/memcpy", f, s).c_str(), memcpyPeer, s);
      RegisterBenchmark(name("blend128/ours", f, s).c_str(), oursBlend, f, s, fg::BlendOp::Blended);
      RegisterBenchmark(name("blend128/sdl_rle", f, s).c_str(), sdlRle, f, s, 128);
      RegisterBenchmark(name("additive128/ours", f, s).c_str(), oursBlend, f, s, fg::BlendOp::Additive);
      RegisterBenchmark(name("subtractive128/ours", f, s).c_str(), oursBlend, f, s, fg::BlendOp::Subtractive);
      RegisterBenchmark(name("stretch2x/ours", f, s).c_str(), oursStretch, f, s);
    }
  RegisterBenchmark("call/clipped/ours", callClipped);
  RegisterBenchmark("call/clipped/sdl", sdlClipped);
  RegisterBenchmark("call/blend1x1/ours", callOnePixel);
}

// Collects the CPU time per iteration of every benchmark (its median when
// repeated) while the console shows the runs as usual.
class Collector : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> ns;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
      const std::string key = r.run_name.function_name;
      if (r.run_type == Run::RT_Aggregate || !medians_.count(key)) ns[key] = r.GetAdjustedCPUTime();
      if (r.run_type == Run::RT_Aggregate) medians_[key] = true;
    }
    ConsoleReporter::ReportRuns(runs);
  }

 private:
  std::map<std::string, bool> medians_;
};

void printRatios(const Collector& c) {
  auto get = [&](const std::string& k) {
    auto it = c.ns.find(k);
    return it == c.ns.end() ? 0.0 : it->second;
  };
  auto ratio = [&](const std::string& peer, const std::string& ours) {
    const double o = get(ours);
    return o > 0 ? get(peer) / o : 0.0;
  };
  auto gpx = [&](const std::string& k, Size s) {
    const double t = get(k);
    return t > 0 ? s.w * s.h / t : 0.0;
  };
  std::printf("\nBlit path: %s. Ratios are speed-ups (peer time / our time), Gpx/s of the listed size.\n",
              fg::blitPath() == fg::BlitPath::Avx2 ? "AVX2" : "SSE2");
  std::printf("%-4s %-10s %12s %12s %12s %10s %10s %10s\n", "fmt", "size", "copy/SDLrle", "copy/memcpy",
              "blend/SDLrle", "add Gpx/s", "sub Gpx/s", "2x Gpx/s");
  for (PixelFormat f : kFormats)
    for (Size s : kSizes)
      std::printf("%-4s %-10s %12.2f %12.2f %12.2f %10.2f %10.2f %10.2f\n", formatName(f), sizeName(s).c_str(),
                  ratio(name("copy/sdl_rle", f, s), name("copy/ours", f, s)),
                  ratio(name("copy/memcpy", f, s), name("copy/ours", f, s)),
                  ratio(name("blend128/sdl_rle", f, s), name("blend128/ours", f, s)),
                  gpx(name("additive128/ours", f, s), s), gpx(name("subtractive128/ours", f, s), s),
                  gpx(name("stretch2x/ours", f, s), s));
  std::printf("per call: clipped %.1f ns (SDL %.1f ns), 1x1 blend %.1f ns\n", get("call/clipped/ours"),
              get("call/clipped/sdl"), get("call/blend1x1/ours"));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  registerAll();
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  printRatios(collector);
  benchmark::Shutdown();
  return 0;
}
