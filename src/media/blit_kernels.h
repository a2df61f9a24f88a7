#pragma once
// The table of whole-draw routines the blitter chooses from, one table per
// instruction set. The blitter clips and rejects; a routine only draws.
#include <cstdint>

#include "media/blitter.h"

namespace fg::kernels {

// Geometry of one scaled draw after clipping, in 16.16 source steps.
struct ScaledSpan {
  int32_t left, top, right, bottom;  // clipped destination
  int64_t uStart, vStart, stepX, stepY;
};

// An unscaled draw of the clipped source rectangle `s` with its top-left at
// (x, y): the plain copy and most blends, which need no 16.16 steps at all.
using UnscaledFn = void (*)(Surface&, const BlitSource&, const Rect& s, int32_t x, int32_t y, int alpha);
using ScaledFn = void (*)(Surface&, const BlitSource&, const ScaledSpan&, int alpha);

// Blend forms: the full-strength and partial forms of each operation.
enum Form : int { kCopy, kAddFull, kAddPart, kBlendPart, kSubFull, kSubPart, kFormCount };

// Unscaled draws narrower than this go to `tiny`, the others to `unscaled`.
constexpr int kTinyWidth = 4;

struct Table {
  // [form][keyed][source is 5-5-5][destination is 5-5-5]
  UnscaledFn unscaled[kFormCount][2][2][2];
  UnscaledFn tiny[kFormCount][2][2][2];
  ScaledFn scaled[kFormCount][2][2][2];
};

extern const Table kSse2;
#if defined(FG_HAVE_AVX2_KERNELS)
extern const Table kAvx2;
#endif

}  // namespace fg::kernels
