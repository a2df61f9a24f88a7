#pragma once
// Loose bitmap files the game reads besides its archives (skins, ball
// textures, the launch window's logo), and the palette reduction for the
// 8-bit ones.
#include <cstdint>
#include <vector>

#include "media/picture.h"

namespace fg {

// A whole ".bmp" file at 8 bits; the picture must have at most 256 colours.
std::vector<uint8_t> encodeBitmapFile8(const Picture& p);
// Reduces a picture to a fixed palette of 252 colours (a 6x7x6 cube) with
// ordered dithering, so gradients keep their shape at 8 bits.
Picture reduceTo256Colours(const Picture& p);
int countColours(const Picture& p);

}  // namespace fg
