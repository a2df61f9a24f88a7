#pragma once
// Conversions between 0x00BBGGRR colours, 8-bit channels and 16-bit pixels.
// Widening moves each channel's bits to the top of a byte with zero low bits;
// narrowing keeps the high bits of each 8-bit value.
#include <cstdint>

#include "media/surface.h"

namespace fg {

template <PixelFormat F>
struct PixelTraits;

template <>
struct PixelTraits<PixelFormat::Rgb565> {
  static constexpr uint32_t red(uint32_t p) { return (p & 0xF800u) >> 8; }
  static constexpr uint32_t green(uint32_t p) { return (p & 0x07E0u) >> 3; }
  static constexpr uint32_t blue(uint32_t p) { return (p & 0x001Fu) << 3; }
  static constexpr uint16_t pack(uint32_t r, uint32_t g, uint32_t b) {
    return static_cast<uint16_t>(((r << 8) & 0xF800u) | ((g << 3) & 0x07E0u) | (b >> 3));
  }
};

template <>
struct PixelTraits<PixelFormat::Rgb555> {
  static constexpr uint32_t red(uint32_t p) { return (p & 0x7C00u) >> 7; }
  static constexpr uint32_t green(uint32_t p) { return (p & 0x03E0u) >> 2; }
  static constexpr uint32_t blue(uint32_t p) { return (p & 0x001Fu) << 3; }
  static constexpr uint16_t pack(uint32_t r, uint32_t g, uint32_t b) {
    return static_cast<uint16_t>(((r << 7) & 0x7C00u) | ((g << 2) & 0x03E0u) | (b >> 3));
  }
};

inline uint16_t packRgb(uint32_t r, uint32_t g, uint32_t b, PixelFormat f) {
  return f == PixelFormat::Rgb565 ? PixelTraits<PixelFormat::Rgb565>::pack(r, g, b)
                                  : PixelTraits<PixelFormat::Rgb555>::pack(r, g, b);
}

// 0x00BBGGRR to a pixel of format f, keeping the high bits of each channel.
inline uint16_t colorToPixel(uint32_t bgr, PixelFormat f) {
  return packRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF, f);
}

// A pixel widened back to 0x00BBGGRR (low bits zero).
inline uint32_t pixelToColor(uint16_t p, PixelFormat f) {
  if (f == PixelFormat::Rgb565) {
    using T = PixelTraits<PixelFormat::Rgb565>;
    return T::red(p) | (T::green(p) << 8) | (T::blue(p) << 16);
  }
  using T = PixelTraits<PixelFormat::Rgb555>;
  return T::red(p) | (T::green(p) << 8) | (T::blue(p) << 16);
}

}  // namespace fg
