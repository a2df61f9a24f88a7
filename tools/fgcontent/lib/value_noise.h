#pragma once
// Deterministic noise for pictures and sounds: an integer hash and smooth
// value noise built on it, the same numbers on every machine and every run.
#include <cstdint>

namespace fg {

uint32_t hash32(uint32_t x);
// Smooth value noise in [0, 1) from hashes of the integer lattice.
double valueNoise(double x, double y, uint32_t salt);

}  // namespace fg
