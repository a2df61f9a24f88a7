#include "media/blitter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "media/blit_kernels.h"

namespace fg {
namespace {

using kernels::ScaledSpan;

bool avx2Available() {
#if defined(FG_HAVE_AVX2_KERNELS)
  return __builtin_cpu_supports("avx2");
#else
  return false;
#endif
}

const kernels::Table& tableFor(BlitPath path) {
#if defined(FG_HAVE_AVX2_KERNELS)
  if (path == BlitPath::Avx2) return kernels::kAvx2;
#endif
  (void)path;
  return kernels::kSse2;
}

// The baseline table until start-up has looked at the processor, so a draw
// made before that is still right.
const kernels::Table* g_table = &kernels::kSse2;
BlitPath g_path = BlitPath::Sse2;

BlitPath pathAtStartUp() {
  const char* forced = std::getenv("FAIRGLADE_BLIT");
  if (forced && std::strcmp(forced, "sse2") == 0) return BlitPath::Sse2;
  return avx2Available() ? BlitPath::Avx2 : BlitPath::Sse2;
}

[[maybe_unused]] const bool g_chosen = (setBlitPath(pathAtStartUp()), true);

int formatIndex(PixelFormat f) { return f == PixelFormat::Rgb555 ? 1 : 0; }

kernels::Form formFor(BlendOp op, bool full) {
  switch (op) {
    case BlendOp::Copy: return kernels::kCopy;
    case BlendOp::Additive: return full ? kernels::kAddFull : kernels::kAddPart;
    case BlendOp::Blended: return full ? kernels::kCopy : kernels::kBlendPart;
    case BlendOp::Subtractive: return full ? kernels::kSubFull : kernels::kSubPart;
  }
  return kernels::kCopy;
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

void drawScaled(Surface& dst, const BlitSource& src, const Rect& dest, kernels::Form form, int alpha) {
  ScaledSpan g;
  if (!scaledGeometry(dst, src, dest, g)) return;
  g_table->scaled[form][src.keyed][formatIndex(src.image->format)][formatIndex(dst.format)](dst, src, g, alpha);
}

}  // namespace

BlitPath blitPath() { return g_path; }

bool blitPathAvailable(BlitPath path) { return path == BlitPath::Sse2 || avx2Available(); }

void setBlitPath(BlitPath path) {
  if (!blitPathAvailable(path)) return;
  g_path = path;
  g_table = &tableFor(path);
}

namespace {

// The routine for an unscaled draw w pixels wide.
kernels::UnscaledFn unscaledFn(kernels::Form form, const BlitSource& src, const Surface& dst, int w) {
  const auto& fns = w < kernels::kTinyWidth ? g_table->tiny : g_table->unscaled;
  return fns[form][src.keyed][formatIndex(src.image->format)][formatIndex(dst.format)];
}

// An unscaled draw with its top-left at (x, y). Both rectangles are clipped
// together: a cut on one side of either moves the same edge of the other by
// the same amount.
void drawUnscaled(Surface& dst, const BlitSource& src, int32_t x, int32_t y, kernels::Form form, int alpha) {
  const Surface& img = *src.image;
  const auto draw = [&](const Rect& s, int32_t left, int32_t top) {
    unscaledFn(form, src, dst, s.width())(dst, src, s, left, top, alpha);
  };
  const Rect& r = src.rect;
  // Most sprites lie wholly on the surface and their pattern in its picture:
  // they need no clipping.
  if (x >= 0 && y >= 0 && int64_t{x} + r.width() <= dst.width && int64_t{y} + r.height() <= dst.height &&
      r.left >= 0 && r.top >= 0 && r.right <= img.width && r.bottom <= img.height && r.right > r.left &&
      r.bottom > r.top) {
    draw(r, x, y);
    return;
  }
  if (dst.empty() || img.empty() || x >= dst.width || y >= dst.height) return;
  int64_t dl = x, dt = y, dr = int64_t{x} + src.rect.width(), db = int64_t{y} + src.rect.height();
  int64_t sl = src.rect.left, st = src.rect.top, sr = src.rect.right, sb = src.rect.bottom;
  auto cutLow = [](int64_t& a, int64_t& b, int64_t bound) {
    if (a < bound) b += bound - a, a = bound;
  };
  auto cutHigh = [](int64_t& a, int64_t& b, int64_t bound) {
    if (a > bound) b -= a - bound, a = bound;
  };
  cutLow(dl, sl, 0), cutLow(dt, st, 0), cutHigh(dr, sr, dst.width), cutHigh(db, sb, dst.height);
  cutLow(sl, dl, 0), cutLow(st, dt, 0), cutHigh(sr, dr, img.width), cutHigh(sb, db, img.height);
  if (dr <= dl || db <= dt || sr <= sl || sb <= st) return;
  const Rect s{static_cast<int32_t>(sl), static_cast<int32_t>(st), static_cast<int32_t>(sr), static_cast<int32_t>(sb)};
  draw(s, static_cast<int32_t>(dl), static_cast<int32_t>(dt));
}

}  // namespace

void blitCopy(Surface& dst, const BlitSource& src, int32_t x, int32_t y) {
  if (!src.image) return;
  drawUnscaled(dst, src, x, y, kernels::kCopy, 255);
}

void blitStretched(Surface& dst, const BlitSource& src, const Rect& dest) {
  if (!src.image || outsideSurface(dst, dest)) return;
  drawScaled(dst, src, dest, kernels::kCopy, 255);
}

void blitBlend(Surface& dst, const BlitSource& src, const Rect& dest, BlendOp op, int32_t alpha) {
  if (!src.image || alpha <= 0 || outsideSurface(dst, dest)) return;
  const bool full = alpha >= 255;
  const kernels::Form form = formFor(op, full);
  const int a = full ? 255 : alpha;
  // Most blends are drawn at the pattern's own size: they skip the steps. A
  // pattern reaching outside its picture draws nothing, scaled or not.
  const Rect& s = src.rect;
  const Surface& img = *src.image;
  if (int64_t{dest.right} - dest.left == s.width() && int64_t{dest.bottom} - dest.top == s.height() &&
      s.left >= 0 && s.top >= 0 && s.right <= img.width && s.bottom <= img.height) {
    // Wholly on the surface, as most are: nothing to clip. (The rectangle
    // is not empty, or it would have been outside.)
    if (dest.left >= 0 && dest.top >= 0 && dest.right <= dst.width && dest.bottom <= dst.height)
      unscaledFn(form, src, dst, s.width())(dst, src, s, dest.left, dest.top, a);
    else
      drawUnscaled(dst, src, dest.left, dest.top, form, a);
  } else {
    drawScaled(dst, src, dest, form, a);
  }
}

}  // namespace fg
