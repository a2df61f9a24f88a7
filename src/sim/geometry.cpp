#include "sim/geometry.h"

#include <algorithm>
#include <cmath>

#include "state/game_state.h"

namespace fg {

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
// 128 / pi, the factor from radians to byte angle steps.
constexpr long double kRadToByte = 40.743665431525205957L;

std::array<double, 256> makeCosTable() {
  std::array<double, 256> t{};
  for (int i = 0; i < 256; ++i) {
    long double a = static_cast<long double>(i) * 2.0L * kPi / 256.0L;
    t[i] = static_cast<double>(cosl(a));
  }
  return t;
}

int32_t truncateTo32(long double r) {
  // |r| < 2^63 here, so the 64-bit conversion is defined.
  int64_t wide = static_cast<int64_t>(r);
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(wide)));
}

// Square root of a sum of squares formed in 32 bits. The sum is taken as
// unsigned: two differences below 46341 never overflow it, where a signed sum
// would turn negative and the root would be undefined.
uint32_t sumOfSquares(int32_t dx, int32_t dy) {
  return static_cast<uint32_t>(mulWrap(dx, dx)) + static_cast<uint32_t>(mulWrap(dy, dy));
}

int32_t rootOfSum(int32_t dx, int32_t dy) {
  return roundHalfEven(sqrtl(static_cast<long double>(sumOfSquares(dx, dy))));
}

// round(sqrt(sum)) <= limit  <=>  sum < (limit + 1/2)^2  <=>  sum <= limit^2 + limit.
bool rootAtMost(uint32_t sum, int32_t limit) {
  if (limit < 0) return false;
  uint64_t l = static_cast<uint64_t>(limit);
  return sum <= l * l + l;
}

// The shared case analysis of PointAngle and VectorAngle; q = dy / dx.
template <typename T>
int32_t angleOf(T dx, T dy) {
  if (dx == 0) return dy > 0 ? 64 : 192;
  long double q = static_cast<long double>(dy) / static_cast<long double>(dx);
  int32_t t = absWrap(roundHalfEven(atanl(q) * kRadToByte));
  if (dx < 0) return dy > 0 ? 128 - t : 128 + t;
  if (dx > 0) return dy < 0 ? (256 - t) & 255 : t;
  return 0;  // NaN
}

}  // namespace

const std::array<double, 256> kCosTable = makeCosTable();

int32_t roundHalfEven(long double v) {
  if (!(fabsl(v) < 9.2e18L)) return 0;
  return truncateTo32(rintl(v));
}

int32_t roundHalfEven(double v) {
  if (!(std::fabs(v) < 9.2e18)) return 0;
  return truncateTo32(static_cast<long double>(std::rint(v)));
}

int32_t PointDistance(int32_t ax, int32_t ay, int32_t bx, int32_t by) {
  return rootOfSum(subWrap(ax, bx), subWrap(ay, by));
}

int32_t EllipseDistance(int32_t ax, int32_t ay, int32_t bx, int32_t by) {
  return rootOfSum(subWrap(ax, bx), mulWrap(2, subWrap(ay, by)));
}

bool PointDistanceAtMost(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t limit) {
  return rootAtMost(sumOfSquares(subWrap(ax, bx), subWrap(ay, by)), limit);
}

bool EllipseDistanceAtMost(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t limit) {
  return rootAtMost(sumOfSquares(subWrap(ax, bx), mulWrap(2, subWrap(ay, by))), limit);
}

int32_t PointAngle(int32_t ax, int32_t ay, int32_t bx, int32_t by) {
  return angleOf<int32_t>(subWrap(ax, bx), subWrap(ay, by));
}

int32_t VectorAngle(double vx, double vy) { return angleOf<double>(vx, vy); }

bool InQuad(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
            int32_t x4, int32_t y4, int32_t px, int32_t py) {
  auto cross = [&](int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    return subWrap(mulWrap(subWrap(bx, ax), subWrap(py, by)), mulWrap(subWrap(by, ay), subWrap(px, bx)));
  };
  int32_t c1 = cross(x1, y1, x2, y2);
  int32_t c2 = cross(x2, y2, x3, y3);
  int32_t c3 = cross(x3, y3, x4, y4);
  int32_t c4 = cross(x4, y4, x1, y1);
  return (c1 >= 0 && c2 >= 0 && c3 >= 0 && c4 >= 0) || (c1 <= 0 && c2 <= 0 && c3 <= 0 && c4 <= 0);
}

bool OnWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t px, int32_t py) {
  // The band lies within the segment's box grown by 4 pixels. Where no cross
  // product can overflow, a point outside that box is outside the band, and
  // the wall's angle need not be worked out. A wall of no length has a flat
  // band that reaches along its line without end, so it takes the long way.
  const bool has_length = x1 != x2 || y1 != y2;
  if (has_length && crossSafe(x1) && crossSafe(y1) && crossSafe(x2) && crossSafe(y2) && crossSafe(px) &&
      crossSafe(py)) {
    if (px < std::min(x1, x2) - 4 || px > std::max(x1, x2) + 4 || py < std::min(y1, y2) - 4 ||
        py > std::max(y1, y2) + 4) {
      return false;
    }
  }
  int32_t a = PointAngle(x1, y1, x2, y2);
  int32_t ox = roundHalfEven(ByteCos(a + 64) * 4);
  int32_t oy = roundHalfEven(ByteSin(a + 64) * 4);
  return InQuad(addWrap(x1, ox), addWrap(y1, oy), addWrap(x2, ox), addWrap(y2, oy),
                subWrap(x2, ox), subWrap(y2, oy), subWrap(x1, ox), subWrap(y1, oy), px, py);
}

int32_t RandBelow(GameState& gs, int32_t n) {
  gs.seed = gs.seed * 134775813u + 1u;
  uint64_t wide = static_cast<uint64_t>(gs.seed) * static_cast<uint64_t>(static_cast<uint32_t>(n));
  return static_cast<int32_t>(static_cast<uint32_t>(wide >> 32));
}

}  // namespace fg
