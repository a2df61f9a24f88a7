#pragma once
// One row of a blit: the pixel loops behind every draw. Rows where source and
// destination advance together (unscaled draws, keyed copies) and scaled rows
// (16.16 steps) both run eight pixels at a time with SSE2 where the compiler
// offers it; a scalar tail finishes each row with the same arithmetic.
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "media/blend_ops.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fg::rows {

template <typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline void blendPixel(uint16_t* d, uint16_t s, uint16_t key, int a) {
  if (Keyed && s == key) return;
  *d = blend::apply<Op, SF, DF>(s, *d, a);
}

#if defined(__SSE2__)

// Eight 16-bit lanes, each channel held at the top of its lane: an 8-bit
// channel value c sits as c << 8, with the low bits zero after widening.
// Products of two such values taken with mulhi give c * a exactly, and the
// saturating adds and subtracts clamp at 255 and 0 for free.
struct Lanes {
  __m128i a, notA255, notA256;
  explicit Lanes(int alpha)
      : a(_mm_set1_epi16(static_cast<int16_t>(alpha << 8))),
        notA255(_mm_set1_epi16(static_cast<int16_t>((255 - alpha) << 8))),
        notA256(_mm_set1_epi16(static_cast<int16_t>(((256 - alpha) & 0xFF) << 8))) {}
};

inline __m128i mask16(int m) { return _mm_set1_epi16(static_cast<int16_t>(m)); }

template <PixelFormat F>
inline void widen(__m128i p, __m128i& r, __m128i& g, __m128i& b) {
  if constexpr (F == PixelFormat::Rgb565) {
    r = _mm_and_si128(p, mask16(0xF800));
    g = _mm_and_si128(_mm_slli_epi16(p, 5), mask16(0xFC00));
  } else {
    r = _mm_and_si128(_mm_slli_epi16(p, 1), mask16(0xF800));
    g = _mm_and_si128(_mm_slli_epi16(p, 6), mask16(0xF800));
  }
  b = _mm_slli_epi16(p, 11);
}

// Top-aligned channels back to a pixel, keeping each channel's high bits.
template <PixelFormat F>
inline __m128i narrow(__m128i r, __m128i g, __m128i b) {
  if constexpr (F == PixelFormat::Rgb565) {
    return _mm_or_si128(_mm_or_si128(_mm_and_si128(r, mask16(0xF800)),
                                     _mm_and_si128(_mm_srli_epi16(g, 5), mask16(0x07E0))),
                        _mm_srli_epi16(b, 11));
  } else {
    return _mm_or_si128(_mm_or_si128(_mm_and_si128(_mm_srli_epi16(r, 1), mask16(0x7C00)),
                                     _mm_and_si128(_mm_srli_epi16(g, 6), mask16(0x03E0))),
                        _mm_srli_epi16(b, 11));
  }
}

// c * a for a top-aligned channel: the 8-bit result of (c * a) >> 8 sits in
// the top byte, with c * a's low byte below it.
inline __m128i times(__m128i c, __m128i a) { return _mm_mulhi_epu16(c, a); }

template <typename Op>
inline __m128i channel(__m128i s, __m128i d, const Lanes& l, bool blue) {
  if constexpr (std::is_same_v<Op, blend::AddFull>) return _mm_adds_epu16(s, d);
  // The low byte of s * a cannot carry into the top byte, as d's low byte is zero.
  if constexpr (std::is_same_v<Op, blend::AddPart>) return _mm_adds_epu16(times(s, l.a), d);
  if constexpr (std::is_same_v<Op, blend::SubFull>) return _mm_subs_epu16(d, s);
  if constexpr (std::is_same_v<Op, blend::SubPart>)
    return _mm_subs_epu16(d, _mm_and_si128(times(s, l.a), mask16(0xFF00)));
  if constexpr (std::is_same_v<Op, blend::BlendPart>) {
    // Blue: d + floor((s - d) * a / 256) equals (s * a + d * (256 - a)) >> 8.
    return _mm_add_epi16(times(s, l.a), times(d, blue ? l.notA256 : l.notA255));
  }
  return s;
}

template <typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline __m128i blend8(__m128i s, __m128i d, __m128i key, const Lanes& l) {
  __m128i out;
  if constexpr (std::is_same_v<Op, blend::Copy> && SF == DF) {
    out = s;
  } else {
    __m128i sr, sg, sb, dr, dg, db;
    widen<SF>(s, sr, sg, sb);
    if constexpr (std::is_same_v<Op, blend::Copy>) {
      out = narrow<DF>(sr, sg, sb);
    } else {
      widen<DF>(d, dr, dg, db);
      out = narrow<DF>(channel<Op>(sr, dr, l, false), channel<Op>(sg, dg, l, false), channel<Op>(sb, db, l, true));
    }
  }
  if constexpr (Keyed) {
    __m128i keep = _mm_cmpeq_epi16(s, key);
    out = _mm_or_si128(_mm_and_si128(keep, d), _mm_andnot_si128(keep, out));
  }
  return out;
}

template <typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline void blendRow(uint16_t* d, const uint16_t* s, int n, uint16_t key, int a) {
  if constexpr (std::is_same_v<Op, blend::Copy> && SF == DF && !Keyed) {
    std::memcpy(d, s, static_cast<size_t>(n) * 2);
    return;
  }
  const Lanes l(a);
  const __m128i k = _mm_set1_epi16(static_cast<int16_t>(key));
  int x = 0;
  for (; x + 8 <= n; x += 8) {
    __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x));
    __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + x));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), blend8<Op, Keyed, SF, DF>(sv, dv, k, l));
  }
  for (; x < n; ++x) blendPixel<Op, Keyed, SF, DF>(d + x, s[x], key, a);
}

// A scaled row: samples at u, u + step, … gathered eight at a time.
template <typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline void scaledRow(uint16_t* d, const uint16_t* s, int n, uint32_t u, uint32_t step, uint16_t key, int a) {
  const Lanes l(a);
  const __m128i k = _mm_set1_epi16(static_cast<int16_t>(key));
  int x = 0;
  for (; x + 8 <= n; x += 8) {
    const uint32_t u0 = u, u1 = u0 + step, u2 = u1 + step, u3 = u2 + step, u4 = u3 + step, u5 = u4 + step,
                   u6 = u5 + step, u7 = u6 + step;
    u = u7 + step;
    __m128i sv = _mm_set_epi16(static_cast<int16_t>(s[u7 >> 16]), static_cast<int16_t>(s[u6 >> 16]),
                               static_cast<int16_t>(s[u5 >> 16]), static_cast<int16_t>(s[u4 >> 16]),
                               static_cast<int16_t>(s[u3 >> 16]), static_cast<int16_t>(s[u2 >> 16]),
                               static_cast<int16_t>(s[u1 >> 16]), static_cast<int16_t>(s[u0 >> 16]));
    __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + x));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), blend8<Op, Keyed, SF, DF>(sv, dv, k, l));
  }
  for (; x < n; ++x, u += step) blendPixel<Op, Keyed, SF, DF>(d + x, s[u >> 16], key, a);
}

#else

template <typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline void blendRow(uint16_t* d, const uint16_t* s, int n, uint16_t key, int a) {
  for (int x = 0; x < n; ++x) blendPixel<Op, Keyed, SF, DF>(d + x, s[x], key, a);
}

template <typename Op, bool Keyed, PixelFormat SF, PixelFormat DF>
inline void scaledRow(uint16_t* d, const uint16_t* s, int n, uint32_t u, uint32_t step, uint16_t key, int a) {
  for (int x = 0; x < n; ++x, u += step) blendPixel<Op, Keyed, SF, DF>(d + x, s[u >> 16], key, a);
}

#endif

}  // namespace fg::rows
