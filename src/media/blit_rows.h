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

// Eight 16-bit lanes. Every product and sum below stays under 65536, so the
// low 16 bits of each lane hold the exact result.
struct Lanes {
  __m128i a, notA255, notA256;
  explicit Lanes(int alpha)
      : a(_mm_set1_epi16(static_cast<int16_t>(alpha))),
        notA255(_mm_set1_epi16(static_cast<int16_t>(255 - alpha))),
        notA256(_mm_set1_epi16(static_cast<int16_t>(256 - alpha))) {}
};

template <PixelFormat F>
inline void widen(__m128i p, __m128i& r, __m128i& g, __m128i& b) {
  const __m128i f8 = _mm_set1_epi16(0xF8);
  if constexpr (F == PixelFormat::Rgb565) {
    r = _mm_and_si128(_mm_srli_epi16(p, 8), f8);
    g = _mm_and_si128(_mm_srli_epi16(p, 3), _mm_set1_epi16(0xFC));
  } else {
    r = _mm_and_si128(_mm_srli_epi16(p, 7), f8);
    g = _mm_and_si128(_mm_srli_epi16(p, 2), f8);
  }
  b = _mm_and_si128(_mm_slli_epi16(p, 3), f8);
}

template <PixelFormat F>
inline __m128i narrow(__m128i r, __m128i g, __m128i b) {
  const __m128i f8 = _mm_set1_epi16(0xF8);
  if constexpr (F == PixelFormat::Rgb565) {
    return _mm_or_si128(_mm_or_si128(_mm_slli_epi16(_mm_and_si128(r, f8), 8),
                                     _mm_slli_epi16(_mm_and_si128(g, _mm_set1_epi16(0xFC)), 3)),
                        _mm_srli_epi16(b, 3));
  } else {
    return _mm_or_si128(_mm_or_si128(_mm_slli_epi16(_mm_and_si128(r, f8), 7), _mm_slli_epi16(_mm_and_si128(g, f8), 2)),
                        _mm_srli_epi16(b, 3));
  }
}

inline __m128i min255(__m128i v) { return _mm_min_epi16(v, _mm_set1_epi16(255)); }
inline __m128i scaled(__m128i s, const Lanes& l) { return _mm_srli_epi16(_mm_mullo_epi16(s, l.a), 8); }

template <typename Op>
inline __m128i channel(__m128i s, __m128i d, const Lanes& l, bool blue) {
  if constexpr (std::is_same_v<Op, blend::AddFull>) return min255(_mm_add_epi16(s, d));
  if constexpr (std::is_same_v<Op, blend::AddPart>) return min255(_mm_add_epi16(scaled(s, l), d));
  if constexpr (std::is_same_v<Op, blend::SubFull>) return _mm_subs_epu16(d, s);
  if constexpr (std::is_same_v<Op, blend::SubPart>) return _mm_subs_epu16(d, scaled(s, l));
  if constexpr (std::is_same_v<Op, blend::BlendPart>) {
    // Blue: d + floor((s - d) * a / 256) equals (s * a + d * (256 - a)) >> 8.
    __m128i da = _mm_mullo_epi16(d, blue ? l.notA256 : l.notA255);
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(s, l.a), da), 8);
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
    uint16_t g[8];
    for (int i = 0; i < 8; ++i, u += step) g[i] = s[u >> 16];
    __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(g));
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
