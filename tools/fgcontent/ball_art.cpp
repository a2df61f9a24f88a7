#include "ball_art.h"

#include <algorithm>
#include <cmath>

#include "synth.h"

namespace fg {

namespace {

constexpr int kSide = 16;

struct Painter {
  Picture p;
  Painter() { p = {kSide, kSide, std::vector<uint8_t>(kSide * kSide * 3, 0)}; }
  void set(int x, int y, int r, int g, int b) {
    x = (x % kSide + kSide) % kSide;
    y = (y % kSide + kSide) % kSide;
    uint8_t* c = &p.rgb[(y * kSide + x) * 3];
    // No texel is pure black: the ball has no see-through holes on any display.
    c[0] = static_cast<uint8_t>(std::clamp(r, 10, 255));
    c[1] = static_cast<uint8_t>(std::clamp(g, 10, 255));
    c[2] = static_cast<uint8_t>(std::clamp(b, 10, 255));
  }
  void fill(int r, int g, int b) {
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x) set(x, y, r, g, b);
  }
  // Dimples on a staggered grid: each a darker texel with a lighter rim above-left.
  void dimples(int base, int dr, int dg, int db) {
    for (int y = 1; y < kSide; y += 4)
      for (int x = (y / 4) % 2 * 2; x < kSide; x += 4) {
        set(x, y, base - dr, base - dg, base - db);
        set(x - 1, y - 1, base + 8, base + 8, base + 8);
      }
  }
};

Picture solidDimpled(int r, int g, int b) {
  Painter pt;
  pt.fill(r, g, b);
  for (int y = 1; y < kSide; y += 4)
    for (int x = (y / 4) % 2 * 2; x < kSide; x += 4) {
      pt.set(x, y, r * 8 / 10, g * 8 / 10, b * 8 / 10);
      pt.set(x + 1, y, r * 9 / 10, g * 9 / 10, b * 9 / 10);
    }
  return pt.p;
}

double discCoverage(int x, int y, double cx, double cy, double radius) {
  int inside = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx) {
      const double px = x + (sx + 0.5) / 4 - cx, py = y + (sy + 0.5) / 4 - cy;
      if (px * px + py * py <= radius * radius) ++inside;
    }
  return inside / 16.0;
}

Picture grey(const std::vector<double>& values) {
  Picture p{kSide, kSide, std::vector<uint8_t>(kSide * kSide * 3, 0)};
  for (int i = 0; i < kSide * kSide; ++i) {
    const uint8_t v = static_cast<uint8_t>(std::clamp(std::lround(values[i]), 0L, 255L));
    p.rgb[i * 3] = p.rgb[i * 3 + 1] = p.rgb[i * 3 + 2] = v;
  }
  return p;
}

}  // namespace

std::vector<BallTexture> makeBallTextures() {
  std::vector<BallTexture> out;
  {
    Painter pt;  // classic white, dimpled
    pt.fill(242, 242, 236);
    pt.dimples(236, 40, 40, 30);
    out.push_back({"classic.bmp", pt.p});
  }
  {
    Painter pt;  // the black pool ball: a round white spot
    pt.fill(28, 28, 40);
    for (int y = 4; y < 12; ++y)
      for (int x = 4; x < 12; ++x)
        if ((x - 7.5) * (x - 7.5) + (y - 7.5) * (y - 7.5) < 9) pt.set(x, y, 244, 244, 236);
    out.push_back({"eightball.bmp", pt.p});
  }
  {
    Painter pt;  // harlequin: checked in two colours
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x) {
        if (((x / 4) + (y / 4)) % 2) pt.set(x, y, 40, 90, 230);
        else pt.set(x, y, 250, 210, 40);
      }
    out.push_back({"harlequin.bmp", pt.p});
  }
  out.push_back({"lime.bmp", solidDimpled(225, 255, 50)});  // yellow enough to stand out on grass
  {
    Painter pt;  // planet: sea with green-brown land from a fixed noise
    NoiseSource noise(77);
    double land[kSide][kSide];
    for (auto& row : land)
      for (double& v : row) v = noise.next();
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x) {
        double s = 0;
        for (int k = -1; k <= 1; ++k)
          for (int j = -1; j <= 1; ++j) s += land[(y + k + kSide) % kSide][(x + j + kSide) % kSide];
        if (s > 0.6) pt.set(x, y, 70 + (x * 7) % 40, 160, 60);
        else pt.set(x, y, 30, 140 + y * 4, 210);  // bright sea: stands out on grass and on the night sky
      }
    out.push_back({"planet.bmp", pt.p});
  }
  {
    Painter pt;  // striped: a white ball with a red band
    pt.fill(244, 244, 238);
    for (int x = 0; x < kSide; ++x)
      for (int y = 5; y < 11; ++y) pt.set(x, y, 225, 40 + (y == 5 || y == 10) * 40, 40);
    out.push_back({"striped.bmp", pt.p});
  }
  out.push_back({"tangerine.bmp", solidDimpled(255, 150, 30)});
  return out;
}

Picture ballShading() {
  std::vector<double> v(kSide * kSide, 0);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      const double cov = discCoverage(x, y, 8, 8, 7.4);
      if (cov <= 0) continue;
      const double nx = (x + 0.5 - 8) / 7.4, ny = (y + 0.5 - 8) / 7.4;
      const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
      // Light from the top left and in front.
      const double lit = std::max(0.0, -0.5 * nx - 0.5 * ny + 0.707 * nz);
      v[y * kSide + x] = cov * 230 * std::pow(1 - lit, 1.6);
    }
  return grey(v);
}

Picture ballDarkening() {
  std::vector<double> v(kSide * kSide, 0);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) v[y * kSide + x] = 255 * discCoverage(x, y, 8, 8, 7.9);
  return grey(v);
}

Picture ballShadow() {
  std::vector<double> v(kSide * kSide, 0);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      const double dx = (x + 0.5 - 8) / 7.2, dy = (y + 0.5 - 9) / 4.6;
      const double d = std::sqrt(dx * dx + dy * dy);
      if (d < 1) v[y * kSide + x] = 235 * (1 - d * d);
    }
  return grey(v);
}

}  // namespace fg
