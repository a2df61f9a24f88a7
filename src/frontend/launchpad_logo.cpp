// The launch window's background: a dusk sky over a putting green with a flag,
// and the game's name in block letters. Drawn once at start, no file needed.
#include <array>
#include <cstdint>
#include <cstdlib>

#include "frontend/launchpad_files.h"

namespace fg {

namespace {

constexpr int kW = 640, kH = 480;

// 5×7 block glyphs for the letters of the title, one row per byte (bit 4 = left).
struct Glyph { char ch; std::array<uint8_t, 7> rows; };
constexpr Glyph kGlyphs[] = {
    {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}}, {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}}, {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'3', {0x1E, 0x01, 0x01, 0x0E, 0x01, 0x01, 0x1E}}, {' ', {0, 0, 0, 0, 0, 0, 0}},
};

void put(Picture& p, int x, int y, uint8_t r, uint8_t g, uint8_t b) {
  if (x < 0 || y < 0 || x >= p.width || y >= p.height) return;
  uint8_t* px = &p.rgb[(static_cast<size_t>(y) * p.width + x) * 3];
  px[0] = r;
  px[1] = g;
  px[2] = b;
}

void drawText(Picture& p, const char* text, int x, int y, int scale, uint8_t r, uint8_t g, uint8_t b) {
  for (const char* c = text; *c; ++c, x += 6 * scale) {
    for (const Glyph& gl : kGlyphs) {
      if (gl.ch != *c) continue;
      for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 5; ++col) {
          if (!(gl.rows[row] & (0x10 >> col))) continue;
          for (int dy = 0; dy < scale; ++dy) {
            for (int dx = 0; dx < scale; ++dx) put(p, x + col * scale + dx, y + row * scale + dy, r, g, b);
          }
        }
      }
    }
  }
}

void drawBackdrop(Picture& p) {
  constexpr int kHorizon = 300;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      if (y < kHorizon) {
        int t = y * 255 / kHorizon;
        put(p, x, y, static_cast<uint8_t>(10 + t / 6), static_cast<uint8_t>(12 + t / 5), static_cast<uint8_t>(40 + t / 3));
      } else {
        // Mown stripes across the green.
        bool stripe = ((x + (y - kHorizon) * 2) / 48) % 2 == 0;
        int shade = 60 + (y - kHorizon) / 2;
        put(p, x, y, 10, static_cast<uint8_t>(stripe ? shade : shade - 14), 14);
      }
    }
  }
}

void drawFlag(Picture& p) {
  constexpr int kCupX = 540, kCupY = 380;
  for (int y = -6; y <= 6; ++y) {
    for (int x = -14; x <= 14; ++x) {
      if (x * x + 4 * y * y <= 196) put(p, kCupX + x, kCupY + y, 4, 12, 4);
    }
  }
  for (int y = kCupY - 150; y < kCupY; ++y) {
    put(p, kCupX, y, 230, 230, 220);
    put(p, kCupX + 1, y, 180, 180, 170);
  }
  for (int y = 0; y < 30; ++y) {
    int len = 46 - y * 46 / 30 / 2;
    for (int x = 2; x < 2 + len - (y > 15 ? (y - 15) * 3 : 0); ++x) put(p, kCupX + x, kCupY - 150 + y, 220, 30, 30);
  }
}

}  // namespace

Picture launchpadLogo() {
  Picture p;
  p.width = kW;
  p.height = kH;
  p.rgb.assign(static_cast<size_t>(kW) * kH * 3, 0);
  drawBackdrop(p);
  drawFlag(p);
  drawText(p, "FAIRGLADE", 52 + 3, 258 + 3, 6, 0, 40, 0);
  drawText(p, "FAIRGLADE", 52, 258, 6, 0, 255, 0);
  drawText(p, "BETA 3", 424, 70, 3, 0, 200, 0);
  return p;
}

}  // namespace fg
