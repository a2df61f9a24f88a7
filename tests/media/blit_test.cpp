#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "case_name.h"
#include "media/blitter.h"
#include "media/canvas.h"
#include "media/image_list.h"
#include "media/opaque_runs.h"
#include "media/pixel_format.h"
#include "media_fixtures.h"

namespace fg {
namespace {

constexpr auto k565 = PixelFormat::Rgb565;
constexpr auto k555 = PixelFormat::Rgb555;

// The blend rules written out plainly, one channel at a time.
struct Rgb {
  int r, g, b;
};

Rgb widen(uint16_t p, PixelFormat f) {
  if (f == k565) return {(p >> 11) << 3, ((p >> 5) & 63) << 2, (p & 31) << 3};
  return {((p >> 10) & 31) << 3, ((p >> 5) & 31) << 3, (p & 31) << 3};
}

uint16_t narrow(Rgb c, PixelFormat f) {
  if (f == k565) return static_cast<uint16_t>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3));
  return static_cast<uint16_t>(((c.r >> 3) << 10) | ((c.g >> 3) << 5) | (c.b >> 3));
}

int floorDiv256(int v) { return v >= 0 ? v / 256 : -((-v + 255) / 256); }

uint16_t reference(BlendOp op, uint16_t sp, uint16_t dp, int a, PixelFormat sf, PixelFormat df) {
  Rgb s = widen(sp, sf), d = widen(dp, df), o{};
  auto each = [&](auto fn) { o = {fn(s.r, d.r, false), fn(s.g, d.g, false), fn(s.b, d.b, true)}; };
  switch (op) {
    case BlendOp::Copy: o = s; break;
    case BlendOp::Additive:
      each([a](int s, int d, bool) { return std::min(a >= 255 ? s + d : s * a / 256 + d, 255); });
      break;
    case BlendOp::Blended:
      each([a](int s, int d, bool blue) {
        if (a >= 255) return s;
        return blue ? d + floorDiv256((s - d) * a) : (s * a + d * (255 - a)) / 256;
      });
      break;
    case BlendOp::Subtractive:
      each([a](int s, int d, bool) { return std::max(d - (a >= 255 ? s : s * a / 256), 0); });
      break;
  }
  return narrow(o, df);
}

Surface randomSurface(int w, int h, PixelFormat f, uint32_t seed) {
  Surface s(w, h, f);
  std::mt19937 rng(seed);
  for (auto& p : s.pixels) p = static_cast<uint16_t>(rng() & (f == k565 ? 0xFFFF : 0x7FFF));
  return s;
}

// The scaled draw written as the algorithm reads: every destination pixel of
// the unclipped rectangle, sampled at 16.16 steps, kept only on the surface.
void referenceDraw(Surface& dst, const Surface& src, Rect s, Rect d, BlendOp op, int a, bool keyed, uint16_t key) {
  if (a <= 0) return;
  int64_t stepX = int64_t{s.width()} * 65536 / d.width(), stepY = int64_t{s.height()} * 65536 / d.height();
  for (int64_t j = 0; j < d.height(); ++j)
    for (int64_t i = 0; i < d.width(); ++i) {
      int64_t x = d.left + i, y = d.top + j;
      if (x < 0 || y < 0 || x >= dst.width || y >= dst.height) continue;
      uint16_t sp = src.at(static_cast<int>((int64_t{s.left} * 65536 + stepX * i) >> 16),
                           static_cast<int>((int64_t{s.top} * 65536 + stepY * j) >> 16));
      if (keyed && sp == key) continue;
      dst.row(static_cast<int>(y))[x] = reference(op, sp, dst.at(static_cast<int>(x), static_cast<int>(y)), a,
                                                  src.format, dst.format);
    }
}

// Runs fn once for every pixel loop this machine has (SSE2 and AVX2), so
// both give the same pixels.
template <typename Fn>
void onEveryPath(Fn fn) {
  const BlitPath before = blitPath();
  for (BlitPath path : {BlitPath::Sse2, BlitPath::Avx2}) {
    if (!blitPathAvailable(path)) continue;
    setBlitPath(path);
    SCOPED_TRACE(path == BlitPath::Avx2 ? "AVX2" : "SSE2");
    fn();
  }
  setBlitPath(before);
}

PictureItem solidItem(int w, int h, uint32_t rgb, PixelFormat f) {
  PictureItem item;
  item.picture = test::makePicture(w, h, [rgb](int, int) { return rgb; });
  item.transparentColor = 0x00FF00FF;  // nothing here is keyed
  item.upload(f);
  return item;
}

TEST(BlendExamples, WorkedValuesIn565) {
  Surface dst(1, 1, k565);
  PictureItem white = solidItem(1, 1, 0xFFFFFF, k565);
  for (uint16_t d : {0x0000, 0x1234, 0xFFFF}) {
    dst.pixels[0] = d;
    white.BlitAdditive(dst, {0, 0, 1, 1}, 0, 255);
    EXPECT_EQ(dst.pixels[0], 0xFFFF);
  }
  dst.pixels[0] = 0;
  white.BlitAdditive(dst, {0, 0, 1, 1}, 0, 128);
  EXPECT_EQ(dst.pixels[0], (15 << 11) | (31 << 5) | 15);  // (124, 126, 124)

  PictureItem black = solidItem(1, 1, 0x000000, k565);
  black.transparent = false;
  dst.pixels[0] = 0xFFFF;
  black.BlitBlended(dst, {0, 0, 1, 1}, 0, 128);
  EXPECT_EQ(widen(dst.pixels[0], k565).r, 123 & 0xF8);
  EXPECT_EQ(widen(dst.pixels[0], k565).g, 125 & 0xFC);
  EXPECT_EQ(widen(dst.pixels[0], k565).b, 124 & 0xF8);

  dst.pixels[0] = 0x8410;
  white.BlitSubtractive(dst, {0, 0, 1, 1}, 0, 255);
  EXPECT_EQ(dst.pixels[0], 0);
}

TEST(BlendExamples, AlphaZeroAndFullStrength) {
  Surface src = randomSurface(8, 8, k565, 1);
  PictureItem item;
  // pixelToColor gives 0x00BBGGRR; the fixture wants 0x00RRGGBB.
  item.picture = test::makePicture(8, 8, [&](int x, int y) {
    uint32_t c = pixelToColor(src.at(x, y), k565);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | (c >> 16);
  });
  item.transparentColor = pixelToColor(src.at(3, 3), k565);
  item.upload(k565);
  Surface base = randomSurface(12, 12, k565, 2);
  for (int alpha : {0, -7}) {
    Surface dst = base;
    item.BlitBlended(dst, {2, 2, 10, 10}, 0, alpha);
    item.BlitAdditive(dst, {2, 2, 10, 10}, 0, alpha);
    item.BlitSubtractive(dst, {2, 2, 10, 10}, 0, alpha);
    EXPECT_EQ(dst.pixels, base.pixels);
  }
  Surface viaBlend = base, viaPattern = base;
  item.BlitBlended(viaBlend, {2, 2, 10, 10}, 0, 255);
  item.BlitPattern(viaPattern, 2, 2, 0);
  EXPECT_EQ(viaBlend.pixels, viaPattern.pixels);
  EXPECT_NE(viaBlend.pixels, base.pixels);
  EXPECT_EQ(viaBlend.at(5, 5), base.at(5, 5));  // the keyed pixel (3, 3) of the picture
}

TEST(BlendExamples, DoubleSizeSamplesEachPixelTwice) {
  Surface src = randomSurface(5, 3, k565, 3);
  BlitSource s{&src, {0, 0, 5, 3}, false, 0};
  Surface dst(10, 6, k565);
  blitBlend(dst, s, {0, 0, 10, 6}, BlendOp::Blended, 255);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(dst.at(x, y), src.at(x / 2, y / 2));
}

TEST(BlendExamples, PatternIndexOutOfRangeDrawsNothing) {
  PictureItem item = solidItem(4, 2, 0xFFFFFF, k565);
  item.patternWidth = 2;
  item.upload(k565);
  ASSERT_EQ(item.patternCount(), 2);
  Surface dst(8, 8, k565);
  for (int p : {-1, 2}) {
    item.BlitPattern(dst, 0, 0, p);
    item.BlitStretched(dst, {0, 0, 8, 8}, p);
    item.BlitAdditive(dst, {0, 0, 8, 8}, p, 255);
    item.BlitBlended(dst, {0, 0, 8, 8}, p, 100);
    item.BlitSubtractive(dst, {0, 0, 8, 8}, p, 100);
  }
  EXPECT_EQ(std::count(dst.pixels.begin(), dst.pixels.end(), 0), 64);
  PictureItem notUploaded;
  notUploaded.picture = item.picture;
  notUploaded.BlitPattern(dst, 0, 0, 0);
  EXPECT_EQ(std::count(dst.pixels.begin(), dst.pixels.end(), 0), 64);
}

struct RandomCase {
  BlendOp op;
  int alpha;
  PixelFormat sf, df;
  bool keyed;
  Rect dest;
  Rect src{3, 2, 40, 21};
};

class BlendRandom : public testing::TestWithParam<RandomCase> {};

TEST_P(BlendRandom, MatchesThePlainFormula) {
  const RandomCase& c = GetParam();
  Surface src = randomSurface(41, 23, c.sf, 11);
  for (int i = 0; i < 200; ++i) src.pixels[(i * 37) % src.pixels.size()] = 0x0421;  // plenty of keyed pixels
  onEveryPath([&] {
    Surface dst = randomSurface(64, 48, c.df, 12);
    Surface want = dst;
    const Rect s = c.src;
    blitBlend(dst, {&src, s, c.keyed, 0x0421}, c.dest, c.op, c.alpha);
    referenceDraw(want, src, s, c.dest, c.op, c.alpha, c.keyed, 0x0421);
    ASSERT_EQ(dst.pixels.size(), want.pixels.size());
    for (size_t i = 0; i < dst.pixels.size(); ++i)
      ASSERT_EQ(dst.pixels[i], want.pixels[i]) << "pixel " << i % 64 << "," << i / 64;
  });
}

std::vector<RandomCase> randomCases() {
  std::vector<RandomCase> cases;
  const Rect dests[] = {{5, 7, 42, 26}, {-9, -4, 28, 15}, {30, 30, 104, 68}, {-20, 10, 60, 30}, {1, 1, 26, 40}};
  for (BlendOp op : {BlendOp::Additive, BlendOp::Blended, BlendOp::Subtractive, BlendOp::Copy})
    for (int alpha : {1, 77, 128, 254, 255, 1000})
      for (auto [sf, df] : {std::pair{k565, k565}, {k555, k555}, {k565, k555}, {k555, k565}})
        for (bool keyed : {false, true})
          cases.push_back({op, alpha, sf, df, keyed, dests[cases.size() % 5]});
  // Draws a few pixels across (sparks and dots), which take a routine of
  // their own: inside the surface and cut by its edge.
  const std::pair<Rect, Rect> tiny[] = {{{7, 4, 10, 9}, {20, 20, 23, 25}}, {{5, 5, 6, 6}, {63, 47, 64, 48}},
                                        {{30, 1, 33, 3}, {62, 0, 65, 2}}, {{8, 8, 10, 11}, {-1, 46, 1, 49}}};
  for (BlendOp op : {BlendOp::Additive, BlendOp::Blended, BlendOp::Subtractive, BlendOp::Copy})
    for (int alpha : {77, 255})
      for (auto [sf, df] : {std::pair{k565, k565}, {k555, k555}, {k565, k555}, {k555, k565}})
        for (bool keyed : {false, true}) {
          const auto& [s, d] = tiny[cases.size() % 4];
          cases.push_back({op, alpha, sf, df, keyed, d, s});
        }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Combinations, BlendRandom, testing::ValuesIn(randomCases()),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(BlendRandom, EveryPixelPairAt565) {
  // Exhaustive over channel values via pixel pairs on one row.
  Surface src(256, 1, k565), dst(256, 1, k565);
  std::mt19937 rng(5);
  for (int round = 0; round < 64; ++round) {
    for (int i = 0; i < 256; ++i) src.pixels[i] = static_cast<uint16_t>(rng()), dst.pixels[i] = static_cast<uint16_t>(rng());
    for (BlendOp op : {BlendOp::Additive, BlendOp::Blended, BlendOp::Subtractive}) {
      int alpha = 1 + round * 4;
      onEveryPath([&] {
        Surface got = dst;
        blitBlend(got, {&src, {0, 0, 256, 1}, false, 0}, {0, 0, 256, 1}, op, alpha);
        for (int i = 0; i < 256; ++i)
          ASSERT_EQ(got.pixels[i], reference(op, src.pixels[i], dst.pixels[i], alpha, k565, k565)) << i;
      });
    }
  }
}

// The fast paths against the plain formulas: opaque-run tables and the keyed
// select, each instruction set, both formats, every alpha, an odd pattern
// width that exercises full, half and quarter vectors and the scalar tail, and
// clipping on each edge. The picture has two pattern columns; the right one
// is drawn, so runs must be looked up in the right column.
enum class Reading { Select, Runs, Stream };  // keyed select; runs over the picture; runs over their stream

struct FastCase {
  const char* label;
  PixelFormat sf, df;
  Reading reading;
  Rect dest;  // the pattern is 45 x 9
};

class FastPaths : public testing::TestWithParam<FastCase> {};

// Keyed stretches of varied length, some rows all keyed, one all opaque.
Surface runsPicture(PixelFormat f, uint16_t key) {
  Surface s = randomSurface(93, 9, f, 61);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 93; ++x) {
      const bool keyed = y == 2 || (y != 5 && (x * 7 + y * 13) % 29 < 4 + y);
      if (keyed) s.row(y)[x] = key;
      else if (s.row(y)[x] == key) s.row(y)[x] ^= 1;
    }
  return s;
}

TEST_P(FastPaths, MatchTheFormulas) {
  const FastCase& c = GetParam();
  const uint16_t key = 0x2C65;
  const Surface src = runsPicture(c.sf, key);
  std::optional<OpaqueRuns> runs = OpaqueRuns::build(src, key, 2, 48, 45, 1);
  ASSERT_TRUE(runs);
  if (c.reading == Reading::Stream) runs->pack(src);
  const Rect s{48, 0, 93, 9};
  const BlitSource source{&src, s, true, key, c.reading != Reading::Select ? &*runs : nullptr, 1};
  const Surface base = randomSurface(71, 31, c.df, 62);
  auto check = [&](BlendOp op, int alpha, auto draw) {
    Surface got = base, want = base;
    draw(got);
    referenceDraw(want, src, s, c.dest, op, alpha, true, key);
    ASSERT_EQ(got.pixels, want.pixels) << "alpha " << alpha;
  };
  onEveryPath([&] {
    if (c.dest.width() == s.width() && c.dest.height() == s.height())
      check(BlendOp::Copy, 255, [&](Surface& d) { blitCopy(d, source, c.dest.left, c.dest.top); });
    check(BlendOp::Copy, 255, [&](Surface& d) { blitStretched(d, source, c.dest); });
    for (BlendOp op : {BlendOp::Additive, BlendOp::Blended, BlendOp::Subtractive})
      for (int alpha = 1; alpha <= 256; ++alpha)
        check(op, alpha, [&](Surface& d) { blitBlend(d, source, c.dest, op, alpha); });
  });
}

// A picture keyed all over still gets a (run-less) table; every draw through
// it leaves the surface alone.
TEST(FastPaths, PictureKeyedAllOverDrawsNothing) {
  const uint16_t key = 0x2C65;
  Surface src(40, 6, k565);
  std::fill(src.pixels.begin(), src.pixels.end(), key);
  const std::optional<OpaqueRuns> runs = OpaqueRuns::build(src, key, 1, 40, 40, 1);
  ASSERT_TRUE(runs);
  const BlitSource source{&src, {0, 0, 40, 6}, true, key, &*runs, 0};
  const Surface base = randomSurface(50, 20, k565, 63);
  onEveryPath([&] {
    Surface got = base;
    blitCopy(got, source, 3, 4);
    blitBlend(got, source, {3, 4, 43, 10}, BlendOp::Subtractive, 128);
    blitBlend(got, source, {0, 0, 40, 12}, BlendOp::Additive, 255);
    ASSERT_EQ(got.pixels, base.pixels);
  });
}

const char* readingName(Reading r) {
  return r == Reading::Select ? "select_" : r == Reading::Runs ? "runs_" : "stream_";
}

std::vector<FastCase> fastCases() {
  const std::pair<const char*, Rect> dests[] = {
      {"inside", {12, 5, 57, 14}},     {"left", {-17, 3, 28, 12}},    {"top", {4, -5, 49, 4}},
      {"right", {50, 8, 95, 17}},      {"bottom", {9, 25, 54, 34}},   {"twice", {-7, -3, 83, 15}},
      {"shrunk", {3, 2, 26, 7}},       {"corner", {40, 26, 85, 35}},  {"rightSliver", {68, 8, 113, 17}},
      {"leftSliver", {-43, 3, 2, 12}}};
  std::vector<FastCase> cases;
  for (Reading reading : {Reading::Runs, Reading::Stream, Reading::Select})
    for (auto [sf, df] : {std::pair{k565, k565}, {k555, k555}, {k565, k555}})
      for (const auto& [label, dest] : dests) cases.push_back({label, sf, df, reading, dest});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, FastPaths, testing::ValuesIn(fastCases()), [](const auto& info) {
  const FastCase& c = info.param;
  return std::string(readingName(c.reading)) + (c.sf == k565 ? "565" : "555") + "to" +
         (c.df == k565 ? "565_" : "555_") + c.label;
});

// Long rows and runs are copied with aligned stores and unaligned ends: every
// offset of the destination within a vector, runs just past the vector
// width, and the same rows unkeyed (whole-row copies).
TEST(FastPaths, LongCopiesAtEveryOffset) {
  const uint16_t key = 0x2C65;
  for (PixelFormat f : {k565, k555}) {
    Surface src = randomSurface(301, 4, f, 64);
    const std::pair<int, int> gaps[] = {{33, 34}, {66, 67}, {99, 100}, {163, 165}, {229, 230}};
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 301; ++x) {
        const bool keyed = y != 3 && std::any_of(std::begin(gaps), std::end(gaps), [&](auto g) {
          return x >= g.first + y && x < g.second + y;
        });
        uint16_t& p = src.row(y)[x];
        p = keyed ? key : (p == key ? p ^ 1 : p);
      }
    const std::optional<OpaqueRuns> runs = OpaqueRuns::build(src, key, 1, 301, 301, 1);
    ASSERT_TRUE(runs);
    OpaqueRuns packed = *runs;
    packed.pack(src);
    const Surface base = randomSurface(340, 6, f, 65);
    const OpaqueRuns* const tables[] = {&*runs, &packed, nullptr};
    onEveryPath([&] {
      for (const OpaqueRuns* table : tables)
        for (int x = -3; x <= 17; ++x) {
          const BlitSource source{&src, {0, 0, 301, 4}, table != nullptr, key, table, 0};
          Surface got = base, want = base;
          blitCopy(got, source, x, 1);
          referenceDraw(want, src, source.rect, {x, 1, x + 301, 5}, BlendOp::Copy, 255, source.keyed, key);
          ASSERT_EQ(got.pixels, want.pixels) << "at " << x << (table == &packed ? " stream" : table ? " runs" : "");
        }
    });
  }
}

TEST(FastPaths, PictureItemsChooseRunsByLength) {
  // A wide picture with long opaque runs gets a table; noise does not.
  PictureItem wide;
  wide.picture = test::makePicture(300, 4, [](int x, int) { return x == 150 ? 0 : 0x808080; });
  wide.upload(k565);
  EXPECT_TRUE(wide.opaqueRuns());
  EXPECT_FALSE(wide.opaqueRuns()->stream());  // small: read from cache anyway
  // A large one keyed in a fifth of it gets its pixels as one stream too.
  PictureItem large;
  large.picture = test::makePicture(320, 320, [](int x, int) { return x < 64 ? 0 : 0x808080; });
  large.upload(k565);
  ASSERT_TRUE(large.opaqueRuns());
  EXPECT_TRUE(large.opaqueRuns()->stream());
  PictureItem noise;
  noise.picture = test::makePicture(300, 4, [](int x, int y) { return (x + y) % 3 ? 0x808080 : 0; });
  noise.upload(k565);
  EXPECT_FALSE(noise.opaqueRuns());
  // A new key rebuilds the table: keyed on grey, the wide picture is all key.
  Surface dst = randomSurface(300, 4, k565, 71), before = dst;
  wide.setTransparentColor(0x808080);
  wide.BlitPattern(dst, 0, 0, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 300; ++x) EXPECT_EQ(dst.at(x, y), x == 150 ? 0 : before.at(x, y));
}

struct ClipCase {
  const char* label;
  int x, y;
};

class PatternClip : public testing::TestWithParam<ClipCase> {};

TEST_P(PatternClip, CopiesExactlyTheVisiblePart) {
  const ClipCase& c = GetParam();
  Surface src = randomSurface(32, 20, k565, 21);
  src.pixels[5] = 0;  // keyed on black
  PictureItem item;
  item.picture = test::makePicture(32, 20, [&](int x, int y) {
    uint32_t v = pixelToColor(src.at(x, y), k565);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | (v >> 16);
  });
  item.upload(k565);
  Surface dst = randomSurface(50, 40, k565, 22), want = dst;
  item.BlitPattern(dst, c.x, c.y, 0);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 32; ++x) {
      int64_t dx = int64_t{c.x} + x, dy = int64_t{c.y} + y;
      if (dx < 0 || dy < 0 || dx >= 50 || dy >= 40 || item.image().at(x, y) == 0) continue;
      want.row(static_cast<int>(dy))[dx] = item.image().at(x, y);
    }
  EXPECT_EQ(dst.pixels, want.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, PatternClip,
    testing::Values(ClipCase{"inside", 5, 5}, ClipCase{"left", -10, 3}, ClipCase{"top", 4, -7},
                    ClipCase{"right", 40, 2}, ClipCase{"bottom", 2, 30}, ClipCase{"topLeft", -31, -19},
                    ClipCase{"bottomRight", 49, 39}, ClipCase{"atWidth", 50, 0}, ClipCase{"atHeight", 0, 40},
                    ClipCase{"farLeft", -40, 0}, ClipCase{"farOut", 2147483600, -2147483600},
                    ClipCase{"minInt", -2147483647 - 1, 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(PatternClip, LeftCutShowsTheRightColumns) {
  Surface src = randomSurface(32, 4, k565, 31);
  Surface dst(64, 4, k565);
  blitCopy(dst, {&src, {0, 0, 32, 4}, false, 0}, -10, 0);
  for (int x = 0; x < 22; ++x) EXPECT_EQ(dst.at(x, 1), src.at(x + 10, 1));
  EXPECT_EQ(dst.at(22, 1), 0);
}

TEST(Stretched, NearestPixelAndEmptyRectangles) {
  Surface src = randomSurface(4, 4, k555, 41);
  Surface dst(16, 16, k555);
  blitStretched(dst, {&src, {0, 0, 4, 4}, false, 0}, {0, 0, 8, 8});
  EXPECT_EQ(dst.at(7, 7), src.at(3, 3));
  EXPECT_EQ(dst.at(2, 5), src.at(1, 2));
  Surface before = dst;
  blitStretched(dst, {&src, {0, 0, 4, 4}, false, 0}, {8, 8, 8, 12});
  blitStretched(dst, {&src, {0, 0, 4, 4}, false, 0}, {8, 8, 4, 4});
  blitStretched(dst, {&src, {2, 0, 2, 4}, false, 0}, {8, 8, 12, 12});
  EXPECT_EQ(dst.pixels, before.pixels);
}

TEST(Fill, SetsEveryPixel) {
  Surface s(7, 3, k565);
  fillSurface(s, 0xBEEF);
  EXPECT_EQ(std::count(s.pixels.begin(), s.pixels.end(), 0xBEEF), 21);
}

}  // namespace
}  // namespace fg
