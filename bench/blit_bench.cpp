// Sprite blitter throughput against SDL's own software blitter on the same
// 16-bit surfaces. Pixels per second per operation, for sprite-sized and
// screen-sized draws onto a 1024x768 back buffer.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "media/blitter.h"
#include "media/surface.h"

namespace {

constexpr int kBackW = 1024, kBackH = 768;
constexpr uint16_t kKey = 0;

// Random pixels with about a quarter of them keyed out.
fg::Surface spriteSurface(int w, int h) {
  fg::Surface s(w, h, fg::PixelFormat::Rgb565);
  std::mt19937 rng(7);
  for (auto& p : s.pixels) p = (rng() & 3) == 0 ? kKey : static_cast<uint16_t>(rng() | 1);
  return s;
}

void setPixels(benchmark::State& state, int64_t perIteration) {
  state.SetItemsProcessed(state.iterations() * perIteration);
}

void BM_KeyedCopy(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  fg::Surface src = spriteSurface(w, h), back(kBackW, kBackH, fg::PixelFormat::Rgb565);
  fg::BlitSource s{&src, {0, 0, w, h}, true, kKey};
  for (auto _ : state) {
    fg::blitCopy(back, s, 0, 0);
    benchmark::DoNotOptimize(back.pixels.data());
  }
  setPixels(state, int64_t{w} * h);
}

template <fg::BlendOp Op>
void BM_KeyedBlend(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  fg::Surface src = spriteSurface(w, h), back(kBackW, kBackH, fg::PixelFormat::Rgb565);
  fg::BlitSource s{&src, {0, 0, w, h}, true, kKey};
  for (auto _ : state) {
    fg::blitBlend(back, s, {0, 0, w, h}, Op, 128);
    benchmark::DoNotOptimize(back.pixels.data());
  }
  setPixels(state, int64_t{w} * h);
}

// Keyed stretch: a source two thirds the size drawn at the listed size.
void BM_KeyedStretch(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  fg::Surface src = spriteSurface(std::max(1, w * 2 / 3), std::max(1, h * 2 / 3)),
              back(kBackW, kBackH, fg::PixelFormat::Rgb565);
  fg::BlitSource s{&src, {0, 0, src.width, src.height}, true, kKey};
  for (auto _ : state) {
    fg::blitStretched(back, s, {0, 0, w, h});
    benchmark::DoNotOptimize(back.pixels.data());
  }
  setPixels(state, int64_t{w} * h);
}

// Fixed cost per call: a one-pixel draw, and a draw clipped away entirely.
void BM_CallOverhead(benchmark::State& state) {
  fg::Surface src = spriteSurface(1, 1), back(kBackW, kBackH, fg::PixelFormat::Rgb565);
  fg::BlitSource s{&src, {0, 0, 1, 1}, true, kKey};
  const bool clipped = state.range(0) != 0;
  for (auto _ : state) {
    if (clipped) fg::blitBlend(back, s, {-5, -5, -4, -4}, fg::BlendOp::Additive, 128);
    else fg::blitBlend(back, s, {3, 3, 4, 4}, fg::BlendOp::Additive, 128);
    benchmark::DoNotOptimize(back.pixels.data());
  }
}

struct SdlSurfaces {
  SDL_Surface* src;
  SDL_Surface* back;
  SdlSurfaces(int w, int h) {
    fg::Surface pixels = spriteSurface(w, h);
    src = SDL_CreateRGBSurfaceWithFormat(0, w, h, 16, SDL_PIXELFORMAT_RGB565);
    back = SDL_CreateRGBSurfaceWithFormat(0, kBackW, kBackH, 16, SDL_PIXELFORMAT_RGB565);
    for (int y = 0; y < h; ++y)
      std::memcpy(static_cast<uint8_t*>(src->pixels) + y * src->pitch, pixels.row(y), static_cast<size_t>(w) * 2);
    SDL_SetColorKey(src, SDL_TRUE, kKey);
  }
  ~SdlSurfaces() {
    SDL_FreeSurface(src);
    SDL_FreeSurface(back);
  }
};

void sdlBlit(benchmark::State& state, SDL_BlendMode mode, bool stretch) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  SdlSurfaces s(stretch ? std::max(1, w * 2 / 3) : w, stretch ? std::max(1, h * 2 / 3) : h);
  SDL_SetSurfaceBlendMode(s.src, mode);
  if (mode != SDL_BLENDMODE_NONE) SDL_SetSurfaceAlphaMod(s.src, 128);
  for (auto _ : state) {
    SDL_Rect d{0, 0, w, h};
    if (stretch) SDL_BlitScaled(s.src, nullptr, s.back, &d);
    else SDL_BlitSurface(s.src, nullptr, s.back, &d);
    benchmark::DoNotOptimize(s.back->pixels);
  }
  setPixels(state, int64_t{w} * h);
}

void BM_SdlKeyedCopy(benchmark::State& state) { sdlBlit(state, SDL_BLENDMODE_NONE, false); }
void BM_SdlKeyedAlphaBlend(benchmark::State& state) { sdlBlit(state, SDL_BLENDMODE_BLEND, false); }
void BM_SdlKeyedAdditive(benchmark::State& state) { sdlBlit(state, SDL_BLENDMODE_ADD, false); }
void BM_SdlKeyedStretch(benchmark::State& state) { sdlBlit(state, SDL_BLENDMODE_NONE, true); }

void BM_MemcpyFrame(benchmark::State& state) {
  std::vector<uint16_t> a(kBackW * kBackH, 1), b(kBackW * kBackH, 2);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), a.size() * 2);
    benchmark::DoNotOptimize(b.data());
  }
  setPixels(state, int64_t{kBackW} * kBackH);
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Args({16, 16})->Args({96, 142})->Args({640, 480})->Args({1024, 768});
}

BENCHMARK(BM_KeyedCopy)->Apply(sizes);
BENCHMARK(BM_SdlKeyedCopy)->Apply(sizes);
BENCHMARK_TEMPLATE(BM_KeyedBlend, fg::BlendOp::Additive)->Apply(sizes);
BENCHMARK_TEMPLATE(BM_KeyedBlend, fg::BlendOp::Blended)->Apply(sizes);
BENCHMARK_TEMPLATE(BM_KeyedBlend, fg::BlendOp::Subtractive)->Apply(sizes);
BENCHMARK(BM_SdlKeyedAlphaBlend)->Apply(sizes);
BENCHMARK(BM_SdlKeyedAdditive)->Apply(sizes);
BENCHMARK(BM_KeyedStretch)->Apply(sizes);
BENCHMARK(BM_SdlKeyedStretch)->Apply(sizes);
BENCHMARK(BM_MemcpyFrame);
BENCHMARK(BM_CallOverhead)->Arg(0)->Arg(1);

}  // namespace
