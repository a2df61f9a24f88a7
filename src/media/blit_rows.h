#pragma once
// One row of a blit: the pixel loops behind every draw, written once over the
// lane wrappers of simd_lanes.h and built for each instruction set.
//
// Internal linkage throughout, like the lane wrappers: each instruction set
// gets its own copies.
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "media/blend_ops.h"
#include "media/simd_lanes.h"

namespace fg::rows {
namespace {

// A lane type for machines without vectors: rows are all scalar.
struct NoLanes {
  using Half = void;
  static constexpr int kLanes = 0;
};

template <typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline void blendPixel(uint16_t* d, uint16_t s, uint16_t key, int a) {
  if (Keyed && s == key) return;
  *d = blend::apply<Op, SF, DF>(s, *d, a);
}

// Each channel is held at the top of its 16-bit lane: an 8-bit channel value
// c sits as c << 8, with the low bits zero after widening. Products of two
// such values taken with mulhi give c * a exactly, and the saturating adds and
// subtracts clamp at 255 and 0 for free.
template <typename V>
struct Lanes {
  typename V::T a, notA255, notA256, key;
  Lanes(int alpha, uint16_t k)
      : a(V::set1(alpha << 8)),
        notA255(V::set1((255 - alpha) << 8)),
        notA256(V::set1(((256 - alpha) & 0xFF) << 8)),
        key(V::set1(k)) {}
};

template <typename V, PixelFormat F>
inline void widen(typename V::T p, typename V::T& r, typename V::T& g, typename V::T& b) {
  if constexpr (F == PixelFormat::Rgb565) {
    r = V::bitAnd(p, V::set1(0xF800));
    g = V::bitAnd(V::template shl<5>(p), V::set1(0xFC00));
  } else {
    r = V::bitAnd(V::template shl<1>(p), V::set1(0xF800));
    g = V::bitAnd(V::template shl<6>(p), V::set1(0xF800));
  }
  b = V::template shl<11>(p);
}

// Top-aligned channels back to a pixel, keeping each channel's high bits.
template <typename V, PixelFormat F>
inline typename V::T narrow(typename V::T r, typename V::T g, typename V::T b) {
  if constexpr (F == PixelFormat::Rgb565) {
    return V::bitOr(V::bitOr(V::bitAnd(r, V::set1(0xF800)), V::bitAnd(V::template shr<5>(g), V::set1(0x07E0))),
                    V::template shr<11>(b));
  } else {
    return V::bitOr(V::bitOr(V::bitAnd(V::template shr<1>(r), V::set1(0x7C00)),
                             V::bitAnd(V::template shr<6>(g), V::set1(0x03E0))),
                    V::template shr<11>(b));
  }
}

template <typename V, typename Op>
inline typename V::T channel(typename V::T s, typename V::T d, const Lanes<V>& l, bool blue) {
  if constexpr (std::is_same_v<Op, blend::AddFull>) return V::addSat(s, d);
  // The low byte of s * a cannot carry into the top byte, as d's low byte is zero.
  if constexpr (std::is_same_v<Op, blend::AddPart>) return V::addSat(V::mulhi(s, l.a), d);
  if constexpr (std::is_same_v<Op, blend::SubFull>) return V::subSat(d, s);
  if constexpr (std::is_same_v<Op, blend::SubPart>) return V::subSat(d, V::bitAnd(V::mulhi(s, l.a), V::set1(0xFF00)));
  if constexpr (std::is_same_v<Op, blend::BlendPart>) {
    // Blue: d + floor((s - d) * a / 256) equals (s * a + d * (256 - a)) >> 8.
    return V::add(V::mulhi(s, l.a), V::mulhi(d, blue ? l.notA256 : l.notA255));
  }
  return s;
}

// One channel of a partial subtract, red or green, worked out where it sits
// in the pixel instead of widened: the field at Mask holds c, and the
// source's share floor(C * a / 256) of its 8-bit value C comes out of one
// multiply already lined up with the destination's field, once the bits
// below it (LowBits of them) are cleared. The field of the difference is
// then the channel's top bits, as narrowing would give.
template <typename V, int Mask, int LowBits>
inline typename V::T subtractField(typename V::T s, typename V::T d, const Lanes<V>& l) {
  const typename V::T share = V::bitAnd(V::mulhi(V::bitAnd(s, V::set1(Mask)), l.a), V::set1(0xFFFF << LowBits));
  return V::bitAnd(V::subSat(V::bitAnd(d, V::set1(Mask)), share), V::set1(Mask));
}

// A partial subtract within one format: red and green in place, blue at the
// top of its lane as in the other blends. Fewer operations than widening
// both pixels (20 against 26 for 5-5-5).
template <typename V, PixelFormat F>
inline typename V::T subtractPart(typename V::T s, typename V::T d, const Lanes<V>& l) {
  const typename V::T share = V::bitAnd(V::mulhi(V::template shl<11>(s), l.a), V::set1(0xFF00));
  const typename V::T blue = V::template shr<11>(V::subSat(V::template shl<11>(d), share));
  if constexpr (F == PixelFormat::Rgb565)
    return V::bitOr(V::bitOr(subtractField<V, 0xF800, 8>(s, d, l), subtractField<V, 0x07E0, 3>(s, d, l)), blue);
  else
    return V::bitOr(V::bitOr(subtractField<V, 0x7C00, 7>(s, d, l), subtractField<V, 0x03E0, 2>(s, d, l)), blue);
}

template <typename V, typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline typename V::T blendLanes(typename V::T s, typename V::T d, const Lanes<V>& l) {
  typename V::T out;
  if constexpr (std::is_same_v<Op, blend::Copy> && SF == DF) {
    out = s;
  } else if constexpr (std::is_same_v<Op, blend::SubPart> && SF == DF) {
    out = subtractPart<V, DF>(s, d, l);
  } else {
    typename V::T sr, sg, sb, dr, dg, db;
    widen<V, SF>(s, sr, sg, sb);
    if constexpr (std::is_same_v<Op, blend::Copy>) {
      out = narrow<V, DF>(sr, sg, sb);
    } else {
      widen<V, DF>(d, dr, dg, db);
      out = narrow<V, DF>(channel<V, Op>(sr, dr, l, false), channel<V, Op>(sg, dg, l, false),
                          channel<V, Op>(sb, db, l, true));
    }
  }
  if constexpr (Keyed) out = V::select(V::equal(s, l.key), d, out);
  return out;
}

// n pixels of s blended onto d, a full vector at a time. The last vector is
// laid flush with the end of the row and worked out from the pixels as they
// were before the loop, so where it overlaps the loop's last store both write
// the same values. Rows narrower than a vector go to the narrower lanes, and
// only rows under four pixels are done one pixel at a time.
template <typename V, typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline void vectorRow(uint16_t* d, const uint16_t* s, int n, uint16_t key, int a) {
  if constexpr (V::kLanes > 0) {
    constexpr int L = V::kLanes;
    if (n >= L) {
      const Lanes<V> l(a, key);
      const auto last = blendLanes<V, Op, Keyed, SF, DF>(V::load(s + n - L), V::load(d + n - L), l);
      for (int x = 0; x + L <= n; x += L)
        V::store(d + x, blendLanes<V, Op, Keyed, SF, DF>(V::load(s + x), V::load(d + x), l));
      V::store(d + n - L, last);
      return;
    }
    if constexpr (!std::is_void_v<typename V::Half>) {
      vectorRow<typename V::Half, Op, Keyed, SF, DF>(d, s, n, key, a);
      return;
    }
  }
  for (int x = 0; x < n; ++x) blendPixel<Op, Keyed, SF, DF>(d + x, s[x], key, a);
}

// A rectangle of h rows w pixels wide: row r of the source is srcRow(r). The
// lane width is chosen once for the whole rectangle and the constants are set
// up once, which is most of the cost of a small sprite's row.
template <typename V, typename Op, bool Keyed, PixelFormat SF, PixelFormat DF, typename SrcRow>
inline void blendRect(uint16_t* d, size_t dPitch, int w, int h, SrcRow srcRow, uint16_t key, int a) {
  if constexpr (V::kLanes > 0) {
    constexpr int L = V::kLanes;
    if (w >= L) {
      const Lanes<V> l(a, key);
      // Rows a whole number of vectors wide need no overlapping last vector:
      // at 16 pixels that would be half the work of a small sprite.
      if (w % L == 0) {
        for (int r = 0; r < h; ++r, d += dPitch) {
          const uint16_t* s = srcRow(r);
          for (int x = 0; x < w; x += L)
            V::store(d + x, blendLanes<V, Op, Keyed, SF, DF>(V::load(s + x), V::load(d + x), l));
        }
        return;
      }
      for (int r = 0; r < h; ++r, d += dPitch) {
        const uint16_t* s = srcRow(r);
        const auto last = blendLanes<V, Op, Keyed, SF, DF>(V::load(s + w - L), V::load(d + w - L), l);
        for (int x = 0; x + L <= w; x += L)
          V::store(d + x, blendLanes<V, Op, Keyed, SF, DF>(V::load(s + x), V::load(d + x), l));
        V::store(d + w - L, last);
      }
      return;
    }
    if constexpr (!std::is_void_v<typename V::Half>) {
      blendRect<typename V::Half, Op, Keyed, SF, DF>(d, dPitch, w, h, srcRow, key, a);
      return;
    }
  }
  for (int r = 0; r < h; ++r, d += dPitch) {
    const uint16_t* s = srcRow(r);
    for (int x = 0; x < w; ++x) blendPixel<Op, Keyed, SF, DF>(d + x, s[x], key, a);
  }
}

template <typename V>
concept CopiesAligned = requires(uint16_t* d, const uint16_t* s, size_t n) { V::copy(d, s, n); };

// Plain copies this long and longer go to memcpy, or to the lanes' own
// aligned copy from kAlignedCopyRun on; shorter ones cost less inline.
constexpr int kMemcpyRun = 256;
constexpr int kAlignedCopyRun = 32;

// The plain copy of a long row: true when it was done.
template <typename V>
inline bool copyLongRow(uint16_t* d, const uint16_t* s, int n) {
  if constexpr (CopiesAligned<V>) {
    if (n < kAlignedCopyRun) return false;
    V::copy(d, s, static_cast<size_t>(n));
  } else {
    if (n < kMemcpyRun) return false;
    std::memcpy(d, s, static_cast<size_t>(n) * 2);
  }
  return true;
}

template <typename V, typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline void blendRow(uint16_t* d, const uint16_t* s, int n, uint16_t key, int a) {
  if constexpr (std::is_same_v<Op, blend::Copy> && SF == DF && !Keyed) {
    if (copyLongRow<V>(d, s, n)) return;
  }
  vectorRow<V, Op, Keyed, SF, DF>(d, s, n, key, a);
}

}  // namespace
}  // namespace fg::rows
