#include "value_noise.h"

#include <cmath>

namespace fg {

uint32_t hash32(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

double valueNoise(double x, double y, uint32_t salt) {
  const double fx = std::floor(x), fy = std::floor(y);
  const int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
  double tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  auto at = [&](int32_t a, int32_t b) {
    return (hash32(static_cast<uint32_t>(a) * 73856093U ^ static_cast<uint32_t>(b) * 19349663U ^ salt) & 0xffff) /
           65536.0;
  };
  const double v0 = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
  const double v1 = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
  return v0 + (v1 - v0) * ty;
}

}  // namespace fg
