#pragma once
// Byte angles, rounding, the two distances, the angle functions, the shape
// tests of the areas and the one random generator. Pure functions over
// integers and doubles; the only state is the cosine table (built once,
// read-only) and the seed, which lives in the game state.
#include <array>
#include <cstdint>

namespace fg {

struct GameState;

// cos(i * 2pi / 256) worked out in extended precision and stored as double.
// Entries at the quarter turns are therefore tiny, not exactly zero: the ball
// traces depend on those last bits, so they are kept as the game has them.
extern const std::array<double, 256> kCosTable;

inline double ByteCos(int32_t a) { return kCosTable[static_cast<uint32_t>(a) & 255u]; }
inline double ByteSin(int32_t a) { return kCosTable[(static_cast<uint32_t>(a) + 192u) & 255u]; }

// Nearest integer, halves to the even neighbour. Values beyond 64 bits (and
// NaN) give 0; anything else is truncated to 32 bits, as storing a 64-bit
// rounding result into a 32-bit variable does.
int32_t roundHalfEven(double v);
int32_t roundHalfEven(long double v);

// Wrapping 32-bit arithmetic: hole files may hold any 32-bit value, and
// angles only ever count modulo 256.
inline int32_t addWrap(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t subWrap(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t mulWrap(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
inline int32_t absWrap(int32_t a) { return a < 0 ? subWrap(0, a) : a; }

int32_t PointDistance(int32_t ax, int32_t ay, int32_t bx, int32_t by);
int32_t EllipseDistance(int32_t ax, int32_t ay, int32_t bx, int32_t by);

// PointDistance(...) <= limit and EllipseDistance(...) <= limit, with the
// same answers but without the square root: the rounded root of an integer
// never lands on a half, so the test is an integer comparison. The area loop
// makes these tests for every area in every sub-step.
bool PointDistanceAtMost(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t limit);
bool EllipseDistanceAtMost(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t limit);

// Byte angle (0 … 255) of the direction from b to a.
int32_t PointAngle(int32_t ax, int32_t ay, int32_t bx, int32_t by);
// Byte angle (0 … 255) of the vector (vx, vy); the zero vector gives 192.
int32_t VectorAngle(double vx, double vy);

// Coordinates this close to the origin cannot overflow a cross product.
inline bool crossSafe(int32_t v) { return v >= -16000 && v <= 16000; }

// Convex quadrilateral test, boundary included, either winding.
bool InQuad(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
            int32_t x4, int32_t y4, int32_t px, int32_t py);
// The wall band: 4 pixels each side of the segment, square ends.
bool OnWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t px, int32_t py);

inline int32_t AngleByte(int32_t a) { return static_cast<int32_t>(static_cast<uint32_t>(a) & 255u); }
inline int32_t FoldAngle(int32_t a) {
  int32_t b = AngleByte(a);
  return b <= 128 ? b : b - 128;
}

// The game's single generator: advances gs.seed once per call.
int32_t RandBelow(GameState& gs, int32_t n);

}  // namespace fg
