#pragma once
// Whole draws over the row loops, and the table that lists them, for one
// lane type. Included only by the files that build a table for an
// instruction set; internal linkage like the rows.
#include <algorithm>
#include <cstring>
#include <type_traits>

#include "media/blit_kernels.h"
#include "media/blit_rows.h"
#include "media/opaque_runs.h"

namespace fg::kernels {
namespace {

using rows::blendRow;

// A span with nothing keyed in it.
template <typename V, typename Op, PixelFormat SF, PixelFormat DF>
inline void spanRow(uint16_t* d, const uint16_t* s, int n, int a) {
  blendRow<V, Op, false, SF, DF>(d, s, n, 0, a);
}

// Rows top, top + 1 … of the picture through its opaque runs, source
// columns [u, u + w), onto h rows at d: the unscaled draws. Each row's runs
// are found by stepping pointers, so the next row's first loads wait on
// nothing and start while the last row's stores are still going out;
// working the lookup out from the row number, as runRows below must, cost
// 2 us of 33 on a 1024x768 copy. Large pictures read their pixels from the
// runs' stream when they have one.
template <typename V, typename Op, PixelFormat SF, PixelFormat DF>
void unscaledRuns(uint16_t* d, size_t dPitch, const BlitSource& src, int u, int w, int top, int h, int a) {
  const int end = u + w;
  const OpaqueRuns& t = *src.runs;
  const OpaqueRun* const runs = t.all();
  const size_t columns = static_cast<size_t>(t.columns());
  const uint32_t* f = t.firstRuns(src.runColumn) + static_cast<size_t>(top) * columns;
  const uint16_t* const stream = t.stream();
  const uint32_t* const at = t.streamAt();
  const size_t sPitch = static_cast<size_t>(src.image->width);
  const uint16_t* p = src.image->row(top);
  // One loop for each way of reading, each as lean as it can be.
  auto rowsFrom = [&](auto fromStream, auto whole) {
    for (int r = 0; r < h; ++r, d += dPitch, p += sPitch, f += columns)
      for (uint32_t k = f[0], k1 = f[1]; k != k1; ++k) {
        int b = runs[k].begin, e = runs[k].end;
        if constexpr (!whole) {
          b = std::max(b, u), e = std::min(e, end);
          if (b >= e) continue;
        }
        // The stream holds column runs[k].begin at at[k].
        const uint16_t* s = fromStream ? stream + at[k] + (b - runs[k].begin) : p + b;
        spanRow<V, Op, SF, DF>(d + (b - u), s, e - b, a);
      }
  };
  using Yes = std::true_type;
  using No = std::false_type;
  // A draw not cut at either side takes every run whole, as most do.
  if (u == src.rect.left && end == src.rect.right)
    stream ? rowsFrom(Yes{}, Yes{}) : rowsFrom(No{}, Yes{});
  else
    stream ? rowsFrom(Yes{}, No{}) : rowsFrom(No{}, No{});
}

// Rows of the picture drawn through its opaque runs: source columns
// [u, u + w) of the rows `rowAt` says onto h rows at d (scaled draws).
template <typename V, typename Op, PixelFormat SF, PixelFormat DF, typename RowAt>
void runRows(uint16_t* d, size_t dPitch, const BlitSource& src, int u, int w, int h, RowAt rowAt, int a) {
  const int end = u + w;
  // Everything a row needs is read once here: the stores below may alias
  // anything reached through a pointer, so the compiler would reload it.
  const uint16_t* const pixels = src.image->pixels.data();
  const size_t sPitch = static_cast<size_t>(src.image->width);
  const OpaqueRun* const runs = src.runs->all();
  const uint32_t* const first = src.runs->firstRuns(src.runColumn);
  const size_t columns = static_cast<size_t>(src.runs->columns());
  for (int r = 0; r < h; ++r, d += dPitch) {
    const size_t sy = static_cast<size_t>(rowAt(r));
    const uint16_t* p = pixels + sy * sPitch;
    const OpaqueRun* run = runs + first[sy * columns];
    const OpaqueRun* const last = runs + first[sy * columns + 1];
    // Ask for the start of the next row while this one is drawn: the
    // processor's own prefetch only picks a row up after its first misses.
    // A row without runs has no start to ask for (and a picture keyed all
    // over has no runs at all).
    const size_t ny = r + 1 < h ? static_cast<size_t>(rowAt(r + 1)) : sy;
    if (r + 1 < h && first[ny * columns] != first[ny * columns + 1]) {
      const int nb = std::max<int>(runs[first[ny * columns]].begin, u);
      __builtin_prefetch(pixels + ny * sPitch + nb);
      __builtin_prefetch(pixels + ny * sPitch + nb + 32);
      __builtin_prefetch(d + dPitch + (nb - u), 1);
      __builtin_prefetch(d + dPitch + (nb - u) + 32, 1);
    }
    for (; run != last; ++run) {
      const int b = std::max<int>(run->begin, u), e = std::min<int>(run->end, end);
      if (b < e) spanRow<V, Op, SF, DF>(d + (b - u), p + b, e - b, a);
    }
  }
}

// Sparks and dots, fewer than kTinyWidth pixels across: no lanes, no runs,
// and none of the set-up of the wider draws, which would cost more than
// the pixels.
template <typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
void tinyDraw(Surface& dst, const BlitSource& src, const Rect& s, int32_t x, int32_t y, int a) {
  const int w = s.width(), h = s.height();
  const size_t dPitch = static_cast<size_t>(dst.width), sPitch = static_cast<size_t>(src.image->width);
  uint16_t* d = dst.row(y) + x;
  const uint16_t* p = src.image->row(s.top) + s.left;
  const uint16_t key = src.key;
  if (w == 1 && h == 1) {  // a dot: no loops to set up
    rows::blendPixel<Op, Keyed, SF, DF>(d, *p, key, a);
    return;
  }
  for (int r = 0; r < h; ++r, d += dPitch, p += sPitch)
    for (int i = 0; i < w; ++i) rows::blendPixel<Op, Keyed, SF, DF>(d + i, p[i], key, a);
}

// An unscaled draw at least kTinyWidth wide: through the opaque runs when the picture has them, as
// memcpy rows for a plain copy, else as whole rows with the keyed select.
template <typename V, typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
void unscaledDraw(Surface& dst, const BlitSource& src, const Rect& s, int32_t x, int32_t y, int a) {
  const int w = s.width(), h = s.height();
  const size_t dPitch = static_cast<size_t>(dst.width), sPitch = static_cast<size_t>(src.image->width);
  uint16_t* d = dst.row(y) + x;
  const uint16_t* p = src.image->row(s.top) + s.left;
  if constexpr (Keyed) {
    if (src.runs) {
      unscaledRuns<V, Op, SF, DF>(d, dPitch, src, s.left, w, s.top, h, a);
      return;
    }
  }
  if constexpr (!Keyed && SF == DF && std::is_same_v<Op, blend::Copy>) {
    if (w >= (rows::CopiesAligned<V> ? rows::kAlignedCopyRun : rows::kMemcpyRun)) {
      for (int r = 0; r < h; ++r, d += dPitch, p += sPitch) rows::copyLongRow<V>(d, p, w);
      return;
    }
  }
  rows::blendRect<V, Op, Keyed, SF, DF>(d, dPitch, w, h, [&](int r) { return p + r * sPitch; }, src.key, a);
}

template <typename V>
concept Expands = requires(const uint16_t* p, const uint8_t* i, uint16_t* o) { V::expand8(p, i, o); };

// Columns per strip of a stretched draw: the column map and one expanded
// source row fit on the stack.
constexpr int kStrip = 512;

// A scaled draw. Unscaled rows read the picture directly (through its runs
// when keyed); stretched rows map their columns once per draw and expand each
// source row once, reusing it for every destination row that samples it.
template <typename V, typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
void scaledDraw(Surface& dst, const BlitSource& src, const ScaledSpan& g, int a) {
  const int w = g.right - g.left, h = g.bottom - g.top;
  const size_t dPitch = static_cast<size_t>(dst.width);
  const Surface& img = *src.image;
  uint16_t* drow = dst.row(g.top) + g.left;
  if (g.stepX == 0x10000) {
    const int u = static_cast<int>(g.uStart >> 16);
    auto rowAt = [&](int r) { return static_cast<int>((g.vStart + g.stepY * r) >> 16); };
    if constexpr (Keyed) {
      if (src.runs) {
        runRows<V, Op, SF, DF>(drow, dPitch, src, u, w, h, rowAt, a);
        return;
      }
    }
    rows::blendRect<V, Op, Keyed, SF, DF>(drow, dPitch, w, h, [&](int r) { return img.row(rowAt(r)) + u; }, src.key, a);
    return;
  }
  uint16_t cols[kStrip], line[kStrip];
  alignas(16) uint8_t picks[kStrip * 2];
  const bool widens = g.stepX < 0x10000;
  for (int x0 = 0; x0 < w; x0 += kStrip) {
    const int n = std::min(kStrip, w - x0);
    // Positions stay below 2^31: the geometry keeps the last sample inside a
    // picture at most 32767 wide.
    uint32_t u = static_cast<uint32_t>(g.uStart + g.stepX * x0);
    const uint32_t step = static_cast<uint32_t>(g.stepX);
    for (int i = 0; i < n; ++i, u += step) cols[i] = static_cast<uint16_t>(u >> 16);
    if constexpr (Expands<V>) {
      // Widening, eight columns in a row sample at most eight neighbouring
      // source pixels: note which, as byte indices for one shuffle.
      if (widens)
        for (int i = 0; i + 8 <= n; i += 8)
          for (int j = 0; j < 8; ++j) {
            const int at = 2 * (cols[i + j] - cols[i]);
            picks[2 * (i + j)] = static_cast<uint8_t>(at);
            picks[2 * (i + j) + 1] = static_cast<uint8_t>(at + 1);
          }
    }
    int expanded = -1;
    auto lineAt = [&](int r) -> const uint16_t* {
      const int sy = static_cast<int>((g.vStart + g.stepY * r) >> 16);
      if (sy == expanded) return line;
      expanded = sy;
      const uint16_t* p = img.row(sy);
      int i = 0;
      if constexpr (Expands<V>) {
        if (widens)
          for (; i + 8 <= n && cols[i] + 8 <= img.width; i += 8) V::expand8(p + cols[i], picks + 2 * i, line + i);
      }
      for (; i < n; ++i) line[i] = p[cols[i]];
      return line;
    };
    rows::blendRect<V, Op, Keyed, SF, DF>(drow + x0, dPitch, n, h, lineAt, src.key, a);
  }
}

template <typename V, typename Op, bool Keyed>
constexpr void fillDraws(Table& t, Form f) {
  constexpr auto k565 = PixelFormat::Rgb565, k555 = PixelFormat::Rgb555;
  t.unscaled[f][Keyed][0][0] = unscaledDraw<V, Op, Keyed, k565, k565>;
  t.unscaled[f][Keyed][0][1] = unscaledDraw<V, Op, Keyed, k565, k555>;
  t.unscaled[f][Keyed][1][0] = unscaledDraw<V, Op, Keyed, k555, k565>;
  t.unscaled[f][Keyed][1][1] = unscaledDraw<V, Op, Keyed, k555, k555>;
  t.tiny[f][Keyed][0][0] = tinyDraw<Op, Keyed, k565, k565>;
  t.tiny[f][Keyed][0][1] = tinyDraw<Op, Keyed, k565, k555>;
  t.tiny[f][Keyed][1][0] = tinyDraw<Op, Keyed, k555, k565>;
  t.tiny[f][Keyed][1][1] = tinyDraw<Op, Keyed, k555, k555>;
  t.scaled[f][Keyed][0][0] = scaledDraw<V, Op, Keyed, k565, k565>;
  t.scaled[f][Keyed][0][1] = scaledDraw<V, Op, Keyed, k565, k555>;
  t.scaled[f][Keyed][1][0] = scaledDraw<V, Op, Keyed, k555, k565>;
  t.scaled[f][Keyed][1][1] = scaledDraw<V, Op, Keyed, k555, k555>;
}

template <typename V, typename Op>
constexpr void fillForm(Table& t, Form f) {
  fillDraws<V, Op, false>(t, f);
  fillDraws<V, Op, true>(t, f);
}

template <typename V>
constexpr Table makeTable() {
  Table t{};
  fillForm<V, blend::Copy>(t, kCopy);
  fillForm<V, blend::AddFull>(t, kAddFull);
  fillForm<V, blend::AddPart>(t, kAddPart);
  fillForm<V, blend::BlendPart>(t, kBlendPart);
  fillForm<V, blend::SubFull>(t, kSubFull);
  fillForm<V, blend::SubPart>(t, kSubPart);
  return t;
}

}  // namespace
}  // namespace fg::kernels
