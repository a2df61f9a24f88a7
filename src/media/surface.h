#pragma once
// A 16-bit pixel surface in ordinary memory: the display's back buffer and the
// uploaded copies of pictures both use it.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fg {

enum class PixelFormat : uint8_t { Rgb565, Rgb555 };

struct Surface {
  int width = 0;
  int height = 0;
  PixelFormat format = PixelFormat::Rgb565;
  std::vector<uint16_t> pixels;  // row-major, pitch == width

  Surface() = default;
  Surface(int w, int h, PixelFormat f) { resize(w, h, f); }

  void resize(int w, int h, PixelFormat f) {
    width = w > 0 ? w : 0;
    height = h > 0 ? h : 0;
    format = f;
    pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  }
  bool empty() const { return width <= 0 || height <= 0; }
  uint16_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
  const uint16_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
  uint16_t at(int x, int y) const { return row(y)[x]; }
};

}  // namespace fg
