#include "media/blitter.h"

#include <algorithm>

#include "media/blend_ops.h"
#include "media/blit_rows.h"

namespace fg {
namespace {

using blend::AddFull;
using blend::AddPart;
using blend::BlendPart;
using blend::Copy;
using blend::SubFull;
using blend::SubPart;

// Geometry of one scaled draw after clipping, in 16.16 source steps.
struct ScaledSpan {
  int32_t left, top, right, bottom;  // clipped destination
  int64_t uStart, vStart, stepX, stepY;
};

using ScaledFn = void (*)(Surface&, const BlitSource&, const ScaledSpan&, int);

template <typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
void scaledLoop(Surface& dst, const BlitSource& src, const ScaledSpan& g, int a) {
  const int w = g.right - g.left;
  const size_t dPitch = static_cast<size_t>(dst.width);
  const uint16_t* image = src.image->pixels.data();
  const size_t sPitch = static_cast<size_t>(src.image->width);
  uint16_t* drow = dst.row(g.top) + g.left;
  int64_t v = g.vStart;
  if (g.stepX == 0x10000) {
    const size_t u = static_cast<size_t>(g.uStart >> 16);
    for (int y = g.top; y < g.bottom; ++y, v += g.stepY, drow += dPitch)
      rows::blendRow<Op, Keyed, SF, DF>(drow, image + static_cast<size_t>(v >> 16) * sPitch + u, w, src.key, a);
    return;
  }
  for (int y = g.top; y < g.bottom; ++y, v += g.stepY, drow += dPitch)
    rows::scaledRow<Op, Keyed, SF, DF>(drow, image + static_cast<size_t>(v >> 16) * sPitch, w,
                                       static_cast<uint32_t>(g.uStart), static_cast<uint32_t>(g.stepX), src.key, a);
}

template <typename Op, bool Keyed>
ScaledFn pickFormats(PixelFormat sf, PixelFormat df) {
  constexpr auto k565 = PixelFormat::Rgb565, k555 = PixelFormat::Rgb555;
  if (sf == k565) return df == k565 ? scaledLoop<Op, Keyed, k565, k565> : scaledLoop<Op, Keyed, k565, k555>;
  return df == k565 ? scaledLoop<Op, Keyed, k555, k565> : scaledLoop<Op, Keyed, k555, k555>;
}

template <typename Op>
ScaledFn pickKeyed(bool keyed, PixelFormat sf, PixelFormat df) {
  return keyed ? pickFormats<Op, true>(sf, df) : pickFormats<Op, false>(sf, df);
}

ScaledFn pickScaled(BlendOp op, bool full, bool keyed, PixelFormat sf, PixelFormat df) {
  switch (op) {
    case BlendOp::Copy: return pickKeyed<Copy>(keyed, sf, df);
    case BlendOp::Additive: return full ? pickKeyed<AddFull>(keyed, sf, df) : pickKeyed<AddPart>(keyed, sf, df);
    case BlendOp::Blended: return full ? pickKeyed<Copy>(keyed, sf, df) : pickKeyed<BlendPart>(keyed, sf, df);
    case BlendOp::Subtractive:
      return full ? pickKeyed<SubFull>(keyed, sf, df) : pickKeyed<SubPart>(keyed, sf, df);
  }
  return nullptr;
}

// Steps, clipping and start positions of a scaled draw; false when nothing
// is to be drawn.
bool scaledGeometry(const Surface& dst, const BlitSource& src, const Rect& dest, ScaledSpan& g) {
  const Rect& s = src.rect;
  const Surface& img = *src.image;
  if (dst.empty() || img.empty()) return false;
  // 16.16 positions: pictures wider than 32767 are never made by the decoder.
  if (img.width > 32767 || img.height > 32767) return false;
  if (s.left < 0 || s.top < 0 || s.right > img.width || s.bottom > img.height || s.empty()) return false;
  if (dest.empty()) return false;
  const int64_t dw = int64_t{dest.right} - dest.left, dh = int64_t{dest.bottom} - dest.top;
  // Most draws are unscaled; they need no division.
  g.stepX = dw == s.width() ? 0x10000 : static_cast<uint32_t>((int64_t{s.width()} * 65536) / dw);
  g.stepY = dh == s.height() ? 0x10000 : static_cast<uint32_t>((int64_t{s.height()} * 65536) / dh);
  int64_t left = dest.left, top = dest.top, kx = 0, ky = 0;
  if (left < 0) kx = -left, left = 0;
  if (top < 0) ky = -top, top = 0;
  const int64_t right = std::min<int64_t>(dest.right, dst.width);
  const int64_t bottom = std::min<int64_t>(dest.bottom, dst.height);
  if (right <= left || bottom <= top) return false;
  g.uStart = g.stepX * kx + int64_t{s.left} * 65536;
  g.vStart = g.stepY * ky + int64_t{s.top} * 65536;
  if (g.uStart < 0 || g.vStart < 0) return false;
  if ((g.uStart + g.stepX * (right - left)) >> 16 > img.width) return false;
  if ((g.vStart + g.stepY * (bottom - top)) >> 16 > img.height) return false;
  g.left = static_cast<int32_t>(left), g.top = static_cast<int32_t>(top);
  g.right = static_cast<int32_t>(right), g.bottom = static_cast<int32_t>(bottom);
  return true;
}

using CopyFn = void (*)(Surface&, const BlitSource&, const Rect&, int32_t, int32_t);

template <bool Keyed, PixelFormat SF, PixelFormat DF>
void copyLoop(Surface& dst, const BlitSource& src, const Rect& s, int32_t x, int32_t y) {
  const int w = s.width(), h = s.height();
  const size_t dPitch = static_cast<size_t>(dst.width), sPitch = static_cast<size_t>(src.image->width);
  uint16_t* d = dst.row(y) + x;
  const uint16_t* p = src.image->row(s.top) + s.left;
  for (int r = 0; r < h; ++r, d += dPitch, p += sPitch) rows::blendRow<Copy, Keyed, SF, DF>(d, p, w, src.key, 0);
}

CopyFn pickCopy(bool keyed, PixelFormat sf, PixelFormat df) {
  constexpr auto k565 = PixelFormat::Rgb565, k555 = PixelFormat::Rgb555;
  if (keyed) {
    if (sf == k565) return df == k565 ? copyLoop<true, k565, k565> : copyLoop<true, k565, k555>;
    return df == k565 ? copyLoop<true, k555, k565> : copyLoop<true, k555, k555>;
  }
  if (sf == k565) return df == k565 ? copyLoop<false, k565, k565> : copyLoop<false, k565, k555>;
  return df == k565 ? copyLoop<false, k555, k565> : copyLoop<false, k555, k555>;
}

}  // namespace

void blitCopy(Surface& dst, const BlitSource& src, int32_t x, int32_t y) {
  if (!src.image || dst.empty() || src.image->empty()) return;
  if (x > dst.width || y > dst.height) return;
  // Clip both rectangles together: a cut on one side of either moves the
  // same edge of the other by the same amount.
  int64_t dl = x, dt = y, dr = int64_t{x} + src.rect.width(), db = int64_t{y} + src.rect.height();
  int64_t sl = src.rect.left, st = src.rect.top, sr = src.rect.right, sb = src.rect.bottom;
  auto cutLow = [](int64_t& a, int64_t& b, int64_t bound) {
    if (a < bound) b += bound - a, a = bound;
  };
  auto cutHigh = [](int64_t& a, int64_t& b, int64_t bound) {
    if (a > bound) b -= a - bound, a = bound;
  };
  cutLow(dl, sl, 0), cutLow(dt, st, 0), cutHigh(dr, sr, dst.width), cutHigh(db, sb, dst.height);
  cutLow(sl, dl, 0), cutLow(st, dt, 0), cutHigh(sr, dr, src.image->width), cutHigh(sb, db, src.image->height);
  if (dr <= dl || db <= dt || sr <= sl || sb <= st) return;
  Rect s{static_cast<int32_t>(sl), static_cast<int32_t>(st), static_cast<int32_t>(sr), static_cast<int32_t>(sb)};
  pickCopy(src.keyed, src.image->format, dst.format)(dst, src, s, static_cast<int32_t>(dl), static_cast<int32_t>(dt));
}

void blitStretched(Surface& dst, const BlitSource& src, const Rect& dest) {
  if (!src.image) return;
  ScaledSpan g;
  if (!scaledGeometry(dst, src, dest, g)) return;
  pickScaled(BlendOp::Copy, true, src.keyed, src.image->format, dst.format)(dst, src, g, 255);
}

void blitBlend(Surface& dst, const BlitSource& src, const Rect& dest, BlendOp op, int32_t alpha) {
  if (!src.image || alpha <= 0) return;
  ScaledSpan g;
  if (!scaledGeometry(dst, src, dest, g)) return;
  const bool full = alpha >= 255;
  pickScaled(op, full, src.keyed, src.image->format, dst.format)(dst, src, g, full ? 255 : alpha);
}

}  // namespace fg
