#pragma once
// Whole draws over the row loops, and the table that lists them, for one
// lane type. Included only by the files that build a table for an
// instruction set; internal linkage like the rows.
#include <algorithm>

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

// Rows of the picture drawn through its opaque runs: source columns
// [u, u + w) of rows v0, v0 + 1 … (or as `rowAt` says) onto h rows at d.
template <typename V, typename Op, PixelFormat SF, PixelFormat DF, typename RowAt>
void runRows(uint16_t* d, size_t dPitch, const BlitSource& src, int u, int w, int h, RowAt rowAt, int a) {
  const int end = u + w;
  for (int r = 0; r < h; ++r, d += dPitch) {
    const int sy = rowAt(r);
    const uint16_t* p = src.image->row(sy);
    for (const OpaqueRun& run : src.runs->row(sy, src.runColumn)) {
      const int b = std::max<int>(run.begin, u), e = std::min<int>(run.end, end);
      if (b < e) spanRow<V, Op, SF, DF>(d + (b - u), p + b, e - b, a);
    }
  }
}

template <typename V, bool Keyed, PixelFormat SF, PixelFormat DF>
void copyDraw(Surface& dst, const BlitSource& src, const Rect& s, int32_t x, int32_t y) {
  const int w = s.width(), h = s.height();
  const size_t dPitch = static_cast<size_t>(dst.width), sPitch = static_cast<size_t>(src.image->width);
  uint16_t* d = dst.row(y) + x;
  if constexpr (Keyed) {
    if (src.runs) {
      runRows<V, blend::Copy, SF, DF>(d, dPitch, src, s.left, w, h, [&](int r) { return s.top + r; }, 0);
      return;
    }
  }
  const uint16_t* p = src.image->row(s.top) + s.left;
  for (int r = 0; r < h; ++r, d += dPitch, p += sPitch) blendRow<V, blend::Copy, Keyed, SF, DF>(d, p, w, src.key, 0);
}

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
    for (int r = 0; r < h; ++r, drow += dPitch) blendRow<V, Op, Keyed, SF, DF>(drow, img.row(rowAt(r)) + u, w, src.key, a);
    return;
  }
  uint16_t cols[kStrip], line[kStrip];
  for (int x0 = 0; x0 < w; x0 += kStrip) {
    const int n = std::min(kStrip, w - x0);
    // Positions stay below 2^31: the geometry keeps the last sample inside a
    // picture at most 32767 wide.
    uint32_t u = static_cast<uint32_t>(g.uStart + g.stepX * x0);
    const uint32_t step = static_cast<uint32_t>(g.stepX);
    for (int i = 0; i < n; ++i, u += step) cols[i] = static_cast<uint16_t>(u >> 16);
    int64_t v = g.vStart;
    int expanded = -1;
    uint16_t* d = drow + x0;
    for (int r = 0; r < h; ++r, v += g.stepY, d += dPitch) {
      const int sy = static_cast<int>(v >> 16);
      if (sy != expanded) {
        const uint16_t* p = img.row(sy);
        for (int i = 0; i < n; ++i) line[i] = p[cols[i]];
        expanded = sy;
      }
      blendRow<V, Op, Keyed, SF, DF>(d, line, n, src.key, a);
    }
  }
}

template <typename V, bool Keyed>
constexpr void fillCopy(Table& t) {
  constexpr auto k565 = PixelFormat::Rgb565, k555 = PixelFormat::Rgb555;
  t.copy[Keyed][0][0] = copyDraw<V, Keyed, k565, k565>;
  t.copy[Keyed][0][1] = copyDraw<V, Keyed, k565, k555>;
  t.copy[Keyed][1][0] = copyDraw<V, Keyed, k555, k565>;
  t.copy[Keyed][1][1] = copyDraw<V, Keyed, k555, k555>;
}

template <typename V, typename Op, bool Keyed>
constexpr void fillScaled(Table& t, Form f) {
  constexpr auto k565 = PixelFormat::Rgb565, k555 = PixelFormat::Rgb555;
  t.scaled[f][Keyed][0][0] = scaledDraw<V, Op, Keyed, k565, k565>;
  t.scaled[f][Keyed][0][1] = scaledDraw<V, Op, Keyed, k565, k555>;
  t.scaled[f][Keyed][1][0] = scaledDraw<V, Op, Keyed, k555, k565>;
  t.scaled[f][Keyed][1][1] = scaledDraw<V, Op, Keyed, k555, k555>;
}

template <typename V, typename Op>
constexpr void fillForm(Table& t, Form f) {
  fillScaled<V, Op, false>(t, f);
  fillScaled<V, Op, true>(t, f);
}

template <typename V>
constexpr Table makeTable() {
  Table t{};
  fillCopy<V, false>(t);
  fillCopy<V, true>(t);
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
