#pragma once
// A pixel rectangle; right and bottom are exclusive.
#include <cstdint>

namespace fg {

struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;

  int32_t width() const { return right - left; }
  int32_t height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool operator==(const Rect&) const = default;
};

}  // namespace fg
